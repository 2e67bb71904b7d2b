// A drop-down list whose entries the program draws itself, one at a time, in the closed box and
// in the open list alike: the fixed-height owner-drawn combo box of a form toolkit. Before the
// draw handler runs, the canvas is prepared as that toolkit prepares it: the control's font and
// base colours, or the highlight colours for a selected entry.
//
// The user's choice of an entry is the combo box's own activated() signal; selecting an entry
// by program (setCurrentIndex) raises no change.
#pragma once

#include <QComboBox>
#include <QRect>

#include <functional>

class Canvas;
class QPainter;
class QPalette;

class OwnerDrawComboBox : public QComboBox {
    Q_OBJECT
public:
    // Draws entry index into rect (left, top, width, height in the surface's pixels; the
    // surface's left edge is x = 0) on the prepared canvas. sender is the combo box.
    using DrawItemHandler = std::function<void(QObject* sender, int index, const QRect& rect,
                                               bool selected, Canvas& canvas)>;

    static constexpr int kDefaultItemHeight = 30;
    static constexpr int kVisibleItems = 20;

    explicit OwnerDrawComboBox(QWidget* parent = nullptr);

    void setDrawItemHandler(DrawItemHandler handler) { drawItem_ = std::move(handler); }
    // What an entry shows in words, from its text (the entry's own text when none is set):
    // what a screen reader reads for the entry and for the box's value, kept in every entry's
    // Qt::AccessibleTextRole.
    using ShownTextHandler = std::function<QString(const QString& entryText)>;
    void setShownTextHandler(ShownTextHandler handler);
    QString shownText(int index) const;
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int height);

    // The rectangle in which the closed box shows the current entry: the style's edit field,
    // one entry high and centred in it.
    QRect closedEntryRect() const;

    // Prepares the canvas for one entry and runs the draw handler; an index below 0 (no
    // entry) only fills rect with the prepared background. Used by the box and by its list.
    void drawEntry(QPainter& painter, const QPalette& palette, int index, const QRect& rect,
                   bool selected);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void nameEntries(int first, int last);

    DrawItemHandler drawItem_;
    ShownTextHandler shownText_;
    int itemHeight_ = kDefaultItemHeight;
};
