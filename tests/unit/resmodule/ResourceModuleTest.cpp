#include "resmodule/ResourceModule.h"

#include "base/Exceptions.h"
#include "resmodule/PEWriter.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::byte> Bytes(std::string_view text)
{
    const auto* begin = reinterpret_cast<const std::byte*>(text.data());
    return { begin, begin + text.size() };
}

std::string Text(std::span<const std::byte> data)
{
    return { reinterpret_cast<const char*>(data.data()), data.size() };
}

void WriteFile(const fs::path& path, const std::vector<std::byte>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

bool HaveTool(const std::string& name)
{
    return fs::exists("/usr/bin/" + name);
}

std::string Capture(const std::string& command)
{
    std::string output;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    ::pclose(pipe);
    return output;
}

TPEResource Resource(TPEResourceId type, TPEResourceId name, std::string_view data, std::uint16_t language = 0x409)
{
    return { std::move(type), std::move(name), language, Bytes(data) };
}

// A small module like the program's own: two sounds, a picture, a numbered name, a numbered
// type, and one name in two languages.
std::vector<TPEResource> SampleResources()
{
    return {
        Resource(TPEResourceId::Text("WAVE"), TPEResourceId::Text("SOUND_1"), "RIFF-one"),
        Resource(TPEResourceId::Text("WAVE"), TPEResourceId::Text("Sound_2"), "RIFF-two"),
        Resource(TPEResourceId::Number(RT_RCDATA), TPEResourceId::Text("PICTURE_1"), "GIF89a-picture"),
        Resource(TPEResourceId::Number(RT_RCDATA), TPEResourceId::Number(7), "seven"),
        Resource(TPEResourceId::Number(99), TPEResourceId::Text("X"), ""),
        Resource(TPEResourceId::Number(RT_RCDATA), TPEResourceId::Text("MULTI"), "german", 0x407),
        Resource(TPEResourceId::Number(RT_RCDATA), TPEResourceId::Text("MULTI"), "english", 0x409),
    };
}

std::string Find(TModuleHandle module, const TResourceType& type, std::string_view name)
{
    auto data = FindResourceData(module, type, name);
    return data ? Text(*data) : std::string("<missing>");
}

void ExpectSampleLookups(TModuleHandle module)
{
    const auto wave = TResourceType::Named("WAVE");
    const auto rcdata = TResourceType::Numeric(RT_RCDATA);
    EXPECT_EQ(Find(module, wave, "SOUND_1"), "RIFF-one");
    EXPECT_EQ(Find(module, TResourceType::Named("wave"), "sound_1"), "RIFF-one");
    EXPECT_EQ(Find(module, wave, "SOUND_2"), "RIFF-two");
    EXPECT_EQ(Find(module, rcdata, "picture_1"), "GIF89a-picture");
    EXPECT_EQ(Find(module, rcdata, "#7"), "seven");
    EXPECT_EQ(Find(module, TResourceType::Named("#10"), "PICTURE_1"), "GIF89a-picture");
    EXPECT_EQ(Find(module, TResourceType::Numeric(99), "x"), "");
    EXPECT_EQ(Find(module, rcdata, "MULTI"), "german") << "the first language is taken";
    // Wrong type, a name that only looks like the number, and unknown names find nothing.
    EXPECT_EQ(Find(module, rcdata, "SOUND_1"), "<missing>");
    EXPECT_EQ(Find(module, rcdata, "7"), "<missing>");
    EXPECT_EQ(Find(module, wave, "SOUND_3"), "<missing>");
    EXPECT_EQ(Find(module, wave, "SOUND_"), "<missing>");
}

class ResourceModuleFormat : public ::testing::TestWithParam<TPEFormat> { };

} // namespace

TEST_P(ResourceModuleFormat, ModulesWeWriteReadBackFromFile)
{
    TTempDir dir;
    const fs::path file = dir.Path() / "Sample.dll";
    WriteFile(file, BuildResourceLibrary(SampleResources(), GetParam()));

    const TModuleHandle module = LoadLibraryA(file.string());
    ASSERT_NE(module, 0u);
    ExpectSampleLookups(module);

    // Directory order: named types before numbered ones; in each, names (upper case, sorted)
    // before numbers (ascending); languages ascending.
    std::vector<std::string> listed;
    for (const TResourceInfo& info : EnumResources(module)) {
        const std::string type = info.Type.Name.empty() ? std::to_string(info.Type.Id) : info.Type.Name;
        const std::string name = info.Name.empty() ? "#" + std::to_string(info.NameId) : info.Name;
        listed.push_back(type + ":" + name + ":" + std::to_string(info.Language));
    }
    const std::vector<std::string> expected { "WAVE:SOUND_1:1033", "WAVE:SOUND_2:1033", "10:MULTI:1031",
                                              "10:MULTI:1033",     "10:PICTURE_1:1033", "10:#7:1033",
                                              "99:X:1033" };
    EXPECT_EQ(listed, expected);

    FreeLibrary(module);
    EXPECT_FALSE(FindResourceData(module, TResourceType::Named("WAVE"), "SOUND_1")) << "released module";
    FreeLibrary(module); // a second release is harmless
}

