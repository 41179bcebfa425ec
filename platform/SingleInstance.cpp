#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <poll.h>
#include <sstream>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The request is "activate", then the asking program's role.
constexpr char ActivateRequest[] = "activate";
// The answer is "ok", then the running program's role.
constexpr char ActivateAnswer[] = "ok";
// How long a running program gets to answer; it answers from its event loop at once.
constexpr int AnswerWaitMs = 3000;
// A program younger than this may still be setting up before its event loop runs.
constexpr double StartupSeconds = 20;
// How long a program asked to end gets before it is forced, and how long the forced end may
// take to free the lock.
constexpr int EndWaitMs = 2000;
constexpr int KillWaitMs = 3000;
// A request longer than this is not ours: the caller is dropped.
constexpr std::size_t MaxRequest = 256;

// What /proc tells of a process: its state letter (' ' when it is gone) and its age in seconds.
struct TProcessInfo {
    char State { ' ' };
    double AgeSeconds { 0 };
};

TProcessInfo ProcessInfo(int pid)
{
    TProcessInfo info;
    std::ifstream statFile("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!std::getline(statFile, stat))
        return info;
    // "pid (name) state ..." where the name may hold spaces and parentheses.
    const auto nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos)
        return info;
    std::istringstream fields(stat.substr(nameEnd + 1));
    std::string field;
    fields >> info.State;
    // The start time is field 22; the state was field 3.
    for (int n = 4; n <= 22 && fields >> field; ++n) { }
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    const long ticks = ::sysconf(_SC_CLK_TCK);
    if (ticks > 0 && !field.empty())
        info.AgeSeconds = uptime - std::strtod(field.c_str(), nullptr) / double(ticks);
    return info;
}

// A process that is stopped, or gone but not yet reaped, cannot answer.
bool CanAnswer(const TProcessInfo& info)
{
    return info.State != 'T' && info.State != 't' && info.State != 'Z' && info.State != 'X' && info.State != ' ';
}

// A folder only this user can reach: the session's runtime folder, else one of our own under
// /tmp. Empty when neither is safe to use.
std::string RuntimeFolder()
{
    auto usable = [](const std::string& folder) {
        struct stat info {};
        return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
               (info.st_mode & 077) == 0;
    };
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime && usable(runtime))
        return runtime;
    const std::string folder = "/tmp/kedoozle-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    return usable(folder) ? folder : std::string();
}

std::string SafeFileName(const std::string& text)
{
    std::string result;
    for (char c : text) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '_' || c == '.' || c == ':';
        result += plain ? c : '_';
    }
    return result;
}

// The address of a socket file; false when the path does not fit.
bool SocketAddress(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

// A connection to the running program's socket, or -1 when nobody listens there (yet). It
// never waits: a program that is stopped while others queue up to reach it must not hold a
// later start too.
int ConnectTo(const std::string& path)
{
    sockaddr_un address;
    if (!SocketAddress(path, address))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// ":0", ":0.0" and "unix:0" are one display; the screen number does not count.
std::string NormalisedX11Display(std::string name)
{
    if (name.starts_with("unix:"))
        name.erase(0, 4);
    const auto colon = name.rfind(':');
    const auto dot = name.find('.', colon == std::string::npos ? 0 : colon);
    if (colon != std::string::npos && dot != std::string::npos)
        name.erase(dot);
    return name;
}

} // namespace

TSingleInstance::TSingleInstance(std::string displayKey)
{
    if (displayKey.empty())
        displayKey = CurrentDisplayKey();
    const std::string folder = RuntimeFolder();
    if (folder.empty())
        return;
    const std::string base = folder + "/kedoozle-" + SafeFileName(displayKey);
    m_lockFileName = base + ".lock";
    m_socketName = base + ".socket";
}

TSingleInstance::~TSingleInstance()
{
    if (m_listenFd >= 0) {
        delete m_listener;
        ::close(m_listenFd);
        ::unlink(m_socketName.c_str());
    }
    if (m_lockFd >= 0)
        ::close(m_lockFd); // the lock goes with the descriptor
}

std::string TSingleInstance::CurrentDisplayKey()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        const char* display = std::getenv("DISPLAY");
        return "x11-" + NormalisedX11Display(display ? display : "");
    }
    if (platform.startsWith(QLatin1String("wayland"))) {
        const char* display = std::getenv("WAYLAND_DISPLAY");
        return "wayland-" + std::string(display && *display ? display : "wayland-0");
    }
    return platform.toStdString();
}

bool TSingleInstance::Acquire()
{
    if (m_lockFileName.empty())
        return true;
    m_lockFd = ::open(m_lockFileName.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (m_lockFd < 0)
        return true;
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        const bool taken = errno == EWOULDBLOCK;
        ::close(m_lockFd);
        m_lockFd = -1;
        return !taken;
    }
    Listen();
    return true;
}

