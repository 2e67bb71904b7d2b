#include "app/schedule_printing.h"

#include <QPrinter>

#include "app/work_progress.h"
#include "schedule/schedule_export.h"

int PrintSchedule(QWidget* parent, const ProductTables& tables, const Schedule& schedule,
                  const QList<ScheduleRowRating>& ratings, const QList<int>& summaryColumns,
                  const QString& creator, const PrinterChoice& choose) {
    const std::unique_ptr<QPrinter> printer = ChosenPrinter(parent, choose);
    if (!printer) {
        return 0;
    }
    // Events are handled while the pages are drawn: the document is drawn from copies, so that
    // a table changed meanwhile in the main window cannot pull them from under it.
    const ProductTables ownTables = tables;
    const Schedule ownSchedule = schedule;
    const QList<ScheduleRowRating> ownRatings = ratings;
    const ScheduleDocument document(ownTables, ownSchedule, ownRatings, summaryColumns);
    const bool toFile = PrintsToFile(*printer);
    WorkProgress progress(parent, QStringLiteral("Printing the schedule's pages..."), toFile);
    const PagesPainted printed = PrintPages(
        *printer,
        CombinedPdfSettings(ownSchedule, document.CertificateCount(), creator,
                            document.DataVersion()),
        document.PageCount(),
        [&document](int page, QPainter& painter, int W, int H) {
            document.DrawPage(page, painter, W, H);
        },
        [&progress](int done, int total) { return progress.Step(done, total); });
    return printed == PagesPainted::Done ? document.PageCount() : 0;
}
