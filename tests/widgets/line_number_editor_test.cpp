// The gutter beside a table's editor reads it and changes nothing: the same text, the same
// change signals and the same undo steps as a plain memo, while it numbers the lines in view.
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include "widgets/line_number_editor.h"
#include "widgets/table_memo.h"
#include "widgets/widgets.h"

namespace {

// What a user and the program do to an editor, one step at a time.
const std::function<void(QPlainTextEdit&)> kSteps[] = {
    [](QPlainTextEdit& e) { e.setPlainText(QStringLiteral("Profile,Area\nPRF010,\u00A01.3\n")); },
    [](QPlainTextEdit& e) { QTest::keyClicks(&e, QStringLiteral("X1,2")); },
    [](QPlainTextEdit& e) { QTest::keyClick(&e, Qt::Key_Return); },
    [](QPlainTextEdit& e) { QTest::keyClick(&e, Qt::Key_Backspace); },
    [](QPlainTextEdit& e) { e.undo(); },
    [](QPlainTextEdit& e) { SelectEditorLine(&e, 1); },
    [](QPlainTextEdit& e) { e.setPlainText(QString(1200, QLatin1Char('\n'))); },
};

}  // namespace

TEST(LineNumberEditor, LeavesTheTextAndItsChangeSignalsAsAPlainMemoHasThem) {
    QPlainTextEdit plain;
    LineNumberEditor numbered;
    QPlainTextEdit* editors[] = {&plain, &numbered};
    std::vector<std::unique_ptr<QSignalSpy>> texts, contents;
    for (QPlainTextEdit* editor : editors) {
        editor->resize(300, 200);
        editor->show();
        texts.push_back(std::make_unique<QSignalSpy>(editor, &QPlainTextEdit::textChanged));
        contents.push_back(
            std::make_unique<QSignalSpy>(editor->document(), &QTextDocument::contentsChange));
    }
    for (std::size_t step = 0; step < std::size(kSteps); ++step) {
        for (QPlainTextEdit* editor : editors) {
            kSteps[step](*editor);
        }
        EXPECT_EQ(MemoText(&numbered), MemoText(&plain)) << step;
        EXPECT_EQ(numbered.document()->isModified(), plain.document()->isModified()) << step;
        EXPECT_EQ(texts[1]->count(), texts[0]->count()) << step;
        EXPECT_EQ(*contents[1], *contents[0]) << step;
    }
    // The text sits beside the gutter, which widens for four-digit line numbers.
    EXPECT_EQ(numbered.viewport()->x(), numbered.Gutter()->geometry().right() + 1);
    EXPECT_GT(numbered.GutterWidth(), LineNumberEditor().GutterWidth());
}

TEST(LineNumberEditor, NumbersTheLinesInViewAndSelectsANamedLine) {
    LineNumberEditor editor;
    editor.resize(300, 200);
    editor.setPlainText(QStringLiteral("a\nb\nc"));
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    const QImage gutter = editor.Gutter()->grab().toImage();
    const QRgb background = gutter.pixel(1, gutter.height() - 1);
    const int lineHeight = editor.fontMetrics().height();
    auto inked = [&](int top, int bottom) {
        for (int y = std::max(0, top); y < std::min(bottom, gutter.height()); ++y) {
            for (int x = 0; x < gutter.width(); ++x) {
                if (gutter.pixel(x, y) != background) {
                    return true;
                }
            }
        }
        return false;
    };
    // Three numbers, then nothing below the last line.
    EXPECT_TRUE(inked(0, 3 * lineHeight + 8));
    EXPECT_FALSE(inked(3 * lineHeight + 10, gutter.height()));
    // A line past the end selects the last; the selection is the whole line.
    SelectEditorLine(&editor, 1);
    EXPECT_EQ(editor.textCursor().selectedText(), "b");
    SelectEditorLine(&editor, 40);
    EXPECT_EQ(editor.textCursor().blockNumber(), 2);
    EXPECT_FALSE(editor.document()->isModified());
}
