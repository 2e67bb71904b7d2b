#include "rating/grid_cells.h"

#include "data/column_ratings.h"
#include "data/rating_colours.h"
#include "data/table_fields.h"
#include "platform/canvas.h"

QString GridCellText(const QStringList& breRatingLines, int ratingsColumn, int col, int row) {
    const QString rowLine =
        (row >= 1 && breRatingLines.size() > row + 3) ? breRatingLines[row + 3] : QString();
    if (col == 1 && row == 0) {
        return QStringLiteral("Rating");
    }
    if (col == 0) {
        return CsvField(rowLine, 0);
    }
    if (ratingsColumn >= 1) {
        return CsvField(rowLine, ratingsColumn);
    }
    return kNoRating;
}

std::optional<QColor> GridCellFill(const QString& text, int col, int row) {
    std::optional<QColor> fill;
    if (col > 0 && row > 0) {
        fill = QColor(0, 255, 0);
    }
    if (const auto colour = RatingColourOf(text)) {
        fill = colour;
    }
    return fill;
}

void DrawGridCell(Canvas& canvas, const QStringList& breRatingLines, int ratingsColumn, int col,
                  int row, const QRect& rect) {
    const QString text = GridCellText(breRatingLines, ratingsColumn, col, row);
    if (const auto fill = GridCellFill(text, col, row)) {
        canvas.SetBrushColor(*fill);
    }
    int offset = 5;
    if (row == kGridSummaryRow) {
        canvas.SetFontBold(true);
        canvas.SetFontHeight(kGridSummaryFontHeight);
    }
    if (col == 1) {
        if (row > 0) {
            canvas.SetFontBold(true);
        }
        canvas.SetFontColor(Qt::black);
        // Truncated toward zero; negative when the text is wider than the cell.
        offset = (rect.width() - canvas.TextWidth(text)) / 2;
    }
    canvas.TextRect(rect, rect.left() + offset, rect.top() + 2, text);
}
