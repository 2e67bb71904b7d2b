// The choices of windows a person may take instead of the current one: the combinations of a
// system's profiles, or of every system's, each rated exactly as one window is rated, grouped
// where a profile does not count, in the order a person choosing wants them. The one routine of
// the window's Better Choices, the schedule's Better Choices for a row and the command line's
// options.
//
// Combinations are never all made: for Commercial only the outer frames are rated (the other
// profiles do not count), and for Domestic each rating's band is walked lightest first over the
// codes sorted by weight, so the work grows with the codes and the lines listed, not with their
// product.
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

#include "data/product_tables.h"
#include "rating/rated_window.h"

// At most this many lines are listed; a longer list is cut and says so.
constexpr size_t kMostChoices = 10000;
// For Domestic, at most this many codes of a profile of one system are combined, so that the
// work stays bounded whatever the catalogue; a system with more says so.
constexpr int kMostCodesCombined = 2000;

struct ChoicesQuery {
    // The current window's system, by any name FindSystem takes: its lines come first among those
    // of one rating, and they are the only ones unless allSystems. Empty: none (allSystems only).
    QString system;
    bool allSystems = false;
    bool commercial = true;
    // nullopt: every line, unrated ones last. Else only the lines rated better than this summary
    // rating; every rated line when it is no rating letter (a window without a rating).
    std::optional<QString> betterThan;
    size_t limit = kMostChoices;
};

// One line: a window, or for Commercial one outer frame with any vent frame and
// transom/mullion, which do not count.
struct WindowChoice {
    int system = -1;  // in ProductTables::systemHeaders
    QString systemHeader;
    QString systemName;  // as the certificate prints it
    QString outerFrame;
    std::optional<QString> ventFrame;  // nullopt: any
    std::optional<QString> transomMullion;
    bool commercial = true;
    double weight = 0;
    int column = -1;
    QString summaryRating;  // empty when no ratings column applies

    // The summary rating as a list shows it: kNoRating when no ratings column applies.
    QString ShownSummaryRating() const { return column > 0 ? summaryRating : kNoRating; }
};

struct WindowChoices {
    std::vector<WindowChoice> lines;
    // More lines than the limit: only the first are listed.
    bool cut = false;
    // Systems of which only the first kMostCodesCombined codes of a profile were combined.
    QStringList codesLeftOut;
};

// The lines, best summary rating first (unrated last), then the query's system first, then
// lightest, then in catalogue order. nullopt with the reason in *error when the query's system
// is not one (FindSystem's rule).
std::optional<WindowChoices> WindowChoicesOf(const ProductTables& tables, const ChoicesQuery& query,
                                             QString* error);

// The window a choice makes of the current one: the choice's system and codes, and for a
// profile that does not count, the current window's code where the choice's system offers it,
// else that system's first code.
WindowRequest RequestOfChoice(const ProductTables& tables, const WindowChoice& choice,
                              const WindowRequest& current);
