// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

struct Services;

// Leads the pupil from window to window: the title, the menu, a game or the teacher's list
// editor, the menu again. Exactly one
// window of the program is open at a time, filling the screen; the one it replaces is closed and
// discarded. Windows only say what was asked for; the navigator decides what comes next.
class Navigator : public QObject
{
    Q_OBJECT

public:
    explicit Navigator(Services &services, QObject *parent = nullptr);

    // Opens the title window.
    void start();

private:
    void showMenu();
    void startGame(Game game);
    void openListEditor(const QString &listPath);
    void quit();
    void passTo(QWidget *next);

    Services &services_;
    QPointer<QWidget> current_;
};
