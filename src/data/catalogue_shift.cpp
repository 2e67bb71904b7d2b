#include "data/catalogue_shift.h"

#include <cstdlib>

#include "data/system_catalogue.h"
#include "data/table_fields.h"

namespace {

constexpr int kBlockLines = 5;

// A line of profile codes: every piece a code with a weight, or one ending in "F" (which needs
// none), at least one of them weighed.
bool IsCodeLine(const QString& line, const QHash<QString, bool>& weighed) {
    bool anyWeighed = false;
    for (const QString& piece : CodeLinePieces(line)) {
        if (piece.isEmpty()) {
            continue;
        }
        if (weighed.contains(piece)) {
            anyWeighed = true;
        } else if (!piece.endsWith(QLatin1Char('F'))) {
            return false;
        }
    }
    return anyWeighed;
}

bool IsHeaderLine(const QString& line, const QHash<QString, bool>& weighed) {
    return !line.isEmpty() && !IsCodeLine(line, weighed) && !weighed.contains(CsvField(line, 0));
}

// A header followed by a code line, with no other header-and-codes pair among its next lines
// (a transom line of new, unweighed codes before a fifth line of weighed ones is no start).
bool StartsSystem(const QStringList& lines, int i, const QHash<QString, bool>& weighed) {
    const auto pairAt = [&](int k) {
        return k + 1 < lines.size() && IsHeaderLine(lines[k], weighed) &&
               IsCodeLine(lines[k + 1], weighed);
    };
    return pairAt(i) && !pairAt(i + 1) && !pairAt(i + 2);
}

// "line", "2 lines": after "the extra", "the missing", "the".
QString LinesWord(int count) {
    return count == 1 ? QStringLiteral("line") : QStringLiteral("%1 lines").arg(count);
}

}  // namespace

std::optional<CatalogueShift> FindCatalogueShift(const QStringList& lines,
                                                 const QHash<QString, bool>& weighed) {
    const int count = static_cast<int>(lines.size());
    int alignedStart = -1;  // the last system found on a block's first line
    for (int h = 0; h < count; ++h) {
        if (!StartsSystem(lines, h, weighed)) {
            continue;
        }
        if (h % kBlockLines == 0) {
            alignedStart = h;
            continue;
        }
        // The slip: lines too many since the last system in place, or too few. Told by the
        // system in place before it when there is one close by, else by the nearest count.
        const int gap = alignedStart < 0 ? h : h - alignedStart;
        const bool known = alignedStart < 0 ? h < kBlockLines : gap < 2 * kBlockLines;
        const int offset = gap % kBlockLines;
        const bool extra = known ? (alignedStart < 0 || gap > kBlockLines) : offset <= 2;
        const int wrong = known && alignedStart >= 0 ? std::abs(gap - kBlockLines)
                          : extra                    ? offset
                                                     : kBlockLines - offset;
        CatalogueShift shift;
        shift.shiftedFrom = extra ? h - h % kBlockLines : h + (kBlockLines - h % kBlockLines);
        const QString slipped = QStringLiteral(
                                    "the system that starts at line %1 is read from "
                                    "line %2")
                                    .arg(h + 1)
                                    .arg(shift.shiftedFrom + 1);
        const QString mend = extra ? QStringLiteral("remove the extra %1").arg(LinesWord(wrong))
                                   : QStringLiteral("add the missing %1").arg(LinesWord(wrong));
        int empty = -1;
        for (int k = h - 1; extra && wrong == 1 && k > alignedStart; --k) {
            if (lines[k].isEmpty()) {
                empty = k;
                break;
            }
        }
        if (empty >= 0) {
            shift.line = empty + 1;
            shift.text = QStringLiteral("line %1 is empty, so %2: remove the empty line")
                             .arg(empty + 1)
                             .arg(slipped);
        } else if (known && alignedStart >= 0) {
            shift.line = alignedStart + 1;
            shift.text = QStringLiteral(
                             "the system \"%1\" on line %2 has %3 lines, not %4, so "
                             "%5: %6")
                             .arg(lines[alignedStart])
                             .arg(alignedStart + 1)
                             .arg(gap)
                             .arg(kBlockLines)
                             .arg(slipped, mend);
        } else if (known) {
            shift.line = 1;
            shift.text = QStringLiteral(
                             "the first system starts at line %1, so it is read from "
                             "line 1: remove the %2 before it")
                             .arg(h + 1)
                             .arg(LinesWord(wrong));
        } else {
            shift.line = h + 1;
            shift.text = QStringLiteral("%1: %2 before it").arg(slipped, mend);
        }
        return shift;
    }
    return std::nullopt;
}
