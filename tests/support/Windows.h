#pragma once

#include "QtPrinting.h"
#include "platform/DesignWindow.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
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

// `window` has shown a new menu in its place and closed for good. Then every window is discarded.
inline void expectReplacedByMenu(DesignWindow *window)
{
    const QPointer<DesignWindow> left(window);
    EXPECT_EQ(openWindows(), QStringList{QStringLiteral("FormMenu")});
    discardClosedWindows();
    EXPECT_TRUE(left.isNull());
    discardWindows();
}
