#include "app/schedule_output_commands.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>

#include "app/error_box.h"
#include "app/schedule_export_dialog.h"
#include "app/schedule_printing.h"
#include "app/schedule_window.h"
#include "platform/program_info.h"
#include "schedule/schedule_export.h"

namespace {
// How long the status line tells what was printed, in milliseconds.
constexpr int kStatusTimeout = 8000;
}  // namespace

ScheduleOutputCommands::ScheduleOutputCommands(ScheduleWindow* window)
    : QObject(window), window_(window) {
    setObjectName(QStringLiteral("ScheduleOutputCommands"));
    const struct {
        const char* action;
        const char* button;
        const char* caption;
        QKeySequence key;
        void (ScheduleOutputCommands::*command)();
    } commands[] = {
        {"ScheduleExport", "ExportCertificatesButton", "&Export Certificates...",
         QKeySequence(Qt::CTRL | Qt::Key_E), &ScheduleOutputCommands::ExportClick},
        {"SchedulePrintAll", "PrintAllButton", "Print A&ll...", QKeySequence(Qt::CTRL | Qt::Key_P),
         &ScheduleOutputCommands::PrintAllClick},
    };
    QMenu* file = window->FileMenu();
    // Above the separator that sets the last item ("Close") apart.
    const QList<QAction*> items = file->actions();
    QAction* before = items.size() >= 2 ? items.at(items.size() - 2) : nullptr;
    file->insertSeparator(before);
    for (const auto& command : commands) {
        auto* action = new QAction(QLatin1String(command.caption), file);
        action->setObjectName(QLatin1String(command.action));
        action->setShortcut(command.key);
        file->insertAction(before, action);
        auto* button = new QPushButton(QString::fromLatin1(command.caption).remove('&'));
        button->setObjectName(QLatin1String(command.button));
        window->AddButton(button);
        connect(action, &QAction::triggered, this, command.command);
        connect(button, &QPushButton::clicked, this, command.command);
    }
}

ScheduleCertificates ScheduleOutputCommands::Certificates() const {
    return {window_->Tables(), window_->CurrentSchedule(), window_->Ratings(),
            ProgramNameAndVersion(), window_->FilePath()};
}

void ScheduleOutputCommands::ExportClick() {
    RunGuarded(window_,
               [this] { ExportScheduleCertificates(window_, Certificates(), chooseExport_); });
}

void ScheduleOutputCommands::PrintAllClick() {
    RunGuarded(window_, [this] {
        const ScheduleCertificates input = Certificates();
        const int pages =
            PrintSchedule(window_, input.tables, input.schedule, input.ratings,
                          RememberedSummaryColumns(input.schedule), input.creator, choosePrinter_);
        if (pages > 0) {
            window_->statusBar()->showMessage(pages == 1
                                                  ? QStringLiteral("1 page printed.")
                                                  : QStringLiteral("%1 pages printed.").arg(pages),
                                              kStatusTimeout);
        }
    });
}
