#include "platform/keylock/StartKeyGrab.h"

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <thread>

#include <xcb/xcb.h>

namespace {

xcb_connection_t* StartConnection = nullptr;

constexpr int GrabTries = 25;
constexpr auto GrabTryPause = std::chrono::milliseconds(1);

bool GrabKeyboard(xcb_connection_t* connection, xcb_window_t root)
{
    for (int i = 0; i < GrabTries; ++i) {
        if (i > 0)
            std::this_thread::sleep_for(GrabTryPause);
        // No owner events: every key goes to this connection, which never reads them.
        const xcb_grab_keyboard_cookie_t cookie
            = xcb_grab_keyboard(connection, 0, root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        const std::unique_ptr<xcb_grab_keyboard_reply_t, decltype(&std::free)> reply(
            xcb_grab_keyboard_reply(connection, cookie, nullptr), &std::free);
        if (!reply)
            return false;
        if (reply->status == XCB_GRAB_STATUS_SUCCESS)
            return true;
        if (reply->status != XCB_GRAB_STATUS_ALREADY_GRABBED && reply->status != XCB_GRAB_STATUS_FROZEN)
            return false;
    }
    return false;
}

} // namespace

void TakeStartKeyGrab()
{
    // The platform has been chosen by now: only an X client grabs.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (StartConnection || (platform && *platform && !std::string_view(platform).starts_with("xcb")))
        return;
    // A bare connection asks the server nothing but the grab: no key a child presses while
    // the connection is set up waits for anything else.
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem) {
        xcb_disconnect(connection);
        return;
    }
    if (!GrabKeyboard(connection, screens.data->root)) {
        xcb_disconnect(connection);
        return;
    }
    StartConnection = connection;
}

bool StartKeyGrabHeld() { return StartConnection != nullptr; }

int HandOverStartKeyGrab(xcb_connection_t* connection, xcb_window_t window, bool ownerEvents)
{
    if (!StartConnection)
        return -1;
    // Two connections' requests reach the server in no set order, and a key pressed between
    // the one grab's end and the other's start would reach the desktop. So the server waits
    // for this connection alone while the new grab is queued behind it, and the start grab
    // ends with the server's wait.
    xcb_grab_server(StartConnection);
    std::free(xcb_get_input_focus_reply(StartConnection, xcb_get_input_focus(StartConnection), nullptr));
    const xcb_grab_keyboard_cookie_t cookie = xcb_grab_keyboard(connection, ownerEvents, window, XCB_CURRENT_TIME,
                                                                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    xcb_flush(connection);
    xcb_ungrab_keyboard(StartConnection, XCB_CURRENT_TIME);
    xcb_ungrab_server(StartConnection);
    xcb_flush(StartConnection);
    xcb_disconnect(StartConnection);
    StartConnection = nullptr;
    const std::unique_ptr<xcb_grab_keyboard_reply_t, decltype(&std::free)> reply(
        xcb_grab_keyboard_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->status : -1;
}

void DropStartKeyGrab()
{
    if (!StartConnection)
        return;
    xcb_disconnect(StartConnection);
    StartConnection = nullptr;
}
