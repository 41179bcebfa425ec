#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

// What the key handlers should see of an event.
enum class TKeyEventKind { Down, Up };

// Turns the X server's key events into what a held key gives on Windows: key-downs repeating
// and one key-up at the end. Without detectable auto-repeat the server reports a held key as
// release + press pairs with the same timestamp, and the toolkit, which recognises a pair only
// when the press is already queued, passes some of those releases on as real ones under load.
// So the filter asks the server for detectable auto-repeat (no releases while a key is held)
// and, where that is off, checks every release the toolkit did not flag against the key's real
// state: a release of a key still held is held back until its press shows whether it was a
// repeat (same timestamp) or a real release followed by a new press.
class TKeyRepeatFilter {
public:
    // Whether the key of an X keycode is held down right now.
    using TKeyDownQuery = std::function<bool(std::uint32_t keycode)>;

    // With no query, asks the X server for detectable auto-repeat and reads key states from
    // its key map over the toolkit's connection; off X every release is taken as it comes.
    explicit TKeyRepeatFilter(TKeyDownQuery isKeyDown = {});

    struct TKeyEvent {
        bool IsPress { true };
        bool IsAutoRepeat { false }; // the toolkit's own flag
        std::uint32_t KeyCode { 0 };  // 0 when the event has no native data
        std::uint64_t Timestamp { 0 };
    };
    // The key-downs and key-ups the event stands for, in order: none, one, or a held-back
    // key-up followed by the key-down.
    std::vector<TKeyEventKind> Filter(const TKeyEvent& event);

    // Forgets held-back releases, when another window has taken the keyboard.
    void Reset() { m_pendingReleases.clear(); }

    // Asks the toolkit's X connection for detectable auto-repeat; whether the server agreed.
    static bool RequestDetectableAutoRepeat();
    // The key map of the X server over the toolkit's connection; false off X or when the
    // connection is gone.
    static bool IsKeyCodeDown(std::uint32_t keycode);

private:
    TKeyDownQuery m_isKeyDown;
    std::map<std::uint32_t, std::uint64_t> m_pendingReleases; // keycode -> timestamp
};
