#include "documents/specification_sheet.h"

#include <QPainter>

#include <functional>

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/table_fields.h"
#include "platform/canvas.h"
#include "test_support.h"

namespace {

const QColor kSheetGreen(86, 177, 70);
const QColor kIvory(255, 255, 250);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

QStringList BreRatings() {
    return LinesOfText(BuiltInBreRatingsTable());
}

SpecificationSheetData Pelvanor47(int column, bool commercial) {
    return SpecificationSheetDataOf(BreRatings(), column, QStringLiteral("Pelvanor 47"),
                                    QStringLiteral("PRF010"), QStringLiteral("PRF020"),
                                    QStringLiteral("PRF030"), commercial);
}

QImage SheetImage(const SpecificationSheetData& data) {
    QImage image = WhiteImage(417, 580);
    QPainter painter(&image);
    Canvas canvas(painter);
    DrawSpecificationSheet(canvas, data);
    return image;
}

bool IsBlack(QColor c) {
    return c == kBlack;
}
bool IsWhite(QColor c) {
    return c == kWhite;
}
bool IsDark(QColor c) {
    return c.value() < 128;
}

// Where a marker could stand: between the rating title and the boxes, across the panel.
const QRect kMarkerBand(QPoint(21, 310), QPoint(398, 392));

}  // namespace

TEST(SpecificationSheetData, CommercialColumnFourIsTheLightestBand) {
    const SpecificationSheetData data = Pelvanor47(4, true);
    EXPECT_EQ(data.systemName, "Pelvanor 47");
    EXPECT_EQ(data.outerFrame, "PRF010");
    EXPECT_EQ(data.ventFrame, "PRF020");
    EXPECT_EQ(data.transomMullion, "PRF030");
    EXPECT_EQ(data.buildingType, "Commercial");
    EXPECT_EQ(data.summaryRating, "A+");
    EXPECT_EQ(data.weightBand, "<0.9");
    EXPECT_EQ(data.elementNumber, "1231500011");

    const QStringList lines = DeclarationLines(data);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "Declaration:");
    EXPECT_EQ(lines[1], "Pelvanor 47 correspond(s) to the BRE Global Green Guide online");
    EXPECT_EQ(lines[2], "generic specification Powder coated aluminium window ");
    EXPECT_EQ(lines[3], "(profile <0.9 kg/m), double glazed (ref. 1231500011)");
    EXPECT_EQ(lines[4], "which achieves a summary rating of 'A+' within Commercial Buildings.");
}

TEST(SpecificationSheetData, HeaviestCommercialAndDomesticColumns) {
    const SpecificationSheetData heavy = Pelvanor47(8, true);
    EXPECT_EQ(heavy.weightBand, ">1.75");
    EXPECT_EQ(heavy.elementNumber, "1231500004");
    EXPECT_EQ(heavy.summaryRating, "C");
    EXPECT_EQ(DeclarationLines(heavy)[3], "(profile >1.75 kg/m), double glazed (ref. 1231500004)");

    const SpecificationSheetData domestic = Pelvanor47(2, false);
    EXPECT_EQ(domestic.buildingType, "Domestic");
    EXPECT_EQ(domestic.weightBand, "< 1.08");
    EXPECT_EQ(domestic.elementNumber, "1213100004");
    EXPECT_EQ(domestic.summaryRating, "A");
    EXPECT_EQ(DeclarationLines(domestic)[3],
              "(profile < 1.08 kg/m), double glazed (ref. 1213100004)");
    EXPECT_EQ(DeclarationLines(domestic)[4],
              "which achieves a summary rating of 'A' within Domestic Buildings.");
}

TEST(SpecificationSheetData, NoRatingsColumnGivesTheCertificatesFallBacks) {
    for (int column : {-1, 0}) {
        const SpecificationSheetData data = Pelvanor47(column, true);
        EXPECT_EQ(data.summaryRating, "XXXXXXXX") << column;
        EXPECT_EQ(data.weightBand, "??") << column;
        EXPECT_EQ(data.elementNumber, "npd") << column;
        EXPECT_EQ(DeclarationLines(data)[3], "(profile ?? kg/m), double glazed (ref. npd)");
    }
}

