#include "window_fixture.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include "widgets/table_memo.h"

namespace {
void ClearSettingsStore() {
    QSettings(QStringLiteral("VB and VBA Program Settings"), QStringLiteral("TarvexWER")).clear();
}
}  // namespace

void WindowTest::SetUp() {
    ClearSettingsStore();
}

void WindowTest::TearDown() {
    window_.reset();
    ClearSettingsStore();
}

void WindowTest::Start() {
    env_.programFolder = folder_.path() + QLatin1Char('/');
    env_.pictureBase = pictures_.filePath(QStringLiteral("Updates"));
    window_ = std::make_unique<TWER>(env_);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
}

QPlainTextEdit* WindowTest::Memo(const char* name) const {
    auto* memo = Find<QPlainTextEdit>(name);
    TableText* table = memo != nullptr ? TableText::Of(memo) : nullptr;
    return table != nullptr ? table->Editor() : memo;
}

void WindowTest::Choose(const char* selector, int index) {
    QComboBox* combo = Combo(selector);
    combo->setFocus();
    const int from = combo->currentIndex();
    const Qt::Key key = index > from ? Qt::Key_Down : Qt::Key_Up;
    for (int i = from; i != index; i += (index > from ? 1 : -1)) {
        QTest::keyClick(combo, key);
    }
    ASSERT_EQ(combo->currentIndex(), index);
}

void WindowTest::WithDialog(const std::function<void()>& action,
                            const std::function<void(QDialog*)>& answer) {
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            answer(dialog);
        }
    });
    poll.start();
    action();
}

QString WindowTest::MessageShownBy(const std::function<void()>& action) {
    auto text = std::make_shared<QString>();
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [text, poll] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->done(QMessageBox::Ok);
            poll->stop();
        }
    });
    poll->start();
    action();
    poll->stop();
    delete poll;
    return *text;
}

QStringList WindowTest::Answering(std::deque<QMessageBox::StandardButton> answers,
                                  const std::function<void()>& action) {
    QStringList asked;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&asked, &answers] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        asked << box->text();
        const auto answer = answers.empty() ? QMessageBox::Cancel : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        box->button(answer)->click();
    });
    poll.start();
    action();
    return asked;
}
