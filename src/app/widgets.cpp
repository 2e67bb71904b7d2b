#include "app/widgets.h"

#include <QPainter>
#include <QTextDocument>
#include <QVBoxLayout>

ImageWidget::ImageWidget(QWidget* parent) : QWidget(parent) {}

void ImageWidget::SetBitmapSize(int width, int height) {
    if (bitmap_.width() == width && bitmap_.height() == height) {
        return;
    }
    bitmap_ = QImage(width, height, QImage::Format_RGB32);
    bitmap_.fill(Qt::white);
}

void ImageWidget::SetPicture(const QImage& picture) {
    bitmap_ = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

void ImageWidget::paintEvent(QPaintEvent*) {
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
    : QWidget(parent), tabs_(new QTabBar(this)), stack_(new QStackedWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(stack_, 1);
    tabs_->setDrawBase(true);
    tabs_->setExpanding(false);
    connect(tabs_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0) {
            stack_->setCurrentIndex(index);
            SyncTabBar();
        }
    });
}

void PageControl::AddPage(QWidget* page, const QString& caption) {
    stack_->addWidget(page);
    const bool blocked = tabs_->blockSignals(true);
    tabs_->addTab(caption);
    tabs_->blockSignals(blocked);
    SyncTabBar();
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

QString MemoText(const QPlainTextEdit* memo) {
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}
