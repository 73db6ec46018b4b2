// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridFocus.h"

#include "AccessibleGrid.h"

#include <QKeyEvent>
#include <algorithm>

namespace {

// The cell a key moves to from `cell`; the cell itself at an edge or for any other key.
int movedCell(int cell, int rows, int columns, const QKeyEvent &key)
{
    const int row = cell / columns;
    const int column = cell % columns;
    const bool control = key.modifiers() & Qt::ControlModifier;
    switch (key.key()) {
    case Qt::Key_Left:
        return row * columns + std::max(0, column - 1);
    case Qt::Key_Right:
        return row * columns + std::min(columns - 1, column + 1);
    case Qt::Key_Up:
        return std::max(0, row - 1) * columns + column;
    case Qt::Key_Down:
        return std::min(rows - 1, row + 1) * columns + column;
    case Qt::Key_Home:
        return control ? 0 : row * columns;
    case Qt::Key_End:
        return control ? rows * columns - 1 : row * columns + columns - 1;
    default:
        return cell;
    }
}

bool isMove(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
           key == Qt::Key_Down || key == Qt::Key_Home || key == Qt::Key_End;
}

} // namespace

GridFocus::GridFocus(int rows, int columns, GridCells &cells, QAccessible::Role cellRole,
                     Frame frame, QWidget *surface)
    : QWidget(surface), rows_(rows), columns_(columns), cells_(cells), cellRole_(cellRole),
      frame_(frame)
{
    // The cells take the clicks; this only takes the keyboard.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setGeometry(0, 0, 0, 0);
}

void GridFocus::setCurrent(int cell)
{
    if (cell < 0 || cell >= rows_ * columns_ || cell == current_)
        return;
    current_ = cell;
    emit currentChanged();
    if (hasFocus())
        tellReadersOfFocus();
}

void GridFocus::setShape(int rows, int columns)
{
    if (rows == rows_ && columns == columns_)
        return;
    rows_ = rows;
    columns_ = columns;
    current_ = 0;
    emit currentChanged();
    if (auto *grid = AccessibleGrid::of(this))
        grid->shapeChanged();
    if (hasFocus())
        tellReadersOfFocus();
}

QRect GridFocus::cellRect(int cell) const
{
    const QWidget *control = cells_.cellWidget(cell);
    return control ? control->geometry() : QRect();
}

void GridFocus::cellChanged(int cell)
{
    if (cell == current_)
        emit currentChanged();
    if (auto *grid = AccessibleGrid::of(this))
        grid->cellChanged(cell);
}

void GridFocus::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (isMove(key)) {
        setCurrent(movedCell(current_, rows_, columns_, *event));
        return;
    }
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        // A key held down acts once: a repeated wrong answer would count again.
        if (!event->isAutoRepeat())
            cells_.pressCell(current_);
        return;
    }
    QWidget::keyPressEvent(event);
}

void GridFocus::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    emit currentChanged();
    // After Qt has told of the grid itself taking the focus.
    QMetaObject::invokeMethod(this, &GridFocus::tellReadersOfFocus, Qt::QueuedConnection);
}

void GridFocus::tellReadersOfFocus()
{
    if (auto *grid = AccessibleGrid::of(this); grid && hasFocus())
        grid->cellFocused(current_);
}
