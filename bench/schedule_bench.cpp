// The schedule: rating every row again after one edit of the weights table (the schedule window
// does so at every keystroke on the weights page; the goal is one 60 Hz frame, 16.7 ms, for
// 1,000 rows), and the combined PDF of a schedule in memory (certificates per CPU-second and
// bytes per window; the whole process, peak memory included, is in batch_bench).
#include <QString>

#include <benchmark/benchmark.h>

#include "data/builtin_tables.h"
#include "data/product_tables.h"
#include "platform/program_info.h"
#include "schedule/schedule.h"
#include "schedule/schedule_export.h"
#include "schedule/schedule_rating.h"

namespace {

// Rows over every built-in system, both building types and each system's offered codes, with
// an extra column, as a spreadsheet's schedule would have it.
Schedule LargeSchedule(const ProductTables& tables, int rows) {
    QString csv = QStringLiteral("ref,Qty,system,outer,vent,transom,building\n");
    for (int i = 0; i < rows; ++i) {
        const QString header = tables.systemHeaders[i % tables.systemHeaders.size()];
        csv += QStringLiteral("W%1,%2,\"%3\",,,,%4\n")
                   .arg(i)
                   .arg(i % 7 + 1)
                   .arg(header.section(QLatin1Char(','), 0, 0))
                   .arg(i % 3 ? QStringLiteral("Domestic") : QStringLiteral("Commercial"));
    }
    return *ReadSchedule(csv).schedule;
}

void BM_RerateScheduleAfterWeightsEdit(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    QString weights = BuiltInWeightsTable();
    const ProductTables start = ProductTablesOf(weights, BuiltInSystemCatalogue(),
                                                BuiltInBreRatingsTable(), BuiltInProductList());
    const Schedule schedule = LargeSchedule(start, rows);
    const QString catalogue = BuiltInSystemCatalogue();
    const QString bre = BuiltInBreRatingsTable();
    const QString products = BuiltInProductList();
    // The edit: one digit of PRF010's weight typed over, back and forth.
    const qsizetype digit = weights.indexOf(QStringLiteral("PRF010,")) + 9;
    int edits = 0;
    for (auto _ : state) {
        weights[digit] = QLatin1Char(edits++ % 2 ? '9' : '1');
        const ProductTables tables = ProductTablesOf(weights, catalogue, bre, products);
        const QList<ScheduleRowRating> ratings = RateSchedule(tables, schedule);
        benchmark::DoNotOptimize(ratings.constData());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_RerateScheduleAfterWeightsEdit)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_CombinedPdfInMemory(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const ProductTables tables = ProductTablesOf(BuiltInWeightsTable(), BuiltInSystemCatalogue(),
                                                 BuiltInBreRatingsTable(), BuiltInProductList());
    Schedule schedule = LargeSchedule(tables, rows);
    schedule.report = {QStringLiteral("Acme Glazing Ltd\nUnit 4"),
                       QStringLiteral("Riverside School"), QStringLiteral("1 May 2024")};
    const QList<ScheduleRowRating> ratings = RateSchedule(tables, schedule);
    int certificates = 0;
    for (const ScheduleRowRating& rating : ratings) {
        certificates += rating.Rated() ? 1 : 0;
    }
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf =
            CombinedSchedulePdf(tables, schedule, ratings, {}, ProgramNameAndVersion());
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.SetItemsProcessed(state.iterations() * certificates);
    state.counters["certs_per_cpu_s"] =
        benchmark::Counter(double(state.iterations()) * certificates, benchmark::Counter::kIsRate);
    state.counters["KiB_per_window"] = bytes / 1024.0 / certificates;
    state.counters["certificates"] = certificates;
}
BENCHMARK(BM_CombinedPdfInMemory)->Arg(500)->Iterations(2)->Unit(benchmark::kSecond);

}  // namespace
