#include "schedule/workbook_cells.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace {

QString BuiltInFormat(int id) {
    static const QHash<int, QString> formats = {
        {1, "0"},
        {2, "0.00"},
        {3, "#,##0"},
        {4, "#,##0.00"},
        {9, "0%"},
        {10, "0.00%"},
        {11, "0.00E+00"},
        {14, "dd/mm/yyyy"},
        {15, "d-mmm-yy"},
        {16, "d-mmm"},
        {17, "mmm-yy"},
        {18, "h:mm AM/PM"},
        {19, "h:mm:ss AM/PM"},
        {20, "h:mm"},
        {21, "h:mm:ss"},
        {22, "dd/mm/yyyy h:mm"},
        {37, "#,##0 ;(#,##0)"},
        {38, "#,##0 ;(#,##0)"},
        {39, "#,##0.00;(#,##0.00)"},
        {40, "#,##0.00;(#,##0.00)"},
        {45, "mm:ss"},
        {46, "[h]:mm:ss"},
        {47, "mm:ss.0"},
        {48, "##0.0E+0"},
        {49, "@"},
    };
    return formats.value(id, QStringLiteral("General"));
}

QString General(double value) {
    return GeneralNumberText(value);
}

// One piece of a format section: text shown as it is, or a run of one placeholder letter.
struct Piece {
    bool literal = true;
    QString text;  // the literal, or the run ("yyyy", "0", "AM/PM", "[h]", ".")
};

// The section of a code for the value (positive; negative; zero), split into pieces. Quoted
// text, "\x" and "_x" are literals; "[Red]" and other bracketed conditions are dropped, "*x"
// fills nothing.
QList<Piece> PiecesOf(const QString& code, double value, bool* ownMinus) {
    QStringList sections;
    QString section;
    bool quoted = false;
    for (const QChar c : code) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        }
        if (c == QLatin1Char(';') && !quoted) {
            sections << section;
            section.clear();
        } else {
            section += c;
        }
    }
    sections << section;
    int chosen = 0;
    if (value < 0 && sections.size() >= 2) {
        chosen = 1;
    } else if (value == 0 && sections.size() >= 3) {
        chosen = 2;
    }
    *ownMinus = chosen == 1;
    const QString& text = sections[chosen];
    QList<Piece> pieces;
    const auto literal = [&pieces](const QString& s) {
        if (!pieces.isEmpty() && pieces.last().literal) {
            pieces.last().text += s;
        } else {
            pieces.append({true, s});
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar lower = c.toLower();
        if (c == QLatin1Char('"')) {
            const qsizetype end = text.indexOf(QLatin1Char('"'), i + 1);
            literal(text.mid(i + 1, (end < 0 ? text.size() : end) - i - 1));
            i = end < 0 ? text.size() : end;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            if (c != QLatin1Char('*') && i + 1 < text.size()) {
                literal(c == QLatin1Char('_') ? QStringLiteral(" ") : QString(text[i + 1]));
            }
            ++i;
        } else if (c == QLatin1Char('[')) {
            const qsizetype end = text.indexOf(QLatin1Char(']'), i);
            const QString inside = text.mid(i + 1, (end < 0 ? text.size() : end) - i - 1);
            if (!inside.isEmpty() && QStringLiteral("hms").contains(inside[0].toLower())) {
                pieces.append({false, QLatin1Char('[') + inside.toLower() + QLatin1Char(']')});
            }
            i = end < 0 ? text.size() : end;
        } else if (text.mid(i, 5).compare(QLatin1String("AM/PM"), Qt::CaseInsensitive) == 0) {
            pieces.append({false, QStringLiteral("AM/PM")});
            i += 4;
        } else if (text.mid(i, 3).compare(QLatin1String("A/P"), Qt::CaseInsensitive) == 0) {
            pieces.append({false, QStringLiteral("A/P")});
            i += 2;
        } else if (text.mid(i, 7).compare(QLatin1String("General"), Qt::CaseInsensitive) == 0) {
            pieces.append({false, QStringLiteral("G")});
            i += 6;
        } else if (lower == QLatin1Char('e') && i + 1 < text.size() &&
                   (text[i + 1] == QLatin1Char('+') || text[i + 1] == QLatin1Char('-'))) {
            pieces.append({false, QStringLiteral("E") + text[++i]});  // a number's exponent
        } else if (QStringLiteral("ymdhse0#?.,%@").contains(lower)) {
            const QChar letter = lower == QLatin1Char('e') ? QLatin1Char('y') : lower;
            if (!pieces.isEmpty() && !pieces.last().literal && pieces.last().text[0] == letter &&
                QStringLiteral("ymdhs").contains(letter)) {
                pieces.last().text += letter;
            } else {
                pieces.append({false, QString(letter)});
            }
        } else {
            literal(QString(c));
        }
    }
    return pieces;
}

