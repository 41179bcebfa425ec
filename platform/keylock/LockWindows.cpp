#include "platform/keylock/LockWindows.h"

#include "platform/keylock/KeyLock.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace {

struct TReceiver {
    std::function<void(TWindowKeysState)> Report;
    TWindowKeysState LastState { TWindowKeysState::Locked };
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

void ReportWindowKeys(TWindowKeysState state)
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
            current.Report(state);
    });
}

void ForgetWindowKeysState() { Receiver().LastState = TWindowKeysState::Locked; }

void SetWindowKeysReport(std::function<void(TWindowKeysState)> report)
{
    TReceiver& receiver = Receiver();
    receiver.Report = std::move(report);
    // A receiver that comes after the lock hears what is not locked too.
    const TWindowKeysState state = receiver.LastState;
    if (receiver.Report && state != TWindowKeysState::Locked && qGuiApp) {
        QTimer::singleShot(0, qGuiApp, [state] {
            const TReceiver& current = Receiver();
            if (current.Report && current.LastState == state)
                current.Report(state);
        });
    }
}
