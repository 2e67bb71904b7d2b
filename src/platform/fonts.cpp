#include "platform/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

void InstallFontSubstitutes() {
    // Liberation Sans has the metrics of Arial, so text widths on the certificate match the
    // layout it was designed for. Arial Black has no metric twin among the free fonts: its
    // letters are drawn in bold Liberation Sans at Arial Black's em size, which keeps a rating
    // letter such as "A+" inside its 40-pixel bar. The window font is a small sans serif.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

double DesignCellHeightRatio(const QString& face) {
    // Arial Black: (ascent 2254 + descent 634) / 2048 units per em.
    if (face == QLatin1String("Arial Black")) {
        return (2254.0 + 634.0) / 2048.0;
    }
    return 0;
}

namespace {

// Font engines take their size in 26.6 fixed point: ems are searched in steps of 1/64 pixel,
// at most one pixel either way of the designed em.
constexpr double kEmStep = 1.0 / 64.0;
constexpr int kMaxEmSteps = 64;

// The face itself, at a size where its metrics read in font design units.
struct Face {
    QRawFont raw;
    double cellPerEm = 1.0;  // (ascent + descent) / em
};

// The installed family that draws a face: the face itself where it is installed, else the first
// of its stand-ins that is. Qt would ask fontconfig for the missing face's fallbacks first, which
// costs as much as loading a font, and arrive at the same stand-in; the faces that stand in for
// the same family share it.
QString DrawingFamily(const QString& face) {
    static const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [](const QString& family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    if (isInstalled(face)) {
        return face;
    }
    const QStringList standIns = QFont::substitutes(face);
    const auto found = std::find_if(standIns.begin(), standIns.end(), isInstalled);
    return found != standIns.end() ? *found : face;
}

// The windows' font size, in pixels (MS Sans Serif 11).
constexpr int kFaceSourceSize = 11;

const Face& FaceOf(const QString& face, bool bold) {
    static QHash<QString, Face> faces;
    const QString family = DrawingFamily(face);
    const QString key = family + (bold ? QStringLiteral("|b") : QStringLiteral("|r"));
    auto it = faces.find(key);
    if (it == faces.end()) {
        // Taken at the windows' own font size: the toolkit has loaded that font for the labels
        // already, and a font loaded anew costs as much as a few hundred glyphs.
        QFont font(family);
        font.setBold(bold);
        font.setPixelSize(kFaceSourceSize);
        Face face;
        face.raw = QRawFont::fromFont(font);
        if (face.raw.isValid() && face.raw.unitsPerEm() > 0) {
            face.raw.setPixelSize(face.raw.unitsPerEm());
            const double cell = face.raw.ascent() + face.raw.descent();
            if (cell > 0) {
                face.cellPerEm = cell / face.raw.pixelSize();
            }
        }
        it = faces.insert(key, face);
    }
    return *it;
}

int CellHeightOf(const QRawFont& raw) {
    return qRound(raw.ascent()) + qRound(raw.descent());
}

QRawFont AtEm(const QRawFont& raw, double em) {
    QRawFont sized = raw;
    sized.setPixelSize(em);
    return sized;
}

// The em closest to the designed one whose cell comes out at exactly height pixels.
double EmOfCellHeight(const Face& face, const QString& family, int height) {
    const double designed = DesignCellHeightRatio(family);
    const double ratio = designed > 0 ? designed : face.cellPerEm;
    const double em = std::max(kEmStep, std::round(height / ratio / kEmStep) * kEmStep);
    if (designed > 0 || !face.raw.isValid()) {
        return em;
    }
    for (int k = 0; k <= kMaxEmSteps; ++k) {
        for (const int sign : {1, -1}) {
            const double candidate = em + sign * k * kEmStep;
            if (candidate > 0 && CellHeightOf(AtEm(face.raw, candidate)) == height) {
                return candidate;
            }
        }
    }
    return em;
}

std::shared_ptr<const CellFont> MakeCellFont(const QString& family, int height, bool bold) {
    const Face& face = FaceOf(family, bold);
    double em = 1;
    if (height > 0) {
        em = EmOfCellHeight(face, family, height);
    } else if (height < 0) {
        em = -height;
    }
    static quint64 serials = 0;
    auto font = std::make_shared<CellFont>();
    font->serial = ++serials;
    font->em = em;
    font->wholePixel = QFont(family);
    font->wholePixel.setBold(bold);
    font->wholePixel.setPixelSize(std::max(1, qRound(em)));
    if (face.raw.isValid()) {
        font->glyphs = AtEm(face.raw, em);
        font->ascent = qRound(font->glyphs.ascent());
        font->height = font->ascent + qRound(font->glyphs.descent());
        font->blankGlyph = font->glyphs.glyphIndexesForString(QStringLiteral(" ")).value(0);
    } else {
        const QFontMetrics metrics(font->wholePixel);
        font->ascent = metrics.ascent();
        font->height = metrics.height();
    }
    return font;
}

struct FontKey {
    QString face;
    int height;
    bool bold;
    bool operator==(const FontKey& o) const {
        return height == o.height && bold == o.bold && face == o.face;
    }
};

size_t qHash(const FontKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.face, key.height, key.bold);
}

// Every size a run of the program draws at: a few dozen on screen, a few dozen more per printer
// resolution. The bound only guards against a pathological caller.
constexpr int kMaxCachedFonts = 1024;

}  // namespace

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

TextLine LayOut(const CellFont& font, const QString& text) {
    TextLine line;
    if (font.glyphs.isValid() && !NeedsTextLayout(text)) {
        const QList<quint32> glyphs = font.glyphs.glyphIndexesForString(text);
        if (!glyphs.contains(0)) {
            const QList<QPointF> advances =
                font.glyphs.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
            QList<QPointF> positions;
            positions.reserve(advances.size());
            double x = 0;
            for (const QPointF& advance : advances) {
                positions.append(QPointF(x, 0));
                x += advance.x();
            }
            line.glyphs.setRawFont(font.glyphs);
            line.glyphs.setGlyphIndexes(glyphs);
            line.glyphs.setPositions(positions);
            line.byGlyphs = true;
            line.width = qRound(x);
            return line;
        }
    }
    line.width = QFontMetrics(font.wholePixel).horizontalAdvance(text);
    return line;
}

// What a laid-out text holds on to: its key's characters, a glyph index and a position per
// glyph, and the hash node and containers around them.
std::size_t CostOf(const QString& text, const TextLine& line) {
    constexpr std::size_t kPerEntry = 320;
    constexpr std::size_t kPerGlyph = sizeof(quint32) + sizeof(QPointF);
    return kPerEntry + std::size_t(text.size()) * sizeof(QChar) +
           std::size_t(line.glyphs.glyphIndexes().size()) * kPerGlyph;
}

// The texts laid out for drawing, of every font, within kTextLayoutCacheBytes. A page draws some
// hundred short texts, a few dozen kilobytes; a long typing session or a schedule of thousands
// of distinct projects adds texts without end, so when the next one does not fit, the cache
// starts again empty (the texts of the page at hand are laid out again at once). The canvas is
// used on one thread (the window's, or the command line's), as are these caches.
struct LayoutCache {
    QHash<std::pair<quint64, QString>, TextLine> lines;
    std::size_t bytes = 0;
    std::optional<TextLine> oversized;  // a text too large to keep, until the next call
};

LayoutCache& Layouts() {
    static LayoutCache cache;
    return cache;
}

}  // namespace

