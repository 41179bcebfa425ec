#include "platform/SessionBus.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <X11/Xlib.h>

namespace {

bool IsSocket(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

std::string MachineId()
{
    for (const char* path : { "/var/lib/dbus/machine-id", "/etc/machine-id" }) {
        std::ifstream file(path);
        std::string id;
        if (file >> id && !id.empty())
            return id;
    }
    return {};
}

// Whether an executable of that name is in one of the folders of the search path.
bool OnSearchPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    if (!path)
        return false;
    const std::string folders = path;
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        if (!folder.empty() && access((folder + "/" + name).c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// An autolaunched bus makes itself known on the display by owning a selection named after
// the user and the machine. The bus library finds it through dbus-launch alone: without that
// program there is no such bus to reach, and no connection to the display to ask.
bool AutolaunchedBusOnDisplay()
{
    if (!OnSearchPath("dbus-launch"))
        return false;
    const passwd* user = getpwuid(getuid());
    const std::string machine = MachineId();
    const char* display = std::getenv("DISPLAY");
    if (!user || machine.empty() || !display || !*display)
        return false;
    Display* dpy = XOpenDisplay(display);
    if (!dpy)
        return false;
    const std::string name = std::string("_DBUS_SESSION_BUS_SELECTION_") + user->pw_name + "_" + machine;
    const Atom selection = XInternAtom(dpy, name.c_str(), True);
    const bool owned = selection != None && XGetSelectionOwner(dpy, selection) != None;
    XCloseDisplay(dpy);
    return owned;
}

} // namespace

bool SessionBusExists()
{
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address)
        return true;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime && IsSocket(std::string(runtime) + "/bus"))
        return true;
    return AutolaunchedBusOnDisplay();
}

void NoSessionBusAutolaunch()
{
    if (SessionBusExists())
        return;
    // An address of no known kind: the bus library gives up on it without starting anything.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}
