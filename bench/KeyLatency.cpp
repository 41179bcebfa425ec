// Key-to-screen latency: XTest presses a key, and the server's damage reports say where the
// screen was drawn on; only those rectangles are read back (XShmGetImage) and compared with the
// screen before the press, so one read stays small at any screen size. Reports median and 95th
// percentile per play mode of the running program, and the same for the floor: a bare Xlib
// client that fills a rectangle on each key press. Run through bench/key_latency.sh, which
// starts Xvfb, openbox and the program.
//   KeyLatency [--floor] [--who NAME] PRESSES
// Prints "key_latency <who> screen=WxH mode=M median_ms=... p95_ms=..." lines.
#include "bench/Percentile.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <poll.h>
#include <signal.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Screen reads through one shared-memory segment as large as the screen: the server writes the
// pixels straight into it, so a read costs a copy of the rectangle asked for and no more.
class TScreenReader {
public:
    explicit TScreenReader(Display* display)
        : m_display(display)
        , m_screen(DefaultScreen(display))
        , m_width(DisplayWidth(display, m_screen))
        , m_height(DisplayHeight(display, m_screen))
    {
        m_info.shmid = shmget(IPC_PRIVATE, std::size_t(m_width) * std::size_t(m_height) * 4, IPC_CREAT | 0600);
        m_info.shmaddr = static_cast<char*>(shmat(m_info.shmid, nullptr, 0));
        m_info.readOnly = False;
        XShmAttach(display, &m_info);
        XSync(display, False);
        shmctl(m_info.shmid, IPC_RMID, nullptr);
        m_before.resize(std::size_t(m_width) * std::size_t(m_height) * 4);
    }
    ~TScreenReader()
    {
        XShmDetach(m_display, &m_info);
        XSync(m_display, False);
        shmdt(m_info.shmaddr);
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Keeps the whole screen as it is now, to compare later reads with (outside the timing).
    void KeepScreen()
    {
        XImage* image = Read(0, 0, m_width, m_height);
        for (int row = 0; row < m_height; ++row)
            std::memcpy(&m_before[std::size_t(row) * std::size_t(m_width) * 4],
                        image->data + std::size_t(row) * std::size_t(image->bytes_per_line), std::size_t(m_width) * 4);
        Free(image);
    }

    // Whether the rectangle, clipped to the screen, differs from the kept screen. A large one
    // (the whole surface erased) is read in strips, and the reading stops at the first change.
    bool Differs(int x, int y, int w, int h)
    {
        const int left = std::max(0, x);
        const int right = std::min(m_width, x + w);
        const int bottom = std::min(m_height, y + h);
        if (right <= left)
            return false;
        const int stripRows = std::max(1, StripBytes / ((right - left) * 4));
        for (int top = std::max(0, y); top < bottom; top += stripRows) {
            const int rows = std::min(stripRows, bottom - top);
            const auto start = Clock::now();
            XImage* image = Read(left, top, right - left, rows);
            bool differs = false;
            for (int row = 0; row < rows && !differs; ++row)
                differs = std::memcmp(image->data + std::size_t(row) * std::size_t(image->bytes_per_line),
                                      &m_before[(std::size_t(top + row) * std::size_t(m_width) + std::size_t(left)) * 4],
                                      std::size_t(right - left) * 4)
                    != 0;
            Free(image);
            ReadTimes.push_back(MsSince(start));
            if (differs)
                return true;
        }
        return false;
    }

    std::vector<double> ReadTimes;

private:
    // A quarter of a megabyte: a read of it takes well under a millisecond.
    static constexpr int StripBytes = 256 * 1024;

    XImage* Read(int x, int y, int w, int h)
    {
        XImage* image = XShmCreateImage(m_display, DefaultVisual(m_display, m_screen),
                                        unsigned(DefaultDepth(m_display, m_screen)), ZPixmap, m_info.shmaddr, &m_info,
                                        unsigned(w), unsigned(h));
        XShmGetImage(m_display, DefaultRootWindow(m_display), image, x, y, AllPlanes);
        return image;
    }
    static void Free(XImage* image)
    {
        image->data = nullptr;
        XDestroyImage(image);
    }

    Display* m_display;
    int m_screen;
    int m_width;
    int m_height;
    XShmSegmentInfo m_info {};
    std::vector<char> m_before;
};

// Presses keys and times each press until its drawing is on the screen.
class TProbe {
public:
    explicit TProbe(Display* display)
        : m_display(display)
        , m_reader(display)
    {
        int error = 0;
        XDamageQueryExtension(display, &m_damageEvent, &error);
        // Damage to the root window covers what is drawn in every window on it.
        m_damage = XDamageCreate(display, DefaultRootWindow(display), XDamageReportRawRectangles);
        XSync(display, False);
    }
    ~TProbe() { XDamageDestroy(m_display, m_damage); }
    TScreenReader& Reader() { return m_reader; }

