// The rating letters from best to worst and the fill colour of each, shared by the ratings
// grid, the specification sheet and the certificate's badge so that a letter always has the
// same colour.
#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <cmath>
#include <optional>

struct RatingColour {
    const char* text;
    QColor colour;
};

// In the order in which a cell text is matched: the eight letters, then the "npd" marker.
inline const std::array<RatingColour, 9> kRatingColours = {{
    {"A+", QColor(0, 128, 0)},
    {"A", QColor(0, 255, 0)},
    {"B", QColor(77, 255, 0)},
    {"C", QColor(178, 255, 0)},
    {"D", QColor(255, 255, 0)},
    {"E", QColor(255, 178, 0)},
    {"F", QColor(255, 77, 0)},
    {"G", QColor(255, 0, 0)},
    {"npd", QColor(255, 255, 255)},
}};

// The first entries are the rating letters, best first; the last is the "npd" marker.
constexpr int kRatingLetterCount = 8;

// A rating letter's place from the best (0, "A+") to the worst (7, "G"); -1 for any other
// text, "npd" included. A lower place is a better rating.
inline int RatingLetterRank(const QString& text) {
    for (int rank = 0; rank < kRatingLetterCount; ++rank) {
        if (text == QLatin1String(kRatingColours[rank].text)) {
            return rank;
        }
    }
    return -1;
}

// The colour of a rating text that equals one of the entries exactly, if any.
inline std::optional<QColor> RatingColourOf(const QString& text) {
    for (const RatingColour& entry : kRatingColours) {
        if (text == QLatin1String(entry.text)) {
            return entry.colour;
        }
    }
    return std::nullopt;
}

// Black or white, whichever reads better on fill (the larger contrast of relative luminance):
// white on A+'s dark green, black on the light greens and yellows.
inline QColor LegibleTextColour(const QColor& fill) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(fill.redF()) + 0.7152 * linear(fill.greenF()) +
                             0.0722 * linear(fill.blueF());
    // Contrast with white (1.05 / (L + 0.05)) against contrast with black ((L + 0.05) / 0.05).
    return 1.05 / (luminance + 0.05) > (luminance + 0.05) / 0.05 ? QColor(Qt::white)
                                                                 : QColor(Qt::black);
}
