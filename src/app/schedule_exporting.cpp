#include "app/schedule_exporting.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "app/work_progress.h"
#include "schedule/schedule_export.h"

namespace {

using Kind = ScheduleExportOutcome::Kind;

// A message box lists this many rows; the rest are in its details.
constexpr int kListedRows = 12;

QString RowName(const Schedule& schedule, int row) {
    const QString ref = schedule.Value(row, ScheduleField::Ref).trimmed();
    return ref.isEmpty() ? QStringLiteral("Row %1").arg(row + 1) : ref;
}

QString CertificatesText(int count) {
    return count == 1 ? QStringLiteral("1 certificate")
                      : QStringLiteral("%1 certificates").arg(count);
}

// A heading, then the first of the rows, one a line, and how many more.
QString WithListedRows(const QString& heading, const QStringList& rows) {
    QString text = heading + QLatin1Char('\n') + rows.mid(0, kListedRows).join(QLatin1Char('\n'));
    if (rows.size() > kListedRows) {
        text += QStringLiteral("\n... and %1 more").arg(rows.size() - kListedRows);
    }
    return text;
}

// The outcome's text: its first line, then the rows left out, the first of them only.
QString WithRowsLeftOut(const QString& first, const QStringList& rows) {
    return rows.isEmpty()
               ? first
               : WithListedRows(first + QStringLiteral("\n\nWithout a certificate:"), rows);
}

ScheduleExportOutcome ExportCombined(QWidget* parent, const ScheduleExportChoice& choice,
                                     const ScheduleCertificates& input) {
    const QString& path = choice.path;
    ScheduleExportOutcome outcome;
    for (int row = 0; row < input.ratings.size(); ++row) {
        if (!input.ratings[row].Rated()) {
            outcome.rowsLeftOut << RowName(input.schedule, row) + QStringLiteral(": ") +
                                       input.ratings[row].note;
        }
    }
    const bool existed = QFileInfo::exists(path);
    WorkProgress progress(parent, QStringLiteral("Writing the schedule's certificates..."), true);
    const CombinedPdfResult result = WriteCombinedSchedulePdf(
        path, input.tables, input.schedule, input.ratings, choice.summaryColumns, input.creator,
        [&progress](int done, int total) { return progress.Step(done, total); });
    if (result.cancelled) {
        outcome.kind = Kind::Cancelled;
        outcome.text = existed ? QStringLiteral("Cancelled: nothing was written; %1 is as it was.")
                                     .arg(QDir::toNativeSeparators(path))
                               : QStringLiteral("Cancelled: nothing was written.");
        return outcome;
    }
    if (!result.written) {
        outcome.text = result.error;
        return outcome;
    }
    outcome.kind = Kind::Written;
    outcome.certificates = result.certificates;
    outcome.text =
        WithRowsLeftOut(QStringLiteral("%1 and a summary of %2 written to %3.")
                            .arg(CertificatesText(result.certificates))
                            .arg(input.schedule.RowCount() == 1
                                     ? QStringLiteral("1 window")
                                     : QStringLiteral("%1 windows").arg(input.schedule.RowCount()))
                            .arg(QDir::toNativeSeparators(path)),
                        outcome.rowsLeftOut);
    return outcome;
}

ScheduleExportOutcome ExportFolder(QWidget* parent, const QString& folder,
                                   const ScheduleCertificates& input) {
    ScheduleExportOutcome outcome;
    const QString shown = QDir::toNativeSeparators(folder);
    // As the command line does: a folder that is not there yet is made.
    if (!QDir().mkpath(folder)) {
        outcome.text = QStringLiteral("Cannot create folder ") + shown;
        return outcome;
    }
    int reached = 0;
    WorkProgress progress(parent, QStringLiteral("Writing the schedule's certificates..."), true);
    const FolderExportResult result = ExportScheduleFolder(folder, input.tables, input.schedule,
                                                           input.creator, [&](int done, int total) {
                                                               reached = done;
                                                               return progress.Step(done, total);
                                                           });
    for (const auto& [row, reason] : result.failedRows) {
        outcome.rowsLeftOut << RowName(input.schedule, row) + QStringLiteral(": ") + reason;
    }
    outcome.certificates = reached - static_cast<int>(result.failedRows.size());
    const QString written =
        QStringLiteral("%1 written to %2").arg(CertificatesText(outcome.certificates), shown);
    if (!result.summaryError.isEmpty()) {
        // The summary is written row by row: the run stops where it could not be.
        outcome.text = WithRowsLeftOut(result.summaryError + QStringLiteral("\n\n") + written +
                                           QStringLiteral(" before it stopped."),
                                       outcome.rowsLeftOut);
        return outcome;
    }
    if (result.cancelled) {
        outcome.kind = Kind::Cancelled;
        outcome.text = WithRowsLeftOut(
            QStringLiteral("Cancelled after %1 of %2 windows: %3; summary.csv and summary.xlsx "
                           "list them and the windows not reached.")
                .arg(reached)
                .arg(input.schedule.RowCount())
                .arg(written),
            outcome.rowsLeftOut);
        return outcome;
    }
    outcome.kind = Kind::Written;
    outcome.text = WithRowsLeftOut(written + QStringLiteral(", with summary.csv and summary.xlsx."),
                                   outcome.rowsLeftOut);
    return outcome;
}

}  // namespace

