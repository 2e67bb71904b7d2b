#include "about/form_abt.h"

#include <QtCore/qtestsupport_core.h>
#include <QtWidgets/qtestsupport_widgets.h>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

#include "data/contact_texts.h"
#include "platform/program_error.h"
#include "url_recorder.h"

namespace {

// Runs the event loop until the condition holds or the time is up; true when it holds.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qSleep(5);
    }
    return true;
}

// Shows the box modally and, once it is the active window, runs the script. A watchdog ends a
// box that the script failed to close with a result no handler of the box gives.
constexpr int kWatchdogResult = 99;

int RunModal(TFormAbt& box, const std::function<void()>& script) {
    QTimer::singleShot(0, &box, [&box, script] {
        if (QTest::qWaitForWindowActive(&box)) {
            script();
        }
    });
    QTimer::singleShot(5000, &box, [&box] {
        if (box.isVisible()) {
            box.done(kWatchdogResult);
        }
    });
    return box.ShowModal();
}

// A key pressed and released in the focused control. A key press sent by the program goes
// through the window's shortcuts first, as a typed one does.
void PressKey(Qt::Key key, const QString& text = QString()) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void TypeText(QWidget* target, const QString& text) {
    target->setFocus();
    for (const QChar ch : text) {
        PressKey(Qt::Key_unknown, QString(ch));
    }
}

// A press and release of the mouse button in the middle of the control.
void Click(QWidget* target, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF local = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

template <typename T>
T* Child(const TFormAbt& box, const char* name) {
    T* child = box.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// The panel's area within its border, where the controls sit.
QWidget* PanelClient(const TFormAbt& box) {
    auto* panel = box.findChild<QFrame*>(QStringLiteral("Panel1"));
    return panel == nullptr ? nullptr : panel->findChild<QWidget*>(QStringLiteral("Panel1Client"));
}

struct LabelRow {
    const char* name;
    QRect geometry;
    QString text;
    bool bold;
};

}  // namespace

class FormAbtTest : public ::testing::Test {
protected:
    ~FormAbtTest() override { box.hide(); }
    TFormAbt box;
};

TEST_F(FormAbtTest, WindowIsBuiltFromItsLayout) {
    EXPECT_EQ(box.objectName(), QStringLiteral("FormAbt"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(box.size(), QSize(488, 303));
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(box.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(box.windowIcon().isNull());
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(box.font().pixelSize(), 11);

    auto* panel = Child<QFrame>(box, "Panel1");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), box.rect());
    EXPECT_EQ(panel->frameShape(), QFrame::Box);
    EXPECT_EQ(panel->frameShadow(), QFrame::Plain);
    EXPECT_EQ(panel->lineWidth(), 1);
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(Qt::white));
    // Controls are placed within the border, which none of them covers.
    QWidget* client = PanelClient(box);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->geometry(), panel->rect().adjusted(1, 1, -1, -1));
    for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_FALSE(control->objectName().isEmpty());
    }
}

TEST_F(FormAbtTest, LabelsSitAtTheirPlacesWithTheirTexts) {
    const LabelRow rows[] = {
        {"Label6", {128, 312, 128, 13}, contact::kRatingBodyWebSite, false},
        {"Label9", {16, 312, 102, 13}, QStringLiteral("Green Guide Website"), false},
        {"Label5",
         {16, 296, 390, 13},
         QStringLiteral("Access to the Green Guide Online is free, but requires uses to register "
                        "prior to using"),
         false},
        {"Label4",
         {16, 280, 303, 13},
         QStringLiteral("Generic Environmental Profiles for ") + contact::kMakerCompany,
         false},
        {"Label3",
         {16, 264, 237, 13},
         QStringLiteral("BRE Green Guide Environmental Profile Calculator"),
         false},
        {"Label2", {112, 88, 26, 13}, QStringLiteral("Date:"), false},
        {"Label1", {112, 56, 38, 13}, QStringLiteral("Version:"), false},
        {"Label8", {120, 24, 245, 13}, contact::kMakerRightsNotice, true},
        {"Label7", {120, 8, 159, 13}, QStringLiteral("The Ratewell"), true},
    };
    QWidget* client = PanelClient(box);
    ASSERT_NE(client, nullptr);
    for (const LabelRow& row : rows) {
        auto* label = Child<QLabel>(box, row.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->parentWidget(), client) << row.name;
        EXPECT_EQ(label->text(), row.text) << row.name;
        EXPECT_EQ(label->pos(), row.geometry.topLeft()) << row.name;
        EXPECT_EQ(label->height(), row.geometry.height()) << row.name;
        // A label is at least as wide as laid out, and wide enough for all its text.
        EXPECT_GE(label->width(), row.geometry.width()) << row.name;
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(row.text)) << row.name;
        EXPECT_EQ(label->font().bold(), row.bold) << row.name;
        EXPECT_EQ(label->font().pixelSize(), 11) << row.name;
    }
}

