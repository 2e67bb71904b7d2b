// The command line's batch as a whole process: a window schedule of N rows in, N certificates
// and a summary out. Reports certificates per second of CPU time (per core: the batch runs on
// one thread), certificates per second of wall time (the disk's syncs included) and the
// process's peak memory, which must not grow with the number of rows; the same for one combined
// PDF, with its size per window.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <chrono>
#include <vector>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

// A schedule of rows over two systems, both building types and every offered profile mix;
// every row of one project, or each with its own ("Riverside School Block N Level M").
QByteArray Schedule(int rows, bool projectPerRow = false) {
    const char* systems[2][4] = {
        {"Pelvanor 47", "PRF010;PRF011;PRF012;PRF014", "PRF020;PRF021;PRF022",
         "PRF020;PRF030;PRF031"},
        {"Pelvanor 55", "PRF110;PRF111;PRF112", "PRF120;PRF121", "PRF130;PRF131"}};
    QByteArray csv = "ref,system,outer,vent,transom,building,company,project,date\n";
    for (int i = 0; i < rows; ++i) {
        const auto& system = systems[i % 2];
        QByteArray row = "W" + QByteArray::number(i) + ',' + system[0];
        for (int k = 1; k <= 3; ++k) {
            const QList<QByteArray> codes = QByteArray(system[k]).split(';');
            row += ',' + codes[i % codes.size()];
        }
        row += i % 3 ? ",Domestic" : ",Commercial";
        const QByteArray project = projectPerRow ? "Riverside School Block " +
                                                       QByteArray::number(i / 10 + 1) + " Level " +
                                                       QByteArray::number(i % 10 + 1)
                                                 : QByteArray("Riverside School");
        csv += row + ",Acme Glazing Ltd|Unit 4," + project + ",1 May 2024\n";
    }
    return csv;
}

// One run of the program with the arguments; false when it could not start or failed.
struct ProcessRun {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    long peakKib = 0;
};
bool RunProgram(QList<QByteArray> arguments, ProcessRun* run) {
    const QByteArray program = GREENGUIDE_PROGRAM;
    std::vector<char*> argv = {const_cast<char*>(program.constData())};
    for (QByteArray& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    run->wallSeconds = wall.count();
    run->cpuSeconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                      usage.ru_stime.tv_usec / 1e6;
    run->peakKib = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The batch of N rows: into a folder (one file each, each synced), or into one combined PDF.
void BatchProcess(benchmark::State& state, bool combined, bool projectPerRow = false) {
    const int rows = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString schedule = dir.filePath(QStringLiteral("schedule.csv"));
    QFile file(schedule);
    if (!file.open(QIODevice::WriteOnly) || file.write(Schedule(rows, projectPerRow)) < 0) {
        state.SkipWithError("cannot write the schedule");
        return;
    }
    file.close();
    const QString out =
        dir.filePath(combined ? QStringLiteral("schedule.pdf") : QStringLiteral("out"));
    const QList<QByteArray> arguments = {"batch", schedule.toLocal8Bit(),
                                         combined ? "--combined" : "-o", out.toLocal8Bit()};
    double cpuSeconds = 0;
    double wallSeconds = 0;
    long peakKib = 0;
    int runs = 0;
    for (auto _ : state) {
        ProcessRun run;
        if (!RunProgram(arguments, &run)) {
            state.SkipWithError("the batch failed");
            return;
        }
        state.SetIterationTime(run.wallSeconds);
        wallSeconds += run.wallSeconds;
        cpuSeconds += run.cpuSeconds;
        peakKib = std::max(peakKib, run.peakKib);
        ++runs;
    }
    state.counters["certs_per_cpu_s"] = runs * rows / cpuSeconds;
    state.counters["certs_per_wall_s"] = runs * rows / wallSeconds;
    state.counters["peak_rss_MiB"] = peakKib / 1024.0;
    if (combined) {
        state.counters["KiB_per_window"] = QFileInfo(out).size() / 1024.0 / rows;
    }
}

void BM_BatchProcess(benchmark::State& state) {
    BatchProcess(state, false);
}
BENCHMARK(BM_BatchProcess)
    ->Arg(100)
    ->Arg(1000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// The combined PDF: the goal is at least 250 certificates per CPU-second, at most 10 KiB a
// window, and memory that stays flat (at most 200 MiB) as the rows grow.
void BM_CombinedPdfProcess(benchmark::State& state) {
    BatchProcess(state, true);
}
BENCHMARK(BM_CombinedPdfProcess)
    ->Arg(100)
    ->Arg(500)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// Each row with a project of its own, 2,000 rows: the goal is at most 100 MiB and at least 500
// certificates per CPU-second. Once the summary shortened the rows' projects joined into one
// text a letter at a time, measuring and keeping every try: 4 min 46 s and 7 GB here, a crash
// on smaller machines.
void BM_CombinedPdfProjectPerRow(benchmark::State& state) {
    BatchProcess(state, true, true);
}
BENCHMARK(BM_CombinedPdfProjectPerRow)
    ->Arg(2000)
    ->Iterations(2)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
