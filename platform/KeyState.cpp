#include "platform/KeyState.h"

#include "platform/DisplayLoss.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <map>
#include <vector>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

constexpr std::int16_t KeyDownBit = static_cast<std::int16_t>(0x8000);

// How often the watched keys are looked at when the server cannot report them.
constexpr int FallbackPollMs = 100;

// Which keysyms stand for a virtual key; a key counts as down when any keycode carrying one
// of them is down.
std::vector<KeySym> KeysymsOf(int virtualKey)
{
    switch (virtualKey) {
    case 16:
        return { XK_Shift_L, XK_Shift_R };
    case 17:
        return { XK_Control_L, XK_Control_R };
    case 18:
        return { XK_Alt_L, XK_Alt_R, XK_ISO_Level3_Shift };
    case 91:
        return { XK_Super_L };
    case 92:
        return { XK_Super_R };
    default:
        break;
    }
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return { static_cast<KeySym>(virtualKey - 'A' + 'a') };
    if (virtualKey >= '0' && virtualKey <= '9')
        return { static_cast<KeySym>(virtualKey) };
    return {};
}

} // namespace

struct TAsyncKeyState::TConnection {
    Display* Dpy { nullptr };
    // Set by the X library when the connection breaks; every call on it returns at once then.
    std::atomic<bool> Lost { false };
    std::map<int, std::vector<KeyCode>> KeyCodes;
    // The virtual keys whose presses and releases the server reports, and the major opcode of
    // the input extension they come with (-1 while nothing is watched that way).
    std::vector<int> Watched;
    int XInputOpcode { -1 };
    // Readable once Interrupt was called; read empty by the wait it ends.
    int WakeFd { -1 };

    ~TConnection()
    {
        if (Dpy)
            XCloseDisplay(Dpy);
        if (WakeFd >= 0)
            ::close(WakeFd);
    }

    bool IsWatchedKeyCode(int code)
    {
        return std::any_of(Watched.begin(), Watched.end(), [this, code](int virtualKey) {
            const auto& codes = KeyCodesOf(virtualKey);
            return std::find(codes.begin(), codes.end(), code) != codes.end();
        });
    }

    // Takes every event already received; true when one of them may have changed a watched
    // key. A changed keyboard mapping may have moved a watched key to other keycodes.
    bool TakeEvents()
    {
        bool changed = false;
        while (!Lost && XPending(Dpy) > 0) {
            XEvent event;
            XNextEvent(Dpy, &event);
            if (event.type == MappingNotify) {
                XRefreshKeyboardMapping(&event.xmapping);
                KeyCodes.clear();
                changed = true;
                continue;
            }
            XGenericEventCookie* cookie = &event.xcookie;
            if (cookie->type != GenericEvent || cookie->extension != XInputOpcode || !XGetEventData(Dpy, cookie))
                continue;
            if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease)
                changed = changed || IsWatchedKeyCode(static_cast<const XIRawEvent*>(cookie->data)->detail);
            XFreeEventData(Dpy, cookie);
        }
        return changed;
    }

    // Empties the wake-up counter; true when Interrupt had been called.
    bool TakeInterrupt()
    {
        eventfd_t count = 0;
        return WakeFd >= 0 && eventfd_read(WakeFd, &count) == 0 && count > 0;
    }

    // The key map is read once: the keycodes of a virtual key are looked up at first use.
    const std::vector<KeyCode>& KeyCodesOf(int virtualKey)
    {
        auto it = KeyCodes.find(virtualKey);
        if (it != KeyCodes.end())
            return it->second;
        std::vector<KeyCode> codes;
        const auto wanted = KeysymsOf(virtualKey);
        int minCode = 0;
        int maxCode = 0;
        XDisplayKeycodes(Dpy, &minCode, &maxCode);
        int perCode = 0;
        KeySym* map = XGetKeyboardMapping(Dpy, static_cast<KeyCode>(minCode), maxCode - minCode + 1, &perCode);
        if (map) {
            for (int code = minCode; code <= maxCode; ++code) {
                const KeySym* syms = map + static_cast<std::ptrdiff_t>(code - minCode) * perCode;
                for (int level = 0; level < std::min(perCode, 2); ++level) {
                    if (std::find(wanted.begin(), wanted.end(), syms[level]) != wanted.end()) {
                        codes.push_back(static_cast<KeyCode>(code));
                        break;
                    }
                }
            }
            XFree(map);
        }
        return KeyCodes.emplace(virtualKey, std::move(codes)).first->second;
    }
};

