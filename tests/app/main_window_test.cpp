#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>

#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "data/table_fields.h"
#include "platform/program_error.h"
#include "test_support.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

namespace {

// A small catalogue of two systems, each block of five lines.
const QByteArray kTwoSystems =
    "Alpha 10,0.00\r\nA1,A2F,A3\r\nV1,V2\r\nT1\r\nXX\r\n"
    "Beta 20,0.01\r\nB1\r\nW1\r\nU1,U2\r\nXXX\r\n";

}  // namespace

using MainWindow = WindowTest;

TEST_F(MainWindow, StartsWithTheBuiltInTablesAndTheFirstSystem) {
    Start();
    EXPECT_EQ(window_->windowTitle(), "BRE Green Guide");
    QComboBox* systems = Combo("ComboBox5");
    EXPECT_EQ(systems->count(), 14);
    EXPECT_EQ(systems->currentText(), "Pelvanor 47,0.01");
    EXPECT_EQ(Combo("ComboBox1")->currentText(), "PRF010");
    EXPECT_EQ(Combo("ComboBox2")->currentText(), "PRF020");
    EXPECT_EQ(Combo("ComboBox3")->currentText(), "PRF020");
    EXPECT_TRUE(Find<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_EQ(EditText("EditOF"), "0.698112");
    EXPECT_EQ(EditText("EditVF"), "0.71928");
    EXPECT_EQ(EditText("EditOA"), "0.698");
    EXPECT_EQ(EditText("Edit1"), "4");
    EXPECT_EQ(Grid()->RowCount(), 16);
    EXPECT_EQ(window_->GridCellTextAt(1, 1), "A");
    EXPECT_EQ(window_->GridCellTextAt(1, 14), "100");
    EXPECT_EQ(window_->GridCellTextAt(1, 15), "A+");
    // The data pages and the weight fields are hidden; the views show without tab strips.
    auto* pages = Find<PageControl>("PageControl1");
    for (int i = 0; i < pages->PageCount(); ++i) {
        EXPECT_FALSE(pages->TabVisible(i));
    }
    EXPECT_FALSE(pages->TabBar()->isVisible());
    EXPECT_EQ(pages->ActivePage()->objectName(), "TabSheet9");
    auto* views = Find<PageControl>("PageControl2");
    EXPECT_EQ(views->ActivePage()->objectName(), "TabSheet7");
    EXPECT_FALSE(views->TabBar()->isVisible());
    for (const char* edit : {"EditOA", "EditOF", "EditVF", "EditTM", "Edit1"}) {
        EXPECT_FALSE(Find<QLineEdit>(edit)->isVisible()) << edit;
    }
    EXPECT_FALSE(Find<QPushButton>("Button12")->isVisible());
    EXPECT_EQ(Find<QTabBar>("TabSet1")->currentIndex(), 0);
    // Nothing is written at start.
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(MainWindow, LayoutHasEveryControlWhereDesigned) {
    Start();
    struct Placed {
        const char* name;
        QRect geometry;
    };
    const Placed placed[] = {
        {"Image12", {4, 4, 48, 20}},         {"ComboBox5", {12, 28, 213, 36}},
        {"ComboBox1", {232, 28, 113, 36}},   {"ComboBox2", {348, 28, 113, 36}},
        {"ComboBox3", {464, 28, 113, 36}},   {"EditOA", {170, 8, 50, 19}},
        {"EditOF", {292, 8, 50, 19}},        {"EditVF", {408, 8, 50, 19}},
        {"EditTM", {524, 8, 50, 19}},        {"RadioButton1", {32, 72, 113, 17}},
        {"RadioButton2", {32, 88, 113, 17}}, {"Button1", {16, 8, 75, 25}},
        {"Button2", {16, 8, 75, 25}},        {"Image1", {0, 0, 417, 580}},
        {"Image3", {16, 5, 312, 99}},        {"MemoSim", {8, 20, 113, 45}},
        {"MemoPro", {8, 88, 113, 45}},       {"MemoDate", {8, 156, 113, 21}},
        {"ButtonPrint", {56, 192, 75, 25}},
    };
    for (const Placed& p : placed) {
        QWidget* widget = Find<QWidget>(p.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), p.geometry) << p.name;
    }
    const std::pair<const char*, const char*> captions[] = {
        {"Label5", "Window Specification"},
        {"Label15", "Outer Frame"},
        {"Label12", "Vent Frame"},
        {"Label10", "Transom Mullion"},
        {"Label2", "BRE Green Guide Environmental Profile:"},
        {"Label9", "BRE Green Guide Rating"},
        {"Label36", "Company"},
        {"Label20", "Project"},
        {"Label21", "Date"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Find<QLabel>(name)->text(), QString::fromLatin1(caption)) << name;
    }
    EXPECT_EQ(Find<QRadioButton>("RadioButton1")->text(), "Commercial");
    EXPECT_EQ(Find<QRadioButton>("RadioButton2")->text(), "Domestic");
    EXPECT_EQ(Find<QPushButton>("ButtonPrint")->text(), "&Print");
    EXPECT_EQ(Find<QPushButton>("Button1")->text(), "&Save");
    EXPECT_EQ(Find<QPushButton>("Button2")->text(), "&Save");
    EXPECT_EQ(Find<QWidget>("Panel1")->width(), 440);
    EXPECT_EQ(Find<QWidget>("Panel15")->height(), 25);
    EXPECT_EQ(Find<QWidget>("ScrollBox3")->height(), 120);
    EXPECT_EQ(Find<QWidget>("TabSet1")->height(), 21);
    EXPECT_TRUE(Memo("Memo2")->isReadOnly());
    EXPECT_EQ(Memo("Memo1")->lineWrapMode(), QPlainTextEdit::NoWrap);
    auto* tabs = Find<QTabBar>("TabSet1");
    EXPECT_EQ(tabs->tabText(0), "BRE Green Guide");
    EXPECT_EQ(tabs->tabText(1), "Report");
    auto* pages = Find<PageControl>("PageControl1");
    EXPECT_EQ(pages->TabBar()->tabText(0), "Green Guide");
    EXPECT_EQ(pages->TabBar()->tabText(1), "Frame Weights");
    EXPECT_EQ(pages->TabBar()->tabText(2), "System Data");
    EXPECT_EQ(pages->TabBar()->tabText(3), "BRE Ratings");
    // The ratings table keeps its no-break space as the editor shows it.
    EXPECT_EQ(CsvField(LinesOfText(MemoText(Memo("Memo2")))[17], 0),
              QString::fromUtf8("Kg of CO2\u00A0eq. (60 years)"));
}

TEST_F(MainWindow, DataFilesBesideTheProgramReplaceTheBuiltInTables) {
    WriteBytes(DataPath(kSystemFileName), kTwoSystems);
    // Lone CR line breaks, as an old editor might leave them.
    WriteBytes(DataPath(kWeightsFileName), "Profile,Area\rA1,1.3\rV1,0.5\rT1,0.5\rB1,2\r");
    Start();
    QComboBox* systems = Combo("ComboBox5");
    ASSERT_EQ(systems->count(), 2);
    EXPECT_EQ(systems->itemText(0), "Alpha 10,0.00");
    EXPECT_EQ(Combo("ComboBox1")->count(), 2);
    EXPECT_EQ(Combo("ComboBox1")->itemText(1), "A3");
    EXPECT_EQ(EditText("EditOF"), "1.3");
    EXPECT_EQ(EditText("Edit1"), "6");
    EXPECT_EQ(LinesOfText(MemoText(Memo("Memo1"))).size(), 5);
}

TEST_F(MainWindow, CatalogueWithoutACompleteBlockLeavesTheSelectorsAsDesigned) {
    WriteBytes(DataPath(kSystemFileName), "Alpha 10,0.00\r\nA1\r\nV1\r\nT1\r\n");
    Start();
    EXPECT_EQ(Combo("ComboBox5")->count(), 0);
    for (const char* selector : {"ComboBox1", "ComboBox2", "ComboBox3"}) {
        EXPECT_EQ(Combo(selector)->count(), 1) << selector;
    }
    // The rating is still worked out: nothing is selected, so nothing is rated.
    EXPECT_EQ(EditText("Edit1"), "-1");
    EXPECT_EQ(EditText("EditOA"), "0.000");
    EXPECT_EQ(window_->GridCellTextAt(1, 3), "npd");
}

TEST_F(MainWindow, DuplicateHeadersTakeTheLaterBlocksLists) {
    WriteBytes(DataPath(kSystemFileName),
               "Same,0.00\r\nA1\r\nV1\r\nT1\r\nX\r\nSame,0.00\r\nB1,B2\r\nW1\r\nU1\r\nX\r\n");
    Start();
    EXPECT_EQ(Combo("ComboBox5")->count(), 2);
    EXPECT_EQ(Combo("ComboBox1")->itemText(0), "B1");
    EXPECT_EQ(Combo("ComboBox1")->count(), 2);
}

TEST_F(MainWindow, BadDataFilesNeverCrashTheStart) {
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("\x01\x02\xff\xfe\x00\x10garbage", 13),
        QByteArray("a\n\rb\n\rc\n\rd\n\re\n\r"),
        QByteArray(100000, 'P') + ",1\r\n",
    };
    for (const QByteArray& bytes : cases) {
        WriteBytes(DataPath(kSystemFileName), bytes);
        WriteBytes(DataPath(kWeightsFileName), bytes);
        Start();
        EXPECT_EQ(EditText("Edit1"), "-1");
        window_.reset();
    }
}

