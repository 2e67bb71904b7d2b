// The main window's guard over the two saved tables: unsaved edits are marked on their page and
// asked about before the program ends.
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTextDocument>

#include "app/error_box.h"
#include "app/twer.h"
#include "app/widgets.h"
#include "data/data_files.h"
#include "platform/program_error.h"

namespace {
const QString kUnsavedMark = QStringLiteral("*");
const QString kSaveCaption = QStringLiteral("&Save");
}  // namespace

void TWER::ShowUnsavedMarks() {
    const struct {
        QPlainTextEdit* memo;
        QWidget* page;
        QPushButton* save;
    } tables[] = {{Memo1, TabSheet2, Button1}, {MemoSystem, TabSheet5, Button2}};
    for (const auto& table : tables) {
        const bool unsaved = table.memo->document()->isModified();
        const QString mark = unsaved ? kUnsavedMark : QString();
        PageControl1->SetCaptionMark(table.page, mark);
        table.save->setText(kSaveCaption + mark);
    }
}

bool TWER::ConfirmUnsavedTables() {
    const struct {
        QPlainTextEdit* memo;
        const QString& fileName;
        void (TWER::*save)(QObject*);
        QPushButton* button;
    } tables[] = {{Memo1, kWeightsFileName, &TWER::Button1Click, Button1},
                  {MemoSystem, kSystemFileName, &TWER::Button2Click, Button2}};
    for (const auto& table : tables) {
        if (!table.memo->document()->isModified()) {
            continue;
        }
        const auto answer = QMessageBox::question(
            this, windowTitle(), QStringLiteral("Save changes to %1?").arg(table.fileName),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel) {
            return false;
        }
        if (answer == QMessageBox::Save) {
            try {
                (this->*table.save)(table.button);
            } catch (const ProgramError& error) {
                // The edits are not lost: the program stays open.
                ShowProgramError(this, error.text());
                return false;
            }
        }
    }
    return true;
}
