#include "app/schedule_delegate.h"

#include <QComboBox>

#include "schedule/schedule_model.h"

namespace {
QStringList ChoicesOf(const QModelIndex& index) {
    return index.data(ScheduleModel::ChoicesRole).toStringList();
}
}  // namespace

QWidget* ScheduleChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                              const QModelIndex& index) const {
    QStringList choices = ChoicesOf(index);
    if (choices.isEmpty()) {
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    const QString text = index.data(Qt::EditRole).toString();
    if (!choices.contains(text)) {
        choices.prepend(text);
    }
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("ScheduleChoiceEditor"));
    combo->addItems(choices);
    // A choice made is the edit: no further key to confirm it.
    auto* self = const_cast<ScheduleChoiceDelegate*>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] {
        emit self->commitData(combo);
        emit self->closeEditor(combo);
    });
    return combo;
}

void ScheduleChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString(),
                                               Qt::MatchExactly | Qt::MatchCaseSensitive));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void ScheduleChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                          const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
