// Pictures that never change (the logos, the About box's pictures, the icon, the specification
// sheet's fixed art) are drawn once at build time by the program's own drawing routines (the
// tool resources/draw_pictures.cpp) and built into the program as resources, at the screen ratios
// of kBuiltRatios. At start the windows copy them instead of drawing them again; a picture at
// another ratio, or in a program built without them, is drawn as before.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <functional>

// One picture that never changes: the routine that draws it, and what its copy is called.
struct FixedPicture {
    QString name;
    QSize size;         // in logical pixels
    bool screenRatios;  // built at each of kBuiltRatios; otherwise at 1 only
    std::function<QImage(qreal ratio)> draw;
};

inline const QString kBuiltPictureFolder = QStringLiteral(":/pictures/");

// The device pixel ratios the pictures are built at: 100 %, 125 %, 150 % and 200 %.
inline constexpr std::array<qreal, 4> kBuiltRatios = {1.0, 1.25, 1.5, 2.0};

// The picture at this ratio: its copy made at build time when the program holds one, else
// drawn now.
QImage FixedPictureAt(const FixedPicture& picture, qreal ratio);

// The copy made at build time only: a null image when the program holds none at this ratio.
QImage BuiltPicture(const FixedPicture& picture, qreal ratio);

// The copy's file name in the resource folder kBuiltPictureFolder, and the bytes it holds: a
// header of four little-endian 32-bit words ("GGpx", width, height, QImage format) and the
// rows of 32-bit pixels in the byte order of the machine that built the program.
QString BuiltPictureFile(const FixedPicture& picture, qreal ratio);
QByteArray BuiltPictureBytes(const QImage& picture);
