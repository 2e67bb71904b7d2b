#include "app/page_printing.h"

#include <QPrintDialog>
#include <QPrinter>

#include "platform/program_error.h"

bool ChoosePrinterWithDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<QPrinter> ChosenPrinter(QWidget* parent, const PrinterChoice& choose) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QString());
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    if (!(choose ? choose : ChoosePrinterWithDialog)(*printer, parent)) {
        return nullptr;
    }
    return printer;
}

bool PrintsToFile(const QPrinter& printer) {
    return !printer.outputFileName().isEmpty();
}

PagesPainted PrintPages(QPrinter& printer, const CertificatePdfSettings& info, int pageCount,
                        const DrawPage& drawPage, const PagesProgress& progress) {
    if (PrintsToFile(printer)) {
        const QString file = printer.outputFileName();
        CertificatePdfSettings settings = info;
        settings.layout = printer.pageLayout();
        settings.resolution = printer.resolution();
        const PdfFileResult written =
            WritePdfOfPages(file, settings, pageCount, drawPage, progress);
        if (written.cancelled) {
            return PagesPainted::Cancelled;
        }
        if (!written.written) {
            throw ProgramError(QStringLiteral("Cannot print to ") + file + QLatin1Char('\n') +
                               written.reason);
        }
        return PagesPainted::Done;
    }
    const QString cannotPrint = QStringLiteral("Cannot print to ") + printer.printerName();
    bool begun = false;
    bool failed = false;
    const PagesPainted painted = PaintPages(
        printer, pageCount,
        [&](int page, QPainter& painter, int W, int H) {
            begun = true;
            drawPage(page, painter, W, H);
        },
        [&](int done, int total) {
            failed = printer.printerState() == QPrinter::Error;
            // Aborted before the painter ends the job, so that no half job reaches the printer
            // where the printing system can take it back.
            if (failed || (progress && !progress(done, total))) {
                printer.abort();
                return false;
            }
            return true;
        });
    if (painted == PagesPainted::Failed && !begun) {
        throw ProgramError(cannotPrint + QStringLiteral("\nThe printer could not be started."));
    }
    if (failed || painted == PagesPainted::Failed || printer.printerState() == QPrinter::Error) {
        throw ProgramError(cannotPrint + QStringLiteral("\nThe printer reported an error."));
    }
    return painted;
}
