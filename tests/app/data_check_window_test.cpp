#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTextBlock>

#include "app/data_check_list.h"
#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "test_support.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

using DataCheckWindow = WindowTest;

namespace {
QStringList FindingsListed(DataCheckList* box) {
    QStringList lines;
    for (int i = 0; i < box->List()->count(); ++i) {
        lines << box->List()->item(i)->text();
    }
    return lines;
}
}  // namespace

TEST_F(DataCheckWindow, MissingWeightsAreExplainedAndCheckedFromTheDataPages) {
    WriteBytes(DataPath(kWeightsFileName), "Profile,Area\r\nPRF010,abc\r\n");
    Start();
    const QString why =
        QStringLiteral("the weight \"abc\" of PRF010 on line 2 of GGWeights.Dat is not a number");
    EXPECT_EQ(window_->GridCellTextAt(1, 1), "npd");
    const QString status = window_->StatusTextOf(StatusTopic::Rating);
    auto* statusText = Find<QLabel>("StatusText");
    EXPECT_TRUE(statusText->isVisible());
    // In the tab set's row, right of its tabs: the pages keep their height.
    auto* tabSet = Find<QTabBar>("TabSet1");
    EXPECT_EQ(statusText->parentWidget(), tabSet);
    EXPECT_GT(statusText->x(), tabSet->tabRect(tabSet->count() - 1).right());
    const QRect pages = Find<QWidget>("PageControl2")->geometry();
    EXPECT_EQ(status, QStringLiteral("No rating, outer frame: ") + why);
    EXPECT_EQ(Find<QLineEdit>("EditOF")->toolTip(), why);
    EXPECT_EQ(Find<QLineEdit>("EditOA")->toolTip(), status);
    EXPECT_EQ(Grid()->CellToolTip(1, 15), "");
    EXPECT_EQ(Find<QLineEdit>("EditVF")->toolTip(), "PRF020 has no line in GGWeights.Dat");

    // Checked from the weights page, the box lists the findings by line and the window stays
    // usable.
    window_->AAAClick(nullptr);
    Find<PageControl>("PageControl1")->SetActivePage(Find<QWidget>("TabSheet2"));
    QTest::mouseClick(Find<QPushButton>("ButtonCheckWeights"), Qt::LeftButton);
    auto* box = Find<DataCheckList>("DataCheckBox");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    const QStringList lines = FindingsListed(box);
    EXPECT_EQ(lines.first(),
              "GGWeights.Dat:2: PRF010 has the weight \"abc\", which is not a number; it counts "
              "as 0");
    // Every finding is listed, none left out.
    EXPECT_GT(lines.size(), 25);
    box->hide();

    // Mended weights rate again and the status text gives the headroom instead; a save of
    // clean tables shows nothing.
    Memo("Memo1")->setPlainText(BuiltInWeightsTable());
    EXPECT_EQ(window_->GridCellTextAt(1, 1), "A");
    EXPECT_EQ(window_->StatusTextOf(StatusTopic::Rating),
              "0.698 kg/m: A+, no lighter band rates better; A from 0.9 \u2014 best possible");
    EXPECT_EQ(Grid()->CellToolTip(1, 15),
              "0.698 kg/m: A+, no lighter band rates better; A from 0.9");
    QCoreApplication::processEvents();
    EXPECT_EQ(Find<QWidget>("PageControl2")->geometry(), pages);
    EXPECT_EQ(Find<QLineEdit>("EditOF")->toolTip(), "");
    QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    // A save of a faulty table still writes it, then lists what is wrong.
    Memo("Memo1")->setPlainText(QStringLiteral("Profile,Area\nPRF010,1\nPRF010,2\n"));
    QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(ReadBytes(DataPath(kWeightsFileName)), "Profile,Area\r\nPRF010,1\r\nPRF010,2\r\n");
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(
        FindingsListed(box).first(),
        "GGWeights.Dat:3: PRF010 has two weights: 1 on line 2 and 2 on line 3; line 3 counts");
}

