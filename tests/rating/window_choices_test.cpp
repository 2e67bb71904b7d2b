#include "rating/window_choices.h"

#include <gtest/gtest.h>

#include "data/builtin_tables.h"

namespace {

ProductTables BuiltIn() {
    return ProductTablesOf(BuiltInWeightsTable(), BuiltInSystemCatalogue(),
                           BuiltInBreRatingsTable(), BuiltInProductList());
}

ChoicesQuery Query(const QString& system, bool allSystems, bool commercial,
                   std::optional<QString> betterThan = std::nullopt, size_t limit = kMostChoices) {
    return {system, allSystems, commercial, std::move(betterThan), limit};
}

// Alpha: A11 and A12 weigh the same; Beta: B10 is lighter than any of Alpha, B11 has no weight.
ProductTables TwoSystems() {
    return ProductTablesOf(
        "Profile,Area\nA10,0.95\nA11,0.85\nA12,0.85\nA20,0.8\nA21,0.9\nA30,0.8\n"
        "B10,0.7\nB20,0.8\nB30,0.8\n",
        "Alpha,0.00\nA10,A11,A12\nA20,A21\nA30\n\nBeta,0.00\nB10,B11\nB20\nB30\n\n",
        BuiltInBreRatingsTable(), BuiltInProductList());
}

// A line as "System: outer/vent/transom weight rating", "*" for a profile that does not count.
std::string LineText(const WindowChoice& c) {
    return QStringLiteral("%1: %2/%3/%4 %5 %6")
        .arg(c.systemName.trimmed(), c.outerFrame, c.ventFrame.value_or("*"),
             c.transomMullion.value_or("*"), FormatProfileWeight(c.weight),
             c.summaryRating.isEmpty() ? QStringLiteral("-") : c.summaryRating)
        .toStdString();
}

// Every line rated by rate's routine gives the line's weight, column and rating; a profile that
// does not count may be any of the system's codes.
void ExpectRatedAsRateDoes(const ProductTables& tables, const WindowChoices& choices) {
    for (const WindowChoice& c : choices.lines) {
        const SystemCodes codes = SystemCodesOf(tables.catalogueLines, c.systemHeader);
        for (const QString& any : {QStringLiteral("first"), QStringLiteral("last")}) {
            const auto pick = [&any](const std::optional<QString>& code, const QStringList& all) {
                return code ? *code : any == "first" ? all.first() : all.last();
            };
            QString error;
            const auto rated =
                RateRequest(tables,
                            {c.systemHeader, c.outerFrame, pick(c.ventFrame, codes.ventFrames),
                             pick(c.transomMullion, codes.transomMullions), c.commercial},
                            &error);
            ASSERT_TRUE(rated) << error.toStdString();
            EXPECT_EQ(rated->rating.weight, c.weight) << LineText(c);
            EXPECT_EQ(rated->rating.column, c.column) << LineText(c);
            EXPECT_EQ(rated->rating.column > 0 ? rated->ratings.summaryRating : QString(),
                      c.summaryRating)
                << LineText(c);
        }
    }
}

}  // namespace

