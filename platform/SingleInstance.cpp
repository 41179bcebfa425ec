#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char ActivateRequest[] = "activate\n";
constexpr char ActivateAnswer[] = "ok\n";

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
    if (m_server)
        m_server->close();
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
    // Whatever socket is there was left by a program that has ended: the lock was free.
    QLocalServer::removeServer(QString::fromStdString(m_socketName));
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (!client->readAll().contains('\n'))
                    return;
                if (OnActivate)
                    OnActivate();
                client->write(ActivateAnswer);
                client->flush();
                client->disconnectFromServer();
            });
        }
    });
    m_server->listen(QString::fromStdString(m_socketName));
    return true;
}

bool TSingleInstance::ActivateRunning(int timeoutMs)
{
    if (m_socketName.empty())
        return false;
    QElapsedTimer clock;
    clock.start();
    // Started together, the running program may not listen yet: try again for a while.
    while (clock.elapsed() < timeoutMs) {
        QLocalSocket socket;
        socket.connectToServer(QString::fromStdString(m_socketName));
        if (socket.waitForConnected(100)) {
            socket.write(ActivateRequest);
            socket.flush();
            const int left = std::max(1, int(timeoutMs - clock.elapsed()));
            while (socket.bytesAvailable() < 3 && socket.waitForReadyRead(left))
                ;
            return socket.readAll().startsWith("ok");
        }
        QThread::msleep(50);
    }
    return false;
}
