#include "rating/window_options.h"

#include <algorithm>

#include "data/rating_colours.h"
#include "data/system_catalogue.h"
#include "data/system_names.h"

namespace {

// The place of a window's summary rating, rated windows before unrated ones.
int PlaceOf(const RatedWindow& w) {
    const int rank = w.rating.column > 0 ? RatingLetterRank(w.ratings.summaryRating) : -1;
    return rank >= 0 ? rank : kRatingLetterCount;
}

QStringList EachOnce(QStringList codes) {
    codes.removeDuplicates();
    return codes;
}

}  // namespace

std::optional<std::vector<RatedWindow>> WindowOptionsOf(const ProductTables& tables,
                                                        const QString& system, bool commercial,
                                                        QString* error) {
    const SystemMatch match = FindSystem(tables.systemHeaders, tables.systemNames, system);
    if (match.header.isEmpty()) {
        *error = match.error;
        return std::nullopt;
    }
    const SystemCodes codes = SystemCodesOf(tables.catalogueLines, match.header);
    const QStringList outerFrames = EachOnce(codes.outerFrames);
    const QStringList ventFrames = EachOnce(codes.ventFrames);
    const QStringList transomMullions = EachOnce(codes.transomMullions);

    const WindowRater rater(tables);
    WindowRequest request;
    request.system = match.header;
    request.commercial = commercial;
    std::vector<RatedWindow> options;
    options.reserve(
        static_cast<size_t>(outerFrames.size() * ventFrames.size() * transomMullions.size()));
    for (const QString& outerFrame : outerFrames) {
        request.outerFrame = outerFrame;
        for (const QString& ventFrame : ventFrames) {
            request.ventFrame = ventFrame;
            for (const QString& transomMullion : transomMullions) {
                request.transomMullion = transomMullion;
                // Every code is the system's own, so the rater finds no fault with the request.
                if (std::optional<RatedWindow> w = rater.Rate(request, error)) {
                    options.push_back(std::move(*w));
                }
            }
        }
    }
    // Sorted by key, then moved once into place: a window is a good many texts to move about.
    struct Key {
        int place;
        double weight;
        size_t index;
    };
    std::vector<Key> keys;
    keys.reserve(options.size());
    for (size_t i = 0; i < options.size(); ++i) {
        keys.push_back({PlaceOf(options[i]), options[i].rating.weight, i});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        return a.place != b.place ? a.place < b.place : a.weight < b.weight;
    });
    std::vector<RatedWindow> sorted;
    sorted.reserve(options.size());
    for (const Key& key : keys) {
        sorted.push_back(std::move(options[key.index]));
    }
    return sorted;
}

std::vector<RatedWindow> BetterChoicesOf(const std::vector<RatedWindow>& options,
                                         const QString& summaryRating) {
    const int rank = RatingLetterRank(summaryRating);
    const int than = rank >= 0 ? rank : kRatingLetterCount;
    std::vector<RatedWindow> better;
    for (const RatedWindow& w : options) {
        if (PlaceOf(w) < than) {
            better.push_back(w);
        }
    }
    std::stable_sort(better.begin(), better.end(), [](const RatedWindow& a, const RatedWindow& b) {
        return a.rating.weight < b.rating.weight;
    });
    return better;
}
