// The schedule table's cell editors: a cell whose model offers choices (the systems, the codes
// of the row's system, the building types) is edited with a list of them; any other cell as
// plain text. A cell's text that is not among the choices stays offered, so that opening the
// editor never changes a row by itself.
#pragma once

#include <QStyledItemDelegate>

class ScheduleChoiceDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};