TEST(SpecificationSheetData, ShortTableGivesEmptyTextsNotACrash) {
    const SpecificationSheetData data = SpecificationSheetDataOf(
        {QStringLiteral("Building Weight,Commercial")}, 4, "S", "O", "V", "T", true);
    EXPECT_EQ(data.summaryRating, "");
    EXPECT_EQ(data.weightBand, "");
    EXPECT_EQ(data.elementNumber, "");
}

TEST(SpecificationSheetDrawing, FrameAndPanelEdges) {
    const QImage image = SheetImage(Pelvanor47(4, true));
    // Outer frame (10, 2)-(410, 575), pen 2 wide, ivory inside; nothing outside it changes.
    EXPECT_EQ(PixelAt(image, 10, 300), kSheetGreen);
    EXPECT_EQ(PixelAt(image, 200, 2), kSheetGreen);
    EXPECT_EQ(PixelAt(image, 409, 300), kSheetGreen);
    EXPECT_EQ(PixelAt(image, 200, 574), kSheetGreen);
    EXPECT_EQ(PixelAt(image, 15, 300), kIvory);
    EXPECT_EQ(PixelAt(image, 405, 100), kIvory);
    EXPECT_EQ(PixelAt(image, 200, 570), kIvory);
    for (int y : {0, 300, 579}) {
        EXPECT_EQ(PixelAt(image, 5, y), kWhite) << y;
        EXPECT_EQ(PixelAt(image, 412, y), kWhite) << y;
    }
    EXPECT_EQ(PixelAt(image, 200, 577), kWhite);
    // Inner panel (20, 105)-(400, 535), one pixel outline, white inside.
    EXPECT_EQ(PixelAt(image, 20, 300), kSheetGreen);
    EXPECT_EQ(PixelAt(image, 399, 300), kSheetGreen);
    EXPECT_EQ(PixelAt(image, 200, 105), kSheetGreen);
    EXPECT_EQ(PixelAt(image, 200, 534), kSheetGreen);
    EXPECT_EQ(PixelAt(image, 21, 300), kWhite);
    EXPECT_EQ(PixelAt(image, 398, 300), kWhite);
    EXPECT_EQ(PixelAt(image, 400, 300), kIvory);
    EXPECT_EQ(PixelAt(image, 200, 535), kIvory);
}

TEST(SpecificationSheetDrawing, SixBoxesInTheRatingColours) {
    const QImage image = SheetImage(Pelvanor47(4, true));
    const QColor fills[] = {{0, 128, 0},   {0, 255, 0},   {77, 255, 0},
                            {178, 255, 0}, {255, 255, 0}, {255, 178, 0}};
    for (int k = 0; k < 6; ++k) {
        const int x = 80 + 40 * k;
        EXPECT_EQ(PixelAt(image, x + 3, 398), fills[k]) << "box " << k;
        EXPECT_EQ(PixelAt(image, x + 37, 422), fills[k]) << "box " << k;
        EXPECT_EQ(PixelAt(image, x, 410), kBlack) << "left side of box " << k;
        EXPECT_EQ(PixelAt(image, x + 20, 395), kBlack) << "top of box " << k;
        EXPECT_EQ(PixelAt(image, x + 20, 425), kBlack) << "bottom of box " << k;
        // The letter is drawn in black inside the box.
        EXPECT_TRUE(BoxOf(image, QRect(x + 1, 396, 38, 29), IsBlack).isValid()) << k;
    }
    EXPECT_EQ(PixelAt(image, 330, 410), kWhite);  // right of the last box
    EXPECT_EQ(PixelAt(image, 60, 410), kWhite);
}

