#include "schedule/schedule_export.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPainter>

#include "data/rating_colours.h"
#include "platform/appended_file.h"
#include "platform/canvas.h"
#include "schedule/csv_text.h"
#include "schedule/schedule_summary_page.h"
#include "schedule/workbook.h"

const QStringList kScheduleSummaryColumns = {
    QStringLiteral("ref"),           QStringLiteral("system"),  QStringLiteral("outer"),
    QStringLiteral("vent"),          QStringLiteral("transom"), QStringLiteral("building"),
    QStringLiteral("weight"),        QStringLiteral("column"),  QStringLiteral("elementNumber"),
    QStringLiteral("summaryRating"), QStringLiteral("co2"),     QStringLiteral("error")};

namespace {

// A cell copied from the schedule or the tables, as a spreadsheet shows it: one that starts with
// "=", "+", "-", "@", a tab or a carriage return would be taken for a formula there (and could
// run one), so it gets an apostrophe in front and shows as the text it is.
QString SpreadsheetText(const QString& cell) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !cell.isEmpty() && formulaStarts.contains(cell[0]) ? QLatin1Char('\'') + cell : cell;
}

// The columns of summary.csv that the program fills itself: the weight and the ratings column as
// it formats them ("-1" when no column applies), and the element number, summary rating and
// CO2 of its own ratings table. They stay as they are, negative numbers included.
bool ProgramMadeColumn(qsizetype column) {
    return column >= 6 && column <= 10;
}

// Where a row is: its line in the file it was read from, else (a row added since) its place in
// the table, as the window numbers its rows.
QString RowPlace(const Schedule& schedule, int row) {
    const int line = schedule.RowLine(row);
    return line > 0 ? QStringLiteral("line %1").arg(line) : QStringLiteral("row %1").arg(row + 1);
}

// One line of summary.csv, every text cell as a spreadsheet shows it as text.
QByteArray SummaryLine(const QStringList& fields) {
    QStringList cells = fields;
    for (qsizetype k = 0; k < cells.size(); ++k) {
        if (!ProgramMadeColumn(k)) {
            cells[k] = SpreadsheetText(cells[k]);
        }
    }
    return CsvLine(cells).toUtf8();
}

// One row of summary.csv: the row's texts, or the window's names once it is known, the rating,
// and the error last.
QStringList SummaryFields(const Schedule& s, int row, const ScheduleRowRating& r,
                          const QString& error) {
    QStringList fields = {
        s.Value(row, ScheduleField::Ref),     s.Value(row, ScheduleField::System),
        s.Value(row, ScheduleField::Outer),   s.Value(row, ScheduleField::Vent),
        s.Value(row, ScheduleField::Transom), s.Value(row, ScheduleField::Building)};
    if (r.window) {
        const RatedWindow& w = *r.window;
        fields = {s.Value(row, ScheduleField::Ref),
                  w.systemName,
                  w.outerFrame,
                  w.ventFrame,
                  w.transomMullion,
                  w.commercial ? QStringLiteral("Commercial") : QStringLiteral("Domestic"),
                  r.weightText,
                  QString::number(r.column)};
        if (r.Rated()) {
            fields << r.elementNumber << r.summaryRating << r.co2;
        }
    }
    while (fields.size() < kScheduleSummaryColumns.size() - 1) {
        fields << QString();
    }
    return fields << error;
}

constexpr int kSummaryRatingColumn = 9;

// The summary as a workbook beside summary.csv: the same rows, the header in bold and each
// summary rating filled in its colour, as on the summary page. Why it could not be written, or
// empty.
QString WriteSummaryWorkbook(const QString& path, const QList<QStringList>& rows) {
    WorkbookSheet sheet;
    sheet.name = QStringLiteral("Summary");
    sheet.rows = QList<QStringList>{kScheduleSummaryColumns} + rows;
    sheet.headerRow = 0;
    for (int row = 1; row < sheet.rows.size(); ++row) {
        if (const auto colour = RatingColourOf(sheet.rows[row].value(kSummaryRatingColumn))) {
            sheet.fills.insert({row, kSummaryRatingColumn}, colour->rgb());
        }
    }
    QString reason;
    const QByteArray bytes = WorkbookBytes({sheet}, &reason);
    if (bytes.isEmpty()) {
        return reason;
    }
    const WholeFileResult written = WriteWholeFile(path, bytes, WriteTarget::NamedByProgram);
    return written.written ? QString() : written.reason;
}

}  // namespace

CertificatePdfSettings CombinedPdfSettings(const Schedule& schedule, int certificates,
                                           const QString& creator, const QString& dataVersion) {
    CertificatePdfSettings settings = ExportPdfSettings(CertificateData(), creator, dataVersion);
    settings.title = QStringLiteral("Window Schedule");
    const QString count =
        certificates == 1
            ? QStringLiteral("1 Environmental Profile Certificate")
            : QStringLiteral("%1 Environmental Profile Certificates").arg(certificates);
    const QString project = schedule.CommonReportText(ScheduleField::Project).simplified();
    settings.subject = project.isEmpty() ? count : project + QStringLiteral(": ") + count;
    settings.author =
        schedule.CommonReportText(ScheduleField::Company).section(QLatin1Char('\n'), 0, 0);
    return settings;
}

