// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControlDesign.h"

#include <QMainWindow>
#include <span>

class DesignSurface;

// A window of the program: frameless, filling the screen, its client area a DesignSurface built
// from the window's layout table. Closing it discards it.
class DesignWindow : public QMainWindow
{
    Q_OBJECT

public:
    DesignWindow(const char *formName, std::span<const ControlDesign> layout,
                 QWidget *parent = nullptr);

    DesignSurface *surface() const { return surface_; }
    void setBackground(quint32 storedColor);

    // A command of its own in the menu bar, with no menu under it.
    QAction *addMenuCommand(const char *name, const QString &caption);

protected:
    // Runs once, when the window is first shown: a game builds its board here. Coming back to
    // the window after a message box or another program does not run it again.
    virtual void activate() {}

    // Runs once, as soon as the window has been drawn for the first time: what the first sight of
    // the window can do without waits here.
    virtual void firstDrawn() {}

    // The window manager's close (Alt+F4): a window that asks first says so here, and is asked
    // askToClose() once the close event is over; it stays open meanwhile, and the answer decides.
    // The program's own closing of a window never asks.
    virtual bool asksBeforeClosing() const { return false; }
    virtual void askToClose() {}

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DesignSurface *surface_;
    bool activated_ = false;
};

// Shows a window maximized over the screen's available area. The geometry is set first, since
// some window managers, and none at all, leave a frameless window at its default size.
void showFillingScreen(QWidget *window);
