// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/actions/WindowFrameWatch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#ifdef QUILLBY_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#endif

namespace quillby {

namespace {

#ifdef QUILLBY_HAVE_XCB
// How long a window manager that supports it is given to say what frame it would draw.
constexpr qint64 kEstimateWaitMs = 1000;

xcb_connection_t *X11Connection()
{
    const auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

std::uint32_t InternAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const std::uint32_t atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}

// The frame widths in a window's _NET_FRAME_EXTENTS; none while it has none.
std::optional<QMargins> FrameExtents(xcb_connection_t *connection, xcb_window_t window,
                                     std::uint32_t extentsAtom)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, extentsAtom, XCB_ATOM_CARDINAL, 0, 4);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    std::optional<QMargins> margins;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        // Left, right, top, bottom.
        const auto *widths = static_cast<const std::uint32_t *>(xcb_get_property_value(reply));
        margins = QMargins(int(widths[0]), int(widths[2]), int(widths[1]), int(widths[3]));
    }
    std::free(reply);
    return margins;
}

// The root window above a window.
xcb_window_t RootOf(xcb_connection_t *connection, xcb_window_t window)
{
    xcb_query_tree_reply_t *tree =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
    const xcb_window_t root = tree ? tree->root : 0;
    std::free(tree);
    return root;
}

// Whether the window manager says it supports `atom` (in the root window's _NET_SUPPORTED).
bool WindowManagerSupports(xcb_connection_t *connection, xcb_window_t root, std::uint32_t atom)
{
    const std::uint32_t supportedAtom = InternAtom(connection, "_NET_SUPPORTED");
    if (root == 0 || atom == 0 || supportedAtom == 0)
        return false;
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, root, supportedAtom, XCB_ATOM_ATOM, 0, 4096);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    bool supported = false;
    if (reply && reply->format == 32) {
        const auto *atoms = static_cast<const std::uint32_t *>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        supported = std::find(atoms, atoms + count, atom) != atoms + count;
    }
    std::free(reply);
    return supported;
}
#endif

} // namespace

WindowFrameWatch::WindowFrameWatch(QWidget &window)
    : QObject(&window)
    , window_(window)
{
#ifdef QUILLBY_HAVE_XCB
    if (xcb_connection_t *connection = X11Connection()) {
        connection_ = connection;
        extentsAtom_ = InternAtom(connection, "_NET_FRAME_EXTENTS");
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
#endif
}

WindowFrameWatch::~WindowFrameWatch()
{
    if (connection_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

QMargins WindowFrameWatch::Margins() const
{
#ifdef QUILLBY_HAVE_XCB
    if (connection_ && extentsAtom_ != 0) {
        const WId id = window_.internalWinId();
        if (id == 0)
            return {};
        auto *connection = static_cast<xcb_connection_t *>(connection_);
        const auto window = static_cast<xcb_window_t>(id);
        std::optional<QMargins> extents = FrameExtents(connection, window, extentsAtom_);
        if (!extents && !window_.testAttribute(Qt::WA_Mapped))
            extents = EstimatedExtents(connection, window);
        return extents.value_or(QMargins());
    }
#endif
    return ToolkitMargins();
}

#ifdef QUILLBY_HAVE_XCB
// A window manager that supports _NET_REQUEST_FRAME_EXTENTS answers by setting the window's
// _NET_FRAME_EXTENTS to the frame it would give the window as it stands (its type, whether it
// can be resized); the answer is awaited here, for a while: the window does not show meanwhile.
std::optional<QMargins> WindowFrameWatch::EstimatedExtents(void *connectionHandle,
                                                           std::uint32_t window) const
{
    auto *connection = static_cast<xcb_connection_t *>(connectionHandle);
    const xcb_window_t root = RootOf(connection, window);
    const std::uint32_t requestAtom = InternAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (!WindowManagerSupports(connection, root, requestAtom))
        return std::nullopt;
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = window;
    request.type = requestAtom;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(connection);
    QElapsedTimer waited;
    waited.start();
    do {
        if (std::optional<QMargins> extents = FrameExtents(connection, window, extentsAtom_))
            return extents;
        QThread::msleep(1);
    } while (waited.elapsed() < kEstimateWaitMs);
    return std::nullopt;
}
#endif

// A frame the toolkit is still working out can come out with negative widths: none then.
QMargins WindowFrameWatch::ToolkitMargins() const
{
    const QRect client = window_.geometry();
    const QRect outer = window_.frameGeometry();
    const QMargins margins(client.left() - outer.left(), client.top() - outer.top(),
                           outer.right() - client.right(), outer.bottom() - client.bottom());
    if (margins.left() < 0 || margins.top() < 0 || margins.right() < 0 || margins.bottom() < 0)
        return {};
    return margins;
}

// Every event of the X server passes here before the toolkit handles it. A new frame setting on
// the window is announced once the toolkit has handled the event.
bool WindowFrameWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#ifdef QUILLBY_HAVE_XCB
    const WId id = window_.internalWinId();
    if (eventType != "xcb_generic_event_t" || id == 0)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto *notify = static_cast<const xcb_property_notify_event_t *>(message);
    if (notify->atom == extentsAtom_ && notify->window == id)
        QMetaObject::invokeMethod(
            this, [this] { emit Changed(); }, Qt::QueuedConnection);
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}

} // namespace quillby
