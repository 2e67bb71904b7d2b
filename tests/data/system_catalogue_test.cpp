#include "data/system_catalogue.h"

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/table_fields.h"

TEST(SystemCatalogue, OnlyCompleteBlocksCount) {
    EXPECT_TRUE(CompleteBlockStarts(4).empty());
    EXPECT_EQ(CompleteBlockStarts(5), std::vector<int>({0}));
    EXPECT_EQ(CompleteBlockStarts(9), std::vector<int>({0}));
    EXPECT_EQ(CompleteBlockStarts(10), std::vector<int>({0, 5}));
    // 74 lines: 14 blocks, the last four lines ignored.
    EXPECT_EQ(CompleteBlockStarts(74).size(), 14u);
    EXPECT_EQ(CompleteBlockStarts(71).size(), 14u);
}

TEST(SystemCatalogue, VariantSystemsNeedQmt55InTheProductList) {
    const QStringList catalogue = {"Pelvanor 47,0.01",
                                   "A",
                                   "B",
                                   "C",
                                   "X",
                                   "Pelvanor 75 Vantrel,0.45",
                                   "D",
                                   "E",
                                   "F1",
                                   "XX",
                                   "Short",
                                   "G",
                                   "H",
                                   "I"};
    EXPECT_TRUE(VariantSystemsOffered(QStringLiteral("Product\nQMT55\n")));
    EXPECT_FALSE(VariantSystemsOffered(QStringLiteral("Product\nqmt55\nQMT5 5\n")));
    EXPECT_EQ(SystemSelectorEntries(catalogue, true),
              QStringList({"Pelvanor 47,0.01", "Pelvanor 75 Vantrel,0.45"}));
    EXPECT_EQ(SystemSelectorEntries(catalogue, false), QStringList({"Pelvanor 47,0.01"}));
}

TEST(SystemCatalogue, BuiltInCatalogueOffersEverySystem) {
    const QStringList lines = LinesOfText(BuiltInSystemCatalogue());
    const bool variants = VariantSystemsOffered(BuiltInProductList());
    ASSERT_TRUE(variants);
    const QStringList entries = SystemSelectorEntries(lines, variants);
    EXPECT_EQ(entries.size(), 14);
    EXPECT_EQ(entries.first(), "Pelvanor 47,0.01");
    EXPECT_LT(SystemSelectorEntries(lines, false).size(), 14);
}

TEST(SystemCatalogue, CodeLinesKeepEmptyPiecesAndDropFCodes) {
    EXPECT_EQ(OfferedProfileCodes(QStringLiteral("PRF901,PRF902F,")), QStringList({"PRF901", ""}));
    EXPECT_EQ(OfferedProfileCodes(QString()), QStringList({""}));
    EXPECT_EQ(OfferedProfileCodes(QStringLiteral("PRF1F,PRF2F")), QStringList());
    EXPECT_EQ(OfferedProfileCodes(QStringLiteral(" PRF1 ,PRF/2")),
              QStringList({" PRF1 ", "PRF/2"}));
    // A lower-case f is not the marker.
    EXPECT_EQ(OfferedProfileCodes(QStringLiteral("PRF1f")), QStringList({"PRF1f"}));
    QString longLine;
    for (int i = 0; i < 400; ++i) {
        longLine += QStringLiteral("CODE%1,").arg(i, 4, 10, QLatin1Char('0'));
    }
    longLine += QStringLiteral("LAST");
    const QStringList codes = OfferedProfileCodes(longLine);
    EXPECT_EQ(codes.size(), 401);
    EXPECT_EQ(codes.last(), "LAST");
}

TEST(SystemCatalogue, DisplayNames) {
    EXPECT_EQ(SystemDisplayName(QStringLiteral("Pelvanor 47,0.01")), "Pelvanor 47");
    EXPECT_EQ(SystemDisplayName(QStringLiteral("Pelvanor 99(Slim)")), "Pelvanor 99");
    EXPECT_EQ(SystemDisplayName(QStringLiteral("Pelvanor 99 (Slim)")), "Pelvanor 99 ");
    EXPECT_EQ(SystemDisplayName(QStringLiteral("  Pelvanor 99  ,0.00")), "Pelvanor 99");
    EXPECT_EQ(SystemDisplayName(QStringLiteral("Pelvanor 99")), "Pelvanor 99");
    EXPECT_EQ(SystemDisplayName(QString()), "");
}

TEST(SystemCatalogue, TheLastBlockOfASystemGivesItsCodes) {
    const QStringList catalogue = {"A,1",  "PRF1,PRF2F", "PRF3", "PRF4",   "",    "B,1",
                                   "PRF5", "",           "PRF6", "",       "A,1", "PRF7",
                                   "PRF8", "PRF9",       "",     "C (cut)"};
    const struct {
        const char* header;
        bool found;
        QStringList outerFrames, ventFrames, transomMullions;
    } cases[] = {
        {"A,1", true, {"PRF7"}, {"PRF8"}, {"PRF9"}},
        {"B,1", true, {"PRF5"}, {""}, {"PRF6"}},
        {"C (cut)", false, {}, {}, {}},  // its block is not whole
        {"a,1", false, {}, {}, {}},
    };
    for (const auto& c : cases) {
        const std::optional<SystemCodes> found = FindSystemCodes(catalogue, c.header);
        EXPECT_EQ(found.has_value(), c.found) << c.header;
        const SystemCodes codes = SystemCodesOf(catalogue, c.header);
        EXPECT_EQ(codes.outerFrames, c.outerFrames) << c.header;
        EXPECT_EQ(codes.ventFrames, c.ventFrames) << c.header;
        EXPECT_EQ(codes.transomMullions, c.transomMullions) << c.header;
    }
}
