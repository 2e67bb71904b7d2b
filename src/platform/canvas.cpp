#include "platform/canvas.h"

#include "platform/fonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPolygon>

namespace {

// Cell height (ascent + descent) per pixel of em size, per face and weight. Font metrics scale
// linearly with the pixel size, so one measurement at a large size serves every height.
double CellHeightPerPixel(const QString& face, bool bold) {
    static QHash<QString, double> ratios;
    const QString key = face + (bold ? QStringLiteral("|b") : QStringLiteral("|r"));
    if (const double designed = DesignCellHeightRatio(face); designed > 0) {
        return designed;
    }
    auto it = ratios.constFind(key);
    if (it != ratios.constEnd()) {
        return *it;
    }
    QFont probe(face);
    probe.setBold(bold);
    probe.setPixelSize(1000);
    const double cell = QFontMetricsF(probe).height();
    const double ratio = cell > 0 ? cell / 1000.0 : 1.0;
    ratios.insert(key, ratio);
    return ratio;
}

}  // namespace

QFont FontOfCellHeight(const QString& face, int cellHeight, bool bold) {
    QFont font(face);
    font.setBold(bold);
    int pixels = cellHeight;
    if (cellHeight > 0) {
        pixels = static_cast<int>(cellHeight / CellHeightPerPixel(face, bold) + 0.5);
    } else if (cellHeight < 0) {
        pixels = -cellHeight;
    }
    font.setPixelSize(pixels < 1 ? 1 : pixels);
    return font;
}

Canvas::Canvas(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void Canvas::SetBrushColor(const QColor& color) {
    brushColor_ = color;
    brushHollow_ = false;
}

QFont Canvas::CurrentFont() const {
    return FontOfCellHeight(fontName_, fontHeight_, fontBold_);
}

void Canvas::ApplyPen() {
    QPen pen(penColor_);
    pen.setWidth(penWidth_ < 1 ? 1 : penWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    painter_.setPen(pen);
}

void Canvas::ApplyFont() {
    painter_.setFont(CurrentFont());
    painter_.setPen(fontColor_);
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
    ApplyFont();
    const QFontMetrics metrics = painter_.fontMetrics();
    if (!brushHollow_ && !text.isEmpty()) {
        painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                          brushColor_);
    }
    painter_.drawText(QPoint(x, y + metrics.ascent()), text);
}

void Canvas::TextRect(const QRect& rect, int x, int y, const QString& text) {
    if (!brushHollow_) {
        painter_.fillRect(rect, brushColor_);
    }
    ApplyFont();
    const QFontMetrics metrics = painter_.fontMetrics();
    painter_.save();
    painter_.setClipRect(rect, Qt::IntersectClip);
    painter_.drawText(QPoint(x, y + metrics.ascent()), text);
    painter_.restore();
}

int Canvas::TextWidth(const QString& text) const {
    painter_.setFont(CurrentFont());
    return painter_.fontMetrics().horizontalAdvance(text);
}

int Canvas::TextHeight(const QString& text) const {
    Q_UNUSED(text);
    painter_.setFont(CurrentFont());
    return painter_.fontMetrics().height();
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
