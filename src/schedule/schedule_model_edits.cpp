// The schedule model's edits: each one a command on the undo stack, whose redo and undo make
// the change and tell the views.
#include <QUndoCommand>

#include "data/system_names.h"

#include "schedule/schedule_model.h"

namespace {

constexpr int kFieldColumnCount = ScheduleModel::BuildingColumn + 1;

ScheduleField FieldOf(int column) {
    return *ScheduleModel::FieldOfViewColumn(column);
}

// One edit of the schedule: what it does and what undoes it. Successive edits of one report
// field merge into one step, as typing in a line of text does.
class ScheduleEdit : public QUndoCommand {
public:
    ScheduleEdit(const QString& text, std::function<void()> redo, std::function<void()> undo,
                 int mergeId = -1)
        : QUndoCommand(text), redo_(std::move(redo)), undo_(std::move(undo)), id_(mergeId) {}
    void redo() override { redo_(); }
    void undo() override { undo_(); }
    int id() const override { return id_; }
    bool mergeWith(const QUndoCommand* other) override {
        redo_ = static_cast<const ScheduleEdit*>(other)->redo_;
        return true;
    }

private:
    std::function<void()> redo_;
    std::function<void()> undo_;
    int id_;
};

constexpr int kReportEditId = 1000;

}  // namespace

bool ScheduleModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int column = index.column();
    if (role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const int row = index.row();
    const QString text = value.toString();
    if (text == CellText(row, column)) {
        return false;
    }
    // Another system takes its first codes where the row's codes are none of its own, as the
    // main window's selectors do; all in the one step.
    QList<std::pair<int, QString>> changes = {{column, text}};
    if (column == SystemColumn) {
        for (int profile = OuterColumn; profile <= TransomColumn; ++profile) {
            const QString code = CellText(row, profile);
            const QStringList offered = CodesOffered(text, profile);
            if (!code.isEmpty() && !offered.isEmpty() && FindProfileCode(offered, code).isEmpty()) {
                changes.append({profile, offered.first()});
            }
        }
    }
    QList<std::pair<int, QString>> olds;
    bool addsColumn = false;
    for (const auto& [changed, newText] : changes) {
        olds.prepend({changed, CellText(row, changed)});
        addsColumn = addsColumn || ScheduleColumnOf(changed) < 0;
    }
    const Schedule before = addsColumn ? schedule_ : Schedule();
    const QString what = QStringLiteral("Edit %1 of %2")
                             .arg(headerData(column, Qt::Horizontal).toString(),
                                  schedule_.Value(row, ScheduleField::Ref));
    undo_.push(new ScheduleEdit(
        what,
        [this, row, changes] {
            for (const auto& [changed, newText] : changes) {
                ApplyCell(row, changed, newText);
            }
        },
        [this, row, olds, addsColumn, before] {
            if (addsColumn) {
                RestoreSchedule(before);  // without the column the edit added
                return;
            }
            for (const auto& [changed, oldText] : olds) {
                ApplyCell(row, changed, oldText);
            }
        }));
    return true;
}

void ScheduleModel::AddWindow(const WindowRequest& window) {
    const QString texts[kFieldColumnCount] = {schedule_.NextFreeRef(),
                                              ScheduleSystemName(tables_, window.system),
                                              window.outerFrame.value_or(QString()),
                                              window.ventFrame.value_or(QString()),
                                              window.transomMullion.value_or(QString()),
                                              BuildingTypeNames().value(window.commercial ? 0 : 1)};
    Schedule after = schedule_;
    const int at = after.RowCount();
    after.InsertRow(at);
    for (int k = 0; k < kFieldColumnCount; ++k) {
        after.SetValue(at, FieldOf(k), texts[k]);
    }
    const QString what = QStringLiteral("Add %1").arg(texts[0]);
    if (after.ColumnCount() == schedule_.ColumnCount()) {
        InsertRows(at, {after.RowCells(at)}, what);
        return;
    }
    // A schedule read from a file without some of the window's columns gets them with the row.
    PushSchedule(what, after);
}

void ScheduleModel::PushSchedule(const QString& what, const Schedule& after) {
    const Schedule before = schedule_;
    undo_.push(new ScheduleEdit(
        what, [this, after] { RestoreSchedule(after); },
        [this, before] { RestoreSchedule(before); }));
}

QList<QStringList> ScheduleModel::WithRefs(QList<QStringList> rows,
                                           const Schedule& schedule) const {
    const int refColumn = schedule.ColumnOf(ScheduleField::Ref);
    QStringList own;
    int missing = 0;
    for (QStringList& cells : rows) {
        while (cells.size() < schedule.ColumnCount()) {
            cells << QString();
        }
        if (refColumn >= 0 && !cells[refColumn].trimmed().isEmpty()) {
            own << cells[refColumn];
        } else {
            ++missing;
        }
    }
    // Free of the schedule's refs and of the new rows' own.
    const QStringList refs = schedule.NextFreeRefs(missing, own);
    int next = 0;
    for (QStringList& cells : rows) {
        if (refColumn >= 0 && cells[refColumn].trimmed().isEmpty()) {
            cells[refColumn] = refs[next++];
        }
    }
    return rows;
}

