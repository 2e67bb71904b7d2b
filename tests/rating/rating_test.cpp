#include "rating/rating.h"

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/table_fields.h"

namespace {

// Weight and column of a window, as the recalculation works them out from the weights table.
struct Result {
    QString shown;
    int column;
};

Result Rate(const QStringList& weights, bool commercial, const QString& of, const QString& vf,
            const QString& tm) {
    const WindowRating rated =
        RateWindow(FindWeightLines(TextOfLines(weights), of, vf, tm).texts, commercial);
    return {FormatProfileWeight(rated.weight), rated.column};
}

QStringList BuiltInWeights() {
    return LinesOfText(BuiltInWeightsTable());
}

}  // namespace

TEST(WeightsLookup, LastMatchingLineWinsAndNothingIsTrimmed) {
    const QStringList table = {"Profile,Area", "PRF1,0.5",  "",    "PRF2,0.7",
                               "PRF1,0.9",     " PRF3,1.0", "PRF4"};
    ProfileWeightTexts found = FindWeightLines(TextOfLines(table), "PRF1", "PRF2", "PRF3").texts;
    EXPECT_EQ(found.outerFrame, "0.9");
    EXPECT_EQ(found.ventFrame, "0.7");
    EXPECT_EQ(found.transomMullion, "");  // " PRF3" is another code
    // A line without a comma is its own weight text, which reads as 0.
    found = FindWeightLines(TextOfLines(table), "PRF4", "", "Profile").texts;
    EXPECT_EQ(found.outerFrame, "PRF4");
    // An empty selector matches the empty line, whose weight is empty too.
    EXPECT_EQ(found.ventFrame, "");
    // The heading is matched like any line.
    EXPECT_EQ(found.transomMullion, "Area");
    EXPECT_EQ(TextToNumber(found.transomMullion, 0), 0);
}

TEST(WeightsLookup, TheTextIsScannedAsItsLinesAre) {
    // Straight over the table's text: the same lines as the text rules split, the last match
    // winning, and no line after a final line break (an empty selector would match it).
    const QString texts[] = {
        "Profile,Area\nPRF1,0.5\n\nPRF2,0.7\nPRF1,0.9\n PRF3,1.0\nPRF4",
        "PRF1,0.5\n,5\n",
        ",5\n\n",
        "\n",
        "",
        "PRF2,0.7,x\nPRF4\nPRF1,",
        BuiltInWeightsTable(),
    };
    const char* const codes[][3] = {
        {"PRF1", "PRF2", "PRF3"}, {"PRF4", "", "Profile"}, {"", "PRF010", "PRF1"}};
    for (const QString& text : texts) {
        for (const auto& c : codes) {
            const ProfileWeightTexts viaText =
                FindWeightLines(QStringView(text), c[0], c[1], c[2]).texts;
            const ProfileWeightTexts viaLines =
                FindWeightLines(TextOfLines(LinesOfText(text)), c[0], c[1], c[2]).texts;
            EXPECT_EQ(viaText.outerFrame, viaLines.outerFrame) << text.left(30).toStdString();
            EXPECT_EQ(viaText.ventFrame, viaLines.ventFrame) << text.left(30).toStdString();
            EXPECT_EQ(viaText.transomMullion, viaLines.transomMullion)
                << text.left(30).toStdString();
        }
    }
    // An editor's text as it holds it: its paragraph and line separators end lines too.
    const ProfileWeightTexts edited =
        FindWeightLines(QStringView(u"PRF1,0.5\u2029PRF2,0.7\u2028PRF1,0.9\u2029,5\u2029"), "PRF1",
                        "PRF2", "")
            .texts;
    EXPECT_EQ(edited.outerFrame, "0.9");
    EXPECT_EQ(edited.ventFrame, "0.7");
    EXPECT_EQ(edited.transomMullion, "5");
    // The lines found are counted from 0, as the text rules split them.
    const FoundWeightLines lines = FindWeightLines(
        QStringView(u"Profile,Area\nPRF1,0.5\n\nPRF1,x\u2029PRF2,1"), "PRF1", "PRF2", "PRF9");
    EXPECT_EQ(lines.outerFrameLine, 3);
    EXPECT_EQ(lines.texts.outerFrame, "x");
    EXPECT_EQ(lines.ventFrameLine, 4);
    EXPECT_EQ(lines.transomMullionLine, -1);
    EXPECT_EQ(FindWeightLines(QStringView(u",5\n"), "", "", "").texts.outerFrame, "5");
    EXPECT_EQ(FindWeightLines(QStringView(u",5\n\n"), "", "", "").texts.outerFrame, "");
}

