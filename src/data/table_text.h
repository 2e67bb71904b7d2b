// The text rules of the data tables: how a table's text splits into lines, how a line splits
// into comma-separated fields, and how a field reads as a number.
#pragma once

#include <QString>
#include <QStringList>

// The lines of a table's text. Lines are separated by "\n"; the text after the last line break
// counts as a further line only when it is not empty.
QStringList LinesOfText(const QString& text);

// Field n (from 0) of a comma-separated line. A line with fewer fields yields its last field;
// n of 0 or less yields field 0. Nothing is trimmed.
QString CsvField(const QString& line, int n);

// Number from a field's text: trimmed of spaces and control characters; empty or malformed text
// gives the default. The decimal point is always "." whatever the user's locale, since the
// tables' format fixes it.
double TextToNumber(const QString& text, double defaultValue);

// Whether the line is a whole number (optional sign and decimal digits) and, if so, its value;
// used to read the ratings column back from its text.
int WholeNumberOr(const QString& text, int defaultValue);

// Text trimmed of spaces and control characters at both ends.
QString TrimSpacesAndControls(const QString& text);
