#include "documents/certificate_output.h"

#include <QBuffer>
#include <QDateTime>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include "platform/canvas.h"

namespace {

// The preview's page in pixels: its proportions are the certificate's.
constexpr qint64 kPageWide = 630;
constexpr qint64 kPageHigh = 891;

// An exported page: what a printer's page would be, in points and dots per inch.
constexpr double kExportMargin = 10;
constexpr int kExportResolution = 600;

// A PDF text string that holds any character: UTF-16, big-endian, with its byte order mark.
QByteArray PdfText(const QString& text) {
    QByteArray hex = "<FEFF";
    for (const QChar c : text) {
        hex += QByteArray::number(c.unicode() | 0x10000, 16).right(4).toUpper();
    }
    return hex + '>';
}

// The number after key in a PDF dictionary's text, or -1.
qint64 NumberAfter(const QString& dictionary, const QString& key) {
    const QRegularExpression pattern(QRegularExpression::escape(key) +
                                     QStringLiteral("\\s+(\\d+)"));
    const QRegularExpressionMatch match = pattern.match(dictionary);
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

// The PDF with its document information replaced by the settings' texts. Qt's writer knows only
// the title and the creator, so the full record is added as an incremental update: a new
// revision of the information object, a cross-reference section for it and a trailer that points
// back to the writer's own. Returns the PDF unchanged when its trailer cannot be read.
QByteArray WithDocumentInfo(const QByteArray& pdf, const CertificatePdfSettings& settings) {
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startxrefAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startxrefAt < trailerAt) {
        return pdf;
    }
    const QString trailer = QString::fromLatin1(pdf.mid(trailerAt, startxrefAt - trailerAt));
    const qint64 size = NumberAfter(trailer, QStringLiteral("/Size"));
    const qint64 root = NumberAfter(trailer, QStringLiteral("/Root"));
    const qint64 info = NumberAfter(trailer, QStringLiteral("/Info"));
    const qint64 previous =
        NumberAfter(QString::fromLatin1(pdf.mid(startxrefAt)), QStringLiteral("startxref"));
    if (size < 0 || root < 0 || info < 0 || previous < 0) {
        return pdf;
    }
    QByteArray out = pdf;
    if (!out.endsWith('\n')) {
        out += '\n';
    }
    const qsizetype infoAt = out.size();
    out += QByteArray::number(info) + " 0 obj\n<<\n";
    out += "/Title " + PdfText(settings.title) + '\n';
    out += "/Subject " + PdfText(settings.subject) + '\n';
    out += "/Author " + PdfText(settings.author) + '\n';
    out += "/Creator " + PdfText(settings.creator) + '\n';
    if (!settings.keywords.isEmpty()) {
        out += "/Keywords " + PdfText(settings.keywords) + '\n';
    }
    out += "/Producer " + PdfText(QStringLiteral("Qt ") + QLatin1String(qVersion())) + '\n';
    out += "/CreationDate (D:" +
           QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() +
           "Z)\n>>\nendobj\n";
    const qsizetype xrefAt = out.size();
    out += "xref\n" + QByteArray::number(info) + " 1\n" +
           QByteArray::number(infoAt).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<<\n/Size " + QByteArray::number(size) + "\n/Info " +
           QByteArray::number(info) + " 0 R\n/Root " + QByteArray::number(root) + " 0 R\n/Prev " +
           QByteArray::number(previous) + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) +
           "\n%%EOF\n";
    return out;
}

}  // namespace

QRect FittedCertificateRect(int W, int H) {
    if (W <= 0 || H <= 0) {
        return {0, 0, 0, 0};
    }
    // Whole-number arithmetic, so that a page of exactly the preview's proportions is used to
    // the last pixel.
    qint64 width = W;
    qint64 height = width * kPageHigh / kPageWide;
    if (height > H) {
        height = H;
        width = height * kPageWide / kPageHigh;
    }
    return {static_cast<int>((W - width) / 2), static_cast<int>((H - height) / 2),
            static_cast<int>(width), static_cast<int>(height)};
}

