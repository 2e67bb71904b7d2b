#include "schedule/schedule_model.h"

#include <QBrush>
#include <QUndoCommand>

#include "data/rating_colours.h"
#include "data/system_catalogue.h"
#include "data/system_names.h"

namespace {

// The field each of the first columns edits.
constexpr ScheduleField kColumnFields[] = {ScheduleField::Ref,     ScheduleField::System,
                                           ScheduleField::Outer,   ScheduleField::Vent,
                                           ScheduleField::Transom, ScheduleField::Building};
constexpr int kFieldColumnCount = 6;
const char* const kHeadings[ScheduleModel::kFixedColumnCount] = {
    "Ref",      "System", "Outer Frame",    "Vent Frame", "Transom Mullion",
    "Building", "Weight", "Summary Rating", "Element",    "kg CO2e",
    "Note"};
const QString kCommercial = QStringLiteral("Commercial");
const QString kDomestic = QStringLiteral("Domestic");

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

bool IsFieldColumn(int column) {
    return column >= 0 && column < kFieldColumnCount;
}

}  // namespace

QString ScheduleSystemName(const ProductTables& tables, const QString& header) {
    const QString name = header.section(QLatin1Char(','), 0, 0).trimmed();
    const SystemMatch match = FindSystem(tables.systemHeaders, tables.systemNames, name);
    return !name.isEmpty() && match.header == header ? name : header;
}

ScheduleModel::ScheduleModel(QObject* parent) : QAbstractTableModel(parent) {
    rater_ = std::make_unique<WindowRater>(tables_);
}

ScheduleModel::~ScheduleModel() {
    // The stack's last signals, as it clears itself, would reach a window being taken down.
    undo_.blockSignals(true);
}

void ScheduleModel::SetSchedule(const Schedule& schedule) {
    undo_.clear();
    beginResetModel();
    schedule_ = schedule;
    FindExtraColumns();
    ratings_ = RateSchedule(tables_, schedule_);
    endResetModel();
    emit ReportChanged();
}

void ScheduleModel::SetTables(const ProductTables& tables) {
    tables_ = tables;
    // The rater holds the tables by reference: made again over the new ones.
    rater_ = std::make_unique<WindowRater>(tables_);
    Rate();
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

void ScheduleModel::Rate() {
    ratings_.clear();
    RateRows(0, schedule_.RowCount());
}

void ScheduleModel::RateRows(int first, int count) {
    for (int row = first; row < first + count; ++row) {
        const ScheduleRowRating rating = RateScheduleRow(*rater_, schedule_, row);
        if (row < ratings_.size()) {
            ratings_[row] = rating;
        } else {
            ratings_.insert(row, rating);
        }
    }
}

void ScheduleModel::FindExtraColumns() {
    extraColumns_.clear();
    for (int column = 0; column < schedule_.ColumnCount(); ++column) {
        const std::optional<ScheduleField> field = schedule_.FieldOfColumn(column);
        if (!field || static_cast<int>(*field) >= kFieldColumnCount) {
            extraColumns_ << column;
        }
    }
}

int ScheduleModel::ScheduleColumnOf(int column) const {
    if (IsFieldColumn(column)) {
        return schedule_.ColumnOf(kColumnFields[column]);
    }
    return column >= kFixedColumnCount ? extraColumns_.value(column - kFixedColumnCount, -1) : -1;
}

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : schedule_.RowCount();
}

int ScheduleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFixedColumnCount + static_cast<int>(extraColumns_.size());
}

QString ScheduleModel::CellText(int row, int column) const {
    const ScheduleRowRating& rating = ratings_[row];
    switch (column) {
        case WeightColumn:
            return rating.weightText;
        case RatingColumn:
            return rating.summaryRating;
        case ElementColumn:
            return rating.elementNumber;
        case Co2Column:
            return rating.co2;
        case NoteColumn:
            return rating.note;
        default: {
            const int cell = ScheduleColumnOf(column);
            return cell < 0 ? QString() : schedule_.Cell(row, cell);
        }
    }
}

