#include "platform/keylock/WaylandKeyLock.h"

#include "platform/keylock/KeyLock.h"
#include "platform/keylock/LockWindows.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlatformSurfaceEvent>
#include <QPointer>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <deque>
#include <optional>

#include <wayland-client.h>

#include "shortcuts-inhibit-client.h"

// The compositor answers each inhibitor with `active` once its shortcuts are held back for the
// surface and `inactive` when it gives them back (a restore key, a policy, a command). The
// protocol has no refusal: an inhibitor that stays inactive is one the compositor does not
// grant, for example while it asks the user. The lock's objects live on an event queue of
// their own over Qt's connection, dispatched here on the user-interface thread.

namespace {

using TClock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A timer fires a little late rather than early; the margin keeps it from looking just before
// a deadline.
constexpr auto DeadlineMargin = 5ms;
// How long a compositor may take to grant a request before the parent is told.
constexpr auto GrantTimeout = 3s;
// After the compositor takes the inhibition away, the program asks again after this pause,
// at most MaxRequests times within RequestWindow.
constexpr auto RequestDelay = 200ms;
constexpr std::size_t MaxRequests = 5;
constexpr auto RequestWindow = 60s;
// A request the compositor refused is asked again when the window gets the keyboard back,
// once this long has passed since it was asked: a desktop that asks the user asks anew then.
constexpr auto AskAgainPause = 60s;
// The keyboard going from one of the program's windows to another passes through none for a
// moment; only a longer time without it is told.
constexpr auto ElsewhereGrace = 1s;

wl_display* QtDisplay()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("wayland"))
        return nullptr;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
}

wl_surface* SurfaceOf(QWindow* window)
{
    if (!window || !window->handle())
        return nullptr;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_surface*>(native->nativeResourceForWindow("surface", window)) : nullptr;
}

// The program's window that has the keyboard, if any.
QWindow* FocusedWindow()
{
    if (QGuiApplication::applicationState() != Qt::ApplicationActive)
        return nullptr;
    QWindow* focus = QGuiApplication::focusWindow();
    return IsLockCandidate(focus) ? focus : nullptr;
}

} // namespace

struct TWaylandKeyLock::TInhibitor {
    TWaylandKeyLock* Owner { nullptr };
    QPointer<QWindow> Window;
    wl_surface* Surface { nullptr };
    wl_seat* Seat { nullptr };
    zwp_keyboard_shortcuts_inhibitor_v1* Proxy { nullptr };
    bool Active { false };
    bool EverActive { false };
    TClock::time_point RequestedAt {};
    TClock::time_point InactiveSince {};
    std::deque<TClock::time_point> Requests; // the recent requests, oldest first
};

TWaylandKeyLock* TWaylandKeyLock::Create()
{
    wl_display* display = QtDisplay();
    if (!display)
        return nullptr;
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
    wl_registry* registry = wl_display_get_registry(wrapper);
    wl_proxy_wrapper_destroy(wrapper);
    auto* lock = new TWaylandKeyLock(display, queue, registry);
    if (wl_display_roundtrip_queue(display, queue) < 0 || !lock->FManager || lock->FSeats.empty()) {
        delete lock;
        ReportWindowKeys(TWindowKeysState::DesktopKeysOpen);
        return nullptr;
    }
    // From now on the compositor's answers come with the program's other events, dispatched
    // by Qt as they arrive: nothing has to look for them on a timer.
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(registry), nullptr);
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(lock->FManager), nullptr);
    for (const TSeat& seat : lock->FSeats)
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(seat.Seat), nullptr);
    lock->Update();
    return lock;
}

TWaylandKeyLock::TWaylandKeyLock(wl_display* display, wl_event_queue* queue, wl_registry* registry)
    : QObject(qGuiApp)
    , FDisplay(display)
    , FQueue(queue)
    , FRegistry(registry)
{
    static const wl_registry_listener listener = { &TWaylandKeyLock::Global, &TWaylandKeyLock::GlobalRemove };
    wl_registry_add_listener(FRegistry, &listener, this);
    qGuiApp->installEventFilter(this);
    FTimer.setSingleShot(true);
    FTimer.setTimerType(Qt::PreciseTimer);
    connect(&FTimer, &QTimer::timeout, this, [this] { Update(); });
    FSoon.setSingleShot(true);
    FSoon.setInterval(0);
    connect(&FSoon, &QTimer::timeout, this, [this] { Update(); });
}

