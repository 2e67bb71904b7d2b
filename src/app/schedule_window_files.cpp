// The schedule window's files: new, open, save and save as, in the CSV format that
// "greenguide batch" reads, and what the window remembers in a settings section of its own.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

#include "app/error_box.h"
#include "app/schedule_settings.h"
#include "app/schedule_window.h"
#include "app/twer.h"
#include "platform/whole_file.h"
#include "schedule/schedule.h"
#include "schedule/schedule_model.h"

namespace {
const QString kFrameKey = QStringLiteral("WindowGeometry");
const QString kFolderKey = QStringLiteral("LastFolder");
const QString kFileTypes = QStringLiteral("Schedules (*.csv *.txt);;All files (*)");
constexpr int kStartWidth = 1100;
constexpr int kStartHeight = 520;

QString ChooseOpenFileWithDialog(QWidget* parent, const QString& start) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open Schedule"), start, kFileTypes);
}

QString ChooseSaveFileWithDialog(QWidget* parent, const QString& start) {
    QFileDialog dialog(parent, QStringLiteral("Save Schedule"), start, kFileTypes);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}
}  // namespace

void ScheduleWindow::SetFileChoosers(ChooseFile open, ChooseFile save) {
    chooseOpen_ = std::move(open);
    chooseSave_ = std::move(save);
}

void ScheduleWindow::StartSchedule(const Schedule& schedule, const QString& path) {
    path_ = path;
    model_->SetSchedule(schedule);
    FitColumns();
    ShowState();
}

void ScheduleWindow::NewClick() {
    if (!ConfirmUnsavedChanges()) {
        return;
    }
    Schedule schedule;
    schedule.report = main_->CurrentReportFields();
    StartSchedule(schedule, QString());
}

void ScheduleWindow::OpenClick() {
    if (!ConfirmUnsavedChanges()) {
        return;
    }
    const ChooseFile choose = chooseOpen_ ? chooseOpen_ : ChooseOpenFileWithDialog;
    const QString path = choose(this, StartFolder());
    if (!path.isEmpty()) {
        OpenFile(path);
    }
}

bool ScheduleWindow::OpenFile(const QString& path) {
    const ScheduleFileReading file = ReadScheduleFile(path);
    if (file.unreadable) {
        ShowProgramError(this, QStringLiteral("Cannot open file %1\n%2").arg(path, file.reason));
        return false;
    }
    const ScheduleReading& reading = file.reading;
    if (!reading.schedule) {
        ShowProgramError(this, QStringLiteral("%1 is no schedule:\n%2")
                                   .arg(QDir::toNativeSeparators(path), reading.error));
        return false;
    }
    StartSchedule(*reading.schedule, QFileInfo(path).absoluteFilePath());
    RememberFolder(path);
    return true;
}

bool ScheduleWindow::SaveClick() {
    return path_.isEmpty() ? SaveAsClick() : SaveFile(path_);
}

bool ScheduleWindow::SaveAsClick() {
    const QString start =
        path_.isEmpty() ? QDir(StartFolder()).filePath(QStringLiteral("schedule.csv")) : path_;
    const ChooseFile choose = chooseSave_ ? chooseSave_ : ChooseSaveFileWithDialog;
    const QString path = choose(this, start);
    return !path.isEmpty() && SaveFile(path);
}

bool ScheduleWindow::SaveFile(const QString& path) {
    const WholeFileResult result =
        WriteWholeFile(path, ScheduleFileBytes(model_->CurrentSchedule()));
    if (!result.written) {
        ShowProgramError(this, CannotCreateFileText(path, result.reason));
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    model_->UndoStack()->setClean();
    RememberFolder(path);
    ShowState();
    return true;
}

bool ScheduleWindow::ConfirmUnsavedChanges() {
    if (model_->UndoStack()->isClean()) {
        return true;
    }
    const QString name = path_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path_).fileName();
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Window Schedule"), QStringLiteral("Save changes to %1?").arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel) {
        return false;
    }
    // A save that fails or is cancelled keeps the window and its edits.
    return answer == QMessageBox::Discard || SaveClick();
}

void ScheduleWindow::RememberFrame() {
    ScheduleSettings().setValue(kFrameKey, saveGeometry());
}

void ScheduleWindow::RestoreFrame() {
    if (!restoreGeometry(ScheduleSettings().value(kFrameKey).toByteArray())) {
        resize(kStartWidth, kStartHeight);
    }
}

QString ScheduleWindow::StartFolder() const {
    const QString folder = ScheduleSettings().value(kFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir()
               ? folder
               : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void ScheduleWindow::RememberFolder(const QString& path) {
    ScheduleSettings().setValue(kFolderKey, QFileInfo(path).absolutePath());
}
