#pragma once

#include <cstdint>

// The parts of the PE format that the module reader and the module writer both name.

constexpr std::uint16_t PE32Magic = 0x10B;
constexpr std::uint16_t PE32PlusMagic = 0x20B;
// The resource table's place among the optional header's data directories.
constexpr std::uint32_t ResourceDirectoryIndex = 2;

// A resource directory: a 16-byte header, then 8-byte entries; a data entry has 16 bytes.
constexpr std::uint32_t DirectoryHeaderSize = 16;
constexpr std::uint32_t DirectoryEntrySize = 8;
constexpr std::uint32_t DataEntrySize = 16;
// Set in an entry's first field for a name (not a number), in its second for a subdirectory
// (not data).
constexpr std::uint32_t HighBit = 0x80000000u;
