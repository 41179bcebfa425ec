#include "platform/KeyRepeat.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace {

QNativeInterface::QX11Application* QtX11()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
}

} // namespace

TKeyRepeatFilter::TKeyRepeatFilter(TKeyDownQuery isKeyDown)
    : m_isKeyDown(std::move(isKeyDown))
{
    if (m_isKeyDown || !QtX11())
        return;
    RequestDetectableAutoRepeat();
    m_isKeyDown = IsKeyCodeDown;
}

std::vector<TKeyEventKind> TKeyRepeatFilter::Filter(const TKeyEvent& event)
{
    if (event.IsPress) {
        const auto pending = m_pendingReleases.find(event.KeyCode);
        if (pending == m_pendingReleases.end())
            return { TKeyEventKind::Down };
        // The server stamps an auto-repeat release and its press with the same time.
        const bool repeat = pending->second == event.Timestamp;
        m_pendingReleases.erase(pending);
        if (repeat)
            return { TKeyEventKind::Down };
        return { TKeyEventKind::Up, TKeyEventKind::Down };
    }
    if (event.IsAutoRepeat)
        return {};
    if (event.KeyCode != 0 && m_isKeyDown && m_isKeyDown(event.KeyCode)) {
        // The key is still held: this release belongs to a repeat whose press follows.
        m_pendingReleases[event.KeyCode] = event.Timestamp;
        return {};
    }
    m_pendingReleases.erase(event.KeyCode);
    return { TKeyEventKind::Up };
}

bool TKeyRepeatFilter::RequestDetectableAutoRepeat()
{
    auto* x11 = QtX11();
    if (!x11 || !x11->display())
        return false;
    Bool supported = False;
    XkbSetDetectableAutoRepeat(x11->display(), True, &supported);
    return supported;
}

bool TKeyRepeatFilter::IsKeyCodeDown(std::uint32_t keycode)
{
    auto* x11 = QtX11();
    if (!x11 || keycode > 255)
        return false;
    xcb_connection_t* connection = x11->connection();
    if (!connection || xcb_connection_has_error(connection))
        return false;
    std::unique_ptr<xcb_query_keymap_reply_t, decltype(&std::free)> reply(
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr), &std::free);
    if (!reply)
        return false;
    return (reply->keys[keycode / 8] & (1u << (keycode % 8))) != 0;
}
