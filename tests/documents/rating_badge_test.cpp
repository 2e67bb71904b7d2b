#include "documents/rating_badge.h"

#include <gtest/gtest.h>

#include "data/rating_colours.h"
#include "pixel_checks.h"

namespace {

// The scale and origin the certificate uses on the screen preview (one pixel per page unit).
constexpr double kD = 1.26103404791929376;
constexpr int kX0 = 50;
constexpr int kY0 = 400;

const char* const kLetters[] = {"A+", "A", "B", "C", "D", "E", "F"};

int Px(double units, double d = kD) {
    return Trunc(units * d);
}

// Left edge of bar i in badge units.
int BarLeft(int i, int X0 = kX0) {
    return X0 + 80 + 40 * i;
}

// Inside of bar i in pixels, one pixel clear of its outline.
QRect BarInside(int i, int X0 = kX0, int Y0 = kY0, double d = kD) {
    return Span(Px(BarLeft(i, X0), d) + 1, Px(Y0 + 10, d) + 1, Px(BarLeft(i, X0) + 40, d) - 1,
                Px(Y0 + 40, d) - 1);
}

// The pointer's box part above bar i, one pixel clear of its outline.
QRect PointerBox(int i) {
    return Span(Px(BarLeft(i) - 15) + 1, Px(kY0 - 70) + 1, Px(BarLeft(i) + 55) - 1,
                Px(kY0 - 25) - 1);
}

// A thin column through the middle of bar i's pointer box.
QRect PointerColumn(int i) {
    const int x = Px(BarLeft(i) + 20);
    return Span(x - 1, Px(kY0 - 68), x + 1, Px(kY0 - 27));
}

QImage Badge(const QString& rating, int X0 = kX0, int Y0 = kY0, double d = kD) {
    return Drawn(630, 891, [&](Canvas& canvas) { DrawRatingBadge(canvas, rating, X0, Y0, d); });
}

}  // namespace

TEST(RatingBadge, DrawsSevenBarsInTheRatingColoursWithTheirLetters) {
    const QImage image = Badge(QStringLiteral("npd"));
    for (int i = 0; i < 7; ++i) {
        const QRect inside = BarInside(i);
        const QColor fill = *RatingColourOf(QLatin1String(kLetters[i]));
        EXPECT_GT(ColourPixels(image, inside, fill), inside.width() * inside.height() / 3)
            << "bar " << kLetters[i];
        EXPECT_GT(DarkPixels(image, inside), 20) << "letter on bar " << kLetters[i];
    }
    // Adjacent bars share their vertical edge: one black outline column between bars 0 and 1.
    EXPECT_EQ(PixelAt(image, Px(170), Px(kY0 + 25)), QColor(Qt::black));
    // Bar 0 spans trunc(130 d) to trunc(170 d); nothing left of it, and no bar "G" after "F".
    EXPECT_EQ(DarkPixels(image, Span(0, Px(kY0 + 10), Px(130) - 2, Px(kY0 + 40))), 0);
    const QRect afterF = Span(Px(410) + 2, Px(kY0 + 10), 629, Px(kY0 + 40));
    EXPECT_EQ(ColourPixels(image, afterF, QColor(Qt::white)), afterF.width() * afterF.height());
}

TEST(RatingBadge, PointerMarksOnlyTheBarWhoseLetterIsTheWholeRating) {
    const struct {
        const char* rating;
        int bar;
    } cases[] = {{"A+", 0}, {"A", 1}, {"C", 3}, {"F", 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rating);
        const QImage image = Badge(QLatin1String(c.rating));
        const QRect box = PointerBox(c.bar);
        const int area = box.width() * box.height();
        EXPECT_GT(ColourPixels(image, box, QColor(Qt::black)), area / 3);
        // The letter repeats in white on the pointer.
        EXPECT_GT(ColourPixels(image, box, QColor(Qt::white)), area / 20);
        // The tip stands 5 units above the bar, centred on it.
        EXPECT_EQ(PixelAt(image, Px(BarLeft(c.bar) + 20), Px(kY0 + 3)), QColor(Qt::black));
        EXPECT_EQ(PixelAt(image, Px(BarLeft(c.bar) + 20), Px(kY0 - 71)), QColor(Qt::white));
        // The box is 70 wide from Y0 - 70 to Y0 - 25 before it narrows to the tip.
        for (const QPoint& corner :
             {QPoint(-14, -69), QPoint(54, -69), QPoint(-14, -26), QPoint(54, -26)}) {
            EXPECT_EQ(PixelAt(image, Px(BarLeft(c.bar) + corner.x()), Px(kY0 + corner.y())),
                      QColor(Qt::black))
                << "pointer corner " << corner.x() << ", " << corner.y();
        }
        EXPECT_EQ(PixelAt(image, Px(BarLeft(c.bar) - 16), Px(kY0 - 50)), QColor(Qt::white));
        EXPECT_EQ(PixelAt(image, Px(BarLeft(c.bar) + 56), Px(kY0 - 50)), QColor(Qt::white));
        for (int i = 0; i < 7; ++i) {
            if (i != c.bar) {
                EXPECT_EQ(DarkPixels(image, PointerColumn(i)), 0) << "pointer over bar " << i;
            }
        }
    }
}

