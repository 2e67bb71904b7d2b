// CSV as spreadsheets write it: the text of a schedule file, its records and fields, and the
// lines written back. Fields are separated by ",", ";" or a tab (one of them per file, found
// from its header line), in double quotes when they hold the separator, a quote (doubled) or a
// line break.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// One record of CSV text and the line it starts on (from 1).
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

// Reads CSV text one record at a time: spaces around an unquoted field and after a closing
// quote are dropped; empty lines are skipped; "\r\n", "\r" and "\n" all end a line.
class CsvReader {
public:
    explicit CsvReader(const QString& text, QChar separator = QLatin1Char(','))
        : text_(text), separator_(separator) {}
    // The next record; false at the end of the text.
    bool Next(CsvRecord* record);
    // The line a quote opened on that the text never closes (its field then runs to the end of
    // the text), 0 when every quote is closed; known once Next has returned false.
    int UnclosedQuoteLine() const { return unclosedQuoteLine_; }

private:
    const QString& text_;
    QChar separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int unclosedQuoteLine_ = 0;
};

// All records of CSV text.
QList<CsvRecord> CsvRecords(const QString& text, QChar separator = QLatin1Char(','));

// The separator of a file, from its first line that is not empty: whichever of tab, ";" and ","
// stands there most often outside quotes; "," when none does, or on a tie with ",".
QChar SeparatorOfHeader(const QString& text);

// A file's bytes as text: UTF-8 (a leading byte order mark dropped), or Windows-1252 when the
// bytes are no UTF-8, as spreadsheets on that system save them.
QString ScheduleText(const QByteArray& bytes);

// One record as a CSV line ending in "\r\n": a field is quoted when it holds any of the three
// separators (so that SeparatorOfHeader finds this line's own one again), a quote, a line
// break, or spaces at either end (which the reader would drop).
QString CsvLine(const QStringList& fields, QChar separator = QLatin1Char(','));
