#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/data_check.h"
#include "data/table_text.h"
#include "rating/rating.h"

namespace {

QStringList FindingLines(const QStringList& weights, const QStringList& catalogue) {
    QStringList lines;
    for (const DataFinding& finding : CheckDataTables(weights, catalogue)) {
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
                  "GGWeights.Dat:3: the weight \"abc\" of A2 is not a number; it counts as 0",
                  "GGWeights.Dat:6: A3 weighs 1.1 here but 0.9 on line 5; this last line counts",
                  "GGWeights.Dat:8: the weight \"A4\" of A4 is not a number; it counts as 0",
                  "GGSystem.Dat:3: B7 of Sys 1 has no line in GGWeights.Dat",
                  "GGSystem.Dat:6: the system \"Sys 1,0.00\" is listed again (first on line 1)",
                  "GGSystem.Dat:11: the last system block has 2 of its 5 lines; it is not offered",
              }));
    // Trailing empty lines after the last block are no fault; a heading elsewhere is a line.
    EXPECT_EQ(FindingLines({"Profile,Area", "A1,1"}, {"S", "A1", "A1", "A1", "X", "", ""}),
              QStringList());
    EXPECT_EQ(FindingLines({"A1,1", "Profile,Area"}, {}),
              QStringList({"GGWeights.Dat:2: the weight \"Area\" of Profile is not a number; "
                           "it counts as 0"}));
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
