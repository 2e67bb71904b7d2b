#include "schedule/schedule.h"

#include <QSet>

#include "platform/bounded_read.h"
#include "schedule/csv_text.h"

namespace {

const char* const kFieldNames[kScheduleFieldCount] = {
    "ref", "system", "outer", "vent", "transom", "building", "company", "project", "date"};
constexpr int kNewScheduleColumns = 6;  // ref to building
constexpr ScheduleField kReportFields[] = {ScheduleField::Company, ScheduleField::Project,
                                           ScheduleField::Date};

int FieldIndex(ScheduleField field) {
    return static_cast<int>(field);
}

QString* ReportTextOf(ScheduleReport& report, ScheduleField field) {
    switch (field) {
        case ScheduleField::Company:
            return &report.company;
        case ScheduleField::Project:
            return &report.project;
        default:
            return &report.date;
    }
}

// Company lines as a cell holds them, and back.
QString CellOfReportText(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QLatin1Char('|'));
}
QString ReportTextOfCell(const QString& text) {
    return QString(text).replace(QLatin1Char('|'), QLatin1Char('\n'));
}

// A quote that is never closed swallows every row after it into one cell: say where it opened,
// rather than rate a guess.
bool UnclosedQuote(const CsvReader& reader, ScheduleReading* reading) {
    if (reader.UnclosedQuoteLine() == 0) {
        return false;
    }
    reading->error = QStringLiteral(
                         "line %1: a quote opened on this line is never closed, so "
                         "every row after it would become one cell")
                         .arg(reader.UnclosedQuoteLine());
    return true;
}

// A cell or a row past the bounds of a schedule: say where, rather than fill the memory.
bool PastBounds(const CsvReader& reader, ScheduleReading* reading) {
    switch (reader.Overflowed()) {
        case CsvReader::Overflow::None:
            return false;
        case CsvReader::Overflow::LongField:
            reading->error = QStringLiteral(
                                 "line %1: a cell holds more than the %2 characters a schedule's "
                                 "cell may hold")
                                 .arg(reader.OverflowLine())
                                 .arg(kLongestScheduleCell);
            break;
        case CsvReader::Overflow::WideRecord:
            reading->error = QStringLiteral(
                                 "line %1: a row of more than the %2 cells a schedule's row may "
                                 "hold")
                                 .arg(reader.OverflowLine())
                                 .arg(kWidestScheduleRow);
            break;
    }
    return true;
}

}  // namespace

QString ScheduleFieldName(ScheduleField field) {
    return QLatin1String(kFieldNames[FieldIndex(field)]);
}

std::optional<ScheduleField> ScheduleFieldOfName(const QString& name) {
    QString key;
    for (const QChar c : name) {
        if (!c.isSpace() && c != QLatin1Char('/') && c != QLatin1Char('_') &&
            c != QLatin1Char('-')) {
            key += c.toLower();
        }
    }
    for (int k = 0; k < kScheduleFieldCount; ++k) {
        if (key == QLatin1String(kFieldNames[k])) {
            return static_cast<ScheduleField>(k);
        }
    }
    if (key == QLatin1String("outerframe")) {
        return ScheduleField::Outer;
    }
    if (key == QLatin1String("ventframe")) {
        return ScheduleField::Vent;
    }
    if (key == QLatin1String("transommullion")) {
        return ScheduleField::Transom;
    }
    return std::nullopt;
}

Schedule::Schedule() {
    for (int k = 0; k < kScheduleFieldCount; ++k) {
        fieldColumns_[k] = -1;
    }
    for (int k = 0; k < kNewScheduleColumns; ++k) {
        AddColumn(static_cast<ScheduleField>(k));
    }
}

std::optional<ScheduleField> Schedule::FieldOfColumn(int column) const {
    for (int k = 0; k < kScheduleFieldCount; ++k) {
        if (fieldColumns_[k] == column && column >= 0) {
            return static_cast<ScheduleField>(k);
        }
    }
    return std::nullopt;
}

