// The choices that options and Better Choices list: every system of a 20-system catalogue with 20
// codes per selector (160,000 combinations) rated, grouped and sorted, for Commercial (one line
// an outer frame) and Domestic (every combination, cut at the list's bound); the goal is under
// 50 ms. Then one system of 300 codes per selector (27 million combinations, which the list
// once made all at once and died of), and the window's status hint: is anything better at all.
#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

#include "data/builtin_tables.h"
#include "data/product_tables.h"
#include "rating/window_choices.h"

namespace {

// The built-in tables with `systems` more systems in front, each with `codes` codes per
// selector; their weights stand after the built-in ones and are spread over every band.
ProductTables TablesWithSystems(int systems, int codes) {
    QString weights = BuiltInWeightsTable();
    QString catalogue;
    const char* const kinds[3] = {"O", "V", "T"};
    const double lightest[3] = {0.80, 0.70, 0.60};
    const double steps[3] = {0.06, 0.03, 0.04};
    for (int s = 0; s < systems; ++s) {
        catalogue += QStringLiteral("Bench %1,0.00\n").arg(s);
        for (int k = 0; k < 3; ++k) {
            QStringList line;
            for (int i = 0; i < codes; ++i) {
                const QString code = QStringLiteral("B%1%2%3").arg(s).arg(kinds[k]).arg(i);
                line << code;
                weights += code + QLatin1Char(',') +
                           QString::number(lightest[k] + (i * 7 % codes) * steps[k] * 20 / codes +
                                           s * 0.01) +
                           QLatin1Char('\n');
            }
            catalogue += line.join(',') + QLatin1Char('\n');
        }
        catalogue += QLatin1Char('\n');
    }
    return ProductTablesOf(weights, catalogue + BuiltInSystemCatalogue(), BuiltInBreRatingsTable(),
                           BuiltInProductList());
}

// All systems, every line, as "options --all-systems" lists them.
void BM_AllSystems(benchmark::State& state) {
    const bool commercial = state.range(0) != 0;
    const ProductTables tables = TablesWithSystems(20, 20);
    QString error;
    size_t listed = 0;
    for (auto _ : state) {
        const auto choices = WindowChoicesOf(
            tables, {"Bench 3", true, commercial, std::nullopt, kMostChoices}, &error);
        listed = choices->lines.size();
        benchmark::DoNotOptimize(choices->lines.data());
    }
    state.counters["lines"] = static_cast<double>(listed);
}
BENCHMARK(BM_AllSystems)->ArgName("commercial")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The window's Better Choices of all systems: those better than "B".
void BM_BetterThanB(benchmark::State& state) {
    const bool commercial = state.range(0) != 0;
    const ProductTables tables = TablesWithSystems(20, 20);
    QString error;
    for (auto _ : state) {
        const auto choices = WindowChoicesOf(
            tables, {"Bench 3", true, commercial, QStringLiteral("B"), kMostChoices}, &error);
        benchmark::DoNotOptimize(choices->lines.data());
    }
}
BENCHMARK(BM_BetterThanB)->ArgName("commercial")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// One system of 300 codes per selector.
void BM_OneLongSystem(benchmark::State& state) {
    const bool commercial = state.range(0) != 0;
    const ProductTables tables = TablesWithSystems(1, 300);
    QString error;
    for (auto _ : state) {
        const auto choices = WindowChoicesOf(
            tables, {"Bench 0", false, commercial, std::nullopt, kMostChoices}, &error);
        benchmark::DoNotOptimize(choices->lines.data());
    }
}
BENCHMARK(BM_OneLongSystem)->ArgName("commercial")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Whether anything of any system rates better than "A" (the status text's hint): the first
// line only, on the built-in tables.
void BM_AnyBetter(benchmark::State& state) {
    const ProductTables tables = TablesWithSystems(0, 0);
    QString error;
    for (auto _ : state) {
        const auto choices = WindowChoicesOf(
            tables, {"Pelvanor 55", true, state.range(0) != 0, QStringLiteral("A"), 1}, &error);
        benchmark::DoNotOptimize(choices->lines.data());
    }
}
BENCHMARK(BM_AnyBetter)->ArgName("commercial")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The same over a weights table of 200,000 lines, the built-in codes at its end: what the hint
// adds to a recalculation of a window rated A with such a table (one with nothing better to
// reach, A+, reads no weight at all).
void BM_AnyBetterLongWeights(benchmark::State& state) {
    QString weights = QStringLiteral("Profile,Area\n");
    for (int i = 1; i < 200000; ++i) {
        weights += QStringLiteral("XYZ%1,1.234567\n").arg(i);
    }
    const ProductTables tables =
        ProductTablesOf(weights + BuiltInWeightsTable(), BuiltInSystemCatalogue(),
                        BuiltInBreRatingsTable(), BuiltInProductList());
    QString error;
    for (auto _ : state) {
        const auto choices =
            WindowChoicesOf(tables, {"Pelvanor 55", true, true, QStringLiteral("A"), 1}, &error);
        benchmark::DoNotOptimize(choices->lines.data());
    }
}
BENCHMARK(BM_AnyBetterLongWeights)->Unit(benchmark::kMillisecond);

}  // namespace
