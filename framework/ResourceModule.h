#pragma once

#include "framework/Stream.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

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

// Opens a module file; a bare name resolves against the current directory. A file that is
// missing, truncated or not a valid PE with resources gives 0.
TModuleHandle LoadLibraryA(const std::string& fileName);
// Releases a module opened by LoadLibraryA; 0 is ignored.
void FreeLibrary(TModuleHandle module);

// The bytes of the named resource (names and string types compare case-insensitively; the
// first language is taken), or nothing when the module has no such resource or is 0.
std::optional<std::span<const std::byte>> FindResourceData(TModuleHandle module, const TResourceType& type,
                                                           std::string_view name);

// A read-only stream over a module's resource. Raises EResNotFound "Resource %s not found"
// when the resource is missing or the handle is 0.
class TResourceStream : public TCustomMemoryStream {
public:
    TResourceStream(TModuleHandle module, const std::string& name, const TResourceType& type);
};