bool IsDatePiece(const Piece& piece) {
    return !piece.literal &&
           (QStringLiteral("ymdhs[").contains(piece.text[0]) ||
            piece.text == QLatin1String("AM/PM") || piece.text == QLatin1String("A/P"));
}

QString ShownDate(double serial, const QList<Piece>& pieces, bool date1904) {
    if (serial < 0 || serial > 2958465.0) {  // past 31/12/9999 Excel shows "#####"
        return General(serial);
    }
    const QDate base = date1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    const qint64 seconds = std::llround(serial * 86400.0);
    const QDateTime when = QDateTime(base, QTime(0, 0), Qt::UTC).addSecs(seconds);
    const QDate date = when.date();
    const QTime time = when.time();
    bool twelve = false;
    for (const Piece& piece : pieces) {
        twelve =
            twelve || piece.text == QLatin1String("AM/PM") || piece.text == QLatin1String("A/P");
    }
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    QString shown;
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        const Piece& piece = pieces[k];
        const QString& run = piece.text;
        const int n = static_cast<int>(run.size());
        const auto digits = [n](int number) {
            return QStringLiteral("%1").arg(number, n >= 2 ? 2 : 1, 10, QLatin1Char('0'));
        };
        if (piece.literal) {
            shown += run;
        } else if (run[0] == QLatin1Char('y')) {
            shown += n <= 2 ? QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'))
                            : QString::number(date.year());
        } else if (run[0] == QLatin1Char('m')) {
            // A minute after an hour or before a second, else a month.
            bool minute = false;
            for (qsizetype j = k - 1; j >= 0 && !minute; --j) {
                if (IsDatePiece(pieces[j])) {
                    minute = pieces[j].text.startsWith(QLatin1Char('h')) ||
                             pieces[j].text == QLatin1String("[h]");
                    break;
                }
            }
            for (qsizetype j = k + 1; j < pieces.size() && !minute; ++j) {
                if (IsDatePiece(pieces[j])) {
                    minute = pieces[j].text.startsWith(QLatin1Char('s'));
                    break;
                }
            }
            shown += minute   ? digits(time.minute())
                     : n == 5 ? english.monthName(date.month(), QLocale::NarrowFormat)
                     : n == 4 ? english.monthName(date.month(), QLocale::LongFormat)
                     : n == 3 ? english.monthName(date.month(), QLocale::ShortFormat)
                              : digits(date.month());
        } else if (run[0] == QLatin1Char('d')) {
            shown += n >= 4   ? english.dayName(date.dayOfWeek(), QLocale::LongFormat)
                     : n == 3 ? english.dayName(date.dayOfWeek(), QLocale::ShortFormat)
                              : digits(date.day());
        } else if (run[0] == QLatin1Char('h')) {
            const int hour = twelve ? (time.hour() + 11) % 12 + 1 : time.hour();
            shown += digits(hour);
        } else if (run[0] == QLatin1Char('s')) {
            shown += digits(time.second());
        } else if (run == QLatin1String("[h]")) {
            shown += QString::number(seconds / 3600);
        } else if (run == QLatin1String("[m]")) {
            shown += QString::number(seconds / 60);
        } else if (run == QLatin1String("[s]")) {
            shown += QString::number(seconds);
        } else if (run == QLatin1String("AM/PM")) {
            shown += time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
        } else if (run == QLatin1String("A/P")) {
            shown += time.hour() < 12 ? QStringLiteral("A") : QStringLiteral("P");
        } else {
            shown += run;  // a number placeholder among date letters: shown as written
        }
    }
    return shown;
}

