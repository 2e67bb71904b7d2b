#include "widgets/owner_draw_combo.h"

#include <QAbstractItemView>
#include <QFontInfo>
#include <QListView>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include "platform/canvas.h"
#include "widgets/accessible_widgets.h"

namespace {

// A form toolkit's fixed combo box is its entry height plus a 3-pixel frame above and below.
constexpr int kClosedFrameHeight = 6;

// Draws the open list's entries through the combo box's draw handler, on the list's viewport.
class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    explicit OwnerDrawDelegate(OwnerDrawComboBox* combo)
        : QStyledItemDelegate(combo), combo_(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        combo_->drawEntry(*painter, option.palette, index.row(), option.rect,
                          option.state.testFlag(QStyle::State_Selected));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        Q_UNUSED(index);
        return QSize(option.rect.width(), combo_->itemHeight());
    }

private:
    OwnerDrawComboBox* combo_;
};

int PixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

}  // namespace

OwnerDrawComboBox::OwnerDrawComboBox(QWidget* parent) : QComboBox(parent) {
    setMaxVisibleItems(kVisibleItems);
    setItemDelegate(new OwnerDrawDelegate(this));
    if (auto* list = qobject_cast<QListView*>(view())) {
        list->setUniformItemSizes(true);
    }
    InstallAccessibleWidgets();
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { nameEntries(first, last); });
}

void OwnerDrawComboBox::setShownTextHandler(ShownTextHandler handler) {
    shownText_ = std::move(handler);
    nameEntries(0, count() - 1);
}

QString OwnerDrawComboBox::shownText(int index) const {
    const QString text = itemText(index);
    return shownText_ && index >= 0 && index < count() ? shownText_(text) : text;
}

void OwnerDrawComboBox::nameEntries(int first, int last) {
    if (!shownText_) {
        return;
    }
    for (int i = first; i <= last; ++i) {
        setItemData(i, shownText(i), Qt::AccessibleTextRole);
    }
}

void OwnerDrawComboBox::setItemHeight(int height) {
    itemHeight_ = height;
    updateGeometry();
    update();
}

QRect OwnerDrawComboBox::closedEntryRect() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (field.height() > itemHeight_) {
        field.setTop(field.top() + (field.height() - itemHeight_) / 2);
        field.setHeight(itemHeight_);
    }
    return field;
}

void OwnerDrawComboBox::drawEntry(QPainter& painter, const QPalette& palette, int index,
                                  const QRect& rect, bool selected) {
    painter.save();
    {
        Canvas canvas(painter);
        const QFont& widgetFont = font();
        canvas.SetFontName(widgetFont.family());
        canvas.SetFontHeight(-PixelSizeOf(widgetFont));
        canvas.SetFontBold(widgetFont.bold());
        canvas.SetBrushColor(palette.color(selected ? QPalette::Highlight : QPalette::Base));
        canvas.SetFontColor(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        if (index >= 0 && drawItem_) {
            drawItem_(this, index, rect, selected, canvas);
        } else {
            painter.fillRect(rect, canvas.BrushColor());
        }
    }
    painter.restore();
}

QSize OwnerDrawComboBox::sizeHint() const {
    QSize size = QComboBox::sizeHint();
    size.setHeight(std::max(size.height(), itemHeight_ + kClosedFrameHeight));
    return size;
}

QSize OwnerDrawComboBox::minimumSizeHint() const {
    QSize size = QComboBox::minimumSizeHint();
    size.setHeight(std::max(size.height(), itemHeight_ + kClosedFrameHeight));
    return size;
}

void OwnerDrawComboBox::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // The frame and the arrow come from the style; the entry is the handler's.
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    drawEntry(painter, palette(), currentIndex(), closedEntryRect(), hasFocus());
}
