#include "rating/headroom.h"

#include "data/rating_colours.h"
#include "rating/rating.h"

std::optional<Headroom> HeadroomOf(bool commercial, double weight,
                                   const QStringList& breRatingLines) {
    const int column = ChooseRatingsColumn(commercial, weight);
    if (column <= 0) {
        return std::nullopt;
    }
    const WeightBands& bands = WeightBandsOf(commercial);
    const auto rankOf = [&breRatingLines](int c) {
        return RatingLetterRank(SummaryRatingOfColumn(breRatingLines, c));
    };
    Headroom headroom;
    const int rank = rankOf(column);
    if (rank < 0) {
        return headroom;
    }
    for (int c = column - 1; c >= bands.firstColumn; --c) {
        const int r = rankOf(c);
        if (r >= 0 && r < rank) {
            // Band c ends where the next heavier one starts.
            const double below = bands.LowerLimit(c + 1);
            headroom.better =
                HeadroomStep{SummaryRatingOfColumn(breRatingLines, c), below, weight - below};
            break;
        }
    }
    for (int c = column + 1; c <= bands.LastColumn(); ++c) {
        if (rankOf(c) > rank) {
            const double from = bands.LowerLimit(c);
            headroom.worse =
                HeadroomStep{SummaryRatingOfColumn(breRatingLines, c), from, from - weight};
            break;
        }
    }
    return headroom;
}

QString HeadroomText(double weight, const QString& summaryRating, const Headroom& headroom) {
    QString text = FormatProfileWeight(weight) + QStringLiteral(" kg/m: ") + summaryRating;
    if (RatingLetterRank(summaryRating) < 0) {
        return text;
    }
    if (const auto& better = headroom.better) {
        // A weight that shows as the limit itself is on it, not "0.000 over" it.
        const QString amount = FormatProfileWeight(better->amount);
        const QString where = amount == FormatProfileWeight(0) ? QStringLiteral("on")
                                                               : amount + QStringLiteral(" over");
        text += QStringLiteral(", %1 the %2 limit %3")
                    .arg(where, better->rating, QString::number(better->limit));
    } else {
        text += QStringLiteral(", no lighter band rates better");
    }
    if (const auto& worse = headroom.worse) {
        text += QStringLiteral("; %1 from %2").arg(worse->rating, QString::number(worse->limit));
    } else {
        text += QStringLiteral("; no heavier band rates worse");
    }
    return text;
}
