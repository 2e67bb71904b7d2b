#include "schedule/schedule_totals.h"

#include <algorithm>
#include <iterator>

#include "data/rating_colours.h"

int QuantityColumn(const Schedule& schedule) {
    for (int column = 0; column < schedule.ColumnCount(); ++column) {
        const QString name = schedule.Columns()[column].trimmed().toCaseFolded();
        if (name == QLatin1String("qty") || name == QLatin1String("quantity") ||
            name == QLatin1String("no.")) {
            return column;
        }
    }
    return -1;
}

ScheduleTotals TotalsOf(const Schedule& schedule, const QList<ScheduleRowRating>& ratings) {
    ScheduleTotals totals;
    const int quantityColumn = QuantityColumn(schedule);
    totals.hasQuantity = quantityColumn >= 0;
    // One place per rating letter, best first, and the rows not rated after them.
    QList<RatingTotal> places(kRatingLetterCount + 1);
    for (int rank = 0; rank < kRatingLetterCount; ++rank) {
        places[rank].rating = QLatin1String(kRatingColours[rank].text);
    }
    for (int row = 0; row < ratings.size() && row < schedule.RowCount(); ++row) {
        const int rank = ratings[row].Rated() ? RatingLetterRank(ratings[row].summaryRating) : -1;
        RatingTotal& total = places[rank >= 0 ? rank : kRatingLetterCount];
        ++total.types;
        ++totals.types;
        if (!totals.hasQuantity) {
            continue;
        }
        bool number = false;
        const double quantity = schedule.Cell(row, quantityColumn).trimmed().toDouble(&number);
        if (number && quantity >= 0) {
            total.quantity += quantity;
            totals.quantity += quantity;
        } else {
            ++totals.rowsWithoutQuantity;
        }
    }
    std::copy_if(places.cbegin(), places.cend(), std::back_inserter(totals.byRating),
                 [](const RatingTotal& total) { return total.types > 0; });
    return totals;
}

QString QuantityText(double quantity) {
    QString text = QString::number(quantity, 'f', 2);
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text;
}
