#include "resmodule/PEWriter.h"

#include "base/ByteWriter.h"
#include "resmodule/PEFormat.h"

#include <algorithm>
#include <map>

namespace {

constexpr std::uint32_t FileAlignment = 0x200;
constexpr std::uint32_t SectionAlignment = 0x1000;
constexpr std::uint32_t ResourceRva = SectionAlignment;
constexpr std::uint32_t PEHeaderOffset = 0x80;
constexpr std::uint32_t CoffHeaderSize = 20;
constexpr std::uint32_t SectionHeaderSize = 40;
// Keeps every offset of the section well inside the 31 bits a directory entry can hold.
constexpr std::uint64_t MaxSectionSize = 0x70000000u;

// The classic real-mode stub: prints a line and exits when the file is started under DOS.
constexpr std::uint8_t DosStubCode[] = { 0x0E, 0x1F, 0xBA, 0x0E, 0x00, 0xB4, 0x09, 0xCD,
                                         0x21, 0xB8, 0x01, 0x4C, 0xCD, 0x21 };
constexpr char DosStubText[] = "This program cannot be run in DOS mode.\r\r\n$";

std::uint64_t AlignUp(std::uint64_t value, std::uint64_t alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

// UTF-8 to UTF-16 with ASCII letters upper-cased; malformed UTF-8 is refused.
std::u16string ResourceNameUnits(const std::string& name)
{
    std::u16string out;
    for (std::size_t i = 0; i < name.size();) {
        const auto lead = std::uint8_t(name[i]);
        std::uint32_t cp = 0;
        std::size_t extra = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = lead & 0x1F;
            extra = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0F;
            extra = 2;
        } else if ((lead & 0xF8) == 0xF0) {
            cp = lead & 0x07;
            extra = 3;
        } else {
            throw EPEWriteError("resource name \"" + name + "\" is not valid UTF-8");
        }
        if (name.size() - i <= extra)
            throw EPEWriteError("resource name \"" + name + "\" is not valid UTF-8");
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = std::uint8_t(name[i + k]);
            if ((next & 0xC0) != 0x80)
                throw EPEWriteError("resource name \"" + name + "\" is not valid UTF-8");
            cp = (cp << 6) | (next & 0x3F);
        }
        i += extra + 1;
        if (cp >= 'a' && cp <= 'z')
            cp = cp - 'a' + 'A';
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += char16_t(0xD800 + (cp >> 10));
            out += char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            out += char16_t(cp);
        }
    }
    if (out.empty() || out.size() > 0xFFFF)
        throw EPEWriteError("resource name \"" + name + "\" must have 1 to 65535 characters");
    return out;
}

// An entry key ordered as the look-up expects: names (upper-cased) first, then numbers.
struct TKey {
    bool IsName { false };
    std::uint16_t Id { 0 };
    std::u16string Name;

    bool operator<(const TKey& other) const
    {
        if (IsName != other.IsName)
            return IsName;
        if (IsName)
            return Name < other.Name;
        return Id < other.Id;
    }
};

TKey MakeKey(const TPEResourceId& id, const char* what)
{
    if (id.IsName())
        return { true, 0, ResourceNameUnits(id.Name) };
    if (id.Id == 0)
        throw EPEWriteError(std::string("resource ") + what + " 0 is not allowed");
    return { false, id.Id, {} };
}

std::string DescribeId(const TPEResourceId& id)
{
    return id.IsName() ? id.Name : std::to_string(id.Id);
}

using TLanguages = std::map<std::uint16_t, const std::vector<std::byte>*>;
using TNames = std::map<TKey, TLanguages>;
using TTypes = std::map<TKey, TNames>;

// Lays out and writes the .rsrc section: all directory tables (root, then each type's, then
// each name's), the data entries, the name strings, then the data, each item 8-aligned.
class TResourceSectionWriter {
public:
    explicit TResourceSectionWriter(const TTypes& types)
        : m_types(types)
    {
    }

