#include "platform/keylock/ServerKeys.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XKB.h>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <functional>
#include <set>

namespace ServerKeys {

namespace {

constexpr std::uint32_t XF86Switch_VT_1 = 0x1008FE01;
constexpr std::uint32_t XF86Switch_VT_12 = 0x1008FE0C;
constexpr std::uint32_t Terminate_Server = 0xFED5;
constexpr std::uint32_t NoKeySym = 0;
constexpr std::uint32_t RecordMagic = 0x4B44534B; // "KDSK"
constexpr int WordsPerEntry = 4;
constexpr int RescanDelayMs = 100;

const char* const RecordAtomName = "_KEDOOZLE_SERVER_KEYS";
const char* const OwnerAtomName = "_KEDOOZLE_SERVER_KEYS_OWNER";

// Follows the desktop's keymap changes while the event loop runs.
class TWatcher : public QObject {
public:
    TWatcher(int fd, std::function<void()> drain, std::function<void()> rescan)
        : QObject(QCoreApplication::instance())
        , FNotifier(fd, QSocketNotifier::Read)
        , FDrain(std::move(drain))
    {
        FRescan.setSingleShot(true);
        FRescan.setInterval(RescanDelayMs);
        connect(&FRescan, &QTimer::timeout, this, std::move(rescan));
        connect(&FNotifier, &QSocketNotifier::activated, this, [this] {
            FDrain();
            FRescan.start();
        });
    }

private:
    QSocketNotifier FNotifier;
    QTimer FRescan;
    std::function<void()> FDrain;
};

struct TState {
    Display* Dpy { nullptr };
    Window Root { 0 };
    Window Owner { 0 };
    Atom RecordAtom { 0 };
    Atom OwnerAtom { 0 };
    std::vector<TRemovedEntry> Entries;
    bool Active { false };
    bool ExitHandlersInstalled { false };
    bool NoXkbReported { false };
    bool Broken { false };
    QPointer<TWatcher> Watcher;
};

// Never destroyed: the exit and terminate handlers may run after static destruction began.
TState& State()
{
    static TState* state = new TState;
    return *state;
}

XErrorHandler PreviousErrorHandler = nullptr;

// Errors of our own connection (a key that changed shape under us) are not fatal; the
// others go where they went before.
int OnXError(Display* dpy, XErrorEvent* error)
{
    if (dpy == State().Dpy)
        return 0;
    return PreviousErrorHandler ? PreviousErrorHandler(dpy, error) : 0;
}

// Whether the server is still at the other end. Xlib ends the process on a broken
// connection, so every use of it after start is checked first.
bool ConnectionAlive(Display* dpy)
{
    if (!dpy || State().Broken)
        return false;
    pollfd descriptor { ConnectionNumber(dpy), POLLIN, 0 };
    if (poll(&descriptor, 1, 0) < 0)
        return errno == EINTR;
    if (descriptor.revents & (POLLERR | POLLNVAL))
        return false;
    if (descriptor.revents & (POLLIN | POLLHUP)) {
        char byte = 0;
        const ssize_t got = recv(descriptor.fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
        if (got == 0)
            return false;
        if (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return false;
    }
    return true;
}

struct TKeymap {
    explicit TKeymap(Display* dpy)
        : Xkb(XkbGetMap(dpy, XkbKeyTypesMask | XkbKeySymsMask | XkbKeyActionsMask, XkbUseCoreKbd))
    {
    }
    ~TKeymap()
    {
        if (Xkb)
            XkbFreeKeyboard(Xkb, 0, True);
    }
    TKeymap(const TKeymap&) = delete;
    TKeymap& operator=(const TKeymap&) = delete;

    bool HasSlot(int key, int group, int level) const
    {
        if (key < Xkb->min_key_code || key > Xkb->max_key_code || group >= XkbKeyNumGroups(Xkb, key))
            return false;
        return level < XkbKeyKeyType(Xkb, key, group)->num_levels;
    }
    int Index(int key, int group, int level) const { return group * XkbKeyGroupsWidth(Xkb, key) + level; }
    KeySym& Sym(int key, int group, int level) const { return XkbKeySymsPtr(Xkb, key)[Index(key, group, level)]; }
    // The entry's action, or null when the key has no actions.
    XkbAction* Action(int key, int group, int level) const
    {
        return XkbKeyHasActions(Xkb, key) ? &XkbKeyActionsPtr(Xkb, key)[Index(key, group, level)] : nullptr;
    }

    XkbDescPtr Xkb;
};

bool IsNoAction(const XkbAction* action) { return !action || action->type == XkbSA_NoAction; }

void CopyAction(const XkbAction& from, std::uint8_t (&to)[8])
{
    static_assert(sizeof(XkbAction) == 8);
    std::memcpy(to, &from, 8);
}

// Sends the symbols and actions of the keys first..last as they stand in the local copy, in
// one request, so that clients hear of one keymap change, not one per key. The keys between
// that did not change go back as they are: the server is grabbed from reading to writing.
void SendKeys(Display* dpy, const TKeymap& map, int first, int last)
{
    XkbMapChangesRec changes {};
    changes.changed = XkbKeySymsMask | XkbKeyActionsMask;
    changes.first_key_sym = KeyCode(first);
    changes.num_key_syms = std::uint8_t(last - first + 1);
    changes.first_key_act = KeyCode(first);
    changes.num_key_acts = std::uint8_t(last - first + 1);
    XkbChangeMap(dpy, map.Xkb, &changes);
}

// The range of keys in `keys`, sent in one request; nothing when it is empty.
void SendKeys(Display* dpy, const TKeymap& map, const std::set<int>& keys)
{
    if (!keys.empty())
        SendKeys(dpy, map, *keys.begin(), *keys.rbegin());
}

// Every entry of the keymap that is a way out, with what it holds.
std::vector<TRemovedEntry> FindServerKeys(const TKeymap& map)
{
    std::vector<TRemovedEntry> found;
    const XkbDescPtr xkb = map.Xkb;
    for (int key = xkb->min_key_code; key <= xkb->max_key_code; ++key) {
        for (int group = 0; group < XkbKeyNumGroups(xkb, key); ++group) {
            for (int level = 0; level < XkbKeyKeyType(xkb, key, group)->num_levels; ++level) {
                TRemovedEntry entry;
                entry.KeyCode = std::uint8_t(key);
                entry.Group = std::uint8_t(group);
                entry.Level = std::uint8_t(level);
                entry.KeySym = std::uint32_t(map.Sym(key, group, level));
                if (const XkbAction* action = map.Action(key, group, level))
                    CopyAction(*action, entry.Action);
                if (IsServerKeySym(entry.KeySym) || IsServerAction(entry.Action))
                    found.push_back(entry);
            }
        }
    }
    return found;
}

// Empties the entries on the server: no symbol, no action.
void RemoveEntries(Display* dpy, const std::vector<TRemovedEntry>& entries)
{
    TKeymap map(dpy);
    if (!map.Xkb)
        return;
    std::set<int> keys;
    for (const TRemovedEntry& entry : entries) {
        if (!map.HasSlot(entry.KeyCode, entry.Group, entry.Level))
            continue;
        map.Sym(entry.KeyCode, entry.Group, entry.Level) = NoKeySym;
        if (XkbAction* action = map.Action(entry.KeyCode, entry.Group, entry.Level))
            std::memset(action, 0, sizeof(XkbAction));
        keys.insert(entry.KeyCode);
    }
    SendKeys(dpy, map, keys);
}

// Puts the entries back where they still hold what the lock left there (no symbol, no
// action); an entry the desktop has filled since is the desktop's now and stays.
void PutBackEntries(Display* dpy, const std::vector<TRemovedEntry>& entries)
{
    TKeymap map(dpy);
    if (!map.Xkb)
        return;
    std::set<int> keys;
    for (const TRemovedEntry& entry : entries) {
        const int key = entry.KeyCode;
        if (!map.HasSlot(key, entry.Group, entry.Level) || map.Sym(key, entry.Group, entry.Level) != NoKeySym
            || !IsNoAction(map.Action(key, entry.Group, entry.Level)))
            continue;
        map.Sym(key, entry.Group, entry.Level) = entry.KeySym;
        XkbAction stored {};
        std::memcpy(&stored, entry.Action, sizeof stored);
        if (stored.type != XkbSA_NoAction) {
            if (!XkbKeyHasActions(map.Xkb, key)) {
                XkbAction* actions = XkbResizeKeyActions(map.Xkb, key, XkbKeyNumSyms(map.Xkb, key));
                if (!actions)
                    continue;
                std::memset(actions, 0, sizeof(XkbAction) * XkbKeyNumSyms(map.Xkb, key));
            }
            *map.Action(key, entry.Group, entry.Level) = stored;
        }
        keys.insert(key);
    }
    SendKeys(dpy, map, keys);
}

std::vector<std::uint32_t> ReadRecord(TState& state)
{
    std::vector<std::uint32_t> words;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(state.Dpy, state.Root, state.RecordAtom, 0, 1 << 16, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data)
            == Success
        && data) {
        if (type == XA_CARDINAL && format == 32) {
            const auto* longs = reinterpret_cast<const unsigned long*>(data); // Xlib hands 32-bit items as longs
            for (unsigned long i = 0; i < count; ++i)
                words.push_back(std::uint32_t(longs[i]));
        }
        XFree(data);
    }
    return words;
}

void WriteRecord(TState& state)
{
    const std::vector<std::uint32_t> words = EncodeRecord(std::uint32_t(state.Owner), state.Entries);
    std::vector<long> longs(words.begin(), words.end());
    XChangeProperty(state.Dpy, state.Root, state.RecordAtom, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(longs.data()), int(longs.size()));
}

// Whether the window that wrote a record still exists and is one of this program's: then
// another instance holds the keys. Called with the server grabbed, so it cannot go away
// between the two questions.
bool OwnerAlive(TState& state, Window owner)
{
    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    bool found = false;
    if (XQueryTree(state.Dpy, state.Root, &rootReturn, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !found; ++i)
            found = children[i] == owner;
        if (children)
            XFree(children);
    }
    if (!found)
        return false;
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(state.Dpy, owner, state.OwnerAtom, 0, 1, False, AnyPropertyType, &type, &format, &items, &after,
                       &data);
    if (data)
        XFree(data);
    return type != 0;
}

// The desktop changed the keymap: entries it filled are its own now; new ways out are taken
// out too.
void Rescan()
{
    TState& state = State();
    if (!state.Active || !ConnectionAlive(state.Dpy))
        return;
    XGrabServer(state.Dpy);
    {
        TKeymap map(state.Dpy);
        if (map.Xkb) {
            const std::size_t erased = std::erase_if(state.Entries, [&map](const TRemovedEntry& entry) {
                return !map.HasSlot(entry.KeyCode, entry.Group, entry.Level)
                    || map.Sym(entry.KeyCode, entry.Group, entry.Level) != NoKeySym
                    || !IsNoAction(map.Action(entry.KeyCode, entry.Group, entry.Level));
            });
            const std::vector<TRemovedEntry> found = FindServerKeys(map);
            state.Entries.insert(state.Entries.end(), found.begin(), found.end());
            // Our own change comes back as a notification too: it changes nothing here.
            if (erased > 0 || !found.empty()) {
                WriteRecord(state);
                XSync(state.Dpy, False);
            }
            if (!found.empty())
                RemoveEntries(state.Dpy, found);
        }
    }
    XUngrabServer(state.Dpy);
    XSync(state.Dpy, False);
}

void DrainEvents()
{
    TState& state = State();
    if (!ConnectionAlive(state.Dpy))
        return;
    while (XPending(state.Dpy) > 0) {
        XEvent event;
        XNextEvent(state.Dpy, &event);
    }
}

void InstallExitHandlers(TState& state)
{
    if (state.ExitHandlersInstalled)
        return;
    state.ExitHandlersInstalled = true;
    std::atexit([] { Unlock(); });
    static std::terminate_handler previous = std::set_terminate([] {
        Unlock();
        if (previous)
            previous();
        std::abort();
    });
}

void ReportNoXkb(TState& state, const char* why);

// The program's own connection to its display, with a window that marks this run as the
// owner of what the root window's record says.
bool OpenDisplay(TState& state, const char* displayName)
{
    int event = 0;
    int error = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    int reason = 0;
    Display* dpy = XkbOpenDisplay(const_cast<char*>(displayName), &event, &error, &major, &minor, &reason);
    if (!dpy) {
        if (reason == XkbOD_NonXkbServer || reason == XkbOD_BadServerVersion || reason == XkbOD_BadLibraryVersion)
            ReportNoXkb(state, "the X server has no keyboard extension (XKB)");
        return false;
    }
    state.Dpy = dpy;
    state.Broken = false;
    // A broken connection makes the calls on it return instead of ending the process.
    XSetIOErrorExitHandler(dpy, [](Display*, void*) { State().Broken = true; }, nullptr);
    PreviousErrorHandler = XSetErrorHandler(OnXError);
    state.Root = DefaultRootWindow(dpy);
    state.RecordAtom = XInternAtom(dpy, RecordAtomName, False);
    state.OwnerAtom = XInternAtom(dpy, OwnerAtomName, False);
    XSetWindowAttributes attributes {};
    attributes.override_redirect = True;
    state.Owner = XCreateWindow(dpy, state.Root, -1, -1, 1, 1, 0, 0, InputOnly, nullptr, CWOverrideRedirect,
                                &attributes);
    const long pid = long(getpid());
    XChangeProperty(dpy, state.Owner, state.OwnerAtom, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    return true;
}

void ReportNoXkb(TState& state, const char* why)
{
    if (state.NoXkbReported)
        return;
    state.NoXkbReported = true;
    std::fprintf(stderr,
                 "Kedoozle: %s; Ctrl+Alt+F1 to F12 (text consoles) and Ctrl+Alt+Backspace stay with the X server "
                 "and are not locked.\n",
                 why);
}

} // namespace

bool IsServerKeySym(std::uint32_t keysym)
{
    return (keysym >= XF86Switch_VT_1 && keysym <= XF86Switch_VT_12) || keysym == Terminate_Server;
}

bool IsServerAction(const std::uint8_t (&action)[8])
{
    return action[0] == XkbSA_SwitchScreen || action[0] == XkbSA_Terminate;
}

std::vector<std::uint32_t> EncodeRecord(std::uint32_t ownerWindow, const std::vector<TRemovedEntry>& entries)
{
    std::vector<std::uint32_t> words { RecordMagic, ownerWindow, std::uint32_t(entries.size()) };
    for (const TRemovedEntry& entry : entries) {
        words.push_back(std::uint32_t(entry.KeyCode) | std::uint32_t(entry.Group) << 8
                        | std::uint32_t(entry.Level) << 16);
        words.push_back(entry.KeySym);
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        for (int i = 0; i < 4; ++i) {
            low |= std::uint32_t(entry.Action[i]) << (8 * i);
            high |= std::uint32_t(entry.Action[4 + i]) << (8 * i);
        }
        words.push_back(low);
        words.push_back(high);
    }
    return words;
}

bool DecodeRecord(const std::vector<std::uint32_t>& words, std::uint32_t& ownerWindow,
                  std::vector<TRemovedEntry>& entries)
{
    entries.clear();
    if (words.size() < 3 || words[0] != RecordMagic)
        return false;
    const std::size_t count = words[2];
    if (count > (words.size() - 3) / WordsPerEntry || words.size() != 3 + count * WordsPerEntry)
        return false;
    ownerWindow = words[1];
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t* w = &words[3 + i * WordsPerEntry];
        if (w[0] >> 24 != 0)
            return false;
        TRemovedEntry entry;
        entry.KeyCode = std::uint8_t(w[0]);
        entry.Group = std::uint8_t(w[0] >> 8);
        entry.Level = std::uint8_t(w[0] >> 16);
        entry.KeySym = w[1];
        for (int b = 0; b < 4; ++b) {
            entry.Action[b] = std::uint8_t(w[2] >> (8 * b));
            entry.Action[4 + b] = std::uint8_t(w[3] >> (8 * b));
        }
        entries.push_back(entry);
    }
    return true;
}

void Lock(const char* displayName)
{
    TState& state = State();
    if (state.Active)
        return;
    if (!state.Dpy && !OpenDisplay(state, displayName))
        return;
    Display* dpy = state.Dpy;

    XGrabServer(dpy);
    bool otherInstance = false;
    std::uint32_t owner = 0;
    std::vector<TRemovedEntry> left;
    if (DecodeRecord(ReadRecord(state), owner, left)) {
        // The record of a run that crashed may name the very window this run just made: the
        // server gives a dead client's window numbers out again.
        if (Window(owner) != state.Owner && OwnerAlive(state, Window(owner))) {
            otherInstance = true; // its keys are out already and it puts them back itself
        } else {
            // A run that ended without putting the keys back: the user's keymap comes first.
            PutBackEntries(dpy, left);
            XDeleteProperty(dpy, state.Root, state.RecordAtom);
            XSync(dpy, False);
        }
    }
    bool readable = true;
    if (!otherInstance) {
        TKeymap map(dpy);
        readable = map.Xkb != nullptr;
        if (readable)
            state.Entries = FindServerKeys(map);
        if (readable) {
            // Written before the keymap changes, so a crash at any point leaves a record.
            WriteRecord(state);
            XSync(dpy, False);
            RemoveEntries(dpy, state.Entries);
            state.Active = true;
        }
    }
    XUngrabServer(dpy);
    XSync(dpy, False);
    if (!readable)
        ReportNoXkb(state, "the X server does not give out its keymap");
    if (!state.Active)
        return;
    InstallExitHandlers(state);
    XkbSelectEvents(dpy, XkbUseCoreKbd, XkbMapNotifyMask | XkbNewKeyboardNotifyMask,
                    XkbMapNotifyMask | XkbNewKeyboardNotifyMask);
    XFlush(dpy);
    if (QCoreApplication::instance() && !state.Watcher)
        state.Watcher = new TWatcher(ConnectionNumber(dpy), DrainEvents, Rescan);
}

void Unlock()
{
    TState& state = State();
    if (state.Active && ConnectionAlive(state.Dpy)) {
        XGrabServer(state.Dpy);
        PutBackEntries(state.Dpy, state.Entries);
        XDeleteProperty(state.Dpy, state.Root, state.RecordAtom);
        XUngrabServer(state.Dpy);
        XSync(state.Dpy, False);
    }
    state.Active = false;
    state.Entries.clear();
    // The connection closes too, unless a watcher of another thread still listens on it.
    if (state.Watcher && state.Watcher->thread() != QThread::currentThread())
        return;
    delete state.Watcher.data();
    if (state.Dpy) {
        if (ConnectionAlive(state.Dpy))
            XCloseDisplay(state.Dpy);
        state.Dpy = nullptr;
    }
}

bool Locked() { return State().Active; }

} // namespace ServerKeys
