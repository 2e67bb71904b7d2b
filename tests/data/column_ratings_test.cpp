#include "data/column_ratings.h"

#include <gtest/gtest.h>

#include "data/table_fields.h"

namespace {

// A BRE ratings table cut to two columns, its impact rows alike.
QStringList TwoColumnTable() {
    QStringList lines = {"Column,1,2", "Band,up to 0.9,0.9 to 1.25", "Element,806170001,806170002",
                         "Summary,A,B"};
    for (int r = 4; r <= 16; ++r) {
        lines << QStringLiteral("Impact %1,A+,C").arg(r);
    }
    lines << "kg CO2,51,63"
          << "Summary,A,B";
    return lines;
}

}  // namespace

TEST(ColumnRatings, ShownTextsAndTheirFallBacks) {
    const QStringList table = TwoColumnTable();
    const struct {
        int column;
        const char *band, *element, *co2, *summary, *firstImpact;
    } cases[] = {
        {1, "up to 0.9", "806170001", "51", "A", "A+"},
        {2, "0.9 to 1.25", "806170002", "63", "B", "C"},
        // A column past the table's reads its last field.
        {5, "0.9 to 1.25", "806170002", "63", "B", "C"},
        {0, "??", "npd", "npd", "XXXXXXXX", "npd"},
        {-1, "??", "npd", "npd", "XXXXXXXX", "npd"},
    };
    for (const auto& c : cases) {
        const ColumnRatings shown = ShownRatingsOfColumn(table, c.column);
        EXPECT_EQ(shown.weightBand, c.band) << c.column;
        EXPECT_EQ(shown.elementNumber, c.element) << c.column;
        EXPECT_EQ(shown.co2, c.co2) << c.column;
        EXPECT_EQ(shown.summaryRating, c.summary) << c.column;
        ASSERT_EQ(shown.impacts.size(), 13) << c.column;
        EXPECT_EQ(shown.impacts[0], std::make_pair(QString("Impact 4"), QString(c.firstImpact)));
        EXPECT_EQ(shown.impacts[12].first, "Impact 16");
        // The labels are the table's either way.
        EXPECT_EQ(shown.co2Label, "kg CO2");
    }
    // A table too short for a row reads it as empty.
    const ColumnRatings cut = ShownRatingsOfColumn(table.mid(0, 3), 1);
    EXPECT_EQ(cut.summaryRating, "");
    EXPECT_EQ(cut.impacts[0].first, "");
    EXPECT_EQ(FieldOfRow(table, 19, 0), "");
    EXPECT_EQ(FieldOfRow(table, -1, 0), "");
    EXPECT_EQ(FieldOfRow(table, 2, 2), "806170002");
}
