// Start-up time: from starting a program to its first pixels on the screen (any of a few
// points spread over the screen differs from the bare desktop) and, for this program, to the
// main window's (the highlight of its outer frame at the screen's top-left corner). Several
// programs are started in turn, one run each, so that all of them meet the same load on the
// machine. Each run ends the program and waits for the desktop to come back. Run through
// bench/startup_time.sh.
//   StartupTime RUNS [--settle PID]... NAME=PROGRAM-FOLDER-OR-FILE...
// Before each start the processes named by --settle (the window manager, the server) have
// finished what the last one's end gave them to do.
// A folder is this program's (its ./Kedoozle is started inside it); a file is a peer program,
// started as it is. Prints "startup <name> screen=WxH first_pixel_ms=... ..." lines.
#include "bench/Percentile.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The frames' lavender highlight, (153, 102, 255).
constexpr unsigned long Highlight = 0x9966FF;

struct TProgram {
    std::string Name;
    std::string Path;
    bool Ours { false };
    std::vector<double> FirstPixel;
    std::vector<double> MainWindow;
};

struct TPoint {
    int X, Y;
};

unsigned long PixelAt(Display* display, TPoint at)
{
    XImage* image = XGetImage(display, DefaultRootWindow(display), at.X, at.Y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

std::vector<unsigned long> Sample(Display* display, const std::vector<TPoint>& points)
{
    std::vector<unsigned long> pixels;
    for (const TPoint& point : points)
        pixels.push_back(PixelAt(display, point));
    return pixels;
}

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

pid_t Start(const TProgram& program)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    // A peer runs in a scratch folder of its own choosing: the temporary one.
    if (chdir(program.Ours ? program.Path.c_str() : "/tmp") != 0)
        _exit(127);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (!program.Ours) {
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
    }
    const std::string file = program.Ours ? "./Kedoozle" : program.Path;
    execl(file.c_str(), file.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

// CPU ticks a process has used so far; -1 when it is gone.
long CpuTicks(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!std::getline(file, stat))
        return -1;
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long user = 0;
    long system = 0;
    // State is field 3; user and system time are fields 14 and 15.
    for (int n = 3; n <= 13 && fields >> field; ++n) { }
    fields >> user >> system;
    return user + system;
}

// Waits until none of the processes (the window manager, the server) has used the CPU for a
// tenth of a second: a program that ends puts the keymap back, and every client of the display
// works through that before the next start should be timed.
void WaitForQuiet(const std::vector<pid_t>& pids)
{
    const auto start = Clock::now();
    std::vector<long> last;
    auto quietSince = Clock::now();
    while (MsSince(start) < 5000) {
        std::vector<long> now;
        for (const pid_t pid : pids)
            now.push_back(CpuTicks(pid));
        if (now != last) {
            last = now;
            quietSince = Clock::now();
        } else if (MsSince(quietSince) >= 100) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Ends the program, the hard way if it does not go within two seconds.
void End(pid_t pid)
{
    kill(pid, SIGTERM);
    const auto start = Clock::now();
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (MsSince(start) > 2000) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void Run(Display* display, TProgram& program, const std::vector<TPoint>& points,
         const std::vector<unsigned long>& desktop, const std::vector<pid_t>& settle)
{
    WaitForQuiet(settle);
    const auto start = Clock::now();
    const pid_t pid = Start(program);
    bool firstSeen = false;
    bool mainSeen = false;
    while (!(firstSeen && (mainSeen || !program.Ours)) && MsSince(start) < 10000) {
        const double ms = MsSince(start);
        if (!firstSeen && Sample(display, points) != desktop) {
            firstSeen = true;
            program.FirstPixel.push_back(ms);
        }
        if (program.Ours && !mainSeen && PixelAt(display, { 1, 1 }) == Highlight) {
            mainSeen = true;
            program.MainWindow.push_back(ms);
        }
        // Back-to-back requests would keep the server busy with this client.
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    End(pid);
    // The desktop comes back before the next run.
    const auto gone = Clock::now();
    while (Sample(display, points) != desktop && MsSince(gone) < 5000)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

void Report(const std::string& screen, int runs, const TProgram& program, const TProgram* peer)
{
    std::printf("startup %s screen=%s first_pixel_ms=%.1f first_pixel_p90_ms=%.1f first_pixel_min_ms=%.1f",
                program.Name.c_str(), screen.c_str(), Percentile(program.FirstPixel, 0.5),
                Percentile(program.FirstPixel, 0.9), Percentile(program.FirstPixel, 0));
    if (program.Ours)
        std::printf(" main_window_ms=%.1f main_window_p90_ms=%.1f", Percentile(program.MainWindow, 0.5),
                    Percentile(program.MainWindow, 0.9));
    if (peer && !peer->FirstPixel.empty() && !program.FirstPixel.empty())
        std::printf(" first_pixel_vs_%s=%.2f", peer->Name.c_str(),
                    Percentile(program.FirstPixel, 0.5) / Percentile(peer->FirstPixel, 0.5));
    std::printf(" runs=%d seen=%zu\n", runs, program.FirstPixel.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: StartupTime RUNS [--settle PID]... NAME=PROGRAM-FOLDER-OR-FILE...\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<TProgram> programs;
    std::vector<pid_t> settle;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--settle" && i + 1 < argc) {
            settle.push_back(pid_t(std::atoi(argv[++i])));
            continue;
        }
        const auto equals = arg.find('=');
        if (equals == std::string::npos || equals == 0) {
            std::fprintf(stderr, "StartupTime: %s is not NAME=PATH\n", argv[i]);
            return 2;
        }
        TProgram program;
        program.Name = arg.substr(0, equals);
        program.Path = arg.substr(equals + 1);
        struct stat info {};
        if (stat(program.Path.c_str(), &info) != 0) {
            std::fprintf(stderr, "StartupTime: no %s\n", program.Path.c_str());
            return 2;
        }
        program.Ours = S_ISDIR(info.st_mode);
        programs.push_back(program);
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "StartupTime: no X display\n");
        return 1;
    }
    const int w = DisplayWidth(display, DefaultScreen(display));
    const int h = DisplayHeight(display, DefaultScreen(display));
    const std::string screen = std::to_string(w) + "x" + std::to_string(h);
    // The centre (where a title window goes), the four quarter points and two corners.
    const std::vector<TPoint> points { { w / 2, h / 2 }, { w / 4, h / 4 },         { 3 * w / 4, h / 4 },
                                       { w / 4, 3 * h / 4 }, { 3 * w / 4, 3 * h / 4 }, { 1, 1 },
                                       { w - 2, h - 2 } };
    const std::vector<unsigned long> desktop = Sample(display, points);

    for (int run = 0; run < runs; ++run)
        for (TProgram& program : programs)
            Run(display, program, points, desktop, settle);

    const TProgram* peer = nullptr;
    for (const TProgram& program : programs)
        if (!program.Ours)
            peer = &program;
    int status = 0;
    for (const TProgram& program : programs) {
        Report(screen, runs, program, program.Ours ? peer : nullptr);
        if (program.FirstPixel.empty())
            status = 1;
    }
    XCloseDisplay(display);
    return status;
}
