#pragma once

class QWindow;
enum class TWindowKeysState;

// The program's windows that the compositor may give the keyboard: visible top-level windows,
// not tool tips or popups. The windows that cover the other monitors are among them: they
// ask for no focus, but a compositor gives it to a window that is clicked all the same.
bool IsLockCandidate(const QWindow* window);

// Sends `state` to the program's receiver once the event loop runs, and
// only when it differs from the last one sent.
void ReportWindowKeys(TWindowKeysState state);
// Forgets the last state sent, without sending anything: the lock is off.
void ForgetWindowKeysState();
