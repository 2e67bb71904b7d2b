// A drawing grid: rows and columns of cells that the owner draws. The grid prepares each cell
// as a form toolkit does (the grid's font, the header colour for fixed cells, the window colour
// for normal cells, the highlight colours for the selected row) and then calls the owner's
// draw-cell handler on a canvas. While the grid has the focus, a frame in the window's text
// colour marks the selected row over what the owner drew. A screen reader meets it as a table
// (src/widgets/accessible_grid.h) whose cells read what the owner's cell-text handler says.
#pragma once

#include <QAbstractScrollArea>

#include <QHash>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

class Canvas;

class DrawGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    using DrawCellHandler = std::function<void(QObject* sender, int col, int row, const QRect& rect,
                                               bool selected, Canvas& canvas)>;

    explicit DrawGrid(QWidget* parent = nullptr);

    void SetColumnWidths(const std::vector<int>& widths);
    void SetDefaultRowHeight(int height);
    void SetRowCount(int rows);
    int RowCount() const { return rowCount_; }
    int ColumnCount() const { return static_cast<int>(columnWidths_.size()); }
    // The selected row (whole-row selection), the first normal row at start.
    int SelectedRow() const { return selectedRow_; }
    void SelectRow(int row);
    void SetDrawCellHandler(DrawCellHandler handler) { drawCell_ = std::move(handler); }
    // The text the owner draws in a cell, as a screen reader reads it (empty without a handler).
    using CellTextHandler = std::function<QString(int col, int row)>;
    void SetCellTextHandler(CellTextHandler handler) { cellText_ = std::move(handler); }
    QString CellText(int col, int row) const { return cellText_ ? cellText_(col, row) : QString(); }
    // Invalidates and redraws every cell before returning; cells whose texts changed are
    // announced to assistive technology.
    void RepaintNow();
    // The rectangle of a cell in viewport pixels (the grid line to its right and below excluded).
    QRect CellRect(int col, int row) const;
    // The cell at a viewport point, (-1, -1) outside every cell.
    QPoint CellAt(const QPoint& point) const;
    // A cell's tooltip, shown while the mouse rests on it; an empty text removes it.
    void SetCellToolTip(int col, int row, const QString& text);
    QString CellToolTip(int col, int row) const { return toolTips_.value(QPoint(col, row)); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

private:
    void UpdateScrollBar();
    int RowAt(int y) const;

    std::vector<int> columnWidths_{64, 64};
    int rowHeight_ = 24;
    int rowCount_ = 2;
    int selectedRow_ = 1;
    int topRow_ = 1;  // first normal row shown below the fixed row
    DrawCellHandler drawCell_;
    CellTextHandler cellText_;
    QHash<QPoint, QString> toolTips_;
};
