#include "rating/headroom.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "data/builtin_tables.h"
#include "data/table_fields.h"
#include "rating/rating.h"

TEST(Headroom, NearestBetterAndWorseBandsAtEveryEdge) {
    // Built-in summary ratings by column 1..8: A A B | A+ A A B C.
    const QStringList builtIn = LinesOfText(BuiltInBreRatingsTable());
    // Column 5 unreadable: it is passed over on the way to a better band.
    QStringList oddOne = builtIn;
    oddOne[18] = QStringLiteral("Summary Rating,A,A,B,A+,?,A,B,C");
    const QStringList none = {"-"};
    const struct {
        bool commercial;
        double weight;
        const QStringList& table;
        // rating@limit:amount, the amount exact; "" for none.
        const char* better;  // the limit to get below, and what to lose
        const char* worse;   // the limit it applies from, and what may be added first
        const char* text;    // "" when no ratings column applies
    } cases[] = {
        {true, 0, builtIn, "", "", ""},
        {true, -0.5, builtIn, "", "", ""},
        {false, 0, builtIn, "", "", ""},
        {true, 0.5, builtIn, "", "A@0.9:0.4",
         "0.500 kg/m: A+, no lighter band rates better; A from 0.9"},
        {true, 0.9, builtIn, "A+@0.9:0", "B@1.5:0.6",
         "0.900 kg/m: A, on the A+ limit 0.9; B from 1.5"},
        // Past the limit by less than the weight shows: still on it.
        {true, 0.9004, builtIn, "A+@0.9:0.00039999999999995595", "B@1.5:0.5996",
         "0.900 kg/m: A, on the A+ limit 0.9; B from 1.5"},
        {true, 0.9006, builtIn, "A+@0.9:0.0005999999999999339", "B@1.5:0.5994",
         "0.901 kg/m: A, 0.001 over the A+ limit 0.9; B from 1.5"},
        {true, 0.918, builtIn, "A+@0.9:0.018000000000000016", "B@1.5:0.582",
         "0.918 kg/m: A, 0.018 over the A+ limit 0.9; B from 1.5"},
        {true, 1.25, builtIn, "A+@0.9:0.35", "B@1.5:0.25",
         "1.250 kg/m: A, 0.350 over the A+ limit 0.9; B from 1.5"},
        {true, 1.5, builtIn, "A@1.5:0", "C@1.75:0.25",
         "1.500 kg/m: B, on the A limit 1.5; C from 1.75"},
        {true, 1.75, builtIn, "B@1.75:0", "",
         "1.750 kg/m: C, on the B limit 1.75; no heavier band rates worse"},
        {false, 0.5, builtIn, "", "B@1.08:0.5800000000000001",
         "0.500 kg/m: A, no lighter band rates better; B from 1.08"},
        {false, 0.88, builtIn, "", "B@1.08:0.20000000000000007",
         "0.880 kg/m: A, no lighter band rates better; B from 1.08"},
        {false, 1.08, builtIn, "A@1.08:0", "",
         "1.080 kg/m: B, on the A limit 1.08; no heavier band rates worse"},
        {true, 1.3, oddOne, "A+@0.9:0.4", "B@1.5:0.19999999999999996",
         "1.300 kg/m: A, 0.400 over the A+ limit 0.9; B from 1.5"},
        {true, 1.0, oddOne, "", "", "1.000 kg/m: ?"},
        // A table without a summary row: nothing to compare.
        {true, 1.0, none, "", "", "1.000 kg/m: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << (c.commercial ? "Commercial " : "Domestic ") << c.weight);
        const std::optional<Headroom> headroom = HeadroomOf(c.commercial, c.weight, c.table);
        ASSERT_EQ(headroom.has_value(), *c.text != '\0');
        if (!headroom) {
            continue;
        }
        const auto step = [](const std::optional<HeadroomStep>& s) {
            return s ? s->rating + QLatin1Char('@') + QString::number(s->limit) + QLatin1Char(':') +
                           QString::number(s->amount, 'g', QLocale::FloatingPointShortest)
                     : QString();
        };
        EXPECT_EQ(step(headroom->better), c.better);
        EXPECT_EQ(step(headroom->worse), c.worse);
        const int column = ChooseRatingsColumn(c.commercial, c.weight);
        EXPECT_EQ(HeadroomText(c.weight, SummaryRatingOfColumn(c.table, column), *headroom),
                  c.text);
    }
}