TEST(WeightsLookup, EveryArrangementOfCommasAndLineEndsIsScannedAlike) {
    // Texts of every length up to 40 from a few characters, against the lookup over the lines
    // that the text rules split.
    const char16_t pieces[] = {u'a', u'a', u',', u'\n', u'\u2028', u'\u2029', u' ', u'1'};
    unsigned seed = 12345;
    for (int round = 0; round < 400; ++round) {
        QString text;
        for (int i = 0; i < round % 41; ++i) {
            seed = seed * 1103515245u + 12345u;
            text += QChar(pieces[(seed >> 16) % 8]);
        }
        QString split = text;
        split.replace(QChar(u'\u2028'), QLatin1Char('\n'))
            .replace(QChar(u'\u2029'), QLatin1Char('\n'));
        const FoundWeightLines found = FindWeightLines(text, "a", "", "aa");
        const ProfileWeightTexts expected =
            FindWeightLines(TextOfLines(LinesOfText(split)), "a", "", "aa").texts;
        ASSERT_EQ(found.texts.outerFrame, expected.outerFrame) << text.toStdString();
        ASSERT_EQ(found.texts.ventFrame, expected.ventFrame) << text.toStdString();
        ASSERT_EQ(found.texts.transomMullion, expected.transomMullion) << text.toStdString();
        // The index of many look-ups finds the same texts on the same lines.
        const FoundWeightLines indexed = WeightIndex(text).Find("a", "", "aa");
        ASSERT_EQ(indexed.texts.outerFrame, found.texts.outerFrame) << text.toStdString();
        ASSERT_EQ(indexed.texts.ventFrame, found.texts.ventFrame) << text.toStdString();
        ASSERT_EQ(indexed.texts.transomMullion, found.texts.transomMullion);
        ASSERT_EQ(indexed.outerFrameLine, found.outerFrameLine) << text.toStdString();
        ASSERT_EQ(indexed.ventFrameLine, found.ventFrameLine) << text.toStdString();
        ASSERT_EQ(indexed.transomMullionLine, found.transomMullionLine) << text.toStdString();
    }
}

TEST(ProfileWeight, WorkedExamplesFromTheBuiltInTable) {
    const QStringList weights = BuiltInWeights();
    Result r = Rate(weights, false, "PRF010", "PRF020", "PRF020");
    EXPECT_EQ(r.shown, "0.709");
    EXPECT_EQ(r.column, 1);
    r = Rate(weights, false, "PRF110", "PRF120", "PRF130");
    EXPECT_EQ(r.shown, "1.013");
    EXPECT_EQ(r.column, 2);
    r = Rate(weights, true, "PRF110", "PRF999", "");
    EXPECT_EQ(r.shown, "0.918");
    EXPECT_EQ(r.column, 5);
    r = Rate(weights, true, "PRF010", "PRF020", "PRF020");
    EXPECT_EQ(r.shown, "0.698");
    EXPECT_EQ(r.column, 4);
    // A code listed twice with the same weight counts once.
    r = Rate(weights, true, "PRF320", "", "");
    EXPECT_EQ(r.shown, "0.719");
}

