// Preloaded into the program by the held-key test: the X server then seems to refuse
// detectable auto-repeat, so a held key comes as release + press pairs, as on servers
// without it.
#include <X11/XKBlib.h>

extern "C" __attribute__((visibility("default"))) Bool XkbSetDetectableAutoRepeat(Display*, Bool, Bool* supported)
{
    if (supported)
        *supported = False;
    return False;
}