int Schedule::AddColumn(ScheduleField field) {
    int& column = fieldColumns_[FieldIndex(field)];
    if (column < 0) {
        column = ColumnCount();
        columns_ << ScheduleFieldName(field);
        for (Row& row : rows_) {
            row.cells << QString();
        }
    }
    return column;
}

int Schedule::AddOtherColumn(const QString& name) {
    columns_ << name;
    for (Row& row : rows_) {
        row.cells << QString();
    }
    return ColumnCount() - 1;
}

QList<int> Schedule::OtherColumns() const {
    QList<int> others;
    for (int column = 0; column < ColumnCount(); ++column) {
        const std::optional<ScheduleField> field = FieldOfColumn(column);
        if (!field || FieldIndex(*field) > FieldIndex(ScheduleField::Building)) {
            others << column;
        }
    }
    return others;
}

void Schedule::SetCell(int row, int column, const QString& text) {
    rows_[row].cells[column] = text;
}

QString Schedule::Value(int row, ScheduleField field) const {
    const int column = ColumnOf(field);
    return column < 0 ? QString() : rows_[row].cells[column];
}

void Schedule::SetValue(int row, ScheduleField field, const QString& text) {
    SetCell(row, AddColumn(field), text);
}

QString Schedule::ReportText(int row, ScheduleField field) const {
    const QString own = Value(row, field);
    if (!own.isEmpty()) {
        return ReportTextOfCell(own);
    }
    ScheduleReport copy = report;
    return *ReportTextOf(copy, field);
}

QString Schedule::CommonReportText(ScheduleField field) const {
    ScheduleReport copy = report;
    const QString own = *ReportTextOf(copy, field);
    if (!own.isEmpty()) {
        return own;
    }
    QStringList texts;
    for (int row = 0; row < RowCount(); ++row) {
        const QString text = ReportTextOfCell(Value(row, field));
        if (!text.isEmpty() && !texts.contains(text)) {
            texts << text;
        }
    }
    return texts.join(QStringLiteral("; "));
}

void Schedule::InsertRow(int at, const QStringList& cells, int line) {
    Row row{cells.mid(0, ColumnCount()), line};
    while (row.cells.size() < ColumnCount()) {
        row.cells << QString();
    }
    rows_.insert(at, row);
}

void Schedule::RemoveRow(int at) {
    rows_.removeAt(at);
}

void Schedule::MoveRow(int from, int to) {
    rows_.move(from, to);
}

QString Schedule::NextFreeRef() const {
    return NextFreeRefs(1).constFirst();
}

QStringList Schedule::NextFreeRefs(int count, const QStringList& taken) const {
    // Refs compare with letter case ignored; one set of them, so that many refs cost one pass.
    QSet<QString> used;
    for (int row = 0; row < RowCount(); ++row) {
        used.insert(Value(row, ScheduleField::Ref).toCaseFolded());
    }
    for (const QString& ref : taken) {
        used.insert(ref.toCaseFolded());
    }
    QStringList refs;
    for (int n = 1; refs.size() < count; ++n) {
        const QString ref = QStringLiteral("W%1").arg(n, 2, 10, QLatin1Char('0'));
        if (!used.contains(ref.toCaseFolded())) {
            refs << ref;
        }
    }
    return refs;
}

