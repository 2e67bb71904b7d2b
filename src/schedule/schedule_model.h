// The schedule as a table for a view: one row per window type, the schedule's own columns
// (editable), what the rating of the row shows (read-only), then every other column of the file
// (Qty, Width, ...) as plain text in file order. Every edit is one step on the model's undo
// stack, and every row is rated by the same routine as the main window (RateScheduleRow). Qt
// Core and Gui only, so the window and its tests share it without widgets.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <optional>

#include "data/product_tables.h"
#include "rating/rated_window.h"
#include "schedule/schedule.h"
#include "schedule/schedule_rating.h"

class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The columns before the file's other columns.
    enum Column {
        RefColumn,
        SystemColumn,
        OuterColumn,
        VentColumn,
        TransomColumn,
        BuildingColumn,
        WeightColumn,
        RatingColumn,
        ElementColumn,
        Co2Column,
        NoteColumn,
        kFixedColumnCount
    };
    // The entries an editor offers for a cell (QStringList): the systems, the codes the row's
    // system offers, or the building types; none for a cell of free text.
    static constexpr int ChoicesRole = Qt::UserRole + 1;

    explicit ScheduleModel(QObject* parent = nullptr);
    ~ScheduleModel() override;

    const Schedule& CurrentSchedule() const { return schedule_; }
    // A new or opened schedule, rated; the undo history starts afresh.
    void SetSchedule(const Schedule& schedule);
    const ProductTables& Tables() const { return tables_; }
    // Tables changed: every row is rated again.
    void SetTables(const ProductTables& tables);
    const QList<ScheduleRowRating>& Ratings() const { return ratings_; }
    QUndoStack* UndoStack() { return &undo_; }

    // The field a column of the schedule's own stands for (Ref to Building), else nullopt.
    static std::optional<ScheduleField> FieldOfViewColumn(int column);
    // The schedule column that a view column shows, -1 for the rating's columns and for a field
    // the schedule has no column for yet.
    int ScheduleColumnOf(int column) const;

    // Edits, each one undo step. A row given without a ref gets the next free one.
    void AddWindow(const WindowRequest& window);
    void InsertRows(int at, QList<QStringList> rows, const QString& what);
    // Rows pasted from a spreadsheet, added at the end; false when the text holds none.
    bool PasteRows(const QString& text);
    // The rows of another schedule file, added at the end by its header as a paste is; false
    // when it has none.
    bool ImportRows(const Schedule& from);
    // How the schedule's file is written (after a Save As in another format); no edit.
    void SetFileFormat(const ScheduleFileFormat& format);
    void DuplicateRow(int row);
    void RemoveRows(int first, int count);
    void MoveRow(int from, int to);
    void SetReportText(ScheduleField field, const QString& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The schedule's company, project or date changed (an edit, its undo or redo).
    void ReportChanged();

private:
    // The changes the undo commands make, each telling the views.
    void ApplyCell(int row, int column, const QString& text);
    void ApplyInsert(int at, const QList<QStringList>& rows, const QList<int>& lines);
    void ApplyRemove(int first, int count);
    void ApplyMove(int from, int to);
    void ApplyReport(ScheduleField field, const QString& text);
    // The schedule as it was before or after an edit that added a column.
    void RestoreSchedule(const Schedule& schedule);
    // Such an edit as one step.
    void PushSchedule(const QString& what, const Schedule& after);
    // Rows that rowsFor gives for the schedule (adding columns to it), at the end, one step
    // named what with %1 the number of rows.
    bool AddRows(const std::function<QList<QStringList>(Schedule*)>& rowsFor, const QString& what);

    void Rate();
    void RateRows(int first, int count);
    void FindExtraColumns();
    QString CellText(int row, int column) const;
    QStringList ChoicesOf(int row, int column) const;
    // The codes a system (named as a row names it) offers for a profile column.
    QStringList CodesOffered(const QString& systemName, int column) const;
    // The cells of new rows of the schedule, with refs given to those without.
    QList<QStringList> WithRefs(QList<QStringList> rows, const Schedule& schedule) const;

    Schedule schedule_;
    ProductTables tables_;
    std::unique_ptr<WindowRater> rater_;
    QList<ScheduleRowRating> ratings_;
    QList<int> extraColumns_;  // the schedule columns shown after the rating's
    QUndoStack undo_;
};

// "Commercial" and "Domestic", as a schedule's building cells name them.
QStringList BuildingTypeNames();

// The name a schedule row gives a system the catalogue offers: the selector's name (the header's
// first field, as people write it), or the whole header line when that name fits another system
// too.
QString ScheduleSystemName(const ProductTables& tables, const QString& header);
