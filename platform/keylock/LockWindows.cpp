#include "platform/keylock/LockWindows.h"

#include "platform/keylock/kdkbhook.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace {

struct TReceiver {
    TWindowKeysReport Report { nullptr };
    void* Context { nullptr };
    int LastState { wksLocked };
};

TReceiver& Receiver()
{
    static TReceiver receiver;
    return receiver;
}

} // namespace

bool IsLockCandidate(const QWindow* window)
{
    if (!window || !window->isVisible() || !window->isTopLevel())
        return false;
    const auto type = window->type();
    return type != Qt::ToolTip && type != Qt::Popup && type != Qt::Desktop;
}

void ReportWindowKeys(int state)
{
    TReceiver& receiver = Receiver();
    if (state == receiver.LastState)
        return;
    receiver.LastState = state;
    if (!qGuiApp)
        return;
    // The receiver may show a window or a text; it does so from the event loop, never from
    // inside the lock's own bookkeeping.
    QTimer::singleShot(0, qGuiApp, [state] {
        const TReceiver& current = Receiver();
        if (current.Report && current.LastState == state)
            current.Report(current.Context, state);
    });
}

void ForgetWindowKeysState() { Receiver().LastState = wksLocked; }

void SetWindowKeysReport(TWindowKeysReport report, void* context)
{
    TReceiver& receiver = Receiver();
    receiver.Report = report;
    receiver.Context = context;
    // A receiver that comes after the lock hears what is not locked too.
    const int state = receiver.LastState;
    if (report && state != wksLocked && qGuiApp) {
        QTimer::singleShot(0, qGuiApp, [state] {
            const TReceiver& current = Receiver();
            if (current.Report && current.LastState == state)
                current.Report(current.Context, state);
        });
    }
}
