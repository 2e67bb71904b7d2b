// The main window's start-up: when it is first shown, the splash, the system selector and its
// first recalculation, and the pages it opens on.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QShowEvent>

#include "about/form_abt.h"
#include "app/start_check.h"
#include "app/table_files.h"
#include "app/twer.h"
#include "widgets/table_memo.h"
#include "widgets/widgets.h"

void TWER::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_ && !event->spontaneous()) {
        shown_ = true;
        Guarded([this] { FormShow(this); });
    }
}

void TWER::FormShow(QObject* sender) {
    if (formAbt_ != nullptr) {
        formAbt_->SetBorderless();
        formAbt_->StartSplash();
    }
    ButtonSystem(sender);
    ComboBox5->setCurrentIndex(ComboBox5->count() > 0 ? 0 : -1);
    ApplyRememberedSystem(sender);
    ButtonRefreshSystem(sender);
    ApplyRememberedProfiles(sender);
    for (int i = 0; i < PageControl1->PageCount(); ++i) {
        PageControl1->SetTabVisible(i, false);
    }
    for (int i = 0; i < PageControl2->PageCount(); ++i) {
        PageControl2->SetTabVisible(i, false);
    }
    PageControl1->SetActivePage(TabSheet9);
    PageControl2->SetActivePage(TabSheet7);
    for (QPlainTextEdit* memo : {MemoSim, MemoPro, MemoDate}) {
        MarkTooLongForCertificate(memo);
    }
    // The keys work at once: the focus starts on the first control of the Tab chain.
    ComboBox5->setFocus(Qt::OtherFocusReason);
    // Tables read from files may hold typing slips: counted on the side and said once. The
    // built-in tables have none.
    if (tableFiles_->AnyFromFile()) {
        auto* check = new StartCheck(this);
        connect(check, &StartCheck::Counted, this, [this](int findings) {
            ShowStatusText(StatusTopic::DataCheck, StartCheck::NoteOf(findings));
        });
        check->Run(weightsTable_->PlainText(), systemTable_->PlainText(),
                   {tableCuts_.value(Memo1), tableCuts_.value(MemoSystem)});
    }
}
