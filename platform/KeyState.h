#pragma once

#include <cstdint>
#include <memory>

// The asynchronous state of keys, read from the X server's key map over a connection of its
// own, so the key-watch thread never shares the user-interface thread's connection. Without
// an X display every key reads as up.
class TAsyncKeyState {
public:
    TAsyncKeyState();
    ~TAsyncKeyState();
    TAsyncKeyState(const TAsyncKeyState&) = delete;
    TAsyncKeyState& operator=(const TAsyncKeyState&) = delete;

    // 0x8000 (the most significant bit) while the key of the virtual-key code is held down,
    // else 0. Knows the two Windows keys (91, 92), Shift, Ctrl, Alt, letters and digits.
    std::int16_t GetAsyncKeyState(int virtualKey);
    bool IsKeyDown(int virtualKey);

    // Whether a display could be opened and the connection still holds. A broken connection
    // never ends the process from the thread that uses it: every key then reads as up.
    bool IsConnected() const;

private:
    struct TConnection;
    std::unique_ptr<TConnection> FConnection;
};