TEST(ProfileWeight, DomesticMeanIsLengthWeightedInExtendedPrecision) {
    EXPECT_DOUBLE_EQ(ProfileWeightOf(false, 0.698112, 0.71928, 0.71928),
                     (5420 * 0.698112 + 4190 * 0.71928 + 1480 * 0.71928) / 11090);
    // In doubles this mean is 0.8799999999999999, the lighter band.
    EXPECT_EQ(ProfileWeightOf(false, 0.88, 0.88, 0.88), 0.88);
    EXPECT_EQ(ChooseRatingsColumn(false, ProfileWeightOf(false, 0.88, 0.88, 0.88)), 2);
    EXPECT_EQ(ChooseRatingsColumn(false, ProfileWeightOf(false, 1.08, 1.08, 1.08)), 3);
    // Any missing weight makes the Domestic weight 0; Commercial reads the outer frame only.
    EXPECT_EQ(ProfileWeightOf(false, 0.7, 0, 0.7), 0);
    EXPECT_EQ(ProfileWeightOf(true, 0.7, 0, 0), 0.7);
    EXPECT_EQ(ProfileWeightOf(true, 0, 0.7, 0.7), 0);
    EXPECT_EQ(kTotalProfileLength, 11090);
    EXPECT_EQ(kOuterFrameLength + kVentFrameLength + kTransomMullionLength, 11090);
}

TEST(RatingsColumn, BandsIncludeTheirLowerThreshold) {
    struct Case {
        bool commercial;
        double weight;
        int column;
    };
    const Case cases[] = {
        {true, 0.0, -1},     {true, -0.5, -1},     {true, 1e-9, 4},       {true, 0.8999999, 4},
        {true, 0.9, 5},      {true, 1.2499999, 5}, {true, 1.25, 6},       {true, 1.5, 7},
        {true, 1.75, 8},     {true, 99, 8},        {false, 0.0, -1},      {false, -1, -1},
        {false, 0.87999, 1}, {false, 0.88, 2},     {false, 1.0799999, 2}, {false, 1.08, 3},
        {false, 5, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseRatingsColumn(c.commercial, c.weight), c.column)
            << (c.commercial ? "Commercial " : "Domestic ") << c.weight;
    }
}

TEST(RatingsColumn, MissingAndBadWeights) {
    const QStringList weights = {"Profile,Area", "PRF1,0.95", "PRF2,0.9", "PRF3,abc", "PRF4,-0.5"};
    // A missing vent frame leaves Commercial alone but makes Domestic unrated.
    EXPECT_EQ(Rate(weights, true, "PRF1", "GONE", "PRF2").column, 5);
    Result r = Rate(weights, false, "PRF1", "GONE", "PRF2");
    EXPECT_EQ(r.shown, "0.000");
    EXPECT_EQ(r.column, -1);
    // A missing outer frame unrates Commercial too.
    r = Rate(weights, true, "GONE", "PRF1", "PRF2");
    EXPECT_EQ(r.shown, "0.000");
    EXPECT_EQ(r.column, -1);
    EXPECT_EQ(Rate(weights, true, "PRF3", "", "").column, -1);
    r = Rate(weights, true, "PRF4", "", "");
    EXPECT_EQ(r.shown, "-0.500");
    EXPECT_EQ(r.column, -1);
    EXPECT_EQ(Rate(weights, true, "Profile", "", "").column, -1);
}

TEST(FormatProfileWeight, ThreeDecimalsHalvesAwayFromZero) {
    EXPECT_EQ(FormatProfileWeight(0), "0.000");
    EXPECT_EQ(FormatProfileWeight(0.7089343), "0.709");
    EXPECT_EQ(FormatProfileWeight(1.0125599), "1.013");
    EXPECT_EQ(FormatProfileWeight(2.253), "2.253");
    EXPECT_EQ(FormatProfileWeight(0.0625), "0.063");  // an exact tie
    EXPECT_EQ(FormatProfileWeight(0.0005), "0.001");  // just above the tie in binary
    EXPECT_EQ(FormatProfileWeight(0.9995), "1.000");
    EXPECT_EQ(FormatProfileWeight(12345.6789), "12345.679");
    EXPECT_EQ(FormatProfileWeight(-0.0625), "-0.063");
}

TEST(GridRows, FollowTheBreRatingsTable) {
    EXPECT_EQ(GridRowCount(19), 16);
    EXPECT_EQ(GridRowCount(10), 7);
    EXPECT_EQ(GridRowCount(2), 0);
}