TEST_F(FormAbtTest, PicturesEditsAndButtonSitAtTheirPlaces) {
    const std::pair<const char*, QRect> images[] = {
        {"Image2", {285, 0, 200, 209}},
        {"Image3", {8, 117, 288, 100}},
        {"Image1", {8, 0, 103, 45}},
    };
    for (const auto& [name, geometry] : images) {
        auto* image = Child<QLabel>(box, name);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->geometry(), geometry) << name;
        EXPECT_EQ(image->pixmap().size(), geometry.size()) << name;
    }
    auto* edit2 = Child<QLineEdit>(box, "Edit2");
    auto* edit1 = Child<QLineEdit>(box, "Edit1");
    auto* button = Child<QPushButton>(box, "Button1");
    ASSERT_TRUE(edit2 && edit1 && button);
    EXPECT_EQ(edit2->geometry(), QRect(176, 80, 121, 19));
    EXPECT_EQ(edit2->text(), QStringLiteral("01/09/2013"));
    EXPECT_FALSE(edit2->isReadOnly());
    EXPECT_EQ(edit1->geometry(), QRect(176, 56, 121, 19));
    EXPECT_EQ(edit1->text(), QStringLiteral("Version 1.0"));
    EXPECT_EQ(button->geometry(), QRect(344, 56, 75, 25));
    EXPECT_EQ(button->text(), QStringLiteral("OK"));
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
}

TEST_F(FormAbtTest, ControlsStackAsLaidOutBackToFront) {
    QWidget* client = PanelClient(box);
    ASSERT_NE(client, nullptr);
    QStringList order;
    for (QObject* child : client->children()) {
        if (child->isWidgetType()) {
            order << child->objectName();
        }
    }
    EXPECT_EQ(order.join(QLatin1Char(' ')),
              QStringLiteral("Image2 Label6 Label9 Label5 Label4 Label3 Image3 Label2 Label1 "
                             "Label8 Label7 Image1 Edit2 Edit1 Button1"));
}

TEST_F(FormAbtTest, WebLinkLooksLikeALink) {
    auto* link = Child<QLabel>(box, "Label6");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::UpArrowCursor);
}

TEST_F(FormAbtTest, TabGoesFromDateToVersionToOk) {
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    auto* edit2 = Child<QLineEdit>(box, "Edit2");
    auto* edit1 = Child<QLineEdit>(box, "Edit1");
    auto* button = Child<QPushButton>(box, "Button1");
    EXPECT_EQ(QApplication::focusWidget(), edit2);
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edit1);
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button);
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edit2);
}

TEST_F(FormAbtTest, SplashIsBorderlessAndHidesItselfAfterOneTick) {
    auto* timer = box.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);

    box.SetBorderless();
    box.StartSplash();
    EXPECT_TRUE(box.isVisible());
    EXPECT_FALSE(box.isModal());
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(WaitUntil([&] { return !box.isVisible(); }));
    EXPECT_FALSE(timer->isActive());

    // The timer ticked once: shown again, the box stays.
    box.show();
    QTest::qWait(1300);
    EXPECT_TRUE(box.isVisible());
}

TEST_F(FormAbtTest, BorderlessBoxShowsItsBottomLinesCentred) {
    box.SetBorderless();
    EXPECT_TRUE(box.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(box.width(), 488);
    EXPECT_GE(box.height(), 325);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));

    auto* panel = Child<QFrame>(box, "Panel1");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), box.rect());
    const QRect inside = panel->contentsRect();
    for (const char* name : {"Label6", "Label9"}) {
        auto* label = Child<QLabel>(box, name);
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(inside.contains(QRect(label->mapTo(panel, QPoint(0, 0)), label->size())))
            << name;
        EXPECT_EQ(label->visibleRegion().boundingRect(), label->rect()) << name;
    }

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_NEAR(box.geometry().center().x(), screen.center().x(), 1);
    EXPECT_NEAR(box.geometry().center().y(), screen.center().y(), 1);
}

