// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesignWindow.h"

#include <QPointer>

class Dialogs;
class SwitchableVoice;

// A game's window: its menu bar's "Esci" asks whether to go back to the menu, and Yes says so;
// "Voce" beside it, a checkable command, turns the voice off and on for the whole session.
// Escape and the window manager's close ask the same as "Esci"; F10 or Alt takes the keyboard to
// the menu bar, where Enter acts on "Esci".
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

    bool asksBeforeClosing() const override { return true; }
    void askToClose() override { askToLeave(); }
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void askToLeave();
    void openMenuBar();
    void leaveMenuBar();
    void scaleMenuBar();

    Dialogs &dialogs_;
    QString leaveQuestion_;
    QAction *exit_;
    QPointer<QWidget> focusBeforeMenuBar_;
};