TEST(WindowChoices, GroupedAndOrderedBestFirstThenTheSameSystemThenLightest) {
    const std::optional<QString> all;
    const struct {
        ProductTables tables;
        const char* system;
        bool allSystems;
        bool commercial;
        std::optional<QString> betterThan;
        size_t limit;
        std::vector<std::string> lines;  // all of them, or the first ones when count is given
        size_t count;
        bool cut;
    } cases[] = {
        // The worked example: Pelvanor 55 at A has nothing better of its own; other systems'
        // outer frames reach A+, one line each, lightest first.
        {BuiltIn(), "Pelvanor 55", false, true, QStringLiteral("A"), kMostChoices, {}, 0, false},
        {BuiltIn(),
         "Pelvanor 55",
         true,
         true,
         QStringLiteral("A"),
         kMostChoices,
         {"Meridan 50: SLM110/*/* 0.633 A+", "Meridan 50: SLM111/*/* 0.659 A+",
          "Meridan 50: SLM112/*/* 0.684 A+", "Pelvanor 47: PRF010/*/* 0.698 A+",
          "Meridan 50: SLM113/*/* 0.710 A+", "Pelvanor 47: PRF011/*/* 0.721 A+",
          "Pelvanor 47: PRF012/*/* 0.754 A+", "Meridan 50 Vantrel: VTR110/*/* 0.774 A+",
          "Meridan 50 Vantrel: VTR111/*/* 0.806 A+", "Pelvanor 62: PRF210/*/* 0.812 A+",
          "Pelvanor 47: PRF014/*/* 0.813 A+", "Pelvanor 62: PRF211/*/* 0.844 A+",
          "Pelvanor 62: PRF212/*/* 0.875 A+"},
         13,
         false},
        // Every line of one system: an outer frame once, not once per vent and transom.
        {BuiltIn(),
         "Pelvanor 55",
         false,
         true,
         all,
         kMostChoices,
         {"Pelvanor 55: PRF111/*/* 0.900 A", "Pelvanor 55: PRF110/*/* 0.918 A",
          "Pelvanor 55: PRF110A/*/* 0.943 A", "Pelvanor 55: PRF112/*/* 0.987 A",
          "Pelvanor 55: PRF113/*/* 1.024 A", "Pelvanor 55: PRF114/*/* 1.061 A"},
         6,
         false},
        // Domestic: every combination, none grouped.
        {BuiltIn(), "Pelvanor 75", false, false, all, kMostChoices, {}, 10 * 9 * 6, false},
        // The query's system before others of the same rating; ties in catalogue order;
        // unrated last.
        {TwoSystems(),
         "Alpha",
         true,
         true,
         all,
         kMostChoices,
         {"Alpha: A11/*/* 0.850 A+", "Alpha: A12/*/* 0.850 A+", "Beta: B10/*/* 0.700 A+",
          "Alpha: A10/*/* 0.950 A", "Beta: B11/*/* 0.000 -"},
         5,
         false},
        {TwoSystems(),
         "Beta",
         true,
         true,
         QString(),
         kMostChoices,
         {"Beta: B10/*/* 0.700 A+", "Alpha: A11/*/* 0.850 A+", "Alpha: A12/*/* 0.850 A+",
          "Alpha: A10/*/* 0.950 A"},
         4,
         false},
        {TwoSystems(),
         "Alpha",
         false,
         false,
         all,
         kMostChoices,
         {"Alpha: A11/A20/A30 0.824 A", "Alpha: A12/A20/A30 0.824 A", "Alpha: A11/A21/A30 0.862 A",
          "Alpha: A12/A21/A30 0.862 A", "Alpha: A10/A20/A30 0.873 A", "Alpha: A10/A21/A30 0.911 A"},
         6,
         false},
        {TwoSystems(),
         "Beta",
         true,
         false,
         QStringLiteral("B"),
         kMostChoices,
         {"Beta: B10/B20/B30 0.751 A", "Alpha: A11/A20/A30 0.824 A"},
         7,
         false},
        {TwoSystems(),
         "",
         true,
         false,
         all,
         3,
         {"Beta: B10/B20/B30 0.751 A", "Alpha: A11/A20/A30 0.824 A", "Alpha: A12/A20/A30 0.824 A"},
         3,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.system << (c.allSystems ? " all" : " one")
                                        << (c.commercial ? " Commercial" : " Domestic") << " than "
                                        << c.betterThan.value_or("(every line)").toStdString());
        QString error;
        const auto choices = WindowChoicesOf(
            c.tables, {c.system, c.allSystems, c.commercial, c.betterThan, c.limit}, &error);
        ASSERT_TRUE(choices) << error.toStdString();
        EXPECT_EQ(choices->lines.size(), c.count);
        EXPECT_EQ(choices->cut, c.cut);
        EXPECT_TRUE(choices->codesLeftOut.isEmpty());
        for (size_t i = 0; i < c.lines.size() && i < choices->lines.size(); ++i) {
            EXPECT_EQ(LineText(choices->lines[i]), c.lines[i]) << i;
        }
        ExpectRatedAsRateDoes(c.tables, *choices);
    }
    QString error;
    EXPECT_FALSE(WindowChoicesOf(BuiltIn(), Query("Pelvanor 99", false, true), &error));
    EXPECT_TRUE(error.contains(QLatin1String("Pelvanor 9"))) << error.toStdString();
}

