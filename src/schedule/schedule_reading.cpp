// Reading a schedule from its records, whatever file they come from: the header found below a
// title block, the schedule's own company, project and date, and the file's format kept.
#include <algorithm>

#include "platform/bounded_read.h"
#include "schedule/schedule.h"
#include "schedule/workbook.h"

namespace {

constexpr ScheduleField kReportFields[] = {ScheduleField::Company, ScheduleField::Project,
                                           ScheduleField::Date};

bool NamesRefAndSystem(const QStringList& names) {
    bool ref = false;
    bool system = false;
    for (const QString& name : names) {
        const std::optional<ScheduleField> field = ScheduleFieldOfName(name);
        ref = ref || field == ScheduleField::Ref;
        system = system || field == ScheduleField::System;
    }
    return ref && system;
}

// The separator of a schedule's text: the one that reads a header soonest among the first
// records (a title block may stand above it, with other separators in its texts), the one that
// splits it into more fields on a tie; SeparatorOfHeader when none reads one.
QChar SeparatorOfSchedule(const QString& text) {
    constexpr int kRecordsSearched = 50;
    QChar best = SeparatorOfHeader(text);
    int bestLine = 0;
    qsizetype bestWidth = 0;
    for (const QChar separator : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        CsvReader reader(text, separator);
        CsvRecord record;
        for (int k = 0; k < kRecordsSearched && reader.Next(&record); ++k) {
            if (NamesRefAndSystem(record.fields)) {
                if (bestLine == 0 || record.line < bestLine ||
                    (record.line == bestLine && record.fields.size() > bestWidth)) {
                    best = separator;
                    bestLine = record.line;
                    bestWidth = record.fields.size();
                }
                break;
            }
        }
    }
    return best;
}

// What keeps a record from being a schedule's header, empty when nothing does.
QString HeaderProblem(const CsvRecord& header) {
    bool named[kScheduleFieldCount] = {};
    for (const QString& name : header.fields) {
        if (const std::optional<ScheduleField> field = ScheduleFieldOfName(name)) {
            if (named[static_cast<int>(*field)]) {
                return QStringLiteral("line %1: the column \"%2\" is named twice")
                    .arg(header.line)
                    .arg(name);
            }
            named[static_cast<int>(*field)] = true;
        }
    }
    for (const ScheduleField needed : {ScheduleField::Ref, ScheduleField::System}) {
        if (!named[static_cast<int>(needed)]) {
            return QStringLiteral("line %1: the header names no \"%2\" column")
                .arg(header.line)
                .arg(ScheduleFieldName(needed));
        }
    }
    return {};
}

// The lines a record takes: one, and one more for each line break inside its fields.
int LinesOf(const CsvRecord& record) {
    int lines = 1;
    for (const QString& field : record.fields) {
        lines += static_cast<int>(field.count(QLatin1Char('\n')));
    }
    return lines;
}

// The records above the header, with an empty row for each empty line between them, so that
// the title block is written back as it stood.
QList<QStringList> TitleRowsOf(const QList<CsvRecord>& above, int headerLine) {
    QList<QStringList> rows;
    int line = 1;
    const auto skipTo = [&](int next) {
        for (; line < next; ++line) {
            rows << QStringList();
        }
    };
    for (const CsvRecord& record : above) {
        skipTo(record.line);
        rows << record.fields;
        line = record.line + LinesOf(record);
    }
    skipTo(headerLine);
    return rows;
}

// A record past the bounds of a schedule's row and cells, whatever read it.
QString RecordPastBounds(const CsvRecord& record) {
    if (record.fields.size() > kWidestScheduleRow) {
        return PastBoundsText(ScheduleBound::WideRow, record.line);
    }
    for (const QString& field : record.fields) {
        if (field.size() > kLongestScheduleCell) {
            return PastBoundsText(ScheduleBound::LongCell, record.line);
        }
    }
    return {};
}

}  // namespace

