// The command line's batch as a whole process: a window schedule of N rows in, N certificates
// and a summary out. Reports certificates per second of CPU time (per core: the batch runs on
// one thread), certificates per second of wall time (the disk's syncs included) and the
// process's peak memory, which must not grow with the number of rows.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <chrono>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

// A schedule of rows over two systems, both building types and every offered profile mix.
QByteArray Schedule(int rows) {
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
        csv += row + ",Acme Glazing Ltd|Unit 4,Riverside School,1 May 2024\n";
    }
    return csv;
}

void BM_BatchProcess(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString schedule = dir.filePath(QStringLiteral("schedule.csv"));
    QFile file(schedule);
    if (!file.open(QIODevice::WriteOnly) || file.write(Schedule(rows)) < 0) {
        state.SkipWithError("cannot write the schedule");
        return;
    }
    file.close();
    const QByteArray program = GREENGUIDE_PROGRAM;
    const QByteArray scheduleArg = schedule.toLocal8Bit();
    const QByteArray outArg = dir.filePath(QStringLiteral("out")).toLocal8Bit();
    double cpuSeconds = 0;
    double wallSeconds = 0;
    long peakKib = 0;
    int runs = 0;
    for (auto _ : state) {
        char* argv[] = {const_cast<char*>(program.constData()),     const_cast<char*>("batch"),
                        const_cast<char*>(scheduleArg.constData()), const_cast<char*>("-o"),
                        const_cast<char*>(outArg.constData()),      nullptr};
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        if (posix_spawn(&child, argv[0], nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the program");
            return;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(wall.count());
        wallSeconds += wall.count();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the batch failed");
            return;
        }
        cpuSeconds += usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                      usage.ru_stime.tv_usec / 1e6;
        peakKib = std::max(peakKib, usage.ru_maxrss);
        ++runs;
    }
    state.counters["certs_per_cpu_s"] = runs * rows / cpuSeconds;
    state.counters["certs_per_wall_s"] = runs * rows / wallSeconds;
    state.counters["peak_rss_MiB"] = peakKib / 1024.0;
}
BENCHMARK(BM_BatchProcess)
    ->Arg(100)
    ->Arg(1000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
