// The choices a system offers: every combination of its outer-frame, vent-frame and
// transom/mullion codes, each rated exactly as one window is rated (WindowRater), in the order
// a person choosing wants them. Used by the command line's options and the window's Better
// Choices.
#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "data/product_tables.h"
#include "rating/rated_window.h"

// Every combination of the system's codes (each code once, in catalogue order), rated for the
// building type: best summary rating first, then lightest, then in catalogue order; windows
// that no ratings column rates come last. nullopt with the reason in *error when the system
// is not one (FindSystem's rule).
std::optional<std::vector<RatedWindow>> WindowOptionsOf(const ProductTables& tables,
                                                        const QString& system, bool commercial,
                                                        QString* error);

// Of those options, the ones rated better than summaryRating (every rated one when that is no
// rating letter), lightest first.
std::vector<RatedWindow> BetterChoicesOf(const std::vector<RatedWindow>& options,
                                         const QString& summaryRating);
