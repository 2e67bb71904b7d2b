// Rows pasted from a spreadsheet into a schedule: matched to its columns by their header, or in
// the order the window shows the columns; a column the schedule lacks is added, never dropped.
#include <QSet>

#include "schedule/csv_text.h"
#include "schedule/schedule.h"

namespace {

constexpr int kShownFieldCount = static_cast<int>(ScheduleField::Building) + 1;

// Where a pasted column goes: a column of the schedule, or one to add (a field's, or another
// under a name) when a pasted row fills it.
struct Destination {
    int column = -1;
    std::optional<ScheduleField> field;
    QString name;
    bool named = false;  // a header named it: added even when every pasted cell is empty
};

bool NamesAFieldOfTheSchedule(const QStringList& fields) {
    for (const QString& name : fields) {
        if (ScheduleFieldOfName(name)) {
            return true;
        }
    }
    return false;
}

// The destinations of a pasted header's columns: a field's column, else the unclaimed column
// of the same name (letter case ignored), else a new one. A field named twice gets an unnamed
// column the second time, so that the file saved still reads.
QList<Destination> ByHeader(const QStringList& names, const Schedule& schedule) {
    QList<Destination> destinations;
    QSet<int> claimed;
    QSet<int> fieldsClaimed;
    const QList<int> others = schedule.OtherColumns();
    for (const QString& pasted : names) {
        const QString name = pasted.trimmed();
        Destination to;
        to.named = !name.isEmpty();
        const std::optional<ScheduleField> field = ScheduleFieldOfName(name);
        if (field && !fieldsClaimed.contains(static_cast<int>(*field))) {
            fieldsClaimed.insert(static_cast<int>(*field));
            to.column = schedule.ColumnOf(*field);
            to.field = field;
        } else if (!field) {
            for (const int column : others) {
                if (!claimed.contains(column) && !schedule.FieldOfColumn(column) &&
                    schedule.Columns()[column].trimmed().compare(name, Qt::CaseInsensitive) == 0) {
                    to.column = column;
                    break;
                }
            }
            to.name = name;
        }
        claimed.insert(to.column);
        destinations << to;
    }
    return destinations;
}

// Without a header: ref to building, then the other columns as shown, then new unnamed ones.
QList<Destination> InShownOrder(qsizetype width, const Schedule& schedule) {
    QList<Destination> destinations;
    for (int k = 0; k < kShownFieldCount; ++k) {
        Destination to;
        to.field = static_cast<ScheduleField>(k);
        to.column = schedule.ColumnOf(*to.field);
        destinations << to;
    }
    for (const int column : schedule.OtherColumns()) {
        Destination to;
        to.column = column;
        destinations << to;
    }
    while (destinations.size() < width) {
        destinations << Destination();
    }
    return destinations;
}

// The rows of records (a header first when it names one of the schedule's own columns) as
// cells of the schedule's columns, adding those it lacks.
QList<QStringList> RowsOfRecords(QList<CsvRecord> records, Schedule* schedule) {
    if (records.isEmpty()) {
        return {};
    }
    QList<Destination> destinations;
    if (NamesAFieldOfTheSchedule(records.constFirst().fields)) {
        destinations = ByHeader(records.takeFirst().fields, *schedule);
    } else {
        qsizetype width = 0;
        for (const CsvRecord& record : records) {
            width = std::max(width, record.fields.size());
        }
        destinations = InShownOrder(width, *schedule);
    }
    // Columns to add, in the pasted order, where a header names them or a row fills them.
    for (qsizetype k = 0; k < destinations.size(); ++k) {
        Destination& to = destinations[k];
        bool filled = to.named;
        for (qsizetype r = 0; r < records.size() && !filled; ++r) {
            filled = !records[r].fields.value(k).isEmpty();
        }
        if (to.column < 0 && filled) {
            to.column =
                to.field ? schedule->AddColumn(*to.field) : schedule->AddOtherColumn(to.name);
        }
    }
    QList<QStringList> rows;
    for (const CsvRecord& record : records) {
        QStringList cells(schedule->ColumnCount());
        for (qsizetype k = 0; k < record.fields.size(); ++k) {
            if (destinations[k].column >= 0) {
                cells[destinations[k].column] = record.fields[k];
            }
        }
        rows << cells;
    }
    return rows;
}

}  // namespace

QList<QStringList> PastedRows(const QString& text, Schedule* schedule) {
    return RowsOfRecords(CsvRecords(text, SeparatorOfHeader(text)), schedule);
}

QList<QStringList> ImportedRows(const Schedule& from, Schedule* into) {
    QList<CsvRecord> records;
    records << CsvRecord{0, from.Columns()};
    for (int row = 0; row < from.RowCount(); ++row) {
        records << CsvRecord{from.RowLine(row), from.RowCells(row)};
    }
    // The other file's own company, project or date, where it is not this schedule's, goes
    // into its rows' empty cells.
    for (const ScheduleField field :
         {ScheduleField::Company, ScheduleField::Project, ScheduleField::Date}) {
        const QString text = from.report.Text(field);
        if (text.isEmpty() || text == into->report.Text(field)) {
            continue;
        }
        qsizetype column = from.ColumnOf(field);
        if (column < 0) {
            column = records[0].fields.size();
            records[0].fields << ScheduleFieldName(field);
        }
        for (qsizetype k = 1; k < records.size(); ++k) {
            QStringList& cells = records[k].fields;
            while (cells.size() <= column) {
                cells << QString();
            }
            if (cells[column].isEmpty()) {
                cells[column] = text;
            }
        }
    }
    return RowsOfRecords(records, into);
}
