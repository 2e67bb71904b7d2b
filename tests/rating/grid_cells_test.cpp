#include "rating/grid_cells.h"

#include <QPainter>

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/table_fields.h"
#include "platform/canvas.h"
#include "test_support.h"

namespace {
QStringList BreLines() {
    return LinesOfText(BuiltInBreRatingsTable());
}

// Draws one prepared cell into an image and returns it.
QImage DrawCell(const QStringList& lines, int column, int col, int row, int width = 114) {
    QImage image = WhiteImage(width, 20);
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.SetFontName(QStringLiteral("MS Sans Serif"));
    canvas.SetFontHeight(-11);
    canvas.SetBrushColor(QColor(240, 240, 240));  // the header colour
    canvas.SetFontColor(QColor(20, 20, 20));
    DrawGridCell(canvas, lines, column, col, row, QRect(0, 0, width, 20));
    return image;
}

// Horizontal extent of the dark pixels of an image.
std::pair<int, int> InkColumns(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (PixelAt(image, x, y).value() < 90) {
                if (first < 0) {
                    first = x;
                }
                last = x;
                break;
            }
        }
    }
    return {first, last};
}
}  // namespace

TEST(GridCellText, RowsShowTheirLinesInTheRatingsColumn) {
    const QStringList lines = BreLines();
    EXPECT_EQ(GridCellText(lines, 4, 0, 0), "");
    EXPECT_EQ(GridCellText(lines, 4, 1, 0), "Rating");
    EXPECT_EQ(GridCellText(lines, 4, 0, 1), "Climate Change");
    EXPECT_EQ(GridCellText(lines, 4, 1, 1), "A");
    EXPECT_EQ(GridCellText(lines, 4, 1, 4), "A+");
    EXPECT_EQ(GridCellText(lines, 4, 0, 14), QString::fromUtf8("Kg of CO2\u00A0eq. (60 years)"));
    EXPECT_EQ(GridCellText(lines, 4, 1, 14), "100");
    EXPECT_EQ(GridCellText(lines, 4, 0, 15), "Summary Rating");
    EXPECT_EQ(GridCellText(lines, 4, 1, 15), "A+");
    EXPECT_EQ(GridCellText(lines, 8, 1, 15), "C");
    EXPECT_EQ(GridCellText(lines, 2, 1, 14), "250");
    // No column: "npd" in every data cell, labels unchanged.
    for (int row = 1; row <= 15; ++row) {
        EXPECT_EQ(GridCellText(lines, -1, 1, row), "npd");
        EXPECT_EQ(GridCellText(lines, 0, 1, row), "npd");
    }
    EXPECT_EQ(GridCellText(lines, -1, 0, 1), "Climate Change");
    EXPECT_EQ(GridCellText(lines, -1, 1, 0), "Rating");
    // Rows past the table's end are empty.
    EXPECT_EQ(GridCellText(lines, 4, 0, 16), "");
    EXPECT_EQ(GridCellText(lines, 4, 1, 16), "");
    EXPECT_EQ(GridCellText(lines.mid(0, 10), 4, 1, 7), "");
}

TEST(GridCellFill, RatingColoursAndTheGreenDefault) {
    EXPECT_EQ(GridCellFill("A+", 1, 1), QColor(0, 128, 0));
    EXPECT_EQ(GridCellFill("A", 1, 1), QColor(0, 255, 0));
    EXPECT_EQ(GridCellFill("B", 1, 1), QColor(77, 255, 0));
    EXPECT_EQ(GridCellFill("C", 1, 1), QColor(178, 255, 0));
    EXPECT_EQ(GridCellFill("D", 1, 1), QColor(255, 255, 0));
    EXPECT_EQ(GridCellFill("E", 1, 1), QColor(255, 178, 0));
    EXPECT_EQ(GridCellFill("F", 1, 1), QColor(255, 77, 0));
    EXPECT_EQ(GridCellFill("G", 1, 1), QColor(255, 0, 0));
    EXPECT_EQ(GridCellFill("npd", 1, 3), QColor(255, 255, 255));
    EXPECT_EQ(GridCellFill("100", 1, 14), QColor(0, 255, 0));
    EXPECT_EQ(GridCellFill("", 1, 16), QColor(0, 255, 0));
    EXPECT_EQ(GridCellFill("a+", 1, 2), QColor(0, 255, 0));
    EXPECT_EQ(GridCellFill(" A", 1, 2), QColor(0, 255, 0));
    // Header cells keep the prepared colour unless their text is a rating.
    EXPECT_FALSE(GridCellFill("Rating", 1, 0).has_value());
    EXPECT_FALSE(GridCellFill("Climate Change", 0, 1).has_value());
    EXPECT_EQ(GridCellFill("B", 0, 3), QColor(77, 255, 0));
}

TEST(DrawGridCell, RatingsAreCentredOnTheirColour) {
    const QImage cell = DrawCell(BreLines(), 4, 1, 4);  // "A+"
    EXPECT_EQ(PixelAt(cell, 0, 0), QColor(0, 128, 0));
    EXPECT_EQ(PixelAt(cell, 113, 19), QColor(0, 128, 0));
    const auto [first, last] = InkColumns(cell);
    ASSERT_GE(first, 0);
    // Centred: equal margins within a pixel or two.
    EXPECT_NEAR(first, 113 - last, 2);
}

TEST(DrawGridCell, LabelsStartFivePixelsInAndHeadersKeepTheirColour) {
    const QImage label = DrawCell(BreLines(), 4, 0, 1, 195);
    EXPECT_EQ(PixelAt(label, 100, 1), QColor(240, 240, 240));
    const int first = InkColumns(label).first;
    EXPECT_GE(first, 5);
    EXPECT_LE(first, 7);
    const QImage header = DrawCell(BreLines(), 4, 1, 0);
    EXPECT_EQ(PixelAt(header, 2, 2), QColor(240, 240, 240));
    const auto [hFirst, hLast] = InkColumns(header);
    EXPECT_NEAR(hFirst, 113 - hLast, 2);
}

TEST(DrawGridCell, SummaryRowIsLargeAndBold) {
    const QImage normal = DrawCell(BreLines(), 4, 0, 14, 195);
    const QImage summary = DrawCell(BreLines(), 4, 0, 15, 195);
    // "Summary Rating" at cell height 18 bold is far wider than a label of the grid font.
    const auto [first, last] = InkColumns(summary);
    EXPECT_GT(last - first, 120);
    EXPECT_LT(InkColumns(normal).second - InkColumns(normal).first, 150);
}

TEST(DrawGridCell, TextWiderThanTheCellIsClippedOnBothSides) {
    QStringList lines = BreLines();
    lines[4] = QStringLiteral("Climate Change,WWWWWWWWWWWWWWWWWWWWWWWWWW,x,x,x,x,x,x,x");
    QImage image = WhiteImage(60, 40);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetFontHeight(-11);
        DrawGridCell(canvas, lines, 1, 1, 1, QRect(20, 10, 20, 20));
    }
    // Ink at both edges of the cell, nothing outside it.
    bool leftInk = false;
    bool rightInk = false;
    for (int y = 10; y < 30; ++y) {
        leftInk = leftInk || PixelAt(image, 20, y).value() < 90;
        rightInk = rightInk || PixelAt(image, 39, y).value() < 90;
        EXPECT_EQ(PixelAt(image, 19, y), QColor(Qt::white));
        EXPECT_EQ(PixelAt(image, 40, y), QColor(Qt::white));
    }
    EXPECT_TRUE(leftInk);
    EXPECT_TRUE(rightInk);
}
