#include "rating/window_choices.h"

#include <algorithm>
#include <array>
#include <climits>
#include <tuple>

#include "data/rating_colours.h"
#include "data/system_catalogue.h"
#include "data/system_names.h"
#include "data/table_fields.h"
#include "rating/domestic_combinations.h"
#include "rating/rating.h"

namespace {

// A line before it is written out: what orders it, and where its codes are.
struct Candidate {
    int rank;    // the summary rating's rank from the best, kRatingLetterCount for none
    bool other;  // of another system than the query's
    double weight;
    int system;
    Codes code;
    int column;
};

bool Before(const Candidate& a, const Candidate& b) {
    return std::tie(a.rank, a.other, a.weight, a.system, a.code) <
           std::tie(b.rank, b.other, b.weight, b.system, b.code);
}

// One system's codes, each once in catalogue order, with their weights as the rating reads them.
struct SystemLists {
    QStringList codes[3];
    std::vector<double> weights[3];
};

// The codes of a system, each once, at most mostCodes of a profile; whether some were left out.
SystemLists CodesOf(const ProductTables& tables, const QString& header, int mostCodes,
                    bool* codesLeftOut) {
    const SystemCodes codes = SystemCodesOf(tables.catalogueLines, header);
    SystemLists lists{{codes.outerFrames, codes.ventFrames, codes.transomMullions}, {}};
    for (QStringList& list : lists.codes) {
        list.removeDuplicates();
        if (list.size() > mostCodes) {
            list.resize(mostCodes);
            *codesLeftOut = true;
        }
    }
    return lists;
}

void ReadWeights(const WeightIndex& index, SystemLists* lists) {
    for (int k = 0; k < 3; ++k) {
        for (const QString& code : lists->codes[k]) {
            lists->weights[k].push_back(TextToNumber(index.WeightTextOf(code), 0));
        }
    }
}

// The summary rating's rank of each ratings column ([0] for none), rated before unrated.
std::array<int, kMaxRatingsColumn + 1> RanksOfColumns(const QStringList& breRatingLines) {
    std::array<int, kMaxRatingsColumn + 1> ranks;
    ranks[0] = kRatingLetterCount;
    for (int column = 1; column <= kMaxRatingsColumn; ++column) {
        const int rank = RatingLetterRank(SummaryRatingOfColumn(breRatingLines, column));
        ranks[static_cast<size_t>(column)] = rank >= 0 ? rank : kRatingLetterCount;
    }
    return ranks;
}

// One query's listing: the systems' codes and weights, then the lines of each system offered to
// the first limit + 1 (one more tells that the list is cut).
class Listing {
public:
    Listing(const ProductTables& tables, const ChoicesQuery& query, int current)
        : tables_(tables),
          query_(query),
          current_(current),
          ranks_(RanksOfColumns(tables.breRatingLines)),
          best_(query.limit + 1),
          lists_(static_cast<size_t>(tables.systemHeaders.size())) {
        if (query.betterThan) {
            const int rank = RatingLetterRank(*query.betterThan);
            than_ = rank >= 0 ? rank : kRatingLetterCount;
        }
    }

    // Whether a ratings column of the building type rates well enough to be listed.
    bool AnyBandListed() const {
        const WeightBands& bands = WeightBandsOf(query_.commercial);
        for (int column = bands.firstColumn; column <= bands.LastColumn(); ++column) {
            if (RankOf(column) < than_) {
                return true;
            }
        }
        return RankOf(-1) < than_;
    }

    void List(WindowChoices* choices) {
        QSet<QStringView> wanted;  // the weights of these codes only are read
        for (int s = 0; s < static_cast<int>(lists_.size()); ++s) {
            if (Listed(s)) {
                bool left = false;
                lists_[static_cast<size_t>(s)] =
                    CodesOf(tables_, tables_.systemHeaders[s],
                            query_.commercial ? INT_MAX : kMostCodesCombined, &left);
                if (left) {
                    choices->codesLeftOut << tables_.systemNames[s].trimmed();
                }
                for (int k = 0; k < (query_.commercial ? 1 : 3); ++k) {
                    for (const QString& code : lists_[static_cast<size_t>(s)].codes[k]) {
                        wanted.insert(code);
                    }
                }
            }
        }
        const WeightIndex index(tables_.weightsText, wanted);
        for (int s = 0; s < static_cast<int>(lists_.size()); ++s) {
            if (Listed(s)) {
                ReadWeights(index, &lists_[static_cast<size_t>(s)]);
                query_.commercial ? ListCommercial(s) : ListDomestic(s);
            }
        }
        Write(choices);
    }

private:
    bool Listed(int s) const { return query_.allSystems || s == current_; }
    int RankOf(int column) const { return ranks_[static_cast<size_t>(std::max(column, 0))]; }

