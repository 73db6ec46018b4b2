// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleGrid.h"

#include "GridFocus.h"

#include <QPointer>
#include <QWindow>
#include <algorithm>

namespace {

// One cell of a grid: it has no object of its own, and asks the grid what stands on it.
class AccessibleGridCell : public QAccessibleInterface,
                           public QAccessibleTableCellInterface,
                           public QAccessibleActionInterface
{
public:
    AccessibleGridCell(GridFocus *grid, int cell) : grid_(grid), cell_(cell) {}

    bool isValid() const override { return grid_; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(grid_);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text type) const override
    {
        if (!grid_)
            return {};
        if (type == QAccessible::Name)
            return grid_->cells().cellName(cell_);
        if (type == QAccessible::Description)
            return grid_->cells().cellDescription(cell_);
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!grid_)
            return {};
        const QRect place = grid_->cellRect(cell_);
        return QRect(grid_->parentWidget()->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override
    {
        return grid_ ? grid_->cellRole() : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!grid_ || !grid_->isVisible()) {
            state.invisible = true;
            return state;
        }
        state.focusable = true;
        state.focused = grid_->hasFocus() && grid_->current() == cell_;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return grid_ ? cell_ % grid_->columns() : 0; }
    int rowIndex() const override { return grid_ ? cell_ / grid_->columns() : 0; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString &action) override
    {
        if (!grid_)
            return;
        if (action == setFocusAction()) {
            grid_->setCurrent(cell_);
            grid_->setFocus(Qt::OtherFocusReason);
        } else if (action == pressAction()) {
            // Queued: a box the press opens must not hold the screen reader's call.
            QMetaObject::invokeMethod(
                grid_,
                [grid = grid_, cell = cell_] {
                    if (grid) {
                        grid->setCurrent(cell);
                        grid->cells().pressCell(cell);
                    }
                },
                Qt::QueuedConnection);
        }
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<GridFocus> grid_;
    int cell_;
};

} // namespace

AccessibleGrid::AccessibleGrid(GridFocus *grid) : QAccessibleWidget(grid, QAccessible::Table) {}

AccessibleGrid::~AccessibleGrid()
{
    forgetCells();
}

void AccessibleGrid::forgetCells() const
{
    for (QAccessible::Id id : cells_)
        QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

AccessibleGrid *AccessibleGrid::of(GridFocus *grid)
{
    if (!QAccessible::isActive())
        return nullptr;
    return dynamic_cast<AccessibleGrid *>(QAccessible::queryAccessibleInterface(grid));
}

GridFocus *AccessibleGrid::grid() const
{
    return static_cast<GridFocus *>(widget());
}

void AccessibleGrid::cellChanged(int cell)
{
    QAccessibleInterface *changed = child(cell);
    if (!changed)
        return;
    QAccessibleEvent name(changed, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleEvent description(changed, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}

void AccessibleGrid::cellFocused(int cell)
{
    if (QAccessibleInterface *focused = child(cell)) {
        QAccessibleEvent event(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void AccessibleGrid::shapeChanged()
{
    QAccessibleEvent event(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void *AccessibleGrid::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QRect AccessibleGrid::rect() const
{
    QRect cells;
    for (int cell = 0; cell < childCount(); ++cell)
        cells |= grid()->cellRect(cell);
    return QRect(grid()->parentWidget()->mapToGlobal(cells.topLeft()), cells.size());
}

int AccessibleGrid::childCount() const
{
    return grid()->rows() * grid()->columns();
}

QAccessibleInterface *AccessibleGrid::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    // The grid may have taken another shape since, even while no reader listened.
    if (int(cells_.size()) != childCount()) {
        forgetCells();
        for (int cell = 0; cell < childCount(); ++cell)
            cells_.push_back(
                QAccessible::registerAccessibleInterface(new AccessibleGridCell(grid(), cell)));
    }
    return QAccessible::accessibleInterface(cells_[std::size_t(index)]);
}

int AccessibleGrid::indexOfChild(const QAccessibleInterface *child) const
{
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
    const auto found = std::find(cells_.begin(), cells_.end(), id);
    return found == cells_.end() ? -1 : int(found - cells_.begin());
}

QAccessibleInterface *AccessibleGrid::childAt(int x, int y) const
{
    const QPoint point = grid()->parentWidget()->mapFromGlobal(QPoint(x, y));
    for (int cell = 0; cell < childCount(); ++cell) {
        if (grid()->cellRect(cell).contains(point))
            return child(cell);
    }
    return nullptr;
}

QAccessibleInterface *AccessibleGrid::focusChild() const
{
    return grid()->hasFocus() ? child(grid()->current()) : nullptr;
}

QAccessibleInterface *AccessibleGrid::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return child(row * columnCount() + column);
}

int AccessibleGrid::columnCount() const
{
    return grid()->columns();
}

int AccessibleGrid::rowCount() const
{
    return grid()->rows();
}
