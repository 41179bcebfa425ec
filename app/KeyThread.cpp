#include "app/KeyThread.h"

#include "platform/KeyState.h"
#include "platform/VirtualKeys.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

constexpr auto PollInterval = std::chrono::milliseconds(100);

bool IsDown(std::int16_t state) { return (static_cast<std::uint16_t>(state) & 0x8000u) != 0; }

} // namespace

std::atomic<bool> WinKeysUp { true };

// What the thread and its owner share; the thread keeps its own reference, so the owner
// may go away at any time.
struct TCheckKeysThread::TShared {
    TKeyStateQuery Query;
    std::mutex Lock;
    std::condition_variable Wake;
    std::atomic<bool> TerminateRequested { false };
    std::atomic<bool> Finished { false };
};

TCheckKeysThread::TCheckKeysThread(TKeyStateQuery query)
    : FShared(std::make_shared<TShared>())
{
    FShared->Query = std::move(query);
    std::thread([shared = FShared] {
        Execute(*shared);
        shared->Finished = true;
    }).detach();
}

TCheckKeysThread::~TCheckKeysThread() { Terminate(); }

void TCheckKeysThread::Terminate()
{
    {
        std::lock_guard lock(FShared->Lock);
        FShared->TerminateRequested = true;
    }
    FShared->Wake.notify_all();
}

bool TCheckKeysThread::Terminated() const { return FShared->TerminateRequested; }

bool TCheckKeysThread::Finished() const { return FShared->Finished; }

void TCheckKeysThread::Execute(TShared& shared)
{
    // The X connection is opened here, so it belongs to this thread alone.
    std::unique_ptr<TAsyncKeyState> keyState;
    TKeyStateQuery query = shared.Query;
    if (!query) {
        keyState = std::make_unique<TAsyncKeyState>();
        query = [state = keyState.get()](int virtualKey) { return state->GetAsyncKeyState(virtualKey); };
    }
    while (!shared.TerminateRequested) {
        // The left key is asked only when the right one is up.
        const bool down = IsDown(query(VK::RWin)) || IsDown(query(VK::LWin));
        if (keyState && !keyState->IsConnected()) {
            // The display is gone: the thread ends and leaves the ending of the program to
            // the user-interface thread.
            WinKeysUp = true;
            return;
        }
        WinKeysUp = !down;
        std::unique_lock lock(shared.Lock);
        shared.Wake.wait_for(lock, PollInterval, [&shared] { return shared.TerminateRequested.load(); });
    }
}
