#include "resmodule/ResourceModule.h"

#include "base/ByteReader.h"
#include "base/Exceptions.h"
#include "resmodule/PEFormat.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <unordered_map>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A module larger than this is not a content module anyone would ship; refusing it keeps a
// stray multi-gigabyte file from being read into memory.
constexpr std::uint64_t MaxModuleFileSize = std::uint64_t(1) << 30;
// Directories may share subdirectories, so a hostile file could make the three-level walk
// visit billions of entries; past this many the file is refused.
constexpr std::size_t MaxVisitedEntries = std::size_t(1) << 20;


char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

std::string AsciiUpper(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = AsciiUpper(c);
    return result;
}

// A directory entry's identity: a number, or a text kept as UTF-8 (and upper-cased for
// matching, as the platform's look-up ignores the case of names).
struct TKey {
    bool IsName { false };
    std::uint16_t Id { 0 };
    std::string Name;
    std::string UpperName;
};

struct TLanguageEntry {
    std::uint16_t Language { 0 };
    std::span<const std::byte> Data;
};

struct TNameEntry {
    TKey Key;
    std::vector<TLanguageEntry> Languages;
};

struct TTypeEntry {
    TKey Key;
    std::vector<TNameEntry> Names;
};

// A module file is mapped, not read: its pages come into memory as resources are used, and
// are shared with the file cache. A file cut short or rewritten in place while mapped would
// end the program (SIGBUS) at the next read of a page past its new end; the guard puts a page
// of zeros there instead, which the picture and sound readers reject as damaged data.
class TMappingGuard {
public:
    static TMappingGuard& Instance()
    {
        static TMappingGuard guard;
        return guard;
    }

    // False when every slot is taken: such a file is read into memory instead.
    bool Add(const void* begin, std::size_t size)
    {
        std::call_once(m_installed, [] { Install(); });
        std::lock_guard lock(m_mutex);
        for (TRange& range : m_ranges) {
            if (range.End != 0)
                continue;
            range.Begin = reinterpret_cast<std::uintptr_t>(begin);
            range.End = range.Begin + size;
            return true;
        }
        return false;
    }

    void Remove(const void* begin)
    {
        std::lock_guard lock(m_mutex);
        for (TRange& range : m_ranges) {
            if (range.Begin == reinterpret_cast<std::uintptr_t>(begin)) {
                range.End = 0;
                range.Begin = 0;
            }
        }
    }

private:
    struct TRange {
        std::atomic<std::uintptr_t> Begin { 0 };
        std::atomic<std::uintptr_t> End { 0 };
    };

    static void Install()
    {
        PageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &Previous);
    }

    static void OnBusError(int, siginfo_t* info, void*)
    {
        const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
        for (const TRange& range : Instance().m_ranges) {
            if (address < range.Begin || address >= range.End)
                continue;
            void* page = reinterpret_cast<void*>(address & ~(PageSize - 1));
            if (::mmap(page, PageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != MAP_FAILED)
                return;
        }
        // Not a module's page: the fault comes again, and meets what would have met it.
        ::sigaction(SIGBUS, &Previous, nullptr);
    }

    static constexpr std::size_t MaxMappings = 64;
    static inline std::uintptr_t PageSize { 4096 };
    static inline struct sigaction Previous {};
    std::once_flag m_installed;
    std::mutex m_mutex;
    std::array<TRange, MaxMappings> m_ranges {};
};

// A module file mapped read-only.
class TFileMapping {
public:
    // Null when the file cannot be opened or mapped, or when no guard slot is free.
    static std::unique_ptr<TFileMapping> Open(const std::filesystem::path& path, std::size_t size)
    {
        if (size == 0)
            return nullptr;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return nullptr;
        void* address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        ::close(fd);
        if (address == MAP_FAILED)
            return nullptr;
        if (!TMappingGuard::Instance().Add(address, size)) {
            ::munmap(address, size);
            return nullptr;
        }
        return std::unique_ptr<TFileMapping>(new TFileMapping(address, size));
    }

