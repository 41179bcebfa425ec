#include "platform/KeyState.h"

#include "platform/DisplayLoss.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <map>
#include <vector>

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

constexpr std::int16_t KeyDownBit = static_cast<std::int16_t>(0x8000);

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

    ~TConnection()
    {
        if (Dpy)
            XCloseDisplay(Dpy);
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
