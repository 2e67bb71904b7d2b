// "Print All..." of the schedule window: the pages of the combined PDF (the summary, then one
// certificate per rated row, ScheduleDocument) through the print dialog once, as one job, by the
// main window's printing routine.
#pragma once

#include <QList>
#include <QString>

#include "app/page_printing.h"
#include "data/product_tables.h"
#include "schedule/schedule.h"
#include "schedule/schedule_rating.h"

class QWidget;

// Prints the schedule's document, showing progress over parent. A printer that writes a file
// gets the combined PDF's document information, and may be cancelled (the old file stays); a
// printing system's printer takes every page once the job has begun. Returns the pages printed,
// 0 when the user cancelled; summaryColumns as
// ScheduleDocument takes them; throws ProgramError "Cannot print to ..." when the job fails.
int PrintSchedule(QWidget* parent, const ProductTables& tables, const Schedule& schedule,
                  const QList<ScheduleRowRating>& ratings, const QList<int>& summaryColumns,
                  const QString& creator, const PrinterChoice& choose = {});