    ~TFileMapping()
    {
        TMappingGuard::Instance().Remove(m_address);
        ::munmap(m_address, m_size);
    }
    TFileMapping(const TFileMapping&) = delete;
    TFileMapping& operator=(const TFileMapping&) = delete;

    std::span<const std::byte> Bytes() const { return { static_cast<const std::byte*>(m_address), m_size }; }

private:
    TFileMapping(void* address, std::size_t size)
        : m_address(address)
        , m_size(size)
    {
    }

    void* m_address;
    std::size_t m_size;
};

struct TModule {
    // Where the bytes are: a mapped file, or bytes in memory.
    std::unique_ptr<TFileMapping> Mapping;
    std::vector<std::byte> Bytes;
    std::vector<TTypeEntry> Types;

    std::span<const std::byte> Data() const { return Mapping ? Mapping->Bytes() : std::span<const std::byte>(Bytes); }
};

struct TSection {
    std::uint32_t VirtualAddress { 0 };
    std::uint32_t RawSize { 0 };
    std::uint32_t RawOffset { 0 };
};

void AppendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Reads the PE headers, the section table and the resource tree of one file image.
class TPEParser {
public:
    explicit TPEParser(std::span<const std::byte> data)
        : m_reader(data)
    {
    }

    bool Parse(std::vector<TTypeEntry>& types)
    {
        if (!ParseHeaders())
            return false;
        return ParseResourceTree(types);
    }

private:
    bool ParseHeaders()
    {
        const std::uint64_t size = m_reader.Size();
        if (size < 64 || m_reader.U16At(0) != 0x5A4D) // "MZ"
            return false;
        const std::uint64_t peOffset = m_reader.U32At(0x3C);
        if (peOffset + 24 > size || m_reader.U32At(peOffset) != 0x00004550) // "PE\0\0"
            return false;
        const std::uint64_t coff = peOffset + 4;
        const std::uint16_t sectionCount = m_reader.U16At(coff + 2);
        const std::uint16_t optionalSize = m_reader.U16At(coff + 16);
        const std::uint64_t optional = coff + 20;
        if (optional + optionalSize > size)
            return false;

        const std::uint16_t magic = m_reader.U16At(optional);
        std::uint64_t countField = 0;
        if (magic == PE32Magic)
            countField = 92;
        else if (magic == PE32PlusMagic)
            countField = 108;
        else
            return false;
        const std::uint64_t directories = countField + 4;
        const std::uint64_t resourceDirectoryEnd = directories + (ResourceDirectoryIndex + 1) * 8;
        if (resourceDirectoryEnd > optionalSize)
            return false;
        if (m_reader.U32At(optional + countField) <= ResourceDirectoryIndex)
            return false;
        m_resourceRva = m_reader.U32At(optional + directories + ResourceDirectoryIndex * 8);
        if (m_resourceRva == 0 || m_reader.U32At(optional + directories + ResourceDirectoryIndex * 8 + 4) == 0)
            return false;

        const std::uint64_t sectionTable = optional + optionalSize;
        if (sectionTable + std::uint64_t(sectionCount) * 40 > size)
            return false;
        for (std::uint16_t i = 0; i < sectionCount; ++i) {
            const std::uint64_t header = sectionTable + std::uint64_t(i) * 40;
            TSection section;
            section.VirtualAddress = m_reader.U32At(header + 12);
            section.RawSize = m_reader.U32At(header + 16);
            section.RawOffset = m_reader.U32At(header + 20);
            // A section whose bytes run past the end of the file means the file was cut short.
            if (std::uint64_t(section.RawOffset) + section.RawSize > size)
                return false;
            m_sections.push_back(section);
        }

        const TSection* resourceSection = SectionFor(m_resourceRva);
        if (!resourceSection)
            return false;
        const std::uint32_t delta = m_resourceRva - resourceSection->VirtualAddress;
        m_resourceBase = std::uint64_t(resourceSection->RawOffset) + delta;
        m_resourceLimit = resourceSection->RawSize - delta;
        return true;
    }

