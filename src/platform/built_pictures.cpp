#include "platform/built_pictures.h"

#include <QResource>
#include <QtEndian>
#include <QtMath>

#include <memory>

namespace {

constexpr quint32 kMagic = 0x78705047;  // "GGpx" read as a little-endian word
constexpr qsizetype kHeaderBytes = 16;

quint32 HeaderWord(const QByteArray& bytes, int index) {
    return qFromLittleEndian<quint32>(bytes.constData() + 4 * index);
}

}  // namespace

QString BuiltPictureFile(const FixedPicture& picture, qreal ratio) {
    return picture.name + QLatin1Char('@') + QString::number(ratio) + QLatin1Char('x');
}

QByteArray BuiltPictureBytes(const QImage& picture) {
    QByteArray bytes(kHeaderBytes, '\0');
    const quint32 header[] = {kMagic, quint32(picture.width()), quint32(picture.height()),
                              quint32(picture.format())};
    for (int i = 0; i < 4; ++i) {
        qToLittleEndian(header[i], bytes.data() + 4 * i);
    }
    for (int y = 0; y < picture.height(); ++y) {
        bytes.append(reinterpret_cast<const char*>(picture.constScanLine(y)),
                     qsizetype(picture.width()) * 4);
    }
    return bytes;
}

QImage BuiltPicture(const FixedPicture& picture, qreal ratio) {
    if (!picture.screenRatios && ratio != 1.0) {
        return {};
    }
    const QResource resource(kBuiltPictureFolder + BuiltPictureFile(picture, ratio));
    if (!resource.isValid()) {
        return {};
    }
    // The image is made on the decompressed bytes themselves, which it frees: no copy of them.
    auto bytes = std::make_unique<QByteArray>(resource.uncompressedData());
    const int width = qCeil(picture.size.width() * ratio);
    const int height = qCeil(picture.size.height() * ratio);
    const qsizetype rowBytes = qsizetype(width) * 4;
    // A copy of another size or kind than the one asked for (a stale build) is not used.
    if (bytes->size() != kHeaderBytes + rowBytes * height || HeaderWord(*bytes, 0) != kMagic ||
        HeaderWord(*bytes, 1) != quint32(width) || HeaderWord(*bytes, 2) != quint32(height)) {
        return {};
    }
    const auto format = static_cast<QImage::Format>(HeaderWord(*bytes, 3));
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied) {
        return {};
    }
    auto* pixels = reinterpret_cast<uchar*>(bytes->data()) + kHeaderBytes;
    QImage image(
        pixels, width, height, rowBytes, format,
        [](void* held) { delete static_cast<QByteArray*>(held); }, bytes.get());
    bytes.release();
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage FixedPictureAt(const FixedPicture& picture, qreal ratio) {
    QImage built = BuiltPicture(picture, ratio);
    return built.isNull() ? picture.draw(ratio) : built;
}
