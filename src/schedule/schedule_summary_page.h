// The summary that opens a schedule's combined PDF, drawn from its layout (SummaryLayout): on
// every page the title "Window Schedule" with the schedule's company, project and date, the
// table's headings and this page's rows (the rating centred in its colour, or why a row is not
// rated), "Page N of M" at the foot; on the last, the totals per rating and the legend. Drawn in
// the certificate's page units (630 wide, 891 high) scaled to the canvas.
#pragma once

#include "schedule/schedule_summary_layout.h"

class Canvas;

// Draws summary page `page` (from 0) of the layout on a W x H pixel canvas of the certificate's
// proportions; pageNumber (from 1) and pageCount are the page's place in the whole document.
void DrawScheduleSummaryPage(Canvas& canvas, int W, const SummaryLayout& layout, int page,
                             int pageNumber, int pageCount);

// "Page N of M", as every page of a schedule's document says.
QString PageOfText(int pageNumber, int pageCount);