    // The section whose bytes in the file hold `rva`.
    const TSection* SectionFor(std::uint32_t rva) const
    {
        for (const TSection& section : m_sections) {
            if (rva >= section.VirtualAddress && rva - section.VirtualAddress < section.RawSize)
                return &section;
        }
        return nullptr;
    }

    // The file bytes of `size` bytes at `rva`, or nothing when they are not all in one section.
    std::optional<std::span<const std::byte>> MapRva(std::uint32_t rva, std::uint32_t size) const
    {
        for (const TSection& section : m_sections) {
            if (rva < section.VirtualAddress)
                continue;
            const std::uint64_t delta = rva - section.VirtualAddress;
            if (delta > section.RawSize || section.RawSize - delta < size)
                continue;
            return m_reader.Data().subspan(section.RawOffset + delta, size);
        }
        return std::nullopt;
    }

    // Whether `count` bytes at `offset` into the resource section are in the file.
    bool InResource(std::uint64_t offset, std::uint64_t count) const
    {
        return offset <= m_resourceLimit && m_resourceLimit - offset >= count;
    }

    std::uint16_t ResU16(std::uint64_t offset) const { return m_reader.U16At(m_resourceBase + offset); }
    std::uint32_t ResU32(std::uint64_t offset) const { return m_reader.U32At(m_resourceBase + offset); }

    // A directory's entries as (name field, data field) pairs; nothing when the table does not
    // fit or the walk has gone on too long.
    bool ReadDirectory(std::uint64_t offset, std::vector<std::pair<std::uint32_t, std::uint32_t>>& entries)
    {
        entries.clear();
        if (!InResource(offset, DirectoryHeaderSize))
            return false;
        const std::uint64_t count = std::uint64_t(ResU16(offset + 12)) + ResU16(offset + 14);
        if (!InResource(offset + DirectoryHeaderSize, count * DirectoryEntrySize))
            return false;
        m_visited += count;
        if (m_visited > MaxVisitedEntries)
            return false;
        entries.reserve(std::size_t(count));
        for (std::uint64_t i = 0; i < count; ++i) {
            const std::uint64_t entry = offset + DirectoryHeaderSize + i * DirectoryEntrySize;
            entries.emplace_back(ResU32(entry), ResU32(entry + 4));
        }
        return true;
    }

