// "Export Certificates..." of the schedule window: the choice of the export dialog carried out
// with a progress dialog and Cancel, and what came of it told to the user. The combined PDF is
// written whole or not at all; a folder keeps only whole files and a summary.csv that lists what
// was made (ExportScheduleFolder, as "greenguide batch -o DIR").
#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

#include "app/schedule_export_dialog.h"
#include "data/product_tables.h"
#include "schedule/schedule.h"
#include "schedule/schedule_rating.h"

class QWidget;

// What the schedule window hands over: copies, so that the tables or the schedule changing
// while the export handles events cannot pull them from under it.
struct ScheduleCertificates {
    ProductTables tables;
    Schedule schedule;
    QList<ScheduleRowRating> ratings;  // RateSchedule of the two, in schedule order
    QString creator;                   // the program and version the PDFs name
    // The file the schedule was read from or saved to, which no export may replace; empty for
    // a schedule never saved.
    QString schedulePath;
};

struct ScheduleExportOutcome {
    enum class Kind { Written, Cancelled, Failed };
    Kind kind = Kind::Failed;
    int certificates = 0;  // certificates written
    // Rows that got no certificate, each "<ref>: why" ("Row N: why" without a ref).
    QStringList rowsLeftOut;
    // What to tell the user: the first line says what happened; rows left out follow.
    QString text;
};

// Runs the export with a progress dialog over parent (Cancel stops it); refused, writing
// nothing, when the PDF or the folder's summary.csv would be the schedule's own file.
ScheduleExportOutcome RunScheduleExport(QWidget* parent, const ScheduleExportChoice& choice,
                                        const ScheduleCertificates& input);

// Asks (choose, else the export dialog), then, when rows' company, project or date texts will
// be cut on their certificates, lists them and offers to go back (nothing exported); runs the
// export and shows its outcome in a message box: a warning when rows were left out or it was
// cancelled, an error when it failed.
using ScheduleExportChooser =
    std::function<std::optional<ScheduleExportChoice>(QWidget* parent, const Schedule&)>;
void ExportScheduleCertificates(QWidget* parent, const ScheduleCertificates& input,
                                const ScheduleExportChooser& choose = {});
