// The drawing surface that every drawing routine of the program writes to: a thin layer over
// QPainter that carries the pen, brush and font from call to call, so that a routine can rely on
// the state that the previous one left, and that places text by its top-left corner.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

#include "platform/fonts.h"

class QPainter;

class Canvas {
public:
    // Draws through the given painter, which must stay active while the canvas is used. The
    // canvas starts with a black pen of width 1, a solid white brush and a black "Arial" font of
    // cell height 14.
    explicit Canvas(QPainter& painter);

    // Pen: colour and width in pixels (a width below 1 draws one pixel wide).
    void SetPenColor(const QColor& color) { penColor_ = color; }
    QColor PenColor() const { return penColor_; }
    void SetPenWidth(int width) { penWidth_ = width; }

    // Brush: a solid colour, or hollow (no fill, text drawn on a transparent background).
    // Setting the colour makes the brush solid, as choosing a brush colour does on a form canvas.
    void SetBrushColor(const QColor& color);
    QColor BrushColor() const { return brushColor_; }
    void SetBrushHollow() { brushHollow_ = true; }
    bool BrushHollow() const { return brushHollow_; }

    // Font. A positive height is the character cell height in pixels (ascent plus descent); a
    // negative height is the character height without internal leading (the em size).
    void SetFontName(const QString& name);
    QString FontName() const { return fontName_; }
    void SetFontHeight(int height);
    int FontHeight() const { return fontHeight_; }
    void SetFontBold(bool bold);
    bool FontBold() const { return fontBold_; }
    void SetFontColor(const QColor& color) { fontColor_ = color; }
    QColor FontColor() const { return fontColor_; }

    // Fills (x1, y1)-(x2, y2) with the brush unless it is hollow and outlines it with the pen;
    // the right and bottom edges are exclusive.
    void Rectangle(int x1, int y1, int x2, int y2);
    // Closed polygon, filled with the brush unless hollow and outlined with the pen.
    void Polygon(const std::vector<QPoint>& points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint PenPosition() const { return penPos_; }

    // Text with its top-left corner at (x, y). A solid brush fills the text's cell first.
    void TextOut(int x, int y, const QString& text);
    // Fills rect with the brush (unless hollow) and draws the text at (x, y) clipped to rect.
    void TextRect(const QRect& rect, int x, int y, const QString& text);
    // Width and cell height of the text in pixels, in the current font (the height is the
    // font's cell height whatever the text).
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    // How many characters from the start of text fit width pixels with suffix after them, in
    // the current font: found in some log2(length) measurements, however long the text.
    qsizetype FittingLength(const QString& text, int width, const QString& suffix = {}) const;

    // Draws the picture scaled into rect, combined with what is already there by a bitwise AND
    // of the colours (works on raster surfaces).
    void StretchDrawAnd(const QRect& rect, const QImage& picture);

    QPainter& Painter() { return painter_; }

private:
    void ApplyPen();
    // Whether a one-pixel outline of a rectangle this large can be set as four solid spans.
    bool OutlinesAsSpans(int width, int height) const;
    // The face, height and boldness set, sized; looked up again only after one of them changed.
    const CellFont& Font() const;

    QPainter& painter_;
    QColor penColor_{Qt::black};
    int penWidth_ = 1;
    QColor brushColor_{Qt::white};
    bool brushHollow_ = false;
    QString fontName_{QStringLiteral("Arial")};
    int fontHeight_ = 14;
    bool fontBold_ = false;
    QColor fontColor_{Qt::black};
    QPoint penPos_{0, 0};
    mutable std::shared_ptr<const CellFont> font_;
};

// A widget font of the given face whose em is -cellHeight pixels (negative), or whose cell
// height is about cellHeight pixels (positive: widgets take whole-pixel ems only).
QFont FontOfCellHeight(const QString& face, int cellHeight, bool bold);

// Truncates toward zero, as every computed coordinate is before it reaches the canvas.
inline int Trunc(double v) {
    return static_cast<int>(v);
}
