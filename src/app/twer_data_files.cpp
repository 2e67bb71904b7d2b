// The main window's data files: the weights table and system catalogue read over the built-in
// tables at start, and written by the data pages' "Save" buttons.
#include <QPlainTextEdit>
#include <QTextDocument>

#include "app/twer.h"
#include "data/data_files.h"
#include "data/data_folder.h"
#include "widgets/widgets.h"

void TWER::LoadDataFiles() {
    // Replacing a table's text raises its change handler, as an edit would.
    const QString weightsPath =
        DataFilePath(env_.programFolder, kWeightsFileName, DataFileUse::Read);
    if (DataFileExists(weightsPath)) {
        Memo1->setPlainText(ReadTableFile(weightsPath));
    }
    const QString systemPath = DataFilePath(env_.programFolder, kSystemFileName, DataFileUse::Read);
    if (DataFileExists(systemPath)) {
        MemoSystem->setPlainText(ReadTableFile(systemPath));
    }
}

void TWER::SaveTable(QPlainTextEdit* memo, const QString& fileName) {
    WriteTableFile(DataFilePath(env_.programFolder, fileName, DataFileUse::Save), MemoText(memo));
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
