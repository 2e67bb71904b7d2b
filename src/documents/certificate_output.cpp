#include "documents/certificate_output.h"

#include <QDateTime>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <utility>

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

// The incremental update that replaces the document information of the PDF whose last bytes
// are tail and whose size is size by the settings' texts. Qt's writer knows only the title and
// the creator, so the full record is added after the writer's own end: a new revision of the
// information object, a cross-reference section for it and a trailer that points back to the
// writer's own. Empty when the trailer cannot be read.
QByteArray DocumentInfoUpdate(const QByteArray& tail, qint64 size,
                              const CertificatePdfSettings& settings) {
    const qsizetype trailerAt = tail.lastIndexOf("trailer");
    const qsizetype startxrefAt = tail.lastIndexOf("startxref");
    if (trailerAt < 0 || startxrefAt < trailerAt) {
        return {};
    }
    const QString trailer = QString::fromLatin1(tail.mid(trailerAt, startxrefAt - trailerAt));
    const qint64 objects = NumberAfter(trailer, QStringLiteral("/Size"));
    const qint64 root = NumberAfter(trailer, QStringLiteral("/Root"));
    const qint64 info = NumberAfter(trailer, QStringLiteral("/Info"));
    const qint64 previous =
        NumberAfter(QString::fromLatin1(tail.mid(startxrefAt)), QStringLiteral("startxref"));
    if (objects < 0 || root < 0 || info < 0 || previous < 0) {
        return {};
    }
    QByteArray out;
    if (!tail.endsWith('\n')) {
        out += '\n';
    }
    const qint64 infoAt = size + out.size();
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
    const qint64 xrefAt = size + out.size();
    out += "xref\n" + QByteArray::number(info) + " 1\n" +
           QByteArray::number(infoAt).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<<\n/Size " + QByteArray::number(objects) + "\n/Info " +
           QByteArray::number(info) + " 0 R\n/Root " + QByteArray::number(root) + " 0 R\n/Prev " +
           QByteArray::number(previous) + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) +
           "\n%%EOF\n";
    return out;
}

// A PDF's bytes as Qt's writer makes them, handed on in pieces to where they go (memory, or a
// file as it is written), so that a document of thousands of pages is never held whole. Counts
// them and keeps the last few, where the trailer is that the document information refers to.
class PdfStream final : public QIODevice {
public:
    // Takes a piece; false when it could not, which fails the stream.
    using Sink = std::function<bool(const QByteArray&)>;
    explicit PdfStream(Sink deliver) : deliver_(std::move(deliver)) { open(QIODevice::WriteOnly); }
    bool isSequential() const override { return true; }
    // Hands on what is held; false once a piece could not be delivered.
    bool Flush() {
        if (!failed_ && !pending_.isEmpty()) {
            failed_ = !deliver_(pending_);
            tail_ = (tail_ + pending_).right(kTailBytes);
            pending_.clear();
        }
        return !failed_;
    }
    bool Failed() const { return failed_; }
    qint64 Size() const { return size_; }
    const QByteArray& Tail() const { return tail_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        if (failed_) {
            return -1;
        }
        pending_.append(data, length);
        size_ += length;
        if (pending_.size() >= kPieceBytes && !Flush()) {
            return -1;
        }
        return length;
    }

private:
    static constexpr qsizetype kPieceBytes = 256 * 1024;
    static constexpr qsizetype kTailBytes = 4096;  // the trailer takes some hundred bytes
    Sink deliver_;
    QByteArray pending_;
    QByteArray tail_;
    qint64 size_ = 0;
    bool failed_ = false;
};

// Paints the pages as a PDF on the settings' page layout and resolution, handing its bytes on
// to deliver as they are made, then its document information: Done, Cancelled (by progress),
// or Failed (the pages could not be drawn, or deliver failed: the drawing stops at the next
// page).
PagesPainted StreamPdf(const CertificatePdfSettings& settings, int pageCount,
                       const DrawPage& drawPage, const PagesProgress& progress,
                       const PdfStream::Sink& deliver) {
    PdfStream stream(deliver);
    PagesPainted painted = PagesPainted::Failed;
    {
        QPdfWriter writer(&stream);
        writer.setPageLayout(settings.layout);
        writer.setResolution(settings.resolution);
        writer.setTitle(settings.title);
        writer.setCreator(settings.creator);
        painted = PaintPages(writer, pageCount, drawPage, [&](int done, int total) {
            return !stream.Failed() && (!progress || progress(done, total));
        });
    }
    if (!stream.Flush()) {
        return PagesPainted::Failed;
    }
    if (painted != PagesPainted::Done ||
        (settings.subject.isEmpty() && settings.author.isEmpty() && settings.keywords.isEmpty())) {
        return painted;
    }
    const QByteArray update = DocumentInfoUpdate(stream.Tail(), stream.Size(), settings);
    return update.isEmpty() || deliver(update) ? PagesPainted::Done : PagesPainted::Failed;
}

const QString kNotDrawn = QStringLiteral("The pages could not be drawn.");

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
    QByteArray pdf;
    const PagesPainted painted =
        StreamPdf(settings, pageCount, drawPage, progress, [&pdf](const QByteArray& piece) {
            pdf += piece;
            return true;
        });
    pages.cancelled = painted == PagesPainted::Cancelled;
    if (painted == PagesPainted::Done) {
        pages.pdf = pdf;
    }
    return pages;
}

PdfFileResult WritePdfOfPages(const QString& path, const CertificatePdfSettings& settings,
                              int pageCount, const DrawPage& drawPage,
                              const PagesProgress& progress, WriteTarget target) {
    PdfFileResult result;
    WholeFileWriter file(path, target);
    result.reason = file.Begin();
    if (!result.reason.isEmpty()) {
        return result;
    }
    QString writeFailure;
    const PagesPainted painted = StreamPdf(settings, pageCount, drawPage, progress,
                                           [&file, &writeFailure](const QByteArray& piece) {
                                               writeFailure = file.Write(piece);
                                               return writeFailure.isEmpty();
                                           });
    if (painted == PagesPainted::Cancelled) {
        result.cancelled = true;
        return result;
    }
    if (painted == PagesPainted::Failed) {
        result.reason = writeFailure.isEmpty() ? kNotDrawn : writeFailure;
        return result;
    }
    const WholeFileResult written = file.Finish();
    result.written = written.written;
    result.reason = written.reason;
    return result;
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
    const PdfFileResult written = WritePdfOfPages(
        path, settings, 1,
        [&data](int, QPainter& painter, int W, int H) {
            DrawFittedCertificatePage(data, painter, W, H);
        },
        {}, target);
    return {written.written, written.reason};
}
