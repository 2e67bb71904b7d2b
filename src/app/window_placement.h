// Where the main window's outer frame goes: wholly inside the free area of its screen, and its
// place and size as the settings store keeps them.
#pragma once

#include <QRect>
#include <QString>

// The window as designed: place and size of its outer frame, the window manager's border and
// title bar included.
inline constexpr QRect kDesignFrame(150, 142, 1060, 667);

// The frame moved, then shrunk, into area: moved left or up as far as needed for its right and
// bottom edges to be inside, then right or down for its left and top edges; then cut to the
// area's size where it is still larger.
QRect FitFrameIntoArea(const QRect& frame, const QRect& area);

// A frame as the settings store keeps it, "left,top,width,height", and back; an empty rectangle
// for a text that is not four whole numbers with a positive width and height.
QString FrameText(const QRect& frame);
QRect FrameOfText(const QString& text);
