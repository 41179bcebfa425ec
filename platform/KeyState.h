#pragma once

#include <cstdint>
#include <initializer_list>
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

    // Asks the server to tell this connection whenever one of these keys goes down or up,
    // wherever the key goes: a keyboard grab held by any client, the program's own lock
    // included, does not hide it. Call before reading the keys' state, so no change between
    // the reading and the first wait is missed. False when the server cannot tell (no X
    // input extension of version 2.1 or later): WaitForWatchedKeys then wakes every 100 ms.
    bool WatchKeys(std::initializer_list<int> virtualKeys);
    // Sleeps until a watched key may have gone down or up, or Interrupt is called (also when
    // it was called before the wait began), or the connection breaks. Other keys do not end
    // the sleep. Returns false once the connection is gone.
    bool WaitForWatchedKeys();
    // Ends the current or the next WaitForWatchedKeys; safe from any thread.
    void Interrupt();

private:
    struct TConnection;
    std::unique_ptr<TConnection> FConnection;
};