    // The time from the press to the first changed pixels, or a negative value when nothing
    // changed within a second.
    double Press(KeyCode code)
    {
        m_reader.KeepScreen();
        Drain();
        const auto start = Clock::now();
        XTestFakeKeyEvent(m_display, code, True, 0);
        XFlush(m_display);
        double seen = -1;
        while (seen < 0 && MsSince(start) < 1000) {
            if (!XPending(m_display)) {
                pollfd fd { ConnectionNumber(m_display), POLLIN, 0 };
                poll(&fd, 1, 5);
                continue;
            }
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type != m_damageEvent + XDamageNotify)
                continue;
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (m_reader.Differs(damage.area.x, damage.area.y, damage.area.width, damage.area.height))
                seen = MsSince(start);
        }
        XTestFakeKeyEvent(m_display, code, False, 0);
        XFlush(m_display);
        return seen;
    }

    // Waits until nothing has been drawn for a while, and forgets what was.
    void Settle(int quietMs)
    {
        auto quietSince = Clock::now();
        const auto deadline = Clock::now() + std::chrono::seconds(2);
        while (MsSince(quietSince) < quietMs && Clock::now() < deadline) {
            pollfd fd { ConnectionNumber(m_display), POLLIN, 0 };
            if (XPending(m_display) || poll(&fd, 1, 2) > 0) {
                Drain();
                quietSince = Clock::now();
            }
        }
    }

private:
    void Drain()
    {
        XSync(m_display, False);
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
        }
    }

    Display* m_display;
    TScreenReader m_reader;
    int m_damageEvent { 0 };
    Damage m_damage { 0 };
};

void Click(Display* display, int x, int y)
{
    XTestFakeMotionEvent(display, -1, x, y, 0);
    XTestFakeButtonEvent(display, 1, True, 0);
    XTestFakeButtonEvent(display, 1, False, 0);
    XFlush(display);
}

// The floor: a bare Xlib client over the whole screen that holds the keyboard, as the program
// does, and fills a rectangle in a new colour at a new place on each key press. Writes one
// byte to `ready` once it is on the screen with the keyboard.
int FloorClient(int ready)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const int screen = DefaultScreen(display);
    const int w = DisplayWidth(display, screen);
    const int h = DisplayHeight(display, screen);
    XSetWindowAttributes attributes {};
    attributes.override_redirect = True;
    attributes.background_pixel = BlackPixel(display, screen);
    attributes.event_mask = KeyPressMask | ExposureMask;
    const Window window = XCreateWindow(display, RootWindow(display, screen), 0, 0, unsigned(w), unsigned(h), 0,
                                        CopyFromParent, InputOutput, CopyFromParent,
                                        CWOverrideRedirect | CWBackPixel | CWEventMask, &attributes);
    XMapRaised(display, window);
    const GC gc = XCreateGC(display, window, 0, nullptr);
    bool told = false;
    unsigned presses = 0;
    for (;;) {
        if (!told) {
            const int status = XGrabKeyboard(display, window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
            if (status == GrabSuccess) {
                XSync(display, False);
                [[maybe_unused]] const auto written = write(ready, "r", 1);
                told = true;
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                continue;
            }
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != KeyPress)
            continue;
        ++presses;
        const int size = h / 6;
        XSetForeground(display, gc, 0x204080UL * presses & 0xFFFFFF);
        XFillRectangle(display, window, gc, int(presses * 7919 % unsigned(w - size)),
                       int(presses * 104729 % unsigned(h - size)), unsigned(size), unsigned(size));
        XFlush(display);
    }
}

