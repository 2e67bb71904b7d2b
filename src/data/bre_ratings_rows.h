// The rows of the BRE ratings table, picked by position (never by label) by every reader of a
// ratings column: the grid, the specification sheet, the certificate and the command line.
#pragma once

constexpr int kWeightBandRow = 1;
constexpr int kElementNumberRow = 2;
// The thirteen impact categories.
constexpr int kFirstImpactRow = 4;
constexpr int kLastImpactRow = 16;
constexpr int kCo2Row = 17;
// The summary rating as the grid closes with it; row 3 holds the same.
constexpr int kSummaryRatingRow = 18;
