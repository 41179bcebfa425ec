#pragma once

// Ending on request: SIGTERM, SIGINT and SIGHUP (a logout, a closed terminal, Ctrl+C) end the
// event loop the orderly way, as a confirmed exit does, so the settings are written and the
// keys given back before the process ends.
void QuitOnTerminationSignals();
// The signal that ended the loop; 0 when none did.
int TerminationSignal();
// Once shutdown is done: ends the process by that signal, as whoever sent it expects. Returns
// when no signal ended the loop.
void RaiseTerminationSignal();
