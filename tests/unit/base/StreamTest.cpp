#include "base/Stream.h"

#include "base/Exceptions.h"
#include "pictures/Bitmap.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// What a picture load reports for a path that cannot be read as a file: the "Cannot open
// file" text with the path, or "" when it did not fail that way.
std::string OpenErrorOf(const std::string& path)
{
    try {
        TBitmap bitmap;
        bitmap.LoadFromFile(path);
    } catch (const EFOpenError& error) {
        return error.Message();
    }
    return "";
}

} // namespace

TEST(FileStream, ReadsARegularFileWhole)
{
    TTempDir dir;
    const std::string path = (dir.Path() / "bytes.bin").string();
    std::ofstream(path, std::ios::binary) << "Kedoozle";
    TFileStream stream(path);
    EXPECT_EQ(stream.Size(), 8u);
}

TEST(FileStream, SomethingThatIsNotAFileCannotBeOpened)
{
    TTempDir dir;
    const std::string missing = (dir.Path() / "missing.bmp").string();
    EXPECT_EQ(OpenErrorOf(missing), "Cannot open file " + missing);

    // A folder named like a picture used to ask for an impossible buffer.
    const std::string folder = (dir.Path() / "folder.bmp").string();
    std::filesystem::create_directory(folder);
    EXPECT_EQ(OpenErrorOf(folder), "Cannot open file " + folder);

    // A pipe with no writer would block the program for ever if it were read.
    const std::string pipe = (dir.Path() / "pipe.bmp").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(OpenErrorOf(pipe), "Cannot open file " + pipe);

    EXPECT_EQ(OpenErrorOf("/dev/zero"), "Cannot open file /dev/zero");
}
