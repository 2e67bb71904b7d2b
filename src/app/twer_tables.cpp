// The main window's guard over the two saved tables: unsaved edits are marked on their page and
// asked about before the program ends.
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTextDocument>

#include "app/data_check_list.h"
#include "app/error_box.h"
#include "app/twer.h"
#include "data/data_check.h"
#include "data/data_files.h"
#include "data/table_fields.h"
#include "platform/program_error.h"
#include "widgets/line_number_editor.h"
#include "widgets/table_memo.h"
#include "widgets/widgets.h"

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

void TWER::ButtonCheckClick(QObject*) {
    ShowDataCheck(true);
}

void TWER::ShowDataCheck(bool evenWhenClean) {
    // The start's count is told now in full.
    ShowStatusText(StatusTopic::DataCheck, QString());
    const TableCuts cuts{tableCuts_.value(Memo1), tableCuts_.value(MemoSystem)};
    const std::vector<DataFinding> findings = CheckDataTables(
        LinesOfText(weightsTable_->PlainText()), LinesOfText(systemTable_->PlainText()), cuts);
    if (findings.empty() && !evenWhenClean) {
        return;
    }
    ShowFindings(findings.empty()
                     ? QStringLiteral("No problems found in %1 and %2.")
                           .arg(kWeightsFileName, kSystemFileName)
                     : QStringLiteral("The data check found %1 problem(s):").arg(findings.size()),
                 findings);
}

void TWER::ShowFindings(const QString& summary, const std::vector<DataFinding>& findings) {
    if (DataCheckBox == nullptr) {
        DataCheckBox = new DataCheckList(this);
        connect(DataCheckBox, &DataCheckList::FindingChosen, this,
                [this](const QString& fileName, int line) {
                    Guarded([=] { ShowFindingLine(fileName, line); });
                });
    }
    DataCheckBox->ShowFindings(summary, findings);
}

void TWER::ShowFindingLine(const QString& fileName, int line) {
    QPlainTextEdit* const memo = fileName == kWeightsFileName ? Memo1 : MemoSystem;
    PageControl1->SetActivePage(PageOfTable(memo));
    // The editor is filled first: until then it holds no lines to select.
    QPlainTextEdit* const editor = TableText::Of(memo)->Editor();
    SelectEditorLine(editor, line - 1);
    activateWindow();
    editor->setFocus();
}
