#include "widgets/command_keys.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWidget>

namespace {

// The keys a text field keeps even where a command has them too.
bool EditsText(const QKeyEvent* key) {
    static const QKeySequence::StandardKey kEditingKeys[] = {
        QKeySequence::Copy,
        QKeySequence::Cut,
        QKeySequence::Paste,
        QKeySequence::Undo,
        QKeySequence::Redo,
        QKeySequence::SelectAll,
        QKeySequence::Delete,
        QKeySequence::Backspace,
        QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord,
        QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteCompleteLine,
    };
    for (const QKeySequence::StandardKey editing : kEditingKeys) {
        if (key->matches(editing)) {
            return true;
        }
    }
    return false;
}

bool IsTextField(QObject* widget) {
    return qobject_cast<QLineEdit*>(widget) != nullptr ||
           qobject_cast<QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<QTextEdit*>(widget) != nullptr ||
           qobject_cast<QAbstractSpinBox*>(widget) != nullptr;
}

// Watches the application's key overrides, which Qt asks for only for a key that is some
// shortcut's: a text field of the window takes the keys that edit text, and no control of the
// window takes any other, so that its command runs.
class CommandKeys : public QObject {
public:
    explicit CommandKeys(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) {
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (widget == nullptr || widget->window() != window_) {
            return false;
        }
        if (EditsText(key)) {
            if (!IsTextField(widget)) {
                return false;
            }
            event->accept();
            return true;
        }
        event->ignore();
        return true;
    }

private:
    QPointer<QWidget> window_;
};

}  // namespace

void GiveCommandKeysPrecedence(QWidget* window) {
    qApp->installEventFilter(new CommandKeys(window));
}