    std::vector<std::byte> Write()
    {
        Layout();
        TByteWriter out(static_cast<std::size_t>(m_size));
        std::uint32_t dirCursor = 0;
        std::uint32_t nextTypeDir = TableSize(m_types.size());
        WriteDirectoryHeader(out, dirCursor, m_types);
        std::uint32_t nextNameDir = nextTypeDir;
        for (const auto& [type, names] : m_types)
            nextNameDir += TableSize(names.size());
        std::uint32_t nextDataEntry = m_dataEntriesOffset;
        std::size_t dataIndex = 0;

        std::uint32_t typeEntry = dirCursor + DirectoryHeaderSize;
        for (const auto& [type, names] : m_types) {
            out.U32At(typeEntry, KeyField(type));
            out.U32At(typeEntry + 4, HighBit | nextTypeDir);
            typeEntry += DirectoryEntrySize;

            WriteDirectoryHeader(out, nextTypeDir, names);
            std::uint32_t nameEntry = nextTypeDir + DirectoryHeaderSize;
            nextTypeDir += TableSize(names.size());
            for (const auto& [name, languages] : names) {
                out.U32At(nameEntry, KeyField(name));
                out.U32At(nameEntry + 4, HighBit | nextNameDir);
                nameEntry += DirectoryEntrySize;

                out.U32At(nextNameDir + 12, 0);
                out.U16At(nextNameDir + 14, std::uint16_t(languages.size()));
                std::uint32_t languageEntry = nextNameDir + DirectoryHeaderSize;
                nextNameDir += TableSize(languages.size());
                for (const auto& [language, data] : languages) {
                    out.U32At(languageEntry, language);
                    out.U32At(languageEntry + 4, nextDataEntry);
                    languageEntry += DirectoryEntrySize;

                    const std::uint32_t dataOffset = m_dataOffsets[dataIndex++];
                    out.U32At(nextDataEntry, ResourceRva + dataOffset);
                    out.U32At(nextDataEntry + 4, std::uint32_t(data->size()));
                    nextDataEntry += DataEntrySize;
                    out.BytesAt(dataOffset, data->data(), data->size());
                }
            }
        }
        for (const auto& [units, offset] : m_stringOffsets) {
            out.U16At(offset, std::uint16_t(units.size()));
            for (std::size_t i = 0; i < units.size(); ++i)
                out.U16At(offset + 2 + i * 2, units[i]);
        }
        return out.Take();
    }

private:
    static std::uint32_t TableSize(std::size_t entries)
    {
        return DirectoryHeaderSize + std::uint32_t(entries) * DirectoryEntrySize;
    }

    template<typename Map>
    static void WriteDirectoryHeader(TByteWriter& out, std::uint32_t at, const Map& entries)
    {
        std::uint16_t named = 0;
        for (const auto& entry : entries)
            named += entry.first.IsName ? 1 : 0;
        out.U16At(at + 12, named);
        out.U16At(at + 14, std::uint16_t(entries.size() - named));
    }

    std::uint32_t KeyField(const TKey& key) const
    {
        if (!key.IsName)
            return key.Id;
        return HighBit | m_stringOffsets.at(key.Name);
    }

    void Layout()
    {
        std::uint64_t size = TableSize(m_types.size());
        std::uint64_t dataEntries = 0;
        for (const auto& [type, names] : m_types) {
            size += TableSize(names.size());
            if (type.IsName)
                m_stringOffsets.emplace(type.Name, 0);
            for (const auto& [name, languages] : names) {
                size += TableSize(languages.size());
                dataEntries += languages.size();
                if (name.IsName)
                    m_stringOffsets.emplace(name.Name, 0);
            }
        }
        m_dataEntriesOffset = std::uint32_t(size);
        size += dataEntries * DataEntrySize;
        for (auto& [units, offset] : m_stringOffsets) {
            offset = std::uint32_t(size);
            size += 2 + units.size() * 2;
            if (size > MaxSectionSize)
                throw EPEWriteError("resource names too long for one module");
        }
        for (const auto& [type, names] : m_types) {
            for (const auto& [name, languages] : names) {
                for (const auto& [language, data] : languages) {
                    size = AlignUp(size, 8);
                    m_dataOffsets.push_back(std::uint32_t(size));
                    size += data->size();
                    if (size > MaxSectionSize)
                        throw EPEWriteError("resources too large for one module");
                }
            }
        }
        m_size = size;
    }

