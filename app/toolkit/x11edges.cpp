// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/x11edges.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef TAVIX_X11_EDGES // the build found libxcb: a platform with X11

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};

// The connection Qt's X11 platform works on; none on any other platform (the offscreen one
// answers for X11 too, without a connection).
xcb_connection_t *x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

// The X window's size now; empty where the server answers with an error, as for a window that
// is already gone, which then needs nothing.
QSize nativeSize(xcb_connection_t *connection, xcb_window_t window)
{
    xcb_generic_error_t *error = nullptr;
    const std::unique_ptr<xcb_get_geometry_reply_t, FreeReply> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), &error));
    std::free(error);
    return geometry ? QSize(geometry->width, geometry->height) : QSize();
}

} // namespace

namespace X11Edges {

void carryOnPicture(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    const WId id = window->internalWinId();
    if (connection == nullptr || id == 0 || !window->isWindow())
        return;
    const auto native = static_cast<xcb_window_t>(id);
    const QSize size = nativeSize(connection, native);
    // Qt's picture of the window, as its backing store has it.
    const QSize picture = window->size() * window->devicePixelRatioF();
    if (picture.isEmpty() || (size.width() <= picture.width() && size.height() <= picture.height()))
        return;
    // The server copies from the window's own pixels, with no events for parts that another
    // window covers: those are exposed, and so painted and carried on again, when they show.
    const xcb_gcontext_t gc = xcb_generate_id(connection);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(connection, gc, native, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    const auto lastColumn = static_cast<std::int16_t>(picture.width() - 1);
    const auto lastRow = static_cast<std::int16_t>(picture.height() - 1);
    for (int x = picture.width(); x < size.width(); ++x) {
        xcb_copy_area(connection, native, native, gc, lastColumn, 0, static_cast<std::int16_t>(x), 0, 1,
                      static_cast<std::uint16_t>(picture.height()));
    }
    // Along the whole width, so the corner below the strip takes the last column's carried colour.
    for (int y = picture.height(); y < size.height(); ++y) {
        xcb_copy_area(connection, native, native, gc, 0, lastRow, 0, static_cast<std::int16_t>(y),
                      static_cast<std::uint16_t>(size.width()), 1);
    }
    xcb_free_gc(connection, gc);
    xcb_flush(connection);
}

} // namespace X11Edges

#else

namespace X11Edges {

void carryOnPicture(QWidget *)
{
}

} // namespace X11Edges

#endif
