// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <vector>

class GridFocus;

// A grid as screen readers see it: a table of its rows and columns, each cell named by what
// stands on it and pressed through its action.
class AccessibleGrid : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit AccessibleGrid(GridFocus *grid);
    ~AccessibleGrid() override;

    // The grid's table while a screen reader listens, or nullptr.
    static AccessibleGrid *of(GridFocus *grid);

    GridFocus *grid() const;
    void cellChanged(int cell);
    void cellFocused(int cell);
    // The grid has other rows and columns: readers are told to read its cells again.
    void shapeChanged();

    void *interface_cast(QAccessible::InterfaceType type) override;
    QRect rect() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    void forgetCells() const;

    // The cells are made when first asked for and live as long as the grid's number of cells.
    mutable std::vector<QAccessible::Id> cells_;
};
