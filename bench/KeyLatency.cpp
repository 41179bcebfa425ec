// Key-to-screen latency of the running program: XTest presses a key, and the screen is polled
// (XGetImage of the play surface) until the drawing shows. Reports median and 95th percentile
// per play mode. Run through bench/key_latency.sh, which starts Xvfb, openbox and the program.
#include "bench/Percentile.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct TSurface {
    int X, Y, Width, Height;
};

// Screen grabs through shared memory: the server writes the pixels straight into our buffer,
// so one poll costs a copy, not a trip of megabytes through the socket.
class TGrabber {
public:
    TGrabber(Display* display, const TSurface& surface)
        : m_display(display)
        , m_surface(surface)
    {
        const int screen = DefaultScreen(display);
        m_image = XShmCreateImage(display, DefaultVisual(display, screen), unsigned(DefaultDepth(display, screen)),
                                  ZPixmap, nullptr, &m_info, unsigned(surface.Width), unsigned(surface.Height));
        m_info.shmid = shmget(IPC_PRIVATE, std::size_t(m_image->bytes_per_line) * std::size_t(m_image->height),
                              IPC_CREAT | 0600);
        m_info.shmaddr = m_image->data = static_cast<char*>(shmat(m_info.shmid, nullptr, 0));
        m_info.readOnly = False;
        XShmAttach(display, &m_info);
        XSync(display, False);
        shmctl(m_info.shmid, IPC_RMID, nullptr);
    }
    ~TGrabber()
    {
        XShmDetach(m_display, &m_info);
        m_image->data = nullptr;
        XDestroyImage(m_image);
        shmdt(m_info.shmaddr);
    }
    std::vector<char> Grab()
    {
        XShmGetImage(m_display, DefaultRootWindow(m_display), m_image, m_surface.X, m_surface.Y, AllPlanes);
        return std::vector<char>(m_image->data,
                                 m_image->data + std::size_t(m_image->bytes_per_line) * std::size_t(m_image->height));
    }
    bool Differs(const std::vector<char>& before)
    {
        XShmGetImage(m_display, DefaultRootWindow(m_display), m_image, m_surface.X, m_surface.Y, AllPlanes);
        return std::memcmp(before.data(), m_image->data, before.size()) != 0;
    }

private:
    Display* m_display;
    TSurface m_surface;
    XShmSegmentInfo m_info {};
    XImage* m_image { nullptr };
};

void Click(Display* display, int x, int y)
{
    XTestFakeMotionEvent(display, -1, x, y, 0);
    XTestFakeButtonEvent(display, 1, True, 0);
    XTestFakeButtonEvent(display, 1, False, 0);
    XFlush(display);
}

} // namespace

int main(int argc, char** argv)
{
    const int presses = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "KeyLatency: no X display\n");
        return 1;
    }
    const int w = DisplayWidth(display, DefaultScreen(display));
    const int h = DisplayHeight(display, DefaultScreen(display));
    const TSurface surface { 16, 16, w - 32, h - 78 };
    if (!XShmQueryExtension(display)) {
        std::fprintf(stderr, "KeyLatency: the X server has no shared-memory images\n");
        return 1;
    }
    auto grabberOwner = std::make_unique<TGrabber>(display, surface);
    TGrabber& grabber = *grabberOwner;

    const KeySym keys[] = { XK_a, XK_b, XK_c, XK_d, XK_e, XK_f, XK_g, XK_h, XK_1, XK_2 };
    struct TMode {
        const char* Name;
        int Number;
    };
    const TMode modes[] = { { "ClassicType", 0 }, { "PatternType", 1 }, { "ShapeType", 2 }, { "KeyType", 4 } };
    int failures = 0;
    for (const TMode& mode : modes) {
        Click(display, 16 + 44 * mode.Number + 16, h - 50 + 4 + 16);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        std::vector<double> latencies;
        int misses = 0;
        for (int i = 0; i < presses; ++i) {
            const KeyCode code = XKeysymToKeycode(display, keys[i % 10]);
            const std::vector<char> before = grabber.Grab();
            const auto start = Clock::now();
            XTestFakeKeyEvent(display, code, True, 0);
            XFlush(display);
            bool seen = false;
            while (Clock::now() - start < std::chrono::seconds(1)) {
                if (grabber.Differs(before)) {
                    seen = true;
                    break;
                }
                // Back-to-back requests would keep the server's scheduler on this client and
                // delay the program's own drawing requests.
                std::this_thread::sleep_for(std::chrono::microseconds(250));
            }
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            XTestFakeKeyEvent(display, code, False, 0);
            XFlush(display);
            if (seen)
                latencies.push_back(ms);
            else
                ++misses;
            std::this_thread::sleep_for(std::chrono::milliseconds(15));
        }
        std::printf("%-12s presses %4zu  median %6.2f ms  p95 %6.2f ms  max %6.2f ms  unseen %d\n", mode.Name,
                    latencies.size(), Percentile(latencies, 0.5), Percentile(latencies, 0.95),
                    Percentile(latencies, 1.0), misses);
        failures += misses > presses / 10;
    }
    // One screen grab's cost bounds how finely the polling sees the drawing appear.
    const auto start = Clock::now();
    std::vector<char> none = grabber.Grab();
    for (int i = 0; i < 20; ++i)
        grabber.Differs(none);
    std::printf("one poll (XShmGetImage %dx%d): %.2f ms\n", surface.Width, surface.Height,
                std::chrono::duration<double, std::milli>(Clock::now() - start).count() / 20);
    grabberOwner.reset();
    XCloseDisplay(display);
    return failures ? 1 : 0;
}
