#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>

#include "test_support.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

namespace {

// The window's designed outer frame, and its client area below the menu bar when the frame
// is the form toolkit's (4 pixels on each side).
const QRect kDesignFrame(150, 142, 1060, 667);
const QSize kDesignClient(1052, 573);

// Set in the environment of the copy of this program that runs under a window manager.
const char kUnderWindowManager[] = "GG_TEST_UNDER_WINDOW_MANAGER";

}  // namespace

class WindowLayout : public WindowTest {
protected:
    // Gives the window the designed client area and lets the layouts settle.
    void StartAtDesignSize() {
        Start();
        window_->resize(kDesignClient.width(),
                        kDesignClient.height() + window_->menuBar()->height());
        QCoreApplication::processEvents();
        ASSERT_EQ(window_->centralWidget()->size(), kDesignClient);
    }
    void Activate() {
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    QRect InWindow(const char* name) const {
        QWidget* widget = Find<QWidget>(name);
        return QRect(widget->mapTo(window_->centralWidget(), QPoint(0, 0)), widget->size());
    }
};

TEST_F(WindowLayout, ControlsTakeTheirDesignedPlacesAtTheDesignedClientSize) {
    StartAtDesignSize();
    // Client-area coordinates: the banner on top, the tab set at the bottom, the views between
    // them with their pages 4 pixels inside the page control's frame.
    const std::pair<const char*, QRect> placed[] = {
        {"Panel15", {0, 0, 1052, 25}},        {"PageControl2", {0, 25, 1052, 527}},
        {"TabSheet7", {4, 29, 1044, 519}},    {"Panel3", {4, 29, 604, 519}},
        {"Panel1", {608, 29, 440, 519}},      {"ScrollBox3", {5, 30, 602, 120}},
        {"PageControl1", {5, 150, 602, 397}}, {"TabSheet9", {9, 154, 594, 389}},
        {"Panel9", {9, 154, 594, 17}},        {"Panel11", {9, 171, 594, 372}},
        {"ScrollBox1", {609, 30, 438, 517}},  {"TabSet1", {0, 552, 1052, 21}},
    };
    for (const auto& [name, rect] : placed) {
        EXPECT_EQ(InWindow(name), rect) << name;
    }
    // The report view: the preview box beside the fields, the page centred in it.
    Find<PageControl>("PageControl2")->SetActivePage(Find<QWidget>("TabSheet8"));
    QCoreApplication::processEvents();
    EXPECT_EQ(InWindow("ScrollBox2"), QRect(4, 29, 910, 519));
    EXPECT_EQ(InWindow("Panel8"), QRect(914, 29, 134, 519));
    EXPECT_EQ(Find<QWidget>("Image2")->pos(), QPoint(140, 11));
}

TEST_F(WindowLayout, OnlyThePanelsDrawnAsPanelHaveTheRaisedBevel) {
    StartAtDesignSize();
    for (const char* name : {"Panel3", "Panel1"}) {
        auto* panel = Find<QFrame>(name);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->frameStyle(), QFrame::Panel | QFrame::Raised) << name;
        EXPECT_EQ(panel->frameWidth(), 1) << name;
        // Button highlight on the top and left edges, button shadow on the bottom and right.
        const QImage image = panel->grab().toImage();
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        EXPECT_EQ(PixelAt(image, 10, 0), QColor(255, 255, 255)) << name;
        EXPECT_EQ(PixelAt(image, 0, 10), QColor(255, 255, 255)) << name;
        EXPECT_EQ(PixelAt(image, 10, bottom), QColor(128, 128, 128)) << name;
        EXPECT_EQ(PixelAt(image, right, 10), QColor(128, 128, 128)) << name;
    }
    for (const char* name :
         {"Panel15", "Panel2", "Panel9", "Panel11", "Panel4", "Panel5", "Panel8"}) {
        auto* panel = Find<QFrame>(name);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->frameWidth(), 0) << name;
    }
}

TEST_F(WindowLayout, TabLeavesEveryMemoWithoutTypingIntoIt) {
    Start();
    Activate();
    window_->AAAClick(nullptr);
    struct Case {
        const char* memo;
        const char* page;  // the page to show it on
        Qt::KeyboardModifiers modifiers;
    };
    const Case cases[] = {
        {"MemoSim", "TabSheet8", Qt::NoModifier},
        {"MemoPro", "TabSheet8", Qt::ControlModifier},
        {"MemoDate", "TabSheet8", Qt::NoModifier},
        {"MemoDate", "TabSheet8", Qt::ShiftModifier},
        {"MemoDate", "TabSheet8", Qt::ControlModifier | Qt::ShiftModifier},
        {"Memo1", "TabSheet2", Qt::ControlModifier},
        {"MemoSystem", "TabSheet5", Qt::NoModifier},
    };
    for (const Case& c : cases) {
        const QString where = QString::fromLatin1(c.page);
        Find<PageControl>("PageControl2")
            ->SetActivePage(Find<QWidget>(where == "TabSheet8" ? "TabSheet8" : "TabSheet7"));
        if (where != "TabSheet8") {
            Find<PageControl>("PageControl1")->SetActivePage(Find<QWidget>(c.page));
        }
        QPlainTextEdit* memo = Memo(c.memo);
        memo->setPlainText(QStringLiteral("Acme"));
        const QString before = MemoText(memo);
        memo->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(memo->hasFocus()) << c.memo;
        QTest::keyClick(memo, Qt::Key_Tab, c.modifiers);
        EXPECT_FALSE(memo->hasFocus()) << c.memo << " " << int(c.modifiers);
        EXPECT_EQ(MemoText(memo), before) << c.memo;
    }
}

