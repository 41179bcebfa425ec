#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Writes Windows resource-only libraries: a PE image with a DOS stub, no code, and one
// .rsrc section holding the resource directory (type -> name -> language) and the data.
// The result loads on the Windows platform as a data library and reads back in our own
// module reader.

// A type or name of a resource: a number (1..65535), or a text when Name is not empty.
struct TPEResourceId {
    std::uint16_t Id { 0 };
    std::string Name; // UTF-8

    bool IsName() const { return !Name.empty(); }
    static TPEResourceId Number(std::uint16_t id) { return { id, {} }; }
    static TPEResourceId Text(std::string name) { return { 0, std::move(name) }; }
};

constexpr std::uint16_t PELanguageEnglishUS = 0x409;

struct TPEResource {
    TPEResourceId Type;
    TPEResourceId Name;
    std::uint16_t Language { PELanguageEnglishUS };
    std::vector<std::byte> Data;
};

enum class TPEFormat {
    PE32,     // 32-bit image (machine i386)
    PE32Plus, // 64-bit image (machine x86-64)
};

// Raised for resources that cannot go into one image: a duplicate type/name/language, an
// empty or over-long name, a number 0, or more data than a section can hold.
class EPEWriteError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The image bytes of a resource-only library holding `resources`. Names are stored in
// upper case (ASCII letters), as the platform's resource compiler stores them, and sorted as
// the platform's look-up expects: named entries first in case-insensitive order, then
// numbered entries in ascending order.
std::vector<std::byte> BuildResourceLibrary(const std::vector<TPEResource>& resources,
                                            TPEFormat format = TPEFormat::PE32Plus);
