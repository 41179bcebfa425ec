#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

// True while neither Super key is held; written by the key-watch thread only.
extern std::atomic<bool> WinKeysUp;

// Where the key-watch thread reads the two Windows keys, and how it sleeps between readings.
class TWinKeysSource {
public:
    virtual ~TWinKeysSource() = default;
    // The asynchronous state of a virtual key: the most significant bit set while held.
    virtual std::int16_t GetAsyncKeyState(int virtualKey) = 0;
    // Sleeps until a Windows key may have gone down or up, or until Interrupt; false once the
    // keys can no longer be read (the display is gone).
    virtual bool WaitForKeys() = 0;
    // Ends the current or the next WaitForKeys; called from any thread.
    virtual void Interrupt() = 0;
};

// The key-watch thread: keeps WinKeysUp true while neither Windows key is held. It reads the
// keys at its start and again each time one of them goes down or up, and sleeps in between,
// so a program left alone does not wake for it. The thread runs from construction;
// destroying the object or calling Terminate asks it to end, which it does at once without
// anybody waiting for it, and it frees what it used by itself.
class TCheckKeysThread {
public:
    // With no source, the keys come from the X server over the thread's own connection.
    explicit TCheckKeysThread(std::shared_ptr<TWinKeysSource> source = {});
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
