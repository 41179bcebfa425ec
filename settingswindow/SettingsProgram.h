#pragma once

// The settings window's program: one window for the parent, with no lock, in the desktop's
// style. Play and the settings window never run at once on one display for one user: a start
// of either while the other runs brings the running one to the front with a one-line message.
// The exit status.
int RunSettingsProgram(int argc, char** argv);