namespace {

// A catalogue of one system, "Big", with the given codes per profile and their weights.
ProductTables OneSystem(const QList<double> weights[3]) {
    QString table = QStringLiteral("Profile,Area\n");
    QStringList lines[3];
    for (int k = 0; k < 3; ++k) {
        for (qsizetype i = 0; i < weights[k].size(); ++i) {
            const QString code = QStringLiteral("%1%2").arg(QLatin1Char("OVT"[k])).arg(i);
            lines[k] << code;
            if (weights[k][i] != 0) {  // 0: no weight line at all
                table += code + QLatin1Char(',') + QString::number(weights[k][i], 'g', 17) + '\n';
            }
        }
    }
    return ProductTablesOf(table,
                           QStringLiteral("Big,0.00\n%1\n%2\n%3\n\n")
                               .arg(lines[0].join(','), lines[1].join(','), lines[2].join(',')),
                           BuiltInBreRatingsTable(), BuiltInProductList());
}

}  // namespace

// Domestic lines are found band by band over the codes sorted by weight. A worked example with
// every kind of weight: a code without a weight line (O3), one below 0 (V1), two alike (O1 and
// O2), and every band; with 1480 mm of transom, 4190 of vent and 5420 of outer frame in 11090,
// O0/V1/T0 weighs (5420 x 0.7 - 4190 x 0.5 + 1480 x 0.88) / 11090 = 0.271.
TEST(WindowChoices, DomesticLinesAreListedBestFirstThenLightest) {
    const QList<double> weights[3] = {{0.7, 0.9, 0.9, 0}, {0.8, -0.5, 1.3}, {0.88, 1.2}};
    const ProductTables tables = OneSystem(weights);
    // Every combination in order: rated A below 1.08, B from it, unrated last in catalogue order.
    const std::vector<std::string> every = {
        "Big: O0/V1/T0 0.271 A", "Big: O0/V1/T1 0.313 A", "Big: O1/V1/T0 0.368 A",
        "Big: O2/V1/T0 0.368 A", "Big: O1/V1/T1 0.411 A", "Big: O2/V1/T1 0.411 A",
        "Big: O0/V0/T0 0.762 A", "Big: O0/V0/T1 0.805 A", "Big: O1/V0/T0 0.860 A",
        "Big: O2/V0/T0 0.860 A", "Big: O1/V0/T1 0.902 A", "Big: O2/V0/T1 0.902 A",
        "Big: O0/V2/T0 0.951 A", "Big: O0/V2/T1 0.993 A", "Big: O1/V2/T0 1.048 A",
        "Big: O2/V2/T0 1.048 A", "Big: O1/V2/T1 1.091 B", "Big: O2/V2/T1 1.091 B",
        "Big: O3/V0/T0 0.000 -", "Big: O3/V0/T1 0.000 -", "Big: O3/V1/T0 0.000 -",
        "Big: O3/V1/T1 0.000 -", "Big: O3/V2/T0 0.000 -", "Big: O3/V2/T1 0.000 -"};
    const struct {
        std::optional<QString> betterThan;
        size_t limit;
        size_t count;  // the first lines of every
        bool cut;
    } cases[] = {
        {std::nullopt, kMostChoices, 24, false},
        {std::nullopt, 7, 7, true},
        {QStringLiteral("B"), kMostChoices, 16, false},  // the A lines
        {QStringLiteral("B"), 1, 1, true},
        {QString(), kMostChoices, 18, false},  // the rated lines
        {QString(), 18, 18, false},
        {QString(), 17, 17, true},
        {QStringLiteral("A"), kMostChoices, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "than " << c.betterThan.value_or("-").toStdString()
                                        << " limit " << c.limit);
        QString error;
        const auto choices =
            WindowChoicesOf(tables, {"Big", false, false, c.betterThan, c.limit}, &error);
        ASSERT_TRUE(choices) << error.toStdString();
        std::vector<std::string> listed;
        for (const WindowChoice& line : choices->lines) {
            listed.push_back(LineText(line));
        }
        EXPECT_EQ(listed, std::vector<std::string>(every.begin(), every.begin() + c.count));
        EXPECT_EQ(choices->cut, c.cut);
    }
}

