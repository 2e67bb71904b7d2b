#include "widgets/accessible_widgets.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

#include "widgets/accessible_grid.h"
#include "widgets/draw_grid.h"
#include "widgets/owner_draw_combo.h"
#include "widgets/widgets.h"

namespace {

// An owner-drawn selector: named by its caption (accessibleName or a buddy label), its value the
// entry as the box shows it, never the entry's raw text; the value is its read-only text too,
// where a screen reader on the desktop bridge reads a box's value. Its one child is the list.
class AccessibleSelector : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleSelector(QWidget* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    OwnerDrawComboBox* Combo() const { return static_cast<OwnerDrawComboBox*>(widget()); }
    QString Value() const { return Combo()->shownText(Combo()->currentIndex()); }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? Value() : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(Combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == Combo()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (Combo()->view()->isVisible()) {
            Combo()->hidePopup();
        } else {
            Combo()->showPopup();
        }
    }

    // The value as read-only text.
    QString text(int start, int end) const override { return Value().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Value().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

// An image: a picture when it has a name (the sheet, the preview), else a plain area.
class AccessibleImage : public QAccessibleWidget {
public:
    explicit AccessibleImage(QWidget* image) : QAccessibleWidget(image) {}
    QAccessible::Role role() const override {
        return widget()->accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Graphic;
    }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (className == QLatin1String(DrawGrid::staticMetaObject.className())) {
        return new AccessibleDrawGrid(widget);
    }
    if (className == QLatin1String(OwnerDrawComboBox::staticMetaObject.className())) {
        return new AccessibleSelector(widget);
    }
    if (className == QLatin1String(ImageWidget::staticMetaObject.className())) {
        return new AccessibleImage(widget);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleWidgets() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
