// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMouseEvent>
#include <QRect>

// A click is a left press and a left release inside the same widget.
class ClickTracker
{
public:
    void press(const QMouseEvent *event) { pressed_ = event->button() == Qt::LeftButton; }

    // True when this release completes a click inside `area`.
    bool release(const QMouseEvent *event, const QRect &area)
    {
        const bool click = pressed_ && event->button() == Qt::LeftButton &&
                           area.contains(event->position().toPoint());
        pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};
