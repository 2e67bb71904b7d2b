// The drawing grid as an accessible table: its normal rows are the table's rows, its fixed first
// row gives the column headers, and every cell reads the text the owner draws in it
// (DrawGrid::CellText). The grid's selected row is the table's selection; while the grid has the
// focus, that row's last cell has it.
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class DrawGrid;

class AccessibleDrawGrid : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit AccessibleDrawGrid(QWidget* grid);
    ~AccessibleDrawGrid() override;

    DrawGrid* Grid() const;
    // The cell of the table's row and column; row -1 is the column headers.
    QAccessibleInterface* Cell(int row, int column) const;
    // The cell with the focus while the grid has it, else nullptr.
    QAccessibleInterface* focusChild() const override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // Tells of the cells whose texts changed since they were last told, one event each, then of
    // the rows changed (every row when their number changed).
    void TellChangedCells();

private:
    void ForgetCells();
    QStringList CellTexts() const;

    // The cells' texts, header row first, as assistive technology was last told them.
    QStringList told_;
    // The cells' interfaces made so far, by child index.
    mutable QHash<int, QAccessible::Id> cells_;
};
