// Certificates in bulk on the command line: a window schedule in (see schedule/schedule.h for
// the file), one PDF per row and a summary, or one combined PDF, out. A row that cannot be rated or
// written is reported with its line number and does not stop the others.
#pragma once

#include <QString>

struct CommandIo;

// Writes <ref>.pdf for every row of the schedule (a CSV file, or a workbook's sheet: the first,
// or the one named) and summary.csv and summary.xlsx into outputFolder (made when missing), and
// the combined PDF to combinedPath; either may be empty, not both. Returns 0 when every row was
// rated and written, 2 otherwise.
int RunBatch(const QString& schedulePath, const QString& sheet, const QString& outputFolder,
             const QString& combinedPath, CommandIo& io);
