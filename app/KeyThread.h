#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

// True while neither Super key is held; written by the key-watch thread only.
extern std::atomic<bool> WinKeysUp;

// The key-watch thread: polls the two Windows keys every 100 ms and keeps WinKeysUp true
// while neither is held. The thread runs from construction; destroying the object or
// calling Terminate asks it to end, which it does within one poll without anybody waiting
// for it, and it frees what it used by itself.
class TCheckKeysThread {
public:
    // Asynchronous key state of a virtual key: the most significant bit set while held.
    using TKeyStateQuery = std::function<std::int16_t(int virtualKey)>;

    // With no query, the key state comes from the X server over the thread's own connection.
    explicit TCheckKeysThread(TKeyStateQuery query = {});
    ~TCheckKeysThread();
    TCheckKeysThread(const TCheckKeysThread&) = delete;
    TCheckKeysThread& operator=(const TCheckKeysThread&) = delete;

    void Terminate();
    bool Terminated() const;
    // True once the thread body has returned.
    bool Finished() const;

private:
    struct TShared;
    static void Execute(TShared& shared);

    std::shared_ptr<TShared> FShared;
};
