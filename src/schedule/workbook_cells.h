// A workbook cell's number as the sheet shows it: through the number format of the cell's style
// (dates and times, decimals, thousands, per cent, text around the number), so that a schedule
// read from a workbook holds what the architect saw, not the stored serial number.
#pragma once

#include <QHash>
#include <QList>
#include <QString>

struct NumberFormats {
    QHash<int, QString> codes;  // the workbook's own formats, by id
    QList<int> styleFormats;    // the format id of each cell style, by the cells' "s"
    bool date1904 = false;      // dates counted from 1904 (old Mac workbooks)
};

// The format code of a cell style: the workbook's own, or one of the built-in ids. The
// system-dependent built-in date (14) and date-time (22) are shown as in the United Kingdom,
// "dd/mm/yyyy".
QString FormatCodeOfStyle(const NumberFormats& formats, int style);

// A number as a workbook's "General" format shows it: up to ten significant digits.
QString GeneralNumberText(double value);

// The stored number (as the sheet's XML holds it) shown through a format code. Codes of number
// placeholders ("0.00", "#,##0", "0%", "0.00E+00", "0.0 \"kg\""), of dates and times ("d mmm
// yyyy", "hh:mm", "[h]:mm") and "General" are understood; any other code shows the number as
// General does. A text that is no number is shown as it is.
QString ShownNumber(const QString& stored, const QString& formatCode, bool date1904);
