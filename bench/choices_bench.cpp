// The choices of a system: every combination of a system with 20 codes per selector (8,000
// combinations) rated as one window is, sorted best first then lightest, as the options command
// and the window's Better Choices list them. The goal is under 50 ms for the list.
#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

#include "data/builtin_tables.h"
#include "data/product_tables.h"
#include "rating/window_options.h"

namespace {

constexpr int kCodesPerSelector = 20;
const QString kSystem = QStringLiteral("Bench 20");

// The built-in tables with one more system in front; its weights stand after the built-in
// ones, so that every lookup runs through the whole weights table, and spread over every band.
ProductTables TablesWithLargeSystem() {
    QString weights = BuiltInWeightsTable();
    QStringList lines[3];
    const char* const prefixes[3] = {"BNO", "BNV", "BNT"};
    const double lightest[3] = {0.80, 0.70, 0.60};
    const double steps[3] = {0.06, 0.03, 0.04};
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < kCodesPerSelector; ++i) {
            const QString code =
                QLatin1String(prefixes[k]) + QString::number(i).rightJustified(2, '0');
            lines[k] << code;
            weights += code + QLatin1Char(',') + QString::number(lightest[k] + i * steps[k]) +
                       QLatin1Char('\n');
        }
    }
    const QString block = kSystem + QStringLiteral(",0.00\n") + lines[0].join(',') + '\n' +
                          lines[1].join(',') + '\n' + lines[2].join(',') + QStringLiteral("\n\n");
    return ProductTablesOf(weights, block + BuiltInSystemCatalogue(), BuiltInBreRatingsTable(),
                           BuiltInProductList());
}

void BM_ListChoices(benchmark::State& state) {
    const bool commercial = state.range(0) != 0;
    const ProductTables tables = TablesWithLargeSystem();
    QString error;
    size_t listed = 0;
    for (auto _ : state) {
        const auto options = WindowOptionsOf(tables, kSystem, commercial, &error);
        listed = options ? options->size() : 0;
        benchmark::DoNotOptimize(options);
    }
    if (listed != kCodesPerSelector * kCodesPerSelector * kCodesPerSelector) {
        state.SkipWithError("not every combination was listed");
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(listed));
}
BENCHMARK(BM_ListChoices)->ArgName("commercial")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The window's Better Choices: the list, then those better than "B", lightest first.
void BM_BetterChoices(benchmark::State& state) {
    const ProductTables tables = TablesWithLargeSystem();
    QString error;
    for (auto _ : state) {
        const auto options = WindowOptionsOf(tables, kSystem, true, &error);
        const std::vector<RatedWindow> better = BetterChoicesOf(*options, QStringLiteral("B"));
        benchmark::DoNotOptimize(better.data());
    }
}
BENCHMARK(BM_BetterChoices)->Unit(benchmark::kMillisecond);

}  // namespace
