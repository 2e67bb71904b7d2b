// The rating: the profile weight of the chosen window from the weights table, and the ratings
// column of the BRE ratings table that the building type and weight choose.
#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>

#include "data/column_ratings.h"

// The one weights lookup, used by the window, the schedule and the command line alike: field 1
// of the last weights-table line whose field 0 equals each code (empty when none). Every line is
// compared, the heading included; nothing is trimmed. The table's text is read in one pass, in
// place: lines as the table's text rules split them (an editor's paragraph and line separators
// end lines too); only the weights found are copied. A table held as lines is looked up through
// TextOfLines (data/table_fields.h).
struct ProfileWeightTexts {
    QString outerFrame;
    QString ventFrame;
    QString transomMullion;
};
// FindWeightLines gives the weights found with the number (from 0) of each code's last line, -1
// where the code has none.
struct FoundWeightLines {
    ProfileWeightTexts texts;
    int outerFrameLine = -1;
    int ventFrameLine = -1;
    int transomMullionLine = -1;
};
FoundWeightLines FindWeightLines(QStringView weightsText, const QString& outerFrame,
                                 const QString& ventFrame, const QString& transomMullion);

// The same lookups for many windows over one weights table: the table is read once, into the
// last line of each code, and each Find gives what FindWeightLines gives. The table's text must
// outlive the index.
class WeightIndex {
public:
    explicit WeightIndex(QStringView weightsText);
    // The same for these codes only: a long table costs one hash look-up a line.
    WeightIndex(QStringView weightsText, const QSet<QStringView>& codes);
    FoundWeightLines Find(const QString& outerFrame, const QString& ventFrame,
                          const QString& transomMullion) const;
    // One code's weight as the table holds it (empty when no line has the code).
    QString WeightTextOf(const QString& code) const;

private:
    struct Line {
        QStringView weight;
        int number;
    };
    QHash<QStringView, Line> last_;
};

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

// The highest ratings column there is.
constexpr int kMaxRatingsColumn = 8;

// The weight bands of one building type, lightest first: the lightest band's ratings column
// and the thresholds (kg/m) where each heavier band starts. The lightest band starts above 0.
// These are the rating logic's fixed thresholds; the band labels of the BRE ratings table are
// display texts and never read.
struct WeightBands {
    int firstColumn;
    const double* thresholds;
    int thresholdCount;

    int LastColumn() const { return firstColumn + thresholdCount; }
    // Where the band of a column of this type starts (0 for the lightest, which excludes it).
    double LowerLimit(int column) const {
        return column > firstColumn ? thresholds[column - firstColumn - 1] : 0.0;
    }
};
const WeightBands& WeightBandsOf(bool commercial);

// The ratings column: 1 to 3 for Domestic, 4 to 8 for Commercial, -1 when the weight is 0 or
// less. A weight on a threshold belongs to the heavier band.
int ChooseRatingsColumn(bool commercial, double weight);

// The weight as shown: at least one digit before the point and exactly three after, rounded
// to the nearest thousandth with halves away from zero; the point is always ".".
QString FormatProfileWeight(double weight);

// The whole rating of one window from the three weights as the weights table holds them (see
// FindWeightLines), as the main window's recalculation, the schedule and the command line all
// work it out: the profile weight and the ratings column (-1 when none applies).
struct WindowRating {
    ProfileWeightTexts weightTexts;
    double weight = 0;
    int column = -1;
};
WindowRating RateWindow(const ProfileWeightTexts& weightTexts, bool commercial);

// Rows of the ratings grid for a BRE ratings table of the given number of lines.
int GridRowCount(int breRatingLines);
