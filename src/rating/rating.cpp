#include "rating/rating.h"

#include <cmath>
#include <cstdlib>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "data/table_text.h"

namespace {

// Field 1 of the last line whose field 0 equals each code, as views into the lines scanned.
class WeightMatcher {
public:
    WeightMatcher(const QString& outerFrame, const QString& ventFrame,
                  const QString& transomMullion)
        : codes_{outerFrame, ventFrame, transomMullion} {}

    void Scan(QStringView line) { Scan(line, CsvFieldView(line, 0)); }

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

// Walks the lines of a table's text in one pass and calls line(start, codeEnd, end) for each:
// codeEnd is the line's first comma, or its end when it has none. The text after the last line
// break is a line only when it is not empty. Where the processor has SSE2 (every x86-64 one
// has), eight characters are compared at a time.
class LineWalker {
public:
    explicit LineWalker(QStringView text) : begin_(text.utf16()), end_(begin_ + text.size()) {}

    template <typename Line>
    void Walk(Line&& line) {
        const char16_t* p = begin_;
#if defined(__SSE2__)
        const __m128i comma = _mm_set1_epi16(u',');
        const __m128i newline = _mm_set1_epi16(u'\n');
        // U+2028 and U+2029 differ in their lowest bit only.
        const __m128i separators = _mm_set1_epi16(static_cast<short>(0x2028));
        const __m128i lowBit = _mm_set1_epi16(static_cast<short>(0xFFFE));
        for (; end_ - p >= 8; p += 8) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i ends =
                _mm_or_si128(_mm_cmpeq_epi16(chunk, newline),
                             _mm_cmpeq_epi16(_mm_and_si128(chunk, lowBit), separators));
            unsigned commas =
                static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(chunk, comma)));
            unsigned breaks = static_cast<unsigned>(_mm_movemask_epi8(ends));
            while ((commas | breaks) != 0) {
                const unsigned bit = __builtin_ctz(commas | breaks);
                Seen(p + bit / 2, (breaks >> bit) & 1, line);
                commas &= ~(3u << bit);
                breaks &= ~(3u << bit);
            }
        }
#endif
        for (; p < end_; ++p) {
            if (*p == u',' || IsLineEnd(*p)) {
                Seen(p, IsLineEnd(*p), line);
            }
        }
        if (lineStart_ < end_) {
            line(lineStart_, codeEnd_ != nullptr ? codeEnd_ : end_, end_);
        }
    }

private:
    template <typename Line>
    void Seen(const char16_t* at, bool lineEnd, Line& line) {
        if (lineEnd) {
            line(lineStart_, codeEnd_ != nullptr ? codeEnd_ : at, at);
            lineStart_ = at + 1;
            codeEnd_ = nullptr;
        } else if (codeEnd_ == nullptr) {
            codeEnd_ = at;
        }
    }

    const char16_t* const begin_;
    const char16_t* const end_;
    const char16_t* lineStart_ = begin_;
    const char16_t* codeEnd_ = nullptr;
};

}  // namespace

ProfileWeightTexts LookupProfileWeights(const QStringList& weightsLines, const QString& outerFrame,
                                        const QString& ventFrame, const QString& transomMullion) {
    WeightMatcher matcher(outerFrame, ventFrame, transomMullion);
    for (const QString& line : weightsLines) {
        matcher.Scan(line);
    }
    return matcher.Found();
}

ProfileWeightTexts LookupProfileWeights(QStringView weightsText, const QString& outerFrame,
                                        const QString& ventFrame, const QString& transomMullion) {
    return FindWeightLines(weightsText, outerFrame, ventFrame, transomMullion).texts;
}

FoundWeightLines FindWeightLines(QStringView weightsText, const QString& outerFrame,
                                 const QString& ventFrame, const QString& transomMullion) {
    WeightMatcher matcher(outerFrame, ventFrame, transomMullion);
    LineWalker(weightsText)
        .Walk([&matcher](const char16_t* start, const char16_t* codeEnd, const char16_t* end) {
            matcher.Scan(QStringView(start, end), QStringView(start, codeEnd));
        });
    return {matcher.Found(), matcher.FoundLine(0), matcher.FoundLine(1), matcher.FoundLine(2)};
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

int ChooseRatingsColumn(bool commercial, double weight) {
    if (!(weight > 0)) {
        return -1;
    }
    if (commercial) {
        if (weight < 0.9) {
            return 4;
        }
        if (weight < 1.25) {
            return 5;
        }
        if (weight < 1.5) {
            return 6;
        }
        if (weight < 1.75) {
            return 7;
        }
        return 8;
    }
    if (weight < 0.88) {
        return 1;
    }
    if (weight < 1.08) {
        return 2;
    }
    return 3;
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

WindowRating RateWindow(const QStringList& weightsLines, const QString& outerFrame,
                        const QString& ventFrame, const QString& transomMullion, bool commercial) {
    return RateWindow(LookupProfileWeights(weightsLines, outerFrame, ventFrame, transomMullion),
                      commercial);
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

namespace {
constexpr int kWeightBandRow = 1;
constexpr int kElementNumberRow = 2;
constexpr int kFirstImpactRow = 4;
constexpr int kLastImpactRow = 16;
constexpr int kCo2Row = 17;
constexpr int kSummaryRatingRow = 18;
}  // namespace

ColumnRatings RatingsOfColumn(const QStringList& breRatingLines, int column) {
    const auto row = [&breRatingLines](int r) {
        return r < breRatingLines.size() ? breRatingLines[r] : QString();
    };
    ColumnRatings ratings;
    ratings.weightBand = CsvField(row(kWeightBandRow), column);
    ratings.elementNumber = CsvField(row(kElementNumberRow), column);
    for (int r = kFirstImpactRow; r <= kLastImpactRow; ++r) {
        ratings.impacts.append({CsvField(row(r), 0), CsvField(row(r), column)});
    }
    ratings.co2Label = CsvField(row(kCo2Row), 0);
    ratings.co2 = CsvField(row(kCo2Row), column);
    ratings.summaryRating = CsvField(row(kSummaryRatingRow), column);
    return ratings;
}