TEST(SpecificationSheetDrawing, MarkerStandsOverTheSummaryRating) {
    const QImage best = SheetImage(Pelvanor47(4, true));
    // Over box 0: a pentagon from x 65 to 135, y 315 down to its tip at (100, 390).
    const QRect marker = BoxOf(best, kMarkerBand, IsBlack);
    EXPECT_EQ(marker.left(), 65);
    EXPECT_EQ(marker.right(), 135);
    EXPECT_EQ(marker.top(), 315);
    EXPECT_NEAR(marker.bottom(), 390, 1);
    EXPECT_EQ(PixelAt(best, 100, 388), kBlack);
    EXPECT_EQ(PixelAt(best, 66, 388), kWhite);  // beside the point, not in it
    // The white "A+" is centred on (100, 342): look inside the marker's wide part only, where
    // no white of the panel shows.
    const QRect letter = BoxOf(best, QRect(QPoint(67, 316), QPoint(133, 360)), IsWhite);
    ASSERT_TRUE(letter.isValid());
    EXPECT_NEAR(letter.center().x(), 100, 3);
    EXPECT_NEAR(letter.center().y(), 342, 5);
    EXPECT_GT(letter.width(), 40);

    const QImage c = SheetImage(Pelvanor47(8, true));
    const QRect cMarker = BoxOf(c, kMarkerBand, IsBlack);
    EXPECT_EQ(cMarker.left(), 200 - 15);
    EXPECT_EQ(cMarker.right(), 200 + 55);

    const QImage domestic = SheetImage(Pelvanor47(2, false));
    EXPECT_EQ(BoxOf(domestic, kMarkerBand, IsBlack).left(), 120 - 15);
}

TEST(SpecificationSheetDrawing, NoMarkerForRatingsWithoutABox) {
    SpecificationSheetData data = Pelvanor47(4, true);
    for (const char* rating : {"F", "G", "a+", "A+ "}) {
        data.summaryRating = QString::fromLatin1(rating);
        const QImage image = SheetImage(data);
        EXPECT_FALSE(BoxOf(image, kMarkerBand, IsBlack).isValid()) << rating;
        EXPECT_EQ(PixelAt(image, 83, 398), QColor(0, 128, 0)) << rating;
    }
    const QImage none = SheetImage(Pelvanor47(-1, true));
    EXPECT_FALSE(BoxOf(none, kMarkerBand, IsBlack).isValid());
    EXPECT_EQ(PixelAt(none, 243, 398), QColor(255, 255, 0));
    // The fall-back element number stands where the number would.
    EXPECT_TRUE(BoxOf(none, QRect(145, 175, 60, 25), IsDark).isValid());
}

TEST(SpecificationSheetDrawing, TextsStandAtTheirCorners) {
    const QImage image = SheetImage(Pelvanor47(4, true));
    // "Tarvex Pelvanor 47", bold, cell height 25 at (105, 130).
    // Its capitals start a little below the cell's top; "Product Name:" ends left of x 150.
    const QRect product = BoxOf(image, QRect(QPoint(100, 131), QPoint(398, 158)), IsDark);
    ASSERT_TRUE(product.isValid());
    EXPECT_NEAR(product.left(), 106, 2);
    EXPECT_LE(product.bottom(), 155);
    const QRect capitals = BoxOf(image, QRect(QPoint(150, 118), QPoint(398, 158)), IsDark);
    EXPECT_GE(capitals.top(), 131);
    EXPECT_LE(capitals.top(), 137);
    // The profile codes start at x 220 in the rows of their labels.
    for (int y : {216, 232, 248, 264}) {
        const QRect value = BoxOf(image, QRect(QPoint(215, y), QPoint(398, y + 13)), IsDark);
        ASSERT_TRUE(value.isValid()) << y;
        EXPECT_NEAR(value.left(), 221, 2) << y;
    }
    // The footer lies on the ivory margin and is drawn transparently: between its green
    // letters the ivory shows, never a white text cell.
    const QRect footer(QPoint(40, 540), QPoint(398, 563));
    EXPECT_FALSE(BoxOf(image, footer, IsWhite).isValid());
    EXPECT_TRUE(BoxOf(image, footer, [](QColor c) { return c == kSheetGreen; }).isValid());
}

TEST(SpecificationSheetDrawing, RedrawLeavesNoTraceOfAnEarlierMarker) {
    QImage image = WhiteImage(417, 580);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        DrawSpecificationSheet(canvas, Pelvanor47(4, true));
        DrawSpecificationSheet(canvas, Pelvanor47(8, true));
    }
    EXPECT_EQ(image, SheetImage(Pelvanor47(8, true)));
}