QStringList ScheduleModel::ChoicesOf(int row, int column) const {
    if (column == SystemColumn) {
        QStringList names;
        for (const QString& header : tables_.systemHeaders) {
            names << ScheduleSystemName(tables_, header);
        }
        return names;
    }
    if (column == BuildingColumn) {
        return {kCommercial, kDomestic};
    }
    if (column < OuterColumn || column > TransomColumn) {
        return {};
    }
    const SystemMatch system = FindSystem(tables_.systemHeaders, tables_.systemNames,
                                          schedule_.Value(row, ScheduleField::System));
    if (system.header.isEmpty()) {
        return {};
    }
    const SystemCodes codes = SystemCodesOf(tables_.catalogueLines, system.header);
    return column == OuterColumn  ? codes.outerFrames
           : column == VentColumn ? codes.ventFrames
                                  : codes.transomMullions;
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return CellText(row, column);
        case ChoicesRole:
            return ChoicesOf(row, column);
        case Qt::BackgroundRole:
            if (column == RatingColumn) {
                if (const auto colour = RatingColourOf(ratings_[row].summaryRating)) {
                    return QBrush(*colour);
                }
            }
            return {};
        case Qt::TextAlignmentRole:
            return column >= WeightColumn && column <= Co2Column
                       ? QVariant(Qt::AlignCenter)
                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::ToolTipRole:
            if (column == RatingColumn) {
                const QString tip = ratingTip_ ? ratingTip_(ratings_[row]) : QString();
                return tip.isEmpty() ? ratings_[row].note : tip;
            }
            return column == NoteColumn ? ratings_[row].note : QString();
        default:
            return {};
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    if (section < kFixedColumnCount) {
        return QLatin1String(kHeadings[section]);
    }
    return schedule_.Columns().value(ScheduleColumnOf(section));
}

Qt::ItemFlags ScheduleModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const int column = index.column();
    if (IsFieldColumn(column) || column >= kFixedColumnCount) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool ScheduleModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int column = index.column();
    if (role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const int row = index.row();
    const QString text = value.toString();
    const QString old = CellText(row, column);
    if (text == old) {
        return false;
    }
    const bool hasColumn = ScheduleColumnOf(column) >= 0;
    const Schedule before = schedule_;
    const QString what = QStringLiteral("Edit %1 of %2")
                             .arg(headerData(column, Qt::Horizontal).toString(),
                                  schedule_.Value(row, ScheduleField::Ref));
    undo_.push(new ScheduleEdit(
        what, [this, row, column, text] { ApplyCell(row, column, text); },
        [this, row, column, old, hasColumn, before] {
            if (hasColumn) {
                ApplyCell(row, column, old);
            } else {
                RestoreSchedule(before);  // without the column the edit added
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
                                              window.commercial ? kCommercial : kDomestic};
    Schedule after = schedule_;
    const int at = after.RowCount();
    after.InsertRow(at);
    for (int k = 0; k < kFieldColumnCount; ++k) {
        after.SetValue(at, kColumnFields[k], texts[k]);
    }
    const QString what = QStringLiteral("Add %1").arg(texts[0]);
    if (after.ColumnCount() == schedule_.ColumnCount()) {
        InsertRows(at, {after.RowCells(at)}, what);
        return;
    }
    // A schedule read from a file without some of the window's columns gets them with the row.
    const Schedule before = schedule_;
    undo_.push(new ScheduleEdit(
        what, [this, after] { RestoreSchedule(after); },
        [this, before] { RestoreSchedule(before); }));
}

QList<QStringList> ScheduleModel::WithRefs(QList<QStringList> rows) const {
    const int refColumn = schedule_.ColumnOf(ScheduleField::Ref);
    Schedule numbered = schedule_;
    for (QStringList& cells : rows) {
        while (cells.size() < schedule_.ColumnCount()) {
            cells << QString();
        }
        if (refColumn >= 0 && cells[refColumn].trimmed().isEmpty()) {
            cells[refColumn] = numbered.NextFreeRef();
        }
        numbered.InsertRow(numbered.RowCount(), cells);
    }
    return rows;
}

void ScheduleModel::InsertRows(int at, QList<QStringList> rows, const QString& what) {
    if (rows.isEmpty()) {
        return;
    }
    rows = WithRefs(rows);
    const int count = static_cast<int>(rows.size());
    undo_.push(new ScheduleEdit(
        what, [this, at, rows] { ApplyInsert(at, rows, QList<int>(rows.size(), 0)); },
        [this, at, count] { ApplyRemove(at, count); }));
}

bool ScheduleModel::PasteRows(const QString& text) {
    const QList<QStringList> rows = PastedRows(text, schedule_);
    if (rows.isEmpty()) {
        return false;
    }
    InsertRows(schedule_.RowCount(), rows, QStringLiteral("Paste %1 row(s)").arg(rows.size()));
    return true;
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
    if (IsFieldColumn(column)) {
        schedule_.SetValue(row, kColumnFields[column], text);
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

void ScheduleModel::RestoreSchedule(const Schedule& schedule) {
    const bool sameRows = schedule.RowCount() == schedule_.RowCount();
    if (!sameRows) {
        beginResetModel();
    }
    schedule_ = schedule;
    FindExtraColumns();
    Rate();
    if (sameRows) {
        if (rowCount() > 0) {
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        }
    } else {
        endResetModel();
    }
}
