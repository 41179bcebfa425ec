#include "platform/VirtualKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <ostream>
#include <vector>

namespace {

// One key as an X server with a US layout reports it: XKB keycode (evdev + 8), keysym and
// Qt's key, and the virtual-key code a US Windows keyboard gives for it. QtKey 0 marks a row
// whose Qt key alone cannot tell the answer (a layout other than US).
struct TKeyRow {
    const char* Name;
    int QtKey;
    Qt::KeyboardModifiers Modifiers;
    quint32 Keycode;
    quint32 Keysym;
    std::uint16_t VirtualKey;
};

void PrintTo(const TKeyRow& row, std::ostream* os) { *os << row.Name; }

constexpr auto None = Qt::NoModifier;
constexpr auto Shift = Qt::ShiftModifier;
const Qt::KeyboardModifiers Keypad = Qt::KeypadModifier;

const TKeyRow KeyRows[] = {
    // Letters follow the layout's letter, whatever Shift or Caps Lock make of them.
    { "a", Qt::Key_A, None, 38, 'a', 65 },
    { "Shift+a", Qt::Key_A, Shift, 38, 'A', 65 },
    { "z", Qt::Key_Z, None, 52, 'z', 90 },
    { "m", Qt::Key_M, None, 58, 'm', 77 },
    { "AZERTY a on the US q place", 0, None, 24, 'a', 65 },
    { "Cyrillic ef on the US a place", 0, None, 38, 0x6c6, 65 },
    { "AZERTY comma on the US m place", 0, None, 58, ',', 188 },
    // The digit row goes by place.
    { "1", Qt::Key_1, None, 10, '1', 49 },
    { "Shift+1", Qt::Key_Exclam, Shift, 10, '!', 49 },
    { "Shift+2", Qt::Key_At, Shift, 11, '@', 50 },
    { "5", Qt::Key_5, None, 14, '5', 53 },
    { "Shift+9", Qt::Key_ParenLeft, Shift, 18, '(', 57 },
    { "0", Qt::Key_0, None, 19, '0', 48 },
    { "AZERTY ampersand on the 1 key", 0, None, 10, '&', 49 },
    { "AZERTY agrave on the 0 key", 0, None, 19, 0xe0, 48 },
    // Punctuation by its US place.
    { "semicolon", Qt::Key_Semicolon, None, 47, ';', 186 },
    { "colon", Qt::Key_Colon, Shift, 47, ':', 186 },
    { "equals", Qt::Key_Equal, None, 21, '=', 187 },
    { "plus", Qt::Key_Plus, Shift, 21, '+', 187 },
    { "comma", Qt::Key_Comma, None, 59, ',', 188 },
    { "minus", Qt::Key_Minus, None, 20, '-', 189 },
    { "underscore", Qt::Key_Underscore, Shift, 20, '_', 189 },
    { "period", Qt::Key_Period, None, 60, '.', 190 },
    { "slash", Qt::Key_Slash, None, 61, '/', 191 },
    { "question", Qt::Key_Question, Shift, 61, '?', 191 },
    { "grave", Qt::Key_QuoteLeft, None, 49, '`', 192 },
    { "tilde", Qt::Key_AsciiTilde, Shift, 49, '~', 192 },
    { "bracket left", Qt::Key_BracketLeft, None, 34, '[', 219 },
    { "backslash", Qt::Key_Backslash, None, 51, '\\', 220 },
    { "bracket right", Qt::Key_BracketRight, None, 35, ']', 221 },
    { "apostrophe", Qt::Key_Apostrophe, None, 48, '\'', 222 },
    { "quote", Qt::Key_QuoteDbl, Shift, 48, '"', 222 },
    { "German o-umlaut on the semicolon place", 0, None, 47, 0xf6, 186 },
    { "dead acute on the apostrophe place", 0, None, 48, 0xfe51, 222 },
    // Keys that print nothing.
    { "Backspace", Qt::Key_Backspace, None, 22, 0xff08, 8 },
    { "Tab", Qt::Key_Tab, None, 23, 0xff09, 9 },
    { "Shift+Tab", Qt::Key_Backtab, Shift, 23, 0xfe20, 9 },
    { "Clear", Qt::Key_Clear, None, 0, 0xff0b, 12 },
    { "Enter", Qt::Key_Return, None, 36, 0xff0d, 13 },
    { "keypad Enter", Qt::Key_Enter, Keypad, 104, 0xff8d, 13 },
    { "left Shift", Qt::Key_Shift, None, 50, 0xffe1, 16 },
    { "right Shift", Qt::Key_Shift, None, 62, 0xffe2, 16 },
    { "left Ctrl", Qt::Key_Control, None, 37, 0xffe3, 17 },
    { "right Ctrl", Qt::Key_Control, None, 105, 0xffe4, 17 },
    { "left Alt", Qt::Key_Alt, None, 64, 0xffe9, 18 },
    { "right Alt", Qt::Key_Alt, None, 108, 0xffea, 18 },
    { "AltGr", Qt::Key_AltGr, None, 108, 0xfe03, 18 },
    { "Shift+Alt gives Meta", Qt::Key_Meta, Shift, 64, 0xffe7, 18 },
    { "Pause", Qt::Key_Pause, None, 127, 0xff13, 19 },
    { "Ctrl+Pause gives Break", 0, Qt::ControlModifier, 127, 0xff6b, 19 },
    { "Caps Lock", Qt::Key_CapsLock, None, 66, 0xffe5, 20 },
    { "Esc", Qt::Key_Escape, None, 9, 0xff1b, 27 },
    { "Space", Qt::Key_Space, None, 65, ' ', 32 },
    { "Page Up", Qt::Key_PageUp, None, 112, 0xff55, 33 },
    { "Page Down", Qt::Key_PageDown, None, 117, 0xff56, 34 },
    { "End", Qt::Key_End, None, 115, 0xff57, 35 },
    { "Home", Qt::Key_Home, None, 110, 0xff50, 36 },
    { "Left", Qt::Key_Left, None, 113, 0xff51, 37 },
    { "Up", Qt::Key_Up, None, 111, 0xff52, 38 },
    { "Right", Qt::Key_Right, None, 114, 0xff53, 39 },
    { "Down", Qt::Key_Down, None, 116, 0xff54, 40 },
    { "Print", Qt::Key_Print, None, 107, 0xff61, 44 },
    { "Alt+Print gives Sys_Req", Qt::Key_SysReq, Qt::AltModifier, 107, 0xff15, 44 },
    { "Insert", Qt::Key_Insert, None, 118, 0xff63, 45 },
    { "Delete", Qt::Key_Delete, None, 119, 0xffff, 46 },
    { "left Super", Qt::Key_Super_L, None, 133, 0xffeb, 91 },
    { "right Super", Qt::Key_Super_R, None, 134, 0xffec, 92 },
    { "Menu", Qt::Key_Menu, None, 135, 0xff67, 93 },
    // The keypad: digits with Num Lock on, the navigation keys with it off.
    { "keypad 0", Qt::Key_0, Keypad, 90, 0xffb0, 96 },
    { "keypad 1", Qt::Key_1, Keypad, 87, 0xffb1, 97 },
    { "keypad 2", Qt::Key_2, Keypad, 88, 0xffb2, 98 },
    { "keypad 3", Qt::Key_3, Keypad, 89, 0xffb3, 99 },
    { "keypad 4", Qt::Key_4, Keypad, 83, 0xffb4, 100 },
    { "keypad 5", Qt::Key_5, Keypad, 84, 0xffb5, 101 },
    { "keypad 6", Qt::Key_6, Keypad, 85, 0xffb6, 102 },
    { "keypad 7", Qt::Key_7, Keypad, 79, 0xffb7, 103 },
    { "keypad 8", Qt::Key_8, Keypad, 80, 0xffb8, 104 },
    { "keypad 9", Qt::Key_9, Keypad, 81, 0xffb9, 105 },
    { "keypad Insert", Qt::Key_Insert, Keypad, 90, 0xff9e, 45 },
    { "keypad End", Qt::Key_End, Keypad, 87, 0xff9c, 35 },
    { "keypad Down", Qt::Key_Down, Keypad, 88, 0xff99, 40 },
    { "keypad Page Down", Qt::Key_PageDown, Keypad, 89, 0xff9b, 34 },
    { "keypad Left", Qt::Key_Left, Keypad, 83, 0xff96, 37 },
    { "keypad 5 without Num Lock", Qt::Key_Clear, Keypad, 84, 0xff9d, 12 },
    { "keypad Right", Qt::Key_Right, Keypad, 85, 0xff98, 39 },
    { "keypad Home", Qt::Key_Home, Keypad, 79, 0xff95, 36 },
    { "keypad Up", Qt::Key_Up, Keypad, 80, 0xff97, 38 },
    { "keypad Page Up", Qt::Key_PageUp, Keypad, 81, 0xff9a, 33 },
    { "keypad Delete", Qt::Key_Delete, Keypad, 91, 0xff9f, 46 },
    { "keypad point", Qt::Key_Period, Keypad, 91, 0xffae, 110 },
    { "keypad decimal comma", Qt::Key_Comma, Keypad, 91, 0xffac, 110 },
    { "keypad multiply", Qt::Key_Asterisk, Keypad, 63, 0xffaa, 106 },
    { "keypad plus", Qt::Key_Plus, Keypad, 86, 0xffab, 107 },
    { "keypad minus", Qt::Key_Minus, Keypad, 82, 0xffad, 109 },
    { "keypad divide", Qt::Key_Slash, Keypad, 106, 0xffaf, 111 },
    // Function and lock keys.
    { "F1", Qt::Key_F1, None, 67, 0xffbe, 112 },
    { "F10", Qt::Key_F10, None, 76, 0xffc7, 121 },
    { "F11", Qt::Key_F11, None, 95, 0xffc8, 122 },
    { "F12", Qt::Key_F12, None, 96, 0xffc9, 123 },
    { "F13", Qt::Key_F13, None, 191, 0xffca, 124 },
    { "F24", Qt::Key_F24, None, 202, 0xffd5, 135 },
    { "Num Lock", Qt::Key_NumLock, None, 77, 0xff7f, 144 },
    { "Scroll Lock", Qt::Key_ScrollLock, None, 78, 0xff14, 145 },
    // Anything else is 0.
    { "volume mute", Qt::Key_VolumeMute, None, 121, 0x1008ff12, 0 },
    { "F25", Qt::Key_F25, None, 0, 0xffd6, 0 },
    { "the key beside left Shift", 0, None, 94, '<', 0 },
    { "keypad equals", 0, Keypad, 125, 0xffbd, 0 },
    { "Euro sign on AltGr+e", 0, None, 26, 0x20ac, 69 },
};

std::vector<TKeyRow> RowsWithQtKey()
{
    std::vector<TKeyRow> rows;
    std::copy_if(std::begin(KeyRows), std::end(KeyRows), std::back_inserter(rows),
                 [](const TKeyRow& row) { return row.QtKey != 0; });
    return rows;
}

class VirtualKeysNativeTest : public ::testing::TestWithParam<TKeyRow> { };

TEST_P(VirtualKeysNativeTest, KeyGivesUsWindowsCode)
{
    const TKeyRow& row = GetParam();
    QKeyEvent event(QEvent::KeyPress, row.QtKey ? row.QtKey : Qt::Key_unknown, row.Modifiers, row.Keycode,
                    row.Keysym, 0);
    EXPECT_EQ(VirtualKeyFromEvent(event), row.VirtualKey);
}

INSTANTIATE_TEST_SUITE_P(UsKeyboard, VirtualKeysNativeTest, ::testing::ValuesIn(KeyRows));

// Without native data (offscreen) Qt's key and the keypad flag decide.
class VirtualKeysQtTest : public ::testing::TestWithParam<TKeyRow> { };

TEST_P(VirtualKeysQtTest, QtKeyAloneGivesTheSameCode)
{
    const TKeyRow& row = GetParam();
    QKeyEvent event(QEvent::KeyPress, row.QtKey, row.Modifiers, 0, 0, 0);
    EXPECT_EQ(VirtualKeyFromEvent(event), row.VirtualKey);
}

INSTANTIATE_TEST_SUITE_P(UsKeyboard, VirtualKeysQtTest, ::testing::ValuesIn(RowsWithQtKey()));

TEST(VirtualKeysQtFallbackTest, PunctuationWithoutKeypadFlagIsTheMainKeyboardKey)
{
    EXPECT_EQ(VirtualKeyFromEvent(QKeyEvent(QEvent::KeyPress, Qt::Key_Asterisk, Qt::ShiftModifier)), '8');
    EXPECT_EQ(VirtualKeyFromEvent(QKeyEvent(QEvent::KeyPress, Qt::Key_Plus, Qt::ShiftModifier)), 187);
    EXPECT_EQ(VirtualKeyFromEvent(QKeyEvent(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier)), '5');
}

} // namespace

