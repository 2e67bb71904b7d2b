#include "schedule/schedule_model.h"

#include <QBrush>

#include "data/rating_colours.h"
#include "data/system_catalogue.h"
#include "data/system_names.h"

namespace {

// The field each of the first columns edits.
const char* const kHeadings[ScheduleModel::kFixedColumnCount] = {
    "Ref",      "System", "Outer Frame",    "Vent Frame", "Transom Mullion",
    "Building", "Weight", "Summary Rating", "Element",    "kg CO2e",
    "Note"};

// The rating cell in words: the letter, or why the row has none, as the summary page says it.
QString SpokenRating(const ScheduleRowRating& rating) {
    return rating.Rated() ? rating.summaryRating : QStringLiteral("Not rated: ") + rating.note;
}

}  // namespace

QStringList BuildingTypeNames() {
    return {QStringLiteral("Commercial"), QStringLiteral("Domestic")};
}

std::optional<ScheduleField> ScheduleModel::FieldOfViewColumn(int column) {
    if (column < RefColumn || column > BuildingColumn) {
        return std::nullopt;
    }
    constexpr ScheduleField fields[] = {ScheduleField::Ref,     ScheduleField::System,
                                        ScheduleField::Outer,   ScheduleField::Vent,
                                        ScheduleField::Transom, ScheduleField::Building};
    return fields[column];
}

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
    extraColumns_ = schedule_.OtherColumns();
}

int ScheduleModel::ScheduleColumnOf(int column) const {
    if (const std::optional<ScheduleField> field = FieldOfViewColumn(column)) {
        return schedule_.ColumnOf(*field);
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
        return BuildingTypeNames();
    }
    return CodesOffered(schedule_.Value(row, ScheduleField::System), column);
}

QStringList ScheduleModel::CodesOffered(const QString& systemName, int column) const {
    if (column < OuterColumn || column > TransomColumn) {
        return {};
    }
    const SystemMatch system = FindSystem(tables_.systemHeaders, tables_.systemNames, systemName);
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
        case Qt::AccessibleTextRole:
            // A screen reader reads the rating with the row's note, or why there is none.
            return column == RatingColumn ? SpokenRating(ratings_[row]) : QVariant();
        case Qt::AccessibleDescriptionRole:
        case Qt::ToolTipRole:
            // A rated row's headroom to the next ratings, as the main window's grid tells it,
            // and where to find a better window.
            if (column == RatingColumn) {
                const ScheduleRowRating& rating = ratings_[row];
                return rating.Rated() && rating.window
                           ? HeadroomTextOf(*rating.window) +
                                 QStringLiteral(
                                     "\nBetter Choices for This Row... in the Edit "
                                     "menu or the row's context menu")
                           : rating.note;
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
    const int column = ScheduleColumnOf(section);
    // A row's own company, project or date is headed as the schedule's fields above the table
    // are labelled, whatever the file calls it ("company", "PROJECT").
    switch (schedule_.FieldOfColumn(column).value_or(ScheduleField::Ref)) {
        case ScheduleField::Company:
            return QStringLiteral("Company");
        case ScheduleField::Project:
            return QStringLiteral("Project");
        case ScheduleField::Date:
            return QStringLiteral("Date");
        default:
            return schedule_.Columns().value(column);
    }
}

Qt::ItemFlags ScheduleModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const int column = index.column();
    if (FieldOfViewColumn(column) || column >= kFixedColumnCount) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
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
