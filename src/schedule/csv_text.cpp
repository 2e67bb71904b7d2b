#include "schedule/csv_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <utility>

#include "data/data_files.h"

namespace {

// The spaces CSV writers put around a field: spaces and tabs. A no-break space, a line separator
// or any other space is text, kept as it was written.
bool IsPadding(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString WithoutPadding(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsPadding(text[begin])) {
        ++begin;
    }
    while (end > begin && IsPadding(text[end - 1])) {
        --end;
    }
    return begin == 0 && end == text.size() ? text : text.mid(begin, end - begin);
}

}  // namespace

bool CsvReader::Holds(qsizetype count) {
    while (text_.size() - pos_ < count && more_) {
        const QString piece = more_();
        if (piece.isEmpty()) {
            more_ = nullptr;
            break;
        }
        text_ += piece;
    }
    return text_.size() - pos_ >= count;
}

bool CsvReader::Next(CsvRecord* record) {
    *record = CsvRecord();
    if (overflow_ != Overflow::None) {
        return false;
    }
    // The text read before this record is no longer needed: let go of it once it is half of
    // the text in hand, so that the copying adds up to no more than the text's length.
    if (more_ && pos_ > 0 && pos_ >= text_.size() / 2) {
        text_.remove(0, pos_);
        pos_ = 0;
    }
    QString field;
    bool quoted = false;    // the field began with a quote
    bool inQuotes = false;  // inside its quotes now
    bool blank = true;      // the record so far is an empty line
    int quoteLine = 0;      // the line the open quote began on
    record->line = line_;
    const auto overflow = [&](Overflow kind) {
        overflow_ = kind;
        overflowLine_ = record->line;
        *record = CsvRecord();
        return false;
    };
    const auto endField = [&] {
        const QString text = quoted ? field : WithoutPadding(field);
        blank = blank && !quoted && text.isEmpty() && record->fields.isEmpty();
        record->fields << text;
        field.clear();
        quoted = false;
        return bounds_.widestRecord < 0 || record->fields.size() <= bounds_.widestRecord;
    };
    for (; Holds(1); ++pos_) {
        if (bounds_.longestField >= 0 && field.size() > bounds_.longestField) {
            return overflow(Overflow::LongField);
        }
        const QChar c = text_[pos_];
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (Holds(2) && text_[pos_ + 1] == QLatin1Char('"')) {
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
        } else if (c == QLatin1Char('"') && !quoted && WithoutPadding(field).isEmpty()) {
            field.clear();
            quoted = true;
            inQuotes = true;
            quoteLine = line_;
        } else if (c == separator_) {
            if (!endField()) {
                return overflow(Overflow::WideRecord);
            }
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && Holds(2) && text_[pos_ + 1] == QLatin1Char('\n')) {
                ++pos_;
            }
            ++line_;
            if (!endField()) {
                return overflow(Overflow::WideRecord);
            }
            if (!blank) {
                ++pos_;
                return true;
            }
            *record = CsvRecord();
            record->line = line_;
            blank = true;
        } else if (!quoted || !IsPadding(c)) {
            // Spaces after a closing quote are dropped; anything else is kept as written.
            field += c;
        }
    }
    if (bounds_.longestField >= 0 && field.size() > bounds_.longestField) {
        return overflow(Overflow::LongField);
    }
    if (inQuotes) {
        unclosedQuoteLine_ = quoteLine;
    }
    // The last record, when the text does not end with a line break.
    if (!field.isEmpty() || quoted || !record->fields.isEmpty()) {
        if (!endField()) {
            return overflow(Overflow::WideRecord);
        }
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

namespace {

// Whether the pieces of bytes are UTF-8, decoded one by one and the text dropped. A line break
// after the last one ends a character it may have left unfinished, as a decoder that keeps a
// state would not call that wrong.
bool IsUtf8(const QList<QByteArray>& pieces) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    for (const QByteArray& piece : pieces) {
        (void)QString(utf8.decode(piece));
    }
    (void)QString(utf8.decode(QByteArrayView("\n")));
    return !utf8.hasError();
}

bool IsAscii(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (c & 0x80) == 0; });
}

// The first line (from 1) of the bytes that is no UTF-8.
int FirstLineThatIsNoUtf8(const QByteArray& bytes) {
    int line = 1;
    for (qsizetype start = 0; start < bytes.size(); ++line) {
        qsizetype stop = bytes.indexOf('\n', start);
        stop = stop < 0 ? bytes.size() : stop + 1;
        if (!IsUtf8({bytes.sliced(start, stop - start)})) {
            return line;
        }
        start = stop;
    }
    return line;
}

}  // namespace

