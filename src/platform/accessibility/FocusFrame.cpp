// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusFrame.h"

#include "Accessibility.h"
#include "Contrast.h"
#include "GridFocus.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

FocusFrame::FocusFrame(DesignSurface *surface) : QWidget(surface), surface_(surface)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hideFromReaders(this);
    setGeometry(surface->rect());
    raise();
    surface->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { follow(now); });
}

FocusFrame::Ring FocusFrame::ring() const
{
    const auto *surface = qobject_cast<const DesignSurface *>(surface_);
    if (!surface)
        return {};
    const QWidget *focused = surface->window()->focusWidget();
    if (!focused || focused->parentWidget() != surface || !focused->isVisible())
        return {};
    const int width = std::max(3, int(std::lround(3 * surface->scale())));
    const QColor background = surface->palette().color(QPalette::Window);
    if (qobject_cast<const DesignButton *>(focused))
        return {focused->geometry().adjusted(-width, -width, width, width), width,
                contrastingInk(background)};
    const auto *grid = qobject_cast<const GridFocus *>(focused);
    if (!grid)
        return {};
    const QRect cell = grid->cellRect(grid->current());
    if (grid->frame() == GridFocus::Frame::Around)
        return {cell.adjusted(-width, -width, width, width), width, contrastingInk(background)};
    const auto *label =
        qobject_cast<const DesignLabel *>(grid->cells().cellWidget(grid->current()));
    return {cell, width, contrastingInk(label ? label->background() : background)};
}

void FocusFrame::follow(QWidget *focused)
{
    if (followed_)
        followed_->removeEventFilter(this);
    followed_ = focused && focused->parentWidget() == surface_ ? focused : nullptr;
    if (followed_)
        followed_->installEventFilter(this);
    if (auto *grid = qobject_cast<GridFocus *>(focused); grid && grid->parentWidget() == surface_)
        connect(grid, &GridFocus::currentChanged, this, &FocusFrame::refresh, Qt::UniqueConnection);
    refresh();
}

// Repaints where the ring was and where it is now: the whole surface lies beneath this widget.
void FocusFrame::refresh()
{
    const QRect now = ring().outer;
    update(painted_);
    update(now);
    painted_ = now;
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == surface_ && event->type() == QEvent::Resize) {
        setGeometry(surface_->rect());
        painted_ = QRect();
    } else if (watched == followed_ &&
               (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                event->type() == QEvent::Hide)) {
        refresh();
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    const Ring shown = ring();
    painted_ = shown.outer;
    if (shown.outer.isEmpty())
        return;
    QPainter painter(this);
    const QRect &r = shown.outer;
    const int w = shown.width;
    painter.fillRect(r.left(), r.top(), r.width(), w, shown.ink);
    painter.fillRect(r.left(), r.bottom() - w + 1, r.width(), w, shown.ink);
    painter.fillRect(r.left(), r.top(), w, r.height(), shown.ink);
    painter.fillRect(r.right() - w + 1, r.top(), w, r.height(), shown.ink);
}
