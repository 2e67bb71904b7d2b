// The system catalogue: blocks of five lines (header, outer-frame codes, vent-frame codes,
// transom/mullion codes, a fifth line), and the rules that turn it into selector entries.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Start lines (0, 5, 10, ...) of the blocks whose five lines all exist.
std::vector<int> CompleteBlockStarts(int lineCount);

// Whether variant systems (headers holding "Vantrel") are offered: only when the product
// list's whole text holds "QMT55".
bool VariantSystemsOffered(const QString& productListText);

// The system selector's entries: the header line of every complete block, in catalogue order,
// less the variant systems when they are not offered.
QStringList SystemSelectorEntries(const QStringList& catalogueLines, bool variantsOffered);

// The pieces of a code line, cut at every comma (an empty line is one empty piece).
QStringList CodeLinePieces(const QString& line);

// The entries a profile selector offers for a code line: every piece whose last character is
// not "F"; empty pieces are kept as empty entries.
QStringList OfferedProfileCodes(const QString& line);

// The codes the profile selectors offer for a system (outer frames, vent frames,
// transoms/mullions), from the last complete block whose header equals the header, as the window
// fills its selectors; empty lists when no block has that header.
struct SystemCodes {
    QStringList outerFrames;
    QStringList ventFrames;
    QStringList transomMullions;
};
SystemCodes SystemCodesOf(const QStringList& catalogueLines, const QString& header);
// The same, or nullopt when no block has that header.
std::optional<SystemCodes> FindSystemCodes(const QStringList& catalogueLines,
                                           const QString& header);

// The system's name as the documents print it, from the system selector's text: the header up
// to its first comma, trimmed, cut before the first "(".
QString SystemDisplayName(const QString& selectorText);
