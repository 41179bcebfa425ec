#include "platform/DisplayLoss.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QThread>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <unistd.h>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace {

std::mutex HandlerLock;
TDisplayLostHandler& Handler()
{
    static TDisplayLostHandler handler;
    return handler;
}

std::string& DisplayName()
{
    static std::string name;
    return name;
}

QtMessageHandler PreviousMessageHandler = nullptr;

QNativeInterface::QX11Application* QtX11()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
}

bool OnUserInterfaceThread()
{
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

bool ToolkitConnectionBroken()
{
    auto* x11 = QtX11();
    return x11 && x11->connection() && xcb_connection_has_error(x11->connection()) != 0;
}

void WriteLine(const std::string& text)
{
    const std::string line = "Kedoozle: " + text + "\n";
    [[maybe_unused]] const auto written = ::write(STDERR_FILENO, line.data(), line.size());
}

// Runs the handler once and ends the process; only the user-interface thread comes here.
// Called again from inside the handler (a message the handler caused), it returns at once and
// leaves the ending to the first call.
void EndForLostDisplay()
{
    static std::atomic<bool> ending { false };
    if (ending.exchange(true))
        return;
    std::string outcome;
    TDisplayLostHandler handler;
    {
        std::lock_guard lock(HandlerLock);
        handler = Handler();
    }
    if (handler) {
        try {
            outcome = handler();
        } catch (const std::exception& error) {
            outcome = error.what();
        } catch (...) {
            outcome = "the settings could not be written";
        }
    }
    std::string text = "lost the connection to the display";
    if (!DisplayName().empty())
        text += " " + DisplayName();
    if (!outcome.empty())
        text += "; " + outcome;
    WriteLine(text + ".");
    ::_exit(1);
}

// From any thread: the user-interface thread ends the program once it sees the toolkit's
// connection broken too. A connection of our own that breaks alone (a client killed it) only
// ends what used it.
void ReportBrokenConnection()
{
    auto* app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(
        app,
        [] {
            if (ToolkitConnectionBroken())
                EndForLostDisplay();
        },
        Qt::QueuedConnection);
}

// The X library calls this on a broken connection instead of printing and calling exit().
int OnIOError(Display* display)
{
    auto* x11 = QtX11();
    const bool toolkitDisplay = x11 && x11->display() == display;
    if (toolkitDisplay && OnUserInterfaceThread())
        EndForLostDisplay();
    ReportBrokenConnection();
    return 0;
}

void ReturnFromIOError(Display*, void*) { }

// The toolkit reports its broken connection with a message and then calls exit(); the
// message comes first, on the user-interface thread.
void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && OnUserInterfaceThread() && ToolkitConnectionBroken())
        EndForLostDisplay();
    if (PreviousMessageHandler)
        PreviousMessageHandler(type, context, message);
}

// Should anything call exit() with the connection broken, the settings are still written
// before the exit handlers tear the program down.
void OnExit()
{
    if (!ToolkitConnectionBroken())
        return;
    if (OnUserInterfaceThread())
        EndForLostDisplay();
    WriteLine("lost the connection to the display " + DisplayName() + ".");
    ::_exit(1);
}

void InstallIOErrorHandler()
{
    static std::once_flag once;
    std::call_once(once, [] { XSetIOErrorHandler(OnIOError); });
}

} // namespace

void SetDisplayLostHandler(TDisplayLostHandler handler)
{
    std::lock_guard lock(HandlerLock);
    Handler() = std::move(handler);
}

void WatchForDisplayLoss()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Writing to a socket the server has closed must not kill the process.
        std::signal(SIGPIPE, SIG_IGN);
        // The toolkit sets its own handler when it connects; ours replaces it.
        XSetIOErrorHandler(OnIOError);
        if (auto* x11 = QtX11(); x11 && x11->display()) {
            DisplayName() = DisplayString(x11->display());
            XSetIOErrorExitHandler(x11->display(), ReturnFromIOError, nullptr);
        }
        PreviousMessageHandler = qInstallMessageHandler(OnMessage);
        std::atexit(OnExit);
    });
}

void KeepRunningOnBrokenConnection(void* display, std::atomic<bool>* lost)
{
    InstallIOErrorHandler();
    XSetIOErrorExitHandler(
        static_cast<Display*>(display), [](Display*, void* flag) { static_cast<std::atomic<bool>*>(flag)->store(true); },
        lost);
}
