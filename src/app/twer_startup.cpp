// The main window's start-up: the window built and placed, and when it is first shown, the
// splash, the system selector and its first recalculation, and the pages it opens on.
#include <QComboBox>
#include <QEvent>
#include <QPlainTextEdit>
#include <QSettings>
#include <QShowEvent>

#include "about/form_abt.h"
#include "app/main_window_names.h"
#include "app/schedule_link.h"
#include "app/settings_store.h"
#include "app/start_check.h"
#include "app/table_files.h"
#include "app/twer.h"
#include "data/data_folder.h"
#include "data/picture_store.h"
#include "data/shared_folder.h"
#include "widgets/table_memo.h"
#include "widgets/widgets.h"

TwerEnvironment TwerEnvironment::Default() {
    TwerEnvironment env;
    env.programFolder = ProgramFolder();
    env.pictureBase = DefaultPictureBaseFolder();
    env.siteConfigFile = SiteConfigFile();
    return env;
}

TWER::TWER(TwerEnvironment environment, QWidget* parent)
    : QMainWindow(parent), env_(std::move(environment)) {
    setObjectName(QStringLiteral("WER"));
    // The window's own tables are asked about first, whichever way the program is left.
    leaving_.Add([this] { return ConfirmUnsavedTables(); });
    scheduleLink_ = std::make_unique<ScheduleLink>(this, &leaving_);
    BuildLayout();
    BuildMenu();
    ConnectEvents();
    NameMainWindowControls(this);
    settings_ = std::make_unique<QSettings>(kSettingsOrganisation, QStringLiteral("TarvexWER"));
    PlaceWindow(StartFrame());
    LoadDataFiles();
}

TWER::~TWER() = default;

void TWER::PlaceWindow(const QRect& frame) {
    wantedFrame_ = frame;
    // Until the window manager frames the window its frame is unknown: the inside takes the
    // whole size, and a move places the frame's corner, not the inside's.
    resize(frame.size());
    move(frame.topLeft());
}

void TWER::FitFrame() {
    const QRect frame = frameGeometry();
    const QRect inside = geometry();
    if (frameFitted_ || frame == inside) {
        return;
    }
    frameFitted_ = true;
    resize(wantedFrame_.width() - (frame.width() - inside.width()),
           wantedFrame_.height() - (frame.height() - inside.height()));
    move(wantedFrame_.topLeft());
}

bool TWER::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::WindowActivate:
            FitFrame();
            break;
        case QEvent::ScreenChangeInternal:
            RedrawForScreen();
            break;
        default:
            break;
    }
    return handled;
}

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
