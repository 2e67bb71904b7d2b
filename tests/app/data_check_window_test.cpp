#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>

#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "test_support.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

using DataCheckWindow = WindowTest;

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
    auto* box = Find<QMessageBox>("DataCheckBox");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    const QStringList lines = box->informativeText().split(QLatin1Char('\n'));
    EXPECT_EQ(lines.first(),
              "GGWeights.Dat:2: the weight \"abc\" of PRF010 is not a number; it counts as 0");
    EXPECT_TRUE(lines.last().startsWith(QLatin1String("... and "))) << lines.last().toStdString();
    box->hide();

    // Mended weights rate again and the status text gives the headroom instead; a save of
    // clean tables shows nothing.
    Memo("Memo1")->setPlainText(BuiltInWeightsTable());
    EXPECT_EQ(window_->GridCellTextAt(1, 1), "A");
    EXPECT_EQ(window_->StatusTextOf(StatusTopic::Rating),
              "0.698 kg/m: A+, no lighter band rates better; A from 0.9");
    EXPECT_EQ(Grid()->CellToolTip(1, 15), window_->StatusTextOf(StatusTopic::Rating));
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
    EXPECT_TRUE(box->informativeText().startsWith(
        QLatin1String("GGWeights.Dat:3: PRF010 weighs 2 here but 1 on line 2")));
}