ScheduleExportOutcome RunScheduleExport(QWidget* parent, const ScheduleExportChoice& choice,
                                        const ScheduleCertificates& input) {
    const bool folder = choice.mode == ScheduleExportMode::Folder;
    const ScheduleOverwrite over = ExportOverwritesSchedule(
        input.schedulePath, folder ? QString() : choice.path, folder ? choice.path : QString());
    if (over != ScheduleOverwrite::None) {
        ScheduleExportOutcome refused;
        const QString path = QDir::toNativeSeparators(choice.path);
        refused.text = over == ScheduleOverwrite::CombinedPdf
                           ? QStringLiteral(
                                 "Nothing was written: %1 is the schedule itself. Choose another "
                                 "name for the PDF.")
                                 .arg(path)
                           : QStringLiteral(
                                 "Nothing was written: the schedule itself is the %1 that the "
                                 "export writes into %2. Choose another folder.")
                                 .arg(QFileInfo(input.schedulePath).fileName(), path);
        return refused;
    }
    return choice.mode == ScheduleExportMode::Folder ? ExportFolder(parent, choice.path, input)
                                                     : ExportCombined(parent, choice, input);
}

namespace {

// Lists the rows whose certificates will cut a text and asks; whether to export.
bool ExportDespiteCutTexts(QWidget* parent, const ScheduleCertificates& input) {
    QStringList rows;
    for (const auto& [row, texts] : CutTextRows(input.schedule, input.ratings)) {
        rows << RowName(input.schedule, row) + QStringLiteral(": ") +
                    texts.join(QStringLiteral("; "));
    }
    if (rows.isEmpty()) {
        return true;
    }
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Export Certificates"),
        WithListedRows(QStringLiteral("Texts too long for the certificate will be cut:"), rows) +
            QStringLiteral("\n\nGo back to shorten them, or export them cut?"),
        QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("CutTextQuestion"));
    QPushButton* back = box.addButton(QStringLiteral("Go &Back"), QMessageBox::RejectRole);
    box.addButton(QStringLiteral("&Export Anyway"), QMessageBox::AcceptRole);
    box.setDefaultButton(back);
    if (rows.size() > kListedRows) {
        box.setDetailedText(rows.join(QLatin1Char('\n')));
    }
    box.exec();
    return box.clickedButton() != back;
}

}  // namespace

void ExportScheduleCertificates(QWidget* parent, const ScheduleCertificates& input,
                                const ScheduleExportChooser& choose) {
    const std::optional<ScheduleExportChoice> choice =
        (choose ? choose : ChooseScheduleExportWithDialog)(parent, input.schedule);
    if (!choice || !ExportDespiteCutTexts(parent, input)) {
        return;
    }
    const ScheduleExportOutcome outcome = RunScheduleExport(parent, *choice, input);
    const QMessageBox::Icon icon =
        outcome.kind == Kind::Failed ? QMessageBox::Critical
        : outcome.kind == Kind::Cancelled || !outcome.rowsLeftOut.isEmpty()
            ? QMessageBox::Warning
            : QMessageBox::Information;
    QMessageBox box(icon, QStringLiteral("Export Certificates"), outcome.text, QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("ExportOutcome"));
    if (outcome.rowsLeftOut.size() > kListedRows) {
        box.setDetailedText(outcome.rowsLeftOut.join(QLatin1Char('\n')));
    }
    box.exec();
}
