#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include <deque>

#include "data/data_files.h"
#include "test_support.h"
#include "window_fixture.h"

namespace {

bool FrameRemembered() {
    return QSettings(QStringLiteral("VB and VBA Program Settings"), QStringLiteral("TarvexWER"))
        .contains(QStringLiteral("WindowFrame"));
}

}  // namespace

class Leaving : public WindowTest {
protected:
    void Edit(const char* table) {
        QPlainTextEdit* memo = Memo(table);
        memo->moveCursor(QTextCursor::End);
        memo->setFocus();
        QTest::keyClicks(memo, "X");
    }

public:
    // The ways out, as a user takes them.
    void ExitByMenu() { Find<QAction>("Exit1")->trigger(); }
    void ExitByCtrlQ() { QTest::keyClick(window_.get(), Qt::Key_Q, Qt::ControlModifier); }
    void CloseButton() { window_->close(); }
};

TEST_F(Leaving, EveryWayOutAsksOncePerTableAndRemembersOnlyAfterTheLastAnswer) {
    const QString weights = QStringLiteral("Save changes to GGWeights.Dat?");
    const QString system = QStringLiteral("Save changes to GGSystem.Dat?");
    using B = QMessageBox::StandardButton;
    struct Case {
        const char* name;
        void (Leaving::*leave)();
        std::vector<const char*> edited;
        std::deque<B> answers;
        QStringList asked;
        bool closes;
    };
    const Case cases[] = {
        {"menu, Discard", &Leaving::ExitByMenu, {"Memo1"}, {B::Discard}, {weights}, true},
        {"Ctrl+Q, Discard then Cancel",
         &Leaving::ExitByCtrlQ,
         {"Memo1", "MemoSystem"},
         {B::Discard, B::Cancel},
         {weights, system},
         false},
        {"Ctrl+Q, Save", &Leaving::ExitByCtrlQ, {"Memo1"}, {B::Save}, {weights}, true},
        {"close button, Cancel",
         &Leaving::CloseButton,
         {"MemoSystem"},
         {B::Cancel},
         {system},
         false},
        {"menu, nothing edited", &Leaving::ExitByMenu, {}, {}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(DataPath(kWeightsFileName));
        Start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        for (const char* table : c.edited) {
            Edit(table);
        }
        window_->activateWindow();
        EXPECT_EQ(Answering(c.answers, [&] { (this->*c.leave)(); }), c.asked);
        EXPECT_EQ(window_->isVisible(), !c.closes);
        // The window is remembered only once the program really ends.
        EXPECT_EQ(FrameRemembered(), c.closes);
        const bool saved = !c.answers.empty() && c.answers.front() == B::Save;
        EXPECT_EQ(QFileInfo::exists(DataPath(kWeightsFileName)), saved);
        window_.reset();
        QSettings(QStringLiteral("VB and VBA Program Settings"), QStringLiteral("TarvexWER"))
            .clear();
    }
}

TEST_F(Leaving, TheSessionsAnswerStandsForTheCloseThatFollowsAndOtherWorkIsAskedToo) {
    Start();
    int guardAsked = 0;
    bool guardLets = false;
    window_->AddUnsavedWorkGuard([&] {
        ++guardAsked;
        return guardLets;
    });
    Edit("Memo1");
    // The schedule window's own question can stop the program after the tables' answers.
    const QString weights = QStringLiteral("Save changes to GGWeights.Dat?");
    EXPECT_EQ(Answering({QMessageBox::Discard}, [&] { EXPECT_FALSE(window_->ConfirmLeaving()); }),
              QStringList{weights});
    EXPECT_EQ(guardAsked, 1);
    EXPECT_FALSE(FrameRemembered());
    // As the session ending asks; an edit after the answer needs a new one.
    guardLets = true;
    for (int round = 0; round < 2; ++round) {
        if (round == 1) {
            Edit("Memo1");
        }
        EXPECT_EQ(
            Answering({QMessageBox::Discard}, [&] { EXPECT_TRUE(window_->ConfirmLeaving()); }),
            QStringList{weights});
        EXPECT_TRUE(FrameRemembered());
    }
    EXPECT_EQ(guardAsked, 3);
    // The close that follows the answer asks nothing more.
    EXPECT_EQ(Answering({}, [&] { EXPECT_TRUE(window_->close()); }), QStringList{});
    EXPECT_EQ(guardAsked, 3);
}

TEST_F(Leaving, ExitEndsTheProgramWhileAnotherWindowIsOpen) {
    Start();
    // Another window of the program, such as the schedule, still open and unparented.
    QWidget other;
    other.show();
    int guardAsked = 0;
    window_->AddUnsavedWorkGuard([&] { return ++guardAsked > 0; });
    QTimer::singleShot(0, [this] { ExitByMenu(); });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    QObject::connect(&failsafe, &QTimer::timeout, [] { QApplication::exit(1); });
    failsafe.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(guardAsked, 1);
    // The other window was not closed one by one: its work was asked about with the rest.
    EXPECT_TRUE(other.isVisible());
}