INSTANTIATE_TEST_SUITE_P(Formats, ResourceModuleFormat, ::testing::Values(TPEFormat::PE32, TPEFormat::PE32Plus));

TEST(ResourceModule, ModuleFileCutShortWhileLoadedReadsAsZerosInsteadOfEndingTheProgram)
{
    // Someone copies another file over a module in place while the program plays.
    TTempDir dir;
    const fs::path file = dir.Path() / "Big.dll";
    const std::string big(256 * 1024, 'x');
    WriteFile(file, BuildResourceLibrary({ Resource(TPEResourceId::Number(RT_RCDATA), TPEResourceId::Text("BIG"), big) },
                                         TPEFormat::PE32));
    const TModuleHandle module = LoadLibraryA(file.string());
    ASSERT_NE(module, 0u);
    const auto data = FindResourceData(module, TResourceType::Numeric(RT_RCDATA), "BIG");
    ASSERT_TRUE(data);
    ASSERT_EQ(data->size(), big.size());

    fs::resize_file(file, 4096);
    const std::string read = Text(*data);
    EXPECT_EQ(read.find_first_not_of(std::string("x\0", 2)), std::string::npos);
    EXPECT_EQ(read.back(), '\0') << "the part past the new end reads as zeros";
    FreeLibrary(module);

    // A module loaded afterwards from the shorter file is refused as any damaged file is.
    EXPECT_EQ(FindResourceData(LoadLibraryA(file.string()), TResourceType::Numeric(RT_RCDATA), "BIG"), std::nullopt);
}

TEST(ResourceModule, NamesSortCaseInsensitivelyAsTheLookupExpects)
{
    std::vector<TPEResource> resources;
    for (const char* name : { "beta", "Alpha", "ALPHA_2", "zeta", "_under", "Gamma" })
        resources.push_back(Resource(TPEResourceId::Number(RT_RCDATA), TPEResourceId::Text(name), name));
    resources.push_back(Resource(TPEResourceId::Number(RT_RCDATA), TPEResourceId::Number(300), "n300"));
    resources.push_back(Resource(TPEResourceId::Number(RT_RCDATA), TPEResourceId::Number(2), "n2"));
    const TModuleHandle module = LoadModuleFromMemory(BuildResourceLibrary(resources));
    ASSERT_NE(module, 0u);
    std::vector<std::string> order;
    for (const TResourceInfo& info : EnumResources(module))
        order.push_back(info.Name.empty() ? std::to_string(info.NameId) : info.Name);
    // '_' (0x5F) sorts after the upper-case letters, as in a comparison of upper-cased names.
    EXPECT_EQ(order, (std::vector<std::string> { "ALPHA", "ALPHA_2", "BETA", "GAMMA", "ZETA", "_UNDER", "2", "300" }));
    FreeLibrary(module);
}

TEST(ResourceModule, WriterRefusesDuplicatesAndBadIds)
{
    const auto type = TPEResourceId::Text("WAVE");
    EXPECT_THROW(BuildResourceLibrary({ Resource(type, TPEResourceId::Text("a"), "1"),
                                        Resource(type, TPEResourceId::Text("A"), "2") }),
                 EPEWriteError);
    EXPECT_THROW(BuildResourceLibrary({ Resource(type, TPEResourceId::Number(0), "1") }), EPEWriteError);
    EXPECT_THROW(BuildResourceLibrary({ Resource(type, TPEResourceId::Text("bad\xC3"), "1") }), EPEWriteError);
}

TEST(ResourceModule, StreamReadsResourceAndReportsMissingOnes)
{
    const TModuleHandle module = LoadModuleFromMemory(BuildResourceLibrary(SampleResources()));
    ASSERT_NE(module, 0u);
    TResourceStream stream(module, "picture_1", TResourceType::Numeric(RT_RCDATA));
    EXPECT_EQ(stream.Size(), 14u);
    EXPECT_EQ(Text(stream.ReadRemaining()), "GIF89a-picture");

    try {
        TResourceStream missing(module, "PICTURE_9", TResourceType::Numeric(RT_RCDATA));
        FAIL() << "no exception";
    } catch (const EResNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource PICTURE_9 not found");
    }
    EXPECT_THROW(TResourceStream(0, "PICTURE_1", TResourceType::Numeric(RT_RCDATA)), EResNotFound);
    FreeLibrary(module);
    EXPECT_THROW(TResourceStream(module, "PICTURE_1", TResourceType::Numeric(RT_RCDATA)), EResNotFound);
}

