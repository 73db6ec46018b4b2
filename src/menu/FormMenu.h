// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"
#include "platform/design/DesignWindow.h"

struct Services;

// The menu window: it leads to the three games, to the list editor, to the information box, to
// loading another word list, and to the end of the program. A new one, with a new colour, is made
// at every return. It shows the information box and loads lists itself; the rest it asks for.
// Closing it from the window manager asks whether to end the program, as its "Esci" does.
class FormMenu : public DesignWindow
{
    Q_OBJECT

public:
    explicit FormMenu(Services &services, QWidget *parent = nullptr);

signals:
    void gameChosen(Game game);
    // `path` is the list to open in the editor; empty for a new one.
    void listEditorChosen(const QString &path);
    void quitConfirmed();

protected:
    bool asksBeforeClosing() const override { return true; }
    void askToClose() override { askToEnd(); }

private:
    void showInformation();
    void loadOtherList();
    void askToEnd();

    Services &services_;
};
