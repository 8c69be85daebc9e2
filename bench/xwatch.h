// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <sys/types.h>

// Watches an X display from outside a program: which top-level window it maps, what colour a
// pixel of that window shows on the screen, and asks the window to close as a window manager does.
class XWatch
{
public:
    XWatch(); // connects to $DISPLAY; throws std::runtime_error if it cannot
    ~XWatch();
    XWatch(const XWatch &) = delete;
    XWatch &operator=(const XWatch &) = delete;

    // Takes the events that have come in; returns a top-level window of process pid mapped among
    // them, if there is one. Waits up to timeoutMs for the first event.
    std::optional<xcb_window_t> mappedWindowOf(pid_t pid, int timeoutMs);

    // The pixel at (x, y) of the window as 0xRRGGBB; none if the window cannot be read.
    std::optional<std::uint32_t> pixel(xcb_window_t window, int x, int y);

    // Sends WM_DELETE_WINDOW, which is how a window manager closes a window.
    void askToClose(xcb_window_t window);

private:
    std::optional<std::uint32_t> windowPid(xcb_window_t window);
    xcb_atom_t atom(const char *name);

    xcb_connection_t *m_connection = nullptr;
    xcb_screen_t *m_screen = nullptr;
    xcb_atom_t m_pidAtom = 0;
};
