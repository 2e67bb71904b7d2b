// The program's own pictures: the banner strip and small logo of the main window, the Green Guide
// logo over the specification sheet, the pictures of the About box and the program icon. They are
// drawn in code at the sizes the windows were laid out for, so the program ships no image files;
// all but the banner never change and are drawn once at build time (platform/built_pictures.h).
#pragma once

#include <QIcon>
#include <QImage>

#include <vector>

#include "platform/built_pictures.h"

// 9 x 20: one slice of the main window's banner, a dark green vertical gradient; it is stretched
// across the banner strip.
QImage BannerBackground();

// Pictures with a ratio are drawn at that device pixel ratio (logical size x ratio pixels), so
// that they stay sharp on high-resolution screens.

// 48 x 20: a red tab with the white letters "GG", at the left of the banner.
QImage SmallLogo(qreal ratio = 1.0);

// 312 x 99: the rating body's Green Guide logo, a leaf with the words "bre" and "Green Guide" in
// the sheet's green on the sheet's ivory, shown over the top left of the specification sheet.
QImage GreenGuideLogo(qreal ratio = 1.0);

// 103 x 45: the window maker's logo, a window mark and the word "Tarvex".
QImage MakerLogo(qreal ratio = 1.0);

// 200 x 209: thin yellow-green curves on white, the About box's decoration.
QImage DecorativeCurves(qreal ratio = 1.0);

// 288 x 100: the rating body's logo as the About box shows it, on white.
QImage RatingBodyLogo(qreal ratio = 1.0);

// The program's icon at the usual icon sizes, made when first asked for, once per process.
QIcon ProgramIcon();

// The pictures above that never change, with their drawing routines, as the build draws them.
const std::vector<FixedPicture>& ProgramPictures();
