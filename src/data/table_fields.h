// The text rules of the data tables: how a table's text splits into lines, how a line splits
// into comma-separated fields, and how a field reads as a number.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The lines of a table's text. Lines are separated by "\n"; the text after the last line break
// counts as a further line only when it is not empty.
QStringList LinesOfText(const QString& text);
// The text whose lines are these: each line followed by "\n", so that LinesOfText gives them
// back, a last empty line included.
QString TextOfLines(const QStringList& lines);

// Whether c ends a line: "\n", or the paragraph and line separators (U+2029, U+2028) with which
// a text editor ends its lines, so that a scan can read an editor's text as it holds it. A
// table's text holds them only there: the tables' 8-bit code page has no such characters.
inline bool IsLineEnd(char16_t c) {
    return c == u'\n' || c == u'\u2029' || c == u'\u2028';
}

// Field n (from 0) of a comma-separated line. A line with fewer fields yields its last field;
// n of 0 or less yields field 0. Nothing is trimmed.
QString CsvField(const QString& line, int n);
// The same field as a view into the line, for scans that copy nothing.
QStringView CsvFieldView(QStringView line, int n);
// Field n of line r of a table's lines; a line past the end reads as an empty line.
QString FieldOfRow(const QStringList& lines, int r, int n);

// Number from a field's text: trimmed of spaces and control characters; empty or malformed text
// gives the default. The decimal point is always "." whatever the user's locale, since the
// tables' format fixes it.
double TextToNumber(const QString& text, double defaultValue);

// Whether a text is a whole number: an optional sign and one or more decimal digits, nothing
// else.
bool IsWholeNumber(QStringView text);

// Whether the line is a whole number (optional sign and decimal digits) and, if so, its value;
// used to read the ratings column back from its text.
int WholeNumberOr(const QString& text, int defaultValue);

// Text trimmed of spaces and control characters at both ends.
QString TrimSpacesAndControls(const QString& text);
