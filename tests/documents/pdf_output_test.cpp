// A PDF of many pages written as it is drawn: whole, with its document information, or not at
// all, and a write that fails part-way stops the drawing.
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "documents/certificate_output.h"
#include "platform/program_error.h"
#include "test_support.h"

namespace {

constexpr int kPages = 300;  // some 1.5 MB of certificates

struct Written {
    PdfFileResult result;
    int pagesDrawn = 0;
};

Written WriteCertificates(const QString& path, int cancelAt = 0) {
    CertificatePdfSettings settings = ExportPdfSettings(CertificateData(), "BRE Green Guide 1.0",
                                                        "GGWeights.Dat built in 1a2b3c4d");
    settings.subject = "Riverside School";
    Written written;
    written.result = WritePdfOfPages(
        path, settings, kPages,
        [&](int, QPainter& painter, int W, int H) {
            ++written.pagesDrawn;
            DrawFittedCertificatePage(CertificateData(), painter, W, H);
        },
        [cancelAt](int done, int) { return done != cancelAt; });
    return written;
}

}  // namespace

TEST(PdfFile, WrittenWholeAsDrawnOrNotAtAll) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("schedule.pdf");
    const Written whole = WriteCertificates(pdf);
    EXPECT_TRUE(whole.result.written) << whole.result.reason.toStdString();
    const QString info = Tool("pdfinfo", {pdf});
    for (const char* expected : {"Pages:           300\n", "Subject:         Riverside School\n",
                                 "Creator:         BRE Green Guide 1.0\n",
                                 "Keywords:        GGWeights.Dat built in 1a2b3c4d\n"}) {
        EXPECT_TRUE(info.contains(expected)) << expected << info.toStdString();
    }
    EXPECT_TRUE(Tool("pdftotext", {"-f", "300", "-l", "300", pdf, "-"}).contains("PRF020"));

    const QByteArray old = ReadBytes(pdf);
    const Written cancelled = WriteCertificates(pdf, 3);
    EXPECT_TRUE(cancelled.result.cancelled);
    EXPECT_FALSE(cancelled.result.written);
    EXPECT_EQ(cancelled.pagesDrawn, 3);
    EXPECT_EQ(ReadBytes(pdf), old);

    // Files may not grow past 4 KiB: the first piece fails, the drawing stops soon after, and
    // the old file stays with no temporary file beside it.
    const QString failure = ErrorUnderFileSizeLimit([&] {
        const Written cut = WriteCertificates(pdf);
        if (!cut.result.written && !cut.result.cancelled) {
            throw ProgramError(cut.result.reason + QStringLiteral(" after %1").arg(cut.pagesDrawn));
        }
    });
    const QStringList parts = failure.split(" after ");
    ASSERT_EQ(parts.size(), 2) << failure.toStdString();
    EXPECT_EQ(parts[0], "File too large");
    EXPECT_LT(parts[1].toInt(), kPages / 2);
    EXPECT_EQ(ReadBytes(pdf), old);
    EXPECT_EQ(Files(dir.path()), QStringList{"schedule.pdf"});
}