TEST_F(MainWindow, AnUnreadableDataFileStopsTheStartWithItsPath) {
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), DataPath(kWeightsFileName)));
    env_.programFolder = folder_.path() + QLatin1Char('/');
    try {
        TWER window(env_);
        FAIL() << "the window was made";
    } catch (const ProgramError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("Cannot open file ") + DataPath(kWeightsFileName));
    }
}

TEST_F(MainWindow, ChoosingASystemRefillsTheProfileSelectors) {
    WriteBytes(DataPath(kSystemFileName), kTwoSystems);
    WriteBytes(DataPath(kWeightsFileName),
               "Profile,Area\r\nA1,0.5\r\nA3,1.6\r\nB1,1.3\r\nV1,1\r\nT1,1\r\n");
    Start();
    Choose("ComboBox1", 1);
    EXPECT_EQ(EditText("EditOF"), "1.6");
    EXPECT_EQ(EditText("Edit1"), "7");
    Choose("ComboBox5", 1);
    EXPECT_EQ(Combo("ComboBox1")->currentText(), "B1");
    EXPECT_EQ(Combo("ComboBox3")->count(), 2);
    EXPECT_EQ(EditText("Edit1"), "6");
    // Back to the first system: its first entries again, not the earlier choice.
    Choose("ComboBox5", 0);
    EXPECT_EQ(Combo("ComboBox1")->currentText(), "A1");
    EXPECT_EQ(EditText("Edit1"), "4");
}

