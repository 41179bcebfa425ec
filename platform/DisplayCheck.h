#pragma once

#include <string>

// Why the program cannot reach a display, before the toolkit tries (and aborts): empty when
// the X display the toolkit will use opens, or when the toolkit is not going to use X.
// `platformName` is the toolkit platform asked for on the command line or in the
// environment; empty for the default.
std::string DisplayUnavailableReason(const std::string& platformName);

// While the toolkit starts, its messages are held back. Should it fail to start, one line
// says why and the process ends with status 1 instead of an abort; once it has started the
// held messages are passed on.
void HoldStartMessages();
void ReleaseStartMessages();