TWaylandKeyLock::~TWaylandKeyLock()
{
    // Freed with the application object, the connection is closing and the compositor
    // drops the inhibitors with it; only EnableWindowKeys, while the application runs, has
    // to give the shortcuts back.
    if (!qGuiApp)
        return;
    qGuiApp->removeEventFilter(this);
    for (auto& inhibitor : FInhibitors)
        Release(*inhibitor);
    FInhibitors.clear();
    if (FManager)
        zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(FManager);
    for (const TSeat& seat : FSeats)
        wl_seat_destroy(seat.Seat);
    wl_registry_destroy(FRegistry);
    wl_display_flush(FDisplay);
    wl_event_queue_destroy(FQueue);
}

bool TWaylandKeyLock::KeysLocked() const
{
    // An inhibition granted for a window without the keyboard holds nothing back.
    const QWindow* focus = FocusedWindow();
    return focus && std::any_of(FInhibitors.begin(), FInhibitors.end(), [focus](const auto& inhibitor) {
               return inhibitor->Window == focus && inhibitor->Active;
           });
}

void TWaylandKeyLock::Global(void* data, wl_registry* registry, unsigned name, const char* interface, unsigned)
{
    auto* lock = static_cast<TWaylandKeyLock*>(data);
    if (std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0 && !lock->FManager) {
        lock->FManager = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
        lock->FManagerName = name;
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0) {
        auto* seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
        static const wl_seat_listener listener = { &TWaylandKeyLock::SeatCapabilities, &TWaylandKeyLock::SeatName };
        wl_seat_add_listener(seat, &listener, lock);
        lock->FSeats.push_back({ seat, name });
    }
}

void TWaylandKeyLock::GlobalRemove(void* data, wl_registry*, unsigned name)
{
    auto* lock = static_cast<TWaylandKeyLock*>(data);
    const auto seat = std::find_if(lock->FSeats.begin(), lock->FSeats.end(),
                                   [name](const TSeat& s) { return s.Name == name; });
    if (seat != lock->FSeats.end()) {
        auto& inhibitors = lock->FInhibitors;
        for (auto& inhibitor : inhibitors) {
            if (inhibitor->Seat == seat->Seat)
                lock->Release(*inhibitor);
        }
        inhibitors.erase(std::remove_if(inhibitors.begin(), inhibitors.end(),
                                        [&](const auto& inhibitor) { return inhibitor->Seat == seat->Seat; }),
                         inhibitors.end());
        wl_seat_destroy(seat->Seat);
        lock->FSeats.erase(seat);
    } else if (lock->FManager && name == lock->FManagerName) {
        // The compositor withdrew the protocol: what was granted is gone with it.
        for (auto& inhibitor : lock->FInhibitors)
            lock->Release(*inhibitor);
        lock->FInhibitors.clear();
        zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(lock->FManager);
        lock->FManager = nullptr;
        ReportWindowKeys(TWindowKeysState::Lost);
    }
    lock->FSoon.start(); // whether the keys are locked may have changed with it
}

void TWaylandKeyLock::SeatCapabilities(void* data, wl_seat* seat, unsigned capabilities)
{
    auto* lock = static_cast<TWaylandKeyLock*>(data);
    const bool keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
    for (TSeat& known : lock->FSeats) {
        if (known.Seat != seat || known.Keyboard == keyboard)
            continue;
        known.Keyboard = keyboard;
        // A keyboard that comes while no window of ours has it goes elsewhere from now on.
        if (keyboard)
            lock->FFocusLostAt = TClock::now();
        lock->FSoon.start();
    }
}

void TWaylandKeyLock::SeatName(void*, wl_seat*, const char*) { }

bool TWaylandKeyLock::SeatHasKeyboard() const
{
    return std::any_of(FSeats.begin(), FSeats.end(), [](const TSeat& seat) { return seat.Keyboard; });
}

void TWaylandKeyLock::Active(void* data, zwp_keyboard_shortcuts_inhibitor_v1*)
{
    auto* inhibitor = static_cast<TInhibitor*>(data);
    inhibitor->Active = true;
    inhibitor->EverActive = true;
    inhibitor->Owner->FSoon.start();
}

void TWaylandKeyLock::Inactive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*)
{
    auto* inhibitor = static_cast<TInhibitor*>(data);
    inhibitor->Active = false;
    inhibitor->InactiveSince = TClock::now();
    inhibitor->Owner->FSoon.start();
}