ScheduleReading ReadScheduleText(const QString& first, std::function<QString()> more) {
    ScheduleReading reading;
    reading.separator = SeparatorOfHeader(first);
    const CsvBounds bounds{kLongestScheduleCell, kWidestScheduleRow};
    bool firstGiven = false;
    CsvReader reader(
        [&first, &firstGiven, &more]() -> QString {
            if (!firstGiven) {
                firstGiven = true;
                return first;
            }
            return more ? more() : QString();
        },
        reading.separator, bounds);
    CsvRecord header;
    const QString columnList =
        QStringList({QStringLiteral("ref"), QStringLiteral("system"), QStringLiteral("outer"),
                     QStringLiteral("vent"), QStringLiteral("transom"), QStringLiteral("building")})
            .join(QLatin1Char(','));
    if (!reader.Next(&header)) {
        if (!PastBounds(reader, &reading)) {
            reading.error =
                QStringLiteral("the schedule is empty: its first row names the columns ") +
                columnList;
        }
        return reading;
    }
    if (UnclosedQuote(reader, &reading)) {
        return reading;
    }
    Schedule schedule;
    schedule.columns_.clear();
    for (int k = 0; k < kScheduleFieldCount; ++k) {
        schedule.fieldColumns_[k] = -1;
    }
    for (const QString& name : header.fields) {
        const std::optional<ScheduleField> field = ScheduleFieldOfName(name);
        if (field) {
            int& column = schedule.fieldColumns_[FieldIndex(*field)];
            if (column >= 0) {
                reading.error = QStringLiteral("line %1: the column \"%2\" is named twice")
                                    .arg(header.line)
                                    .arg(name);
                return reading;
            }
            column = schedule.ColumnCount();
        }
        schedule.columns_ << name;
    }
    for (const ScheduleField needed : {ScheduleField::Ref, ScheduleField::System}) {
        if (schedule.ColumnOf(needed) < 0) {
            reading.error = QStringLiteral("line %1: the header names no \"%2\" column")
                                .arg(header.line)
                                .arg(ScheduleFieldName(needed));
            return reading;
        }
    }
    for (CsvRecord record; reader.Next(&record);) {
        if (schedule.RowCount() == kMostScheduleRows) {
            reading.error = QStringLiteral("line %1: the schedule has more than %2 rows")
                                .arg(record.line)
                                .arg(kMostScheduleRows);
            return reading;
        }
        while (schedule.ColumnCount() < record.fields.size()) {
            schedule.columns_ << QString();
            for (auto& row : schedule.rows_) {
                row.cells << QString();
            }
        }
        schedule.InsertRow(schedule.RowCount(), record.fields, record.line);
    }
    if (PastBounds(reader, &reading) || UnclosedQuote(reader, &reading)) {
        return reading;
    }
    // A report text that every row shares becomes the schedule's.
    for (const ScheduleField field : kReportFields) {
        const int column = schedule.ColumnOf(field);
        if (column < 0 || schedule.RowCount() == 0) {
            continue;
        }
        const QString first = schedule.Cell(0, column);
        bool shared = true;
        for (int row = 1; row < schedule.RowCount() && shared; ++row) {
            shared = schedule.Cell(row, column) == first;
        }
        if (shared) {
            *ReportTextOf(schedule.report, field) = ReportTextOfCell(first);
            for (int row = 0; row < schedule.RowCount(); ++row) {
                schedule.SetCell(row, column, QString());
            }
        }
    }
    reading.schedule = std::move(schedule);
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
    return ReadScheduleText(pieces.Next(), [&pieces] { return pieces.Next(); });
}

ScheduleFileReading ReadScheduleFile(const QString& path) {
    ScheduleFileReading result;
    BoundedReading file = ReadFileUpTo(path, kLargestScheduleBytes);
    if (file.tooLarge) {
        result.reading.error =
            QStringLiteral("the schedule is larger than ") + kLargestScheduleText;
    } else if (!file.read) {
        result.unreadable = true;
        result.reason = file.reason;
    } else {
        result.reading = ReadScheduleBytes(std::move(file.pieces));
    }
    return result;
}

QString ScheduleCsv(const Schedule& schedule, QChar separator) {
    Schedule written = schedule;
    for (const ScheduleField field : kReportFields) {
        const QString text = CellOfReportText(*ReportTextOf(written.report, field));
        if (text.isEmpty()) {
            continue;
        }
        const int column = written.AddColumn(field);
        for (int row = 0; row < written.RowCount(); ++row) {
            if (written.Cell(row, column).isEmpty()) {
                written.SetCell(row, column, text);
            }
        }
    }
    QString csv = CsvLine(written.Columns(), separator);
    for (int row = 0; row < written.RowCount(); ++row) {
        csv += CsvLine(written.RowCells(row), separator);
    }
    return csv;
}

QByteArray ScheduleFileBytes(const Schedule& schedule, QChar separator) {
    return ScheduleCsv(schedule, separator).toUtf8();
}