const TextLine& CellFont::LineOf(const QString& text) const {
    LayoutCache& cache = Layouts();
    cache.oversized.reset();
    const std::pair<quint64, QString> key(serial, text);
    auto it = cache.lines.constFind(key);
    if (it != cache.lines.constEnd()) {
        return *it;
    }
    TextLine line = LayOut(*this, text);
    const std::size_t cost = CostOf(text, line);
    if (cost > kTextLayoutCacheBytes / 4) {
        return cache.oversized.emplace(std::move(line));
    }
    if (cache.bytes + cost > kTextLayoutCacheBytes) {
        cache.lines.clear();
        cache.bytes = 0;
    }
    cache.bytes += cost;
    return *cache.lines.insert(key, std::move(line));
}

std::size_t TextLayoutCacheBytes() {
    return Layouts().bytes;
}

std::shared_ptr<const CellFont> CellFontOf(const QString& face, int height, bool bold) {
    static QHash<FontKey, std::shared_ptr<const CellFont>> fonts;
    const FontKey key{face, height, bold};
    auto it = fonts.constFind(key);
    if (it != fonts.constEnd()) {
        return *it;
    }
    if (fonts.size() >= kMaxCachedFonts) {
        fonts.clear();
    }
    auto font = MakeCellFont(face, height, bold);
    fonts.insert(key, font);
    return font;
}
