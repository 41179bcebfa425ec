#include "familycontent/PackKeys.h"

#include <array>
#include <cctype>
#include <vector>

namespace {

struct TKeyNames {
    const char* Caption;
    std::vector<const char*> Names; // friendly names besides the caption, lower case
};

// Entries 1..88 in order. Letters and digits are found by their caption alone.
const std::array<TKeyNames, 88>& KeyNames()
{
    static const std::array<TKeyNames, 88> names { {
        { "A", {} }, { "B", {} }, { "C", {} }, { "D", {} }, { "E", {} }, { "F", {} }, { "G", {} },
        { "H", {} }, { "I", {} }, { "J", {} }, { "K", {} }, { "L", {} }, { "M", {} }, { "N", {} },
        { "O", {} }, { "P", {} }, { "Q", {} }, { "R", {} }, { "S", {} }, { "T", {} }, { "U", {} },
        { "V", {} }, { "W", {} }, { "X", {} }, { "Y", {} }, { "Z", {} },
        { "0", {} }, { "1", {} }, { "2", {} }, { "3", {} }, { "4", {} },
        { "5", {} }, { "6", {} }, { "7", {} }, { "8", {} }, { "9", {} },
        { ";", { "semicolon" } },
        { "=", { "equals", "equal" } },
        { ",", { "comma" } },
        { "-", { "minus", "dash", "hyphen" } },
        { ".", { "period", "dot", "full-stop" } },
        { "/", { "slash" } },
        { "`", { "backtick", "grave" } },
        { "[", { "left-bracket", "open-bracket" } },
        { "\\", { "backslash" } },
        { "]", { "right-bracket", "close-bracket" } },
        { "'", { "quote", "apostrophe" } },
        { "Backspace", {} },
        { "Tab", {} },
        { "Enter", { "return" } },
        { "Shift", {} },
        { "Ctrl", { "control" } },
        { "Alt", {} },
        { "Pause", { "break" } },
        { "Caps Lock", { "capslock", "caps" } },
        { "Esc", { "escape" } },
        { "Space", { "spacebar", "other" } },
        { "Windows", { "win", "super" } },
        { "Menu", { "applications", "apps" } },
        { "Num Lock", { "numlock" } },
        { "Scroll Lock", { "scrolllock" } },
        { "F1", {} }, { "F2", {} }, { "F3", {} }, { "F4", {} }, { "F5", {} }, { "F6", {} },
        { "F7", {} }, { "F8", {} }, { "F9", {} }, { "F10", {} }, { "F11", {} }, { "F12", {} },
        { "Clear", { "kp-5", "keypad-5" } },
        { "Page Up", { "pageup", "pgup", "kp-9", "keypad-9" } },
        { "Page Down", { "pagedown", "pgdn", "kp-3", "keypad-3" } },
        { "End", { "kp-1", "keypad-1" } },
        { "Home", { "kp-7", "keypad-7" } },
        { "Left", { "kp-4", "keypad-4" } },
        { "Up", { "kp-8", "keypad-8" } },
        { "Right", { "kp-6", "keypad-6" } },
        { "Down", { "kp-2", "keypad-2" } },
        { "Insert", { "ins", "kp-0", "keypad-0" } },
        { "Delete", { "del", "kp-dot", "keypad-dot" } },
        { "*", { "kp-star", "keypad-star", "multiply", "asterisk", "star" } },
        { "+", { "kp-plus", "keypad-plus", "plus" } },
        { "-", { "kp-minus", "keypad-minus" } },
        { "/", { "kp-slash", "keypad-slash", "divide" } },
    } };
    return names;
}

// Lower case, blanks and underscores as '-'.
std::string Normalize(std::string_view text)
{
    std::string out;
    for (const char c : text)
        out += (c == ' ' || c == '_') ? '-' : char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

int ExactKey(const std::string& name)
{
    if (name.empty())
        return 0;
    const auto& table = KeyNames();
    // Friendly names first: "kp-minus" must not fall to the caption "-" of the main key.
    for (int i = 0; i < 88; ++i)
        for (const char* friendly : table[std::size_t(i)].Names)
            if (name == friendly)
                return i + 1;
    for (int i = 0; i < 88; ++i)
        if (name == Normalize(table[std::size_t(i)].Caption))
            return i + 1; // the first of two equal captions: the main keyboard's
    return 0;
}

} // namespace

int PackKeyOfName(std::string_view baseName)
{
    const std::string name = Normalize(baseName);
    if (const int key = ExactKey(name))
        return key;
    for (std::size_t dash = name.find('-'); dash != std::string::npos; dash = name.find('-', dash + 1))
        if (const int key = ExactKey(name.substr(dash + 1)))
            return key;
    return 0;
}

const char* PackDefaultCaption(int entry)
{
    return entry >= 1 && entry <= 88 ? KeyNames()[std::size_t(entry - 1)].Caption : "";
}

std::string PackSpokenText(int entry, const std::string& caption)
{
    return entry >= 85 && entry <= 88 ? "Num " + caption : caption;
}

std::string PackNameList()
{
    std::string text = "  1-26   a ... z (the letter)\n  27-36  0 ... 9 (the digit)\n";
    const auto& table = KeyNames();
    for (int i = 36; i < 88; ++i) {
        std::string line = "  " + std::to_string(i + 1) + "     ";
        const std::string caption = Normalize(table[std::size_t(i)].Caption);
        bool first = true;
        // "/" cannot be a file name, and a lone "-" is the main keyboard's minus
        if (caption != "/" && i + 1 != 87) {
            line += caption;
            first = false;
        }
        for (const char* friendly : table[std::size_t(i)].Names) {
            line += first ? "" : ", ";
            line += friendly;
            first = false;
        }
        text += line + "\n";
    }
    return text;
}
