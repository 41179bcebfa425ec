#include "resources/ProgramResources.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <QColor>

namespace {

std::uint32_t Le32(const QByteArray& bytes, int offset)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | std::uint8_t(bytes[offset + i]);
    return v;
}

} // namespace

TEST(ProgramResources, ControlPanelBitmapsHaveTheirSizes)
{
    for (const char* name : { "CLASSICTYPE_ON", "CLASSICTYPE_OFF", "PATTERNTYPE_ON", "PATTERNTYPE_OFF", "SHAPETYPE_ON",
                              "SHAPETYPE_OFF", "PICTURETYPE_ON", "PICTURETYPE_OFF", "KEYTYPE_ON", "KEYTYPE_OFF",
                              "SOUND_ON", "SOUND_OFF", "EXIT_UP", "EXIT_DOWN", "QUESTION_ICON" }) {
        const QImage image = LoadProgramBitmap(name);
        EXPECT_EQ(image.size(), QSize(32, 32)) << name;
        // 256-colour bitmaps, as the control panel expects
        EXPECT_EQ(image.format(), QImage::Format_Indexed8) << name;
    }
    EXPECT_EQ(LoadProgramBitmap("KEDOOZLE_LOGO").size(), QSize(247, 32));
    for (const char* name : { "SBLEFT", "SBLEFTDN", "SBLEFTDIS", "SBRIGHT", "SBRIGHTDN", "SBRIGHTDIS" })
        EXPECT_EQ(LoadProgramBitmap(name).size(), QSize(12, 13)) << name;
}

TEST(ProgramResources, ControlPanelBitmapsSitOnThePanelPurple)
{
    // The corners of the unframed pictures are the panel's own colour, so they blend in.
    for (const char* name : { "CLASSICTYPE_OFF", "SOUND_ON", "SOUND_OFF", "KEDOOZLE_LOGO" }) {
        const QImage image = LoadProgramBitmap(name);
        EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(102, 51, 153)) << name;
        EXPECT_EQ(QColor(image.pixel(image.width() - 1, image.height() - 1)), QColor(102, 51, 153)) << name;
    }
}

TEST(ProgramResources, ScrollerButtonsAreDrawnPixelExact)
{
    constexpr QRgb black = 0xFF000000, white = 0xFFFFFFFF, grey = 0xFF808080, silver = 0xFFC0C0C0;
    const QImage left = LoadProgramBitmap("SBLEFT").convertToFormat(QImage::Format_RGB32);
    // black outline, white top-left and grey bottom-right inner lines, silver face
    EXPECT_EQ(left.pixel(0, 0), black);
    EXPECT_EQ(left.pixel(11, 12), black);
    EXPECT_EQ(left.pixel(1, 1), white);
    EXPECT_EQ(left.pixel(1, 10), white);
    EXPECT_EQ(left.pixel(10, 11), grey);
    EXPECT_EQ(left.pixel(10, 1), grey);
    EXPECT_EQ(left.pixel(2, 2), silver);
    // the arrow: 7 pixels high at its base, tip to the left
    EXPECT_EQ(left.pixel(4, 6), black);
    EXPECT_EQ(left.pixel(4, 5), silver);
    EXPECT_EQ(left.pixel(7, 3), black);
    EXPECT_EQ(left.pixel(7, 9), black);
    EXPECT_EQ(left.pixel(7, 2), silver);
    const QImage right = LoadProgramBitmap("SBRIGHT").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(right.pixel(7, 6), black);
    EXPECT_EQ(right.pixel(4, 3), black);
    EXPECT_EQ(right.pixel(7, 5), silver);
    // pressed: grey top-left line, no white, the arrow one pixel right and down
    const QImage pressed = LoadProgramBitmap("SBLEFTDN").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(pressed.pixel(1, 1), grey);
    EXPECT_EQ(pressed.pixel(5, 7), black);
    EXPECT_EQ(pressed.pixel(4, 6), silver);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_NE(pressed.pixel(x, y), white) << x << "," << y;
    // disabled: a grey arrow with a white edge on its lower right
    const QImage disabled = LoadProgramBitmap("SBRIGHTDIS").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(disabled.pixel(7, 6), grey);
    EXPECT_EQ(disabled.pixel(8, 7), white);
    EXPECT_EQ(disabled.pixel(5, 10), white);
}

