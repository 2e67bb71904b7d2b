// Process start to the first frame of the main window: the calculator beside a bare Qt window
// with a menu, started in turns in the same run so that both see the same machine load, with
// the built-in tables and with small data files; and the calculator starting over long weights
// files, with its peak memory. Every start must show the same first rating. Each start is a new
// process of startup_probe (next to this program); the platform is the one this program runs on.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <algorithm>
#include <cstdlib>

#include "data/builtin_tables.h"
#include "data/data_files.h"

namespace {

// What one start of the probe reports.
struct Start {
    double seconds = 0;     // from starting the probe to its report of the first frame
    double cpuSeconds = 0;  // the probe's own CPU time until then, user and system
    double peakMib = 0;     // the probe's peak memory until then
    QString rating;         // the ratings column and profile weight its first frame shows
};

Start StartProbe(const QStringList& arguments) {
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
    Start start;
    start.seconds = timer.nsecsElapsed() / 1e9;
    if (probe.readLine() != "frame\n" || !probe.waitForFinished(60000) ||
        probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0) {
        std::abort();
    }
    const QString report = QString::fromLatin1(probe.readLine()).trimmed();
    start.peakMib = report.section(QLatin1Char(' '), 0, 0).toDouble() / 1024;
    start.cpuSeconds = report.section(QLatin1Char(' '), 1, 1).toDouble() / 1e6;
    start.rating = report.section(QLatin1Char(' '), 2);
    return start;
}

// The first frame's rating with the built-in tables, and with the long weights tables, whose
// last lines hold the built-in weights of the first system's profiles.
const QString kFirstRating = QStringLiteral("4 0.698");

// Iteration time: the calculator's start, with the built-in tables (0) or with both tables
// as small data files (1); "bare_ms" the bare window's start just before it, "ratio" the mean
// of the paired ratios. "cpu_ratio" is the mean of the paired ratios of the two processes' own
// CPU time until the first frame, which a machine busy with other work disturbs far less than
// the wall time (it leaves out the X server's share).
void BM_StartUpBesideBareWindow(benchmark::State& state) {
    QTemporaryDir dir;
    if (state.range(0) == 1) {
        WriteFile(dir.filePath(kWeightsFileName), FileBytesOfTableText(BuiltInWeightsTable()));
        WriteFile(dir.filePath(kSystemFileName), FileBytesOfTableText(BuiltInSystemCatalogue()));
    }
    double bare = 0, ratio = 0, cpuRatio = 0;
    for (auto _ : state) {
        const Start b = StartProbe({QStringLiteral("bare")});
        const Start a = StartProbe({QStringLiteral("app"), dir.path()});
        if (a.rating != kFirstRating) {
            std::abort();
        }
        state.SetIterationTime(a.seconds);
        bare += b.seconds;
        ratio += a.seconds / b.seconds;
        cpuRatio += a.cpuSeconds / b.cpuSeconds;
    }
    const auto average = benchmark::Counter::kAvgIterations;
    state.counters["bare_ms"] = benchmark::Counter(bare * 1000, average);
    state.counters["ratio"] = benchmark::Counter(ratio, average);
    state.counters["cpu_ratio"] = benchmark::Counter(cpuRatio, average);
}
BENCHMARK(BM_StartUpBesideBareWindow)
    ->ArgName("data_files")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Start over a long weights file of the given number of lines: time, peak memory, and the
// peak as a multiple of the file's size.
void BM_StartUpWithLargeWeightsFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QByteArray file = LargeWeightsFile(static_cast<int>(state.range(0)));
    WriteFile(dir.filePath(kWeightsFileName), file);
    double peak = 0;
    for (auto _ : state) {
        const Start start = StartProbe({QStringLiteral("app"), dir.path()});
        if (start.rating != kFirstRating) {
            std::abort();
        }
        state.SetIterationTime(start.seconds);
        peak = std::max(peak, start.peakMib);
    }
    const double fileMib = file.size() / (1024.0 * 1024.0);
    state.counters["file_MiB"] = fileMib;
    state.counters["peak_MiB"] = peak;
    state.counters["peak_per_file"] = peak / fileMib;
}
BENCHMARK(BM_StartUpWithLargeWeightsFile)
    ->ArgName("lines")
    ->Arg(200000)
    ->Arg(3000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
