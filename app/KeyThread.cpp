#include "app/KeyThread.h"

#include "platform/KeyState.h"
#include "platform/VirtualKeys.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace {

bool IsDown(std::int16_t state) { return (static_cast<std::uint16_t>(state) & 0x8000u) != 0; }

// The Windows keys on the X server: their presses and releases wake the thread, whoever holds
// the keyboard.
class TXServerWinKeys : public TWinKeysSource {
public:
    TXServerWinKeys() { FKeyState.WatchKeys({ VK::LWin, VK::RWin }); }
    std::int16_t GetAsyncKeyState(int virtualKey) override { return FKeyState.GetAsyncKeyState(virtualKey); }
    bool WaitForKeys() override { return FKeyState.WaitForWatchedKeys(); }
    void Interrupt() override { FKeyState.Interrupt(); }

private:
    TAsyncKeyState FKeyState;
};

} // namespace

std::atomic<bool> WinKeysUp { true };

// What the thread and its owner share; the thread keeps its own reference, so the owner
// may go away at any time.
struct TCheckKeysThread::TShared {
    // Guards Source against Terminate while the thread lets it go.
    std::mutex Lock;
    std::shared_ptr<TWinKeysSource> Source;
    std::atomic<bool> TerminateRequested { false };
    std::atomic<bool> Finished { false };
};

TCheckKeysThread::TCheckKeysThread(std::shared_ptr<TWinKeysSource> source)
    : FShared(std::make_shared<TShared>())
{
    FShared->Source = std::move(source);
    std::thread([shared = FShared] {
        Execute(*shared);
        shared->Finished = true;
    }).detach();
}

TCheckKeysThread::~TCheckKeysThread() { Terminate(); }

void TCheckKeysThread::Terminate()
{
    std::lock_guard lock(FShared->Lock);
    FShared->TerminateRequested = true;
    if (FShared->Source)
        FShared->Source->Interrupt();
}

bool TCheckKeysThread::Terminated() const { return FShared->TerminateRequested; }

bool TCheckKeysThread::Finished() const { return FShared->Finished; }

void TCheckKeysThread::Execute(TShared& shared)
{
    std::shared_ptr<TWinKeysSource> source;
    {
        std::lock_guard lock(shared.Lock);
        // The X connection is opened here, so it belongs to this thread alone.
        if (!shared.Source)
            shared.Source = std::make_shared<TXServerWinKeys>();
        source = shared.Source;
    }
    while (!shared.TerminateRequested) {
        // The left key is asked only when the right one is up.
        WinKeysUp = !(IsDown(source->GetAsyncKeyState(VK::RWin)) || IsDown(source->GetAsyncKeyState(VK::LWin)));
        if (source->WaitForKeys())
            continue;
        // The display is gone: the thread ends and leaves the ending of the program to the
        // user-interface thread.
        WinKeysUp = true;
        break;
    }
    std::lock_guard lock(shared.Lock);
    shared.Source.reset();
}