TEST_F(WindowLayout, EveryTabStopShowsTheFocus) {
    Start();
    Activate();
    struct Walk {
        const char* view;
        const char* dataPage;  // with the data pages revealed, the one shown; else none
        const char* first;
        QStringList expected;
    };
    const Walk walks[] = {
        {"TabSheet7",
         nullptr,
         "ComboBox5",
         {"ComboBox5", "ComboBox1", "ComboBox2", "ComboBox3", "RadioButton1", "DrawGrid1",
          "TabSet1"}},
        {"TabSheet8", nullptr, "MemoSim", {"MemoSim", "MemoPro", "MemoDate", "ButtonPrint"}},
        {"TabSheet7",
         "TabSheet2",
         "Memo1",
         {"EditOA", "EditOF", "Memo1", "Button1", "ButtonCheckWeights"}},
        {"TabSheet7",
         "TabSheet5",
         "MemoSystem",
         {"MemoSystem", "Memo3", "Button2", "ButtonCheckSystem"}},
    };
    // Walk the Tab chain once round, comparing each stop with and without focus.
    for (const Walk& walk : walks) {
        if (walk.dataPage != nullptr && Find<QWidget>("EditOA")->isHidden()) {
            window_->AAAClick(nullptr);
        }
        Find<PageControl>("PageControl2")->SetActivePage(Find<QWidget>(walk.view));
        if (walk.dataPage != nullptr) {
            Find<PageControl>("PageControl1")->SetActivePage(Find<QWidget>(walk.dataPage));
        }
        Find<QWidget>(walk.first)->setFocus(Qt::TabFocusReason);
        QStringList stops;
        for (int i = 0; i < 40; ++i) {
            QWidget* stop = QApplication::focusWidget();
            ASSERT_NE(stop, nullptr);
            const QString name = stop->objectName();
            if (stops.contains(name)) {
                break;
            }
            stops << name;
            // Scroll boxes and the arrows of tab strips are no Tab stops.
            EXPECT_EQ(qobject_cast<QScrollArea*>(stop), nullptr) << name.toStdString();
            EXPECT_EQ(qobject_cast<QToolButton*>(stop), nullptr) << name.toStdString();
            const QImage focused = stop->grab().toImage();
            QTest::keyClick(stop, Qt::Key_Tab);
            ASSERT_NE(QApplication::focusWidget(), stop) << name.toStdString();
            EXPECT_NE(stop->grab().toImage(), focused) << name.toStdString();
        }
        for (const QString& name : walk.expected) {
            EXPECT_TRUE(stops.contains(name))
                << walk.first << ": " << name.toStdString() << " not in "
                << stops.join(QLatin1Char(' ')).toStdString();
        }
    }
}

// Runs in a copy of this program on a real X display under a window manager: the frame, not
// the inside, takes the designed place and size.
TEST(WindowFrameInChild, FrameTakesTheDesignedPlaceUnderTheWindowManager) {
    if (qEnvironmentVariableIsEmpty(kUnderWindowManager)) {
        GTEST_SKIP() << "runs only under a window manager, started by the test below";
    }
    QTemporaryDir folder;
    TwerEnvironment env;
    env.programFolder = folder.path() + QLatin1Char('/');
    env.pictureBase = folder.filePath(QStringLiteral("Updates"));
    TWER window(env);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The window manager frames the window a moment after it shows.
    (void)QTest::qWaitFor([&] { return window.frameGeometry() == kDesignFrame; }, 5000);
    EXPECT_EQ(window.frameGeometry(), kDesignFrame);
    // The window manager's frame really is there, and the inside gave way to it.
    EXPECT_LT(window.geometry().height(), kDesignFrame.height());
    EXPECT_TRUE(kDesignFrame.contains(window.geometry()));
}

TEST(WindowFrame, OuterGeometryUnderARealWindowManager) {
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (xvfbRun.isEmpty() || openbox.isEmpty()) {
        GTEST_SKIP() << "xvfb-run or openbox is not installed: the outer frame is not checked";
    }
    QTemporaryDir work;
    const QString log = work.filePath(QStringLiteral("child.log"));
    const QString status = work.filePath(QStringLiteral("child.status"));
    // Openbox runs the check once it manages the screen, then is told to leave.
    const QString script = work.filePath(QStringLiteral("check.sh"));
    // The X platform's D-Bus library keeps a buffer to the end, which a leak check would count.
    const QString suppressions = work.filePath(QStringLiteral("leaks.supp"));
    WriteBytes(suppressions, "leak:libdbus-1.so\n");
    WriteBytes(script,
               QStringLiteral("#!/bin/sh\n"
                              "export LSAN_OPTIONS=\"$LSAN_OPTIONS:suppressions=%6\"\n"
                              "QT_QPA_PLATFORM=xcb %1=1 '%2' "
                              "--gtest_filter=WindowFrameInChild.FrameTakes* >'%3' 2>&1\n"
                              "echo $? >'%4'\n"
                              "'%5' --exit\n")
                   .arg(QLatin1String(kUnderWindowManager), QCoreApplication::applicationFilePath(),
                        log, status, openbox, suppressions)
                   .toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess xvfb;
    xvfb.start(xvfbRun, {QStringLiteral("-a"), QStringLiteral("-s"),
                         QStringLiteral("-screen 0 1280x1024x24"), openbox,
                         QStringLiteral("--startup"), script});
    ASSERT_TRUE(xvfb.waitForFinished(120000));
    const QString output = QString::fromUtf8(ReadBytes(log));
    ASSERT_EQ(QString::fromUtf8(ReadBytes(status)).trimmed(), "0")
        << output.toStdString() << xvfb.readAllStandardError().toStdString();
    EXPECT_TRUE(output.contains(QLatin1String("[  PASSED  ] 1 test"))) << output.toStdString();
}
