// Certificates in bulk: a window schedule (CSV, one window type per row) in, one PDF per row and
// a summary out. A row that cannot be rated or written is reported with its line number and
// does not stop the others.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct CommandIo;

// The columns a schedule may name in its header row; ref and system must be there.
inline const QStringList kScheduleColumns = {
    QStringLiteral("ref"),     QStringLiteral("system"),  QStringLiteral("outer"),
    QStringLiteral("vent"),    QStringLiteral("transom"), QStringLiteral("building"),
    QStringLiteral("company"), QStringLiteral("project"), QStringLiteral("date")};

// One record of CSV text and the line it starts on (from 1).
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

// Reads CSV text one record at a time: fields separated by ",", in double quotes when they hold
// a comma, a quote (doubled) or a line break; spaces around a field are dropped; empty lines are
// skipped.
class CsvReader {
public:
    explicit CsvReader(const QString& text) : text_(text) {}
    // The next record; false at the end of the text.
    bool Next(CsvRecord* record);

private:
    const QString& text_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// All records of CSV text.
QList<CsvRecord> CsvRecords(const QString& text);

// A row of a schedule: its line and its values by column name (absent when the cell is empty).
struct ScheduleRow {
    int line = 0;
    QHash<QString, QString> values;
};

// Reads a schedule's rows one at a time, after its header row. Column names are read without
// regard to letter case.
class ScheduleReader {
public:
    explicit ScheduleReader(const QString& text) : reader_(text) {}
    // Reads the header row; false with the reason when it is no header.
    bool ReadHeader(QString* error);
    // The next row; false at the end.
    bool Next(ScheduleRow* row);

private:
    CsvReader reader_;
    QStringList columns_;
};

// A file's bytes as text: UTF-8 (a leading byte order mark dropped), or Windows-1252 when the
// bytes are no UTF-8, as spreadsheets on that system save them.
QString ScheduleText(const QByteArray& bytes);

// Writes <ref>.pdf for every row of the schedule and summary.csv into outputFolder, which is
// made when missing. Returns 0 when every row succeeded, 2 otherwise.
int RunBatch(const QString& schedulePath, const QString& outputFolder, CommandIo& io);
