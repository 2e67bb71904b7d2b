#include "schedule/schedule_summary_page.h"

#include <algorithm>

#include "data/rating_colours.h"
#include "platform/canvas.h"

namespace {

using namespace summary_units;

const QColor kRuleColour(192, 192, 192);
const QColor kHeadingFill(232, 236, 232);
const QColor kNoteColour(160, 0, 0);

// Draws in page units on a canvas of W pixels for 630 units.
class PageUnits {
public:
    PageUnits(Canvas& canvas, int W) : canvas_(canvas), r_(W / 630.0) {}
    int Px(double units) const { return Trunc(units * r_); }
    Canvas& canvas() { return canvas_; }
    void Font(double height, bool bold, const QColor& colour = Qt::black) {
        canvas_.SetFontHeight(std::max(1, Px(height)));
        canvas_.SetFontBold(bold);
        canvas_.SetFontColor(colour);
    }
    void Text(double x, double y, const QString& text) { canvas_.TextOut(Px(x), Px(y), text); }
    void Lines(double x, double y, const QStringList& lines, double lineHeight = kLineHeight) {
        for (const QString& line : lines) {
            Text(x, y, line);
            y += lineHeight;
        }
    }
    // Text centred between x1 and x2.
    void Centred(double x1, double x2, double y, const QString& text) {
        canvas_.TextOut((Px(x1) + Px(x2) - canvas_.TextWidth(text)) / 2, Px(y), text);
    }
    void Fill(double x1, double y1, double x2, double y2, const QColor& colour) {
        canvas_.SetPenColor(colour);
        canvas_.SetBrushColor(colour);
        canvas_.Rectangle(Px(x1), Px(y1), Px(x2), Px(y2));
        canvas_.SetBrushHollow();
    }
    void Rule(double x1, double x2, double y, const QColor& colour) {
        canvas_.SetPenColor(colour);
        canvas_.MoveTo(Px(x1), Px(y));
        canvas_.LineTo(Px(x2), Px(y));
    }

private:
    Canvas& canvas_;
    double r_;
};

void DrawHeader(PageUnits& u, const SummaryLayout& layout) {
    u.Font(kTitleHeight, true);
    u.Text(kLeft, kTop, QStringLiteral("Window Schedule"));
    double y = kTop + kTitleHeight + 8;
    for (const auto& [label, lines] : layout.header) {
        u.Font(kTextHeight, true);
        u.Text(kLeft, y, label);
        u.Font(kTextHeight, false);
        u.Lines(kLeft + 60, y, lines);
        y += std::max<qsizetype>(1, lines.size()) * kLineHeight;
    }
}

// The rating in its colour across the cell, its letter centred in a colour that reads on it.
void DrawRatingCell(PageUnits& u, const SummaryColumn& column, double top, double bottom,
                    const QString& rating) {
    const std::optional<QColor> colour = RatingColourOf(rating);
    if (!colour) {
        return;
    }
    u.Fill(column.left + 1, top + 1, column.left + column.width - 1, bottom, *colour);
    u.Font(kTextHeight, true, LegibleTextColour(*colour));
    u.Centred(column.left, column.left + column.width, (top + bottom - kTextHeight) / 2, rating);
}

double DrawTable(PageUnits& u, const SummaryLayout& layout, const SummaryPageRows& page) {
    double y = layout.tableTop;
    u.Fill(kLeft, y, kRight, y + layout.headingHeight, kHeadingFill);
    u.Font(kTextHeight, true);
    for (const SummaryColumn& column : layout.columns) {
        u.Lines(column.left + kCellPadding, y + 2, column.headingLines);
    }
    y += layout.headingHeight;
    u.Rule(kLeft, kRight, y, Qt::black);
    for (int k = page.first; k < page.end; ++k) {
        const SummaryRow& row = layout.rows[k];
        const double bottom = y + row.height;
        u.Font(kTextHeight, false);
        for (int c = 0; c < row.lines.size(); ++c) {
            const SummaryColumn& column = layout.columns[c];
            if (column.rating) {
                DrawRatingCell(u, column, y, bottom, row.rating);
                u.Font(kTextHeight, false);
            } else {
                u.Lines(column.left + kCellPadding, y + 2, row.lines[c]);
            }
        }
        if (row.noteFrom >= 0) {
            u.Font(kTextHeight, false, kNoteColour);
            u.Lines(layout.columns[row.noteFrom].left + kCellPadding, y + 2, row.noteLines);
        }
        u.Rule(kLeft, kRight, bottom, kRuleColour);
        y = bottom;
    }
    return y;
}

// The totals per rating: window types, and windows where the schedule counts them.
double DrawTotals(PageUnits& u, const SummaryLayout& layout, double y) {
    const ScheduleTotals& totals = layout.totals;
    const double rowHeight = kLineHeight + 2;
    const double columns[] = {kLeft, kLeft + 70, kLeft + 160, kLeft + 250};
    const int columnCount = totals.hasQuantity ? 3 : 2;
    u.Font(kTextHeight, true);
    u.Text(kLeft, y, QStringLiteral("Totals"));
    y += rowHeight;
    u.Fill(kLeft, y, columns[columnCount], y + rowHeight, kHeadingFill);
    u.Font(kTextHeight, true);
    u.Text(columns[0] + kCellPadding, y + 1, QStringLiteral("Rating"));
    u.Text(columns[1] + kCellPadding, y + 1, QStringLiteral("Window types"));
    if (totals.hasQuantity) {
        u.Text(columns[2] + kCellPadding, y + 1, layout.quantityHeading);
    }
    y += rowHeight;
    const auto line = [&](const QString& label, int types, double quantity, bool strong) {
        const std::optional<QColor> colour = RatingColourOf(label);
        if (colour) {
            u.Fill(columns[0] + 1, y + 1, columns[1] - 1, y + rowHeight, *colour);
            u.Font(kTextHeight, true, LegibleTextColour(*colour));
            u.Centred(columns[0], columns[1], y + 1, label);
        } else {
            u.Font(kTextHeight, strong);
            u.Text(columns[0] + kCellPadding, y + 1, label);
        }
        u.Font(kTextHeight, strong);
        u.Text(columns[1] + kCellPadding, y + 1, QString::number(types));
        if (totals.hasQuantity) {
            u.Text(columns[2] + kCellPadding, y + 1, QuantityText(quantity));
        }
        y += rowHeight;
        u.Rule(kLeft, columns[columnCount], y, kRuleColour);
    };
    for (const RatingTotal& total : totals.byRating) {
        line(total.rating.isEmpty() ? QStringLiteral("Not rated") : total.rating, total.types,
             total.quantity, false);
    }
    line(QStringLiteral("All"), totals.types, totals.quantity, true);
    return y;
}

}  // namespace

QString PageOfText(int pageNumber, int pageCount) {
    return QStringLiteral("Page %1 of %2").arg(pageNumber).arg(pageCount);
}

void DrawScheduleSummaryPage(Canvas& canvas, int W, const SummaryLayout& layout, int page,
                             int pageNumber, int pageCount) {
    PageUnits u(canvas, W);
    canvas.SetPenWidth(std::max(1, u.Px(0.5)));
    canvas.SetFontName(QStringLiteral("Arial"));
    canvas.SetBrushHollow();
    DrawHeader(u, layout);
    const SummaryPageRows& rows = layout.pages[page];
    if (rows.end > rows.first || !rows.closing) {
        DrawTable(u, layout, rows);
    }
    if (rows.closing) {
        double y = DrawTotals(u, layout, rows.closingTop) + 10;
        u.Font(kLegendTextHeight, false);
        u.Lines(kLeft, y, layout.legendLines, kLegendLineHeight);
    }
    u.Font(kTextHeight, false);
    const QString footer = PageOfText(pageNumber, pageCount);
    canvas.TextOut(u.Px(kRight) - canvas.TextWidth(footer), u.Px(kFooterTop), footer);
}