    // A name field: a number, or (high bit set) the offset of a counted UTF-16 string.
    std::optional<TKey> ReadKey(std::uint32_t field) const
    {
        TKey key;
        if (!(field & HighBit)) {
            key.Id = std::uint16_t(field);
            return key;
        }
        const std::uint64_t offset = field & ~HighBit;
        if (!InResource(offset, 2))
            return std::nullopt;
        const std::uint16_t length = ResU16(offset);
        // An empty name could never be asked for; the entry is treated as damaged.
        if (length == 0 || !InResource(offset + 2, std::uint64_t(length) * 2))
            return std::nullopt;
        key.IsName = true;
        for (std::uint16_t i = 0; i < length; ++i) {
            std::uint32_t unit = ResU16(offset + 2 + std::uint64_t(i) * 2);
            if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < length) {
                const std::uint32_t low = ResU16(offset + 2 + std::uint64_t(i + 1) * 2);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    ++i;
                }
            }
            if (unit >= 0xD800 && unit <= 0xDFFF)
                unit = 0xFFFD;
            AppendUtf8(key.Name, unit);
        }
        key.UpperName = AsciiUpper(key.Name);
        return key;
    }

    // Walks type -> name -> language. Entries that point outside the file are left out, so the
    // rest of a damaged module stays usable; a root that cannot be read refuses the file.
    bool ParseResourceTree(std::vector<TTypeEntry>& types)
    {
        std::vector<std::pair<std::uint32_t, std::uint32_t>> typeEntries;
        if (!ReadDirectory(0, typeEntries))
            return false;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> nameEntries;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> languageEntries;
        for (const auto& [typeField, typeData] : typeEntries) {
            auto typeKey = ReadKey(typeField);
            if (!typeKey || !(typeData & HighBit))
                continue;
            if (!ReadDirectory(typeData & ~HighBit, nameEntries)) {
                if (m_visited > MaxVisitedEntries)
                    return false;
                continue;
            }
            TTypeEntry type { std::move(*typeKey), {} };
            for (const auto& [nameField, nameData] : nameEntries) {
                auto nameKey = ReadKey(nameField);
                if (!nameKey || !(nameData & HighBit))
                    continue;
                if (!ReadDirectory(nameData & ~HighBit, languageEntries)) {
                    if (m_visited > MaxVisitedEntries)
                        return false;
                    continue;
                }
                TNameEntry name { std::move(*nameKey), {} };
                for (const auto& [languageField, languageData] : languageEntries) {
                    // The third level holds data entries; a deeper directory is not a resource.
                    if ((languageField & HighBit) || (languageData & HighBit))
                        continue;
                    if (!InResource(languageData, DataEntrySize))
                        continue;
                    auto data = MapRva(ResU32(languageData), ResU32(languageData + 4));
                    if (!data)
                        continue;
                    name.Languages.push_back({ std::uint16_t(languageField), *data });
                }
                if (!name.Languages.empty())
                    type.Names.push_back(std::move(name));
            }
            if (!type.Names.empty())
                types.push_back(std::move(type));
        }
        return true;
    }

    TByteReader m_reader;
    std::vector<TSection> m_sections;
    std::uint32_t m_resourceRva { 0 };
    std::uint64_t m_resourceBase { 0 };
    std::uint64_t m_resourceLimit { 0 };
    std::size_t m_visited { 0 };
};

// "#10" names the number 10, as the platform's look-up allows.
std::optional<std::uint16_t> NumericName(std::string_view text)
{
    if (text.size() < 2 || text.size() > 6 || text[0] != '#')
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text.substr(1)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + std::uint32_t(c - '0');
    }
    if (value > 0xFFFF)
        return std::nullopt;
    return std::uint16_t(value);
}

bool KeyMatches(const TKey& key, std::string_view name)
{
    if (auto id = NumericName(name))
        return !key.IsName && key.Id == *id;
    if (!key.IsName || key.UpperName.size() != name.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (key.UpperName[i] != AsciiUpper(name[i]))
            return false;
    }
    return true;
}

bool TypeMatches(const TKey& key, const TResourceType& type)
{
    if (type.Id != 0)
        return !key.IsName && key.Id == type.Id;
    if (type.Name.empty())
        return false;
    return KeyMatches(key, type.Name);
}

struct TRegistry {
    std::mutex Mutex;
    std::unordered_map<TModuleHandle, std::unique_ptr<TModule>> Modules;
    TModuleHandle NextHandle { 1 };
};

TRegistry& Registry()
{
    static TRegistry registry;
    return registry;
}

// The size of a regular file that may be a module, or nothing.
std::optional<std::size_t> ModuleFileSize(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > MaxModuleFileSize)
        return std::nullopt;
    return static_cast<std::size_t>(size);
}

std::optional<std::vector<std::byte>> ReadWholeFile(const std::filesystem::path& path, std::size_t size)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::vector<std::byte> bytes(static_cast<std::size_t>(size));
    if (size > 0 && !file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size)))
        return std::nullopt;
    return bytes;
}

// The files a module name may stand for: the name as given, and as the platform's loader
// would also accept it, with the library extension added to a name that has none and with
// backslashes read as folder separators.
std::vector<std::filesystem::path> CandidatePaths(const std::string& fileName)
{
    std::vector<std::filesystem::path> paths { fileName };
    std::string slashed = fileName;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    if (slashed != fileName)
        paths.emplace_back(slashed);
    const std::filesystem::path last = std::filesystem::path(slashed).filename();
    if (!last.empty() && !last.has_extension() && slashed.back() != '.')
        paths.emplace_back(slashed + ".dll");
    return paths;
}

} // namespace

