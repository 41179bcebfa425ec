// Start-up time of the program: from starting the process to the title window's first
// pixels on the screen, and to the main window's. Polls two screen pixels: the highlight of
// the title window's frame (its top-left corner, the screen's centre less half its size) and
// that of the main window's outer frame (the screen's top-left corner). Each run starts the
// program, waits for both (or for the main window alone when the program has no title
// window), ends it and waits for it to go. Run through bench/startup_time.sh.
#include "bench/Percentile.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The frames' lavender highlight, (153, 102, 255).
constexpr unsigned long Highlight = 0x9966FF;

unsigned long PixelAt(Display* display, int x, int y)
{
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

void Report(const char* what, const std::vector<double>& values)
{
    if (values.empty()) {
        std::printf("%-28s never seen\n", what);
        return;
    }
    std::printf("%-28s median %6.1f ms   p90 %6.1f ms   min %6.1f ms   (%zu runs)\n", what, Percentile(values, 0.5),
                Percentile(values, 0.9), Percentile(values, 0), values.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: StartupTime PROGRAM-FOLDER [RUNS]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "StartupTime: no X display\n");
        return 1;
    }
    const int w = DisplayWidth(display, DefaultScreen(display));
    const int h = DisplayHeight(display, DefaultScreen(display));
    const int splashX = (w - 408) / 2 + 1;
    const int splashY = (h - 435) / 2 + 1;

    std::vector<double> toSplash;
    std::vector<double> toMain;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            if (chdir(folder.c_str()) != 0)
                _exit(127);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            execl("./Kedoozle", "Kedoozle", static_cast<char*>(nullptr));
            _exit(127);
        }
        bool splashSeen = false;
        bool mainSeen = false;
        while (!mainSeen && Clock::now() - start < std::chrono::seconds(10)) {
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (!splashSeen && PixelAt(display, splashX, splashY) == Highlight) {
                splashSeen = true;
                toSplash.push_back(ms);
            }
            if (PixelAt(display, 1, 1) == Highlight) {
                mainSeen = true;
                toMain.push_back(ms);
            }
            // Back-to-back requests would keep the server busy with this client.
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        // The screen goes back to the bare desktop before the next run.
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
    }
    std::printf("screen %dx%d, program %s\n", w, h, folder.c_str());
    Report("start to title window", toSplash);
    Report("start to main window", toMain);
    XCloseDisplay(display);
    return toMain.empty() ? 1 : 0;
}
