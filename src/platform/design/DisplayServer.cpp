// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayServer.h"

#include <QGuiApplication>
#include <cstdlib>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

void waitForTheDisplayServer()
{
#if QT_CONFIG(xcb)
    const auto *x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    // Other platforms may answer for X11 without a connection of their own.
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    // The server answers its requests in order: once this one is answered, the earlier ones are
    // carried out.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
#endif
}
