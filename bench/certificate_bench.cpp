// Time to draw the certificate page: the screen preview (redrawn at every keystroke in the
// company, project and date fields), the page at printer resolution into an image, and one page
// printed to a PDF file at 600 dpi.
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "data/builtin_tables.h"
#include "data/table_fields.h"
#include "documents/certificate_page.h"
#include "documents/certificate_record.h"
#include "platform/canvas.h"

namespace {

// The record as the report fills it for the first built-in system, Commercial.
CertificateData TypicalRecord() {
    CertificateInputs in;
    in.breRatingLines = LinesOfText(BuiltInBreRatingsTable());
    in.ratingsColumn = 4;
    in.systemName = QStringLiteral("Pelvanor 47");
    in.outerFrame = QStringLiteral("PRF010");
    in.ventFrame = QStringLiteral("PRF020");
    in.transomMullion = QStringLiteral("PRF020");
    in.company = QStringLiteral("Acme Windows Ltd\nUnit 4, Riverside");
    in.project = QStringLiteral("St Mary's School");
    in.date = QStringLiteral("12/03/2014");
    return CertificateDataOf(in);
}

void DrawIntoImage(benchmark::State& state, int W, int H) {
    const CertificateData data = TypicalRecord();
    QImage image(W, H, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        Canvas canvas(painter);
        DrawCertificatePage(data, canvas, W, H);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_CertificatePreview(benchmark::State& state) {
    DrawIntoImage(state, 630, 891);
}
BENCHMARK(BM_CertificatePreview)->Unit(benchmark::kMillisecond);

void BM_CertificatePrinterSizeImage(benchmark::State& state) {
    DrawIntoImage(state, 4960, 7016);
}
BENCHMARK(BM_CertificatePrinterSizeImage)->Unit(benchmark::kMillisecond);

void BM_CertificatePdf600Dpi(benchmark::State& state) {
    const CertificateData data = TypicalRecord();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("certificate.pdf"));
    for (auto _ : state) {
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        Canvas canvas(painter);
        const QRect page = painter.viewport();
        DrawCertificatePage(data, canvas, page.width(), page.height());
        painter.end();
    }
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_CertificatePdf600Dpi)->Unit(benchmark::kMillisecond);

}  // namespace
