#pragma once

#include <atomic>
#include <functional>
#include <string>

// How the program ends when its display goes away (the X server dies, or drops the
// connection): the handler runs once, on the user-interface thread, one line on the error
// output says why, and the process ends with status 1. No thread ends the process on its own
// when a connection breaks, and nothing is torn down under a thread still running.
//
// The handler does what must not be lost (it writes the settings) and returns how that went,
// for the line. It must not use the display.
using TDisplayLostHandler = std::function<std::string()>;
void SetDisplayLostHandler(TDisplayLostHandler handler);

// Takes over the X library's and the toolkit's reaction to a broken connection; call once the
// application object exists. Connections the program opens itself call it too.
void WatchForDisplayLoss();

// For a connection of the program's own (the key-watch thread's): once it breaks, the calls
// on it return at once instead of ending the process, and `lost` becomes true. The program
// ends as above when the toolkit's connection is found broken too. `lost` must outlive the
// connection.
void KeepRunningOnBrokenConnection(void* display, std::atomic<bool>* lost);