struct TResult {
    std::vector<double> Latencies;
    int Misses { 0 };
};

TResult Measure(Display* display, TProbe& probe, int presses)
{
    const KeySym keys[] = { XK_a, XK_b, XK_c, XK_d, XK_e, XK_f, XK_g, XK_h, XK_1, XK_2 };
    TResult result;
    for (int i = 0; i < presses; ++i) {
        const double ms = probe.Press(XKeysymToKeycode(display, keys[i % 10]));
        if (ms >= 0)
            result.Latencies.push_back(ms);
        else
            ++result.Misses;
        // The drawing ends (a picture may come in steps) before the next press.
        probe.Settle(15);
    }
    return result;
}

void Report(const std::string& who, const std::string& screen, const char* mode, const TResult& result)
{
    std::printf("key_latency %s screen=%s mode=%s median_ms=%.2f p95_ms=%.2f max_ms=%.2f presses=%zu unseen=%d\n",
                who.c_str(), screen.c_str(), mode, Percentile(result.Latencies, 0.5),
                Percentile(result.Latencies, 0.95), Percentile(result.Latencies, 1.0), result.Latencies.size(),
                result.Misses);
    std::fflush(stdout);
}

// Measures the floor or the running program; the probe lets go of the display before it closes.
int Run(Display* display, bool floorOnly, const std::string& who, int presses, const char* self)
{
    TProbe probe(display);
    const int w = probe.Reader().Width();
    const int h = probe.Reader().Height();
    const std::string screen = std::to_string(w) + "x" + std::to_string(h);

    if (floorOnly) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0)
            return 1;
        const pid_t client = fork();
        if (client == 0) {
            close(pipeEnds[0]);
            execl("/proc/self/exe", self, "--floor-client", std::to_string(pipeEnds[1]).c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipeEnds[1]);
        char byte = 0;
        pollfd fd { pipeEnds[0], POLLIN, 0 };
        const bool ready = poll(&fd, 1, 10000) > 0 && read(pipeEnds[0], &byte, 1) == 1;
        probe.Settle(50);
        const TResult result = ready ? Measure(display, probe, presses) : TResult {};
        kill(client, SIGTERM);
        waitpid(client, nullptr, 0);
        if (!ready) {
            std::fprintf(stderr, "KeyLatency: the floor client did not come up\n");
            return 1;
        }
        Report("floor", screen, "fill", result);
        return result.Misses > presses / 10;
    }

    struct TMode {
        const char* Name;
        int Number;
    };
    const TMode modes[] = { { "ClassicType", 0 }, { "PatternType", 1 }, { "ShapeType", 2 }, { "KeyType", 4 } };
    int failures = 0;
    for (const TMode& mode : modes) {
        Click(display, 16 + 44 * mode.Number + 16, h - 50 + 4 + 16);
        probe.Settle(200);
        const TResult result = Measure(display, probe, presses);
        Report(who, screen, mode.Name, result);
        failures += result.Misses > presses / 10;
    }
    const std::vector<double>& reads = probe.Reader().ReadTimes;
    std::printf("key_latency probe screen=%s read_median_ms=%.3f read_p95_ms=%.3f read_max_ms=%.3f\n", screen.c_str(),
                Percentile(reads, 0.5), Percentile(reads, 0.95), Percentile(reads, 1.0));
    return failures ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    bool floorOnly = false;
    std::string who = "kedoozle";
    int presses = 200;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--floor-client")
            return FloorClient(std::atoi(argv[i + 1 < argc ? i + 1 : i]));
        if (arg == "--floor")
            floorOnly = true;
        else if (arg == "--who" && i + 1 < argc)
            who = argv[++i];
        else
            presses = std::max(10, std::atoi(argv[i]));
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "KeyLatency: no X display\n");
        return 1;
    }
    int event = 0;
    int error = 0;
    if (!XShmQueryExtension(display) || !XDamageQueryExtension(display, &event, &error)) {
        std::fprintf(stderr, "KeyLatency: the X server lacks shared-memory images or damage reports\n");
        return 1;
    }
    const int status = Run(display, floorOnly, who, presses, argv[0]);
    XCloseDisplay(display);
    return status;
}
