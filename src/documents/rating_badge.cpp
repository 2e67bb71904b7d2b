#include "documents/rating_badge.h"

#include <QLatin1String>

#include <array>
#include <vector>

#include "data/rating_colours.h"
#include "platform/canvas.h"

namespace {

// The bars from left to right; each takes its fill from the shared rating colours, so a letter
// looks the same on the badge as in the grid and on the specification sheet. "G" has no bar.
constexpr std::array<const char*, 7> kBarLetters = {"A+", "A", "B", "C", "D", "E", "F"};

// Horizontal step between bars and the left edge of bar 0, in badge units from X0.
constexpr int kFirstBarOffset = 80;
constexpr int kBarWidth = 40;

// Outlines relative to (left edge of the bar, Y0). A bar is a 40 x 30 box whose right edge
// carries an extra middle point; the pointer is a 70-wide box above the bar narrowing to a tip
// 5 units above the bar's top edge.
constexpr std::array<QPoint, 5> kBarOutline = {{{0, 10}, {40, 10}, {40, 25}, {40, 40}, {0, 40}}};
constexpr std::array<QPoint, 5> kPointerOutline = {
    {{55, -70}, {-15, -70}, {-15, -25}, {20, 5}, {55, -25}}};

// Centres of the bar letter and of the pointer letter, relative to (left edge of the bar, Y0).
constexpr QPoint kBarLetterCentre{20, 25};
constexpr QPoint kPointerLetterCentre{20, -43};

// Letter cell heights in badge units.
constexpr int kBarLetterHeight = 30;
constexpr int kPointerLetterHeight = 60;

const QString kBarLetterFace = QStringLiteral("Arial Black");
const QString kPointerLetterFace = QStringLiteral("Arial");

// Scales each point on its own, truncating toward zero.
template <std::size_t N>
std::vector<QPoint> ScaledOutline(const std::array<QPoint, N>& outline, int left, int Y0,
                                  double d) {
    std::vector<QPoint> points;
    points.reserve(N);
    for (const QPoint& p : outline) {
        points.emplace_back(Trunc((left + p.x()) * d), Trunc((Y0 + p.y()) * d));
    }
    return points;
}

// Draws text in the current font centred on the badge point (cx, cy).
void DrawCentredText(Canvas& canvas, const QString& text, int cx, int cy, double d) {
    const int w = canvas.TextWidth(text);
    const int h = canvas.TextHeight(text);
    canvas.TextOut(Trunc(cx * d - w / 2), Trunc(cy * d - h / 2), text);
}

}  // namespace

void DrawRatingBadge(Canvas& canvas, const QString& ratingText, int X0, int Y0, double d) {
    const QString savedFace = canvas.FontName();
    for (std::size_t i = 0; i < kBarLetters.size(); ++i) {
        const QString letter = QLatin1String(kBarLetters[i]);
        const int left = X0 + kFirstBarOffset + kBarWidth * static_cast<int>(i);

        canvas.SetPenColor(Qt::black);
        canvas.SetBrushColor(RatingColourOf(letter).value_or(Qt::white));
        canvas.Polygon(ScaledOutline(kBarOutline, left, Y0, d));

        canvas.SetFontName(kBarLetterFace);
        canvas.SetFontHeight(Trunc(kBarLetterHeight * d));
        canvas.SetFontBold(true);
        canvas.SetFontColor(Qt::black);
        canvas.SetBrushHollow();
        DrawCentredText(canvas, letter, left + kBarLetterCentre.x(), Y0 + kBarLetterCentre.y(), d);

        if (letter == ratingText) {
            canvas.SetBrushColor(Qt::black);
            canvas.Polygon(ScaledOutline(kPointerOutline, left, Y0, d));
            canvas.SetFontHeight(Trunc(kPointerLetterHeight * d));
            canvas.SetBrushHollow();
            canvas.SetFontColor(Qt::white);
            canvas.SetFontName(kPointerLetterFace);
            canvas.SetFontBold(true);
            DrawCentredText(canvas, letter, left + kPointerLetterCentre.x(),
                            Y0 + kPointerLetterCentre.y(), d);
        }
    }
    canvas.SetFontName(savedFace);
}
