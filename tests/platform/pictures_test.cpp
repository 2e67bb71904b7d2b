#include "platform/pictures.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

// How many pixels of the image satisfy the test.
template <typename Test>
int CountPixels(const QImage& image, Test test) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(QColor::fromRgba(image.pixel(x, y)))) {
                ++count;
            }
        }
    }
    return count;
}

bool IsGreen(const QColor& c) {
    return c.alpha() == 255 && c.green() > c.red() + 25 && c.green() > c.blue() + 25;
}
bool IsRed(const QColor& c) {
    return c.alpha() == 255 && c.red() > 150 && c.green() < 80 && c.blue() < 80;
}
bool IsWhite(const QColor& c) {
    return c.alpha() == 255 && c.red() > 240 && c.green() > 240 && c.blue() > 240;
}

}  // namespace

TEST(Pictures, HaveTheSizesTheWindowsWereLaidOutFor) {
    EXPECT_EQ(BannerBackground().size(), QSize(9, 20));
    EXPECT_EQ(SmallLogo().size(), QSize(48, 20));
    EXPECT_EQ(GreenGuideLogo().size(), QSize(312, 99));
    EXPECT_EQ(MakerLogo().size(), QSize(103, 45));
    EXPECT_EQ(DecorativeCurves().size(), QSize(200, 209));
    EXPECT_EQ(RatingBodyLogo().size(), QSize(288, 100));
}

TEST(Pictures, BannerIsADarkGreenGradientDarkeningDownwards) {
    const QImage banner = BannerBackground();
    const QColor top = PixelAt(banner, 4, 2);
    const QColor bottom = PixelAt(banner, 4, 19);
    EXPECT_TRUE(IsGreen(top));
    EXPECT_TRUE(IsGreen(bottom));
    EXPECT_GT(top.green(), bottom.green());
    EXPECT_LT(bottom.lightness(), 80);
    // Every column is the same, so the strip stretches across the banner without seams.
    for (int y = 0; y < 20; ++y) {
        for (int x = 1; x < 9; ++x) {
            ASSERT_EQ(banner.pixel(x, y), banner.pixel(0, y)) << x << "," << y;
        }
    }
}

TEST(Pictures, SmallLogoIsARedTabWithWhiteLetters) {
    const QImage logo = SmallLogo();
    EXPECT_TRUE(IsRed(QColor::fromRgba(logo.pixel(2, 18))));
    EXPECT_TRUE(IsRed(QColor::fromRgba(logo.pixel(46, 18))));
    const int white = CountPixels(logo, IsWhite);
    EXPECT_GT(white, 30);  // the letters
    EXPECT_GT(CountPixels(logo, IsRed), 48 * 20 / 2);
}

TEST(Pictures, GreenGuideLogoBlendsWithTheIvorySheet) {
    const QImage logo = GreenGuideLogo();
    const QColor ivory(255, 255, 250);
    for (const QPoint& corner : {QPoint(0, 0), QPoint(311, 0), QPoint(0, 98), QPoint(311, 98)}) {
        EXPECT_EQ(PixelAt(logo, corner.x(), corner.y()), ivory) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(QColor::fromRgba(logo.pixel(0, 0)).alpha(), 255);
    // Green lettering and leaf take a fair part of it.
    EXPECT_GT(CountPixels(logo, IsGreen), 312 * 99 / 10);
}

TEST(Pictures, AboutBoxPicturesAreOnWhite) {
    for (const QImage& picture : {MakerLogo(), DecorativeCurves(), RatingBodyLogo()}) {
        const QColor topLeft = QColor::fromRgba(picture.pixel(0, 0));
        const QColor bottomRight =
            QColor::fromRgba(picture.pixel(picture.width() - 1, picture.height() - 1));
        EXPECT_TRUE(IsWhite(topLeft) && IsWhite(bottomRight)) << picture.width();
        EXPECT_GT(CountPixels(picture, [](const QColor& c) { return !IsWhite(c); }), 200);
    }
    // The curves are thin: most of the picture stays white behind the texts in front of it.
    const QImage curves = DecorativeCurves();
    EXPECT_GT(CountPixels(curves, IsWhite), 200 * 209 * 2 / 3);
    EXPECT_GT(CountPixels(curves,
                          [](const QColor& c) { return !IsWhite(c) && c.green() > c.blue() + 20; }),
              500);
}

TEST(Pictures, ProgramIconHasSmallAndLargeSizes) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 32, 48, 256}) {
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
    }
    const QImage large = icon.pixmap(64, 64).toImage();
    EXPECT_TRUE(IsGreen(QColor::fromRgba(large.pixel(32, 6))));
    EXPECT_EQ(QColor::fromRgba(large.pixel(0, 0)).alpha(), 0);  // rounded corner
}