void ScheduleModel::InsertRows(int at, QList<QStringList> rows, const QString& what) {
    if (rows.isEmpty()) {
        return;
    }
    rows = WithRefs(rows, schedule_);
    const int count = static_cast<int>(rows.size());
    undo_.push(new ScheduleEdit(
        what, [this, at, rows] { ApplyInsert(at, rows, QList<int>(rows.size(), 0)); },
        [this, at, count] { ApplyRemove(at, count); }));
}

bool ScheduleModel::PasteRows(const QString& text) {
    return AddRows([&text](Schedule* s) { return PastedRows(text, s); },
                   QStringLiteral("Paste %1 row(s)"));
}

bool ScheduleModel::ImportRows(const Schedule& from) {
    return AddRows([&from](Schedule* s) { return ImportedRows(from, s); },
                   QStringLiteral("Import %1 row(s)"));
}

bool ScheduleModel::AddRows(const std::function<QList<QStringList>(Schedule*)>& rowsFor,
                            const QString& what) {
    Schedule after = schedule_;
    const QList<QStringList> rows = rowsFor(&after);
    if (rows.isEmpty()) {
        return false;
    }
    if (after.ColumnCount() == schedule_.ColumnCount()) {
        InsertRows(schedule_.RowCount(), rows, what.arg(rows.size()));
        return true;
    }
    // Columns the paste brings come with its rows, in the same step.
    for (const QStringList& cells : WithRefs(rows, after)) {
        after.InsertRow(after.RowCount(), cells);
    }
    PushSchedule(what.arg(rows.size()), after);
    return true;
}

void ScheduleModel::SetFileFormat(const ScheduleFileFormat& format) {
    schedule_.format = format;
}

void ScheduleModel::DuplicateRow(int row) {
    QStringList cells = schedule_.RowCells(row);
    const int refColumn = schedule_.ColumnOf(ScheduleField::Ref);
    if (refColumn >= 0) {
        cells[refColumn].clear();  // a ref of its own
    }
    InsertRows(row + 1, {cells},
               QStringLiteral("Duplicate %1").arg(schedule_.Value(row, ScheduleField::Ref)));
}

void ScheduleModel::RemoveRows(int first, int count) {
    if (count <= 0 || first < 0 || first + count > schedule_.RowCount()) {
        return;
    }
    QList<QStringList> cells;
    QList<int> lines;
    for (int row = first; row < first + count; ++row) {
        cells << schedule_.RowCells(row);
        lines << schedule_.RowLine(row);
    }
    undo_.push(new ScheduleEdit(
        QStringLiteral("Remove %1 row(s)").arg(count),
        [this, first, count] { ApplyRemove(first, count); },
        [this, first, cells, lines] { ApplyInsert(first, cells, lines); }));
}

void ScheduleModel::MoveRow(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= rowCount() || to >= rowCount()) {
        return;
    }
    undo_.push(new ScheduleEdit(
        QStringLiteral("Move %1").arg(schedule_.Value(from, ScheduleField::Ref)),
        [this, from, to] { ApplyMove(from, to); }, [this, from, to] { ApplyMove(to, from); }));
}

void ScheduleModel::SetReportText(ScheduleField field, const QString& text) {
    ScheduleReport before = schedule_.report;
    const QString old = field == ScheduleField::Company   ? before.company
                        : field == ScheduleField::Project ? before.project
                                                          : before.date;
    if (old == text) {
        return;
    }
    undo_.push(new ScheduleEdit(
        QStringLiteral("Edit %1").arg(ScheduleFieldName(field)),
        [this, field, text] { ApplyReport(field, text); },
        [this, field, old] { ApplyReport(field, old); }, kReportEditId + static_cast<int>(field)));
}

void ScheduleModel::ApplyCell(int row, int column, const QString& text) {
    if (FieldOfViewColumn(column)) {
        schedule_.SetValue(row, FieldOf(column), text);
    } else {
        schedule_.SetCell(row, ScheduleColumnOf(column), text);
    }
    RateRows(row, 1);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void ScheduleModel::ApplyInsert(int at, const QList<QStringList>& rows, const QList<int>& lines) {
    const int count = static_cast<int>(rows.size());
    beginInsertRows({}, at, at + count - 1);
    for (int k = 0; k < count; ++k) {
        schedule_.InsertRow(at + k, rows[k], lines.value(k));
        ratings_.insert(at + k, ScheduleRowRating());
    }
    RateRows(at, count);
    endInsertRows();
}

void ScheduleModel::ApplyRemove(int first, int count) {
    beginRemoveRows({}, first, first + count - 1);
    for (int k = 0; k < count; ++k) {
        schedule_.RemoveRow(first);
        ratings_.removeAt(first);
    }
    endRemoveRows();
}

void ScheduleModel::ApplyMove(int from, int to) {
    // Qt counts the destination before the move: one further down when moving down.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    schedule_.MoveRow(from, to);
    ratings_.move(from, to);
    endMoveRows();
}

void ScheduleModel::ApplyReport(ScheduleField field, const QString& text) {
    QString& target = field == ScheduleField::Company   ? schedule_.report.company
                      : field == ScheduleField::Project ? schedule_.report.project
                                                        : schedule_.report.date;
    target = text;
    emit ReportChanged();
}