// 300 codes a profile are 27 million combinations: the list is cut, not every one made; past
// kMostCodesCombined codes of a profile, the rest are left out and named.
TEST(WindowChoices, LongCataloguesAreCutAndSaySo) {
    QList<double> weights[3];
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < 300; ++i) {
            weights[k] << 0.6 + i * 0.003;
        }
    }
    const ProductTables tables = OneSystem(weights);
    QString error;
    const auto domestic = WindowChoicesOf(tables, Query("Big", false, false), &error);
    ASSERT_TRUE(domestic);
    EXPECT_TRUE(domestic->cut);
    ASSERT_EQ(domestic->lines.size(), kMostChoices);
    EXPECT_EQ(LineText(domestic->lines.front()), "Big: O0/V0/T0 0.600 A");
    EXPECT_TRUE(domestic->codesLeftOut.isEmpty());
    const auto commercial = WindowChoicesOf(tables, Query("Big", false, true), &error);
    EXPECT_FALSE(commercial->cut);
    EXPECT_EQ(commercial->lines.size(), 300u);
    EXPECT_EQ(LineText(commercial->lines.back()), "Big: O299/*/* 1.497 A");

    weights[0].clear();
    for (int i = 0; i <= kMostCodesCombined; ++i) {
        weights[0] << 2.0 - i * 0.0005;  // the code past the bound is the lightest
    }
    const ProductTables longer = OneSystem(weights);
    const auto left = WindowChoicesOf(longer, {"Big", false, false, std::nullopt, 1}, &error);
    EXPECT_EQ(left->codesLeftOut, QStringList{"Big"});
    EXPECT_EQ(left->lines.front().outerFrame, QStringLiteral("O%1").arg(kMostCodesCombined - 1));
    EXPECT_EQ(WindowChoicesOf(longer, Query("Big", false, true), &error)->lines.front().outerFrame,
              QStringLiteral("O%1").arg(kMostCodesCombined));
}

// A line whose vent frame and transom/mullion do not count keeps the current window's codes
// where its system offers them, else takes the system's first.
TEST(WindowChoices, ChoosingALineKeepsTheCodesThatDoNotCountWhereTheSystemHasThem) {
    const ProductTables tables = BuiltIn();
    WindowChoice choice;
    choice.systemHeader = "Pelvanor 47,0.01";
    choice.outerFrame = "PRF012";
    const struct {
        std::optional<QString> vent, transom;
        const char* wantVent;
        const char* wantTransom;
    } cases[] = {
        {"PRF021", "PRF031", "PRF021", "PRF031"},  // both offered by Pelvanor 47
        {"PRF120", "PRF030", "PRF020", "PRF030"},  // PRF120 is Pelvanor 55's
        {std::nullopt, std::nullopt, "PRF020", "PRF020"},
    };
    for (const auto& c : cases) {
        const WindowRequest request =
            RequestOfChoice(tables, choice, {"Pelvanor 55", "PRF110", c.vent, c.transom, true});
        EXPECT_EQ(request.system, "Pelvanor 47,0.01");
        EXPECT_EQ(request.outerFrame, "PRF012");
        EXPECT_EQ(request.ventFrame, c.wantVent);
        EXPECT_EQ(request.transomMullion, c.wantTransom);
    }
    choice.ventFrame = "PRF022";
    EXPECT_EQ(RequestOfChoice(tables, choice, {"Pelvanor 47", "PRF010", "PRF021", "PRF020", false})
                  .ventFrame,
              "PRF022");
}
