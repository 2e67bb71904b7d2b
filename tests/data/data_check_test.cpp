#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/data_check.h"
#include "data/table_text.h"
#include "rating/rating.h"

namespace {

QStringList FindingLines(const QStringList& weights, const QStringList& catalogue,
                         const TableCuts& cuts = {}) {
    QStringList lines;
    for (const DataFinding& finding : CheckDataTables(weights, catalogue, cuts)) {
        lines << FindingLine(finding);
    }
    return lines;
}

const QStringList kWeights = {
    "Profile,Area", "A1,1.2", "A2,abc", "A1,1.20", "A3,0.9", "A3,1.1", "", "A4", "Z1,0",
};

}  // namespace

TEST(DataCheck, TheBuiltInTablesHaveNoFindings) {
    EXPECT_EQ(
        FindingLines(LinesOfText(BuiltInWeightsTable()), LinesOfText(BuiltInSystemCatalogue())),
        QStringList());
}

TEST(DataCheck, EachFaultIsFoundWithItsLine) {
    const QStringList catalogue = {
        "Sys 1,0.00", "A1,A2,A9F", "A3,B7,",
        "A4",         "XX",  // B7 unweighed; the empty piece is no code
        "Sys 1,0.00", "A1",        "A1",
        "A1",         "X",   // listed twice
        "Half",       "A1",  // cut short
    };
    EXPECT_EQ(FindingLines(kWeights, catalogue),
              QStringList({
                  "GGWeights.Dat:3: A2 has the weight \"abc\", which is not a number; it counts "
                  "as 0",
                  "GGWeights.Dat:6: A3 has two weights: 0.9 on line 5 and 1.1 on line 6; line 6 "
                  "counts",
                  "GGWeights.Dat:8: A4 has no weight: the line has no comma; it counts as 0",
                  "GGSystem.Dat:3: Sys 1 offers the vent frame B7, which has no line in "
                  "GGWeights.Dat, so a Domestic window with it has no rating",
                  "GGSystem.Dat:6: the system \"Sys 1,0.00\" is listed twice, on lines 1 and 6; "
                  "each entry offers the profiles on lines 7 to 9",
                  "GGSystem.Dat:11: the last system, \"Half\", has only 2 of its 5 lines, so it "
                  "is not offered",
              }));
    // Trailing empty lines after the last block are no fault; a heading elsewhere is a line.
    EXPECT_EQ(FindingLines({"Profile,Area", "A1,1"}, {"S", "A1", "A1", "A1", "X", "", ""}),
              QStringList());
    EXPECT_EQ(FindingLines({"A1,1", "Profile,Area"}, {}),
              QStringList({"GGWeights.Dat:2: Profile has the weight \"Area\", which is not a "
                           "number; it counts as 0"}));
}

TEST(DataCheck, SeveralWeightsNameTheLineThatCountsAndACutFileItsLostLines) {
    // The lookup takes a code's last line: "x" on line 2 does not count, line 5 does.
    const QStringList weights = {"Profile,Area", "B1,x", "B1,1.5", "C1,2", "B1,1.50", "B1,2"};
    EXPECT_EQ(FindingLines(weights, {"S", "C1,Q1", "C1", "C1", ""}, {{4, 110}, {6, 1}}),
              QStringList({
                  "GGWeights.Dat:2: B1 has the weight \"x\", which is not a number",
                  "GGWeights.Dat:4: the text after a zero byte is not read: 110 lines",
                  "GGWeights.Dat:6: B1 has three weights: \"x\" on line 2, 1.5 on lines 3 and "
                  "5, and 2 on line 6; line 6 counts",
                  "GGSystem.Dat:2: S offers the outer frame Q1, which has no line in "
                  "GGWeights.Dat, so a window with it has no rating",
                  "GGSystem.Dat:6: the text after a zero byte is not read: 1 line",
              }));
    // A zero byte with nothing after it loses nothing.
    EXPECT_EQ(FindingLines({"Profile,Area"}, {}, {{2, 0}, {}}), QStringList());
}

TEST(DataCheck, WeightProblemSaysWhyACodeHasNoUsableWeight) {
    const std::pair<const char*, const char*> cases[] = {
        {"A1", ""},
        {"A3", ""},
        {"B7", "B7 has no line in GGWeights.Dat"},
        {"A2", "the weight \"abc\" of A2 on line 3 of GGWeights.Dat is not a number"},
        {"Z1", "Z1 weighs 0 kg/m on line 9 of GGWeights.Dat"},
        {"", "no profile is chosen"},
    };
    for (const auto& [code, problem] : cases) {
        const QString c = QString::fromLatin1(code);
        const FoundWeightLines found = FindWeightLines(TextOfLines(kWeights), c, c, c);
        EXPECT_EQ(WeightProblemOfLine(c, found.outerFrameLine, found.texts.outerFrame),
                  QString::fromLatin1(problem))
            << code;
    }
}
