#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QColor PixelAt(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y)).toRgb();
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QRect BoxOf(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    const QRect inside = area & image.rect();
    QRect box;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (test(PixelAt(image, x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

void PrintTo(const QRect& rect, std::ostream* os) {
    *os << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height();
}

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
