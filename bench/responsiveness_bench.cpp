// How quickly the window answers: a keystroke in a report field until the certificate preview
// is repainted, beside a bare editor taking the same keystroke; and a whole recalculation with
// its paints, with the built-in tables and with a 200,000-line weights table. Real widgets on
// the offscreen platform; every iteration ends with the paints the change asked for.
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench_support.h"

#include "app/twer.h"
#include "data/data_files.h"

namespace {

// Keystroke in the company field of the report view until the preview is repainted.
void BM_KeystrokeInReportField(benchmark::State& state) {
    QTemporaryDir dir;
    TWER window(EnvironmentIn(dir));
    window.show();
    QCoreApplication::processEvents();
    window.findChild<QTabBar*>(QStringLiteral("TabSet1"))->setCurrentIndex(1);
    auto* company = window.findChild<QPlainTextEdit*>(QStringLiteral("MemoSim"));
    company->setPlainText(QStringLiteral("Acme Windows Ltd"));
    company->moveCursor(QTextCursor::End);
    company->setFocus();
    QCoreApplication::processEvents();
    bool letter = true;
    for (auto _ : state) {
        Keystroke(company, letter);
        letter = !letter;
    }
}
BENCHMARK(BM_KeystrokeInReportField)->Unit(benchmark::kMillisecond);

// The same keystroke into a bare editor of the same size: what Qt itself costs.
void BM_KeystrokeBareEditor(benchmark::State& state) {
    QPlainTextEdit editor;
    editor.resize(250, 60);
    editor.setPlainText(QStringLiteral("Acme Windows Ltd"));
    editor.show();
    editor.moveCursor(QTextCursor::End);
    editor.setFocus();
    QCoreApplication::processEvents();
    bool letter = true;
    for (auto _ : state) {
        Keystroke(&editor, letter);
        letter = !letter;
    }
}
BENCHMARK(BM_KeystrokeBareEditor)->Unit(benchmark::kMillisecond);

// Not inlined, for callgrind's --toggle-collect='*RecalculateAndPaint*'.
[[gnu::noinline]] void RecalculateAndPaint(TWER& window) {
    window.Button12Click(nullptr);
    QCoreApplication::processEvents();
}

// One whole recalculation on the specification view, its grid, sheet and preview redrawn and
// the window's paints done.
void BM_RecalculationWithPaints(benchmark::State& state) {
    QTemporaryDir dir;
    if (state.range(0) > 0) {
        WriteFile(dir.filePath(kWeightsFileName),
                  LargeWeightsFile(static_cast<int>(state.range(0))));
    }
    TWER window(EnvironmentIn(dir));
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        RecalculateAndPaint(window);
    }
}
BENCHMARK(BM_RecalculationWithPaints)->Arg(0)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace
