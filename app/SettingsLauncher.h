#pragma once

// `kedoozle --settings`: replaces this process with the settings window's program,
// KedoozleSettings in the program's own folder. Returns only when it cannot be started: then
// one line on the error output, and the exit status.
int StartSettingsWindow();
