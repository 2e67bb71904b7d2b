#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include "app/window_placement.h"
#include "data/data_files.h"
#include "documents/certificate_page.h"
#include "test_support.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

namespace {

QSettings Store() {
    return QSettings(QStringLiteral("VB and VBA Program Settings"), QStringLiteral("TarvexWER"));
}

}  // namespace

class Remembering : public WindowTest {
protected:
    // Closes the window as the user does, answering a question about unsaved tables with
    // answer; returns whether the window closed and, in asked, the questions put.
    bool CloseAnswering(QMessageBox::StandardButton answer, QStringList* asked) {
        auto* poll = new QTimer;
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, [asked, answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                *asked << box->text();
                box->button(answer)->click();
            }
        });
        poll->start();
        const bool closed = window_->close();
        delete poll;
        return closed;
    }
};

TEST_F(Remembering, ChoicesTextsAndFrameComeBackAtTheNextStart) {
    Start();
    Choose("ComboBox5", 2);
    Choose("ComboBox1", 1);
    QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
    Memo("MemoSim")->setPlainText(QStringLiteral("Acme Glazing\nNorth"));
    Memo("MemoPro")->setPlainText(QStringLiteral("Riverside School"));
    // A frame on the offscreen screen (800 x 600), above the window's smallest size.
    const QRect frame(20, 30, 760, 560);
    window_->move(frame.topLeft());
    window_->resize(frame.size() - (window_->frameGeometry().size() - window_->size()));
    const QString system = Combo("ComboBox5")->currentText();
    const QString outer = Combo("ComboBox1")->currentText();
    const QString weight = EditText("EditOA");
    ASSERT_TRUE(window_->close());
    window_.reset();

    Start();
    EXPECT_EQ(Combo("ComboBox5")->currentText(), system);
    EXPECT_EQ(Combo("ComboBox1")->currentText(), outer);
    EXPECT_TRUE(Find<QRadioButton>("RadioButton2")->isChecked());
    EXPECT_EQ(EditText("EditOA"), weight);
    EXPECT_EQ(MemoText(Memo("MemoSim")), "Acme Glazing\nNorth");
    EXPECT_EQ(MemoText(Memo("MemoPro")), "Riverside School");
    EXPECT_EQ(MemoText(Memo("MemoDate")), "");
    EXPECT_EQ(window_->frameGeometry(), frame);
}

