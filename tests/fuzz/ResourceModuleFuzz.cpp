// Feeds arbitrary bytes to the content-module reader: loading must give 0 or a module whose
// every listed resource lies inside the input, and look-ups must not read outside it.
//
// An input whose first byte is odd is read as patches to a valid module built by our writer
// (so short runs reach deep into the resource directory); any other input is the file itself.
#include "resmodule/PEWriter.h"
#include "resmodule/ResourceModule.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::byte> Bytes(std::string_view text)
{
    const auto* begin = reinterpret_cast<const std::byte*>(text.data());
    return { begin, begin + text.size() };
}

const std::vector<std::byte>& Template(TPEFormat format)
{
    auto build = [](TPEFormat f) {
        return BuildResourceLibrary({ { TPEResourceId::Text("WAVE"), TPEResourceId::Text("SOUND_1"), 0x409, Bytes("RIFF") },
                                      { TPEResourceId::Text("WAVE"), TPEResourceId::Text("SOUND_2"), 0x409, Bytes("RIFF2") },
                                      { TPEResourceId::Number(10), TPEResourceId::Text("PICTURE_1"), 0x409, Bytes("GIF89a") },
                                      { TPEResourceId::Number(10), TPEResourceId::Number(7), 0x407, Bytes("seven") },
                                      { TPEResourceId::Number(10), TPEResourceId::Number(7), 0x409, Bytes("sieben") } },
                                    f);
    };
    static const std::vector<std::byte> pe32 = build(TPEFormat::PE32);
    static const std::vector<std::byte> pe32Plus = build(TPEFormat::PE32Plus);
    return format == TPEFormat::PE32 ? pe32 : pe32Plus;
}

std::vector<std::byte> Input(const std::uint8_t* data, std::size_t size)
{
    const auto* begin = reinterpret_cast<const std::byte*>(data);
    if (size == 0 || data[0] % 2 == 0)
        return { begin, begin + size };
    std::vector<std::byte> image = Template(data[0] & 2 ? TPEFormat::PE32 : TPEFormat::PE32Plus);
    std::size_t i = 1;
    if (size >= 3) {
        const std::size_t cut = data[1] | (std::size_t(data[2]) << 8);
        if ((data[0] & 4) && cut < image.size())
            image.resize(cut);
        i = 3;
    }
    for (; i + 3 <= size && !image.empty(); i += 3) {
        const std::size_t offset = data[i] | (std::size_t(data[i + 1]) << 8);
        image[offset % image.size()] = std::byte(data[i + 2]);
    }
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::byte> bytes = Input(data, size);
    const TModuleHandle module = LoadModuleFromMemory(bytes);
    if (module == 0)
        return 0;
    for (const TResourceInfo& info : EnumResources(module)) {
        if (info.Data.size() > bytes.size())
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
    (void)FindResourceData(module, TResourceType::Numeric(RT_RCDATA), "#7");
    FreeLibrary(module);
    return 0;
}
