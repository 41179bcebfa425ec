#include "platform/Termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int SignalPipe[2] = { -1, -1 };
std::atomic<int> ReceivedSignal { 0 };
const int Signals[] = { SIGTERM, SIGINT, SIGHUP };

// Only async-signal-safe work here: the event loop does the rest.
void OnSignal(int signal)
{
    const int saved = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = write(SignalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void QuitOnTerminationSignals()
{
    if (SignalPipe[0] >= 0 || !QCoreApplication::instance())
        return;
    if (pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte = 0;
        while (read(SignalPipe[0], &byte, 1) == 1) {
            int expected = 0;
            ReceivedSignal.compare_exchange_strong(expected, int(static_cast<unsigned char>(byte)));
        }
        // Ends nested loops too: an open dialog closes as if dismissed, and play ends.
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : Signals)
        sigaction(signal, &action, nullptr);
}

int TerminationSignal() { return ReceivedSignal.load(); }

void RaiseTerminationSignal()
{
    const int signal = ReceivedSignal.load();
    if (signal == 0)
        return;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
