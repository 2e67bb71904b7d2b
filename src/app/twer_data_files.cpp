// The main window's data files: the weights table and system catalogue read over the built-in
// tables at start, written by the data pages' "Save" buttons, and watched while the window
// runs, so that a table another window saves is not silently outdated here.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextDocument>

#include "app/data_file_watcher.h"
#include "app/table_files.h"
#include "app/twer.h"
#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "data/data_folder.h"
#include "platform/program_error.h"
#include "widgets/table_memo.h"
#include "widgets/widgets.h"

void TWER::LoadDataFiles() {
    if (!tableFiles_) {
        tableFiles_ = std::make_unique<TableFiles>(env_.programFolder, env_.siteConfigFile);
        dataWatcher_ = new DataFileWatcher(this);
        connect(dataWatcher_, &DataFileWatcher::Changed, this, &TWER::DataFilesChanged);
        connect(dataWatcher_, &DataFileWatcher::Removed, this, [this](const QString& fileName) {
            ShowDataFileNote(
                QStringLiteral("%1 was removed from the disk; the table here is kept as it is.")
                    .arg(fileName));
        });
    }
    LoadDataFile(Memo1, kWeightsFileName);
    LoadDataFile(MemoSystem, kSystemFileName);
}

void TWER::LoadDataFile(QPlainTextEdit* memo, const QString& fileName) {
    const DataFileChoice choice = tableFiles_->ToLoad(fileName);
    tableCuts_.remove(memo);
    dataWatcher_->Unwatch(fileName);
    // A file that appears (another window's save, a publish to the shared folder) where it
    // would be read before this one is taken in as a change of this table.
    for (const DataFileChoice& earlier : DataFileCandidates(tableFiles_->Folders(), fileName)) {
        if (earlier.path == choice.path) {
            break;
        }
        dataWatcher_->Watch(fileName, earlier.path, QString());
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
    dataWatcher_->Watch(fileName, choice.path, text);
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
    dataWatcher_->Unwatch(fileName);
    dataWatcher_->Watch(fileName, path, TableTextOfFileBytes(FileBytesOfTableText(text)));
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

QPlainTextEdit* TWER::MemoOfTable(const QString& fileName) const {
    return fileName == kWeightsFileName ? Memo1 : MemoSystem;
}

void TWER::DataFilesChanged(const QStringList& fileNames) {
    QStringList readAgain;
    for (const QString& fileName : fileNames) {
        QPlainTextEdit* const memo = MemoOfTable(fileName);
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
    // Both tables published at once are named in one note, not the last one alone.
    if (readAgain.size() > 1) {
        readAgain = QStringList{kWeightsFileName, kSystemFileName};
    }
    if (!readAgain.isEmpty()) {
        ShowDataFileNote(
            (readAgain.size() == 1
                 ? QStringLiteral("%1 was changed on the disk and has been read again.")
                 : QStringLiteral("%1 were changed on the disk and have been read again."))
                .arg(readAgain.join(QStringLiteral(" and "))));
    }
}

bool TWER::ReloadOverEdits(const QString& fileName) {
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
    return question.clickedButton() == reload;
}
