#include "resmodule/PEWriter.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

constexpr std::uint32_t FileAlignment = 0x200;
constexpr std::uint32_t SectionAlignment = 0x1000;
constexpr std::uint32_t ResourceRva = SectionAlignment;
constexpr std::uint32_t PEHeaderOffset = 0x80;
constexpr std::uint32_t CoffHeaderSize = 20;
constexpr std::uint32_t SectionHeaderSize = 40;
constexpr std::uint32_t DirectoryHeaderSize = 16;
constexpr std::uint32_t DirectoryEntrySize = 8;
constexpr std::uint32_t DataEntrySize = 16;
constexpr std::uint32_t HighBit = 0x80000000u;
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

class TImageWriter {
public:
    explicit TImageWriter(std::size_t size)
        : m_bytes(size)
    {
    }
    void U8(std::size_t at, std::uint8_t v) { m_bytes[at] = std::byte(v); }
    void U16(std::size_t at, std::uint16_t v)
    {
        U8(at, std::uint8_t(v));
        U8(at + 1, std::uint8_t(v >> 8));
    }
    void U32(std::size_t at, std::uint32_t v)
    {
        U16(at, std::uint16_t(v));
        U16(at + 2, std::uint16_t(v >> 16));
    }
    void U64(std::size_t at, std::uint64_t v)
    {
        U32(at, std::uint32_t(v));
        U32(at + 4, std::uint32_t(v >> 32));
    }
    void Bytes(std::size_t at, const void* data, std::size_t size)
    {
        if (size > 0)
            std::memcpy(m_bytes.data() + at, data, size);
    }
    std::vector<std::byte>& Data() { return m_bytes; }

private:
    std::vector<std::byte> m_bytes;
};

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
        TImageWriter out(static_cast<std::size_t>(m_size));
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
            out.U32(typeEntry, KeyField(type));
            out.U32(typeEntry + 4, HighBit | nextTypeDir);
            typeEntry += DirectoryEntrySize;

            WriteDirectoryHeader(out, nextTypeDir, names);
            std::uint32_t nameEntry = nextTypeDir + DirectoryHeaderSize;
            nextTypeDir += TableSize(names.size());
            for (const auto& [name, languages] : names) {
                out.U32(nameEntry, KeyField(name));
                out.U32(nameEntry + 4, HighBit | nextNameDir);
                nameEntry += DirectoryEntrySize;

                out.U32(nextNameDir + 12, 0);
                out.U16(nextNameDir + 14, std::uint16_t(languages.size()));
                std::uint32_t languageEntry = nextNameDir + DirectoryHeaderSize;
                nextNameDir += TableSize(languages.size());
                for (const auto& [language, data] : languages) {
                    out.U32(languageEntry, language);
                    out.U32(languageEntry + 4, nextDataEntry);
                    languageEntry += DirectoryEntrySize;

                    const std::uint32_t dataOffset = m_dataOffsets[dataIndex++];
                    out.U32(nextDataEntry, ResourceRva + dataOffset);
                    out.U32(nextDataEntry + 4, std::uint32_t(data->size()));
                    nextDataEntry += DataEntrySize;
                    out.Bytes(dataOffset, data->data(), data->size());
                }
            }
        }
        for (const auto& [units, offset] : m_stringOffsets) {
            out.U16(offset, std::uint16_t(units.size()));
            for (std::size_t i = 0; i < units.size(); ++i)
                out.U16(offset + 2 + i * 2, units[i]);
        }
        return std::move(out.Data());
    }

private:
    static std::uint32_t TableSize(std::size_t entries)
    {
        return DirectoryHeaderSize + std::uint32_t(entries) * DirectoryEntrySize;
    }

    template<typename Map>
    static void WriteDirectoryHeader(TImageWriter& out, std::uint32_t at, const Map& entries)
    {
        std::uint16_t named = 0;
        for (const auto& entry : entries)
            named += entry.first.IsName ? 1 : 0;
        out.U16(at + 12, named);
        out.U16(at + 14, std::uint16_t(entries.size() - named));
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

} // namespace

