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

#include "documents/certificate_page.h"
#include "platform/canvas.h"

namespace {

CertificateData TypicalRecord() {
    CertificateData data;
    const char* const categories[] = {"Climate Change",
                                      "Water Extraction",
                                      "Mineral Resource Extraction",
                                      "Stratospheric Ozone Depletion",
                                      "Human Toxicity",
                                      "Ecotoxicity to Freshwater",
                                      "Nuclear Waste (higher level)",
                                      "Ecotoxicity to Land",
                                      "Waste Disposal",
                                      "Fossil Fuel Depletion",
                                      "Eutrophication",
                                      "Photochemical Ozone Creation",
                                      "Acidification",
                                      "Kg CO2 eq. (60 years)"};
    for (const char* category : categories) {
        data.ProfileLines << QStringLiteral("#%1:A").arg(QLatin1String(category));
    }
    data.Company = QStringLiteral("Acme Windows Ltd\nUnit 4, Riverside");
    data.Project = QStringLiteral("St Mary's School");
    data.Date = QStringLiteral("12/03/2014");
    return data;
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
