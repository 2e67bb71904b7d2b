// The weights table's text followed edit by edit must always equal what the editor holds.
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

#include <functional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "widgets/widgets.h"

TEST(EditorText, FollowsEveryKindOfEdit) {
    QPlainTextEdit memo;
    memo.setPlainText(QStringLiteral("Profile,Area\nPRF010,0.698112\n"));
    const EditorText text(&memo);
    auto cursorAt = [&memo](int position, int anchor) {
        QTextCursor cursor(memo.document());
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        return cursor;
    };
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"type at the end", [&] { cursorAt(29, 29).insertText(QStringLiteral("PRF020,0.7")); }},
        {"type a line break", [&] { cursorAt(5, 5).insertText(QStringLiteral("\n")); }},
        {"delete across lines", [&] { cursorAt(20, 3).removeSelectedText(); }},
        {"paste several lines",
         [&] { cursorAt(2, 2).insertText(QStringLiteral("A,1\nB,2\n\nC\u00A0,3")); }},
        {"undo", [&] { memo.undo(); }},
        {"redo", [&] { memo.redo(); }},
        {"keys", [&] { QTest::keyClicks(&memo, QStringLiteral("QMT55,1")); }},
        {"select all and delete",
         [&] { cursorAt(memo.document()->characterCount() - 1, 0).removeSelectedText(); }},
        {"replace the whole text", [&] { memo.setPlainText(QStringLiteral("X,1\r\nY,2")); }},
        {"empty the text", [&] { memo.clear(); }},
        {"text ending in a line break", [&] { memo.setPlainText(QStringLiteral("Z,3\n")); }},
    };
    for (const auto& [name, edit] : edits) {
        edit();
        EXPECT_EQ(text.Text().toString(), memo.document()->toRawText()) << name;
    }
}
