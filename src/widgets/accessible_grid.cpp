#include "widgets/accessible_grid.h"

#include <QPointer>

#include "widgets/accessible_widgets.h"
#include "widgets/draw_grid.h"

namespace {

// The grid's fixed first row: the column headers, not a row of the table.
constexpr int kHeaderRows = 1;
// Set on a grid once assistive technology has asked about it: until then nothing is told.
const char kAskedAbout[] = "accessibleInterfaceMade";

AccessibleDrawGrid* TableOf(DrawGrid* grid) {
    if (!grid->property(kAskedAbout).toBool()) {
        return nullptr;
    }
    return dynamic_cast<AccessibleDrawGrid*>(QAccessible::queryAccessibleInterface(grid));
}

// One cell of the grid; row -1 is a column header.
class AccessibleGridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    AccessibleGridCell(DrawGrid* grid, int row, int column)
        : grid_(grid), row_(row), column_(column) {}

    bool isValid() const override {
        return grid_ && row_ < grid_->RowCount() - kHeaderRows && column_ < grid_->ColumnCount();
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return Table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override {
        return row_ < 0 ? QAccessible::ColumnHeader
                        : (column_ == 0 ? QAccessible::RowHeader : QAccessible::Cell);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? grid_->CellText(column_, row_ + kHeaderRows)
                                                   : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect cell = grid_->CellRect(column_, row_ + kHeaderRows);
        return QRect(grid_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QRect cell = grid_->CellRect(column_, row_ + kHeaderRows);
        state.invisible = !grid_->isVisible();
        state.offscreen = !grid_->viewport()->rect().intersects(cell);
        if (row_ >= 0) {
            state.selectable = true;
            state.selected = isSelected();
            state.focusable = true;
            state.focused =
                grid_->hasFocus() && state.selected && column_ == grid_->ColumnCount() - 1;
        }
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        return isValid() && row_ >= 0 && grid_->SelectedRow() == row_ + kHeaderRows;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return row_ < 0 ? QList<QAccessibleInterface*>{} : Headers(-1, column_);
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        return row_ < 0 || column_ == 0 ? QList<QAccessibleInterface*>{} : Headers(row_, 0);
    }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return Table(); }

private:
    AccessibleDrawGrid* Table() const {
        return dynamic_cast<AccessibleDrawGrid*>(QAccessible::queryAccessibleInterface(grid_));
    }
    QList<QAccessibleInterface*> Headers(int row, int column) const {
        AccessibleDrawGrid* table = Table();
        QAccessibleInterface* header = table != nullptr ? table->Cell(row, column) : nullptr;
        return header != nullptr ? QList<QAccessibleInterface*>{header}
                                 : QList<QAccessibleInterface*>{};
    }

    QPointer<DrawGrid> grid_;
    int row_;
    int column_;
};

}  // namespace

AccessibleDrawGrid::AccessibleDrawGrid(QWidget* grid)
    : QAccessibleWidget(grid, QAccessible::Table), told_(CellTexts()) {
    grid->setProperty(kAskedAbout, true);
}

AccessibleDrawGrid::~AccessibleDrawGrid() {
    ForgetCells();
}

DrawGrid* AccessibleDrawGrid::Grid() const {
    return static_cast<DrawGrid*>(widget());
}

void AccessibleDrawGrid::ForgetCells() {
    for (const QAccessible::Id id : std::as_const(cells_)) {
        QAccessible::deleteAccessibleInterface(id);
    }
    cells_.clear();
}

void* AccessibleDrawGrid::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

int AccessibleDrawGrid::rowCount() const {
    return qMax(0, Grid()->RowCount() - kHeaderRows);
}

int AccessibleDrawGrid::columnCount() const {
    return Grid()->ColumnCount();
}

// Children: the column headers, then the cells row by row.
int AccessibleDrawGrid::childCount() const {
    return columnCount() * (rowCount() + kHeaderRows);
}

QAccessibleInterface* AccessibleDrawGrid::Cell(int row, int column) const {
    if (row < -kHeaderRows || row >= rowCount() || column < 0 || column >= columnCount()) {
        return nullptr;
    }
    const int index = (row + kHeaderRows) * columnCount() + column;
    if (const QAccessible::Id id = cells_.value(index)) {
        return QAccessible::accessibleInterface(id);
    }
    auto* cell = new AccessibleGridCell(Grid(), row, column);
    cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface* AccessibleDrawGrid::child(int index) const {
    const int columns = columnCount();
    return columns > 0 ? Cell(index / columns - kHeaderRows, index % columns) : nullptr;
}

int AccessibleDrawGrid::indexOfChild(const QAccessibleInterface* child) const {
    auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cell == nullptr || cell->table() != this) {
        return -1;
    }
    return (cell->rowIndex() + kHeaderRows) * columnCount() + cell->columnIndex();
}

