// The Domestic combinations of one system's codes, walked band by band and lightest first
// without making them all: the work grows with the codes and the combinations taken, not with
// their product. Used by the choices (window_choices.h).
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

// Places of a combination's codes in the system's lists (outer, vent, transom), -1 for any.
using Codes = std::array<int, 3>;

// The first `most` of all the items offered (by Less), kept in memory of about twice that.
template <typename T, bool (*Less)(const T&, const T&)>
class FirstOf {
public:
    explicit FirstOf(size_t most) : most_(most) {}
    // False when the item is not among the first: nor is any that comes after it.
    bool Offer(const T& item) {
        if (bound_ && !Less(item, *bound_)) {
            return false;
        }
        kept_.push_back(item);
        if (kept_.size() >= 2 * most_ + 64) {
            Trim();
        }
        return true;
    }
    // The items kept, in order.
    std::vector<T> Sorted() {
        Trim();
        std::sort(kept_.begin(), kept_.end(), Less);
        return std::move(kept_);
    }

private:
    void Trim() {
        if (kept_.size() > most_) {
            const auto first = kept_.begin() + static_cast<std::ptrdiff_t>(most_);
            std::nth_element(kept_.begin(), first, kept_.end(), Less);
            bound_ = *first;  // the first not kept: nothing from it on is
            kept_.resize(most_);
        }
    }
    size_t most_;
    std::vector<T> kept_;
    std::optional<T> bound_;
};

// The profile weight grows with each profile's weight (every rounding step keeps the order), so
// with the codes sorted by weight each band is, for every pair (x, y) of the two shortest lists,
// a run of the longest list z: one sweep per x finds where each run starts, and a heap merges
// the runs lightest first. Codes of weight 0 make any combination weigh 0 and are walked apart,
// in catalogue order.
class DomesticCombinations {
public:
    // Takes a combination (its profile weight and codes); false: no more.
    using Take = std::function<bool(double weight, const Codes& code)>;

    // The weights of the outer frames, vent frames and transoms/mullions, in catalogue order.
    explicit DomesticCombinations(const std::vector<double> (&weights)[3]);

    // The combinations without a weight 0 whose band is `band` (the ratings column, 0 for
    // none), lightest first, until take says no more, at most `most`.
    void Band(int band, size_t most, const Take& take) const;
    // The combinations holding a code of weight 0, in catalogue order, as Band gives them.
    void Zeros(size_t most, const Take& take) const;

private:
    struct Cursor {
        double weight;
        Codes code;  // catalogue places
        int x, y, z;
    };
    static bool Lighter(const Cursor& a, const Cursor& b);
    static int BandOf(double weight);
    int Size(int r) const { return static_cast<int>(sorted_[role_[r]].size()); }
    Cursor At(int x, int y, int z) const;

    std::vector<std::pair<double, int>> sorted_[3];  // weight, catalogue place
    std::vector<int> zeros_[3];
    int size_[3] = {0, 0, 0};
    std::array<int, 3> role_ = {0, 1, 2};  // lists by length, shortest first
};
