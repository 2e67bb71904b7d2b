// Where everything of a schedule's summary goes, worked out once in the certificate's page units
// (630 wide, 891 high) and so the same at any resolution: the columns sized to their contents,
// every text wrapped within its cell (rows grow; nothing is cut), the rows spread over pages
// under a header that every page repeats, then the totals and the legend. Printing, the
// combined PDF and "batch" draw from one layout, so they show the same words.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "schedule/schedule.h"
#include "schedule/schedule_rating.h"
#include "schedule/schedule_totals.h"

// Geometry and type sizes, in page units.
namespace summary_units {
inline constexpr double kLeft = 30;
inline constexpr double kRight = 600;
inline constexpr double kTop = 26;
inline constexpr double kTitleHeight = 20;
inline constexpr double kTextHeight = 10;  // a cell's text: its character cell height
inline constexpr double kLineHeight = 12;
inline constexpr double kCellPadding = 3;
inline constexpr double kFooterTop = 858;
inline constexpr double kBottom = 848;  // nothing of the table or legend below this
inline constexpr double kLegendTextHeight = 9;
inline constexpr double kLegendLineHeight = 11;
}  // namespace summary_units

// The text of a cell wrapped to lines that fit width page units in the summary's font, broken
// at spaces, a word longer than a line broken between characters; "\n" starts a new line. No
// character is dropped but the spaces where lines break.
QStringList WrappedSummaryText(const QString& text, double width, bool bold = false,
                               double textHeight = summary_units::kTextHeight);

struct SummaryColumn {
    QString heading;
    QStringList headingLines;
    double left = 0;
    double width = 0;
    bool rating = false;  // filled in the rating's colour, centred
};

struct SummaryRow {
    int row = 0;               // in the schedule
    QList<QStringList> lines;  // per column, the lines of its text
    int noteFrom = -1;         // a row not rated: the column its reason starts at, else -1
    QStringList noteLines;     // "Not rated: why", across the columns from noteFrom
    QString rating;            // the summary rating, empty when not rated
    double height = 0;
};

struct SummaryPageRows {
    int first = 0;  // index into SummaryLayout::rows
    int end = 0;
    bool closing = false;  // the totals and the legend go on this page, at closingTop
    double closingTop = 0;
};

struct SummaryLayout {
    // The header every page repeats: labels "Company:", "Project:", "Date:" and their lines.
    QList<std::pair<QString, QStringList>> header;
    double tableTop = 0;  // below the header
    QList<SummaryColumn> columns;
    double headingHeight = 0;
    QList<SummaryRow> rows;
    QList<SummaryPageRows> pages;
    ScheduleTotals totals;
    QString quantityHeading;  // the quantity column's header, when the schedule has one
    QStringList legendLines;
    double totalsHeight = 0;
    int PageCount() const { return static_cast<int>(pages.size()); }
};

// The summary of the schedule's rows (ratings in schedule order), with the schedule's own
// columns listed in extraColumns printed after the Ref column, and dataVersion
// (DataVersionText) named in the legend.
SummaryLayout LayOutSummary(const Schedule& schedule, const QList<ScheduleRowRating>& ratings,
                            const QList<int>& extraColumns, const QString& dataVersion);

// The columns of the schedule that are not its own fields (quantity, location, ...) and that
// have a name: those the summary may print.
QList<int> SummaryExtraColumns(const Schedule& schedule);
