// Writing a schedule as its file came: the title block with the schedule's own company, project
// and date, the header and the rows, in the file's separator, line breaks and encoding.
#include "schedule/schedule.h"

namespace {

constexpr ScheduleField kReportFields[] = {ScheduleField::Company, ScheduleField::Project,
                                           ScheduleField::Date};

// The report text goes into its column where the file had it there in every row; a schedule
// without rows keeps it in a title row instead, so that it is not lost.
bool WrittenInColumn(const Schedule& schedule, ScheduleField field) {
    return schedule.ReportInColumn(field) && schedule.ColumnOf(field) >= 0 &&
           schedule.RowCount() > 0;
}

QString TitleOf(ScheduleField field) {
    const QString name = ScheduleFieldName(field);
    return name.left(1).toUpper() + name.mid(1);
}

QList<QStringList> TitleRowsWritten(const Schedule& schedule) {
    QList<QStringList> rows = schedule.titleRows;
    int rowOf[kScheduleFieldCount];
    std::fill(std::begin(rowOf), std::end(rowOf), -1);
    int after = 0;  // the place for a new one: after the last row that gives one
    for (int k = 0; k < rows.size(); ++k) {
        if (const std::optional<ScheduleField> field = ReportFieldOfTitleRow(rows[k])) {
            if (rowOf[static_cast<int>(*field)] < 0) {
                rowOf[static_cast<int>(*field)] = k;
            }
            after = k + 1;
        }
    }
    const bool untitled = rows.isEmpty();
    for (const ScheduleField field : kReportFields) {
        if (WrittenInColumn(schedule, field)) {
            continue;
        }
        const QString& text = schedule.report.Text(field);
        const int row = rowOf[static_cast<int>(field)];
        if (row >= 0) {
            while (rows[row].size() < 2) {
                rows[row] << QString();
            }
            rows[row][1] = text;
        } else if (!text.isEmpty()) {
            rows.insert(after++, {TitleOf(field), text});
        }
    }
    // A title block of the program's own stands apart from the header, as a spreadsheet's would.
    if (untitled && !rows.isEmpty()) {
        rows << QStringList();
    }
    return rows;
}

}  // namespace

QList<QStringList> ScheduleFileRows(const Schedule& schedule) {
    QList<QStringList> rows = TitleRowsWritten(schedule);
    rows << schedule.Columns();
    const qsizetype first = rows.size();
    for (int row = 0; row < schedule.RowCount(); ++row) {
        rows << schedule.RowCells(row);
    }
    for (const ScheduleField field : kReportFields) {
        if (!WrittenInColumn(schedule, field)) {
            continue;
        }
        const int column = schedule.ColumnOf(field);
        const QString& text = schedule.report.Text(field);
        for (qsizetype row = first; row < rows.size(); ++row) {
            if (rows[row][column].isEmpty()) {
                rows[row][column] = text;
            }
        }
    }
    return rows;
}

QString ScheduleCsv(const Schedule& schedule) {
    QString csv;
    for (const QStringList& row : ScheduleFileRows(schedule)) {
        csv += CsvLine(row, schedule.format.separator, schedule.format.lineBreak);
    }
    return csv;
}

QByteArray ScheduleFileBytes(const Schedule& schedule) {
    return ScheduleTextBytes(ScheduleCsv(schedule), schedule.format.encoding);
}
