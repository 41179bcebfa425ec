#include "base/FileReplace.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Read(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

std::size_t Entries(const std::filesystem::path& folder)
{
    return std::size_t(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(FileReplace, TheFileIsTheWholeNewContentWithTheGivenModeAndNothingElseIsLeft)
{
    TTempDir dir;
    const auto file = dir.Path() / "Kedoozle.ini";
    ASSERT_TRUE(ReplaceFileWhole(file.string(), "[Settings]\nPlayMode=2\n", 0600));
    EXPECT_EQ(Read(file), "[Settings]\nPlayMode=2\n");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);

    // Replacing a longer file leaves none of its tail; binary bytes pass unchanged.
    const std::string shorter("a\0b", 3);
    ASSERT_TRUE(ReplaceFileWhole(file.string(), shorter, 0644));
    EXPECT_EQ(Read(file), shorter);
    ASSERT_TRUE(ReplaceFileWhole(file.string(), "", 0644));
    EXPECT_EQ(Read(file), "");
    EXPECT_EQ(Entries(dir.Path()), 1u);
}

TEST(FileReplace, AFailureLeavesWhatWasThereAndNoTemporaryFile)
{
    TTempDir dir;
    // No folder to write in.
    EXPECT_FALSE(ReplaceFileWhole((dir.Path() / "missing" / "Kedoozle.ini").string(), "x", 0644));
    // A folder where the file should be cannot be replaced by a file.
    const auto folder = dir.Path() / "Kedoozle.ini";
    std::filesystem::create_directory(folder);
    std::ofstream(folder / "inside") << "kept";
    EXPECT_FALSE(ReplaceFileWhole(folder.string(), "x", 0644));
    EXPECT_EQ(Read(folder / "inside"), "kept");
    EXPECT_EQ(Entries(dir.Path()), 1u);
}

TEST(FileReplace, AStartRemovesOnlyTheTemporaryFilesOfDeadSaves)
{
    TTempDir dir;
    const auto folder = dir.Path();
    const auto ini = folder / "Kedoozle.ini";
    std::ofstream(ini) << "[Settings]\n";
    // Left by saves that were killed: a part and a whole copy.
    std::ofstream(folder / ".Kedoozle.ini.a1B2c3") << "[Sett";
    std::ofstream(folder / ".Kedoozle.ini.ZZZZZZ") << "[Settings]\n";
    // Not this program's temporary files of this settings file.
    const char* others[] = { ".Kedoozle.ini.abc12", ".Kedoozle.ini.abc1234", ".Kedoozle.ini.ab-de_",
                             "Kedoozle.ini.abcdef", ".Other.ini.abcdef", ".Kedoozle.ini.abcdef.bak" };
    for (const char* name : others)
        std::ofstream(folder / name) << "x";
    std::filesystem::create_directory(folder / ".Kedoozle.ini.folder");
    std::filesystem::create_directory(folder / "sub");
    std::ofstream(folder / "sub" / ".Kedoozle.ini.qwerty") << "x";
    std::ofstream(folder / "target") << "x";
    std::filesystem::create_symlink(folder / "target", folder / ".Kedoozle.ini.link00");

    // While a save in another process holds the folder, its file may be among them: nothing
    // goes (a second descriptor's lock conflicts as another process's does).
    const int save = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(save, 0);
    ASSERT_EQ(::flock(save, LOCK_EX), 0);
    EXPECT_EQ(RemoveStaleReplaceFiles(ini.string()), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / ".Kedoozle.ini.a1B2c3"));
    ::close(save);

    EXPECT_EQ(RemoveStaleReplaceFiles(ini.string()), 2);
    EXPECT_FALSE(std::filesystem::exists(folder / ".Kedoozle.ini.a1B2c3"));
    EXPECT_FALSE(std::filesystem::exists(folder / ".Kedoozle.ini.ZZZZZZ"));
    EXPECT_EQ(Read(ini), "[Settings]\n");
    for (const char* name : others)
        EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    EXPECT_TRUE(std::filesystem::is_directory(folder / ".Kedoozle.ini.folder"));
    EXPECT_TRUE(std::filesystem::exists(folder / "sub" / ".Kedoozle.ini.qwerty"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / ".Kedoozle.ini.link00"));
    EXPECT_TRUE(std::filesystem::exists(folder / "target"));
}

TEST(FileReplace, ASaveBesideAnotherStartsCleanupAlwaysLands)
{
    TTempDir dir;
    const auto ini = dir.Path() / "Kedoozle.ini";
    std::atomic<bool> saving { true };
    std::thread cleanup([&] {
        while (saving)
            RemoveStaleReplaceFiles(ini.string());
    });
    int failed = 0;
    for (int i = 0; i < 200; ++i)
        failed += ReplaceFileWhole(ini.string(), "[Settings]\nPlayMode=" + std::to_string(i) + "\n", 0644) ? 0 : 1;
    saving = false;
    cleanup.join();
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(Read(ini), "[Settings]\nPlayMode=199\n");
    EXPECT_EQ(Entries(dir.Path()), 1u);
}

} // namespace
