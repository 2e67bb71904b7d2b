// A drawing left until the image is needed must give the pixels that drawing at once gives.
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include "widgets/widgets.h"

TEST(ImageWidget, DrawingWaitsUntilPaintedOrReadAndTheLatestCounts) {
    ImageWidget image;
    image.resize(20, 10);
    image.SetBitmapSize(20, 10);
    int drawn = 0;
    auto fill = [&drawn](QColor colour) {
        return [&drawn, colour](QImage& bitmap) {
            ++drawn;
            QPainter(&bitmap).fillRect(bitmap.rect(), colour);
        };
    };
    image.DrawWhenNeeded(fill(Qt::red));
    image.DrawWhenNeeded(fill(Qt::blue));
    EXPECT_EQ(drawn, 0);
    EXPECT_EQ(QColor(image.Bitmap().pixel(3, 3)), QColor(Qt::blue));
    EXPECT_EQ(drawn, 1);
    image.Bitmap();
    EXPECT_EQ(drawn, 1);

    // Shown, the image makes its drawing before it paints.
    image.DrawWhenNeeded(fill(Qt::green));
    image.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&image));
    EXPECT_EQ(drawn, 2);
    EXPECT_EQ(image.grab().toImage().pixelColor(5, 5), QColor(Qt::green));

    // A bitmap made anew would have lost the drawing: it is white, as it would be.
    image.DrawWhenNeeded(fill(Qt::red));
    image.SetBitmapSize(30, 10);
    EXPECT_EQ(QColor(image.Bitmap().pixel(3, 3)), QColor(Qt::white));
    EXPECT_EQ(drawn, 2);
}
