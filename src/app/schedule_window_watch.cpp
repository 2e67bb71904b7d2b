// The schedule window's watch over its file: another program (or another copy of this one) that
// changes the file is noticed, so that neither its rows nor the window's edits go without a word.
#include <QCryptographicHash>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>

#include "app/schedule_window.h"
#include "platform/bounded_read.h"
#include "schedule/schedule.h"
#include "schedule/schedule_model.h"

namespace {

// Several notices of one save come as one.
constexpr int kSettleMilliseconds = 150;

}  // namespace

QByteArray ScheduleWindow::HashOnDisk() const {
    const BoundedReading file = ReadFileUpTo(path_, kLargestScheduleBytes);
    if (!file.read) {
        // Gone, or no longer a file this window could read: nothing it could compare.
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray& piece : file.pieces) {
        hash.addData(piece);
    }
    return hash.result();
}

void ScheduleWindow::WatchFile(const QByteArray& hash) {
    fileHash_ = hash;
    if (fileWatcher_ == nullptr) {
        fileWatcher_ = new QFileSystemWatcher(this);
        connect(fileWatcher_, &QFileSystemWatcher::fileChanged, this, [this] {
            QTimer::singleShot(kSettleMilliseconds, this,
                               [this] { Guarded([this] { FileChangedOnDisk(); }); });
        });
    }
    if (!fileWatcher_->files().isEmpty()) {
        fileWatcher_->removePaths(fileWatcher_->files());
    }
    if (!path_.isEmpty()) {
        fileWatcher_->addPath(path_);
    }
}

void ScheduleWindow::FileChangedOnDisk() {
    if (path_.isEmpty() || askingAboutFile_) {
        return;
    }
    // A save by rename puts a new file at the name, which the watch lost with the old one.
    if (!fileWatcher_->files().contains(path_) && QFileInfo::exists(path_)) {
        fileWatcher_->addPath(path_);
    }
    const QByteArray now = HashOnDisk();
    if (now == fileHash_) {
        return;
    }
    const QString name = QFileInfo(path_).fileName();
    bool readAgain = !now.isEmpty() && model_->UndoStack()->isClean();
    if (!now.isEmpty() && !readAgain) {
        askingAboutFile_ = true;
        QMessageBox box(QMessageBox::Question, QStringLiteral("Window Schedule"),
                        QStringLiteral("%1 has been changed by another program. Read it again, "
                                       "or keep your edits?")
                            .arg(name),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Read Again"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Keep My Edits"));
        box.setDefaultButton(QMessageBox::No);
        readAgain = box.exec() == QMessageBox::Yes;
        askingAboutFile_ = false;
    }
    if (readAgain && OpenFile(path_)) {
        statusBar()->showMessage(
            QStringLiteral("%1 was changed by another program and has been read again.").arg(name));
        return;
    }
    // What the window holds is no longer what the file holds: it is an edit to be saved.
    fileHash_ = now;
    model_->UndoStack()->resetClean();
    ShowState();
    statusBar()->showMessage(now.isEmpty() ? QStringLiteral("%1 is no longer on disk.").arg(name)
                                           : QStringLiteral("%1 has been changed by another "
                                                            "program; your edits are kept.")
                                                 .arg(name));
}

bool ScheduleWindow::ConfirmReplacingChangedFile() {
    const QByteArray now = HashOnDisk();
    if (now.isEmpty() || now == fileHash_) {
        return true;
    }
    askingAboutFile_ = true;
    const bool replace =
        QMessageBox::question(this, QStringLiteral("Window Schedule"),
                              QStringLiteral("%1 has been changed by another program since it "
                                             "was read. Replace it with this schedule?")
                                  .arg(QFileInfo(path_).fileName()),
                              QMessageBox::Yes | QMessageBox::Cancel,
                              QMessageBox::Cancel) == QMessageBox::Yes;
    askingAboutFile_ = false;
    if (!replace) {
        // Told of the change, the user keeps the window's rows: an edit a later Save writes.
        fileHash_ = now;
        model_->UndoStack()->resetClean();
        ShowState();
    }
    return replace;
}
