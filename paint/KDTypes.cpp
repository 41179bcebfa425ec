#include "paint/KDTypes.h"

namespace {

// The classic desktop scheme, indexed by system colour number.
TColor SystemColor(unsigned index)
{
    switch (index) {
    case 5: return RGB(0xFF, 0xFF, 0xFF);  // window
    case 6: return RGB(0, 0, 0);           // window frame
    case 8: return RGB(0, 0, 0);           // window text
    case 13: return RGB(0, 0, 0x80);       // highlight
    case 14: return RGB(0xFF, 0xFF, 0xFF); // highlight text
    case 15: return RGB(0xC0, 0xC0, 0xC0); // button face
    case 16: return RGB(0x80, 0x80, 0x80); // button shadow
    case 17: return RGB(0x80, 0x80, 0x80); // grey text
    case 18: return RGB(0, 0, 0);          // button text
    case 20: return RGB(0xFF, 0xFF, 0xFF); // button highlight
    case 21: return RGB(0, 0, 0);          // 3-D dark shadow
    case 22: return RGB(0xC0, 0xC0, 0xC0); // 3-D light
    case 23: return RGB(0, 0, 0);          // info text
    case 24: return RGB(0xFF, 0xFF, 0xE1); // info background
    default: return RGB(0xC0, 0xC0, 0xC0);
    }
}

} // namespace

TColor ColorToRGB(TColor color)
{
    if (color & 0x80000000u)
        return SystemColor(color & 0xFFu);
    return color & 0x00FFFFFFu;
}
