#include "data/table_fields.h"

QStringList LinesOfText(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

QString TextOfLines(const QStringList& lines) {
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines) {
        size += line.size() + 1;
    }
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1Char('\n');
    }
    return text;
}

QString CsvField(const QString& line, int n) {
    return CsvFieldView(line, n).toString();
}

QString FieldOfRow(const QStringList& lines, int r, int n) {
    return CsvFieldView(r >= 0 && r < lines.size() ? QStringView(lines[r]) : QStringView(), n)
        .toString();
}

QStringView CsvFieldView(QStringView line, int n) {
    // Walk to field n without copying: start is where field k begins.
    qsizetype start = 0;
    for (int k = 0; k < n; ++k) {
        const qsizetype comma = line.indexOf(QLatin1Char(','), start);
        if (comma < 0) {
            break;
        }
        start = comma + 1;
    }
    const qsizetype end = line.indexOf(QLatin1Char(','), start);
    return end < 0 ? line.sliced(start) : line.sliced(start, end - start);
}

bool IsWholeNumber(QStringView text) {
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        ++i;
    }
    if (i == text.size()) {
        return false;
    }
    for (; i < text.size(); ++i) {
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

namespace {

bool IsTrimmed(QChar c) {
    return c.unicode() <= 0x20 || c.unicode() == 0x7F;
}

// Strict decimal conversion with "." as the point: optional sign, digits with at most one
// point, optional exponent. Returns false for anything else (1.2.3, 5.x, a lone point).
bool ParseDecimal(const QString& text, double* value) {
    const QByteArray bytes = text.toLatin1();
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    if (i < n && (bytes[i] == '+' || bytes[i] == '-')) {
        ++i;
    }
    qsizetype digits = 0;
    while (i < n && bytes[i] >= '0' && bytes[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < n && bytes[i] == '.') {
        ++i;
        while (i < n && bytes[i] >= '0' && bytes[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < n && (bytes[i] == 'e' || bytes[i] == 'E')) {
        qsizetype j = i + 1;
        if (j < n && (bytes[j] == '+' || bytes[j] == '-')) {
            ++j;
        }
        qsizetype expDigits = 0;
        while (j < n && bytes[j] >= '0' && bytes[j] <= '9') {
            ++j;
            ++expDigits;
        }
        if (expDigits == 0) {
            return false;
        }
        i = j;
    }
    if (i != n) {
        return false;
    }
    // QByteArray::toDouble always reads "." as the point, whatever the C or user locale.
    bool ok = false;
    const double v = bytes.toDouble(&ok);
    if (!ok) {
        return false;
    }
    *value = v;
    return true;
}

}  // namespace

QString TrimSpacesAndControls(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsTrimmed(text[begin])) {
        ++begin;
    }
    while (end > begin && IsTrimmed(text[end - 1])) {
        --end;
    }
    return text.mid(begin, end - begin);
}

double TextToNumber(const QString& text, double defaultValue) {
    const QString s = TrimSpacesAndControls(text);
    if (s.isEmpty()) {
        return defaultValue;
    }
    if (!s.contains(QLatin1Char('.')) && !IsWholeNumber(s)) {
        return defaultValue;
    }
    double value = 0;
    if (!ParseDecimal(s, &value)) {
        return defaultValue;
    }
    return value;
}

int WholeNumberOr(const QString& text, int defaultValue) {
    const QString s = TrimSpacesAndControls(text);
    if (!IsWholeNumber(s)) {
        return defaultValue;
    }
    bool ok = false;
    const int v = s.toInt(&ok);
    return ok ? v : defaultValue;
}