TEST_F(Remembering, ValuesTheTablesNoLongerOfferAreIgnored) {
    Start();
    const int designedRefreshes = window_->PreviewRefreshCount();
    window_.reset();
    QSettings store = Store();
    store.setValue(QStringLiteral("LastSystem"), QStringLiteral("Withdrawn 9,0.00"));
    store.setValue(QStringLiteral("LastOuterFrame"), QStringLiteral("NOPE1"));
    store.setValue(QStringLiteral("LastBuildingType"), QStringLiteral("Industrial"));
    store.setValue(QStringLiteral("WindowFrame"), QStringLiteral("a,b,c,d"));
    store.sync();
    Start();
    EXPECT_EQ(Combo("ComboBox5")->currentIndex(), 0);
    EXPECT_EQ(Combo("ComboBox1")->currentText(), "PRF010");
    EXPECT_TRUE(Find<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_EQ(EditText("Edit1"), "4");
    // Nothing applied, nothing redrawn more than at a start with nothing remembered.
    EXPECT_EQ(window_->PreviewRefreshCount(), designedRefreshes);
    // The window is wholly on the free area of its screen.
    const QRect free = window_->screen()->availableGeometry();
    EXPECT_TRUE(free.contains(window_->frameGeometry()));
}

TEST_F(Remembering, AFrameShrunkToFitItsScreenIsNoChoiceOfTheUsers) {
    // The offscreen screen is narrower than the designed frame and smaller than the remembered.
    const QString remembered = QStringLiteral("100,50,2000,1500");
    struct Case {
        const char* name;
        QString before;
        QPoint moveTo;
        QSize resizeTo;
        QString after;
    };
    const Case cases[] = {
        {"designed, untouched", QString(), {}, {}, QStringLiteral("150,142,1060,667")},
        {"remembered, moved", remembered, {10, 20}, {}, QStringLiteral("10,20,2000,1500")},
        {"remembered, resized", remembered, {}, {760, 560}, QStringLiteral("100,50,760,560")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.before.isEmpty()) {
            Store().setValue(QStringLiteral("WindowFrame"), c.before);
        }
        Start();
        const QRect chosen = FrameOfText(c.before.isEmpty() ? FrameText(kDesignFrame) : c.before);
        ASSERT_EQ(window_->frameGeometry(),
                  FitFrameIntoArea(chosen, window_->screen()->availableGeometry()));
        ASSERT_NE(window_->frameGeometry().size(), chosen.size());
        if (!c.moveTo.isNull()) {
            window_->move(c.moveTo);
        }
        if (c.resizeTo.isValid()) {
            window_->resize(c.resizeTo - (window_->frameGeometry().size() - window_->size()));
        }
        ASSERT_TRUE(window_->close());
        window_.reset();
        EXPECT_EQ(Store().value(QStringLiteral("WindowFrame")).toString(), c.after);
        Store().clear();
    }
}

TEST_F(Remembering, ValuesLongerThanAFieldCanHoldAreIgnored) {
    const QString longest(kLongestFieldText, QLatin1Char('p'));
    QSettings store = Store();
    store.setValue(QStringLiteral("LastCompany"), longest + QLatin1Char('c'));
    store.setValue(QStringLiteral("LastProject"), longest);
    store.setValue(QStringLiteral("LastSystem"), longest + QLatin1Char('s'));
    store.setValue(QStringLiteral("WindowFrame"),
                   QString(kLongestFieldText, QLatin1Char(' ')) + QStringLiteral("10,20,700,500"));
    store.sync();
    Start();
    EXPECT_EQ(MemoText(Memo("MemoSim")), "");
    EXPECT_EQ(MemoText(Memo("MemoPro")), longest);
    EXPECT_EQ(Combo("ComboBox5")->currentIndex(), 0);
    EXPECT_EQ(window_->frameGeometry(),
              FitFrameIntoArea(kDesignFrame, window_->screen()->availableGeometry()));
}

TEST(WindowPlacement, FramesMoveThenShrinkIntoTheFreeArea) {
    struct Case {
        QRect frame, area, expected;
    };
    const Case cases[] = {
        // A 1366 x 768 laptop with a task bar: moved up.
        {kDesignFrame, {0, 0, 1366, 740}, {150, 73, 1060, 667}},
        {kDesignFrame, {0, 0, 1280, 1024}, kDesignFrame},
        // Too big: moved to the corner, then cut to the area.
        {kDesignFrame, {0, 0, 800, 600}, {0, 0, 800, 600}},
        {{-100, 10, 500, 400}, {0, 0, 1000, 800}, {0, 10, 500, 400}},
        {{900, 700, 500, 400}, {0, 0, 1000, 800}, {500, 400, 500, 400}},
        // A panel on the left and at the top of the screen.
        {{10, 0, 400, 300}, {60, 24, 1300, 744}, {60, 24, 400, 300}},
        {{10, 0, 2000, 300}, {60, 24, 1300, 744}, {60, 24, 1300, 300}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitFrameIntoArea(c.frame, c.area), c.expected);
    }
    EXPECT_EQ(FrameOfText(FrameText({-5, 7, 300, 200})), QRect(-5, 7, 300, 200));
    EXPECT_EQ(FrameOfText(QStringLiteral("10, 20,300,400")), QRect(10, 20, 300, 400));
    for (const char* bad : {"", "1,2,3", "a,b,c,d", "1,2,0,5", "1,2,-3,4", "1,2,3,4,5"}) {
        EXPECT_TRUE(FrameOfText(QString::fromLatin1(bad)).isEmpty()) << bad;
    }
}

TEST_F(Remembering, UnsavedTablesAreMarkedAndAskedAboutAtClose) {
    const QString weights = DataPath(kWeightsFileName);
    struct Case {
        QMessageBox::StandardButton answer;
        bool closes;
        bool saved;
    };
    const Case cases[] = {
        {QMessageBox::Cancel, false, false},
        {QMessageBox::Discard, true, false},
        {QMessageBox::Save, true, true},
    };
    for (const Case& c : cases) {
        QFile::remove(weights);
        Start();
        auto* pages = Find<PageControl>("PageControl1");
        EXPECT_EQ(pages->TabBar()->tabText(1), "Frame Weights");
        QPlainTextEdit* table = Memo("Memo1");
        table->moveCursor(QTextCursor::End);
        table->setFocus();
        QTest::keyClicks(table, "PRF999,1");
        EXPECT_EQ(pages->TabBar()->tabText(1), "Frame Weights*");
        EXPECT_EQ(Find<QPushButton>("Button1")->text(), "&Save*");
        EXPECT_EQ(pages->TabBar()->tabText(2), "System Data");
        QStringList asked;
        EXPECT_EQ(CloseAnswering(c.answer, &asked), c.closes) << c.answer;
        EXPECT_EQ(asked, QStringList{"Save changes to GGWeights.Dat?"});
        EXPECT_EQ(QFileInfo::exists(weights), c.saved) << c.answer;
        if (c.saved) {
            EXPECT_TRUE(ReadBytes(weights).endsWith("PRF999,1"));
            EXPECT_EQ(pages->TabBar()->tabText(1), "Frame Weights");
        }
        if (!c.closes) {
            EXPECT_TRUE(window_->isVisible());
            // Saving by the button clears the mark; then the window closes without a question.
            QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
            EXPECT_EQ(Find<QPushButton>("Button1")->text(), "&Save");
            asked.clear();
            EXPECT_TRUE(CloseAnswering(QMessageBox::Cancel, &asked));
            EXPECT_TRUE(asked.isEmpty());
        }
        window_.reset();
    }
}
