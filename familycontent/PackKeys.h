#pragma once

#include <string>
#include <string_view>

// The names under which `kdmodule pack` finds a key's files: the key's caption or a friendly
// name, compared without regard to case, blanks and underscores counting as '-'. A name
// that is not a key may carry a label in front ("dog-d" is the key D): the part after each
// '-' is tried in turn, longest first.

// The key-table entry (1..88) a file's base name (without extension) stands for, or 0.
int PackKeyOfName(std::string_view baseName);

// The caption Kedoozle ships for entry 1..88 ("A", "7", "Enter", "F5", "-" ...).
const char* PackDefaultCaption(int entry);

// What is spoken for an entry whose caption is `caption`: the caption itself, with the
// keypad keys (85..88) told apart from their main-keyboard twins.
std::string PackSpokenText(int entry, const std::string& caption);

// The accepted names, one key a line, for the help text.
std::string PackNameList();
