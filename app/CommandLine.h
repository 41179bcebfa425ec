#pragma once

#include <optional>

// The program's command line, read before anything reaches for the display or the keyboard:
// a parent who asks for help or the version, or mistypes an option, gets an answer on the
// terminal and never a locked full-screen program.
//   --help, -h      the manual's text on the standard output, status 0
//   --version, -V   "Kedoozle VERSION" on the standard output, status 0
//   --settings      the parent's settings window instead of play (no value is returned;
//                   SettingsRequested tells)
// Anything else (an unknown option, a stray argument) is one line on the error output and
// status 2. Nothing given: play starts (no value is returned).
std::optional<int> HandleCommandLine(int argc, const char* const* argv);

// Whether the command line asks for the settings window rather than play.
bool SettingsRequested(int argc, const char* const* argv);

// The exit status of a wrong command line.
constexpr int ExitBadCommandLine = 2;
