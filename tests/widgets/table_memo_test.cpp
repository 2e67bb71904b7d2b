// A table's memo filled only when revealed must read, signal and edit as if it had been filled
// from the start.
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "widgets/table_memo.h"
#include "widgets/widgets.h"

TEST(TableText, HoldsTextAsTheEditorWouldHoldIt) {
    const QString texts[] = {
        QStringLiteral("Profile,Area\nPRF010,0.698112\n"),
        QStringLiteral("a\r\nb\rc\n\rd"),
        QStringLiteral("a\u2029b\u2028c\uFDD0d\uFDD1"),
        QStringLiteral("Kg of CO2\u00A0eq.\tx,\u20AC"),
        QStringLiteral("\n\n"),
        QString(),
    };
    for (const QString& text : texts) {
        QPlainTextEdit memo;
        memo.setPlainText(text);
        EXPECT_EQ(TextAsEditorHoldsIt(text), MemoText(&memo)) << text.toStdString();
    }
}

TEST(TableText, FillingIsNoChangeAndEditsAfterItAre) {
    QPlainTextEdit memo;
    const QString loaded = QStringLiteral("Profile,Area\nPRF010,\u00A01.3\nPRF020,2");
    TableText table(&memo, QStringLiteral("Profile,Area\n"));
    QSignalSpy changes(&table, &TableText::Changed);
    table.SetText(loaded);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_FALSE(table.Filled());
    EXPECT_TRUE(memo.document()->isEmpty());
    EXPECT_EQ(table.PlainText(), loaded);
    EXPECT_EQ(table.Text().toString(), loaded);

    EXPECT_EQ(table.Editor(), &memo);
    EXPECT_TRUE(table.Filled());
    EXPECT_EQ(changes.count(), 1);
    EXPECT_FALSE(memo.document()->isModified());
    EXPECT_FALSE(memo.document()->isUndoAvailable());
    EXPECT_EQ(MemoText(&memo), loaded);
    EXPECT_EQ(table.PlainText(), loaded);

    memo.moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo, QStringLiteral("5"));
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(table.PlainText(), loaded + QStringLiteral("5"));
    EXPECT_EQ(table.Text().toString().replace(QChar::ParagraphSeparator, QLatin1Char('\n')),
              loaded + QStringLiteral("5"));
    table.SetText(QStringLiteral("X,1"));
    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(MemoText(&memo), QStringLiteral("X,1"));
}

TEST(TableText, RevealedByShowingTypingOrSettingTheMemo) {
    QWidget window;
    auto* shown = new QPlainTextEdit(&window);
    auto* typed = new QPlainTextEdit(&window);
    auto* set = new QPlainTextEdit(&window);
    auto* hidden = new QPlainTextEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    for (QPlainTextEdit* memo : {shown, typed, set, hidden}) {
        layout->addWidget(memo);
    }
    typed->hide();
    set->hide();
    hidden->hide();
    TableText shownTable(shown, QStringLiteral("A,1\n"));
    TableText typedTable(typed, QStringLiteral("B,2"));
    TableText setTable(set, QStringLiteral("C,3"));
    TableText hiddenTable(hidden, QStringLiteral("D,4"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(shownTable.Filled());
    EXPECT_EQ(MemoText(shown), "A,1\n");

    // A key reaches the memo's text, not an empty editor.
    QTest::keyClick(typed, Qt::Key_Z);
    EXPECT_EQ(typedTable.PlainText(), "zB,2");
    // Setting the memo's text directly replaces the table and is its change.
    QSignalSpy changes(&setTable, &TableText::Changed);
    set->setPlainText(QStringLiteral("E,5"));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(setTable.PlainText(), "E,5");

    QTest::qWait(10);
    EXPECT_FALSE(hiddenTable.Filled());
    hidden->show();
    EXPECT_TRUE(hiddenTable.Filled());
    EXPECT_EQ(MemoText(hidden), "D,4");
    EXPECT_EQ(TableText::Of(hidden), &hiddenTable);
}