    const TTypes& m_types;
    std::map<std::u16string, std::uint32_t> m_stringOffsets;
    std::vector<std::uint32_t> m_dataOffsets;
    std::uint32_t m_dataEntriesOffset { 0 };
    std::uint64_t m_size { 0 };
};

// The image checksum the platform's loader verifies for drivers: a 16-bit one's-complement
// style sum of the file with the checksum field taken as zero, plus the file length.
std::uint32_t ImageChecksum(const std::vector<std::byte>& image, std::size_t checksumOffset)
{
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < image.size(); i += 2) {
        if (i >= checksumOffset && i < checksumOffset + 4)
            continue;
        std::uint32_t word = std::uint8_t(image[i]);
        if (i + 1 < image.size())
            word |= std::uint32_t(std::uint8_t(image[i + 1])) << 8;
        sum += word;
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return std::uint32_t(sum + image.size());
}

// Where the parts of an image stand and how large they are.
struct TImageLayout {
    bool Plus { false }; // PE32+
    std::uint32_t OptionalSize { 0 };
    std::uint32_t Coff { 0 };
    std::uint32_t Optional { 0 };
    std::uint32_t SectionTable { 0 };
    std::uint32_t HeadersSize { 0 };
    std::uint32_t SectionSize { 0 };
    std::uint32_t RawSize { 0 };
    std::uint32_t ImageSize { 0 };
};

TImageLayout LayOutImage(TPEFormat format, std::size_t sectionSize)
{
    TImageLayout l;
    l.Plus = format == TPEFormat::PE32Plus;
    l.OptionalSize = l.Plus ? 240 : 224;
    l.Coff = PEHeaderOffset + 4;
    l.Optional = l.Coff + CoffHeaderSize;
    l.SectionTable = l.Optional + l.OptionalSize;
    l.HeadersSize = std::uint32_t(AlignUp(l.SectionTable + SectionHeaderSize, FileAlignment));
    l.SectionSize = std::uint32_t(sectionSize);
    l.RawSize = std::uint32_t(AlignUp(sectionSize, FileAlignment));
    l.ImageSize = std::uint32_t(ResourceRva + AlignUp(std::max<std::size_t>(sectionSize, 1), SectionAlignment));
    return l;
}

// The types, names and languages of `resources`; raises on a duplicate, a bad id, or more
// entries than a directory can count (16 bits).
TTypes SortResources(const std::vector<TPEResource>& resources)
{
    TTypes types;
    for (const TPEResource& resource : resources) {
        TLanguages& languages = types[MakeKey(resource.Type, "type")][MakeKey(resource.Name, "name")];
        if (!languages.emplace(resource.Language, &resource.Data).second)
            throw EPEWriteError("duplicate resource " + DescribeId(resource.Type) + ":" + DescribeId(resource.Name));
    }
    bool fits = types.size() <= 0xFFFF;
    for (const auto& [type, names] : types) {
        fits = fits && names.size() <= 0xFFFF;
        for (const auto& [name, languages] : names)
            fits = fits && languages.size() <= 0xFFFF;
    }
    if (!fits)
        throw EPEWriteError("too many resources for one module");
    return types;
}

// DOS header: "MZ", the usual stub header values, and the offset of the PE header.
void WriteDosHeader(TByteWriter& out)
{
    out.U16At(0x00, 0x5A4D);
    out.U16At(0x02, 0x90); // bytes in the last page
    out.U16At(0x04, 3);    // pages
    out.U16At(0x08, 4);    // header paragraphs
    out.U16At(0x0C, 0xFFFF);
    out.U16At(0x10, 0xB8); // initial SP
    out.U16At(0x18, 0x40); // relocation table offset
    out.U32At(0x3C, PEHeaderOffset);
    out.BytesAt(0x40, DosStubCode, sizeof DosStubCode);
    out.BytesAt(0x40 + sizeof DosStubCode, DosStubText, sizeof DosStubText - 1);
}

