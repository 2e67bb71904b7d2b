// The certificate as it leaves the program: placed on a page of any size and shape (a printer's
// printable area, an A4 PDF), and written out as PDF bytes. The page itself is always drawn by
// DrawCertificatePage; this only fits it to the paper.
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QRect>
#include <QString>

#include <functional>

#include "documents/certificate_page.h"
#include "platform/whole_file.h"

class QPagedPaintDevice;
class QPainter;

// The part of a W x H pixel area that the certificate takes: the largest rectangle of the
// preview's proportions (630 x 891) that fits, centred. Scaled by the width alone, a landscape
// or shorter sheet would lose the lower blocks off its bottom edge.
QRect FittedCertificateRect(int W, int H);

// Draws the certificate on a W x H pixel area in its fitted rectangle; the rest stays blank.
void DrawFittedCertificatePage(const CertificateData& data, QPainter& painter, int W, int H);

// What a PDF of the certificate is printed on and says about itself.
struct CertificatePdfSettings {
    QPageLayout layout{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()};
    int resolution = 600;
    QString title;
    QString subject;
    QString author;
    QString creator;
    // The data version of the tables that made the pages (DataVersionText), so that a PDF can
    // be traced to them.
    QString keywords;
};

// A PDF of pageCount pages in memory, every page drawn by drawPage(page, painter, W, H) on the
// W x H pixel printable area of the settings' page layout at their resolution, fonts embedded
// once for the whole document, and the settings' texts as its document information. progress,
// when given, is told after each page (pages done, total) and cancels by returning false.
struct PdfPages {
    QByteArray pdf;  // empty when cancelled or when a page could not be drawn
    bool cancelled = false;
};
using DrawPage = std::function<void(int page, QPainter& painter, int W, int H)>;
using PagesProgress = std::function<bool(int done, int total)>;
PdfPages PdfOfPages(const CertificatePdfSettings& settings, int pageCount, const DrawPage& drawPage,
                    const PagesProgress& progress = {});

// The same PDF written to path as its pages are drawn, through WholeFileWriter: memory stays the
// same however many pages there are, and the file is put in place whole or not at all (the old
// one stays on a cancel or any failure; a failed write stops the drawing at the next page).
struct PdfFileResult {
    bool written = false;
    bool cancelled = false;
    QString reason;  // why not written, when not cancelled: the system's, or the drawing's
};
PdfFileResult WritePdfOfPages(const QString& path, const CertificatePdfSettings& settings,
                              int pageCount, const DrawPage& drawPage,
                              const PagesProgress& progress = {},
                              WriteTarget target = WriteTarget::NamedByUser);

// Paints pageCount pages on a paged device (a printer, a PDF writer) as one job: every page drawn
// by drawPage on the device's W x H pixel printable area, a new page between them; progress as
// above. Done, Cancelled (the job is ended early: a printer should be aborted by the caller), or
// Failed (the device could not be started or take a new page, or failed at the end).
enum class PagesPainted { Done, Cancelled, Failed };
PagesPainted PaintPages(QPagedPaintDevice& device, int pageCount, const DrawPage& drawPage,
                        const PagesProgress& progress = {});

// What every PDF of the certificate says about itself, exported or printed to a file: titled
// "Environmental Profile Certificate", with the system and profiles as its subject, the
// company's first line as its author, the given creator and the data version of the tables
// (DataVersionText) as its keywords. The page is left as it is.
void SetCertificatePdfMetadata(CertificatePdfSettings& settings, const CertificateData& data,
                               const QString& creator, const QString& dataVersion);

// An exported certificate's settings: one A4 portrait page at 600 dpi with a printer's usual
// margins of 10 points, and the certificate's metadata.
CertificatePdfSettings ExportPdfSettings(const CertificateData& data, const QString& creator,
                                         const QString& dataVersion);

// The name an exported certificate is offered under: "<project> - <system> - <rating>.pdf",
// empty parts left out, made safe as a file name.
QString SuggestedCertificateFileName(const CertificateData& data);

// Writes the certificate's one-page PDF to path (WritePdfOfPages): the old file, if any, stays
// whole unless the new one is complete.
WholeFileResult WriteCertificatePdf(const QString& path, const CertificateData& data,
                                    const CertificatePdfSettings& settings,
                                    WriteTarget target = WriteTarget::NamedByUser);
