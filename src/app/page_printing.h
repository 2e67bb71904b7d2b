// Printing pages through the print dialog: the main window's certificate and the schedule's
// "Print All..." share the printer's setup, the dialog and the one job, so that a printer that
// writes a file, or one that fails, is handled the same way wherever the pages come from.
#pragma once

#include <QString>

#include <functional>
#include <memory>

#include "documents/certificate_output.h"

class QPrinter;
class QWidget;

// Lets the user choose a printer; true when confirmed.
using PrinterChoice = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The default printer choice: the print dialog, without page-range or selection choices.
bool ChoosePrinterWithDialog(QPrinter& printer, QWidget* parent);

// A high-resolution printer with no document name, offered on A4 portrait, after the user chose
// it (with choose, else the print dialog); whatever is chosen there is kept. Null when cancelled.
std::unique_ptr<QPrinter> ChosenPrinter(QWidget* parent, const PrinterChoice& choose = {});

// Whether the printer writes a file (a PDF) rather than a job for a printing system.
bool PrintsToFile(const QPrinter& printer);

// Prints pageCount pages, each drawn by drawPage on the printable area, as one job. A printer
// that writes a file gets a PDF on its page layout and resolution, with info's title, subject,
// author and creator, written whole as it is drawn (WritePdfOfPages), so that a full disk or a
// cancel leaves the old file as it was. On a printing system's printer the job is aborted
// when it reports an error or progress returns false; a printing system that cannot take a job
// back (CUPS) still gets the pages drawn so far, so callers offer no cancel there. Returns Done
// or Cancelled; throws ProgramError "Cannot print to <printer or file>" with the reason on a
// second line when the job fails.
PagesPainted PrintPages(QPrinter& printer, const CertificatePdfSettings& info, int pageCount,
                        const DrawPage& drawPage, const PagesProgress& progress = {});
