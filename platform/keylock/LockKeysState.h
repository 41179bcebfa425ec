#pragma once

typedef struct _XDisplay Display;

// Caps Lock, Num Lock and Scroll Lock as the child leaves them are not the parent's business:
// the locked modifiers found when play starts are put back when it ends.
class TLockKeysState {
public:
    // Records the keyboard's locked modifiers; nothing on a server without XKB.
    explicit TLockKeysState(Display* dpy);
    // Puts them back as recorded.
    void Restore() const;

private:
    Display* FDisplay;
    bool FKnown { false };
    unsigned FLocked { 0 };
};
