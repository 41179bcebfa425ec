#pragma once

#include <cstdint>

class QKeyEvent;

// Windows virtual-key codes the key table is built on; the translation below produces exactly
// these, as a US Windows keyboard would.
namespace VK {
constexpr std::uint16_t Back = 8;
constexpr std::uint16_t Tab = 9;
constexpr std::uint16_t Clear = 12;
constexpr std::uint16_t Return = 13;
constexpr std::uint16_t Shift = 16;
constexpr std::uint16_t Control = 17;
constexpr std::uint16_t Menu = 18; // Alt
constexpr std::uint16_t Pause = 19;
constexpr std::uint16_t Capital = 20;
constexpr std::uint16_t Escape = 27;
constexpr std::uint16_t Space = 32;
constexpr std::uint16_t Prior = 33;
constexpr std::uint16_t Next = 34;
constexpr std::uint16_t End = 35;
constexpr std::uint16_t Home = 36;
constexpr std::uint16_t Left = 37;
constexpr std::uint16_t Up = 38;
constexpr std::uint16_t Right = 39;
constexpr std::uint16_t Down = 40;
constexpr std::uint16_t Snapshot = 44;
constexpr std::uint16_t Insert = 45;
constexpr std::uint16_t Delete = 46;
constexpr std::uint16_t LWin = 91;
constexpr std::uint16_t RWin = 92;
constexpr std::uint16_t Apps = 93;
constexpr std::uint16_t Numpad0 = 96;
constexpr std::uint16_t Multiply = 106;
constexpr std::uint16_t Add = 107;
constexpr std::uint16_t Subtract = 109;
constexpr std::uint16_t Decimal = 110;
constexpr std::uint16_t Divide = 111;
constexpr std::uint16_t F1 = 112;
constexpr std::uint16_t F24 = 135;
constexpr std::uint16_t NumLock = 144;
constexpr std::uint16_t Scroll = 145;
constexpr std::uint16_t Oem1 = 186;      // ; on a US keyboard
constexpr std::uint16_t OemPlus = 187;   // =
constexpr std::uint16_t OemComma = 188;  // ,
constexpr std::uint16_t OemMinus = 189;  // -
constexpr std::uint16_t OemPeriod = 190; // .
constexpr std::uint16_t Oem2 = 191;      // /
constexpr std::uint16_t Oem3 = 192;      // `
constexpr std::uint16_t Oem4 = 219;      // [
constexpr std::uint16_t Oem5 = 220;      // backslash
constexpr std::uint16_t Oem6 = 221;      // ]
constexpr std::uint16_t Oem7 = 222;      // '
}

// The virtual-key code of a key event: letters by the layout's letter, the digit row and the
// punctuation keys by their place on a US keyboard, keypad digits only with Num Lock on;
// 0 for a key the table does not know. Uses the event's X keysym and keycode when it has
// them (XKB keycodes, evdev + 8) and falls back to Qt's key code otherwise.
std::uint16_t VirtualKeyFromEvent(const QKeyEvent& event);
