// The schedule window's work. Typing on the weights page while the schedule window is open: a
// keystroke in the weights table until every event it caused is done (the main window's
// recalculation and paints, then the schedule's rows rated again from the single-shot timer and the
// table repainted), with no schedule window (0) and with one of 1,000 rows. The goal is that the
// schedule adds less than one 60 Hz frame (16.7 ms) to a keystroke. Real widgets on the offscreen
// platform.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include "bench_support.h"

#include "app/schedule_window.h"
#include "app/twer.h"
#include "data/builtin_tables.h"
#include "data/product_tables.h"
#include "schedule/schedule_model.h"

namespace {

// Rows over every system the tables offer, both building types.
Schedule ScheduleOf(const ProductTables& tables, int rows) {
    Schedule schedule;
    for (int i = 0; i < rows; ++i) {
        schedule.InsertRow(i);
        const QString header = tables.systemHeaders[i % tables.systemHeaders.size()];
        schedule.SetValue(i, ScheduleField::Ref, QStringLiteral("W%1").arg(i + 1));
        schedule.SetValue(i, ScheduleField::System, ScheduleSystemName(tables, header));
        schedule.SetValue(i, ScheduleField::Building, BuildingTypeNames().value(i % 2));
    }
    return schedule;
}

void BM_WeightsKeystrokeWithSchedule(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    TWER window(EnvironmentIn(dir));
    window.show();
    QCoreApplication::processEvents();
    if (rows > 0) {
        window.Schedule1Click(nullptr);
        ScheduleWindow* schedule = window.OpenScheduleWindow();
        schedule->Model()->SetSchedule(ScheduleOf(window.CurrentTables(), rows));
        QCoreApplication::processEvents();
    }
    // The end of the weights table's first line: typing there changes PRF010's weight.
    auto* weights = window.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    weights->moveCursor(QTextCursor::Start);
    weights->moveCursor(QTextCursor::EndOfLine);
    weights->setFocus();
    QCoreApplication::processEvents();
    bool letter = true;
    for (auto _ : state) {
        Keystroke(weights, letter);
        letter = !letter;
    }
    if (ScheduleWindow* schedule = window.OpenScheduleWindow()) {
        // Nothing to ask at the end.
        schedule->Model()->UndoStack()->setClean();
    }
}
BENCHMARK(BM_WeightsKeystrokeWithSchedule)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

// Pasting 1,000 rows without refs into a schedule of 1,000 (each gets the next free ref), rated,
// then taken back; the goal is well under a second.
void BM_PasteRowsWithoutRefs(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const ProductTables tables = ProductTablesOf(BuiltInWeightsTable(), BuiltInSystemCatalogue(),
                                                 BuiltInBreRatingsTable(), BuiltInProductList());
    ScheduleModel model;
    model.SetTables(tables);
    model.SetSchedule(ScheduleOf(tables, rows));
    QString text;
    for (int i = 0; i < rows; ++i) {
        text += QStringLiteral("\tPelvanor 47\tPRF010\n");
    }
    for (auto _ : state) {
        model.PasteRows(text);
        model.UndoStack()->undo();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_PasteRowsWithoutRefs)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
