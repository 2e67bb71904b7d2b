#include "platform/canvas.h"

#include "platform/fonts.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QPolygon>

namespace {

// Texts that the raw glyphs cannot show one by one go through Qt's own text layout: control
// characters (a tab moves on to the next tab stop there) and format characters (a soft hyphen
// stays invisible).
bool NeedsTextLayout(const QString& text) {
    for (const QChar c : text) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format) {
            return true;
        }
    }
    return false;
}

// A text as one run of the font's glyphs on the baseline, placed by their kerned advances as
// Qt's own layout places them. Not valid when the text needs Qt's layout or the face lacks one
// of its characters (Qt's layout then falls back on another face).
struct GlyphLine {
    QGlyphRun run;
    double width = 0;
    bool valid = false;
};

GlyphLine LayOutGlyphs(const CellFont& font, const QString& text) {
    GlyphLine line;
    if (!font.glyphs.isValid() || NeedsTextLayout(text)) {
        return line;
    }
    const QList<quint32> glyphs = font.glyphs.glyphIndexesForString(text);
    if (glyphs.contains(0)) {
        return line;
    }
    const QList<QPointF> advances =
        font.glyphs.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QList<QPointF> positions;
    positions.reserve(advances.size());
    double x = 0;
    for (const QPointF& advance : advances) {
        positions.append(QPointF(x, 0));
        x += advance.x();
    }
    line.run.setRawFont(font.glyphs);
    line.run.setGlyphIndexes(glyphs);
    line.run.setPositions(positions);
    line.width = x;
    line.valid = true;
    return line;
}

int WidthOf(const CellFont& font, const GlyphLine& line, const QString& text) {
    return line.valid ? qRound(line.width) : QFontMetrics(font.wholePixel).horizontalAdvance(text);
}

// Draws the text with the top of its cell at y, in the painter's pen colour.
void DrawLine(QPainter& painter, const CellFont& font, const GlyphLine& line, int x, int y,
              const QString& text) {
    const QPointF baseline(x, y + font.ascent);
    if (line.valid) {
        painter.drawGlyphRun(baseline, line.run);
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
    const GlyphLine line = LayOutGlyphs(font, text);
    if (!brushHollow_) {
        painter_.fillRect(QRect(x, y, WidthOf(font, line, text), font.height), brushColor_);
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
    const GlyphLine line = LayOutGlyphs(font, text);
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
    const CellFont& font = Font();
    return WidthOf(font, LayOutGlyphs(font, text), text);
}

int Canvas::TextHeight(const QString& text) const {
    Q_UNUSED(text);
    return Font().height;
}

void Canvas::StretchDrawAnd(const QRect& rect, const QImage& picture) {
    if (picture.isNull() || rect.isEmpty()) {
        return;
    }
    const QImage scaled = picture.convertToFormat(QImage::Format_RGB32)
                              .scaled(rect.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter_.drawImage(rect.topLeft(), scaled);
    painter_.restore();
}
