#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/data_check.h"
#include "data/table_fields.h"
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
                  "GGWeights.Dat:9: Z1 weighs 0 kg/m; a weight must be more than 0",
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

TEST(DataCheck, TypingSlipsAreNamedWithTheirLine) {
    struct Case {
        const char* name;
        QStringList weights;
        QStringList catalogue;
        QStringList findings;
    };
    const QStringList weighed = {"Profile,Area", "A1,1", "A2,1", "A3,1"};
    const QStringList s1 = {"S1,0.00", "A1,A9F", "A2", "A3", "XX"};
    const QStringList s2 = {"S2,0.00", "A1", "A2", "A3", "XX"};
    QStringList builtInPlusOne = LinesOfText(BuiltInSystemCatalogue());
    builtInPlusOne << "Pelvanor 99,0.00"
                   << "PRF110"
                   << "PRF120"
                   << "PRF130"
                   << "XX";
    const Case cases[] = {
        {"decimal comma",
         {"Profile,Area", "PRF120,1,1637", "PRF620,0,95", "PRF621, -1 ,5 "},
         {},
         {"GGWeights.Dat:2: PRF120 reads 1; did you mean 1.1637? a comma is the field separator",
          "GGWeights.Dat:3: PRF620 reads 0; did you mean 0.95? a comma is the field separator",
          "GGWeights.Dat:4: PRF621 reads -1; did you mean -1.5? a comma is the field separator"}},
        {"a number after the weight",
         {"Profile,Area", "PRF121,1.5,3", "PRF122,1.2,x", "PRF123,1.2,"},
         {},
         {"GGWeights.Dat:2: PRF121 reads 1.5; the number 3 after the next comma is not read: a "
          "comma is the field separator"}},
        {"implausible weights",
         {"Profile,Area", "PRF124,0", "PRF125,-1.2", "PRF126,16.37", "PRF127,10", "PRF128,0.01"},
         {},
         {"GGWeights.Dat:2: PRF124 weighs 0 kg/m; a weight must be more than 0",
          "GGWeights.Dat:3: PRF125 weighs -1.2 kg/m; a weight must be more than 0",
          "GGWeights.Dat:4: PRF126 weighs 16.37 kg/m, more than an aluminium profile weighs (at "
          "most 10 kg/m)"}},
        {"a system added after the built-in catalogue's empty last line",
         LinesOfText(BuiltInWeightsTable()),
         builtInPlusOne,
         {"GGSystem.Dat:71: line 71 is empty, so the system that starts at line 72 is read from "
          "line 71: remove the empty line"}},
        {"an empty line between systems",
         weighed,
         s1 + QStringList{""} + s2,
         {"GGSystem.Dat:6: line 6 is empty, so the system that starts at line 7 is read from "
          "line 6: remove the empty line"}},
        {"a line too many",
         weighed,
         s1 + QStringList{"YY"} + s2 + s2,
         {"GGSystem.Dat:1: the system \"S1,0.00\" on line 1 has 6 lines, not 5, so the system "
          "that starts at line 7 is read from line 6: remove the extra line"}},
        {"a line too few",
         weighed,
         s1.mid(0, 4) + s2,
         {"GGSystem.Dat:1: the system \"S1,0.00\" on line 1 has 4 lines, not 5, so the system "
          "that starts at line 5 is read from line 6: add the missing line"}},
        {"a line before the first system",
         weighed,
         QStringList{"Systems"} + s1 + s2,
         {"GGSystem.Dat:1: the first system starts at line 2, so it is read from line 1: remove "
          "the line before it"}},
        // New codes without weights yet are no slip: the missing weight is the finding.
        {"unweighed codes",
         weighed,
         QStringList{"S1", "A1", "A2", "NEW1", "A1"} + s2,
         {"GGSystem.Dat:4: S1 offers the transom/mullion NEW1, which has no line in "
          "GGWeights.Dat, so a Domestic window with it has no rating"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindingLines(c.weights, c.catalogue), c.findings) << c.name;
    }
}
