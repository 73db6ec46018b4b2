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

private:
    DesignSurface *surface_;
};

// Shows a window maximized over the screen's available area. The geometry is set first, since
// some window managers, and none at all, leave a frameless window at its default size.
void showFillingScreen(QWidget *window);
