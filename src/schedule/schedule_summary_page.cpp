#include "schedule/schedule_summary_page.h"

#include <QStringList>

#include <algorithm>

#include "data/rating_colours.h"
#include "platform/canvas.h"

namespace {

// Geometry in page units.
constexpr double kPageWide = 630;
constexpr int kLeft = 30;
constexpr int kRight = 600;
constexpr int kTitleTop = 30;
constexpr int kTitleHeight = 24;
constexpr int kReportTop = 66;
constexpr int kReportLineHeight = 15;
constexpr int kFirstTableTop = 124;
constexpr int kLaterTableTop = 66;
constexpr int kTableBottom = 846;
constexpr int kRowHeight = 15;
constexpr int kTextHeight = 11;
constexpr int kCellPadding = 3;
constexpr int kFooterTop = 856;

int RowsOnPage(int page) {
    const int top = page == 0 ? kFirstTableTop : kLaterTableTop;
    return (kTableBottom - top) / kRowHeight - 1;  // less the heading row
}

const struct {
    const char* heading;
    int left;
} kColumns[] = {{"Ref", 30},     {"System", 72},   {"Profiles", 160}, {"Building", 290},
                {"Weight", 350}, {"Element", 392}, {"Rating", 462},   {"kg CO2e", 505}};
constexpr int kColumnCount = 8;
constexpr int kBuildingColumn = 3;
constexpr int kRatingColumn = 6;

int ColumnRight(int k) {
    return k + 1 < kColumnCount ? kColumns[k + 1].left : kRight;
}

// The text cut with "..." so that it fits width pixels.
QString Fitted(const Canvas& canvas, const QString& text, int width) {
    if (canvas.TextWidth(text) <= width) {
        return text;
    }
    const QString dots = QStringLiteral("...");
    return text.left(canvas.FittingLength(text, width, dots)) + dots;
}

QString OneLine(const QString& text) {
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QStringLiteral(", "));
}

// The cells of a row as the table shows them: the window's names when it is known, else what
// the row says.
QStringList CellsOf(const Schedule& s, int row, const ScheduleRowRating& r) {
    if (r.window) {
        const RatedWindow& w = *r.window;
        return {s.Value(row, ScheduleField::Ref),
                w.systemName.trimmed(),
                w.outerFrame + QStringLiteral(" / ") + w.ventFrame + QStringLiteral(" / ") +
                    w.transomMullion,
                w.commercial ? QStringLiteral("Commercial") : QStringLiteral("Domestic"),
                r.weightText,
                r.elementNumber,
                r.summaryRating,
                r.co2};
    }
    QStringList codes;
    for (const ScheduleField f :
         {ScheduleField::Outer, ScheduleField::Vent, ScheduleField::Transom}) {
        codes << s.Value(row, f);
    }
    // Codes left empty are the system's first ones, which an unknown system does not have.
    const QString profiles =
        codes.join(QString()).isEmpty() ? QString() : codes.join(QStringLiteral(" / "));
    return {s.Value(row, ScheduleField::Ref),
            s.Value(row, ScheduleField::System),
            profiles,
            QString(),
            QString(),
            QString(),
            QString(),
            QString()};
}

}  // namespace

int SummaryPageCount(int rowCount) {
    int pages = 1;
    for (int left = rowCount - RowsOnPage(0); left > 0; left -= RowsOnPage(pages++)) {
    }
    return pages;
}

