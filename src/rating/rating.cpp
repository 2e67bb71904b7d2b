#include "rating/rating.h"

#include <cmath>
#include <cstdlib>

#include "data/table_fields.h"

namespace {

// Field 1 of the last line whose field 0 equals each code, as views into the lines scanned.
class WeightMatcher {
public:
    WeightMatcher(const QString& outerFrame, const QString& ventFrame,
                  const QString& transomMullion)
        : codes_{outerFrame, ventFrame, transomMullion} {}

    // The line and its field 0, found by the caller.
    void Scan(QStringView line, QStringView code) {
        for (int k = 0; k < 3; ++k) {
            if (code == codes_[k]) {
                found_[k] = CsvFieldView(line, 1);
                foundLine_[k] = line_;
            }
        }
        ++line_;
    }

    ProfileWeightTexts Found() const {
        return {found_[0].toString(), found_[1].toString(), found_[2].toString()};
    }
    int FoundLine(int k) const { return foundLine_[k]; }

private:
    QStringView codes_[3];
    QStringView found_[3];
    int foundLine_[3] = {-1, -1, -1};
    int line_ = 0;
};

// Calls scan(line, code) for every line of the weights table's text, in order: one pass over the
// characters, each line's end and its first comma found on the way; the text after the last
// line break is a line only when it is not empty.
template <typename Scan>
void ScanWeightLines(QStringView weightsText, Scan&& scan) {
    const char16_t* p = weightsText.utf16();
    const char16_t* const end = p + weightsText.size();
    while (p < end) {
        const char16_t* const lineStart = p;
        while (p < end && *p != u',' && !IsLineEnd(*p)) {
            ++p;
        }
        const char16_t* const codeEnd = p;
        while (p < end && !IsLineEnd(*p)) {
            ++p;
        }
        scan(QStringView(lineStart, p), QStringView(lineStart, codeEnd));
        if (p < end) {
            ++p;
        }
    }
}

}  // namespace

FoundWeightLines FindWeightLines(QStringView weightsText, const QString& outerFrame,
                                 const QString& ventFrame, const QString& transomMullion) {
    WeightMatcher matcher(outerFrame, ventFrame, transomMullion);
    ScanWeightLines(weightsText,
                    [&matcher](QStringView line, QStringView code) { matcher.Scan(line, code); });
    return {matcher.Found(), matcher.FoundLine(0), matcher.FoundLine(1), matcher.FoundLine(2)};
}

WeightIndex::WeightIndex(QStringView weightsText) {
    int number = 0;
    ScanWeightLines(weightsText, [this, &number](QStringView line, QStringView code) {
        last_.insert(code, {CsvFieldView(line, 1), number++});
    });
}

WeightIndex::WeightIndex(QStringView weightsText, const QSet<QStringView>& codes) {
    int number = 0;
    ScanWeightLines(weightsText, [this, &number, &codes](QStringView line, QStringView code) {
        if (codes.contains(code)) {
            last_.insert(code, {CsvFieldView(line, 1), number});
        }
        ++number;
    });
}

FoundWeightLines WeightIndex::Find(const QString& outerFrame, const QString& ventFrame,
                                   const QString& transomMullion) const {
    const Line none{QStringView(), -1};
    const Line of = last_.value(outerFrame, none);
    const Line vf = last_.value(ventFrame, none);
    const Line tm = last_.value(transomMullion, none);
    return {{of.weight.toString(), vf.weight.toString(), tm.weight.toString()},
            of.number,
            vf.number,
            tm.number};
}

QString WeightIndex::WeightTextOf(const QString& code) const {
    const auto found = last_.constFind(code);
    return found != last_.cend() ? found->weight.toString() : QString();
}

double ProfileWeightOf(bool commercial, double outerFrame, double ventFrame,
                       double transomMullion) {
    if (commercial) {
        return outerFrame;
    }
    if (outerFrame == 0 || ventFrame == 0 || transomMullion == 0) {
        return 0;
    }
    // Extended precision keeps 0.88 for three weights of 0.88: in doubles the same sum gives
    // 0.8799999999999999 and the lighter band.
    const long double sum = static_cast<long double>(kOuterFrameLength) * outerFrame +
                            static_cast<long double>(kVentFrameLength) * ventFrame +
                            static_cast<long double>(kTransomMullionLength) * transomMullion;
    return static_cast<double>(sum / static_cast<long double>(kTotalProfileLength));
}

const WeightBands& WeightBandsOf(bool commercial) {
    // 0.9, 0.88 and 1.08 are the doubles nearest those decimals; the others are exact.
    static constexpr double kCommercial[] = {0.9, 1.25, 1.5, 1.75};
    static constexpr double kDomestic[] = {0.88, 1.08};
    static const WeightBands commercialBands{4, kCommercial, 4};
    static const WeightBands domesticBands{1, kDomestic, 2};
    return commercial ? commercialBands : domesticBands;
}

int ChooseRatingsColumn(bool commercial, double weight) {
    if (!(weight > 0)) {
        return -1;
    }
    // "At least" at every threshold: a weight on one belongs to the heavier band.
    const WeightBands& bands = WeightBandsOf(commercial);
    int band = 0;
    while (band < bands.thresholdCount && weight >= bands.thresholds[band]) {
        ++band;
    }
    return bands.firstColumn + band;
}

QString FormatProfileWeight(double weight) {
    if (!std::isfinite(weight)) {
        return QStringLiteral("0.000");
    }
    // A double times 1000 is exact in the 64-bit significand of long double, so the rounding
    // below sees the true value and a tie is a true tie.
    const long double thousandths = std::roundl(static_cast<long double>(weight) * 1000.0L);
    const bool negative = thousandths < 0;
    const long double magnitude = negative ? -thousandths : thousandths;
    const long double whole = std::floor(magnitude / 1000.0L);
    const long long fraction = static_cast<long long>(magnitude - whole * 1000.0L);
    QString text = QString::number(static_cast<double>(whole), 'f', 0) + QLatin1Char('.') +
                   QStringLiteral("%1").arg(fraction, 3, 10, QLatin1Char('0'));
    if (negative) {
        text.prepend(QLatin1Char('-'));
    }
    return text;
}

int GridRowCount(int breRatingLines) {
    return breRatingLines > 3 ? breRatingLines - 3 : 0;
}

WindowRating RateWindow(const ProfileWeightTexts& weightTexts, bool commercial) {
    WindowRating rating;
    rating.weightTexts = weightTexts;
    rating.weight = ProfileWeightOf(commercial, TextToNumber(rating.weightTexts.outerFrame, 0),
                                    TextToNumber(rating.weightTexts.ventFrame, 0),
                                    TextToNumber(rating.weightTexts.transomMullion, 0));
    rating.column = ChooseRatingsColumn(commercial, rating.weight);
    return rating;
}