ScheduleTextPieces::ScheduleTextPieces(QList<QByteArray> bytes) : bytes_(std::move(bytes)) {
    while (bytes_.size() > 1 && bytes_.first().size() < 4) {
        bytes_[0] += bytes_.takeAt(1);
    }
    const QByteArray head = bytes_.value(0).left(3);
    const auto skip = [this](qsizetype count) { bytes_[0] = bytes_[0].mid(count); };
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF")) {
        const bool little = head.startsWith("\xFF\xFE");
        encoding_ = little ? ScheduleEncoding::Utf16LittleEndian : ScheduleEncoding::Utf16BigEndian;
        decoder_ = QStringDecoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        skip(2);
        return;
    }
    const QString resave =
        QStringLiteral("; save it again from the spreadsheet as \"CSV UTF-8\" (or \"CSV\")");
    for (const QByteArray& piece : bytes_) {
        if (piece.contains('\0')) {
            refusal_ = QStringLiteral(
                           "the file holds zero bytes, so it is no text a spreadsheet writes as "
                           "CSV (UTF-16 without a byte order mark?)") +
                       resave;
            return;
        }
    }
    const bool bom = head == "\xEF\xBB\xBF";
    if (bom) {
        skip(3);
    }
    const bool utf8 = IsUtf8(bytes_);
    if (!utf8 && bom) {
        refusal_ = QStringLiteral(
                       "the file begins with the byte order mark of UTF-8, but line %1 is no "
                       "UTF-8 (Windows-1252?)")
                       .arg(FirstLineThatIsNoUtf8(bytes_.join())) +
                   resave;
        return;
    }
    encoding_ = !utf8 ? ScheduleEncoding::Windows1252
                : bom ? ScheduleEncoding::Utf8WithBom
                : std::all_of(bytes_.cbegin(), bytes_.cend(), IsAscii) ? ScheduleEncoding::Ascii
                                                                       : ScheduleEncoding::Utf8;
    if (utf8) {
        decoder_ = QStringDecoder(QStringDecoder::Utf8);
    }
}

ScheduleTextPieces::ScheduleTextPieces(const QByteArray& bytes)
    : ScheduleTextPieces(QList<QByteArray>{bytes}) {}

QString ScheduleTextPieces::Next() {
    QString text;
    // A piece that ends inside a character gives nothing until the next one completes it.
    while (text.isEmpty() && refusal_.isEmpty() && next_ < bytes_.size()) {
        QByteArray piece = std::exchange(bytes_[next_++], QByteArray());
        text = encoding_ == ScheduleEncoding::Windows1252 ? DecodeWindows1252(piece)
                                                          : QString(decoder_.decode(piece));
    }
    return text;
}

QString ScheduleText(const QByteArray& bytes) {
    ScheduleTextPieces pieces(bytes);
    QString text;
    for (QString piece = pieces.Next(); !piece.isEmpty(); piece = pieces.Next()) {
        text += piece;
    }
    return text;
}

QByteArray ScheduleTextBytes(const QString& text, ScheduleEncoding encoding) {
    switch (encoding) {
        case ScheduleEncoding::Ascii:
        case ScheduleEncoding::Windows1252: {
            const QByteArray bytes = EncodeWindows1252(text);
            const bool fits = DecodeWindows1252(bytes) == text &&
                              (encoding == ScheduleEncoding::Windows1252 || IsAscii(bytes));
            if (fits) {
                return bytes;
            }
            break;
        }
        case ScheduleEncoding::Utf8:
            return text.toUtf8();
        case ScheduleEncoding::Utf16LittleEndian:
        case ScheduleEncoding::Utf16BigEndian: {
            QStringEncoder utf16(encoding == ScheduleEncoding::Utf16LittleEndian
                                     ? QStringEncoder::Utf16LE
                                     : QStringEncoder::Utf16BE,
                                 QStringEncoder::Flag::WriteBom);
            return utf16.encode(text);
        }
        case ScheduleEncoding::Utf8WithBom:
            break;
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

QString LineBreakOf(const QString& text) {
    // A quote opens a field only at its start, as the reader reads it; a doubled quote inside
    // one closes and opens it again. Spreadsheets break lines inside a cell with "\n" alone.
    bool fieldStart = true;
    bool inQuotes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            inQuotes = c != QLatin1Char('"');
        } else if (c == QLatin1Char('\n')) {
            return QStringLiteral("\n");
        } else if (c == QLatin1Char('\r')) {
            return text.mid(i + 1, 1) == QLatin1String("\n") ? QStringLiteral("\r\n")
                                                             : QStringLiteral("\r");
        } else if (c == QLatin1Char('"') && fieldStart) {
            inQuotes = true;
        } else if (!IsPadding(c)) {
            fieldStart = c == QLatin1Char(',') || c == QLatin1Char(';');
            continue;
        }
        if (c == QLatin1Char('\t')) {
            fieldStart = true;
        }
    }
    return QStringLiteral("\r\n");
}

QString CsvLine(const QStringList& fields, QChar separator, const QString& lineBreak) {
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString& text = fields[i];
        if (i > 0) {
            line += separator;
        }
        bool plain = WithoutPadding(text) == text;
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
    return line + lineBreak;
}
