// The cells of the environmental profile grid: what each cell says and how it is coloured,
// worked out from the BRE ratings table and the ratings column every time a cell is drawn.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

class Canvas;

// Grid geometry: two columns, a fixed first row and first column.
constexpr int kGridColumnWidths[2] = {195, 114};
constexpr int kGridDefaultRowHeight = 20;
// The row that closes the grid with the summary rating, drawn large and bold.
constexpr int kGridSummaryRow = 15;
constexpr int kGridSummaryFontHeight = 18;

// The text of cell (col, row): "Rating" over the ratings, the row's label in column 0, the
// rating in the ratings column, or "npd" when no column applies. Row r >= 1 shows line r + 3.
QString GridCellText(const QStringList& breRatingLines, int ratingsColumn, int col, int row);

// The fill colour of a cell with that text: the rating letter's colour when the text is one,
// else green for the data cells; header cells with other texts keep the prepared colour.
std::optional<QColor> GridCellFill(const QString& text, int col, int row);

// Draws one cell on a canvas that the grid has prepared (font, colours) for it.
void DrawGridCell(Canvas& canvas, const QStringList& breRatingLines, int ratingsColumn, int col,
                  int row, const QRect& rect);