void DrawScheduleSummaryPage(Canvas& canvas, int W, int H, const Schedule& schedule,
                             const QList<ScheduleRowRating>& ratings, int page) {
    const double r = W / kPageWide;
    const auto px = [r](double units) { return Trunc(units * r); };
    canvas.SetPenWidth(std::max(1, px(1)));
    canvas.SetPenColor(Qt::white);
    canvas.SetBrushColor(Qt::white);
    canvas.Rectangle(0, 0, W, H);
    canvas.SetFontName(QStringLiteral("Arial"));
    canvas.SetFontColor(Qt::black);
    canvas.SetBrushHollow();

    canvas.SetFontBold(true);
    canvas.SetFontHeight(px(kTitleHeight));
    canvas.TextOut(px(kLeft), px(kTitleTop), QStringLiteral("Window Schedule"));
    canvas.SetFontHeight(px(kTextHeight));
    int firstRow = 0;
    for (int p = 0; p < page; ++p) {
        firstRow += RowsOnPage(p);
    }
    if (page == 0) {
        const std::pair<const char*, QString> lines[] = {
            {"Company:", OneLine(schedule.CommonReportText(ScheduleField::Company))},
            {"Project:", OneLine(schedule.CommonReportText(ScheduleField::Project))},
            {"Date:", OneLine(schedule.CommonReportText(ScheduleField::Date))}};
        int y = kReportTop;
        for (const auto& [label, text] : lines) {
            canvas.SetFontBold(true);
            canvas.TextOut(px(kLeft), px(y), QLatin1String(label));
            canvas.SetFontBold(false);
            canvas.TextOut(px(kLeft + 60), px(y), Fitted(canvas, text, px(kRight - kLeft - 60)));
            y += kReportLineHeight;
        }
    }

    // The heading row, then the rows of this page.
    int y = page == 0 ? kFirstTableTop : kLaterTableTop;
    canvas.SetPenColor(Qt::black);
    canvas.SetFontBold(true);
    for (int k = 0; k < kColumnCount; ++k) {
        canvas.TextOut(px(kColumns[k].left + kCellPadding), px(y + 2),
                       QLatin1String(kColumns[k].heading));
    }
    canvas.MoveTo(px(kLeft), px(y + kRowHeight));
    canvas.LineTo(px(kRight), px(y + kRowHeight));
    y += kRowHeight;
    canvas.SetFontBold(false);
    const int lastRow = std::min<int>(firstRow + RowsOnPage(page), ratings.size());
    for (int row = firstRow; row < lastRow; ++row) {
        const ScheduleRowRating& rating = ratings[row];
        const QStringList cells = CellsOf(schedule, row, rating);
        const std::optional<QColor> colour = RatingColourOf(rating.summaryRating);
        if (rating.Rated() && colour) {
            canvas.SetPenColor(*colour);
            canvas.SetBrushColor(*colour);
            canvas.Rectangle(px(kColumns[kRatingColumn].left), px(y + 1),
                             px(ColumnRight(kRatingColumn)), px(y + kRowHeight));
            canvas.SetBrushHollow();
        }
        canvas.SetFontColor(Qt::black);
        const int lastColumn = rating.Rated() ? kColumnCount : kBuildingColumn;
        for (int k = 0; k < lastColumn; ++k) {
            canvas.TextOut(
                px(kColumns[k].left + kCellPadding), px(y + 2),
                Fitted(canvas, cells[k], px(ColumnRight(k) - kColumns[k].left - 2 * kCellPadding)));
        }
        if (!rating.Rated()) {
            canvas.SetFontColor(QColor(160, 0, 0));
            canvas.TextOut(px(kColumns[kBuildingColumn].left + kCellPadding), px(y + 2),
                           Fitted(canvas, QStringLiteral("Not rated: ") + rating.note,
                                  px(kRight - kColumns[kBuildingColumn].left - 2 * kCellPadding)));
        }
        canvas.SetPenColor(QColor(192, 192, 192));
        canvas.MoveTo(px(kLeft), px(y + kRowHeight));
        canvas.LineTo(px(kRight), px(y + kRowHeight));
        y += kRowHeight;
    }
    canvas.SetFontColor(Qt::black);
    const int pages = SummaryPageCount(ratings.size());
    const QString footer = QStringLiteral("Summary page %1 of %2").arg(page + 1).arg(pages);
    canvas.TextOut(px(kRight) - canvas.TextWidth(footer), px(kFooterTop), footer);
    (void)H;
}
