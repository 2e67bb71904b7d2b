#include "rating/domestic_combinations.h"

#include <queue>
#include <tuple>

#include "rating/rating.h"

DomesticCombinations::DomesticCombinations(const std::vector<double> (&weights)[3]) {
    for (int k = 0; k < 3; ++k) {
        for (size_t i = 0; i < weights[k].size(); ++i) {
            const double w = weights[k][i];
            if (w == 0) {
                zeros_[k].push_back(static_cast<int>(i));
            } else {
                sorted_[k].push_back({w, static_cast<int>(i)});
            }
        }
        std::sort(sorted_[k].begin(), sorted_[k].end());
        size_[k] = static_cast<int>(weights[k].size());
    }
    std::sort(role_.begin(), role_.end(),
              [this](int a, int b) { return sorted_[a].size() < sorted_[b].size(); });
}

void DomesticCombinations::Band(int band, size_t most, const Take& take) const {
    const int xs = Size(0), ys = Size(1), zs = Size(2);
    if (xs == 0 || ys == 0 || zs == 0 || most == 0) {
        return;
    }
    FirstOf<Cursor, Lighter> starts(most);  // the start of every run that can count
    for (int x = 0; x < xs; ++x) {
        if (BandOf(At(x, 0, 0).weight) > band) {
            break;  // every later x is heavier still
        }
        if (BandOf(At(x, ys - 1, zs - 1).weight) < band) {
            continue;
        }
        int z = zs;  // where the run of y starts: no later for a heavier y
        for (int y = 0; y < ys; ++y) {
            while (z > 0 && BandOf(At(x, y, z - 1).weight) >= band) {
                --z;
            }
            if (z == zs) {
                continue;
            }
            const Cursor start = At(x, y, z);
            if (BandOf(start.weight) == band) {
                starts.Offer(start);
            } else if (z == 0) {
                break;  // past the band for every later y
            }
        }
    }
    const auto heavier = [](const Cursor& a, const Cursor& b) { return Lighter(b, a); };
    std::priority_queue<Cursor, std::vector<Cursor>, decltype(heavier)> runs(heavier);
    for (const Cursor& start : starts.Sorted()) {
        runs.push(start);
    }
    for (size_t taken = 0; !runs.empty() && taken < most; ++taken) {
        const Cursor c = runs.top();
        runs.pop();
        if (!take(c.weight, c.code)) {
            return;
        }
        if (c.z + 1 < zs) {
            const Cursor next = At(c.x, c.y, c.z + 1);
            if (BandOf(next.weight) == band) {
                runs.push(next);
            }
        }
    }
}

void DomesticCombinations::Zeros(size_t most, const Take& take) const {
    if (zeros_[0].empty() && zeros_[1].empty() && zeros_[2].empty()) {
        return;
    }
    std::vector<bool> zero[3];
    for (int k = 0; k < 3; ++k) {
        zero[k].assign(static_cast<size_t>(size_[k]), false);
        for (int i : zeros_[k]) {
            zero[k][static_cast<size_t>(i)] = true;
        }
    }
    size_t taken = 0;
    for (int o = 0; o < size_[0]; ++o) {
        for (int v = 0; v < size_[1]; ++v) {
            const bool any = zero[0][static_cast<size_t>(o)] || zero[1][static_cast<size_t>(v)];
            for (int t = 0; t < size_[2]; ++t) {
                if (!any && !zero[2][static_cast<size_t>(t)]) {
                    continue;
                }
                if (taken++ == most || !take(0, {o, v, t})) {
                    return;
                }
            }
        }
    }
}

bool DomesticCombinations::Lighter(const Cursor& a, const Cursor& b) {
    return std::tie(a.weight, a.code) < std::tie(b.weight, b.code);
}

int DomesticCombinations::BandOf(double weight) {
    return std::max(ChooseRatingsColumn(false, weight), 0);
}

DomesticCombinations::Cursor DomesticCombinations::At(int x, int y, int z) const {
    const int at[3] = {x, y, z};
    double w[3];
    Cursor c{0, {}, x, y, z};
    for (int r = 0; r < 3; ++r) {
        const auto& [weight, place] = sorted_[role_[r]][static_cast<size_t>(at[r])];
        w[role_[r]] = weight;
        c.code[static_cast<size_t>(role_[r])] = place;
    }
    c.weight = ProfileWeightOf(false, w[0], w[1], w[2]);
    return c;
}