TEST(ResourceModule, FilesThatAreNotModulesGiveHandleZero)
{
    TTempDir dir;
    EXPECT_EQ(LoadLibraryA(""), 0u);
    EXPECT_EQ(LoadLibraryA((dir.Path() / "missing.dll").string()), 0u);
    EXPECT_EQ(LoadLibraryA(dir.Path().string()), 0u) << "a folder";
    WriteFile(dir.Path() / "empty.dll", {});
    EXPECT_EQ(LoadLibraryA((dir.Path() / "empty.dll").string()), 0u);
    WriteFile(dir.Path() / "text.dll", Bytes("MZ but nothing else of a library"));
    EXPECT_EQ(LoadLibraryA((dir.Path() / "text.dll").string()), 0u);

    // A valid image whose resource directory entry is cleared has no resources.
    auto image = BuildResourceLibrary(SampleResources());
    const std::size_t directory = 0x80 + 4 + 20 + 112 + 2 * 8;
    ASSERT_EQ(std::to_integer<int>(image[directory + 1]), 0x10); // RVA 0x1000
    image[directory + 1] = std::byte(0);
    EXPECT_EQ(LoadModuleFromMemory(image), 0u);
}

TEST(ResourceModule, BareNameResolvesAgainstCurrentFolder)
{
    TTempDir dir;
    WriteFile(dir.Path() / "Sounds.dll", BuildResourceLibrary(SampleResources()));
    fs::create_directory(dir.Path() / "mods");
    WriteFile(dir.Path() / "mods" / "Keys.dll", BuildResourceLibrary(SampleResources()));
    const fs::path previous = fs::current_path();
    fs::current_path(dir.Path());
    const TModuleHandle bare = LoadLibraryA("Sounds.dll");
    const TModuleHandle noExtension = LoadLibraryA("Sounds");
    const TModuleHandle wrongCase = LoadLibraryA("sounds.dll");
    const TModuleHandle backslash = LoadLibraryA("mods\\Keys.dll");
    fs::current_path(previous);
    EXPECT_NE(backslash, 0u) << "a settings file written on the original platform";
    FreeLibrary(backslash);
    EXPECT_NE(bare, 0u);
    EXPECT_NE(noExtension, 0u) << "the library extension is added to a name without one";
    EXPECT_EQ(wrongCase, 0u) << "file names are case-sensitive here";
    EXPECT_NE(bare, noExtension) << "every load has its own handle";
    EXPECT_EQ(Find(noExtension, TResourceType::Named("WAVE"), "SOUND_1"), "RIFF-one");
    FreeLibrary(bare);
    FreeLibrary(noExtension);
}

// Every prefix of a module, and every byte of it overwritten, loads as no module or as a
// module whose resources are all bytes of the original; nothing reads outside the buffer.
TEST(ResourceModule, TruncatedAndCorruptedModulesNeverMisread)
{
    const auto image = BuildResourceLibrary(SampleResources());
    const std::string original = Text(image);
    auto checkConsistent = [&](TModuleHandle module, const std::vector<std::byte>& bytes) {
        for (const TResourceInfo& info : EnumResources(module)) {
            ASSERT_LE(info.Data.size(), bytes.size());
            const std::string data = Text(info.Data);
            EXPECT_NE(Text(bytes).find(data), std::string::npos);
        }
    };
    int loaded = 0;
    for (std::size_t length = 0; length < image.size(); ++length) {
        std::vector<std::byte> prefix(image.begin(), image.begin() + std::ptrdiff_t(length));
        const TModuleHandle module = LoadModuleFromMemory(prefix);
        if (module == 0)
            continue;
        ++loaded;
        checkConsistent(module, prefix);
        FreeLibrary(module);
    }
    EXPECT_EQ(loaded, 0) << "a cut section makes the file no module";

    int stillLoading = 0;
    for (std::size_t at = 0; at < 0x400 && at < image.size(); ++at) {
        for (int value : { 0x00, 0x7F, 0x80, 0xFF }) {
            auto corrupt = image;
            corrupt[at] = std::byte(value);
            const TModuleHandle module = LoadModuleFromMemory(corrupt);
            if (module == 0)
                continue;
            ++stillLoading;
            checkConsistent(module, corrupt);
            (void)FindResourceData(module, TResourceType::Named("WAVE"), "SOUND_1");
            FreeLibrary(module);
        }
    }
    EXPECT_GT(stillLoading, 0) << "damage to unused header fields does not matter";
}

