#include "WindowManagerMove.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace desktop_test {
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

bool MoveByWindowManager(const QWidget& window, QPoint frameTopLeft) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return false;
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // The window manager's protocol: a request to move a window, from a
    // tool acting for the user, its place that of the frame's top-left.
    constexpr std::uint32_t kNorthWestGravity = 1, kXGiven = 1u << 8, kYGiven = 1u << 9, kFromUser = 2u << 12;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = Atom(connection, "_NET_MOVERESIZE_WINDOW");
    message.data.data32[0] = kNorthWestGravity | kXGiven | kYGiven | kFromUser;
    message.data.data32[1] = static_cast<std::uint32_t>(frameTopLeft.x());
    message.data.data32[2] = static_cast<std::uint32_t>(frameTopLeft.y());
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

} // namespace desktop_test
