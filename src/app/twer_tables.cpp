// The main window's guard over the two saved tables: unsaved edits are marked on their page and
// asked about before the program ends.
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTextDocument>

#include "app/error_box.h"
#include "app/twer.h"
#include "data/data_check.h"
#include "data/data_files.h"
#include "data/table_text.h"
#include "platform/program_error.h"
#include "widgets/table_memo.h"
#include "widgets/widgets.h"

namespace {
const QString kUnsavedMark = QStringLiteral("*");
const QString kSaveCaption = QStringLiteral("&Save");
// Findings listed in the box; the rest are counted.
constexpr int kFindingsShown = 25;
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
    const std::vector<DataFinding> findings = CheckDataTables(
        LinesOfText(weightsTable_->PlainText()), LinesOfText(systemTable_->PlainText()));
    if (findings.empty() && !evenWhenClean) {
        return;
    }
    if (DataCheckBox == nullptr) {
        DataCheckBox = new QMessageBox(QMessageBox::Information, QStringLiteral("Data check"),
                                       QString(), QMessageBox::Ok, this);
        DataCheckBox->setObjectName(QStringLiteral("DataCheckBox"));
        DataCheckBox->setWindowModality(Qt::NonModal);
    }
    QStringList lines;
    for (std::size_t i = 0; i < findings.size() && i < kFindingsShown; ++i) {
        lines << FindingLine(findings[i]);
    }
    if (findings.size() > kFindingsShown) {
        lines << QStringLiteral("... and %1 more").arg(findings.size() - kFindingsShown);
    }
    DataCheckBox->setText(
        findings.empty()
            ? QStringLiteral("No problems found in %1 and %2.")
                  .arg(kWeightsFileName, kSystemFileName)
            : QStringLiteral("The data check found %1 problem(s):").arg(findings.size()));
    DataCheckBox->setInformativeText(lines.join(QLatin1Char('\n')));
    DataCheckBox->show();
    DataCheckBox->raise();
}