TEST(RatingBadge, NoPointerForATextThatIsNoBarLetter) {
    for (const char* rating : {"npd", "G", "", "a+", "A+ ", "XXXXXXXX"}) {
        SCOPED_TRACE(rating);
        const QImage image = Badge(QLatin1String(rating));
        EXPECT_EQ(DarkPixels(image, Span(0, 0, 629, Px(kY0 + 10) - 1)), 0);
    }
}

TEST(RatingBadge, OriginIsScaledTogetherWithTheShape) {
    // Moving the origin by 10 units moves the bars by 10 d pixels, not by 10 pixels.
    const QImage moved = Badge(QStringLiteral("B"), kX0 + 10, kY0 + 10);
    const QColor b = *RatingColourOf(QStringLiteral("B"));
    const QRect inside = BarInside(2, kX0 + 10, kY0 + 10);
    EXPECT_GT(ColourPixels(moved, inside, b), inside.width() * inside.height() / 3);
    EXPECT_EQ(PixelAt(moved, Px(BarLeft(2) + 30), Px(kY0 + 20) - 1), QColor(Qt::white));
    EXPECT_EQ(PixelAt(moved, Px(BarLeft(2) + 30), Px(kY0 + 20)), QColor(Qt::black));

    // At twice the scale bar 0 starts at trunc(130 * 2d).
    const QImage big = Drawn(1400, 1200, [&](Canvas& canvas) {
        DrawRatingBadge(canvas, QStringLiteral("A+"), kX0, kY0, 2 * kD);
    });
    const QRect bar0 = BarInside(0, kX0, kY0, 2 * kD);
    EXPECT_GT(ColourPixels(big, bar0, QColor(0, 128, 0)), bar0.width() * bar0.height() / 3);
    EXPECT_EQ(PixelAt(big, Px(130, 2 * kD), Px(kY0 + 20, 2 * kD)), QColor(Qt::black));
    EXPECT_EQ(PixelAt(big, Px(130, 2 * kD) - 2, Px(kY0 + 20, 2 * kD)), QColor(Qt::white));
}

TEST(RatingBadge, LeavesPenBlackBrushHollowFontBoldAndRestoresOnlyTheFace) {
    for (const char* rating : {"C", "F", "npd"}) {
        SCOPED_TRACE(rating);
        Drawn(630, 891, [&](Canvas& canvas) {
            canvas.SetPenColor(Qt::red);
            canvas.SetBrushColor(Qt::blue);
            canvas.SetFontName(QStringLiteral("Courier"));
            canvas.SetFontBold(false);
            canvas.SetFontHeight(9);
            DrawRatingBadge(canvas, QLatin1String(rating), kX0, kY0, kD);
            EXPECT_EQ(canvas.PenColor(), QColor(Qt::black));
            EXPECT_TRUE(canvas.BrushHollow());
            EXPECT_TRUE(canvas.FontBold());
            EXPECT_EQ(canvas.FontName(), QStringLiteral("Courier"));
            // Height and colour stay as last set: the pointer letter's only when the last bar
            // carries the pointer.
            const bool lastBarMarked = QLatin1String(rating) == QLatin1String("F");
            EXPECT_EQ(canvas.FontHeight(), Px(lastBarMarked ? 60 : 30));
            EXPECT_EQ(canvas.FontColor(), lastBarMarked ? QColor(Qt::white) : QColor(Qt::black));
        });
    }
}
