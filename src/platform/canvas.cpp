#include "platform/canvas.h"

#include "platform/fonts.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace {

// Qt's raster engine caches glyphs up to this em size and fills larger ones as outlines. Qt 6.4
// loads those outlines with whatever sub-pixel offset the last glyph rendered from the same
// font file left on the shared FreeType face, so a large letter's edges would depend on what was
// drawn before it. Rendering a glyph at a whole-pixel position first sets the offset to zero; it
// takes a font engine of its own, whose glyph cache is still empty.
constexpr double kLargestCachedGlyphEm = 64;

void SettleOutlineOffset(QPainter& painter, const CellFont& font) {
    // The em as the device draws it: larger on a high-resolution image.
    const double scale = std::sqrt(std::abs(painter.deviceTransform().determinant()));
    if (font.em * scale > kLargestCachedGlyphEm && font.glyphs.isValid() &&
        painter.paintEngine()->type() == QPaintEngine::Raster) {
        QRawFont probe = font.glyphs;
        probe.setPixelSize(font.em + 1);
        probe.alphaMapForGlyph(font.blankGlyph, QRawFont::PixelAntialiasing);
    }
}

// Draws the text with the top of its cell at y, in the painter's pen colour.
void DrawLine(QPainter& painter, const CellFont& font, const TextLine& line, int x, int y,
              const QString& text) {
    SettleOutlineOffset(painter, font);
    const QPointF baseline(x, y + font.ascent);
    if (line.byGlyphs) {
        painter.drawGlyphRun(baseline, line.glyphs);
    } else {
        painter.setFont(font.wholePixel);
        painter.drawText(baseline, text);
    }
}

}  // namespace

QFont FontOfCellHeight(const QString& face, int cellHeight, bool bold) {
    return CellFontOf(face, cellHeight, bold)->wholePixel;
}

Canvas::Canvas(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void Canvas::SetBrushColor(const QColor& color) {
    brushColor_ = color;
    brushHollow_ = false;
}

void Canvas::SetFontName(const QString& name) {
    if (name != fontName_) {
        fontName_ = name;
        font_.reset();
    }
}

void Canvas::SetFontHeight(int height) {
    if (height != fontHeight_) {
        fontHeight_ = height;
        font_.reset();
    }
}

void Canvas::SetFontBold(bool bold) {
    if (bold != fontBold_) {
        fontBold_ = bold;
        font_.reset();
    }
}

const CellFont& Canvas::Font() const {
    if (!font_) {
        font_ = CellFontOf(fontName_, fontHeight_, fontBold_);
    }
    return *font_;
}

void Canvas::ApplyPen() {
    QPen pen(penColor_);
    pen.setWidth(penWidth_ < 1 ? 1 : penWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    painter_.setPen(pen);
}

bool Canvas::OutlinesAsSpans(int width, int height) const {
    return width >= 2 && height >= 2 && penColor_.alpha() == 255 &&
           painter_.paintEngine()->type() == QPaintEngine::Raster &&
           painter_.transform().type() <= QTransform::TxTranslate &&
           painter_.compositionMode() == QPainter::CompositionMode_SourceOver &&
           !painter_.testRenderHint(QPainter::Antialiasing);
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1) {
        std::swap(x1, x2);
    }
    if (y2 < y1) {
        std::swap(y1, y2);
    }
    if (!brushHollow_) {
        painter_.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), brushColor_);
    }
    if (penWidth_ <= 1 && OutlinesAsSpans(x2 - x1, y2 - y1)) {
        // One pixel wide: the outline covers the first and last columns and rows of the area,
        // exactly the pixels that the raster engine's stroke of the rectangle below sets, in a
        // fraction of its time.
        const int width = x2 - x1;
        const int inner = y2 - y1 - 2;
        painter_.fillRect(QRect(x1, y1, width, 1), penColor_);
        painter_.fillRect(QRect(x1, y2 - 1, width, 1), penColor_);
        if (inner > 0) {
            painter_.fillRect(QRect(x1, y1 + 1, 1, inner), penColor_);
            painter_.fillRect(QRect(x2 - 1, y1 + 1, 1, inner), penColor_);
        }
        return;
    }
    ApplyPen();
    painter_.setBrush(Qt::NoBrush);
    if (penWidth_ <= 1) {
        // One pixel wide: the outline covers the first and last columns and rows of the area.
        painter_.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)));
    } else {
        // Wider pens are centred on the outline, as on a form canvas.
        painter_.drawRect(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    }
}

void Canvas::Polygon(const std::vector<QPoint>& points) {
    if (points.empty()) {
        return;
    }
    QPolygon polygon;
    for (const QPoint& p : points) {
        polygon << p;
    }
    ApplyPen();
    painter_.setBrush(brushHollow_ ? QBrush(Qt::NoBrush) : QBrush(brushColor_));
    painter_.drawPolygon(polygon);
    painter_.setBrush(Qt::NoBrush);
}

void Canvas::MoveTo(int x, int y) {
    penPos_ = QPoint(x, y);
}

void Canvas::LineTo(int x, int y) {
    ApplyPen();
    painter_.drawLine(penPos_, QPoint(x, y));
    penPos_ = QPoint(x, y);
}

void Canvas::TextOut(int x, int y, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    const CellFont& font = Font();
    const TextLine& line = font.LineOf(text);
    if (!brushHollow_) {
        painter_.fillRect(QRect(x, y, line.width, font.height), brushColor_);
    }
    painter_.setPen(fontColor_);
    DrawLine(painter_, font, line, x, y, text);
}

void Canvas::TextRect(const QRect& rect, int x, int y, const QString& text) {
    if (!brushHollow_) {
        painter_.fillRect(rect, brushColor_);
    }
    if (text.isEmpty()) {
        return;
    }
    const CellFont& font = Font();
    const TextLine& line = font.LineOf(text);
    painter_.save();
    painter_.setClipRect(rect, Qt::IntersectClip);
    painter_.setPen(fontColor_);
    DrawLine(painter_, font, line, x, y, text);
    painter_.restore();
}

int Canvas::TextWidth(const QString& text) const {
    if (text.isEmpty()) {
        return 0;
    }
    return Font().LineOf(text).width;
}

qsizetype Canvas::FittingLength(const QString& text, int width, const QString& suffix) const {
    if (TextWidth(text + suffix) <= width) {
        return text.size();
    }
    // Widths grow with the characters taken, so the longest start that fits is bisected.
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        (TextWidth(text.left(middle) + suffix) <= width ? fits : tooLong) = middle;
    }
    return fits;
}

int Canvas::TextHeight(const QString& text) const {
    Q_UNUSED(text);
    return Font().height;
}

void Canvas::StretchDrawAnd(const QRect& rect, const QImage& picture) {
    if (picture.isNull() || rect.isEmpty()) {
        return;
    }
    // Scaled to the device's pixels, so that a high-resolution surface shows the picture's own
    // detail rather than an enlargement of its 100 % copy.
    const qreal ratio = painter_.device()->devicePixelRatio();
    QImage scaled = picture.convertToFormat(QImage::Format_RGB32)
                        .scaled(rect.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(ratio);
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter_.drawImage(rect.topLeft(), scaled);
    painter_.restore();
}
