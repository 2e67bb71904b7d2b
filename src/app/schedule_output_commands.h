// The schedule window's "Export Certificates..." and "Print All...": menu items in its File
// menu and buttons above its table, run on the schedule, its ratings and its tables as they
// stand when chosen.
#pragma once

#include <QObject>

#include "app/page_printing.h"
#include "app/schedule_exporting.h"

class ScheduleWindow;

class ScheduleOutputCommands : public QObject {
    Q_OBJECT
public:
    // Adds the commands to the window, which owns them.
    explicit ScheduleOutputCommands(ScheduleWindow* window);

    // The dialogs, replaced by tests.
    void SetExportChooser(ScheduleExportChooser choose) { chooseExport_ = std::move(choose); }
    void SetPrinterChoice(PrinterChoice choose) { choosePrinter_ = std::move(choose); }

    void ExportClick();
    void PrintAllClick();

private:
    ScheduleCertificates Certificates() const;

    ScheduleWindow* window_;
    ScheduleExportChooser chooseExport_;
    PrinterChoice choosePrinter_;
};
