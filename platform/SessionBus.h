#pragma once

// The toolkit asks the desktop's session bus about accessibility and desktop settings when the
// first window shows. Where there is no session bus, the bus library would try to start one
// (an autolaunch: a process for each folder of the search path, on the way to the window);
// there the program tells the toolkit that there is none to reach.

// Whether a session bus is there to talk to: named in the environment, the user's bus in the
// runtime folder, or one that an earlier autolaunch started for this user on this display.
bool SessionBusExists();

// Without a session bus, sets the bus address to one that fails at once, so the toolkit does
// not autolaunch one; with a bus, changes nothing. Call before the toolkit starts.
void NoSessionBusAutolaunch();