TEST_F(FormAbtTest, EscapeClosesAModalBoxThroughItsHiddenMenu) {
    auto* close1 = box.findChild<QAction*>(QStringLiteral("Close1"));
    ASSERT_NE(close1, nullptr);
    EXPECT_EQ(close1->text(), QStringLiteral("Close"));
    EXPECT_EQ(close1->shortcut(), QKeySequence(Qt::Key_Escape));
    EXPECT_TRUE(box.actions().contains(close1));
    int triggered = 0;
    QObject::connect(close1, &QAction::triggered, [&triggered] { ++triggered; });

    box.SetBorderless();
    bool visibleBefore = false;
    const int result = RunModal(box, [&] {
        visibleBefore = box.isVisible() && box.isModal();
        PressKey(Qt::Key_Escape);
    });
    EXPECT_TRUE(visibleBefore);
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(triggered, 1);
}

TEST_F(FormAbtTest, EnterDoesNotCloseTheBoxButOkDoes) {
    auto* edit1 = Child<QLineEdit>(box, "Edit1");
    auto* button = Child<QPushButton>(box, "Button1");
    bool stillOpen = false;
    const int result = RunModal(box, [&] {
        PressKey(Qt::Key_Return);
        PressKey(Qt::Key_Enter);
        edit1->setFocus();
        PressKey(Qt::Key_Return);
        QTest::qWait(50);
        stillOpen = box.isVisible();
        Click(button);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(box.isVisible());
}

TEST_F(FormAbtTest, OkAndCloseHideAModelessBox) {
    auto* button = Child<QPushButton>(box, "Button1");
    auto* close1 = box.findChild<QAction*>(QStringLiteral("Close1"));
    ASSERT_TRUE(button && close1);
    box.show();
    Click(button);
    EXPECT_FALSE(box.isVisible());
    box.show();
    close1->trigger();
    EXPECT_FALSE(box.isVisible());
}

TEST_F(FormAbtTest, TypedTextStaysWhileTheBoxComesAndGoes) {
    QPointer<TFormAbt> guard(&box);
    auto* edit1 = Child<QLineEdit>(box, "Edit1");
    auto* edit2 = Child<QLineEdit>(box, "Edit2");
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    edit1->setFocus();
    edit1->selectAll();
    TypeText(edit1, QStringLiteral("Build 7"));
    edit2->setFocus();
    edit2->end(false);
    TypeText(edit2, QStringLiteral("x"));
    box.close();
    QCoreApplication::processEvents();
    ASSERT_FALSE(guard.isNull());
    EXPECT_FALSE(box.isVisible());

    const int result = RunModal(box, [&] { PressKey(Qt::Key_Escape); });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(edit1->text(), QStringLiteral("Build 7"));
    EXPECT_TRUE(edit2->text().endsWith(QLatin1Char('x')));
    EXPECT_EQ(edit2->text().size(), 11);
}

TEST_F(FormAbtTest, ModalShowingOfAVisibleBoxIsRefused) {
    box.SetBorderless();
    box.StartSplash();
    try {
        box.ShowModal();
        ADD_FAILURE() << "a visible box was shown modally";
    } catch (const ProgramError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("Cannot make a visible window modal"));
    }
    // The splash goes on as before and still hides itself.
    EXPECT_TRUE(box.isVisible());
    EXPECT_FALSE(box.isModal());
    EXPECT_TRUE(WaitUntil([&] { return !box.isVisible(); }));

    // Once it has hidden, the same box shows modally, still borderless.
    const int result = RunModal(box, [&] { PressKey(Qt::Key_Escape); });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(box.windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(FormAbtTest, WebLinkOpensTheRatingBodysSiteAndLeavesTheBoxOpen) {
    UrlRecorder recorder;
    auto* link = Child<QLabel>(box, "Label6");
    box.SetBorderless();
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    Click(link);
    // A right click is no click on the link.
    Click(link, Qt::RightButton);

    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened[0], QUrl(contact::kRatingBodyWebAddress));
    EXPECT_TRUE(box.isVisible());
}
