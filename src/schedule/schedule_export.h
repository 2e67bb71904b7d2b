// The certificates of a whole schedule, as the schedule window's "Export Certificates..." and
// "greenguide batch" make them: one combined PDF (the summary, then one certificate page per
// rated row in schedule order, every page drawn by the certificate's one page routine, fonts
// embedded once), or a folder of <ref>.pdf per row and summary.csv. No widgets: the window runs
// these with a progress dialog, the command line with a progress bar.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

#include "data/product_tables.h"
#include "documents/certificate_output.h"
#include "schedule/schedule.h"
#include "schedule/schedule_rating.h"
#include "schedule/schedule_summary_layout.h"

// Called after each step (a page, a row) with the steps done and their total; returning false
// cancels the export.
//
// Threads: the exports draw through the canvas, whose font and text-layout caches belong to one
// thread, so run them on the thread that draws the window. A page takes a few milliseconds (see
// bench/schedule_bench), so a window stays responsive by handling its events in this callback
// (QProgressDialog::setValue does, for a modal dialog) and cancels by returning false.
using ExportProgress = std::function<bool(int done, int total)>;

// The combined document's pages, for a PDF or a printer ("Print All..." paints them with
// PaintPages, documents/certificate_output.h, in one job): the summary pages (one layout,
// LayOutSummary, whatever the resolution), then one certificate page per rated row in schedule
// order, each drawn by DrawFittedCertificatePage with a band in the page's margin below it that
// names the row's ref and project; every page says "Page N of M". extraColumns are the
// schedule's columns the summary prints after the Ref column (SummaryExtraColumns: all of
// them). Holds its arguments by reference.
class ScheduleDocument {
public:
    ScheduleDocument(const ProductTables& tables, const Schedule& schedule,
                     const QList<ScheduleRowRating>& ratings, const QList<int>& extraColumns);
    int PageCount() const { return summaryPages_ + static_cast<int>(rated_.size()); }
    int CertificateCount() const { return static_cast<int>(rated_.size()); }
    // The tables' data version (DataVersionText), which the summary's legend names.
    const QString& DataVersion() const { return dataVersion_; }
    // Draws page (from 0) on a W x H pixel area, in the certificate's fitted rectangle.
    void DrawPage(int page, QPainter& painter, int W, int H) const;

private:
    const ProductTables& tables_;
    const Schedule& schedule_;
    const QList<ScheduleRowRating>& ratings_;
    QString dataVersion_;
    SummaryLayout summary_;
    QList<int> rated_;  // the rows that get a certificate
    int summaryPages_;
};

// The band under a schedule's certificate page: the ref and the project on the left, "Page N
// of M" on the right, in the margin below the certificate's fitted rectangle of a W x H area
// (the certificate's own pixels stay as they are).
void DrawCertificateBand(QPainter& painter, int W, int H, const QString& ref,
                         const QString& project, int pageNumber, int pageCount);

// The combined PDF's settings: A4 portrait at 600 dpi with the single export's margins, titled
// "Window Schedule", the project and the number of certificates as its subject, the company's
// first line as its author, the given creator and the tables' data version as its keywords.
CertificatePdfSettings CombinedPdfSettings(const Schedule& schedule, int certificates,
                                           const QString& creator, const QString& dataVersion);

// The combined PDF in memory; empty when cancelled (*cancelled set) or when it could not be
// drawn. ratings are the rows' ratings (RateSchedule) in schedule order; extraColumns as
// ScheduleDocument takes them.
QByteArray CombinedSchedulePdf(const ProductTables& tables, const Schedule& schedule,
                               const QList<ScheduleRowRating>& ratings,
                               const QList<int>& extraColumns, const QString& creator,
                               const ExportProgress& progress = {}, bool* cancelled = nullptr);

struct CombinedPdfResult {
    bool written = false;
    bool cancelled = false;
    // "Cannot create file <path>" and the system's reason, when not written nor cancelled.
    QString error;
    int certificates = 0;
};

// Writes the combined PDF as its pages are drawn (WritePdfOfPages: memory stays flat however
// many rows), whole or not at all (cancelled, or any failure: the old file stays as it was).
CombinedPdfResult WriteCombinedSchedulePdf(const QString& path, const ProductTables& tables,
                                           const Schedule& schedule,
                                           const QList<ScheduleRowRating>& ratings,
                                           const QList<int>& extraColumns, const QString& creator,
                                           const ExportProgress& progress = {});

// The output of an export that would replace the schedule's own file, so that it is lost under
// the certificates: the combined PDF, or the summary.csv or summary.xlsx of the folder.
enum class ScheduleOverwrite { None, CombinedPdf, FolderSummary };
// Which output replaces the schedule read from schedulePath (the PDF at combinedPath, or
// folder/summary.csv; either empty when it is not written), compared as files through links
// and ".."; None also for a schedule without a file. "batch" and the window refuse to export so.
ScheduleOverwrite ExportOverwritesSchedule(const QString& schedulePath, const QString& combinedPath,
                                           const QString& folder);

// The files an export into folder writes that are there already, so that it would replace them:
// summary.csv, summary.xlsx, then each row's <ref>.pdf in the rows' order (each name once).
QStringList FolderExportFilesPresent(const QString& folder, const Schedule& schedule);

// The folder's summary.csv columns.
extern const QStringList kScheduleSummaryColumns;

struct FolderExportResult {
    // Rows that got no certificate, with the reason (as summary.csv gives it), in order.
    QList<std::pair<int, QString>> failedRows;
    bool cancelled = false;
    // Set when summary.csv or summary.xlsx could not be written ("Cannot create file ...").
    QString summaryError;
    bool AllDone() const { return failedRows.isEmpty() && !cancelled && summaryError.isEmpty(); }
};

// Writes <ref>.pdf for every rated row (each file whole, through WriteWholeFile, as names the
// program made: never through a link nor onto a pipe or device) into folder, which must exist,
// and summary.csv listing every row with what became of it. The summary is made anew before the
// first row (an older one goes) and each row's line is added as soon as the row is done, so a
// run that is stopped part-way leaves the lines of the rows it finished; when summary.csv cannot
// be made, nothing is written. A row with no ref, or whose ref names the same file as an earlier
// row's, is not written. On cancel the rows not reached are listed in the summary as
// "cancelled"; only whole files remain. summary.xlsx, the same rows with the summary ratings in
// their colours, is written whole at the end (an older one goes at the start). Text cells of the
// summary that a spreadsheet would take for a formula get an apostrophe in front. onFailedRow is
// told of each failed row as it happens.
FolderExportResult ExportScheduleFolder(
    const QString& folder, const ProductTables& tables, const Schedule& schedule,
    const QString& creator, const ExportProgress& progress = {},
    const std::function<void(int row, const QString& reason)>& onFailedRow = {});
