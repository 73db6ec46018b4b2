// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignControl.h"

#include <QMouseEvent>

DesignControl::DesignControl(QWidget *parent) : QWidget(parent) {}

int DesignControl::index() const
{
    return property("index").toInt();
}

void DesignControl::mousePressEvent(QMouseEvent *event)
{
    click_.press(event);
}

void DesignControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (click_.release(event, rect()))
        emit clicked(index());
}
