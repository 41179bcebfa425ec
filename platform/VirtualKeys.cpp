#include "platform/VirtualKeys.h"

#include <QKeyEvent>

#include <algorithm>
#include <array>
#include <span>

#include <X11/keysym.h>

namespace {

template <typename TFrom>
struct TMapping {
    TFrom From;
    std::uint16_t To;
};

template <typename TFrom>
std::uint16_t LookUp(std::span<const TMapping<TFrom>> table, TFrom from)
{
    auto it = std::find_if(table.begin(), table.end(), [from](const auto& row) { return row.From == from; });
    return it == table.end() ? 0 : it->To;
}

// XKB keycodes (evdev + 8) of the keys whose code follows their place on a US keyboard,
// whatever the layout prints on them or Shift makes of them.
constexpr TMapping<quint32> PositionKeys[] = {
    { 10, '1' }, { 11, '2' }, { 12, '3' }, { 13, '4' }, { 14, '5' },
    { 15, '6' }, { 16, '7' }, { 17, '8' }, { 18, '9' }, { 19, '0' },
    { 20, VK::OemMinus }, { 21, VK::OemPlus }, { 34, VK::Oem4 }, { 35, VK::Oem6 },
    { 47, VK::Oem1 }, { 48, VK::Oem7 }, { 49, VK::Oem3 }, { 51, VK::Oem5 },
    { 59, VK::OemComma }, { 60, VK::OemPeriod }, { 61, VK::Oem2 },
};

// Letter keys by place, used only when the layout puts no Latin letter on them (Cyrillic,
// Greek, ...), which is what a Windows keyboard layout for those scripts reports too.
constexpr TMapping<quint32> LetterPositions[] = {
    { 24, 'Q' }, { 25, 'W' }, { 26, 'E' }, { 27, 'R' }, { 28, 'T' }, { 29, 'Y' }, { 30, 'U' },
    { 31, 'I' }, { 32, 'O' }, { 33, 'P' }, { 38, 'A' }, { 39, 'S' }, { 40, 'D' }, { 41, 'F' },
    { 42, 'G' }, { 43, 'H' }, { 44, 'J' }, { 45, 'K' }, { 46, 'L' }, { 52, 'Z' }, { 53, 'X' },
    { 54, 'C' }, { 55, 'V' }, { 56, 'B' }, { 57, 'N' }, { 58, 'M' },
};

// Keysyms of the keys that print nothing, and of the keypad. The keypad's keysym already
// says whether Num Lock is on (KP_7) or off (KP_Home).
constexpr TMapping<quint32> KeysymKeys[] = {
    { XK_BackSpace, VK::Back }, { XK_Tab, VK::Tab }, { XK_ISO_Left_Tab, VK::Tab },
    { XK_Clear, VK::Clear }, { XK_Return, VK::Return }, { XK_KP_Enter, VK::Return },
    { XK_Shift_L, VK::Shift }, { XK_Shift_R, VK::Shift },
    { XK_Control_L, VK::Control }, { XK_Control_R, VK::Control },
    { XK_Alt_L, VK::Menu }, { XK_Alt_R, VK::Menu }, { XK_Meta_L, VK::Menu }, { XK_Meta_R, VK::Menu },
    { XK_ISO_Level3_Shift, VK::Menu }, { XK_Mode_switch, VK::Menu },
    { XK_Pause, VK::Pause }, { XK_Break, VK::Pause },
    { XK_Caps_Lock, VK::Capital }, { XK_Escape, VK::Escape }, { XK_space, VK::Space },
    { XK_Prior, VK::Prior }, { XK_Next, VK::Next }, { XK_End, VK::End }, { XK_Home, VK::Home },
    { XK_Left, VK::Left }, { XK_Up, VK::Up }, { XK_Right, VK::Right }, { XK_Down, VK::Down },
    { XK_Begin, VK::Clear },
    { XK_Print, VK::Snapshot }, { XK_Sys_Req, VK::Snapshot },
    { XK_Insert, VK::Insert }, { XK_Delete, VK::Delete },
    { XK_Super_L, VK::LWin }, { XK_Super_R, VK::RWin }, { XK_Menu, VK::Apps },
    { XK_KP_0, 96 }, { XK_KP_1, 97 }, { XK_KP_2, 98 }, { XK_KP_3, 99 }, { XK_KP_4, 100 },
    { XK_KP_5, 101 }, { XK_KP_6, 102 }, { XK_KP_7, 103 }, { XK_KP_8, 104 }, { XK_KP_9, 105 },
    { XK_KP_Insert, VK::Insert }, { XK_KP_End, VK::End }, { XK_KP_Down, VK::Down },
    { XK_KP_Next, VK::Next }, { XK_KP_Left, VK::Left }, { XK_KP_Begin, VK::Clear },
    { XK_KP_Right, VK::Right }, { XK_KP_Home, VK::Home }, { XK_KP_Up, VK::Up },
    { XK_KP_Prior, VK::Prior }, { XK_KP_Delete, VK::Delete },
    // Layouts with a decimal comma put KP_Separator on the keypad's point key.
    { XK_KP_Decimal, VK::Decimal }, { XK_KP_Separator, VK::Decimal },
    { XK_KP_Multiply, VK::Multiply }, { XK_KP_Add, VK::Add }, { XK_KP_Subtract, VK::Subtract },
    { XK_KP_Divide, VK::Divide },
    { XK_Num_Lock, VK::NumLock }, { XK_Scroll_Lock, VK::Scroll },
};

// Printable characters of a US keyboard by the key that types them, for keys the place
// tables do not cover (a layout that moves punctuation onto letter places).
constexpr TMapping<char32_t> CharacterKeys[] = {
    { ';', VK::Oem1 }, { ':', VK::Oem1 }, { '=', VK::OemPlus }, { '+', VK::OemPlus },
    { ',', VK::OemComma }, { '<', VK::OemComma }, { '-', VK::OemMinus }, { '_', VK::OemMinus },
    { '.', VK::OemPeriod }, { '>', VK::OemPeriod }, { '/', VK::Oem2 }, { '?', VK::Oem2 },
    { '`', VK::Oem3 }, { '~', VK::Oem3 }, { '[', VK::Oem4 }, { '{', VK::Oem4 },
    { '\\', VK::Oem5 }, { '|', VK::Oem5 }, { ']', VK::Oem6 }, { '}', VK::Oem6 },
    { '\'', VK::Oem7 }, { '"', VK::Oem7 },
    { '!', '1' }, { '@', '2' }, { '#', '3' }, { '$', '4' }, { '%', '5' },
    { '^', '6' }, { '&', '7' }, { '*', '8' }, { '(', '9' }, { ')', '0' },
};

// Without native data (offscreen, tests) Qt's key code is all there is. The keypad keys
// carry Qt::KeypadModifier; Super and Shift cannot be told left from right except Super.
constexpr TMapping<int> QtKeys[] = {
    { Qt::Key_Backspace, VK::Back }, { Qt::Key_Tab, VK::Tab }, { Qt::Key_Backtab, VK::Tab },
    { Qt::Key_Clear, VK::Clear }, { Qt::Key_Return, VK::Return }, { Qt::Key_Enter, VK::Return },
    { Qt::Key_Shift, VK::Shift }, { Qt::Key_Control, VK::Control },
    { Qt::Key_Alt, VK::Menu }, { Qt::Key_AltGr, VK::Menu }, { Qt::Key_Meta, VK::Menu },
    { Qt::Key_Pause, VK::Pause }, { Qt::Key_CapsLock, VK::Capital }, { Qt::Key_Escape, VK::Escape },
    { Qt::Key_Space, VK::Space }, { Qt::Key_PageUp, VK::Prior }, { Qt::Key_PageDown, VK::Next },
    { Qt::Key_End, VK::End }, { Qt::Key_Home, VK::Home }, { Qt::Key_Left, VK::Left },
    { Qt::Key_Up, VK::Up }, { Qt::Key_Right, VK::Right }, { Qt::Key_Down, VK::Down },
    { Qt::Key_Print, VK::Snapshot }, { Qt::Key_SysReq, VK::Snapshot },
    { Qt::Key_Insert, VK::Insert }, { Qt::Key_Delete, VK::Delete },
    { Qt::Key_Super_L, VK::LWin }, { Qt::Key_Super_R, VK::RWin }, { Qt::Key_Menu, VK::Apps },
    { Qt::Key_NumLock, VK::NumLock }, { Qt::Key_ScrollLock, VK::Scroll },
};

constexpr TMapping<int> QtKeypadKeys[] = {
    { Qt::Key_Asterisk, VK::Multiply }, { Qt::Key_Plus, VK::Add }, { Qt::Key_Minus, VK::Subtract },
    { Qt::Key_Period, VK::Decimal }, { Qt::Key_Comma, VK::Decimal }, { Qt::Key_Slash, VK::Divide },
};

std::uint16_t LetterOrDigit(char32_t c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<std::uint16_t>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return static_cast<std::uint16_t>(c);
    return 0;
}

std::uint16_t FromNative(quint32 keysym, quint32 keycode)
{
    // Latin-1 keysyms are the characters themselves.
    if (keysym < 0x100 && LetterOrDigit(keysym) >= 'A')
        return LetterOrDigit(keysym);
    if (auto vk = LookUp<quint32>(PositionKeys, keycode))
        return vk;
    if (auto vk = LookUp<quint32>(KeysymKeys, keysym))
        return vk;
    if (keysym >= XK_F1 && keysym <= XK_F24)
        return static_cast<std::uint16_t>(VK::F1 + (keysym - XK_F1));
    const auto letterPlace = LookUp<quint32>(LetterPositions, keycode);
    // Punctuation a layout puts on a letter's place (the comma where US has M) goes by the
    // character; keys a US keyboard lacks (the one beside left Shift) are unknown.
    if (keysym < 0x100 && (letterPlace != 0 || keycode == 0)) {
        if (auto vk = LetterOrDigit(keysym))
            return vk;
        if (auto vk = LookUp<char32_t>(CharacterKeys, keysym))
            return vk;
    }
    return letterPlace;
}

std::uint16_t FromQtKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::uint16_t>(VK::Numpad0 + (key - Qt::Key_0));
    if (keypad) {
        if (auto vk = LookUp<int>(QtKeypadKeys, key))
            return vk;
    }
    if (auto vk = LookUp<int>(QtKeys, key))
        return vk;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::uint16_t>(VK::F1 + (key - Qt::Key_F1));
    // Qt's codes for printable keys are the upper-case Latin-1 characters.
    if (key < 0x80) {
        if (auto vk = LetterOrDigit(static_cast<char32_t>(key)))
            return vk;
        return LookUp<char32_t>(CharacterKeys, static_cast<char32_t>(key));
    }
    return 0;
}

} // namespace

std::uint16_t VirtualKeyFromEvent(const QKeyEvent& event)
{
    if (event.nativeVirtualKey() != 0 || event.nativeScanCode() != 0)
        return FromNative(event.nativeVirtualKey(), event.nativeScanCode());
    return FromQtKey(event.key(), event.modifiers());
}
