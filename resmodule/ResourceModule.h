#pragma once

#include "base/Stream.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Content modules: Windows PE resource-only libraries (PE32 or PE32+), read by our own
// reader. A handle is 0 for "no module".
using TModuleHandle = std::uintptr_t;

// A resource type: a number (10 is raw data, RT_RCDATA) or a name such as "WAVE".
struct TResourceType {
    int Id { 0 };
    std::string Name;

    static TResourceType Numeric(int id) { return { id, {} }; }
    static TResourceType Named(std::string name) { return { 0, std::move(name) }; }
};
constexpr int RT_RCDATA = 10;

// Opens a module file; a bare name resolves against the current directory. As the platform's
// loader does, a name without an extension also finds NAME.dll, and backslashes are read as
// folder separators. A file that is missing, truncated or not a valid PE with resources
// gives 0. Each call gives a handle of its own.
TModuleHandle LoadLibraryA(const std::string& fileName);
// Opens a module from bytes already in memory (the module keeps them); 0 when they are not a
// valid PE with resources. Used by tools and by the fuzzer.
TModuleHandle LoadModuleFromMemory(std::vector<std::byte> bytes);
// Releases a module opened by LoadLibraryA or LoadModuleFromMemory; 0 and unknown handles
// are ignored. Spans obtained from the module are invalid afterwards.
void FreeLibrary(TModuleHandle module);

// The bytes of the named resource (names and string types compare case-insensitively; the
// first language is taken), or nothing when the module has no such resource or is 0.
std::optional<std::span<const std::byte>> FindResourceData(TModuleHandle module, const TResourceType& type,
                                                           std::string_view name);

// One resource of a module, as listed by EnumResources. A name is either a number (NameId,
// with Name empty) or a text.
struct TResourceInfo {
    TResourceType Type;
    int NameId { 0 };
    std::string Name;
    std::uint16_t Language { 0 };
    std::span<const std::byte> Data;
};
// Every resource of the module in directory order, each language of a name listed; empty for
// handle 0.
std::vector<TResourceInfo> EnumResources(TModuleHandle module);

// A read-only stream over a module's resource. Raises EResNotFound "Resource %s not found"
// when the resource is missing or the handle is 0.
class TResourceStream : public TCustomMemoryStream {
public:
    TResourceStream(TModuleHandle module, const std::string& name, const TResourceType& type);
};