void TSingleInstance::Listen()
{
    // Whatever socket is there was left by a program that has ended: the lock was free.
    ::unlink(m_socketName.c_str());
    sockaddr_un address;
    if (!SocketAddress(m_socketName, address))
        return;
    m_listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listenFd < 0)
        return;
    // Only this user may ask the program anything.
    const mode_t mask = ::umask(077);
    const bool bound = ::bind(m_listenFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(m_listenFd, 8) != 0) {
        ::close(m_listenFd);
        m_listenFd = -1;
        return;
    }
    m_listener = new QSocketNotifier(m_listenFd, QSocketNotifier::Read, this);
    connect(m_listener, &QSocketNotifier::activated, this, [this] { AcceptCallers(); });
}

void TSingleInstance::AcceptCallers()
{
    for (;;) {
        const int caller = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (caller < 0)
            return;
        auto* notifier = new QSocketNotifier(caller, QSocketNotifier::Read, this);
        auto request = std::make_shared<std::string>();
        connect(notifier, &QSocketNotifier::activated, this, [this, notifier, caller, request] {
            char buffer[MaxRequest];
            const ssize_t got = ::read(caller, buffer, sizeof buffer);
            if (got < 0 && (errno == EAGAIN || errno == EINTR))
                return;
            if (got > 0)
                request->append(buffer, static_cast<std::size_t>(got));
            const bool complete = request->find('\n') != std::string::npos;
            if (got > 0 && !complete && request->size() < MaxRequest)
                return;
            if (complete) {
                const std::string line = request->substr(0, request->find('\n'));
                m_requesterRole = line.starts_with(ActivateRequest)
                    ? QByteArray::fromStdString(line.substr(sizeof ActivateRequest - 1)).trimmed().toStdString()
                    : std::string();
                if (OnActivate)
                    OnActivate();
                const std::string answer = std::string(ActivateAnswer) + ' ' + m_role + '\n';
                [[maybe_unused]] const ssize_t sent = ::send(caller, answer.data(), answer.size(), MSG_NOSIGNAL);
            }
            notifier->setEnabled(false);
            notifier->deleteLater();
            ::close(caller);
        });
    }
}

bool TSingleInstance::ActivateRunning()
{
    if (m_socketName.empty())
        return false;
    const int holder = LockHolder();
    QElapsedTimer clock;
    clock.start();
    const auto waitMore = [&] {
        if (holder <= 0)
            return clock.elapsed() < AnswerWaitMs;
        const TProcessInfo info = ProcessInfo(holder);
        return CanAnswer(info) && (clock.elapsed() < AnswerWaitMs || info.AgeSeconds < StartupSeconds);
    };
    // Started together, the running program may not listen yet, and while it sets up it does
    // not answer: try again for a while.
    while (waitMore()) {
        const int fd = ConnectTo(m_socketName);
        if (fd < 0) {
            QThread::msleep(50);
            continue;
        }
        std::string answer;
        const std::string request = std::string(ActivateRequest) + ' ' + m_role + '\n';
        bool open = ::send(fd, request.data(), request.size(), MSG_NOSIGNAL) >= 0;
        while (open && answer.find('\n') == std::string::npos && waitMore()) {
            pollfd ready { fd, POLLIN, 0 };
            if (::poll(&ready, 1, 100) <= 0)
                continue;
            char buffer[MaxRequest];
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got > 0)
                answer.append(buffer, static_cast<std::size_t>(got));
            open = got > 0 || (got < 0 && (errno == EINTR || errno == EAGAIN));
        }
        ::close(fd);
        if (!answer.starts_with(ActivateAnswer))
            return false;
        m_runningRole = QByteArray::fromStdString(answer.substr(std::min<std::size_t>(3, answer.size()))).trimmed().toStdString();
        return true;
    }
    return false;
}

int TSingleInstance::LockHolder() const
{
    struct stat lockFile {};
    if (m_lockFileName.empty() || ::stat(m_lockFileName.c_str(), &lockFile) != 0)
        return 0;
    // "1: FLOCK  ADVISORY  WRITE 1234 fe:00:56789 0 EOF"; a waiting request has "->" after
    // the number.
    char wanted[64];
    std::snprintf(wanted, sizeof wanted, "%02x:%02x:%llu", ::major(lockFile.st_dev), ::minor(lockFile.st_dev),
                  static_cast<unsigned long long>(lockFile.st_ino));
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, file;
        int pid = 0;
        if (fields >> number >> kind >> mode >> access >> pid >> file && kind == "FLOCK" && file == wanted)
            return pid;
    }
    return 0;
}

bool TSingleInstance::AcquireWithin(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (Acquire())
            return true;
        if (clock.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(50);
    }
}

bool TSingleInstance::TakeOver()
{
    if (Acquire())
        return true;
    const int holder = LockHolder();
    if (holder <= 0 || holder == ::getpid())
        return AcquireWithin(EndWaitMs);
    // A stopped program hears the request once it is let go on.
    ::kill(holder, SIGTERM);
    ::kill(holder, SIGCONT);
    if (AcquireWithin(EndWaitMs))
        return true;
    ::kill(holder, SIGKILL);
    return AcquireWithin(KillWaitMs);
}
