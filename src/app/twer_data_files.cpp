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

#include "app/table_files.h"
#include "app/twer.h"
#include "data/builtin_tables.h"
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
    if (!tableFiles_) {
        tableFiles_ = std::make_unique<TableFiles>(env_.programFolder, env_.siteConfigFile);
    }
    LoadDataFile(Memo1, kWeightsFileName);
    LoadDataFile(MemoSystem, kSystemFileName);
}

void TWER::LoadDataFile(QPlainTextEdit* memo, const QString& fileName) {
    const DataFileChoice choice = tableFiles_->ToLoad(fileName);
    tableCuts_.remove(memo);
    UnwatchDataFiles(memo);
    // A file that appears (another window's save, a publish to the shared folder) where it
    // would be read before this one is taken in as a change of this table.
    for (const DataFileChoice& earlier : DataFileCandidates(tableFiles_->Folders(), fileName)) {
        if (earlier.path == choice.path) {
            break;
        }
        WatchDataFile(memo, fileName, earlier.path, QString());
    }
    if (choice.origin == DataOrigin::BuiltIn) {
        // The table keeps what it holds: the built-in table, or the text of a file now gone.
        tableFiles_->SetSource(fileName, {});
        ShowTableSources();
        return;
    }
    const QString text = ReadTableFile(choice.path, &tableCuts_[memo]);
    tableFiles_->SetSource(fileName, choice);
    // Replacing a table's text raises its change handler, as an edit would. The memo is filled
    // only when revealed: a long table costs its reading, not an editor's blocks.
    TableText::Of(memo)->SetText(text);
    WatchDataFile(memo, fileName, choice.path, text);
    ShowTableSources();
    const QString older = tableFiles_->OlderNote(fileName);
    if (!older.isEmpty()) {
        ShowDataFileNote(older);
    }
}

void TWER::ReloadDataFiles() {
    tableFiles_->ReadSettings();
    const struct {
        QPlainTextEdit* memo;
        const QString& fileName;
        QString builtIn;
    } tables[] = {{Memo1, kWeightsFileName, BuiltInWeightsTable()},
                  {MemoSystem, kSystemFileName, BuiltInSystemCatalogue()}};
    for (const auto& table : tables) {
        if (table.memo->document()->isModified()) {
            // Edits are never lost to a change of folder: saving them makes them the user's own.
            ShowDataFileNote(
                QStringLiteral("%1 has unsaved edits: it is kept as it is.").arg(table.fileName));
            continue;
        }
        // Read in the new order; where no folder has the file, the built-in table again.
        if (tableFiles_->ToLoad(table.fileName).origin == DataOrigin::BuiltIn &&
            tableFiles_->Source(table.fileName).origin != DataOrigin::BuiltIn) {
            tableCuts_.remove(table.memo);
            TableText::Of(table.memo)->SetText(table.builtIn);
        }
        LoadDataFile(table.memo, table.fileName);
    }
}

void TWER::ShowTableSources() {
    ShowStatusText(StatusTopic::TableSources, tableFiles_->SourcesText());
    PageControl1->SetTabToolTip(TabSheet2, tableFiles_->PageTip(kWeightsFileName));
    PageControl1->SetTabToolTip(TabSheet5, tableFiles_->PageTip(kSystemFileName));
}

void TWER::SaveTable(QPlainTextEdit* memo, const QString& fileName) {
    const QString path = tableFiles_->ToSave(fileName);
    const QString text = TableText::Of(memo)->PlainText();
    WriteTableFile(path, text);
    // The file now holds this window's table, as it will read back: nothing of it is cut.
    tableCuts_.remove(memo);
    tableFiles_->SetSource(fileName, tableFiles_->ToLoad(fileName));
    UnwatchDataFiles(memo);
    WatchDataFile(memo, fileName, path, TableTextOfFileBytes(FileBytesOfTableText(text)));
    ShowTableSources();
    ShowDataFileNote(tableFiles_->SavedText(fileName, path));
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

void TWER::UnwatchDataFiles(const QPlainTextEdit* memo) {
    for (auto it = watchedDataFiles_.begin(); it != watchedDataFiles_.end();) {
        if (it->memo != memo) {
            ++it;
            continue;
        }
        if (dataWatcher_ != nullptr && dataWatcher_->files().contains(it.key())) {
            dataWatcher_->removePath(it.key());
        }
        it = watchedDataFiles_.erase(it);
    }
}

void TWER::CheckChangedDataFiles() {
    if (askingAboutDataFile_) {
        return;  // asked again when the question in hand has been answered
    }
    // Both tables published at once are named in one note, not the last one alone.
    QStringList readAgain;
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
        readAgain << fileName;
    }
    readAgain.removeDuplicates();
    if (readAgain.size() > 1) {
        readAgain = QStringList{kWeightsFileName, kSystemFileName};
    }
    if (!readAgain.isEmpty()) {
        ShowDataFileNote(
            (readAgain.size() == 1
                 ? QStringLiteral("%1 was changed on the disk and has been read again.")
                 : QStringLiteral("%1 were changed on the disk and have been read "
                                  "again."))
                .arg(readAgain.join(QStringLiteral(" and "))));
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
