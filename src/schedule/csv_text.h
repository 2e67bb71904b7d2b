// CSV as spreadsheets write it: the text of a schedule file, its records and fields, and the
// lines written back. Fields are separated by ",", ";" or a tab (one of them per file, found
// from its header line), in double quotes when they hold the separator, a quote (doubled) or a
// line break.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <functional>

// One record of CSV text and the line it starts on (from 1).
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

// The most a reader takes in one field and one record (a negative number: no bound), so that a
// wrong file cannot fill the memory with one giant cell or a row of countless empty ones.
struct CsvBounds {
    qsizetype longestField = -1;
    qsizetype widestRecord = -1;
};

// Reads CSV text one record at a time: spaces and tabs around an unquoted field and after a
// closing quote are dropped (any other space is text); empty lines are skipped; "\r\n", "\r" and
// "\n" all end a line.
class CsvReader {
public:
    // The next piece of a text that is decoded as it is read; empty at its end.
    using MoreText = std::function<QString()>;

    explicit CsvReader(const QString& text, QChar separator = QLatin1Char(','))
        : text_(text), separator_(separator) {}
    // The text in pieces, the pieces read only dropped as the reading goes on, within bounds.
    CsvReader(MoreText more, QChar separator, CsvBounds bounds)
        : more_(std::move(more)), separator_(separator), bounds_(bounds) {}
    // The next record; false at the end of the text, or where a record passes the bounds.
    bool Next(CsvRecord* record);
    // The line a quote opened on that the text never closes (its field then runs to the end of
    // the text), 0 when every quote is closed; known once Next has returned false.
    int UnclosedQuoteLine() const { return unclosedQuoteLine_; }
    // Which bound the reading stopped at, and the line of the record that passed it.
    enum class Overflow { None, LongField, WideRecord };
    Overflow Overflowed() const { return overflow_; }
    int OverflowLine() const { return overflowLine_; }

private:
    // The text from pos_ on holds at least count characters, more pieces read where needed.
    bool Holds(qsizetype count);

    QString text_;
    MoreText more_;
    QChar separator_;
    CsvBounds bounds_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int unclosedQuoteLine_ = 0;
    Overflow overflow_ = Overflow::None;
    int overflowLine_ = 0;
};

// All records of CSV text.
QList<CsvRecord> CsvRecords(const QString& text, QChar separator = QLatin1Char(','));

// The separator of a file, from its first line that is not empty: whichever of tab, ";" and ","
// stands there most often outside quotes; "," when none does, or on a tie with ",".
QChar SeparatorOfHeader(const QString& text);

// How a file's bytes are text: UTF-8 (with or without a byte order mark), UTF-16 (after its
// byte order mark, as spreadsheets save "Unicode Text"), or Windows-1252 when the bytes are no
// UTF-8, as spreadsheets on that system save them. A UTF-8 byte order mark followed by bytes
// that are no UTF-8 is refused rather than guessed. UTF-8 without a mark that holds ASCII alone
// is told apart, as saving may keep it ASCII.
enum class ScheduleEncoding {
    Ascii,
    Utf8,
    Utf8WithBom,
    Utf16LittleEndian,
    Utf16BigEndian,
    Windows1252
};

// A file's bytes decoded a piece at a time, so that the text of a large file is never held
// whole beside its bytes: each piece of bytes is let go once decoded.
class ScheduleTextPieces {
public:
    explicit ScheduleTextPieces(QList<QByteArray> bytes);
    explicit ScheduleTextPieces(const QByteArray& bytes);
    // Why the bytes are no text a schedule is read from, empty when they are.
    const QString& Refusal() const { return refusal_; }
    ScheduleEncoding Encoding() const { return encoding_; }
    // The next piece of text; empty at the end.
    QString Next();

private:
    QList<QByteArray> bytes_;
    qsizetype next_ = 0;  // the piece decoded next
    ScheduleEncoding encoding_ = ScheduleEncoding::Utf8;
    QString refusal_;
    QStringDecoder decoder_;
};

// A file's bytes as text, whole (the pieces above joined); empty when they are refused.
QString ScheduleText(const QByteArray& bytes);

// Text as a file's bytes in that encoding, a byte order mark first where it had one. ASCII and
// Windows-1252 stay so where every character fits; otherwise the text is written as UTF-8 with
// a byte order mark, which spreadsheets read as such (without the mark they would take it for
// their code page).
QByteArray ScheduleTextBytes(const QString& text, ScheduleEncoding encoding);

// The line break a text uses, from its first: "\r\n", "\n" or "\r"; "\r\n" when it has none.
QString LineBreakOf(const QString& text);

// One record as a CSV line ending in lineBreak: a field is quoted when it holds any of the three
// separators (so that SeparatorOfHeader finds this line's own one again), a quote, a line
// break, or spaces or tabs at either end (which the reader would drop).
QString CsvLine(const QStringList& fields, QChar separator = QLatin1Char(','),
                const QString& lineBreak = QStringLiteral("\r\n"));
