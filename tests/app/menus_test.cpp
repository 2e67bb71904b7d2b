#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTimer>

#include "about/form_abt.h"
#include "data/contact_texts.h"
#include "data/web_links.h"
#include "platform/shell.h"
#include "url_recorder.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

class Menus : public WindowTest {
protected:
    // Starts the window with its About box, lets the splash go and makes the window active.
    void StartWithAboutBox() {
        about_ = std::make_unique<TFormAbt>();
        env_.programFolder = folder_.path() + QLatin1Char('/');
        env_.pictureBase = pictures_.filePath(QStringLiteral("Updates"));
        window_ = std::make_unique<TWER>(env_);
        window_->SetAboutBox(about_.get());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }
    void Activate() {
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    QAction* Action(const char* name) const { return Find<QAction>(name); }
    QString ActiveView() const {
        return Find<PageControl>("PageControl2")->ActivePage()->objectName();
    }
    QTabBar* TabSet() const { return Find<QTabBar>("TabSet1"); }
    void ClickTab(int index) {
        QTabBar* tabs = TabSet();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }

    UrlRecorder urls_;
    std::unique_ptr<TFormAbt> about_;
};

TEST_F(Menus, CaptionsOrderAndAccessKeys) {
    Start();
    QList<QString> menus;
    for (QAction* action : window_->menuBar()->actions()) {
        if (action->isVisible()) {
            menus << action->text();
        }
    }
    EXPECT_EQ(menus, QList<QString>({"&File", "&View", "&Help"}));
    auto captions = [](QMenu* menu) {
        QList<QString> texts;
        for (QAction* action : menu->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return texts;
    };
    EXPECT_EQ(captions(Find<QMenu>("File1")),
              QList<QString>({"Window &Schedule...", "-", "&Print Report...", "&Export PDF...", "-",
                              "E&xit"}));
    EXPECT_EQ(captions(Find<QMenu>("View1")),
              QList<QString>({"&Specification", "&Report", "-", "&Better Choices..."}));
    EXPECT_EQ(captions(Find<QMenu>("Help1")),
              QList<QString>({"&User Guide", "-", contact::kRatingBodyHost, contact::kMakerHost,
                              "-", "&About"}));
    EXPECT_EQ(Action("UserGuide1")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(Action("AAA")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F11));
    EXPECT_EQ(Action("ESC1")->shortcut(), QKeySequence(Qt::Key_Escape));
    EXPECT_EQ(Action("Print1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(Action("Exit1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(Action("Export1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(Action("BetterChoices1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
    EXPECT_EQ(Action("Schedule1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
}

TEST_F(Menus, ViewMenuAndTabSetSwitchTheViews) {
    Start();
    EXPECT_EQ(ActiveView(), "TabSheet7");
    Action("Report1")->trigger();
    EXPECT_EQ(ActiveView(), "TabSheet8");
    EXPECT_EQ(TabSet()->currentIndex(), 0);
    EXPECT_FALSE(Action("Report1")->isChecked());
    // The tab already selected raises no change: the report stays.
    ClickTab(0);
    EXPECT_EQ(ActiveView(), "TabSheet8");
    Action("Specification1")->trigger();
    EXPECT_EQ(ActiveView(), "TabSheet7");
    ClickTab(1);
    EXPECT_EQ(TabSet()->currentIndex(), 1);
    EXPECT_EQ(ActiveView(), "TabSheet8");
    ClickTab(0);
    EXPECT_EQ(ActiveView(), "TabSheet7");
}

TEST_F(Menus, CtrlF11RevealsAndHidesTheDataPagesAndEscDoesNothing) {
    Start();
    Activate();
    auto* pages = Find<PageControl>("PageControl1");
    const char* edits[] = {"EditOF", "EditVF", "EditTM", "EditOA"};
    QTest::keyClick(window_.get(), Qt::Key_F11, Qt::ControlModifier);
    for (int i = 0; i < pages->PageCount(); ++i) {
        EXPECT_TRUE(pages->TabVisible(i)) << i;
    }
    EXPECT_TRUE(pages->TabBar()->isVisible());
    for (const char* edit : edits) {
        EXPECT_TRUE(Find<QLineEdit>(edit)->isVisible()) << edit;
    }
    EXPECT_EQ(pages->ActivePage()->objectName(), "TabSheet9");
    // The weights table page can now be chosen and edited.
    QTest::mouseClick(pages->TabBar(), Qt::LeftButton, {}, pages->TabBar()->tabRect(1).center());
    EXPECT_EQ(pages->ActivePage()->objectName(), "TabSheet2");

    QTest::keyClick(window_.get(), Qt::Key_Escape);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(pages->ActivePage()->objectName(), "TabSheet2");

    QTest::keyClick(window_.get(), Qt::Key_F11, Qt::ControlModifier);
    for (int i = 0; i < pages->PageCount(); ++i) {
        EXPECT_FALSE(pages->TabVisible(i)) << i;
    }
    for (const char* edit : edits) {
        EXPECT_FALSE(Find<QLineEdit>(edit)->isVisible()) << edit;
    }
    // Hiding the tabs leaves the page that was chosen.
    EXPECT_EQ(pages->ActivePage()->objectName(), "TabSheet2");
}

TEST_F(Menus, WebLinksOpenTheirAddresses) {
    Start();
    Action("GuideWebsite1")->trigger();
    Action("MakerWebsite1")->trigger();
    ASSERT_EQ(urls_.opened.size(), 2);
    EXPECT_EQ(urls_.opened[0], QUrl(QStringLiteral("http://") + contact::kRatingBodyHost));
    EXPECT_EQ(urls_.opened[1], QUrl(QStringLiteral("http://") + contact::kMakerHost));
    // A caption that ends in "..." asks the search engine for its direct result.
    QAction* item = Action("GuideWebsite1");
    item->setText(QStringLiteral("Find aluminium windows..."));
    window_->WebLink1Click(item);
    ASSERT_EQ(urls_.opened.size(), 3);
    EXPECT_EQ(WebLinkAddress(item->text()),
              QStringLiteral("http:\\\\") + contact::kSearchEngineHost +
                  QStringLiteral("\\search?q=Find aluminium windows.&btnI"));
    EXPECT_EQ(urls_.opened[2].host(), contact::kSearchEngineHost);
    EXPECT_EQ(urls_.opened[2].path(), "/search");
    EXPECT_EQ(urls_.opened[2].query(QUrl::FullyDecoded), "q=Find aluminium windows.&btnI");
}

TEST_F(Menus, SplashShowsAtStartAndHidesItselfAfterOneTick) {
    StartWithAboutBox();
    EXPECT_TRUE(about_->isVisible());
    EXPECT_TRUE(about_->windowFlags() & Qt::FramelessWindowHint);
    // Help > About while the splash is up is refused with the toolkit's message.
    const QString message = MessageShownBy([this] { Action("About1")->trigger(); });
    EXPECT_EQ(message, "Cannot make a visible window modal");
    EXPECT_TRUE(window_->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!about_->isVisible(), 5000);
    // Afterwards the same box shows modally, still borderless, until Escape.
    bool shownModal = false;
    QTimer::singleShot(100, [this, &shownModal] {
        shownModal = about_->isVisible() && about_->isModal();
        QTest::keyClick(about_.get(), Qt::Key_Escape);
    });
    // An edited table is named as edited in the version line's tooltip.
    Memo("Memo1")->appendPlainText(QStringLiteral("PRF999,1.5"));
    Action("About1")->trigger();
    EXPECT_TRUE(shownModal);
    const QString tip = about_->findChild<QLineEdit*>("Edit1")->toolTip();
    EXPECT_TRUE(tip.startsWith("Tables: GGWeights.Dat edited ") &&
                tip.endsWith("; GGSystem.Dat built in b2bad3ba"))
        << tip.toStdString();
    EXPECT_FALSE(about_->isVisible());
    EXPECT_TRUE(about_->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(Menus, ExitEndsTheLoopWithoutWritingAnything) {
    Start();
    Memo("Memo1")->setPlainText(QStringLiteral("Profile,Area\nPRF010,1\n"));
    QTimer::singleShot(0, [this] { Action("Exit1")->trigger(); });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&failsafe, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QApplication::exit(1);
    });
    failsafe.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::Files).isEmpty());
}
