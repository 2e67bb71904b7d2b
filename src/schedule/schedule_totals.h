// What a schedule's summary adds up: how many window types got each summary rating and, where
// the schedule counts its windows in a quantity column, how many windows that makes per rating.
#pragma once

#include <QList>
#include <QString>

#include "schedule/schedule.h"
#include "schedule/schedule_rating.h"

// The schedule's quantity column: the first whose header is "Qty", "Quantity" or "No." (any
// letter case, spaces around ignored); -1 when there is none.
int QuantityColumn(const Schedule& schedule);

struct RatingTotal {
    QString rating;  // "A+" ... "G", or empty for the rows not rated
    int types = 0;   // rows
    double quantity = 0;
};

struct ScheduleTotals {
    // Best rating first, only the ratings that occur, the rows not rated last.
    QList<RatingTotal> byRating;
    int types = 0;
    double quantity = 0;
    bool hasQuantity = false;
    // Rows whose quantity cell holds no number (an empty cell counts as none too).
    int rowsWithoutQuantity = 0;
};

ScheduleTotals TotalsOf(const Schedule& schedule, const QList<ScheduleRowRating>& ratings);

// A quantity as the summary prints it: whole numbers without decimals, others to two places
// at most ("12", "2.5").
QString QuantityText(double quantity);
