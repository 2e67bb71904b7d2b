#include "widgets/widgets.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>
#include <utility>

#include "widgets/accessible_widgets.h"

namespace {

// The body of a page control: the raised edge of a tab control's frame around its pages.
class PageBody : public QWidget {
public:
    explicit PageBody(QWidget* parent) : QWidget(parent) {
        setContentsMargins(PageControl::kPageInset, PageControl::kPageInset,
                           PageControl::kPageInset, PageControl::kPageInset);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        qDrawWinPanel(&painter, rect(), palette(), false);
    }
};

// Colours of a panel's bevel as the form toolkit draws it: button highlight and button shadow.
// Fixed here rather than set in the panel's palette, which its children would inherit.
const QColor kBevelLight(255, 255, 255);
const QColor kBevelShadow(128, 128, 128);

class BevelPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        if (frameShape() != QFrame::Panel) {
            return;
        }
        QPainter painter(this);
        const QRect r = rect();
        painter.setPen(kBevelLight);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(kBevelShadow);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
};

// Turns Ctrl+Tab (and Ctrl+Shift+Tab) in a memo into the plain key, which moves the focus.
class TabPasser : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!tab || !key->modifiers().testFlag(Qt::ControlModifier)) {
            return false;
        }
        QKeyEvent plain(QEvent::KeyPress, key->key(), key->modifiers() & ~Qt::ControlModifier);
        QApplication::sendEvent(watched, &plain);
        return true;
    }
};

}  // namespace

ImageWidget::ImageWidget(QWidget* parent) : QWidget(parent) {
    InstallAccessibleWidgets();
}

QImage& ImageWidget::Bitmap() {
    MakePendingDrawing();
    return bitmap_;
}

const QImage& ImageWidget::Bitmap() const {
    MakePendingDrawing();
    return bitmap_;
}

void ImageWidget::DrawWhenNeeded(std::function<void(QImage&)> draw) {
    pending_ = std::move(draw);
    update();
}

void ImageWidget::DrawWhenNeeded(int width, int height, std::function<void(QImage&)> draw) {
    DrawWhenNeeded([this, width, height, draw = std::move(draw)](QImage& bitmap) {
        SetBitmapSize(width, height);
        draw(bitmap);
    });
}

void ImageWidget::MakePendingDrawing() const {
    if (pending_) {
        const auto draw = std::move(pending_);
        pending_ = nullptr;
        draw(bitmap_);
    }
}

void ImageWidget::SetBitmapSize(int width, int height) {
    const qreal ratio = devicePixelRatio();
    const QSize pixels(qCeil(width * ratio), qCeil(height * ratio));
    if (bitmap_.size() == pixels && bitmap_.devicePixelRatio() == ratio) {
        return;
    }
    // A drawing not yet made would have been made on the bitmap now replaced.
    pending_ = nullptr;
    bitmap_ = QImage(pixels, QImage::Format_RGB32);
    bitmap_.setDevicePixelRatio(ratio);
    bitmap_.fill(Qt::white);
}

