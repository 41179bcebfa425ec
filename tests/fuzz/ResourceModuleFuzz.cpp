// Feeds arbitrary bytes to the content-module reader: loading must give 0 or a module whose
// every listed resource lies inside the input, and look-ups must not read outside it.
#include "framework/ResourceModule.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto* begin = reinterpret_cast<const std::byte*>(data);
    std::vector<std::byte> bytes(begin, begin + size);
    const TModuleHandle module = LoadModuleFromMemory(bytes);
    if (module == 0)
        return 0;
    for (const TResourceInfo& info : EnumResources(module)) {
        if (info.Data.size() > size)
            std::abort();
        // Reading every byte lets the address sanitizer check the span.
        unsigned sum = 0;
        for (std::byte b : info.Data)
            sum += std::to_integer<unsigned>(b);
        (void)sum;
        const std::string name = info.Name.empty() ? "#" + std::to_string(info.NameId) : info.Name;
        auto found = FindResourceData(module, info.Type, name);
        // Every listed resource can be looked up, except text names that read as numbers
        // ("#12" asks for number 12) and the type number 0, which no look-up asks for.
        const bool askable = !name.empty() && (info.Name.empty() || info.Name[0] != '#') &&
                             (info.Type.Id != 0 || (!info.Type.Name.empty() && info.Type.Name[0] != '#'));
        if (askable && !found)
            std::abort();
    }
    (void)FindResourceData(module, TResourceType::Named("WAVE"), "SOUND_1");
    (void)FindResourceData(module, TResourceType::Numeric(RT_RCDATA), "#1");
    FreeLibrary(module);
    return 0;
}
