#pragma once

class QWindow;

// The program's windows that the keyboard lock holds for: visible top-level windows, not
// tool tips or popups.
bool IsLockCandidate(const QWindow* window);

// The window that takes the keyboard: the active one when the program is active, else a
// modal window, else the largest visible top-level window (the main window).
QWindow* KeyboardWindow();

// Sends `state` (a TWindowKeysState) to the program's receiver once the event loop runs, and
// only when it differs from the last one sent.
void ReportWindowKeys(int state);
// Forgets the last state sent, without sending anything: the lock is off.
void ForgetWindowKeysState();
