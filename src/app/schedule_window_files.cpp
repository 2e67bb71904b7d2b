// The schedule window's files: new, open, import, save and save as, in the CSV files and Excel
// workbooks that "greenguide batch" reads, and what the window remembers in a settings section
// of its own.
#include <QCryptographicHash>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>

#include "app/error_box.h"
#include "app/schedule_settings.h"
#include "app/schedule_window.h"
#include "app/twer.h"
#include "platform/whole_file.h"
#include "schedule/schedule.h"
#include "schedule/schedule_model.h"
#include "schedule/workbook.h"

namespace {
const QString kFrameKey = QStringLiteral("WindowGeometry");
const QString kFolderKey = QStringLiteral("LastFolder");
const QString kFileTypes = QStringLiteral(
    "Schedules (*.csv *.txt *.xlsx);;CSV files (*.csv *.txt);;Excel workbooks (*.xlsx);;All "
    "files (*)");
const QString kCsvFiles = QStringLiteral("CSV files (*.csv)");
const QString kWorkbooks = QStringLiteral("Excel workbooks (*.xlsx)");
constexpr int kStartWidth = 1100;
constexpr int kStartHeight = 520;

bool IsWorkbookPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0;
}

QString ChooseOpenFileWithDialog(QWidget* parent, const QString& start) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open Schedule"), start, kFileTypes);
}

QString ChooseImportFileWithDialog(QWidget* parent, const QString& start) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Import Rows"), start, kFileTypes);
}

// The kind of file is the one its name ends in, else the one of the type chosen.
QString ChooseSaveFileWithDialog(QWidget* parent, const QString& start) {
    QFileDialog dialog(parent, QStringLiteral("Save Schedule"), start,
                       kCsvFiles + QStringLiteral(";;") + kWorkbooks);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const bool workbook = IsWorkbookPath(start);
    dialog.selectNameFilter(workbook ? kWorkbooks : kCsvFiles);
    dialog.setDefaultSuffix(workbook ? QStringLiteral("xlsx") : QStringLiteral("csv"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         dialog.setDefaultSuffix(filter == kWorkbooks ? QStringLiteral("xlsx")
                                                                      : QStringLiteral("csv"));
                     });
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
    schedule.report.company = CellOfCompanyLines(schedule.report.company);
    StartSchedule(schedule, QString());
    WatchFile({});
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
    WorkbookReading workbook;
    workbook.keepOtherSheets = true;  // so that saving the workbook keeps them
    const ScheduleFileReading file = ReadScheduleFile(path, workbook);
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
    WatchFile(HashOnDisk());
    RememberFolder(path);
    const QStringList leftOut = reading.schedule->format.sheetsLeftOut;
    if (!leftOut.isEmpty()) {
        statusBar()->showMessage(
            QStringLiteral("The workbook's sheets %1 are too large to keep: Save writes another "
                           "file.")
                .arg(leftOut.join(QStringLiteral(", "))));
    }
    return true;
}

void ScheduleWindow::ImportClick() {
    const ChooseFile choose = chooseOpen_ ? chooseOpen_ : ChooseImportFileWithDialog;
    const QString path = choose(this, StartFolder());
    if (path.isEmpty()) {
        return;
    }
    const ScheduleFileReading file = ReadScheduleFile(path);
    if (file.unreadable || !file.reading.schedule) {
        ShowProgramError(
            this, file.unreadable ? QStringLiteral("Cannot open file %1\n%2").arg(path, file.reason)
                                  : QStringLiteral("%1 is no schedule:\n%2")
                                        .arg(QDir::toNativeSeparators(path), file.reading.error));
        return;
    }
    if (!model_->ImportRows(*file.reading.schedule)) {
        statusBar()->showMessage(
            QStringLiteral("%1 holds no rows to add.").arg(QFileInfo(path).fileName()), 5000);
    }
}

bool ScheduleWindow::SaveClick() {
    // A workbook whose sheets could not all be kept is not written over.
    return path_.isEmpty() || !model_->CurrentSchedule().format.sheetsLeftOut.isEmpty()
               ? SaveAsClick()
               : SaveFile(path_);
}

bool ScheduleWindow::SaveAsClick() {
    const QString start =
        path_.isEmpty() ? QDir(StartFolder()).filePath(QStringLiteral("schedule.csv")) : path_;
    const ChooseFile choose = chooseSave_ ? chooseSave_ : ChooseSaveFileWithDialog;
    const QString path = choose(this, start);
    return !path.isEmpty() && SaveFile(path);
}

bool ScheduleWindow::SaveFile(const QString& path) {
    if (QFileInfo(path).absoluteFilePath() == path_ && !ConfirmReplacingChangedFile()) {
        return false;
    }
    // A workbook where the file is one, or is named as one; CSV otherwise.
    Schedule schedule = model_->CurrentSchedule();
    schedule.format.workbook =
        IsWorkbookPath(path) ||
        (schedule.format.workbook && QFileInfo(path).absoluteFilePath() == path_);
    QString reason;
    const QByteArray bytes = schedule.format.workbook
                                 ? WorkbookBytes(ScheduleWorkbookSheets(schedule), &reason)
                                 : ScheduleFileBytes(schedule);
    const WholeFileResult result = bytes.isEmpty() && !reason.isEmpty()
                                       ? WholeFileResult{false, reason}
                                       : WriteWholeFile(path, bytes, WriteTarget::DocumentByUser);
    if (!result.written) {
        ShowProgramError(this, CannotCreateFileText(path, result.reason));
        return false;
    }
    schedule.format.sheetsLeftOut.clear();  // the file now holds what was written
    model_->SetFileFormat(schedule.format);
    path_ = QFileInfo(path).absoluteFilePath();
    WatchFile(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
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
