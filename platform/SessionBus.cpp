#include "platform/SessionBus.h"

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

// An autolaunched bus makes itself known on the display by owning a selection named after
// the user and the machine.
bool AutolaunchedBusOnDisplay()
{
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
