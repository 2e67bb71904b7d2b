#include "rating/window_options.h"

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/rating_colours.h"
#include "data/system_catalogue.h"

namespace {

ProductTables BuiltIn(const QString& weights = BuiltInWeightsTable()) {
    return ProductTablesOf(weights, BuiltInSystemCatalogue(), BuiltInBreRatingsTable(),
                           BuiltInProductList());
}

// Rated windows after unrated ones would be out of place: letters by rank, then none.
int PlaceOf(const RatedWindow& w) {
    const int rank = w.rating.column > 0 ? RatingLetterRank(w.ratings.summaryRating) : -1;
    return rank >= 0 ? rank : kRatingLetterCount;
}

}  // namespace

TEST(WindowOptions, EveryCombinationBestFirstThenLightestAndRatedAsOneWindowIs) {
    // The second table weighs PRF110 only: the rest of Pelvanor 55 is not rated.
    const ProductTables partial = BuiltIn(QStringLiteral("Profile,Area\nPRF110,1.3\n"));
    const struct {
        const ProductTables tables;
        const char* system;
        bool commercial;
        size_t combinations;
        const char* bestRating;
    } cases[] = {
        {BuiltIn(), "Pelvanor 55", true, 6 * 4 * 3, "A"},
        {BuiltIn(), "pelvanor 55", false, 6 * 4 * 3, "A"},
        {BuiltIn(), "Pelvanor 75,0.45", true, 10 * 9 * 6, "A"},
        {BuiltIn(), "Pelvanor 47", false, 4 * 3 * 3, "A"},
        {partial, "Pelvanor 55", true, 6 * 4 * 3, "A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.system << (c.commercial ? " Commercial" : " Domestic"));
        QString error;
        const auto options = WindowOptionsOf(c.tables, c.system, c.commercial, &error);
        ASSERT_TRUE(options) << error.toStdString();
        ASSERT_EQ(options->size(), c.combinations);
        EXPECT_EQ(options->front().ratings.summaryRating, c.bestRating);
        for (size_t i = 0; i < options->size(); ++i) {
            const RatedWindow& w = (*options)[i];
            if (i > 0) {
                const RatedWindow& before = (*options)[i - 1];
                ASSERT_TRUE(
                    PlaceOf(before) < PlaceOf(w) ||
                    (PlaceOf(before) == PlaceOf(w) && before.rating.weight <= w.rating.weight))
                    << i;
            }
            const auto one = RateRequest(
                c.tables, {c.system, w.outerFrame, w.ventFrame, w.transomMullion, c.commercial},
                &error);
            ASSERT_TRUE(one);
            EXPECT_EQ(one->rating.weight, w.rating.weight);
            EXPECT_EQ(one->rating.column, w.rating.column);
            EXPECT_EQ(one->ratings.summaryRating, w.ratings.summaryRating);
        }
        // Better choices: strictly better, lightest first; than no rating, every rated one.
        for (const QString& than : {QStringLiteral("A"), QStringLiteral("C"), QString()}) {
            const std::vector<RatedWindow> better = BetterChoicesOf(*options, than);
            const int rank = than.isEmpty() ? kRatingLetterCount : RatingLetterRank(than);
            size_t expected = 0;
            for (const RatedWindow& w : *options) {
                expected += PlaceOf(w) < rank ? 1 : 0;
            }
            EXPECT_EQ(better.size(), expected) << than.toStdString();
            for (size_t i = 0; i < better.size(); ++i) {
                EXPECT_LT(PlaceOf(better[i]), rank);
                EXPECT_TRUE(i == 0 || better[i - 1].rating.weight <= better[i].rating.weight);
            }
        }
    }
    QString error;
    EXPECT_FALSE(WindowOptionsOf(BuiltIn(), QStringLiteral("Pelvanor 99"), true, &error));
    EXPECT_TRUE(error.contains(QLatin1String("Pelvanor 9"))) << error.toStdString();
}
