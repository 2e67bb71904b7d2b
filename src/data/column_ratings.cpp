#include "data/column_ratings.h"

#include <algorithm>

#include "data/bre_ratings_rows.h"
#include "data/table_fields.h"

ColumnRatings RatingsOfColumn(const QStringList& lines, int column) {
    ColumnRatings ratings;
    ratings.weightBand = FieldOfRow(lines, kWeightBandRow, column);
    ratings.elementNumber = FieldOfRow(lines, kElementNumberRow, column);
    for (int r = kFirstImpactRow; r <= kLastImpactRow; ++r) {
        ratings.impacts.append({FieldOfRow(lines, r, 0), FieldOfRow(lines, r, column)});
    }
    ratings.co2Label = FieldOfRow(lines, kCo2Row, 0);
    ratings.co2 = FieldOfRow(lines, kCo2Row, column);
    ratings.summaryRating = SummaryRatingOfColumn(lines, column);
    return ratings;
}

ColumnRatings ShownRatingsOfColumn(const QStringList& breRatingLines, int column) {
    return ShownRatings(RatingsOfColumn(breRatingLines, std::max(column, 0)), column > 0);
}

ColumnRatings ShownRatings(ColumnRatings ratings, bool rated) {
    if (rated) {
        return ratings;
    }
    ratings.summaryRating = QStringLiteral("XXXXXXXX");
    ratings.weightBand = QStringLiteral("??");
    ratings.elementNumber = kNoRating;
    ratings.co2 = kNoRating;
    for (auto& impact : ratings.impacts) {
        impact.second = kNoRating;
    }
    return ratings;
}

QString SummaryRatingOfColumn(const QStringList& breRatingLines, int column) {
    return FieldOfRow(breRatingLines, kSummaryRatingRow, column);
}
