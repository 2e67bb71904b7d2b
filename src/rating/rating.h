// The rating: the profile weight of the chosen window from the weights table, and the ratings
// column of the BRE ratings table that the building type and weight choose.
#pragma once

#include <QString>
#include <QStringList>

// Field 1 of the last weights-table line whose field 0 equals each code (empty when none).
// Every line is compared, the heading included; nothing is trimmed.
struct ProfileWeightTexts {
    QString outerFrame;
    QString ventFrame;
    QString transomMullion;
};
ProfileWeightTexts LookupProfileWeights(const QStringList& weightsLines, const QString& outerFrame,
                                        const QString& ventFrame, const QString& transomMullion);

// Lengths in millimetres of each profile in the standard window (1230 wide, 1480 high).
constexpr int kStandardWindowWidth = 1230;
constexpr int kStandardWindowHeight = 1480;
constexpr int kOuterFrameLength = 2 * kStandardWindowWidth + 2 * kStandardWindowHeight;
constexpr int kVentFrameLength = kStandardWindowWidth + 2 * kStandardWindowHeight;
constexpr int kTransomMullionLength = kStandardWindowHeight;
constexpr int kTotalProfileLength = 3 * kStandardWindowWidth + 5 * kStandardWindowHeight;

// The profile weight in kg/m: the outer frame's weight for Commercial buildings; for Domestic
// the length-weighted mean over the standard window, worked in extended precision, or 0 when
// any of the three weights is 0.
double ProfileWeightOf(bool commercial, double outerFrame, double ventFrame, double transomMullion);

// The ratings column: 1 to 3 for Domestic, 4 to 8 for Commercial, -1 when the weight is 0 or
// less. A weight on a threshold belongs to the heavier band.
int ChooseRatingsColumn(bool commercial, double weight);

// The weight as shown: at least one digit before the point and exactly three after, rounded
// to the nearest thousandth with halves away from zero; the point is always ".".
QString FormatProfileWeight(double weight);

// Rows of the ratings grid for a BRE ratings table of the given number of lines.
int GridRowCount(int breRatingLines);