    // The other profiles do not count: one line an outer frame.
    void ListCommercial(int s) {
        const std::vector<double>& weights = lists_[static_cast<size_t>(s)].weights[0];
        for (size_t o = 0; o < weights.size(); ++o) {
            const double w = ProfileWeightOf(true, weights[o], 0, 0);
            const int column = ChooseRatingsColumn(true, w);
            if (RankOf(column) < than_) {
                best_.Offer(
                    {RankOf(column), s != current_, w, s, {static_cast<int>(o), -1, -1}, column});
            }
        }
    }

    void ListDomestic(int s) {
        const DomesticCombinations combinations(lists_[static_cast<size_t>(s)].weights);
        for (int band = 0; band <= WeightBandsOf(false).LastColumn(); ++band) {
            const int column = band > 0 ? band : -1;
            const int rank = RankOf(column);
            if (rank >= than_) {
                continue;
            }
            const auto offer = [&](double weight, const Codes& code) {
                return best_.Offer({rank, s != current_, weight, s, code, column});
            };
            combinations.Band(band, query_.limit + 1, offer);
            if (band == 0) {
                combinations.Zeros(query_.limit + 1, offer);
            }
        }
    }

    void Write(WindowChoices* choices) {
        std::vector<Candidate> sorted = best_.Sorted();
        if (sorted.size() > query_.limit) {
            sorted.resize(query_.limit);
            choices->cut = true;
        }
        choices->lines.reserve(sorted.size());
        for (const Candidate& c : sorted) {
            const SystemLists& of = lists_[static_cast<size_t>(c.system)];
            const auto codeOf = [&of, &c](int k) -> std::optional<QString> {
                const int at = c.code[static_cast<size_t>(k)];
                return at >= 0 ? std::optional<QString>(of.codes[k][at]) : std::nullopt;
            };
            WindowChoice line;
            line.system = c.system;
            line.systemHeader = tables_.systemHeaders[c.system];
            line.systemName = tables_.systemNames[c.system];
            line.outerFrame = *codeOf(0);
            line.ventFrame = codeOf(1);
            line.transomMullion = codeOf(2);
            line.commercial = query_.commercial;
            line.weight = c.weight;
            line.column = c.column;
            if (c.column > 0) {
                line.summaryRating = SummaryRatingOfColumn(tables_.breRatingLines, c.column);
            }
            choices->lines.push_back(std::move(line));
        }
    }

    const ProductTables& tables_;
    const ChoicesQuery& query_;
    const int current_;
    const std::array<int, kMaxRatingsColumn + 1> ranks_;
    int than_ = kRatingLetterCount + 1;  // every line
    FirstOf<Candidate, Before> best_;
    std::vector<SystemLists> lists_;
};

}  // namespace

std::optional<WindowChoices> WindowChoicesOf(const ProductTables& tables, const ChoicesQuery& query,
                                             QString* error) {
    int current = -1;
    if (!query.system.isEmpty() || !query.allSystems) {
        const SystemMatch match =
            FindSystem(tables.systemHeaders, tables.systemNames, query.system);
        if (match.header.isEmpty()) {
            *error = match.error;
            return std::nullopt;
        }
        current = match.index;
    }
    WindowChoices choices;
    Listing listing(tables, query, current);
    // Nothing rates better than the best rating there is: no weight needs reading.
    if (listing.AnyBandListed()) {
        listing.List(&choices);
    }
    return choices;
}

WindowRequest RequestOfChoice(const ProductTables& tables, const WindowChoice& choice,
                              const WindowRequest& current) {
    const SystemCodes codes = SystemCodesOf(tables.catalogueLines, choice.systemHeader);
    // A profile that does not count keeps the current code where the system offers it.
    const auto code = [](const std::optional<QString>& chosen, const std::optional<QString>& had,
                         const QStringList& offered) {
        if (chosen) {
            return *chosen;
        }
        return had && offered.contains(*had) ? *had : offered.value(0);
    };
    WindowRequest request;
    request.system = choice.systemHeader;
    request.outerFrame = choice.outerFrame;
    request.ventFrame = code(choice.ventFrame, current.ventFrame, codes.ventFrames);
    request.transomMullion =
        code(choice.transomMullion, current.transomMullion, codes.transomMullions);
    request.commercial = choice.commercial;
    return request;
}
