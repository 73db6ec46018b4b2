// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/design/DesignWindow.h"

struct Services;

// The title window: the program's name and three pictures of words drawn from the list, on a
// colour of the palette. A click anywhere on it, Enter, Space or Escape says the pupil is done
// with it.
class FormAvvio : public DesignWindow
{
    Q_OBJECT

public:
    explicit FormAvvio(Services &services, QWidget *parent = nullptr);

signals:
    void done();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void firstDrawn() override;
};
