#include "platform/ScreenPalette.h"

#include "paint/ColorData.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(ScreenPalette, WithoutAnXScreenThereIsNoPalette)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        GTEST_SKIP() << "runs on the offscreen platform";
    const TScreenPaletteCaps caps = ScreenPaletteCaps();
    EXPECT_EQ(caps.PaletteEntries, 0);
    EXPECT_EQ(caps.RasterCaps, 0u);
}

// Run with QT_QPA_PLATFORM=xcb and KD_SCREEN_DEPTH set to the depth the X server was started
// with: an 8-bit screen has a 256-entry colour map that programs set, a 24-bit one none.
TEST(ScreenPaletteXServerTest, ThePaletteFollowsTheScreensVisual)
{
    const char* depth = std::getenv("KD_SCREEN_DEPTH");
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !depth)
        GTEST_SKIP() << "needs QT_QPA_PLATFORM=xcb and KD_SCREEN_DEPTH";
    const TScreenPaletteCaps caps = ScreenPaletteCaps();
    const bool eightBit = std::string(depth) == "8";
    EXPECT_EQ(caps.PaletteEntries, eightBit ? 256 : 0);
    EXPECT_EQ(caps.RasterCaps, eightBit ? RC_PALETTE : 0u);
    EXPECT_EQ(IsPaletteDisplay(caps.PaletteEntries, caps.RasterCaps), eightBit);
}

} // namespace
