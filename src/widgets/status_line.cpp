#include "widgets/status_line.h"

#include <QEvent>
#include <QTabBar>

namespace {
// Room between the last tab and the text, and after the text.
constexpr int kGap = 12;
constexpr int kEndMargin = 4;
const QString kSeparator = QStringLiteral("   |   ");
}  // namespace

StatusLine::StatusLine(QTabBar* tabSet) : QLabel(tabSet), tabSet_(tabSet) {
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    tabSet_->installEventFilter(this);
    Place();
}

void StatusLine::SetText(int topic, const QString& text) {
    if (text.isEmpty()) {
        texts_.remove(topic);
    } else {
        texts_.insert(topic, text);
    }
    QStringList lines = texts_.values();
    setToolTip(lines.join(QLatin1Char('\n')));
    ElideToWidth();
}

QString StatusLine::WholeText() const {
    return texts_.values().join(kSeparator);
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabSet_) {
        switch (event->type()) {
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::LayoutRequest:
            case QEvent::FontChange:
                Place();
                break;
            default:
                break;
        }
    }
    return QLabel::eventFilter(watched, event);
}

void StatusLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    ElideToWidth();
}

void StatusLine::Place() {
    const int count = tabSet_->count();
    const int left = count > 0 ? tabSet_->tabRect(count - 1).right() + 1 + kGap : kGap;
    setGeometry(left, 0, qMax(0, tabSet_->width() - left - kEndMargin), tabSet_->height());
}

void StatusLine::ElideToWidth() {
    setText(fontMetrics().elidedText(WholeText(), Qt::ElideRight, width()));
}