ScheduleDocument::ScheduleDocument(const ProductTables& tables, const Schedule& schedule,
                                   const QList<ScheduleRowRating>& ratings,
                                   const QList<int>& extraColumns)
    : tables_(tables),
      schedule_(schedule),
      ratings_(ratings),
      dataVersion_(DataVersionText(DataVersionOf(tables))),
      summary_(LayOutSummary(schedule, ratings, extraColumns, dataVersion_)),
      summaryPages_(summary_.PageCount()) {
    for (int row = 0; row < ratings.size(); ++row) {
        if (ratings[row].Rated()) {
            rated_ << row;
        }
    }
}

void ScheduleDocument::DrawPage(int page, QPainter& painter, int W, int H) const {
    if (page >= summaryPages_) {
        const int row = rated_[page - summaryPages_];
        DrawFittedCertificatePage(CertificateOfRow(tables_, schedule_, row, ratings_[row]), painter,
                                  W, H);
        DrawCertificateBand(painter, W, H, schedule_.Value(row, ScheduleField::Ref),
                            schedule_.ReportText(row, ScheduleField::Project), page + 1,
                            PageCount());
        return;
    }
    const QRect fitted = FittedCertificateRect(W, H);
    painter.save();
    painter.translate(fitted.topLeft());
    {
        Canvas canvas(painter);
        DrawScheduleSummaryPage(canvas, fitted.width(), summary_, page, page + 1, PageCount());
    }
    painter.restore();
}

void DrawCertificateBand(QPainter& painter, int W, int H, const QString& ref,
                         const QString& project, int pageNumber, int pageCount) {
    // In the certificate's page units: a line of small grey text just below its bottom edge,
    // in the page's margin; a project too long for the line goes on in lines below it.
    constexpr double kBandGap = 2;
    constexpr double kBandText = 7;
    const QRect fitted = FittedCertificateRect(W, H);
    const double r = fitted.width() / 630.0;
    const auto px = [r](double units) { return Trunc(units * r); };
    const QString pageText = PageOfText(pageNumber, pageCount);
    const QString left =
        QStringLiteral("Ref ") + ref.simplified() +
        (project.simplified().isEmpty() ? QString() : QStringLiteral("   ") + project.simplified());
    const QStringList lines = WrappedSummaryText(left, 630 - 2 * 20 - 80, false, kBandText);
    painter.save();
    painter.translate(fitted.left(), fitted.bottom() + 1);
    {
        Canvas canvas(painter);
        canvas.SetFontName(QStringLiteral("Arial"));
        canvas.SetFontHeight(std::max(1, px(kBandText)));
        canvas.SetFontColor(QColor(96, 96, 96));
        canvas.SetBrushHollow();
        double y = kBandGap;
        for (const QString& line : lines) {
            canvas.TextOut(px(20), px(y), line);
            y += kBandText + 1;
        }
        canvas.TextOut(px(610) - canvas.TextWidth(pageText), px(kBandGap), pageText);
    }
    painter.restore();
}

QByteArray CombinedSchedulePdf(const ProductTables& tables, const Schedule& schedule,
                               const QList<ScheduleRowRating>& ratings,
                               const QList<int>& extraColumns, const QString& creator,
                               const ExportProgress& progress, bool* cancelled) {
    const ScheduleDocument document(tables, schedule, ratings, extraColumns);
    const PdfPages pages = PdfOfPages(
        CombinedPdfSettings(schedule, document.CertificateCount(), creator, document.DataVersion()),
        document.PageCount(),
        [&document](int page, QPainter& painter, int W, int H) {
            document.DrawPage(page, painter, W, H);
        },
        progress);
    if (cancelled != nullptr) {
        *cancelled = pages.cancelled;
    }
    return pages.pdf;
}

CombinedPdfResult WriteCombinedSchedulePdf(const QString& path, const ProductTables& tables,
                                           const Schedule& schedule,
                                           const QList<ScheduleRowRating>& ratings,
                                           const QList<int>& extraColumns, const QString& creator,
                                           const ExportProgress& progress) {
    const ScheduleDocument document(tables, schedule, ratings, extraColumns);
    const PdfFileResult written = WritePdfOfPages(
        path,
        CombinedPdfSettings(schedule, document.CertificateCount(), creator, document.DataVersion()),
        document.PageCount(),
        [&document](int page, QPainter& painter, int W, int H) {
            document.DrawPage(page, painter, W, H);
        },
        progress);
    CombinedPdfResult result;
    result.certificates = document.CertificateCount();
    result.written = written.written;
    result.cancelled = written.cancelled;
    if (!written.written && !written.cancelled) {
        result.error = CannotCreateFileText(path, written.reason);
    }
    return result;
}

