// A system catalogue whose blocks have slipped: an empty line between two systems, a line too
// many or too few in one, and every later system's header falls on another line of its block.
// The lookup only counts lines (five to a block), so the data check names the line that caused
// the slip instead of the nonsense the slipped blocks make ("a system named PRF640").
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

struct CatalogueShift {
    int line = 0;  // from 1: the line to mend (the empty line, or the system of the wrong size)
    QString text;
    // From 0: the first block read from the wrong lines; the blocks from it on are not checked
    // further, as everything found in them would follow from the slip.
    int shiftedFrom = 0;
};

// The first slip of the catalogue's blocks, if any. A system's start is told by its lines: a
// header (a line that is no list of weighed codes) followed by a list of codes that the weights
// table has (weighed: every code of the weights table); a slip is the first such start that
// is not on a block's first line. Systems whose codes have no weights yet are not told apart,
// so a slip among them is not found.
std::optional<CatalogueShift> FindCatalogueShift(const QStringList& lines,
                                                 const QHash<QString, bool>& weighed);
