#include "schedule/csv_text.h"

#include <QStringDecoder>

#include "data/data_files.h"

bool CsvReader::Next(CsvRecord* record) {
    const QString& text = text_;
    *record = CsvRecord();
    QString field;
    bool quoted = false;    // the field began with a quote
    bool inQuotes = false;  // inside its quotes now
    bool blank = true;      // the record so far is an empty line
    int quoteLine = 0;      // the line the open quote began on
    record->line = line_;
    const auto endField = [&] {
        blank = blank && !quoted && field.trimmed().isEmpty() && record->fields.isEmpty();
        record->fields << (quoted ? field : field.trimmed());
        field.clear();
        quoted = false;
    };
    for (; pos_ < text.size(); ++pos_) {
        const QChar c = text[pos_];
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (pos_ + 1 < text.size() && text[pos_ + 1] == QLatin1Char('"')) {
                    field += c;
                    ++pos_;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == QLatin1Char('\n')) {
                    ++line_;
                }
                field += c;
            }
        } else if (c == QLatin1Char('"') && !quoted && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
            inQuotes = true;
            quoteLine = line_;
        } else if (c == separator_) {
            endField();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && pos_ + 1 < text.size() &&
                text[pos_ + 1] == QLatin1Char('\n')) {
                ++pos_;
            }
            ++line_;
            endField();
            if (!blank) {
                ++pos_;
                return true;
            }
            *record = CsvRecord();
            record->line = line_;
            blank = true;
        } else if (!quoted || !c.isSpace()) {
            // Spaces after a closing quote are dropped; anything else is kept as written.
            field += c;
        }
    }
    if (inQuotes) {
        unclosedQuoteLine_ = quoteLine;
    }
    // The last record, when the text does not end with a line break.
    if (!field.isEmpty() || quoted || !record->fields.isEmpty()) {
        endField();
        return !blank;
    }
    return false;
}

QList<CsvRecord> CsvRecords(const QString& text, QChar separator) {
    QList<CsvRecord> records;
    CsvReader reader(text, separator);
    for (CsvRecord record; reader.Next(&record);) {
        records << record;
    }
    return records;
}

QChar SeparatorOfHeader(const QString& text) {
    const QChar candidates[] = {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')};
    int counts[3] = {0, 0, 0};
    bool inQuotes = false;
    bool started = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
        } else if (!inQuotes && (c == QLatin1Char('\n') || c == QLatin1Char('\r'))) {
            if (started) {
                break;
            }
        } else if (!inQuotes) {
            for (int k = 0; k < 3; ++k) {
                counts[k] += c == candidates[k] ? 1 : 0;
            }
        }
        started = started || !c.isSpace();
    }
    int best = 0;
    for (int k = 1; k < 3; ++k) {
        if (counts[k] > counts[best]) {
            best = k;
        }
    }
    return candidates[best];
}

QString ScheduleText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        return DecodeWindows1252(bytes);
    }
    return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
}

QString CsvLine(const QStringList& fields, QChar separator) {
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString& text = fields[i];
        if (i > 0) {
            line += separator;
        }
        bool plain = text.trimmed() == text;
        for (const QChar c : text) {
            plain = plain && c != QLatin1Char(',') && c != QLatin1Char(';') &&
                    c != QLatin1Char('\t') && c != QLatin1Char('"') && c != QLatin1Char('\n') &&
                    c != QLatin1Char('\r') && c != separator;
        }
        if (plain) {
            line += text;
        } else {
            line += QLatin1Char('"') +
                    QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                    QLatin1Char('"');
        }
    }
    return line + QStringLiteral("\r\n");
}