QAccessibleInterface* AccessibleDrawGrid::childAt(int x, int y) const {
    const QPoint point = Grid()->viewport()->mapFromGlobal(QPoint(x, y));
    const QPoint cell = Grid()->CellAt(point);
    return cell.x() < 0 ? nullptr : Cell(cell.y() - kHeaderRows, cell.x());
}

QAccessibleInterface* AccessibleDrawGrid::focusChild() const {
    const int row = Grid()->SelectedRow() - kHeaderRows;
    return Grid()->hasFocus() ? Cell(row, columnCount() - 1) : nullptr;
}

QAccessibleInterface* AccessibleDrawGrid::cellAt(int row, int column) const {
    return row >= 0 ? Cell(row, column) : nullptr;
}

QString AccessibleDrawGrid::columnDescription(int column) const {
    return Grid()->CellText(column, 0);
}

QString AccessibleDrawGrid::rowDescription(int row) const {
    return Grid()->CellText(0, row + kHeaderRows);
}

QList<int> AccessibleDrawGrid::selectedRows() const {
    const int row = Grid()->SelectedRow() - kHeaderRows;
    return row >= 0 && row < rowCount() ? QList<int>{row} : QList<int>{};
}

int AccessibleDrawGrid::selectedRowCount() const {
    return static_cast<int>(selectedRows().size());
}

bool AccessibleDrawGrid::isRowSelected(int row) const {
    return selectedRows().contains(row);
}

int AccessibleDrawGrid::selectedCellCount() const {
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface*> AccessibleDrawGrid::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows()) {
        for (int column = 0; column < columnCount(); ++column) {
            cells << Cell(row, column);
        }
    }
    return cells;
}

bool AccessibleDrawGrid::selectRow(int row) {
    if (row < 0 || row >= rowCount()) {
        return false;
    }
    Grid()->SelectRow(row + kHeaderRows);
    return true;
}

void AccessibleDrawGrid::modelChange(QAccessibleTableModelChangeEvent* event) {
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) {
        ForgetCells();
    }
}

QStringList AccessibleDrawGrid::CellTexts() const {
    QStringList texts;
    for (int row = 0; row < Grid()->RowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            texts << Grid()->CellText(column, row);
        }
    }
    return texts;
}

void AccessibleDrawGrid::TellChangedCells() {
    const QStringList texts = CellTexts();
    if (texts == told_) {
        return;
    }
    if (texts.size() != told_.size()) {
        told_ = texts;
        QAccessibleTableModelChangeEvent reset(Grid(),
                                               QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
        return;
    }
    const int columns = columnCount();
    int firstRow = rowCount();
    int lastRow = -1;
    for (int i = 0; i < texts.size(); ++i) {
        if (texts[i] == told_[i]) {
            continue;
        }
        const int row = i / columns - kHeaderRows;
        firstRow = qMin(firstRow, row);
        lastRow = qMax(lastRow, row);
        // A bridge tells a screen reader of a new name, which it reads on the focused cell.
        QAccessibleEvent renamed(Cell(row, i % columns), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    told_ = texts;
    QAccessibleTableModelChangeEvent changed(Grid(), QAccessibleTableModelChangeEvent::DataChanged);
    changed.setFirstRow(firstRow);
    changed.setLastRow(lastRow);
    changed.setFirstColumn(0);
    changed.setLastColumn(columns - 1);
    QAccessible::updateAccessibility(&changed);
}

void AnnounceGridCells(DrawGrid* grid) {
    // Events reach no one while assistive technology is not active.
    if (AccessibleDrawGrid* table = QAccessible::isActive() ? TableOf(grid) : nullptr) {
        table->TellChangedCells();
    }
}

void AnnounceGridFocus(DrawGrid* grid) {
    AccessibleDrawGrid* table = grid->hasFocus() ? TableOf(grid) : nullptr;
    if (QAccessibleInterface* cell = table != nullptr ? table->focusChild() : nullptr) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}
