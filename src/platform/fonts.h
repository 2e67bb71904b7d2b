// The program's font faces, what stands in for them where they are not installed, and the
// faces sized by character cell height as the drawing canvas uses them.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QString>

#include <cstddef>
#include <memory>

// Maps the faces that the windows and documents name ("Arial", "Arial Black", "MS Sans Serif")
// to installed faces of matching metrics. Called once, after the application object exists and
// before any window or page is drawn.
void InstallFontSubstitutes();

// The cell height per pixel of em size of a face as it was designed, where the face that
// stands in for it has other proportions (0 when the installed face's own metrics apply).
// Sizing the stand-in by the designed face's em keeps its letters within the room that the
// layout gives them.
double DesignCellHeightRatio(const QString& face);

// A text laid out in one font: its glyphs on the baseline from x = 0, placed by their kerned
// advances as Qt's own layout places them, and its width in whole pixels. Texts that need Qt's
// own layout (control characters such as a tab, format characters such as a soft hyphen,
// characters the face lacks) have no glyph run and are drawn by Qt's text drawing instead.
struct TextLine {
    QGlyphRun glyphs;
    bool byGlyphs = false;
    int width = 0;
};

// A face at one font height, ready to draw. A QFont only ever loads whole-pixel sizes, which
// cannot give every cell height (Liberation Sans has no whole em with a cell of 13, 18, 24 or
// 40 pixels), so the glyphs come from a raw font at a fractional em.
class CellFont {
public:
    QRawFont glyphs;   // the face at the em size that gives the cell height
    QFont wholePixel;  // the same face at the nearest whole-pixel em, for texts that need Qt's
                       // own layout
    double em = 0;     // em size in pixels
    int ascent = 0;    // baseline below the top of the cell, in whole pixels
    int height = 0;    // cell height: ascent plus descent, each rounded as Qt rounds them
    quint32 blankGlyph = 0;  // the space's glyph, cheap to load

    // The text laid out in this font, valid until the next call for any font. A (font, text)
    // pair is laid out once while it stays in the layout cache (TextLayoutCacheBytes): the
    // result depends on nothing else, so it cannot go stale.
    const TextLine& LineOf(const QString& text) const;

    // Tells this font apart from every other made in this run, in the layout cache's keys.
    quint64 serial = 0;
};

// The memory that the texts laid out and kept for drawing again take, in bytes (the texts, their
// glyphs and positions): never more than kTextLayoutCacheBytes, however many texts of whatever
// length are measured or drawn. A text too large for the cache is laid out for its call alone.
inline constexpr std::size_t kTextLayoutCacheBytes = std::size_t(8) << 20;
std::size_t TextLayoutCacheBytes();

// The font of the given face and boldness whose cell height (ascent plus descent, in device
// pixels) is height when height is positive, or whose em is -height pixels when it is negative.
// Where Qt's rounding of ascent and descent jumps over the cell height asked, the designed em
// is kept and the cell comes out one pixel off. The "Arial Black" stand-in is sized by Arial
// Black's own em, so its cell follows the stand-in's proportions. Fonts are made once per
// process: the installed faces do not change while the program runs.
std::shared_ptr<const CellFont> CellFontOf(const QString& face, int height, bool bold);