void DrawFittedCertificatePage(const CertificateData& data, QPainter& painter, int W, int H) {
    const QRect fitted = FittedCertificateRect(W, H);
    painter.save();
    painter.translate(fitted.topLeft());
    {
        Canvas canvas(painter);
        DrawCertificatePage(data, canvas, fitted.width(), fitted.height());
    }
    painter.restore();
}

PagesPainted PaintPages(QPagedPaintDevice& device, int pageCount, const DrawPage& drawPage,
                        const PagesProgress& progress) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return PagesPainted::Failed;
    }
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            return PagesPainted::Failed;
        }
        drawPage(page, painter, device.width(), device.height());
        if (progress && !progress(page + 1, pageCount)) {
            painter.end();
            return PagesPainted::Cancelled;
        }
    }
    return painter.end() ? PagesPainted::Done : PagesPainted::Failed;
}

PdfPages PdfOfPages(const CertificatePdfSettings& settings, int pageCount, const DrawPage& drawPage,
                    const PagesProgress& progress) {
    PdfPages pages;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PagesPainted painted = PagesPainted::Failed;
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(settings.layout);
        writer.setResolution(settings.resolution);
        writer.setTitle(settings.title);
        writer.setCreator(settings.creator);
        painted = PaintPages(writer, pageCount, drawPage, progress);
    }
    pages.cancelled = painted == PagesPainted::Cancelled;
    if (painted != PagesPainted::Done) {
        return pages;
    }
    pages.pdf =
        settings.subject.isEmpty() && settings.author.isEmpty() && settings.keywords.isEmpty()
            ? buffer.data()
            : WithDocumentInfo(buffer.data(), settings);
    return pages;
}

QByteArray CertificatePdf(const CertificateData& data, const CertificatePdfSettings& settings) {
    return PdfOfPages(settings, 1,
                      [&data](int, QPainter& painter, int W, int H) {
                          DrawFittedCertificatePage(data, painter, W, H);
                      })
        .pdf;
}

void SetCertificatePdfMetadata(CertificatePdfSettings& settings, const CertificateData& data,
                               const QString& creator, const QString& dataVersion) {
    settings.title = QStringLiteral("Environmental Profile Certificate");
    settings.subject = data.ProductName + QStringLiteral(": outer frame ") + data.OuterFrame +
                       QStringLiteral(", vent frame ") + data.VentFrame +
                       QStringLiteral(", transom/mullion ") + data.TransomMullion;
    settings.author = data.Company.section(QLatin1Char('\n'), 0, 0);
    settings.creator = creator;
    settings.keywords = dataVersion;
}

CertificatePdfSettings ExportPdfSettings(const CertificateData& data, const QString& creator,
                                         const QString& dataVersion) {
    CertificatePdfSettings settings;
    settings.layout =
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kExportMargin, kExportMargin, kExportMargin, kExportMargin));
    settings.resolution = kExportResolution;
    SetCertificatePdfMetadata(settings, data, creator, dataVersion);
    return settings;
}

QString SuggestedCertificateFileName(const CertificateData& data) {
    QStringList parts;
    for (const QString& part : {data.Project, data.ProductName, data.SummaryRating}) {
        const QString safe = SafeFileName(part.simplified());
        if (!safe.isEmpty()) {
            parts << safe;
        }
    }
    return parts.join(QStringLiteral(" - ")) + QStringLiteral(".pdf");
}

WholeFileResult WriteCertificatePdf(const QString& path, const CertificateData& data,
                                    const CertificatePdfSettings& settings, WriteTarget target) {
    const QByteArray pdf = CertificatePdf(data, settings);
    if (pdf.isEmpty()) {
        return {false, QStringLiteral("The page could not be drawn.")};
    }
    return WriteWholeFile(path, pdf, target);
}
