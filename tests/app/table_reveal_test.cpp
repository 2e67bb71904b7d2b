// The data pages' memos are filled only when first revealed; until then, and after, the window
// must read, rate and save exactly what was loaded.
#include <QPushButton>
#include <QTabBar>

#include "data/data_files.h"
#include "data/table_fields.h"
#include "test_support.h"
#include "widgets/table_memo.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

namespace {

// The rating as the window shows it.
struct Shown {
    QString column, weight, outerFrame, ventFrame, grid;
    bool operator==(const Shown& other) const {
        return column == other.column && weight == other.weight && outerFrame == other.outerFrame &&
               ventFrame == other.ventFrame && grid == other.grid;
    }
};

}  // namespace

class TableReveal : public WindowTest {
protected:
    // The memo as it is, not revealed as Memo() would.
    QPlainTextEdit* RawMemo(const char* name) const { return Find<QPlainTextEdit>(name); }
    TableText* Table(const char* name) const { return TableText::Of(RawMemo(name)); }
    Shown Rating() const {
        return {EditText("Edit1"), EditText("EditOA"), EditText("EditOF"), EditText("EditVF"),
                window_->GridCellTextAt(1, 15)};
    }
    // Ctrl+F11 and a click on the page's tab, as the user reveals a data page.
    void RevealPage(int index) {
        window_->AAAClick(nullptr);
        auto* pages = Find<PageControl>("PageControl1");
        QTest::mouseClick(pages->TabBar(), Qt::LeftButton, {},
                          pages->TabBar()->tabRect(index).center());
    }
};

TEST_F(TableReveal, RevealedMemoHoldsTheLoadedTextAndRatesTheSame) {
    // No final line break, a lone CR, a no-break space and a long tail of lines.
    QByteArray file = "Profile,Area\r\nPRF010,1.3\rPRF020,0.9\r\n\r\nXYZ\xA0,1\r\n";
    for (int i = 0; i < 5000; ++i) {
        file += "XYZ" + QByteArray::number(i) + ",1.5\r\n";
    }
    file += "PRF030,0.8";
    WriteBytes(DataPath(kWeightsFileName), file);
    const QString loaded = ReadTableFile(DataPath(kWeightsFileName));
    Start();
    EXPECT_FALSE(Table("Memo1")->Filled());
    EXPECT_TRUE(RawMemo("Memo1")->document()->isEmpty());
    EXPECT_EQ(Table("Memo1")->PlainText(), loaded);
    const Shown atStart = Rating();
    EXPECT_EQ(atStart.outerFrame, "1.3");
    EXPECT_EQ(atStart.column, "6");
    EXPECT_EQ(window_->PreviewRefreshCount(), 1);

    // Saved before it is revealed: the bytes of the text that was loaded.
    QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
    const QByteArray savedBefore = ReadBytes(DataPath(kWeightsFileName));
    EXPECT_EQ(savedBefore, FileBytesOfTableText(loaded));

    RevealPage(1);
    EXPECT_TRUE(Table("Memo1")->Filled());
    EXPECT_EQ(MemoText(RawMemo("Memo1")), loaded);
    EXPECT_FALSE(RawMemo("Memo1")->document()->isModified());
    EXPECT_EQ(Find<QPushButton>("Button1")->text(), "&Save");
    // Revealing is no change: nothing is recalculated, and it rates as before.
    EXPECT_EQ(window_->PreviewRefreshCount(), 1);
    EXPECT_EQ(Rating(), atStart);
    QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(ReadBytes(DataPath(kWeightsFileName)), savedBefore);
    EXPECT_FALSE(Table("MemoSystem")->Filled());
}

TEST_F(TableReveal, AnEditBeforeAndAfterRevealingRatesTheSame) {
    const QString edits[] = {
        QStringLiteral("Profile,Area\nPRF010,1.6\nPRF020,0.5\n"),
        QStringLiteral("Profile,Area\nPRF010,0.7\r\nPRF020,1.1"),
        QStringLiteral("Profile,Area\n"),
    };
    for (const QString& edit : edits) {
        Start();
        Table("Memo1")->SetText(edit);
        ASSERT_FALSE(Table("Memo1")->Filled());
        const Shown before = Rating();
        const int refreshes = window_->PreviewRefreshCount();
        window_.reset();

        Start();
        RevealPage(1);
        ASSERT_TRUE(Table("Memo1")->Filled());
        RawMemo("Memo1")->setPlainText(edit);
        EXPECT_EQ(Rating(), before) << edit.toStdString();
        EXPECT_EQ(window_->PreviewRefreshCount(), refreshes) << edit.toStdString();
        EXPECT_EQ(Table("Memo1")->PlainText(), TextAsEditorHoldsIt(edit));
        window_.reset();
    }
    // Made in the revealed memo, an edit of the catalogue refills the selectors as before.
    Start();
    Table("MemoSystem")->SetText(Table("MemoSystem")->PlainText().replace("PRF010", "PRF011"));
    const QString firstCode = Combo("ComboBox1")->currentText();
    window_.reset();
    Start();
    RevealPage(2);
    QPlainTextEdit* catalogue = RawMemo("MemoSystem");
    ASSERT_TRUE(Table("MemoSystem")->Filled());
    catalogue->setPlainText(MemoText(catalogue).replace("PRF010", "PRF011"));
    EXPECT_EQ(Combo("ComboBox1")->currentText(), firstCode);
    EXPECT_EQ(firstCode, "PRF011");
}
