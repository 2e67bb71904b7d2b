// The main window's data files: the weights table and system catalogue read over the built-in
// tables at start, written by the data pages' "Save" buttons, and watched while the window
// runs, so that a table another window saves is not silently outdated here.
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>

#include "app/twer.h"
#include "data/data_files.h"
#include "data/data_folder.h"
#include "platform/program_error.h"
#include "widgets/table_memo.h"
#include "widgets/widgets.h"

namespace {
// Writers that replace a file in several steps are given this long to finish.
constexpr int kSettleMilliseconds = 150;
}  // namespace

void TWER::LoadDataFiles() {
    LoadDataFile(Memo1, kWeightsFileName);
    LoadDataFile(MemoSystem, kSystemFileName);
}

void TWER::LoadDataFile(QPlainTextEdit* memo, const QString& fileName) {
    const QString path = DataFilePath(env_.programFolder, fileName, DataFileUse::Read);
    tableCuts_.remove(memo);
    tablePaths_.remove(memo);
    if (!DataFileExists(path)) {
        // A file that another window saves later is taken in as a change of this one.
        WatchDataFile(memo, fileName, path, QString());
        return;
    }
    const QString text = ReadTableFile(path, &tableCuts_[memo]);
    tablePaths_[memo] = path;
    // Replacing a table's text raises its change handler, as an edit would. The memo is filled
    // only when revealed: a long table costs its reading, not an editor's blocks.
    TableText::Of(memo)->SetText(text);
    WatchDataFile(memo, fileName, path, text);
    const QString older = OlderOwnCopyNote(path, env_.programFolder + fileName);
    PageControl1->SetTabToolTip(PageOfTable(memo), older);
    if (!older.isEmpty()) {
        ShowDataFileNote(older);
    }
}

void TWER::SaveTable(QPlainTextEdit* memo, const QString& fileName) {
    const QString path = DataFilePath(env_.programFolder, fileName, DataFileUse::Save);
    const QString text = TableText::Of(memo)->PlainText();
    WriteTableFile(path, text);
    // The file now holds this window's table, as it will read back: nothing of it is cut.
    tableCuts_.remove(memo);
    tablePaths_[memo] = path;
    WatchDataFile(memo, fileName, path, TableTextOfFileBytes(FileBytesOfTableText(text)));
    ShowDataFileNote(QStringLiteral("Saved %1 in %2")
                         .arg(fileName, QDir::toNativeSeparators(QFileInfo(path).absolutePath())));
}

void TWER::Button1Click(QObject*) {
    SaveTable(Memo1, kWeightsFileName);
    Memo1->document()->setModified(false);
    ShowDataCheck(false);
}

void TWER::Button2Click(QObject*) {
    SaveTable(MemoSystem, kSystemFileName);
    MemoSystem->document()->setModified(false);
    ShowDataCheck(false);
}

QWidget* TWER::PageOfTable(const QPlainTextEdit* memo) const {
    return memo == Memo1 ? TabSheet2 : TabSheet5;
}

void TWER::WatchDataFile(QPlainTextEdit* memo, const QString& fileName, const QString& path,
                         const QString& text) {
    if (dataWatcher_ == nullptr) {
        dataWatcher_ = new QFileSystemWatcher(this);
        connect(dataWatcher_, &QFileSystemWatcher::fileChanged, this, [this](const QString& file) {
            changedDataFiles_.insert(file);
            // Several notices of one save come as one.
            QTimer::singleShot(kSettleMilliseconds, this,
                               [this] { Guarded([this] { CheckChangedDataFiles(); }); });
        });
        // The folder of a file not there yet: a file that appears is a change of its table.
        connect(dataWatcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
            const QStringList watching = dataWatcher_->files();
            for (auto it = watchedDataFiles_.cbegin(); it != watchedDataFiles_.cend(); ++it) {
                if (!watching.contains(it.key()) && DataFileExists(it.key())) {
                    changedDataFiles_.insert(it.key());
                }
            }
            QTimer::singleShot(kSettleMilliseconds, this,
                               [this] { Guarded([this] { CheckChangedDataFiles(); }); });
        });
    }
    watchedDataFiles_[path] = {memo, fileName, text};
    if (!DataFileExists(path)) {
        const QString folder = QFileInfo(path).absolutePath();
        if (QFileInfo(folder).isDir() && !dataWatcher_->directories().contains(folder)) {
            dataWatcher_->addPath(folder);
        }
    } else if (!dataWatcher_->files().contains(path)) {
        dataWatcher_->addPath(path);
    }
}

void TWER::CheckChangedDataFiles() {
    if (askingAboutDataFile_) {
        return;  // asked again when the question in hand has been answered
    }
    while (!changedDataFiles_.isEmpty()) {
        const QString path = *changedDataFiles_.begin();
        changedDataFiles_.erase(changedDataFiles_.begin());
        if (!watchedDataFiles_.contains(path)) {
            continue;
        }
        WatchedDataFile& watched = watchedDataFiles_[path];
        if (!DataFileExists(path)) {
            ShowDataFileNote(
                QStringLiteral("%1 was removed from the disk; the table here is kept as it is.")
                    .arg(watched.fileName));
            WatchDataFile(watched.memo, watched.fileName, path, watched.text);
            continue;
        }
        // A file replaced by a rename is a new file: it is watched afresh.
        dataWatcher_->addPath(path);
        const QString text = ReadTableFile(path);
        if (text == watched.text) {
            continue;  // this window's own save, or a change that left the table as it was
        }
        QPlainTextEdit* const memo = watched.memo;
        const QString fileName = watched.fileName;
        watched.text = text;
        if (memo->document()->isModified() && !ReloadOverEdits(fileName)) {
            // The edits stand against the file as it now is: unsaved.
            memo->document()->setModified(true);
            ShowDataFileNote(
                QStringLiteral("%1 was changed on the disk; your edits are kept, not saved.")
                    .arg(fileName));
            continue;
        }
        LoadDataFile(memo, fileName);
        ShowDataFileNote(
            QStringLiteral("%1 was changed on the disk and has been read again.").arg(fileName));
    }
}

bool TWER::ReloadOverEdits(const QString& fileName) {
    askingAboutDataFile_ = true;
    QMessageBox question(
        QMessageBox::Question, windowTitle(),
        QStringLiteral("%1 was changed on the disk by another program.").arg(fileName),
        QMessageBox::NoButton, this);
    question.setObjectName(QStringLiteral("DataFileChangedBox"));
    question.setInformativeText(
        QStringLiteral("Read it again and lose your edits here, or keep your edits?"));
    QPushButton* reload =
        question.addButton(QStringLiteral("&Read again"), QMessageBox::AcceptRole);
    reload->setObjectName(QStringLiteral("ReloadButton"));
    QPushButton* keep =
        question.addButton(QStringLiteral("&Keep my edits"), QMessageBox::RejectRole);
    keep->setObjectName(QStringLiteral("KeepEditsButton"));
    question.setDefaultButton(keep);
    question.exec();
    askingAboutDataFile_ = false;
    if (!changedDataFiles_.isEmpty()) {
        QTimer::singleShot(0, this, [this] { Guarded([this] { CheckChangedDataFiles(); }); });
    }
    return question.clickedButton() == reload;
}
