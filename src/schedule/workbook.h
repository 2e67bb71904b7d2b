// Schedules in Excel workbooks (.xlsx), as architects and estimators send them: a sheet read as
// the sheet shows its cells, the header found below a title block as in a CSV file, and a
// schedule written back as a workbook. Reading unpacks the parts it needs with the system's
// minizip and reads their XML with QXmlStreamReader a piece at a time, within bounds (a zip bomb
// is refused); writing goes through libxlsxwriter.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "schedule/schedule.h"

// Whether a file's first bytes are a zip archive's, as a workbook's are.
bool IsWorkbook(const QByteArray& firstBytes);

// The most that one part of a workbook may unpack to: a schedule's sheet at its bounds is far
// smaller. A part that claims more, or unpacks to more, is refused as a zip bomb.
inline constexpr qint64 kLargestWorkbookPart = qint64(128) << 20;

// Which sheet to read and what to keep of the others.
struct WorkbookReading {
    QString sheet;  // by name (letter case ignored when no name fits exactly); empty: the first
    // Keep the other sheets' cells too, so that saving the workbook keeps them (the window);
    // a sheet past a schedule's bounds is then left out and named in format.sheetsLeftOut.
    bool keepOtherSheets = false;
};

// The schedule on a sheet of a workbook's bytes, or why there is none: "the workbook ..." for
// a file that is no workbook, or the sheet's "line N: ..." (N its row number) as for CSV.
ScheduleReading ReadWorkbookSchedule(const QByteArray& bytes, const WorkbookReading& which = {});

// The schedule as a workbook's sheets: the schedule's own sheet (the title block, header and
// rows of ScheduleFileRows) where it stood among the sheets the workbook was read with.
QList<WorkbookSheet> ScheduleWorkbookSheets(const Schedule& schedule);

// Sheets written as an .xlsx file's bytes; cells that hold a plain number ("4", "1200", "0.5",
// as the program would show it again) are written as numbers, all others as text. Fills
// *error and returns nothing when libxlsxwriter fails.
QByteArray WorkbookBytes(const QList<WorkbookSheet>& sheets, QString* error);
