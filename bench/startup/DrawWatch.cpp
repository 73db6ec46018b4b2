// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawWatch.h"

#include <xcb/damage.h>

#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <stdexcept>

namespace {

bool overlap(const xcb_rectangle_t &a, const xcb_rectangle_t &b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

} // namespace

DrawWatch::DrawWatch()
{
    int screenNumber = 0;
    owned_.reset(xcb_connect(nullptr, &screenNumber));
    connection_ = owned_.get();
    if (xcb_connection_has_error(connection_))
        throw std::runtime_error("cannot open the display");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    root_ = screens.data->root;

    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present)
        throw std::runtime_error("the display has no damage extension");
    damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
    // The server speaks damage to a client only once it has said which version it knows.
    std::free(xcb_damage_query_version_reply(connection_,
                                             xcb_damage_query_version(connection_, 1, 1), nullptr));

    const char pidName[] = "_NET_WM_PID";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, std::strlen(pidName), pidName), nullptr);
    if (!atom)
        throw std::runtime_error("cannot name _NET_WM_PID");
    pidAtom_ = atom->atom;
    std::free(atom);

    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
    // Damage on the root window reports drawing on every window that shares the screen with it,
    // so no window's first drawing can slip by before a damage of its own is set up.
    xcb_damage_create(connection_, xcb_generate_id(connection_), root_,
                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    // A round trip: once it is answered, the server is already watching.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

DrawWatch::Step DrawWatch::next(int timeoutMs)
{
    xcb_generic_event_t *event = nextEvent(timeoutMs);
    if (!event)
        return Step::Nothing;
    const Step step = handle(*event);
    std::free(event);
    return step;
}

xcb_generic_event_t *DrawWatch::nextEvent(int timeoutMs)
{
    if (xcb_generic_event_t *queued = xcb_poll_for_event(connection_))
        return queued;
    if (xcb_connection_has_error(connection_))
        throw std::runtime_error("lost the display");
    pollfd socket{xcb_get_file_descriptor(connection_), POLLIN, 0};
    if (poll(&socket, 1, timeoutMs) <= 0)
        return nullptr;
    return xcb_poll_for_event(connection_);
}

DrawWatch::Step DrawWatch::handle(const xcb_generic_event_t &event)
{
    const uint8_t type = event.response_type & 0x7f;
    if (type == XCB_MAP_NOTIFY && window_ == XCB_NONE) {
        const auto &map = reinterpret_cast<const xcb_map_notify_event_t &>(event);
        // Override-redirect windows are menus and tips, not the program's windows.
        if (map.event != root_ || map.override_redirect || !belongsToFollowed(map.window))
            return Step::Nothing;
        window_ = map.window;
        readGeometry();
        return Step::Mapped;
    }
    if (type == XCB_CONFIGURE_NOTIFY && window_ != XCB_NONE) {
        const auto &moved = reinterpret_cast<const xcb_configure_notify_event_t &>(event);
        if (moved.window == window_)
            area_ = {moved.x, moved.y, moved.width, moved.height};
        return Step::Nothing;
    }
    // The whole screen reported as the damage is set up, and any drawing before the window is
    // mapped, cannot be the window's.
    if (type == damageEvent_ && window_ != XCB_NONE) {
        const auto &damage = reinterpret_cast<const xcb_damage_notify_event_t &>(event);
        return overlap(damage.area, area_) ? Step::Drawn : Step::Nothing;
    }
    return Step::Nothing;
}

bool DrawWatch::belongsToFollowed(xcb_window_t window)
{
    xcb_get_property_reply_t *property = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1),
        nullptr);
    if (!property)
        return false;
    const bool ours =
        xcb_get_property_value_length(property) == 4 &&
        *static_cast<const uint32_t *>(xcb_get_property_value(property)) == uint32_t(pid_);
    std::free(property);
    return ours;
}

void DrawWatch::readGeometry()
{
    xcb_get_geometry_reply_t *geometry =
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window_), nullptr);
    if (!geometry)
        return;
    area_ = {geometry->x, geometry->y, geometry->width, geometry->height};
    std::free(geometry);
}