// Directories may point at each other. A root whose many entries all point back at itself
// would make a naive three-level walk visit billions of entries.
TEST(ResourceModule, SelfReferencingDirectoriesAreRefusedQuickly)
{
    auto image = BuildResourceLibrary({ Resource(TPEResourceId::Number(RT_RCDATA), TPEResourceId::Number(1), "x") });
    const std::size_t section = 0x200;
    const std::size_t entries = 2000;
    image.resize(section + 16 + entries * 8 + 0x200, std::byte(0));
    // Section raw size and the resource directory size must cover the enlarged table.
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            image[at + std::size_t(i)] = std::byte((v >> (8 * i)) & 0xFF);
    };
    const std::size_t sectionHeader = 0x80 + 4 + 20 + 240;
    const auto rawSize = std::uint32_t(image.size() - section);
    put32(sectionHeader + 8, rawSize);
    put32(sectionHeader + 16, rawSize);
    image[section + 14] = std::byte(entries & 0xFF);
    image[section + 15] = std::byte(entries >> 8);
    for (std::size_t i = 0; i < entries; ++i) {
        put32(section + 16 + i * 8, std::uint32_t(i + 1));
        put32(section + 16 + i * 8 + 4, 0x80000000u);
    }
    // Walked to the end, this would load as a module without resources; the walk gives up
    // after a million entries instead and refuses the file.
    EXPECT_EQ(LoadModuleFromMemory(image), 0u);
}

TEST(ResourceModule, ReadsModulesLinkedByMinGW)
{
    if (!HaveTool("x86_64-w64-mingw32-windres") || !HaveTool("x86_64-w64-mingw32-ld") || !HaveTool("cpp"))
        GTEST_SKIP() << "MinGW binutils are not installed";
    TTempDir dir;
    const fs::path d = dir.Path();
    WriteFile(d / "a.wav", Bytes("RIFF-sound"));
    WriteFile(d / "p.gif", Bytes("GIF89a-pattern"));
    std::ofstream(d / "m.rc") << "SOUND_1 WAVE \"a.wav\"\nPattern_1 RCDATA \"p.gif\"\n42 RCDATA \"a.wav\"\n";
    const std::string build = "cd '" + d.string() +
                              "' && x86_64-w64-mingw32-windres --preprocessor=cpp -i m.rc -O coff -o m.o"
                              " && x86_64-w64-mingw32-ld --dll -e 0 --subsystem windows -o m.dll m.o 2>&1";
    ASSERT_EQ(std::system(build.c_str()), 0) << build;
    const TModuleHandle module = LoadLibraryA((d / "m.dll").string());
    ASSERT_NE(module, 0u);
    EXPECT_EQ(Find(module, TResourceType::Named("WAVE"), "sound_1"), "RIFF-sound");
    EXPECT_EQ(Find(module, TResourceType::Numeric(RT_RCDATA), "PATTERN_1"), "GIF89a-pattern");
    EXPECT_EQ(Find(module, TResourceType::Numeric(RT_RCDATA), "#42"), "RIFF-sound");
    FreeLibrary(module);
}

TEST(ResourceModule, MinGWObjdumpListsOurResourceDirectory)
{
    if (!HaveTool("x86_64-w64-mingw32-objdump"))
        GTEST_SKIP() << "MinGW binutils are not installed";
    TTempDir dir;
    for (TPEFormat format : { TPEFormat::PE32Plus, TPEFormat::PE32 }) {
        const fs::path file = dir.Path() / "m.dll";
        WriteFile(file, BuildResourceLibrary(SampleResources(), format));
        const std::string dump = Capture("x86_64-w64-mingw32-objdump -p '" + file.string() + "' 2>&1");
        EXPECT_NE(dump.find(format == TPEFormat::PE32 ? "pei-i386" : "pei-x86-64"), std::string::npos) << dump;
        EXPECT_NE(dump.find("DLL"), std::string::npos) << dump;
        EXPECT_NE(dump.find("Resource Directory [.rsrc]"), std::string::npos) << dump;
        EXPECT_NE(dump.find("name: [val: "), std::string::npos);
        for (const char* expected : { "WAVE", "SOUND_1", "SOUND_2", "PICTURE_1", "MULTI", "ID: 0x000407" })
            EXPECT_NE(dump.find(expected), std::string::npos) << expected << "\n" << dump;
        // A leaf for each of the seven resources, at an address inside the section.
        std::size_t leaves = 0;
        for (auto at = dump.find("Leaf: Addr: 0x001"); at != std::string::npos; at = dump.find("Leaf: Addr: 0x001", at + 1))
            ++leaves;
        EXPECT_EQ(leaves, 7u) << dump;
    }
}
