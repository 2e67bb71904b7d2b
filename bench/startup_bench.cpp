// Process start to the first frame of the main window: the calculator beside a bare Qt window
// with a menu, started in turns in the same run so that both see the same machine load; and
// the calculator starting over a 200,000-line weights file. Each start is a new process of
// startup_probe (next to this program); the platform is the one this program runs on.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <cstdlib>

#include "data/data_files.h"

namespace {

// Seconds from starting the probe to its report of the first frame.
double SecondsToFirstFrame(const QStringList& arguments) {
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    probe.start(QCoreApplication::applicationDirPath() + QStringLiteral("/startup_probe"),
                arguments);
    while (!probe.canReadLine()) {
        if (!probe.waitForReadyRead(60000)) {
            std::abort();
        }
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (probe.readLine() != "frame\n" || !probe.waitForFinished(60000) ||
        probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0) {
        std::abort();
    }
    return seconds;
}

// Iteration time: the calculator's start; "bare_ms" the bare window's start just before it,
// "ratio" the mean of the paired ratios.
void BM_StartUpBesideBareWindow(benchmark::State& state) {
    QTemporaryDir dir;
    double bare = 0, ratio = 0;
    for (auto _ : state) {
        const double b = SecondsToFirstFrame({QStringLiteral("bare")});
        const double a = SecondsToFirstFrame({QStringLiteral("app"), dir.path()});
        state.SetIterationTime(a);
        bare += b;
        ratio += a / b;
    }
    state.counters["bare_ms"] = benchmark::Counter(bare * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = benchmark::Counter(ratio, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StartUpBesideBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StartUpWithLargeWeightsFile(benchmark::State& state) {
    QTemporaryDir dir;
    WriteFile(dir.filePath(kWeightsFileName), LargeWeightsFile(200000));
    for (auto _ : state) {
        state.SetIterationTime(SecondsToFirstFrame({QStringLiteral("app"), dir.path()}));
    }
}
BENCHMARK(BM_StartUpWithLargeWeightsFile)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
