// The summary that opens a schedule's combined PDF: the title "Window Schedule", the schedule's
// company, project and date, and a table of every row (ref, system, profiles, building, weight,
// element number, summary rating in its colour, kg CO2e), or the reason a row is not rated; as
// many pages as the rows need. Drawn in the certificate's page units (630 wide, 891 high).
#pragma once

#include <QList>

#include "schedule/schedule.h"
#include "schedule/schedule_rating.h"

class Canvas;

// How many summary pages a schedule of rowCount rows takes (at least one).
int SummaryPageCount(int rowCount);

// Draws summary page `page` (from 0) of the schedule on a W x H pixel canvas of the
// certificate's proportions; ratings are the rows' ratings in schedule order.
void DrawScheduleSummaryPage(Canvas& canvas, int W, int H, const Schedule& schedule,
                             const QList<ScheduleRowRating>& ratings, int page);
