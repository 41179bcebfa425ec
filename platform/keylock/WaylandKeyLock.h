#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <chrono>
#include <memory>
#include <set>
#include <vector>

class QWindow;
struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_seat;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;

// The lock as a Wayland client: the compositor is asked to inhibit its own shortcuts while a
// window of the program has the keyboard (keyboard-shortcuts-inhibit). Each window asks once
// it is shown and focused; when the compositor takes the inhibition away while the window is
// still focused, the window asks again once every key is up (a restore key held down repeats,
// and each repeat would take a new inhibition away), a few times a minute at most. A request
// the compositor refused (a desktop that asks the user, and was told no) is asked again when
// the window gets the keyboard back, at most once a minute, on a new surface: such a desktop
// keeps its answer for the surface it was asked for. What the compositor does not grant is
// reported (refused, or lost after it was granted), and so is the keyboard being with another
// window, which a Wayland client cannot take back.
class TWaylandKeyLock : public QObject {
public:
    // The lock over Qt's Wayland connection; null when the program is not a Wayland client,
    // or when the compositor does not offer the protocol (then the keys are reported open).
    static TWaylandKeyLock* Create();
    ~TWaylandKeyLock() override;
    // Whether the compositor holds its shortcuts back now for the program's window that has
    // the keyboard.
    bool KeysLocked() const;
    // Called on this thread once KeysLocked has changed.
    void SetKeysLockedChanged(std::function<void()> changed) { FKeysLockedChanged = std::move(changed); }

    struct TInhibitor;
    struct TSeat {
        wl_seat* Seat;
        unsigned Name;
        bool Keyboard { false };
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TWaylandKeyLock(wl_display* display, wl_event_queue* queue, wl_registry* registry);

    static void Global(void* data, wl_registry* registry, unsigned name, const char* interface, unsigned version);
    static void GlobalRemove(void* data, wl_registry* registry, unsigned name);
    static void SeatCapabilities(void* data, wl_seat* seat, unsigned capabilities);
    static void SeatName(void* data, wl_seat* seat, const char* name);
    static void Active(void* data, struct zwp_keyboard_shortcuts_inhibitor_v1* proxy);
    static void Inactive(void* data, struct zwp_keyboard_shortcuts_inhibitor_v1* proxy);

    void Update();
    void Request(TInhibitor& inhibitor);
    void Release(TInhibitor& inhibitor);
    void ForgetWindow(const QObject* window);
    void ReportFor(const QWindow* focus);
    void WakeForDeadline(const QWindow* focus);
    void KeyEvent(const QEvent* event);
    bool KeysUp() const { return FKeysDown.empty(); }
    bool SeatHasKeyboard() const;
    void AskAgainIfRefused(QWindow* focus);

    wl_display* FDisplay;
    wl_event_queue* FQueue;
    wl_registry* FRegistry;
    zwp_keyboard_shortcuts_inhibit_manager_v1* FManager { nullptr };
    unsigned FManagerName { 0 };
    std::vector<TSeat> FSeats;
    std::vector<std::unique_ptr<TInhibitor>> FInhibitors;
    QTimer FTimer; // runs only while a time is running out
    QTimer FSoon;
    bool FLockedSeen { false };
    // The keys this client has seen go down and not yet up, by scan code; cleared when the
    // keyboard goes elsewhere, since their releases go elsewhere with it.
    std::set<quint32> FKeysDown;
    const QWindow* FFocusSeen { nullptr };
    bool FEverFocused { false };
    std::chrono::steady_clock::time_point FFocusLostAt {};
    std::function<void()> FKeysLockedChanged;
};