void WriteCoffHeader(TByteWriter& out, const TImageLayout& l)
{
    out.U32At(PEHeaderOffset, 0x00004550); // "PE\0\0"
    out.U16At(l.Coff + 0, l.Plus ? 0x8664 : 0x014C);
    out.U16At(l.Coff + 2, 1); // one section
    out.U16At(l.Coff + 16, std::uint16_t(l.OptionalSize));
    // Executable image, a library, no line numbers, symbols or debug data; 32-bit machine
    // for PE32, large-address-aware for PE32+. Having no code, it needs no relocations.
    std::uint16_t characteristics = 0x0002 | 0x2000 | 0x0004 | 0x0008 | 0x0200;
    characteristics |= l.Plus ? 0x0020 : 0x0100;
    out.U16At(l.Coff + 18, characteristics);
}

// The optional header but for its checksum, which is taken over the finished image.
void WriteOptionalHeader(TByteWriter& out, const TImageLayout& l)
{
    const bool plus = l.Plus;
    const std::uint32_t optional = l.Optional;
    out.U16At(optional + 0, plus ? PE32PlusMagic : PE32Magic);
    out.U8At(optional + 2, 2);          // linker version 2.0
    out.U32At(optional + 8, l.RawSize); // initialised data
    if (plus) {
        out.U64At(optional + 24, 0x180000000ull);
    } else {
        out.U32At(optional + 24, ResourceRva); // base of data
        out.U32At(optional + 28, 0x10000000u);
    }
    out.U32At(optional + 32, SectionAlignment);
    out.U32At(optional + 36, FileAlignment);
    out.U16At(optional + 40, plus ? 5 : 4); // operating system version
    out.U16At(optional + 42, plus ? 2 : 0);
    out.U16At(optional + 48, plus ? 5 : 4); // subsystem version
    out.U16At(optional + 50, plus ? 2 : 0);
    out.U32At(optional + 56, l.ImageSize);
    out.U32At(optional + 60, l.HeadersSize);
    out.U16At(optional + 68, 2);      // Windows GUI subsystem
    out.U16At(optional + 70, 0x0100); // NX compatible
    const std::uint32_t sizes = optional + 72;
    if (plus) {
        out.U64At(sizes + 0, 0x100000);
        out.U64At(sizes + 8, 0x1000);
        out.U64At(sizes + 16, 0x100000);
        out.U64At(sizes + 24, 0x1000);
    } else {
        out.U32At(sizes + 0, 0x100000);
        out.U32At(sizes + 4, 0x1000);
        out.U32At(sizes + 8, 0x100000);
        out.U32At(sizes + 12, 0x1000);
    }
    const std::uint32_t countField = plus ? optional + 108 : optional + 92;
    out.U32At(countField, 16);
    const std::uint32_t resourceDirectory = countField + 4 + ResourceDirectoryIndex * 8;
    out.U32At(resourceDirectory, ResourceRva);
    out.U32At(resourceDirectory + 4, l.SectionSize);
}

void WriteSectionHeader(TByteWriter& out, const TImageLayout& l)
{
    out.BytesAt(l.SectionTable, ".rsrc", 5);
    out.U32At(l.SectionTable + 8, l.SectionSize);
    out.U32At(l.SectionTable + 12, ResourceRva);
    out.U32At(l.SectionTable + 16, l.RawSize);
    out.U32At(l.SectionTable + 20, l.HeadersSize);
    out.U32At(l.SectionTable + 36, 0x40000040u); // initialised data, readable
}

} // namespace

std::vector<std::byte> BuildResourceLibrary(const std::vector<TPEResource>& resources, TPEFormat format)
{
    const TTypes types = SortResources(resources);
    const std::vector<std::byte> section = TResourceSectionWriter(types).Write();
    const TImageLayout layout = LayOutImage(format, section.size());
    TByteWriter out(layout.HeadersSize + std::size_t(layout.RawSize));
    WriteDosHeader(out);
    WriteCoffHeader(out, layout);
    WriteOptionalHeader(out, layout);
    WriteSectionHeader(out, layout);
    out.BytesAt(layout.HeadersSize, section.data(), section.size());
    const std::uint32_t checksumField = layout.Optional + 64;
    out.U32At(checksumField, ImageChecksum(out.Bytes(), checksumField));
    return out.Take();
}
