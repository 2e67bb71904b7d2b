#include <QPushButton>

#include "data/rating_colours.h"
#include "rating/grid_cells.h"
#include "test_support.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

namespace {

// The colour at the middle of a cell, near its left edge (where a centred text never reaches).
QColor CellFill(const QImage& grab, const DrawGrid* grid, int col, int row) {
    const QRect cell = grid->CellRect(col, row).translated(grid->viewport()->pos());
    return PixelAt(grab, cell.left() + 2, cell.center().y());
}

}  // namespace

using RatingsGrid = WindowTest;

TEST_F(RatingsGrid, CellsShowTheirRatingColours) {
    Start();
    DrawGrid* grid = Grid();
    // Column 4 of the built-in table: "A" (row 1), "A+" (row 2), "B" (row 3), "100" (row 14).
    QImage grab = grid->grab().toImage();
    EXPECT_EQ(CellFill(grab, grid, 1, 1), QColor(0, 255, 0));
    EXPECT_EQ(CellFill(grab, grid, 1, 2), QColor(0, 128, 0));
    EXPECT_EQ(CellFill(grab, grid, 1, 3), QColor(77, 255, 0));
    EXPECT_EQ(CellFill(grab, grid, 1, 14), QColor(0, 255, 0));
    EXPECT_EQ(CellFill(grab, grid, 1, 15), QColor(0, 128, 0));
    // Header cells keep the header colour.
    const QColor header = grid->palette().color(QPalette::Button);
    EXPECT_EQ(CellFill(grab, grid, 0, 0), header);
    EXPECT_EQ(CellFill(grab, grid, 1, 0), header);
    EXPECT_EQ(CellFill(grab, grid, 0, 5), header);

    // Every colour of the table through the weights table: column 8 has C, D and E; a made-up
    // ratings column with F and G comes from editing the ratings cells.
    Memo("Memo1")->setPlainText(QStringLiteral("Profile,Area\nPRF010,2\n"));
    ASSERT_EQ(EditText("Edit1"), "8");
    grab = grid->grab().toImage();
    EXPECT_EQ(CellFill(grab, grid, 1, 1), QColor(178, 255, 0));  // C
    EXPECT_EQ(CellFill(grab, grid, 1, 7), QColor(255, 255, 0));  // D
    EXPECT_EQ(CellFill(grab, grid, 1, 3), QColor(255, 178, 0));  // E

    // F and G occur in no built-in column: a ratings table that holds them shows their colours.
    QString table = MemoText(Memo("Memo2"));
    table.replace(QStringLiteral("Climate Change,B,C,C,A,A,B,B,C"),
                  QStringLiteral("Climate Change,B,C,C,A,A,B,B,F"));
    table.replace(QStringLiteral("Water Extraction,A+,A+,A,A+,A+,A+,A,A"),
                  QStringLiteral("Water Extraction,A+,A+,A,A+,A+,A+,A,G"));
    Memo("Memo2")->setPlainText(table);
    Find<QPushButton>("Button12")->click();
    grab = grid->grab().toImage();
    EXPECT_EQ(CellFill(grab, grid, 1, 1), QColor(255, 77, 0));  // F
    EXPECT_EQ(CellFill(grab, grid, 1, 2), QColor(255, 0, 0));   // G
}

TEST_F(RatingsGrid, NoColumnShowsNpdOnWhiteAndKeepsTheLabels) {
    Start();
    Memo("Memo1")->setPlainText(QStringLiteral("Profile,Area\n"));
    ASSERT_EQ(EditText("Edit1"), "-1");
    DrawGrid* grid = Grid();
    const QImage grab = grid->grab().toImage();
    for (int row = 1; row <= 15; ++row) {
        EXPECT_EQ(window_->GridCellTextAt(1, row), "npd");
        EXPECT_EQ(CellFill(grab, grid, 1, row), QColor(255, 255, 255)) << row;
    }
    EXPECT_EQ(window_->GridCellTextAt(0, 1), "Climate Change");
}

TEST_F(RatingsGrid, TheSelectedRowKeepsItsRatingColour) {
    Start();
    DrawGrid* grid = Grid();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);  // from row 1 to row 2 ("A+")
    ASSERT_EQ(grid->SelectedRow(), 2);
    const QImage grab = grid->grab().toImage();
    EXPECT_EQ(CellFill(grab, grid, 1, 2), QColor(0, 128, 0));
    // A click selects a row as well.
    const QRect cell = grid->CellRect(1, 5);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(grid->SelectedRow(), 5);
}

TEST_F(RatingsGrid, RowCountFollowsTheRatingsTable) {
    Start();
    EXPECT_EQ(Grid()->RowCount(), 16);
    EXPECT_EQ(Grid()->CellRect(1, 0).size(), QSize(114, 20));
    EXPECT_EQ(Grid()->CellRect(0, 0).size(), QSize(195, 20));
}
