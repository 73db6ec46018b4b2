// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <sys/types.h>
#include <xcb/xcb.h>

// Follows, on the X display of $DISPLAY, the first top-level window of one process: when it is
// mapped, and when the process first draws on it.
class DrawWatch
{
public:
    enum class Step
    {
        Nothing,
        Mapped,
        Drawn
    };

    // Starts listening at once, so that nothing the process does afterwards goes unseen. Throws
    // std::runtime_error without a display or without its damage extension.
    DrawWatch();
    DrawWatch(const DrawWatch &) = delete;
    DrawWatch &operator=(const DrawWatch &) = delete;

    void follow(pid_t pid) { pid_ = pid; }
    // Where the followed window lies on the screen, once it is mapped.
    const xcb_rectangle_t &area() const { return area_; }

    // Waits at most timeoutMs for the server's next event and tells whether it was a step of the
    // followed window.
    Step next(int timeoutMs);

private:
    xcb_generic_event_t *nextEvent(int timeoutMs);
    Step handle(const xcb_generic_event_t &event);
    bool belongsToFollowed(xcb_window_t window);
    void readGeometry();

    struct Disconnect
    {
        void operator()(xcb_connection_t *connection) const { xcb_disconnect(connection); }
    };

    std::unique_ptr<xcb_connection_t, Disconnect> owned_;
    xcb_connection_t *connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    xcb_atom_t pidAtom_ = XCB_NONE;
    uint8_t damageEvent_ = 0;
    pid_t pid_ = 0;
    xcb_window_t window_ = XCB_NONE;
    xcb_rectangle_t area_{};
};