namespace {

TModuleHandle RegisterModule(std::unique_ptr<TModule> module)
{
    TPEParser parser(module->Data());
    if (!parser.Parse(module->Types))
        return 0;
    TRegistry& registry = Registry();
    std::lock_guard lock(registry.Mutex);
    const TModuleHandle handle = registry.NextHandle++;
    registry.Modules.emplace(handle, std::move(module));
    return handle;
}

} // namespace

TModuleHandle LoadModuleFromMemory(std::vector<std::byte> bytes)
{
    auto module = std::make_unique<TModule>();
    module->Bytes = std::move(bytes);
    return RegisterModule(std::move(module));
}

TModuleHandle LoadLibraryA(const std::string& fileName)
{
    if (fileName.empty())
        return 0;
    for (const auto& path : CandidatePaths(fileName)) {
        const std::optional<std::size_t> size = ModuleFileSize(path);
        if (!size)
            continue;
        auto module = std::make_unique<TModule>();
        module->Mapping = TFileMapping::Open(path, *size);
        if (!module->Mapping) {
            auto bytes = ReadWholeFile(path, *size);
            if (!bytes)
                continue;
            module->Bytes = std::move(*bytes);
        }
        return RegisterModule(std::move(module));
    }
    return 0;
}

void FreeLibrary(TModuleHandle module)
{
    if (module == 0)
        return;
    std::unique_ptr<TModule> released;
    TRegistry& registry = Registry();
    {
        std::lock_guard lock(registry.Mutex);
        auto it = registry.Modules.find(module);
        if (it == registry.Modules.end())
            return;
        released = std::move(it->second);
        registry.Modules.erase(it);
    }
}

std::optional<std::span<const std::byte>> FindResourceData(TModuleHandle module, const TResourceType& type,
                                                           std::string_view name)
{
    if (module == 0)
        return std::nullopt;
    TRegistry& registry = Registry();
    std::lock_guard lock(registry.Mutex);
    auto it = registry.Modules.find(module);
    if (it == registry.Modules.end())
        return std::nullopt;
    for (const TTypeEntry& typeEntry : it->second->Types) {
        if (!TypeMatches(typeEntry.Key, type))
            continue;
        for (const TNameEntry& nameEntry : typeEntry.Names) {
            if (KeyMatches(nameEntry.Key, name))
                return nameEntry.Languages.front().Data;
        }
    }
    return std::nullopt;
}

std::vector<TResourceInfo> EnumResources(TModuleHandle module)
{
    std::vector<TResourceInfo> result;
    if (module == 0)
        return result;
    TRegistry& registry = Registry();
    std::lock_guard lock(registry.Mutex);
    auto it = registry.Modules.find(module);
    if (it == registry.Modules.end())
        return result;
    for (const TTypeEntry& typeEntry : it->second->Types) {
        const TResourceType type = typeEntry.Key.IsName ? TResourceType::Named(typeEntry.Key.Name)
                                                        : TResourceType::Numeric(typeEntry.Key.Id);
        for (const TNameEntry& nameEntry : typeEntry.Names) {
            for (const TLanguageEntry& language : nameEntry.Languages) {
                TResourceInfo info;
                info.Type = type;
                info.NameId = nameEntry.Key.IsName ? 0 : nameEntry.Key.Id;
                info.Name = nameEntry.Key.Name;
                info.Language = language.Language;
                info.Data = language.Data;
                result.push_back(std::move(info));
            }
        }
    }
    return result;
}

TResourceStream::TResourceStream(TModuleHandle module, const std::string& name, const TResourceType& type)
{
    auto data = FindResourceData(module, type, name);
    if (!data)
        RaiseRes<EResNotFound>(Str::ResNotFound, name.c_str());
    SetMemory(*data);
}