void ImageWidget::SetPicture(const QImage& picture) {
    pending_ = nullptr;
    bitmap_ = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

void ImageWidget::paintEvent(QPaintEvent*) {
    MakePendingDrawing();
    if (bitmap_.isNull()) {
        return;
    }
    QPainter painter(this);
    if (stretch_) {
        painter.drawImage(rect(), bitmap_);
    } else {
        painter.drawImage(0, 0, bitmap_);
    }
}

PageControl::PageControl(QWidget* parent)
    : QWidget(parent),
      tabs_(new QTabBar(this)),
      body_(new PageBody(this)),
      stack_(new QStackedWidget(body_)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(body_, 1);
    auto* bodyLayout = new QVBoxLayout(body_);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addWidget(stack_);
    tabs_->setDrawBase(true);
    tabs_->setExpanding(false);
    KeepScrollArrowsOutOfTabChain(tabs_);
    const auto showPage = [this](int index) {
        if (index >= 0) {
            stack_->setCurrentIndex(index);
            SyncTabBar();
        }
    };
    // A click, and the arrow keys or a screen reader's "press" on a tab, which only change the
    // current tab (the program's own changes of the tabs raise no signal).
    connect(tabs_, &QTabBar::tabBarClicked, this, showPage);
    connect(tabs_, &QTabBar::currentChanged, this, showPage);
}

void PageControl::AddPage(QWidget* page, const QString& caption) {
    stack_->addWidget(page);
    captions_ << caption;
    const bool blocked = tabs_->blockSignals(true);
    tabs_->addTab(caption);
    tabs_->blockSignals(blocked);
    SyncTabBar();
}

void PageControl::SetCaptionMark(QWidget* page, const QString& mark) {
    const int index = stack_->indexOf(page);
    if (index >= 0) {
        tabs_->setTabText(index, captions_[index] + mark);
    }
}

void PageControl::SetTabToolTip(QWidget* page, const QString& tip) {
    const int index = stack_->indexOf(page);
    if (index >= 0) {
        tabs_->setTabToolTip(index, tip);
    }
}

void PageControl::SetActivePage(QWidget* page) {
    stack_->setCurrentWidget(page);
    SyncTabBar();
}

void PageControl::SetTabVisible(int index, bool visible) {
    const bool blocked = tabs_->blockSignals(true);
    tabs_->setTabVisible(index, visible);
    tabs_->blockSignals(blocked);
    SyncTabBar();
}

void PageControl::SyncTabBar() {
    const bool blocked = tabs_->blockSignals(true);
    bool any = false;
    for (int i = 0; i < tabs_->count(); ++i) {
        any = any || tabs_->isTabVisible(i);
    }
    if (tabs_->isTabVisible(stack_->currentIndex())) {
        tabs_->setCurrentIndex(stack_->currentIndex());
    }
    tabs_->setVisible(any);
    tabs_->blockSignals(blocked);
}

QFrame* MakePanel(QWidget* parent, Bevel bevel) {
    auto* panel = new BevelPanel(parent);
    if (bevel == Bevel::Raised) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setLineWidth(1);
    } else {
        panel->setFrameStyle(QFrame::NoFrame);
    }
    return panel;
}

void KeepScrollArrowsOutOfTabChain(QTabBar* tabs) {
    for (QToolButton* arrow : tabs->findChildren<QToolButton*>()) {
        arrow->setFocusPolicy(Qt::NoFocus);
    }
}

void PassTabOn(QPlainTextEdit* memo) {
    memo->setTabChangesFocus(true);
    static TabPasser* const passer = new TabPasser(QCoreApplication::instance());
    memo->installEventFilter(passer);
}

EditorText::EditorText(QPlainTextEdit* memo)
    : QObject(memo),
      document_(memo->document()),
      text_(document_->toRawText() + QChar(QChar::ParagraphSeparator)) {
    connect(document_, &QTextDocument::contentsChange, this, &EditorText::Follow);
}

void EditorText::Follow(int position, int removed, int added) {
    const int count = document_->characterCount();
    // The document always ends with a paragraph separator that no cursor can select; a change
    // that reaches it (replacing the whole text does) gets it back here.
    const int selectable = std::min(position + added, count - 1);
    QString inserted;
    if (selectable > position) {
        QTextCursor cursor(document_);
        cursor.setPosition(position);
        cursor.setPosition(selectable, QTextCursor::KeepAnchor);
        inserted = cursor.selectedText();
    }
    if (position + added >= count) {
        inserted += QChar(QChar::ParagraphSeparator);
    }
    text_.replace(position, removed, inserted);
    if (text_.size() != count) {
        // A change reported in a way this does not follow: read the whole text again.
        text_ = document_->toRawText() + QChar(QChar::ParagraphSeparator);
    }
}

QString MemoText(const QPlainTextEdit* memo) {
    QString text = memo->document()->toRawText();
    // One pass over the fresh copy: the editor ends paragraphs and lines with its own marks.
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            c = QLatin1Char('\n');
        }
    }
    return text;
}
