// Headroom to the next rating: how far the profile weight of a window is from the nearest
// weight band that rates it better (lighter) and the nearest that rates it worse (heavier).
// Bands are those of the rating logic (WeightBandsOf); ratings are ordered by the rating
// letters (data/rating_colours.h). Used by the window's status text and grid, the schedule
// window, and rate on the command line.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

struct HeadroomStep {
    QString rating;  // that band's summary rating
    // Better: the weight to get below, and weight - limit (to lose).
    // Worse: the weight from which it applies, and limit - weight (that may be added first).
    double limit = 0;
    double amount = 0;
};

struct Headroom {
    std::optional<HeadroomStep> better;
    std::optional<HeadroomStep> worse;
};

// The headroom of a weight of that building type against the summary ratings of the BRE
// ratings table's columns; nullopt when no ratings column applies. Bands whose summary rating
// is no better (or no worse) are passed over; when the window's own summary rating is no rating
// letter, neither side is given.
std::optional<Headroom> HeadroomOf(bool commercial, double weight,
                                   const QStringList& breRatingLines);

// One line, e.g. "0.918 kg/m: A, 0.018 over the A+ limit 0.9; B from 1.5", weights and amounts
// to the thousandth as the window shows them.
QString HeadroomText(double weight, const QString& summaryRating, const Headroom& headroom);
