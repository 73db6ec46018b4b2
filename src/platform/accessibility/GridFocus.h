// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QColor>
#include <QRect>
#include <QWidget>

// What a grid of controls says about its cells, numbered row by row from 0.
class GridCells
{
public:
    virtual ~GridCells() = default;

    // The control standing at the cell now.
    virtual QWidget *cellWidget(int cell) const = 0;
    // What a screen reader says for the cell.
    virtual QString cellName(int cell) const = 0;
    virtual QString cellDescription(int cell) const = 0;
    // Acts on the cell exactly as a click on its control does.
    virtual void pressCell(int cell) = 0;
};

// A grid of controls as one stop of the keyboard focus: the arrow keys move over the cells and
// stop at the edges, Home and End go to the row's ends, Ctrl+Home and Ctrl+End to the first and
// last cell, Space and Enter act on the cell. It covers nothing and lets every click through; the
// window's focus frame shows its current cell. Screen readers see it as a table.
class GridFocus : public QWidget
{
    Q_OBJECT

public:
    // Where the focus frame lies: inside a cell, for cells that touch one another, or around it.
    enum class Frame
    {
        Inside,
        Around,
    };

    GridFocus(int rows, int columns, GridCells &cells, QAccessible::Role cellRole, Frame frame,
              QWidget *surface);

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    // Other rows and columns, from their first cell.
    void setShape(int rows, int columns);
    int current() const { return current_; }
    void setCurrent(int cell);
    GridCells &cells() const { return cells_; }
    QAccessible::Role cellRole() const { return cellRole_; }
    Frame frame() const { return frame_; }
    // A cell's place in the parent's coordinates.
    QRect cellRect(int cell) const;

    // The cell's name or description changed: screen readers are told.
    void cellChanged(int cell);

signals:
    // The current cell moved or changed its look.
    void currentChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void tellReadersOfFocus();

    int rows_;
    int columns_;
    GridCells &cells_;
    QAccessible::Role cellRole_;
    Frame frame_;
    int current_ = 0;
};
