// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignWindow.h"

#include "Colors.h"
#include "DesignSurface.h"
#include "platform/accessibility/FocusFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

DesignWindow::DesignWindow(const char *formName, std::span<const ControlDesign> layout,
                           QWidget *parent)
    : QMainWindow(parent, Qt::FramelessWindowHint), surface_(new DesignSurface(layout, this))
{
    setObjectName(QString::fromLatin1(formName));
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(surface_);
    new FocusFrame(surface_);
}

void DesignWindow::setBackground(quint32 storedColor)
{
    surface_->setBackground(colorFromStored(storedColor));
}

QAction *DesignWindow::addMenuCommand(const char *name, const QString &caption)
{
    QAction *command = menuBar()->addAction(caption);
    command->setObjectName(QString::fromLatin1(name));
    return command;
}

void DesignWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!activated_) {
        activated_ = true;
        // The window is drawn as its native window is first exposed.
        windowHandle()->installEventFilter(this);
        activate();
    }
}

bool DesignWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        // Queued behind the drawing that the exposure itself sets off.
        QMetaObject::invokeMethod(this, &DesignWindow::firstDrawn, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void DesignWindow::closeEvent(QCloseEvent *event)
{
    // Only the window system's close is spontaneous; the navigator's and the program's end are not.
    if (event->spontaneous() && asksBeforeClosing()) {
        event->ignore();
        QMetaObject::invokeMethod(this, &DesignWindow::askToClose, Qt::QueuedConnection);
        return;
    }
    QMainWindow::closeEvent(event);
}

void showFillingScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen)
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    // The window shown in place of another takes the keyboard at once.
    window->activateWindow();
}