namespace {

// Real key events from an X server, as Qt's xcb platform delivers them: run with
// QT_QPA_PLATFORM=xcb on a display with a US layout and xdotool.
class TKeyRecorder : public QWidget {
public:
    std::vector<std::uint16_t> Codes;

protected:
    void keyPressEvent(QKeyEvent* event) override { Codes.push_back(VirtualKeyFromEvent(*event)); }
};

TEST(VirtualKeysXServerTest, KeysFromTheXServerGiveUsWindowsCodes)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        std::system("command -v xdotool >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "needs QT_QPA_PLATFORM=xcb and xdotool";
    TKeyRecorder recorder;
    recorder.setGeometry(0, 0, 200, 200);
    recorder.show();
    recorder.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&recorder));
    // Through XTest, as a keyboard types. Shift itself comes too; only the keys of interest
    // are compared.
    ASSERT_EQ(std::system("xdotool key a shift+1 Super_L KP_Home F5 bracketleft"), 0);
    const std::vector<std::uint16_t> expected { 'A', '1', VK::LWin, VK::Home, 116, VK::Oem4 };
    std::vector<std::uint16_t> seen;
    const auto allCame = [&] {
        seen.clear();
        std::copy_if(recorder.Codes.begin(), recorder.Codes.end(), std::back_inserter(seen),
                     [](std::uint16_t vk) { return vk != VK::Shift; });
        return seen.size() >= expected.size();
    };
    EXPECT_TRUE(QTest::qWaitFor(allCame, 5000));
    EXPECT_EQ(seen, expected);
}

} // namespace