std::vector<std::byte> BuildResourceLibrary(const std::vector<TPEResource>& resources, TPEFormat format)
{
    TTypes types;
    for (const TPEResource& resource : resources) {
        TLanguages& languages = types[MakeKey(resource.Type, "type")][MakeKey(resource.Name, "name")];
        if (!languages.emplace(resource.Language, &resource.Data).second)
            throw EPEWriteError("duplicate resource " + DescribeId(resource.Type) + ":" + DescribeId(resource.Name));
    }
    // Each directory counts its entries in 16 bits.
    bool fits = types.size() <= 0xFFFF;
    for (const auto& [type, names] : types) {
        fits = fits && names.size() <= 0xFFFF;
        for (const auto& [name, languages] : names)
            fits = fits && languages.size() <= 0xFFFF;
    }
    if (!fits)
        throw EPEWriteError("too many resources for one module");

    const std::vector<std::byte> section = TResourceSectionWriter(types).Write();
    const bool plus = format == TPEFormat::PE32Plus;
    const std::uint32_t optionalSize = plus ? 240 : 224;
    const std::uint32_t coff = PEHeaderOffset + 4;
    const std::uint32_t optional = coff + CoffHeaderSize;
    const std::uint32_t sectionTable = optional + optionalSize;
    const auto headersSize = std::uint32_t(AlignUp(sectionTable + SectionHeaderSize, FileAlignment));
    const auto rawSize = std::uint32_t(AlignUp(section.size(), FileAlignment));
    const auto imageSize = std::uint32_t(ResourceRva + AlignUp(std::max<std::size_t>(section.size(), 1), SectionAlignment));

    TImageWriter out(headersSize + std::size_t(rawSize));
    // DOS header: "MZ", the usual stub header values, and the offset of the PE header.
    out.U16(0x00, 0x5A4D);
    out.U16(0x02, 0x90); // bytes in the last page
    out.U16(0x04, 3);    // pages
    out.U16(0x08, 4);    // header paragraphs
    out.U16(0x0C, 0xFFFF);
    out.U16(0x10, 0xB8); // initial SP
    out.U16(0x18, 0x40); // relocation table offset
    out.U32(0x3C, PEHeaderOffset);
    out.Bytes(0x40, DosStubCode, sizeof DosStubCode);
    out.Bytes(0x40 + sizeof DosStubCode, DosStubText, sizeof DosStubText - 1);

    out.U32(PEHeaderOffset, 0x00004550); // "PE\0\0"
    out.U16(coff + 0, plus ? 0x8664 : 0x014C);
    out.U16(coff + 2, 1); // one section
    out.U16(coff + 16, std::uint16_t(optionalSize));
    // Executable image, a library, no line numbers, symbols or debug data; 32-bit machine
    // for PE32, large-address-aware for PE32+. Having no code, it needs no relocations.
    std::uint16_t characteristics = 0x0002 | 0x2000 | 0x0004 | 0x0008 | 0x0200;
    characteristics |= plus ? 0x0020 : 0x0100;
    out.U16(coff + 18, characteristics);

    out.U16(optional + 0, plus ? 0x20B : 0x10B);
    out.U8(optional + 2, 2); // linker version 2.0
    out.U32(optional + 8, rawSize); // initialised data
    if (plus) {
        out.U64(optional + 24, 0x180000000ull);
    } else {
        out.U32(optional + 24, ResourceRva); // base of data
        out.U32(optional + 28, 0x10000000u);
    }
    out.U32(optional + 32, SectionAlignment);
    out.U32(optional + 36, FileAlignment);
    out.U16(optional + 40, plus ? 5 : 4); // operating system version
    out.U16(optional + 42, plus ? 2 : 0);
    out.U16(optional + 48, plus ? 5 : 4); // subsystem version
    out.U16(optional + 50, plus ? 2 : 0);
    out.U32(optional + 56, imageSize);
    out.U32(optional + 60, headersSize);
    out.U16(optional + 68, 2);      // Windows GUI subsystem
    out.U16(optional + 70, 0x0100); // NX compatible
    const std::uint32_t sizes = optional + 72;
    if (plus) {
        out.U64(sizes + 0, 0x100000);
        out.U64(sizes + 8, 0x1000);
        out.U64(sizes + 16, 0x100000);
        out.U64(sizes + 24, 0x1000);
    } else {
        out.U32(sizes + 0, 0x100000);
        out.U32(sizes + 4, 0x1000);
        out.U32(sizes + 8, 0x100000);
        out.U32(sizes + 12, 0x1000);
    }
    const std::uint32_t countField = plus ? optional + 108 : optional + 92;
    out.U32(countField, 16);
    const std::uint32_t resourceDirectory = countField + 4 + 2 * 8;
    out.U32(resourceDirectory, ResourceRva);
    out.U32(resourceDirectory + 4, std::uint32_t(section.size()));

    out.Bytes(sectionTable, ".rsrc", 5);
    out.U32(sectionTable + 8, std::uint32_t(section.size()));
    out.U32(sectionTable + 12, ResourceRva);
    out.U32(sectionTable + 16, rawSize);
    out.U32(sectionTable + 20, headersSize);
    out.U32(sectionTable + 36, 0x40000040u); // initialised data, readable

    out.Bytes(headersSize, section.data(), section.size());
    out.U32(optional + 64, ImageChecksum(out.Data(), optional + 64));
    return std::move(out.Data());
}
