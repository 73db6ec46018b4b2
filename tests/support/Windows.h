// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtPrinting.h"
#include "platform/design/DesignWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStringList>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

// The form names of the program's windows now open.
inline QStringList openWindows()
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && qobject_cast<DesignWindow *>(widget))
            names << widget->objectName();
    }
    return names;
}

// The open window of that form, or nullptr.
template <typename Form> Form *openWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<Form *>(widget); form && form->isVisible())
            return form;
    }
    return nullptr;
}

// Lets the windows closed so far be discarded, as the event loop would.
inline void discardClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Closes and discards every window still open.
inline void discardWindows()
{
    QApplication::closeAllWindows();
    discardClosedWindows();
}

// Closes `window` as the window system does (Alt+F4), and lets what that set off run; true when
// the window took the close.
inline bool closeAsTheWindowSystemDoes(QWidget *window)
{
    QCloseEvent close;
    // sendEvent would clear the mark of an event from the window system.
    QSpontaneKeyEvent::setSpontaneous(&close);
    QCoreApplication::instance()->notify(window, &close);
    QCoreApplication::processEvents();
    return close.isAccepted();
}
