#include "schedule/schedule.h"

#include <QSet>

namespace {

const char* const kFieldNames[kScheduleFieldCount] = {
    "ref", "system", "outer", "vent", "transom", "building", "company", "project", "date"};
constexpr int kNewScheduleColumns = 6;  // ref to building

int FieldIndex(ScheduleField field) {
    return static_cast<int>(field);
}

}  // namespace

QString& ScheduleReport::Text(ScheduleField field) {
    return field == ScheduleField::Company   ? company
           : field == ScheduleField::Project ? project
                                             : date;
}

const QString& ScheduleReport::Text(ScheduleField field) const {
    return const_cast<ScheduleReport*>(this)->Text(field);
}

QString ReportLinesOfCell(ScheduleField field, const QString& cell) {
    QString lines = cell;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar lineBreak : {QChar(u'\r'), QChar(0x2028), QChar(0x2029)}) {
        lines.replace(lineBreak, QLatin1Char('\n'));
    }
    if (field == ScheduleField::Company) {
        lines.replace(QLatin1Char('|'), QLatin1Char('\n'));
    }
    return lines;
}

QString CellOfCompanyLines(const QString& lines) {
    return QString(lines).replace(QLatin1Char('\n'), QLatin1Char('|'));
}

std::optional<ScheduleField> ReportFieldOfTitleRow(const QStringList& row) {
    QString name = row.value(0).trimmed();
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    const std::optional<ScheduleField> field = ScheduleFieldOfName(name);
    return field && FieldIndex(*field) >= FieldIndex(ScheduleField::Company) ? field : std::nullopt;
}

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
        return ReportLinesOfCell(field, own);
    }
    return ReportLinesOfCell(field, report.Text(field));
}

bool Schedule::ReportInColumn(ScheduleField field) const {
    const int k = FieldIndex(field) - FieldIndex(ScheduleField::Company);
    return k >= 0 && reportInColumn_[k];
}

QString Schedule::CommonReportText(ScheduleField field) const {
    const QString own = ReportLinesOfCell(field, report.Text(field));
    if (!own.isEmpty()) {
        return own;
    }
    // A few of the rows' texts name the schedule; thousands of distinct projects joined would
    // make a text that grows with the rows and fills pages of its own.
    constexpr qsizetype kNamedTexts = 3;
    QStringList texts;
    QSet<QString> seen;
    for (int row = 0; row < RowCount(); ++row) {
        const QString text = ReportLinesOfCell(field, Value(row, field));
        if (!text.isEmpty() && !seen.contains(text)) {
            seen.insert(text);
            if (texts.size() < kNamedTexts) {
                texts << text;
            }
        }
    }
    QString common = texts.join(QStringLiteral("; "));
    if (seen.size() > texts.size()) {
        common += QStringLiteral(" and %1 more").arg(seen.size() - texts.size());
    }
    return common;
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