void TWaylandKeyLock::Request(TInhibitor& inhibitor)
{
    static const zwp_keyboard_shortcuts_inhibitor_v1_listener listener = { &TWaylandKeyLock::Active,
                                                                           &TWaylandKeyLock::Inactive };
    // A surface may hold one inhibitor per seat: the old one goes before the new one is asked.
    Release(inhibitor);
    inhibitor.Proxy =
        zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(FManager, inhibitor.Surface, inhibitor.Seat);
    zwp_keyboard_shortcuts_inhibitor_v1_add_listener(inhibitor.Proxy, &listener, &inhibitor);
    inhibitor.RequestedAt = TClock::now();
    inhibitor.Requests.push_back(inhibitor.RequestedAt);
}

void TWaylandKeyLock::Release(TInhibitor& inhibitor)
{
    if (inhibitor.Proxy)
        zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor.Proxy);
    inhibitor.Proxy = nullptr;
    inhibitor.Active = false;
}

void TWaylandKeyLock::ForgetWindow(const QObject* window)
{
    // Partitioning keeps the inhibitors that go whole, so that they can be released.
    auto gone = std::stable_partition(FInhibitors.begin(), FInhibitors.end(), [&](const auto& inhibitor) {
        return !inhibitor->Window.isNull() && static_cast<const QObject*>(inhibitor->Window.data()) != window;
    });
    for (auto it = gone; it != FInhibitors.end(); ++it)
        Release(**it);
    FInhibitors.erase(gone, FInhibitors.end());
}

void TWaylandKeyLock::Update()
{
    if (wl_display_dispatch_queue_pending(FDisplay, FQueue) < 0)
        return; // the connection failed; the program ends with it
    // A window that was hidden, or whose surface Qt made anew, asks again when focused.
    auto stale = std::stable_partition(FInhibitors.begin(), FInhibitors.end(), [](const auto& inhibitor) {
        return IsLockCandidate(inhibitor->Window) && SurfaceOf(inhibitor->Window) == inhibitor->Surface;
    });
    for (auto it = stale; it != FInhibitors.end(); ++it)
        Release(**it);
    FInhibitors.erase(stale, FInhibitors.end());

    QWindow* focus = FocusedWindow();
    const auto now = TClock::now();
    if (focus != FFocusSeen) {
        if (!focus) {
            FFocusLostAt = now;
            FKeysDown.clear();
        } else if (!FFocusSeen && FEverFocused) {
            AskAgainIfRefused(focus);
        }
        FEverFocused = FEverFocused || focus;
        FFocusSeen = focus;
    }
    wl_surface* surface = SurfaceOf(focus);
    if (FManager && focus && surface) {
        for (const TSeat& seat : FSeats) {
            auto it = std::find_if(FInhibitors.begin(), FInhibitors.end(), [&](const auto& inhibitor) {
                return inhibitor->Window == focus && inhibitor->Seat == seat.Seat;
            });
            if (it == FInhibitors.end()) {
                auto inhibitor = std::make_unique<TInhibitor>();
                inhibitor->Owner = this;
                inhibitor->Window = focus;
                inhibitor->Surface = surface;
                inhibitor->Seat = seat.Seat;
                Request(*inhibitor);
                FInhibitors.push_back(std::move(inhibitor));
                continue;
            }
            TInhibitor& inhibitor = **it;
            while (!inhibitor.Requests.empty() && now - inhibitor.Requests.front() > RequestWindow)
                inhibitor.Requests.pop_front();
            // Taken away while the window still has the keyboard: ask again once every key
            // is up, so that a restore key held down, repeating, takes it away only once; and
            // at once then, before the next key comes.
            if (!inhibitor.Active && inhibitor.EverActive && inhibitor.InactiveSince >= inhibitor.RequestedAt
                && KeysUp() && now - inhibitor.InactiveSince >= RequestDelay && inhibitor.Requests.size() < MaxRequests)
                Request(inhibitor);
        }
    }
    wl_display_flush(FDisplay);
    ReportFor(focus);
    if (const bool locked = KeysLocked(); locked != FLockedSeen) {
        FLockedSeen = locked;
        if (FKeysLockedChanged)
            FKeysLockedChanged();
    }
    WakeForDeadline(focus);
}

