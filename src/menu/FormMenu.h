// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesignWindow.h"

struct Services;

// The menu window: it leads to the two games, to the information box, to loading another word
// list, and to the end of the program. A new one, with a new colour, is made at every return. It
// shows the information box and loads lists itself; the rest it asks for.
class FormMenu : public DesignWindow
{
    Q_OBJECT

public:
    explicit FormMenu(Services &services, QWidget *parent = nullptr);

signals:
    void wordSearchChosen();
    void memoryChosen();
    void quitConfirmed();

private:
    void showInformation();
    void loadOtherList();
    void askToEnd();

    Services &services_;
};