TEST_F(MainWindow, BuildingTypeButtonsRecalculate) {
    Start();
    QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
    EXPECT_EQ(EditText("EditOA"), "0.709");
    EXPECT_EQ(EditText("Edit1"), "1");
    EXPECT_EQ(window_->GridCellTextAt(1, 15), "A");
    QTest::mouseClick(Find<QRadioButton>("RadioButton1"), Qt::LeftButton);
    EXPECT_EQ(EditText("Edit1"), "4");
}

TEST_F(MainWindow, EditingTheWeightsTableRecalculatesAtEveryChange) {
    Start();
    QPlainTextEdit* weights = Memo("Memo1");
    // Thresholds: each weight on a band's edge belongs to the heavier band.
    const std::pair<const char*, const char*> commercial[] = {
        {"0.9", "5"}, {"1.25", "6"},  {"1.5", "7"},    {"1.75", "8"},
        {"0", "-1"},  {"-0.2", "-1"}, {"0.8999", "4"},
    };
    for (const auto& [weight, column] : commercial) {
        weights->setPlainText(QStringLiteral("Profile,Area\nPRF010,%1\n").arg(weight));
        EXPECT_EQ(EditText("Edit1"), column) << weight;
    }
    // Domestic: three weights of 0.88 give 0.88 exactly; 1.08 is the heaviest band.
    QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
    weights->setPlainText(QStringLiteral("Profile,Area\nPRF010,0.88\nPRF020,0.88\n"));
    EXPECT_EQ(EditText("EditOA"), "0.880");
    EXPECT_EQ(EditText("Edit1"), "2");
    weights->setPlainText(QStringLiteral("Profile,Area\nPRF010,1.08\nPRF020,1.08\n"));
    EXPECT_EQ(EditText("Edit1"), "3");
    // Deleting the vent frame's line unrates Domestic...
    weights->setPlainText(QStringLiteral("Profile,Area\nPRF010,1.08\n"));
    EXPECT_EQ(EditText("EditVF"), "");
    EXPECT_EQ(EditText("EditOA"), "0.000");
    EXPECT_EQ(EditText("Edit1"), "-1");
    // ...but not Commercial, which only a missing outer frame unrates.
    QTest::mouseClick(Find<QRadioButton>("RadioButton1"), Qt::LeftButton);
    EXPECT_EQ(EditText("Edit1"), "5");
    // A keystroke is a change too.
    weights->moveCursor(QTextCursor::End);
    weights->setFocus();
    QTest::keyClick(weights, Qt::Key_Return);
    QTest::keyClicks(weights, "PRF010,2");
    EXPECT_EQ(EditText("EditOF"), "2");
    EXPECT_EQ(EditText("Edit1"), "8");
}

