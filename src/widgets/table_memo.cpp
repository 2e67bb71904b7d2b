#include "widgets/table_memo.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWindow>

#include "widgets/widgets.h"

namespace {

// The marks at which a plain-text editor breaks a line, besides "\n" and CR.
bool IsEditorBreak(char16_t c) {
    return c == u'\u2029' || c == u'\u2028' || c == u'\uFDD0' || c == u'\uFDD1';
}

// Events by which the user reaches a memo: once one arrives, the memo must hold the table.
bool IsInput(QEvent::Type type) {
    switch (type) {
        case QEvent::FocusIn:
        case QEvent::KeyPress:
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

}  // namespace

QString TextAsEditorHoldsIt(const QString& text) {
    qsizetype first = 0;
    while (first < text.size() && text[first] != u'\r' && !IsEditorBreak(text[first].unicode())) {
        ++first;
    }
    if (first == text.size()) {
        return text;  // the usual case, a table read from a file: shared, not copied
    }
    QString held = text.first(first);
    held.reserve(text.size());
    for (qsizetype i = first; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r') {
            held += QLatin1Char('\n');
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
        } else {
            held += IsEditorBreak(c) ? QChar(u'\n') : QChar(c);
        }
    }
    return held;
}

TableText::TableText(QPlainTextEdit* memo, const QString& text)
    : QObject(memo), memo_(memo), held_(TextAsEditorHoldsIt(text)) {
    setObjectName(QStringLiteral("TableText"));
    memo_->installEventFilter(this);
    memo_->viewport()->installEventFilter(this);
    connect(memo_, &QPlainTextEdit::textChanged, this, &TableText::MemoTextChanged);
}

TableText* TableText::Of(const QPlainTextEdit* memo) {
    return memo->findChild<TableText*>(QStringLiteral("TableText"), Qt::FindDirectChildrenOnly);
}

void TableText::SetText(const QString& text) {
    if (Filled()) {
        memo_->setPlainText(text);  // its change signal is passed on
        return;
    }
    held_ = TextAsEditorHoldsIt(text);
    emit Changed();
}

QString TableText::PlainText() const {
    return Filled() ? MemoText(memo_) : held_;
}

QStringView TableText::Text() const {
    return Filled() ? follower_->Text() : QStringView(held_);
}

QPlainTextEdit* TableText::Editor() {
    Fill();
    return memo_;
}

void TableText::Fill() {
    if (Filled()) {
        return;
    }
    filling_ = true;
    memo_->setPlainText(held_);
    filling_ = false;
    follower_ = new EditorText(memo_);
    held_ = QString();
}

void TableText::FillIfStillShown() {
    if (memo_->isVisible()) {
        Fill();
    }
}

void TableText::MemoTextChanged() {
    if (filling_) {
        return;  // filling is no change of the table
    }
    if (!Filled()) {
        // The memo's text was set directly, which replaces the whole table: the memo holds it
        // from now on.
        follower_ = new EditorText(memo_);
        held_ = QString();
    }
    emit Changed();
}

bool TableText::eventFilter(QObject* watched, QEvent* event) {
    if (Filled()) {
        return false;
    }
    const QEvent::Type type = event->type();
    if (type == QEvent::Show && watched == memo_) {
        // Pages are shown once while their window is first being shown, before it settles on
        // the page it opens with: only a memo still shown after that is revealed.
        const QWindow* window = memo_->window()->windowHandle();
        if (window != nullptr && window->isVisible()) {
            Fill();
        } else {
            QTimer::singleShot(0, this, &TableText::FillIfStillShown);
        }
    } else if (IsInput(type) || type == QEvent::Paint) {
        Fill();
    }
    return false;
}
