// Pixel checks shared by the drawing tests of the documents: counting pixels of a colour or of
// dark ink inside a rectangle, and drawing a routine into a white image.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

#include "platform/canvas.h"
#include "test_support.h"

// Pixels inside rect (clipped to the image) that satisfy keep(colour).
template <typename Keep>
int CountPixels(const QImage& image, const QRect& rect, Keep keep) {
    const QRect area = rect & image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (keep(PixelAt(image, x, y))) {
                ++count;
            }
        }
    }
    return count;
}

inline int ColourPixels(const QImage& image, const QRect& rect, const QColor& colour) {
    return CountPixels(image, rect, [&](const QColor& c) { return c == colour; });
}

// Text and lines: anything clearly darker than mid grey (antialiased glyph edges included).
inline int DarkPixels(const QImage& image, const QRect& rect) {
    return CountPixels(image, rect, [](const QColor& c) { return c.lightness() < 128; });
}

// White text on the black bands, antialiased edges included.
inline int LightPixels(const QImage& image, const QRect& rect) {
    return CountPixels(image, rect, [](const QColor& c) { return c.lightness() >= 128; });
}

// Rows from top to bottom (inclusive) between x1 and x2 (inclusive).
inline QRect Span(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

// A white RGB32 image with draw(canvas) applied to it.
template <typename Draw>
QImage Drawn(int width, int height, Draw draw) {
    QImage image = WhiteImage(width, height);
    QPainter painter(&image);
    Canvas canvas(painter);
    draw(canvas);
    painter.end();
    return image;
}
