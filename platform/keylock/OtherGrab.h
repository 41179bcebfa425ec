#pragma once

struct _XDisplay;

// Ends what keeps another client holding the keyboard or the pointer, so that the lock can
// take them. A window manager cycling windows holds the keyboard until the modifier held since
// Alt+Tab is released; its window menu until Escape; a drag until its button is released.
// A grab refused once is only tried again: the window manager holds the keyboard for a moment
// on every bound key a child presses. Refused again, the held modifiers and buttons are
// released through XTest; should the other client still hold the keyboard at the next try,
// Escape is pressed, a few times at most: a client that holds the keyboard for good is left
// to the notice that the keys are not locked.
class TOtherGrabEnder {
public:
    explicit TOtherGrabEnder(_XDisplay* dpy);

    // Called when a grab of ours was refused because another client holds it; `keyboard`
    // tells whether that was the keyboard grab (else only the pointer grab was refused).
    void Refused(bool keyboard);
    // Called when both grabs hold: the next refusal is a new one.
    void Held()
    {
        FRefusals = 0;
        FEscapes = 0;
    }

    // How many times Escape is pressed for one refusal.
    static constexpr int EscapesMost = 3;

private:
    bool ReleaseHeldModifiers();
    bool ReleaseHeldButtons();
    void PressEscape();

    _XDisplay* FDisplay; // X11's Display
    bool FHasXTest { false };
    int FRefusals { 0 };
    int FEscapes { 0 };
};
