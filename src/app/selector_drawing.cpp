#include "app/selector_drawing.h"

#include <QPainter>

#include "data/picture_store.h"
#include "data/table_fields.h"
#include "platform/canvas.h"

namespace {

constexpr int kSystemTextIndent = 5;
constexpr int kTextDrop = 4;
// The profile code stands this far right of the picture's width.
constexpr int kCodeGap = 10;
constexpr int kPictureLeft = 5;
constexpr int kPictureInset = 1;
// The field of the entry's text that holds the profile code.
constexpr int kCodeField = 2;

void FillWithBrush(Canvas& canvas, const QRect& rect) {
    if (!canvas.BrushHollow()) {
        canvas.Painter().fillRect(rect, canvas.BrushColor());
    }
}

}  // namespace

QString SystemEntryText(const QString& text) {
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    return comma < 0 ? text : text.left(comma);
}

QString ProfileEntryText(const QString& text) {
    return TrimSpacesAndControls(CsvField(text, kCodeField));
}

void DrawSystemEntry(Canvas& canvas, const QRect& rect, const QString& text) {
    canvas.TextRect(rect, rect.left() + kSystemTextIndent, rect.top() + kTextDrop,
                    SystemEntryText(text));
}

void DrawProfileEntry(Canvas& canvas, const QRect& rect, const QString& text,
                      const QString& pictureBase) {
    const QString code = ProfileEntryText(text);
    const int top = rect.top();
    const int bottom = rect.top() + rect.height();  // exclusive
    const int side = bottom - top;

    FillWithBrush(canvas, rect);
    canvas.SetBrushHollow();
    canvas.SetFontBold(true);
    canvas.TextRect(rect, side + kCodeGap, top + kTextDrop, code);

    const QString path =
        FindUpdateFile(pictureBase, kProfilePictureFolder, PictureFileNameFor(code));
    if (path == kPictureNotFound) {
        return;
    }
    const QImage picture = LoadPicture(path);
    canvas.StretchDrawAnd(QRect(kPictureLeft, top + kPictureInset, side,
                                (bottom - kPictureInset) - (top + kPictureInset)),
                          picture);
}
