#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "test_support.h"
#include "window_fixture.h"

using StartUp = WindowTest;

TEST_F(StartUp, DataFilesLeadToOneRecalculationWhenTheWindowShows) {
    // Both tables come from their files; the weights file rates the first system's outer frame
    // heavier than the built-in table does.
    QString weights = BuiltInWeightsTable();
    weights.replace(QStringLiteral("PRF010,0.698112"), QStringLiteral("PRF010,1.3"));
    WriteBytes(DataPath(kWeightsFileName), FileBytesOfTableText(weights));
    WriteBytes(DataPath(kSystemFileName), FileBytesOfTableText(BuiltInSystemCatalogue()));
    Start();
    EXPECT_EQ(window_->PreviewRefreshCount(), 1);
    EXPECT_EQ(EditText("EditOF"), "1.3");
    EXPECT_EQ(EditText("Edit1"), "6");
    // Edits after the start recalculate at once, as before.
    Memo("Memo1")->setPlainText(BuiltInWeightsTable());
    EXPECT_EQ(EditText("Edit1"), "4");
    EXPECT_EQ(window_->PreviewRefreshCount(), 2);
}

TEST_F(StartUp, TheKeysWorkAtOnceOnTheSystemSelector) {
    Start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_EQ(focus, Combo("ComboBox5"));
    QTest::keyClick(focus, Qt::Key_Down);
    EXPECT_EQ(Combo("ComboBox5")->currentIndex(), 1);
    // The choice ran its handlers as a click would.
    EXPECT_EQ(window_->PreviewRefreshCount(), 2);
}
