// One redraw of the specification sheet, as every rating recalculation does.
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "data/builtin_tables.h"
#include "data/table_fields.h"
#include "documents/specification_sheet.h"
#include "platform/canvas.h"

namespace {

void BM_SpecificationSheetRedraw(benchmark::State& state) {
    const SpecificationSheetData data = SpecificationSheetDataOf(
        LinesOfText(BuiltInBreRatingsTable()), 4, QStringLiteral("Pelvanor 47"),
        QStringLiteral("PRF010"), QStringLiteral("PRF020"), QStringLiteral("PRF030"), true);
    QImage image(417, 580, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        Canvas canvas(painter);
        DrawSpecificationSheet(canvas, data);
    }
}

}  // namespace

BENCHMARK(BM_SpecificationSheetRedraw)->Unit(benchmark::kMicrosecond);