QString PastBoundsText(ScheduleBound bound, int line) {
    switch (bound) {
        case ScheduleBound::LongCell:
            return QStringLiteral(
                       "line %1: a cell holds more than the %2 characters a schedule's cell may "
                       "hold")
                .arg(line)
                .arg(kLongestScheduleCell);
        case ScheduleBound::WideRow:
            return QStringLiteral(
                       "line %1: a row of more than the %2 cells a schedule's row may hold")
                .arg(line)
                .arg(kWidestScheduleRow);
        case ScheduleBound::ManyRows:
            break;
    }
    return QStringLiteral("line %1: the schedule has more than %2 rows")
        .arg(line)
        .arg(kMostScheduleRows);
}

// Builds the schedule with its private parts, as Schedule's friend.
class ScheduleBuilder {
public:
    static ScheduleReading Read(const NextRecord& next, const std::function<QString()>& endError);

private:
    static void TakeReport(Schedule* schedule);
};

ScheduleReading ScheduleBuilder::Read(const NextRecord& next,
                                      const std::function<QString()>& endError) {
    ScheduleReading reading;
    QList<CsvRecord> above;
    CsvRecord header;
    bool found = false;
    QString bound;
    while (!found && above.size() < kMostScheduleRows && next(&header)) {
        bound = RecordPastBounds(header);
        found = bound.isEmpty() && NamesRefAndSystem(header.fields);
        if (!found) {
            above << header;
        }
    }
    if (!bound.isEmpty()) {
        reading.error = bound;
        return reading;
    }
    if (!found || !HeaderProblem(header).isEmpty()) {
        reading.error = endError();
        // A line of nothing but spaces and separators is not what the file meant for a header.
        const auto written = std::find_if(above.cbegin(), above.cend(), [](const CsvRecord& r) {
            return std::any_of(r.fields.cbegin(), r.fields.cend(),
                               [](const QString& field) { return !field.isEmpty(); });
        });
        if (reading.error.isEmpty()) {
            reading.error = found                     ? HeaderProblem(header)
                            : written == above.cend() ? QStringLiteral(
                                                            "the schedule is empty: its first row "
                                                            "names the columns ref,system,outer,"
                                                            "vent,transom,building")
                                                      : HeaderProblem(*written);
        }
        return reading;
    }
    Schedule schedule;
    schedule.columns_.clear();
    for (int k = 0; k < kScheduleFieldCount; ++k) {
        schedule.fieldColumns_[k] = -1;
    }
    for (const QString& name : header.fields) {
        if (const std::optional<ScheduleField> field = ScheduleFieldOfName(name)) {
            schedule.fieldColumns_[static_cast<int>(*field)] = schedule.ColumnCount();
        }
        schedule.columns_ << name;
    }
    schedule.titleRows = TitleRowsOf(above, header.line);
    for (CsvRecord record; next(&record);) {
        bound = schedule.RowCount() == kMostScheduleRows
                    ? PastBoundsText(ScheduleBound::ManyRows, record.line)
                    : RecordPastBounds(record);
        if (!bound.isEmpty()) {
            reading.error = bound;
            return reading;
        }
        while (schedule.ColumnCount() < record.fields.size()) {
            schedule.AddOtherColumn(QString());
        }
        schedule.InsertRow(schedule.RowCount(), record.fields, record.line);
    }
    reading.error = endError();
    if (!reading.error.isEmpty()) {
        return reading;
    }
    TakeReport(&schedule);
    reading.schedule = std::move(schedule);
    return reading;
}

// The schedule's own company, project and date: from the title rows, else a text that every
// row shares in its column, which then leaves the cells.
void ScheduleBuilder::TakeReport(Schedule* schedule) {
    bool titled[kScheduleFieldCount] = {};
    for (const QStringList& row : schedule->titleRows) {
        const std::optional<ScheduleField> field = ReportFieldOfTitleRow(row);
        if (field && !titled[static_cast<int>(*field)]) {
            titled[static_cast<int>(*field)] = true;
            schedule->report.Text(*field) = row.value(1);
        }
    }
    for (int k = 0; k < 3; ++k) {
        const ScheduleField field = kReportFields[k];
        const int column = schedule->ColumnOf(field);
        if (titled[static_cast<int>(field)] || column < 0 || schedule->RowCount() == 0) {
            continue;
        }
        const QString first = schedule->Cell(0, column);
        bool shared = !first.isEmpty();
        for (int row = 1; row < schedule->RowCount() && shared; ++row) {
            shared = schedule->Cell(row, column) == first;
        }
        if (shared) {
            schedule->report.Text(field) = first;
            schedule->reportInColumn_[k] = true;
            for (int row = 0; row < schedule->RowCount(); ++row) {
                schedule->SetCell(row, column, QString());
            }
        }
    }
}

ScheduleReading ReadScheduleRecords(const NextRecord& next,
                                    const std::function<QString()>& endError) {
    return ScheduleBuilder::Read(next, endError);
}

// The schedule in a text read a piece at a time, the first piece given (it holds the header
// unless a title block is longer than a piece).
ScheduleReading ReadScheduleText(const QString& first, std::function<QString()> more) {
    const QChar separator = SeparatorOfSchedule(first);
    bool firstGiven = false;
    CsvReader reader(
        [&first, &firstGiven, &more]() -> QString {
            if (!firstGiven) {
                firstGiven = true;
                return first;
            }
            return more ? more() : QString();
        },
        separator, CsvBounds{kLongestScheduleCell, kWidestScheduleRow});
    // A cell or a row past the bounds stops the reader: say where, rather than fill the memory.
    // A quote that is never closed swallows every row after it into one cell: say where it
    // opened, rather than rate a guess.
    const auto endError = [&reader]() -> QString {
        switch (reader.Overflowed()) {
            case CsvReader::Overflow::LongField:
                return PastBoundsText(ScheduleBound::LongCell, reader.OverflowLine());
            case CsvReader::Overflow::WideRecord:
                return PastBoundsText(ScheduleBound::WideRow, reader.OverflowLine());
            case CsvReader::Overflow::None:
                break;
        }
        return reader.UnclosedQuoteLine() == 0
                   ? QString()
                   : QStringLiteral(
                         "line %1: a quote opened on this line is never closed, so every row "
                         "after it would become one cell")
                         .arg(reader.UnclosedQuoteLine());
    };
    ScheduleReading reading =
        ReadScheduleRecords([&reader](CsvRecord* record) { return reader.Next(record); }, endError);
    if (reading.schedule) {
        reading.schedule->format.separator = separator;
        reading.schedule->format.lineBreak = LineBreakOf(first);
    }
    return reading;
}

ScheduleReading ReadSchedule(const QString& text) {
    return ReadScheduleText(text, {});
}

ScheduleReading ReadScheduleBytes(const QByteArray& bytes) {
    return ReadScheduleBytes(QList<QByteArray>{bytes});
}

ScheduleReading ReadScheduleBytes(QList<QByteArray> bytes) {
    ScheduleTextPieces pieces(std::move(bytes));
    if (!pieces.Refusal().isEmpty()) {
        ScheduleReading reading;
        reading.error = pieces.Refusal();
        return reading;
    }
    ScheduleReading reading = ReadScheduleText(pieces.Next(), [&pieces] { return pieces.Next(); });
    if (reading.schedule) {
        reading.schedule->format.encoding = pieces.Encoding();
    }
    return reading;
}

ScheduleFileReading ReadScheduleFile(const QString& path, const WorkbookReading& workbook) {
    ScheduleFileReading result;
    BoundedReading file = ReadFileUpTo(path, kLargestScheduleBytes);
    if (file.tooLarge) {
        result.reading.error =
            QStringLiteral("the schedule is larger than ") + kLargestScheduleText;
    } else if (!file.read) {
        result.unreadable = true;
        result.reason = file.reason;
    } else if (IsWorkbook(file.pieces.value(0))) {
        result.reading = ReadWorkbookSchedule(file.pieces.join(), workbook);
    } else if (!workbook.sheet.isEmpty()) {
        result.reading.error =
            QStringLiteral("the schedule is no workbook (.xlsx), so it has no sheet \"%1\"")
                .arg(workbook.sheet);
    } else {
        result.reading = ReadScheduleBytes(std::move(file.pieces));
    }
    return result;
}

ScheduleFileReading ReadScheduleFile(const QString& path) {
    return ReadScheduleFile(path, WorkbookReading());
}
