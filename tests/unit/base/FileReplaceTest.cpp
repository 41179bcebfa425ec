#include "base/FileReplace.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

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

} // namespace
