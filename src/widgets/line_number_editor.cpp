#include "widgets/line_number_editor.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

#include <algorithm>

// The gutter is a child of the editor beside its viewport; it paints what the editor tells it.
class LineNumberGutter : public QWidget {
public:
    explicit LineNumberGutter(LineNumberEditor* editor) : QWidget(editor), editor_(editor) {
        setObjectName(QStringLiteral("LineNumberGutter"));
    }
    QSize sizeHint() const override { return {editor_->GutterWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { editor_->PaintGutter(event); }

private:
    LineNumberEditor* editor_;
};

namespace {
// Room on either side of the numbers.
constexpr int kGutterPadding = 4;
}  // namespace

LineNumberEditor::LineNumberEditor(QWidget* parent)
    : QPlainTextEdit(parent), gutter_(new LineNumberGutter(this)) {
    connect(this, &QPlainTextEdit::blockCountChanged, this, &LineNumberEditor::FitGutterWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, &LineNumberEditor::FollowUpdate);
    FitGutterWidth();
}

int LineNumberEditor::GutterWidth() const {
    int digits = 1;
    for (int count = std::max(1, blockCount()); count >= 10; count /= 10) {
        ++digits;
    }
    // At least three digits, so that the text does not shift as a short table grows.
    return 2 * kGutterPadding +
           fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(3, digits);
}

void LineNumberEditor::FitGutterWidth() {
    const int width = GutterWidth();
    if (width != viewportMargins().left()) {
        setViewportMargins(width, 0, 0, 0);
    }
}

void LineNumberEditor::FollowUpdate(const QRect& rect, int dy) {
    if (dy != 0) {
        gutter_->scroll(0, dy);
    } else {
        gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    }
}

void LineNumberEditor::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect inside = contentsRect();
    gutter_->setGeometry(inside.left(), inside.top(), GutterWidth(), inside.height());
}

void LineNumberEditor::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        FitGutterWidth();
        const QRect inside = contentsRect();
        gutter_->setGeometry(inside.left(), inside.top(), GutterWidth(), inside.height());
    }
}

void LineNumberEditor::PaintGutter(QPaintEvent* event) {
    QPainter painter(gutter_);
    painter.fillRect(event->rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.setFont(font());
    // Only the blocks in view: a long table costs no more than a short one.
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int lineHeight = fontMetrics().height();
    const int numberWidth = gutter_->width() - kGutterPadding;
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= event->rect().top()) {
            painter.drawText(0, top, numberWidth, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        }
        block = block.next();
        top = bottom;
    }
}

void SelectEditorLine(QPlainTextEdit* editor, int line) {
    QTextDocument* const document = editor->document();
    QTextBlock block = document->findBlockByNumber(std::clamp(line, 0, document->blockCount() - 1));
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->centerCursor();
}