void TWaylandKeyLock::WakeForDeadline(const QWindow* focus)
{
    // The lock looks again without an event only when a time runs out: a request unanswered
    // for long enough is reported, an inhibition taken away is asked for again after a pause,
    // and one asked for too often may be asked for again once its oldest request is old enough.
    const auto now = TClock::now();
    std::optional<TClock::time_point> next;
    const auto wakeAt = [&](TClock::time_point when) {
        if (when > now && (!next || when < *next))
            next = when;
    };
    if (FManager && !focus && FEverFocused && SeatHasKeyboard())
        wakeAt(FFocusLostAt + ElsewhereGrace);
    if (FManager && focus) {
        for (const auto& inhibitor : FInhibitors) {
            if (inhibitor->Window != focus || inhibitor->Active)
                continue;
            const bool takenAway = inhibitor->EverActive && inhibitor->InactiveSince >= inhibitor->RequestedAt;
            if (!takenAway)
                wakeAt(inhibitor->RequestedAt + GrantTimeout);
            else if (inhibitor->Requests.size() < MaxRequests && KeysUp())
                wakeAt(inhibitor->InactiveSince + RequestDelay);
            else if (inhibitor->Requests.size() < MaxRequests)
                wakeAt(inhibitor->InactiveSince + GrantTimeout + RequestDelay); // then reported lost
            else if (!inhibitor->Requests.empty())
                wakeAt(inhibitor->Requests.front() + RequestWindow);
        }
    }
    if (!next) {
        FTimer.stop();
        return;
    }
    const auto delay = std::chrono::ceil<std::chrono::milliseconds>(*next - now + DeadlineMargin);
    FTimer.start(int(delay.count()));
}

void TWaylandKeyLock::ReportFor(const QWindow* focus)
{
    if (!FManager)
        return;
    const auto now = TClock::now();
    if (!focus) {
        // A seat without a keyboard gives it to nobody: no shortcut acts either.
        if (FEverFocused && SeatHasKeyboard() && now - FFocusLostAt >= ElsewhereGrace)
            ReportWindowKeys(TWindowKeysState::KeyboardElsewhere);
        return;
    }
    bool asked = false;
    bool waiting = false;
    TWindowKeysState state = TWindowKeysState::Locked;
    for (const auto& inhibitor : FInhibitors) {
        if (inhibitor->Window != focus)
            continue;
        asked = true;
        if (inhibitor->Active)
            continue;
        // Taken away and about to be asked for again: the answer is awaited from then on.
        const bool askingAgain = inhibitor->EverActive && inhibitor->InactiveSince >= inhibitor->RequestedAt
            && inhibitor->Requests.size() < MaxRequests;
        const auto since = askingAgain ? inhibitor->InactiveSince : inhibitor->RequestedAt;
        if (now - since < GrantTimeout + (askingAgain ? RequestDelay : 0ms))
            waiting = true;
        else
            state = inhibitor->EverActive ? TWindowKeysState::Lost : TWindowKeysState::Refused;
    }
    // Until the window has asked, and while a request waits for its answer, the parent hears
    // nothing new.
    if (!asked || (state == TWindowKeysState::Locked && waiting))
        return;
    ReportWindowKeys(state);
}

bool TWaylandKeyLock::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::PlatformSurface:
        // The inhibitor goes before the surface it names.
        if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType()
            == QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
            ForgetWindow(watched);
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        KeyEvent(event);
        break;
    case QEvent::ApplicationStateChange:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Expose:
    case QEvent::FocusIn:
    case QEvent::WindowActivate:
        if (!FSoon.isActive())
            FSoon.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TWaylandKeyLock::KeyEvent(const QEvent* event)
{
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->isAutoRepeat())
        return;
    const quint32 code = key->nativeScanCode();
    if (event->type() == QEvent::KeyPress) {
        FKeysDown.insert(code);
        return;
    }
    // A key whose press the compositor kept for a binding of its own comes up all the same.
    FKeysDown.erase(code);
    if (KeysUp() && !FSoon.isActive())
        FSoon.start();
}

void TWaylandKeyLock::AskAgainIfRefused(QWindow* focus)
{
    const auto now = TClock::now();
    const bool refused = std::any_of(FInhibitors.begin(), FInhibitors.end(), [&](const auto& inhibitor) {
        return inhibitor->Window == focus && !inhibitor->EverActive && now - inhibitor->RequestedAt >= AskAgainPause;
    });
    if (!refused)
        return;
    // The window is shown anew: Qt gives it a new surface, for which the window asks as for
    // any window shown. Not from inside the lock's own bookkeeping: the old surface's
    // inhibitors go with it.
    QTimer::singleShot(0, this, [window = QPointer<QWindow>(focus)] {
        if (!window || !window->isVisible())
            return;
        window->setVisible(false);
        window->setVisible(true);
        window->requestActivate();
    });
}