namespace {

// Whether two paths name one existing file, through links and ".." alike.
bool SameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

ScheduleOverwrite ExportOverwritesSchedule(const QString& schedulePath, const QString& combinedPath,
                                           const QString& folder) {
    if (schedulePath.isEmpty()) {
        return ScheduleOverwrite::None;
    }
    if (!combinedPath.isEmpty() && SameFile(schedulePath, combinedPath)) {
        return ScheduleOverwrite::CombinedPdf;
    }
    for (const char* summary : {"summary.csv", "summary.xlsx"}) {
        if (!folder.isEmpty() &&
            SameFile(schedulePath, QDir(folder).filePath(QLatin1String(summary)))) {
            return ScheduleOverwrite::FolderSummary;
        }
    }
    return ScheduleOverwrite::None;
}

QStringList FolderExportFilesPresent(const QString& folder, const Schedule& schedule) {
    const QDir dir(folder);
    QStringList names = {QStringLiteral("summary.csv"), QStringLiteral("summary.xlsx")};
    for (int row = 0; row < schedule.RowCount(); ++row) {
        const QString name = SafeFileName(schedule.Value(row, ScheduleField::Ref));
        if (!name.isEmpty()) {
            names.append(name + QStringLiteral(".pdf"));
        }
    }
    names.removeDuplicates();
    QStringList present;
    for (const QString& name : names) {
        if (QFileInfo::exists(dir.filePath(name))) {
            present.append(name);
        }
    }
    return present;
}

FolderExportResult ExportScheduleFolder(
    const QString& folder, const ProductTables& tables, const Schedule& schedule,
    const QString& creator, const ExportProgress& progress,
    const std::function<void(int row, const QString& reason)>& onFailedRow) {
    FolderExportResult result;
    const QDir dir(folder);
    // The summary is made anew before the first certificate and grows row by row, so that it
    // tells of what the folder holds even when the run is stopped part-way.
    const QString summaryPath = dir.filePath(QStringLiteral("summary.csv"));
    AppendedFile summary;
    QString summaryReason = summary.Start(summaryPath, CsvLine(kScheduleSummaryColumns).toUtf8());
    // An older summary.xlsx goes too, so that a run stopped part-way leaves none that is not
    // its own; it is written whole at the end.
    const QString workbookPath = dir.filePath(QStringLiteral("summary.xlsx"));
    if (summaryReason.isEmpty() && QFileInfo(workbookPath).isFile() &&
        !QFileInfo(workbookPath).isSymLink()) {
        QFile::remove(workbookPath);
    }
    QList<QStringList> summaryRows;
    const auto addLine = [&](const QStringList& fields) {
        summaryRows << fields;
        return summary.Append(SummaryLine(fields));
    };
    QHash<QString, int> fileRows;  // a file name (case folded) and the row that took it
    const WindowRater rater(tables);
    const QString dataVersion = DataVersionText(DataVersionOf(tables));
    const auto fail = [&](int row, const QString& reason) {
        result.failedRows.append({row, reason});
        if (onFailedRow) {
            onFailedRow(row, reason);
        }
    };
    for (int row = 0; row < schedule.RowCount() && summaryReason.isEmpty(); ++row) {
        if (result.cancelled) {
            summaryReason = addLine(SummaryFields(schedule, row, {}, QStringLiteral("cancelled")));
            continue;
        }
        const QString fileName = SafeFileName(schedule.Value(row, ScheduleField::Ref));
        const QString fileKey = fileName.toCaseFolded();
        ScheduleRowRating rating;
        QString error;
        if (fileName.isEmpty()) {
            error = QStringLiteral("no ref to name the certificate by");
        } else if (fileRows.contains(fileKey)) {
            error = QStringLiteral("the ref names the same file as ") +
                    RowPlace(schedule, fileRows.value(fileKey));
        } else {
            fileRows.insert(fileKey, row);
            rating = RateScheduleRow(rater, schedule, row);
            error = rating.note;
        }
        if (error.isEmpty()) {
            const CertificateData data = CertificateOfRow(tables, schedule, row, rating);
            const QString path = dir.filePath(fileName + QStringLiteral(".pdf"));
            const WholeFileResult written =
                WriteCertificatePdf(path, data, ExportPdfSettings(data, creator, dataVersion),
                                    WriteTarget::NamedByProgram);
            if (!written.written) {
                error = CannotCreateFileText(path, written.reason)
                            .replace(QLatin1Char('\n'), QStringLiteral(": "));
            }
        }
        if (!error.isEmpty()) {
            fail(row, error);
        }
        summaryReason = addLine(SummaryFields(schedule, row, rating, error));
        if (progress && !progress(row + 1, schedule.RowCount())) {
            result.cancelled = true;
        }
    }
    if (summaryReason.isEmpty()) {
        summaryReason = summary.Finish();
    }
    if (!summaryReason.isEmpty()) {
        result.summaryError = CannotCreateFileText(summaryPath, summaryReason);
        return result;
    }
    const QString workbookReason = WriteSummaryWorkbook(workbookPath, summaryRows);
    if (!workbookReason.isEmpty()) {
        result.summaryError = CannotCreateFileText(workbookPath, workbookReason);
    }
    return result;
}