TEST(ProgramResources, HandCursorIsMonochromeWithItsHotSpotOnTheFingertip)
{
    const QImage hand = LoadProgramBitmap("KDCURSOR_HAND");
    ASSERT_EQ(hand.size(), QSize(32, 32));
    ASSERT_TRUE(hand.hasAlphaChannel());
    int transparent = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = hand.pixel(x, y);
            if (qAlpha(p) == 0) {
                ++transparent;
                continue;
            }
            EXPECT_EQ(qAlpha(p), 255);
            EXPECT_TRUE(p == 0xFF000000u || p == 0xFFFFFFFFu) << x << "," << y;
        }
    EXPECT_GT(transparent, 500);
    EXPECT_EQ(LoadProgramResource("KDCURSOR_HAND_HOTSPOT"), QByteArray("8,1"));
    EXPECT_EQ(hand.pixel(8, 1), 0xFF000000u); // the hot spot is on the tip's outline
    EXPECT_EQ(qAlpha(hand.pixel(8, 0)), 0);
}

TEST(ProgramResources, SplashAndAboutPicturesAreBaselineJpegs)
{
    for (auto [name, size] : { std::pair { "SPLASH", QSize(400, 400) }, std::pair { "ABOUT_PICTURE", QSize(200, 200) },
                               std::pair { "ABOUT_BANNER", QSize(123, 38) } }) {
        const QByteArray data = LoadProgramResource(name);
        ASSERT_GT(data.size(), 4) << name;
        EXPECT_EQ(std::uint8_t(data[0]), 0xFF) << name;
        EXPECT_EQ(std::uint8_t(data[1]), 0xD8) << name;
        EXPECT_TRUE(data.contains("JFIF")) << name;
        EXPECT_FALSE(data.contains("\xFF\xC2")) << name; // no progressive frame
        const QImage image = QImage::fromData(data, "JPEG");
        EXPECT_EQ(image.size(), size) << name;
        EXPECT_FALSE(image.isGrayscale()) << name;
    }
}

TEST(ProgramResources, DefaultChimeIsAShortPcmWave)
{
    const QByteArray wave = LoadProgramResource("DEFAULT_CHIME");
    ASSERT_GE(wave.size(), 44);
    EXPECT_EQ(wave.left(4), QByteArray("RIFF"));
    EXPECT_EQ(Le32(wave, 4), std::uint32_t(wave.size() - 8));
    EXPECT_EQ(wave.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(Le32(wave, 20) & 0xFFFF, 1u);      // PCM
    EXPECT_EQ(Le32(wave, 20) >> 16, 1u);         // mono
    EXPECT_EQ(Le32(wave, 24), 22050u);           // sample rate
    EXPECT_EQ(wave.mid(36, 4), QByteArray("data"));
    const std::uint32_t dataSize = Le32(wave, 40);
    EXPECT_EQ(dataSize + 44, std::uint32_t(wave.size()));
    const double seconds = dataSize / 2.0 / 22050.0;
    EXPECT_GT(seconds, 0.3);
    EXPECT_LT(seconds, 0.6);
}

TEST(ProgramResources, MissingResourceRaisesResNotFound)
{
    EXPECT_FALSE(ProgramResourceExists("NO_SUCH_BITMAP"));
    EXPECT_TRUE(ProgramResourceExists("SPLASH"));
    EXPECT_THROW(LoadProgramBitmap("NO_SUCH_BITMAP"), EResNotFound);
}
