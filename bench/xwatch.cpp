// SPDX-License-Identifier: GPL-3.0-or-later
#include "xwatch.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <stdexcept>
#include <string>

namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> own(Reply *reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

} // namespace

XWatch::XWatch()
{
    m_connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(m_connection))
        throw std::runtime_error("cannot connect to the X display in $DISPLAY");
    m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    // Every window that a program maps at the top level is a child of the root window.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_screen->root, XCB_CW_EVENT_MASK, &mask);
    m_pidAtom = atom("_NET_WM_PID");
    xcb_flush(m_connection);
}

XWatch::~XWatch()
{
    xcb_disconnect(m_connection);
}

xcb_atom_t XWatch::atom(const char *name)
{
    auto reply = own(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(name)), name), nullptr));
    if (!reply)
        throw std::runtime_error(std::string("cannot intern the X atom ") + name);
    return reply->atom;
}

std::optional<std::uint32_t> XWatch::windowPid(xcb_window_t window)
{
    auto reply = own(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return std::nullopt;
    std::uint32_t pid = 0;
    std::memcpy(&pid, xcb_get_property_value(reply.get()), sizeof pid);
    return pid;
}

std::optional<xcb_window_t> XWatch::mappedWindowOf(pid_t pid, int timeoutMs)
{
    pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    poll(&fd, 1, timeoutMs);
    std::optional<xcb_window_t> found;
    while (auto event = own(xcb_poll_for_event(m_connection))) {
        if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY)
            continue;
        xcb_map_notify_event_t map; // the leading bytes of the generic event
        static_assert(sizeof map <= sizeof *event);
        std::memcpy(&map, event.get(), sizeof map);
        if (!found && windowPid(map.window) == std::uint32_t(pid))
            found = map.window;
    }
    if (xcb_connection_has_error(m_connection))
        throw std::runtime_error("lost the connection to the X display");
    return found;
}

std::optional<std::uint32_t> XWatch::pixel(xcb_window_t window, int x, int y)
{
    auto reply = own(xcb_get_image_reply(
        m_connection,
        xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, std::int16_t(x), std::int16_t(y), 1, 1, ~0u),
        nullptr));
    if (!reply || reply->depth != 24 || xcb_get_image_data_length(reply.get()) < 4)
        return std::nullopt;
    const std::uint8_t *p = xcb_get_image_data(reply.get());
    const bool lsbFirst = xcb_get_setup(m_connection)->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    return lsbFirst ? std::uint32_t(p[2] << 16 | p[1] << 8 | p[0]) : std::uint32_t(p[1] << 16 | p[2] << 8 | p[3]);
}

void XWatch::askToClose(xcb_window_t window)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&message));
    xcb_flush(m_connection);
}
