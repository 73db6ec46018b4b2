// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesignWindow.h"

class Dialogs;
class SwitchableVoice;

// A game's window: its menu bar's "Esci" asks whether to go back to the menu, and Yes says so;
// "Voce" beside it, a checkable command, turns the voice off and on for the whole session.
class GameWindow : public DesignWindow
{
    Q_OBJECT

public:
    GameWindow(const char *formName, std::span<const ControlDesign> layout, Dialogs &dialogs,
               SwitchableVoice &voice, const QString &leaveQuestion, QWidget *parent = nullptr);

signals:
    void leaveConfirmed();

protected:
    Dialogs &dialogs() const { return dialogs_; }

private:
    void askToLeave();

    Dialogs &dialogs_;
    QString leaveQuestion_;
};