TEST_F(DataCheckWindow, AFindingShowsItsLineAndAZeroByteCutIsNamedUntilSaved) {
    // A zero byte at the start of line 34: the built-in table's last 110 lines are not read.
    QByteArray weights = FileBytesOfTableText(BuiltInWeightsTable());
    qsizetype at = 0;
    for (int line = 1; line < 34; ++line) {
        at = weights.indexOf('\n', at) + 1;
    }
    weights.insert(at, '\0');
    WriteBytes(DataPath(kWeightsFileName), weights);
    Start();
    window_->AAAClick(nullptr);
    QTest::mouseClick(Find<QPushButton>("ButtonCheckWeights"), Qt::LeftButton);
    auto* box = Find<DataCheckList>("DataCheckBox");
    ASSERT_NE(box, nullptr);
    QListWidget* list = box->List();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
    ASSERT_EQ(list->item(0)->text(),
              "GGWeights.Dat:34: the text after a zero byte is not read: 110 lines");

    // A double-click shows the weights page at the line named; nothing of the table changes.
    auto* pages = Find<PageControl>("PageControl1");
    pages->SetActivePage(Find<QWidget>("TabSheet9"));
    // As a window system sends a double-click: a click, then the second press.
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(pages->ActivePage(), Find<QWidget>("TabSheet2"));
    QPlainTextEdit* weightsMemo = Find<QPlainTextEdit>("Memo1");
    EXPECT_EQ(weightsMemo->textCursor().blockNumber(), 33);
    EXPECT_FALSE(weightsMemo->document()->isModified());

    // Enter on a catalogue finding selects its whole line on the system page; the list stays.
    int row = 0;
    while (row < list->count() && !list->item(row)->text().startsWith("GGSystem.Dat:")) {
        ++row;
    }
    ASSERT_LT(row, list->count());
    const int line = list->item(row)->text().section(QLatin1Char(':'), 1, 1).toInt();
    list->setCurrentRow(row);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(pages->ActivePage(), Find<QWidget>("TabSheet5"));
    QPlainTextEdit* systemMemo = Find<QPlainTextEdit>("MemoSystem");
    EXPECT_EQ(systemMemo->textCursor().blockNumber(), line - 1);
    EXPECT_EQ(systemMemo->textCursor().selectedText(),
              systemMemo->document()->findBlockByNumber(line - 1).text());
    EXPECT_TRUE(box->isVisible());

    // A save writes the table whole and says where; the cut is then no longer found.
    QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(ReadBytes(DataPath(kWeightsFileName)).contains('\0'));
    EXPECT_EQ(window_->StatusTextOf(StatusTopic::DataFiles),
              QStringLiteral("Saved GGWeights.Dat in %1")
                  .arg(QDir::toNativeSeparators(QDir(folder_.path()).absolutePath())));
    EXPECT_FALSE(FindingsListed(box).first().contains("zero byte"));
}

TEST_F(DataCheckWindow, AVeryFaultyTableListsTenThousandFindingsAndCountsTheRest) {
    QByteArray weights = "Profile,Area\r\n";
    for (int i = 0; i < 10005; ++i) {
        weights += "X" + QByteArray::number(i) + "\r\n";  // no comma: no weight
    }
    WriteBytes(DataPath(kWeightsFileName), weights);
    Start();
    window_->ButtonCheckClick(nullptr);
    QListWidget* list = Find<DataCheckList>("DataCheckBox")->List();
    ASSERT_EQ(list->count(), 10001);
    EXPECT_TRUE(list->item(10000)->text().startsWith("... and "));
    EXPECT_EQ(list->item(10000)->flags(), Qt::NoItemFlags);
}

TEST_F(DataCheckWindow, FindingsInTheTablesReadAtStartAreCountedOnceInTheStatusText) {
    // The built-in tables: nothing to say.
    Start();
    QTest::qWait(50);
    EXPECT_EQ(window_->StatusTextOf(StatusTopic::DataCheck), "");
    window_.reset();

    // Pelvanor 55's vent frame typed with a decimal comma, and a new code's weight too.
    WriteTableFile(DataPath(kWeightsFileName),
                   QString(BuiltInWeightsTable()).replace("PRF120,1.1637", "PRF120,1,1637") +
                       QStringLiteral("PRF920,0,95\n"));
    WriteTableFile(DataPath(kSystemFileName),
                   BuiltInSystemCatalogue() +
                       QStringLiteral("Pelvanor 99,0.00\nPRF110\nPRF120\nPRF130\nXX\n"));
    Start();
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return !window_->StatusTextOf(StatusTopic::DataCheck).isEmpty(); }));
    EXPECT_EQ(window_->StatusTextOf(StatusTopic::DataCheck),
              "3 findings in the tables: Ctrl+F11, then Check");
    // Nothing else changes: the data pages stay hidden, no box shows.
    EXPECT_FALSE(Find<PageControl>("PageControl1")->TabBar()->isTabVisible(1));
    EXPECT_EQ(window_->findChild<DataCheckList*>("DataCheckBox"), nullptr);
    // The check itself tells them in full, and the count goes.
    window_->ButtonCheckClick(nullptr);
    EXPECT_EQ(FindingsListed(window_->findChild<DataCheckList*>("DataCheckBox")).size(), 3);
    EXPECT_EQ(window_->StatusTextOf(StatusTopic::DataCheck), "");
}