TEST_F(MainWindow, EditingTheCatalogueResetsTheSelectedSystemsProfiles) {
    Start();
    Choose("ComboBox1", 1);
    ASSERT_NE(Combo("ComboBox1")->currentIndex(), 0);
    QPlainTextEdit* catalogue = Memo("MemoSystem");
    catalogue->moveCursor(QTextCursor::End);
    catalogue->setFocus();
    QTest::keyClick(catalogue, Qt::Key_X);
    EXPECT_EQ(Combo("ComboBox1")->currentIndex(), 0);
    EXPECT_EQ(Combo("ComboBox1")->currentText(), "PRF010");
    // Renaming the selected system's header leaves the selectors as they are.
    Choose("ComboBox1", 1);
    QString text = MemoText(catalogue);
    text.replace(QStringLiteral("Pelvanor 47,0.01"), QStringLiteral("Pelvanor 48,0.01"));
    catalogue->setPlainText(text);
    EXPECT_EQ(Combo("ComboBox1")->currentIndex(), 1);
    EXPECT_EQ(Combo("ComboBox5")->currentText(), "Pelvanor 47,0.01");
}

TEST_F(MainWindow, SaveWritesTheTablesAndARestartReadsThemBack) {
    Start();
    QTest::mouseClick(Find<QPushButton>("Button2"), Qt::LeftButton);
    const QByteArray saved = ReadBytes(DataPath(kSystemFileName));
    EXPECT_EQ(saved, FileBytesOfTableText(BuiltInSystemCatalogue()));
    EXPECT_EQ(saved.count("\r\n"), 71);
    Memo("Memo1")->setPlainText(QStringLiteral("Profile,Area\nPRF010,1.3\nPRF020,\u00A01\n"));
    QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(ReadBytes(DataPath(kWeightsFileName)),
              QByteArray("Profile,Area\r\nPRF010,1.3\r\nPRF020,\xA0"
                         "1\r\n"));
    window_.reset();
    Start();
    EXPECT_EQ(MemoText(Memo("Memo1")),
              QStringLiteral("Profile,Area\nPRF010,1.3\nPRF020,\u00A01\n"));
    EXPECT_EQ(EditText("Edit1"), "6");
    EXPECT_EQ(MemoText(Memo("MemoSystem")), BuiltInSystemCatalogue());
}

TEST_F(MainWindow, AFailedSaveIsReportedAndLosesNothing) {
    Start();
    ASSERT_TRUE(QDir(folder_.path()).mkdir(kWeightsFileName));
    const QString before = MemoText(Memo("Memo1"));
    const QString message =
        MessageShownBy([this] { QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton); });
    EXPECT_EQ(message, QStringLiteral("Cannot create file ") + DataPath(kWeightsFileName) +
                           QStringLiteral("\nIs a directory"));
    EXPECT_EQ(MemoText(Memo("Memo1")), before);
    EXPECT_TRUE(QFileInfo(DataPath(kWeightsFileName)).isDir());
}
