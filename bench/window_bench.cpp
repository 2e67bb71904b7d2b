// Start-up, data file loading and the recalculation that runs at every change of the window.
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench_support.h"

#include "app/twer.h"
#include "data/builtin_tables.h"
#include "data/data_check.h"
#include "data/data_files.h"
#include "data/table_fields.h"
#include "widgets/table_memo.h"

namespace {

// From nothing to the window shown with its first rating drawn.
void BM_StartUpToFinishedFormShow(benchmark::State& state) {
    QTemporaryDir dir;
    const TwerEnvironment env = EnvironmentIn(dir);
    for (auto _ : state) {
        TWER window(env);
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.GridCellTextAt(1, 15));
    }
}
BENCHMARK(BM_StartUpToFinishedFormShow)->Unit(benchmark::kMillisecond);

// Making the window over a 200,000-line weights file: reading it into the table (the
// recalculation waits for the window's first showing).
void BM_LoadLargeWeightsFile(benchmark::State& state) {
    QTemporaryDir dir;
    WriteFile(dir.filePath(kWeightsFileName), LargeWeightsFile(200000));
    const TwerEnvironment env = EnvironmentIn(dir);
    for (auto _ : state) {
        TWER window(env);
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_LoadLargeWeightsFile)->Unit(benchmark::kMillisecond);

// Only the file reading and line splitting of the same file.
void BM_ReadLargeWeightsFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kWeightsFileName);
    WriteFile(path, LargeWeightsFile(200000));
    for (auto _ : state) {
        benchmark::DoNotOptimize(LinesOfText(ReadTableFile(path)).size());
    }
}
BENCHMARK(BM_ReadLargeWeightsFile)->Unit(benchmark::kMillisecond);

// The data check of the "Check" buttons over a 200,000-line weights table and the built-in
// catalogue: with distinct codes (0), and with every code given two weights (1), the worst case
// of one finding a code.
void BM_DataCheckLargeWeights(benchmark::State& state) {
    QByteArray bytes = LargeWeightsFile(200000);
    if (state.range(0) == 1) {
        bytes.replace(",1.234567", ",1.5");
        bytes += LargeWeightsFile(200000).replace("Profile,Area\r\n", "");
    }
    const QStringList weights = LinesOfText(TableTextOfFileBytes(bytes));
    const QStringList catalogue = LinesOfText(BuiltInSystemCatalogue());
    std::size_t findings = 0;
    for (auto _ : state) {
        findings = CheckDataTables(weights, catalogue).size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["lines"] = static_cast<double>(weights.size());
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_DataCheckLargeWeights)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One whole recalculation: lookup, result fields, grid repaint, sheet and preview.
void BM_Recalculation(benchmark::State& state) {
    QTemporaryDir dir;
    if (state.range(0) > 0) {
        WriteFile(dir.filePath(kWeightsFileName),
                  LargeWeightsFile(static_cast<int>(state.range(0))));
    }
    TWER window(EnvironmentIn(dir));
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.Button12Click(nullptr);
    }
    state.counters["weights_lines"] = static_cast<double>(
        LinesOfText(
            TableText::Of(window.findChild<QPlainTextEdit*>(QStringLiteral("Memo1")))->PlainText())
            .size());
}
BENCHMARK(BM_Recalculation)
    ->Arg(0)
    ->Arg(2000)
    ->Arg(20000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