TAsyncKeyState::TAsyncKeyState()
    : FConnection(std::make_unique<TConnection>())
{
    FConnection->WakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    FConnection->Dpy = XOpenDisplay(nullptr);
    if (FConnection->Dpy)
        KeepRunningOnBrokenConnection(FConnection->Dpy, &FConnection->Lost);
}

TAsyncKeyState::~TAsyncKeyState() = default;

bool TAsyncKeyState::IsConnected() const { return FConnection->Dpy != nullptr && !FConnection->Lost; }

std::int16_t TAsyncKeyState::GetAsyncKeyState(int virtualKey)
{
    return IsKeyDown(virtualKey) ? KeyDownBit : 0;
}

bool TAsyncKeyState::IsKeyDown(int virtualKey)
{
    if (!IsConnected())
        return false;
    const auto& codes = FConnection->KeyCodesOf(virtualKey);
    if (codes.empty())
        return false;
    std::array<char, 32> keys {};
    XQueryKeymap(FConnection->Dpy, keys.data());
    if (FConnection->Lost)
        return false;
    for (KeyCode code : codes) {
        if (keys[code / 8] & (1 << (code % 8)))
            return true;
    }
    return false;
}

bool TAsyncKeyState::WatchKeys(std::initializer_list<int> virtualKeys)
{
    TConnection& connection = *FConnection;
    connection.Watched.assign(virtualKeys.begin(), virtualKeys.end());
    if (!IsConnected())
        return false;
    int opcode = 0;
    int firstEvent = 0;
    int firstError = 0;
    if (!XQueryExtension(connection.Dpy, "XInputExtension", &opcode, &firstEvent, &firstError))
        return false;
    // From version 2.1 on, raw key events reach every client that asks, whoever holds a grab.
    int major = 2;
    int minor = 2;
    if (XIQueryVersion(connection.Dpy, &major, &minor) != Success || major < 2 || (major == 2 && minor < 1))
        return false;
    std::array<unsigned char, XIMaskLen(XI_LASTEVENT)> bits {};
    XISetMask(bits.data(), XI_RawKeyPress);
    XISetMask(bits.data(), XI_RawKeyRelease);
    XIEventMask mask { XIAllMasterDevices, static_cast<int>(bits.size()), bits.data() };
    XISelectEvents(connection.Dpy, DefaultRootWindow(connection.Dpy), &mask, 1);
    XSync(connection.Dpy, False);
    if (connection.Lost)
        return false;
    connection.XInputOpcode = opcode;
    return true;
}

bool TAsyncKeyState::WaitForWatchedKeys()
{
    TConnection& connection = *FConnection;
    if (connection.TakeInterrupt())
        return IsConnected();
    while (IsConnected()) {
        if (connection.TakeEvents())
            return !connection.Lost;
        std::array<pollfd, 2> fds { { { ConnectionNumber(connection.Dpy), POLLIN, 0 }, { connection.WakeFd, POLLIN, 0 } } };
        const int timeout = connection.XInputOpcode >= 0 ? -1 : FallbackPollMs;
        const int ready = ::poll(fds.data(), fds.size(), timeout);
        if (ready < 0 && errno != EINTR)
            return false;
        if (ready == 0)
            return true;
        if (fds[1].revents != 0 && connection.TakeInterrupt())
            return IsConnected();
        // Whatever came on the connection (events, or its end) is taken at the top.
    }
    return false;
}

void TAsyncKeyState::Interrupt()
{
    if (FConnection->WakeFd >= 0)
        eventfd_write(FConnection->WakeFd, 1);
}
