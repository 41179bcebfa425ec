#include "platform/DisplayCheck.h"

#include <QString>
#include <QtGlobal>

#include <cstdlib>
#include <mutex>
#include <unistd.h>
#include <vector>

#include <X11/Xlib.h>

namespace {

struct THeldMessage {
    QtMsgType Type;
    QString Text;
};

std::mutex HeldLock;

std::vector<THeldMessage>& Held()
{
    static std::vector<THeldMessage> held;
    return held;
}
QtMessageHandler PreviousHandler = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        std::lock_guard lock(HeldLock);
        Held().push_back({ type, text });
        return;
    }
    (void)context;
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    const std::string line = "Kedoozle: cannot start: " + firstLine.toStdString() + "\n";
    [[maybe_unused]] const auto written = ::write(STDERR_FILENO, line.data(), line.size());
    ::_exit(1);
}

} // namespace

std::string DisplayUnavailableReason(const std::string& platformName)
{
    if (!platformName.empty() && !platformName.starts_with("xcb"))
        return {};
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return "no display to show the window on: DISPLAY is not set";
    Display* display = XOpenDisplay(name);
    if (!display)
        return std::string("cannot connect to the display ") + name;
    XCloseDisplay(display);
    return {};
}

void HoldStartMessages() { PreviousHandler = qInstallMessageHandler(HoldMessage); }

void ReleaseStartMessages()
{
    qInstallMessageHandler(PreviousHandler);
    std::vector<THeldMessage> held;
    {
        std::lock_guard lock(HeldLock);
        held.swap(Held());
    }
    for (const THeldMessage& message : held) {
        const QByteArray text = message.Text.toLocal8Bit();
        switch (message.Type) {
        case QtDebugMsg:
            qDebug("%s", text.constData());
            break;
        case QtInfoMsg:
            qInfo("%s", text.constData());
            break;
        case QtWarningMsg:
            qWarning("%s", text.constData());
            break;
        default:
            qCritical("%s", text.constData());
            break;
        }
    }
}
