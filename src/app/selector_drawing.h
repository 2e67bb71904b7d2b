// How the entries of the four selectors look: the system selector shows a system's name, the
// profile selectors show each profile code with a small picture of its section from the picture
// store. The main window's draw-item handlers call these with the canvas that the combo box has
// prepared (font, background and text colours of the entry).
//
// An entry's rectangle is rect: its left and top are rect.left() and rect.top(); its right and
// bottom edges are exclusive, at rect.left() + rect.width() and rect.top() + rect.height().
#pragma once

#include <QRect>
#include <QString>

class Canvas;

// The inner folder of each update folder that holds the profile pictures.
inline const QString kProfilePictureFolder = QStringLiteral("\\Pics\\Bitmap STD\\");

// What an entry shows: the system's name, the entry's text before the first comma; the
// profile code, field 2 of the entry's text, trimmed.
QString SystemEntryText(const QString& text);
QString ProfileEntryText(const QString& text);

// The system's name (SystemEntryText), 5 pixels right of and 4 below
// the rectangle's top-left corner, clipped to the rectangle, which is filled with the prepared
// background first.
void DrawSystemEntry(Canvas& canvas, const QRect& rect, const QString& text);

// The profile code (ProfileEntryText) in bold on the prepared background,
// clipped to the rectangle, at x = height + 10 from the surface's left edge (x = 0, not the
// rectangle's left) and 4 below the top; to its left the code's picture from the store under
// pictureBase, scaled into x 5 to 5 + height and y top + 1 to bottom - 1 and combined with the
// background by a bitwise AND, so its white areas take the background colour. An entry whose
// picture is missing or unreadable shows its code alone. Leaves the brush hollow and the font
// bold.
void DrawProfileEntry(Canvas& canvas, const QRect& rect, const QString& text,
                      const QString& pictureBase);
