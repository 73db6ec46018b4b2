// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickTracker.h"

#include <QWidget>

// A label or picture box placed from a layout row. It reports a click (press and release inside
// it) with its index in the control group.
class DesignControl : public QWidget
{
    Q_OBJECT

public:
    explicit DesignControl(QWidget *parent = nullptr);

    int index() const;

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ClickTracker click_;
};
