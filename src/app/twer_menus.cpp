// The main window's menu and its commands: views, web links, About, Exit and the hidden
// shortcut that reveals the data pages and the weight fields.
#include <QAction>
#include <QActionGroup>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

#include "about/form_abt.h"
#include "app/guide_window.h"
#include "app/twer.h"
#include "data/contact_texts.h"
#include "data/web_links.h"
#include "platform/shell.h"
#include "widgets/command_keys.h"
#include "widgets/widgets.h"

namespace {
QAction* NamedAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}
}  // namespace

void TWER::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    File1 = bar->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    Schedule1 = NamedAction(File1, "Schedule1", QStringLiteral("Window &Schedule..."));
    Schedule1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    File1->addSeparator()->setObjectName(QStringLiteral("N1"));
    Print1 = NamedAction(File1, "Print1", QStringLiteral("&Print Report..."));
    Print1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Export1 = NamedAction(File1, "Export1", QStringLiteral("&Export PDF..."));
    Export1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    File1->addSeparator()->setObjectName(QStringLiteral("N2"));
    Exit1 = NamedAction(File1, "Exit1", QStringLiteral("E&xit"));
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    View1 = bar->addMenu(QStringLiteral("&View"));
    View1->setObjectName(QStringLiteral("View1"));
    Specification1 = NamedAction(View1, "Specification1", QStringLiteral("&Specification"));
    Report1 = NamedAction(View1, "Report1", QStringLiteral("&Report"));
    // Radio items whose check marks are never set.
    auto* views = new QActionGroup(this);
    for (QAction* item : {Specification1, Report1}) {
        item->setCheckable(true);
        item->setChecked(false);
        views->addAction(item);
    }
    views->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    View1->addSeparator()->setObjectName(QStringLiteral("N3"));
    BetterChoices1 = NamedAction(View1, "BetterChoices1", QStringLiteral("&Better Choices..."));
    BetterChoices1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));

    Help1 = bar->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    UserGuide1 = NamedAction(Help1, "UserGuide1", QStringLiteral("&User Guide"));
    UserGuide1->setShortcut(QKeySequence(Qt::Key_F1));
    // F1 in the program's other windows (the schedule, the findings) opens the guide too.
    UserGuide1->setShortcutContext(Qt::ApplicationShortcut);
    Help1->addSeparator()->setObjectName(QStringLiteral("N5"));
    GuideWebsite1 = NamedAction(Help1, "GuideWebsite1", contact::kRatingBodyHost);
    MakerWebsite1 = NamedAction(Help1, "MakerWebsite1", contact::kMakerHost);
    Help1->addSeparator()->setObjectName(QStringLiteral("N4"));
    About1 = NamedAction(Help1, "About1", QStringLiteral("&About"));

    // The hidden "S" menu: its items are on the window itself, so their shortcuts work while
    // no menu shows them. Esc is taken by an item that does nothing.
    AAA = new QAction(QStringLiteral("AAA"), this);
    AAA->setObjectName(QStringLiteral("AAA"));
    AAA->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F11));
    AAA->setShortcutContext(Qt::WindowShortcut);
    addAction(AAA);
    ESC1 = new QAction(QStringLiteral("ESC"), this);
    ESC1->setObjectName(QStringLiteral("ESC1"));
    ESC1->setShortcut(QKeySequence(Qt::Key_Escape));
    ESC1->setShortcutContext(Qt::WindowShortcut);
    addAction(ESC1);

    auto bind = [this](QAction* action, void (TWER::*handler)(QObject*)) {
        connect(action, &QAction::triggered, this,
                [this, action, handler] { Guarded([=] { (this->*handler)(action); }); });
    };
    bind(Schedule1, &TWER::Schedule1Click);
    bind(Print1, &TWER::Print1Click);
    bind(Export1, &TWER::Export1Click);
    bind(Exit1, &TWER::Exit1Click);
    bind(Specification1, &TWER::Report1Click);
    bind(Report1, &TWER::Report1Click);
    bind(BetterChoices1, &TWER::BetterChoices1Click);
    bind(UserGuide1, &TWER::UserGuide1Click);
    bind(GuideWebsite1, &TWER::WebLink1Click);
    bind(MakerWebsite1, &TWER::WebLink1Click);
    bind(About1, &TWER::About1Click);
    bind(AAA, &TWER::AAAClick);
    GiveCommandKeysPrecedence(this);
}

void TWER::TabSet1Change(QObject*, int newTab) {
    PageControl2->SetActivePage(newTab == 1 ? TabSheet8 : TabSheet7);
}

void TWER::Report1Click(QObject* sender) {
    PageControl2->SetActivePage(sender == Report1 ? TabSheet8 : TabSheet7);
    // The radio items never show a check mark.
    Specification1->setChecked(false);
    Report1->setChecked(false);
}

void TWER::WebLink1Click(QObject* sender) {
    auto* item = qobject_cast<QAction*>(sender);
    if (item == nullptr) {
        return;
    }
    ShellOpen(WebLinkAddress(item->text()));
}

void TWER::UserGuide1Click(QObject*) {
    if (guideWindow_ == nullptr) {
        guideWindow_ = new GuideWindow(this);
    }
    guideWindow_->show();
    guideWindow_->raise();
    guideWindow_->activateWindow();
}

void TWER::About1Click(QObject*) {
    if (formAbt_ != nullptr) {
        formAbt_->SetDataVersion(CurrentDataVersion());
        formAbt_->ShowModal();
    }
}

void TWER::Exit1Click(QObject*) {
    // Closing the main window ends the program; its close decides what is asked.
    close();
}

void TWER::AAAClick(QObject*) {
    for (int i = 0; i < PageControl1->PageCount(); ++i) {
        PageControl1->SetTabVisible(i, !PageControl1->TabVisible(i));
    }
    for (QLineEdit* edit : {EditOF, EditVF, EditTM, EditOA}) {
        edit->setVisible(edit->isHidden());
    }
}