// A number through placeholders: the digits at the first placeholder, literals around them.
QString ShownDigits(double value, const QList<Piece>& pieces) {
    int beforePoint = 0;  // "0" placeholders before the point: the fewest integer digits
    int zeros = 0;        // "0" after the point: decimals always shown
    int optional = 0;     // "#" and "?" after the point: decimals shown when not 0
    bool point = false;
    bool thousands = false;
    bool exponent = false;
    for (const Piece& piece : pieces) {
        const QChar c = piece.literal ? QChar() : piece.text[0];
        if (c == QLatin1Char('%')) {
            value *= 100;
        } else if (c == QLatin1Char('.')) {
            point = true;
        } else if (c == QLatin1Char(',')) {
            thousands = !point;
        } else if (c == QLatin1Char('E')) {
            exponent = true;
        } else if (!exponent && c == QLatin1Char('0')) {
            (point ? zeros : beforePoint) += 1;
        } else if (!exponent && point && (c == QLatin1Char('#') || c == QLatin1Char('?'))) {
            optional += 1;
        }
    }
    QString number;
    if (exponent) {
        number = QString::number(std::fabs(value), 'E', zeros + optional);
    } else {
        number = QString::number(std::fabs(value), 'f', zeros + optional);
        if (optional > 0) {
            while (number.endsWith(QLatin1Char('0')) &&
                   number.size() - number.indexOf(QLatin1Char('.')) - 1 > zeros) {
                number.chop(1);
            }
        }
        if (number.endsWith(QLatin1Char('.'))) {
            number.chop(1);
        }
        qsizetype integer = number.indexOf(QLatin1Char('.'));
        integer = integer < 0 ? number.size() : integer;
        if (integer == 1 && number[0] == QLatin1Char('0') && beforePoint == 0) {
            number.remove(0, 1);  // "#.00" shows .50
            integer = 0;
        }
        for (; integer < beforePoint; ++integer) {
            number.prepend(QLatin1Char('0'));
        }
        for (qsizetype at = integer - 3; thousands && at > 0; at -= 3) {
            number.insert(at, QLatin1Char(','));
        }
    }
    QString shown;
    bool placed = false;
    for (const Piece& piece : pieces) {
        if (piece.literal) {
            shown += piece.text;
        } else if (piece.text == QLatin1String("%")) {
            shown += QLatin1Char('%');
        } else if (!placed) {
            shown += number;
            placed = true;
        }
    }
    return shown;
}

}  // namespace

QString GeneralNumberText(double value) {
    return QString::number(value, 'g', 10).toUpper();
}

QString FormatCodeOfStyle(const NumberFormats& formats, int style) {
    const int id = formats.styleFormats.value(style, 0);
    return formats.codes.contains(id) ? formats.codes.value(id) : BuiltInFormat(id);
}

QString ShownNumber(const QString& stored, const QString& formatCode, bool date1904) {
    bool isNumber = false;
    const double value = stored.trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value)) {
        return stored;
    }
    if (formatCode.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0 ||
        formatCode.isEmpty()) {
        return General(value);
    }
    bool ownMinus = false;
    const QList<Piece> pieces = PiecesOf(formatCode, value, &ownMinus);
    bool date = false;
    bool digits = false;
    for (const Piece& piece : pieces) {
        date = date || IsDatePiece(piece);
        digits = digits || (!piece.literal && QStringLiteral("0#?").contains(piece.text[0]));
        if (!piece.literal && piece.text == QLatin1String("@")) {
            return stored;
        }
        if (!piece.literal && piece.text == QLatin1String("G")) {
            return General(value);
        }
    }
    if (date) {
        return ShownDate(value, pieces, date1904);
    }
    if (!digits) {
        // A section of text alone ("nil" for zero) shows its text; an empty one, General.
        QString text;
        for (const Piece& piece : pieces) {
            text += piece.literal ? piece.text : QString();
        }
        return text.isEmpty() ? General(value) : text;
    }
    const QString shown = ShownDigits(value, pieces);
    return value < 0 && !ownMinus ? QLatin1Char('-') + shown : shown;
}
