#include "base/IniFile.h"

#include "base/Exceptions.h"

#include "tests/support/FileContents.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::size_t FileCount(const fs::path& folder)
{
    return std::size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

class IniFileTest : public ::testing::Test {
protected:
    fs::path File() const { return m_dir.Path() / "Kedoozle.ini"; }
    TTempDir m_dir;
};

} // namespace

TEST(IniFileIntegers, Encodings)
{
    struct TCase {
        const char* Text;
        bool Converts;
        int Value;
    };
    const TCase cases[] = {
        { "260", true, 260 },        { "-1", true, -1 },
        { "+5", true, 5 },           { "0x1F", true, 31 },
        { "0X1f", true, 31 },        { "$1F", true, 31 },
        { "-$1F", true, -31 },       { "0x", false, 0 },
        { "$", false, 0 },           { "x1F", false, 0 },
        { "abc", false, 0 },         { "12abc", false, 0 },
        { "1 2", false, 0 },         { "", false, 0 },
        { "-", false, 0 },           { "2147483647", true, INT_MAX },
        { "-2147483648", true, INT_MIN }, { "2147483648", false, 0 },
        { "99999999999", false, 0 }, { "$7FFFFFFF", true, INT_MAX },
        { "$FFFFFFFF", true, -1 },   { "0x80000000", true, INT_MIN },
        { "$100000000", false, 0 },  { "$000000001F", true, 31 },
        { "  42", true, 42 },        { "0", true, 0 },
    };
    for (const TCase& c : cases) {
        int value = 12345;
        EXPECT_EQ(TryStrToInt(c.Text, value), c.Converts) << '"' << c.Text << '"';
        if (c.Converts) {
            EXPECT_EQ(value, c.Value) << '"' << c.Text << '"';
        }
    }
}

TEST_F(IniFileTest, StoredSettingsReadAsTheProgramExpects)
{
    WriteAll(File(), "[Settings]\nPlayMode=260\nEraseLimit=0x1F\nSound=yes\nShowMessages=2\n"
                     "[A]\nEraseLimit=$1F\nSound=0\nShowMessages=-1\n"
                     "[B]\nEraseLimit=abc\nSound=\nPlayMode=  -1  \n");
    const TIniFile ini(File().string());
    EXPECT_EQ(ini.ReadInteger("Settings", "PlayMode", 0), 260);
    EXPECT_EQ(ini.ReadInteger("Settings", "EraseLimit", 25), 31);
    EXPECT_EQ(ini.ReadInteger("A", "EraseLimit", 25), 31);
    EXPECT_EQ(ini.ReadInteger("B", "EraseLimit", 25), 25);
    EXPECT_EQ(ini.ReadInteger("B", "PlayMode", 0), -1);
    EXPECT_TRUE(ini.ReadBool("Settings", "Sound", true)) << "not a number: the default";
    EXPECT_FALSE(ini.ReadBool("A", "Sound", true));
    EXPECT_TRUE(ini.ReadBool("B", "Sound", true)) << "empty: the default";
    EXPECT_FALSE(ini.ReadBool("B", "Sound", false));
    EXPECT_TRUE(ini.ReadBool("Settings", "ShowMessages", false));
    EXPECT_TRUE(ini.ReadBool("A", "ShowMessages", false));
    EXPECT_EQ(ini.ReadString("B", "Sound", "dflt"), "") << "an empty value is not a missing key";
    EXPECT_EQ(ini.ReadString("B", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Nowhere", "Sound", "dflt"), "dflt");
}

TEST_F(IniFileTest, MatchingIgnoresCaseAndBlanks)
{
    WriteAll(File(), "; comment = not a key\n[ Modules ]\n  Sounds =  Sounds.dll  \nnoequals\n=orphan\n"
                     "[modules]\nKeys=second.dll\nSounds=second.dll\n");
    TIniFile ini(File().string());
    EXPECT_EQ(ini.ReadString("MODULES", "sounds", ""), "Sounds.dll");
    EXPECT_EQ(ini.ReadString("Modules", "Keys", "none"), "none") << "the first of two equal sections wins";
    EXPECT_FALSE(ini.ValueExists("Modules", "noequals"));
    EXPECT_FALSE(ini.ValueExists("Modules", "; comment"));
    EXPECT_TRUE(ini.SectionExists("mOdUlEs"));
    EXPECT_FALSE(ini.SectionExists("Settings"));
}

TEST_F(IniFileTest, WritesReplaceInPlaceAndKeepEverythingElse)
{
    WriteAll(File(), "; Kedoozle settings\n"
                     "[Settings]\n"
                     "; the mode\n"
                     "PlayMode = 2\n"
                     "Custom=keep me\n"
                     "Sound=1\n"
                     "\n"
                     "[1]\n"
                     "KeyName=A\n"
                     "PatternResType=2\n"
                     "\n");
    {
        TIniFile ini(File().string());
        ini.WriteInteger("settings", "playmode", 4);
        ini.WriteInteger("Settings", "EraseLimit", -7);
        ini.WriteBool("Settings", "Sound", false);
        ini.WriteString("1", "KeyName", "B");
        ini.WriteString("2", "KeyName", "=");
        EXPECT_NE(ReadAll(File()).find("PlayMode = 2"), std::string::npos) << "nothing is written before the end";
    }
    EXPECT_EQ(ReadAll(File()), "; Kedoozle settings\n"
                               "[Settings]\n"
                               "; the mode\n"
                               "PlayMode=4\n"
                               "Custom=keep me\n"
                               "Sound=0\n"
                               "EraseLimit=-7\n"
                               "\n"
                               "[1]\n"
                               "KeyName=B\n"
                               "PatternResType=2\n"
                               "\n"
                               "[2]\n"
                               "KeyName==\n");
    const TIniFile again(File().string());
    EXPECT_EQ(again.ReadString("2", "KeyName", ""), "=");
}

TEST_F(IniFileTest, FirstOfTwoEqualKeysIsReadAndWritten)
{
    WriteAll(File(), "[Dup]\nA=1\na=2\n");
    {
        TIniFile ini(File().string());
        EXPECT_EQ(ini.ReadInteger("Dup", "A", 0), 1);
        ini.WriteInteger("Dup", "A", 3);
        EXPECT_EQ(ini.ReadInteger("dup", "a", 0), 3) << "reads see the pending write";
    }
    EXPECT_EQ(ReadAll(File()), "[Dup]\nA=3\na=2\n");
}

TEST_F(IniFileTest, KeepsLineEndingsAndByteOrderMark)
{
    WriteAll(File(), "\xEF\xBB\xBF[Settings]\r\nPlayMode=1\r\n");
    {
        TIniFile ini(File().string());
        EXPECT_EQ(ini.ReadInteger("Settings", "PlayMode", 0), 1) << "the mark is not part of the section name";
        ini.WriteInteger("Settings", "PlayMode", 3);
        ini.WriteInteger("Modules", "X", 1);
    }
    EXPECT_EQ(ReadAll(File()), "\xEF\xBB\xBF[Settings]\r\nPlayMode=3\r\n\r\n[Modules]\r\nX=1\r\n");
}

TEST_F(IniFileTest, EveryLineKeepsItsOwnBreakAndValuesLeaveBreaksAndBlanksOut)
{
    // CR CR LF is a CR LF file converted to CR LF once more; a lone CR ends a line too; the
    // last line has no break.
    const std::string text = "[Settings]\r\r\nPlayMode=3 \t\r\r\nEraseLimit=\t$1F\r\nSound=0\n"
                             "[1]\rKeyName=Enter\r\r\nShape = 7\t";
    WriteAll(File(), text);
    {
        TIniFile ini(File().string());
        EXPECT_EQ(ini.ReadInteger("Settings", "PlayMode", 0), 3);
        EXPECT_EQ(ini.ReadInteger("Settings", "EraseLimit", 0), 31);
        EXPECT_FALSE(ini.ReadBool("Settings", "Sound", true));
        EXPECT_EQ(ini.ReadString("1", "KeyName", ""), "Enter");
        EXPECT_EQ(ini.ReadInteger("1", "Shape", 0), 7);
        // Writing what is there changes nothing; the file is not even rewritten.
        ini.WriteInteger("Settings", "PlayMode", 3);
        ini.WriteInteger("1", "Shape", 7);
        ini.WriteString("1", "KeyName", "Enter");
    }
    EXPECT_EQ(ReadAll(File()), text);
    {
        TIniFile ini(File().string());
        ini.WriteInteger("Settings", "Sound", 1);
        ini.WriteInteger("1", "Shape", 8);
        ini.WriteString("1", "PictureFile", "a.gif");
    }
    // Only the changed lines change; added lines end as the file's first line does.
    EXPECT_EQ(ReadAll(File()), "[Settings]\r\r\nPlayMode=3 \t\r\r\nEraseLimit=\t$1F\r\nSound=1\n"
                               "[1]\rKeyName=Enter\r\r\nShape=8\r\r\nPictureFile=a.gif\r\r\n");
}

TEST_F(IniFileTest, LineBreaksInWrittenTextsCannotForgeSections)
{
    {
        TIniFile ini(File().string());
        ini.WriteString("1", "KeyName", "x\r\n[Settings]\nPlayMode=3");
    }
    const TIniFile ini(File().string());
    EXPECT_FALSE(ini.SectionExists("Settings"));
    EXPECT_EQ(ini.ReadString("1", "KeyName", ""), "x  [Settings] PlayMode=3");
}

TEST_F(IniFileTest, KeysStartingWithABracketDoNotStartASection)
{
    {
        TIniFile ini(File().string());
        ini.WriteString("Settings", "[]", "value");
        ini.WriteInteger("Settings", "EraseLimit", -25);
    }
    const TIniFile ini(File().string());
    EXPECT_EQ(ini.ReadString("Settings", "[]", ""), "value");
    EXPECT_EQ(ini.ReadInteger("Settings", "EraseLimit", 0), -25);
    EXPECT_FALSE(ini.SectionExists(""));
}

TEST_F(IniFileTest, LongTextsAreCutTo2047Characters)
{
    {
        TIniFile ini(File().string());
        ini.WriteString("1", "SoundFile", std::string(3000, 'a'));
    }
    const TIniFile ini(File().string());
    EXPECT_EQ(ini.ReadString("1", "SoundFile", "").size(), 2047u);
}

TEST_F(IniFileTest, MissingFileGivesDefaultsAndIsCreatedOnFirstWrite)
{
    {
        const TIniFile ini(File().string());
        EXPECT_EQ(ini.ReadInteger("Settings", "EraseLimit", 25), 25);
    }
    EXPECT_FALSE(fs::exists(File())) << "reading alone creates nothing";
    {
        TIniFile ini(File().string());
        ini.WriteInteger("Settings", "PlayMode", 0);
        ini.WriteInteger("Settings", "EraseLimit", 25);
        ini.WriteBool("Settings", "Sound", true);
        ini.WriteString("1", "KeyName", "");
    }
    EXPECT_EQ(ReadAll(File()), "[Settings]\nPlayMode=0\nEraseLimit=25\nSound=1\n\n[1]\nKeyName=\n");
    EXPECT_EQ(FileCount(m_dir.Path()), 1u) << "no temporary file is left";
}

TEST_F(IniFileTest, UnchangedValuesDoNotRewriteTheFile)
{
    WriteAll(File(), "[Settings]\nPlayMode = 1\n");
    {
        TIniFile ini(File().string());
        ini.WriteInteger("Settings", "PlayMode", 1);
    }
    EXPECT_EQ(ReadAll(File()), "[Settings]\nPlayMode = 1\n");
}

TEST_F(IniFileTest, FailedWriteNamesTheFullPathAndKeepsChangesPending)
{
    fs::create_directory(File()); // a folder where the file should be
    const fs::path previous = fs::current_path();
    fs::current_path(m_dir.Path());
    {
        TIniFile ini("Kedoozle.ini");
        ini.WriteInteger("Settings", "PlayMode", 2);
        try {
            ini.UpdateFile();
            FAIL() << "no exception";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + File().string());
        }
        EXPECT_THROW(ini.UpdateFile(), EIniFileException) << "the change is still pending";
        fs::remove(File());
        EXPECT_NO_THROW(ini.UpdateFile());
    }
    fs::current_path(previous);
    EXPECT_EQ(ReadAll(File()), "[Settings]\nPlayMode=2\n");
    {
        TIniFile ini(File().string());
        ini.WriteInteger("Settings", "PlayMode", 3);
        ini.DiscardChanges();
    }
    EXPECT_EQ(ReadAll(File()), "[Settings]\nPlayMode=2\n") << "discarded changes were written at release";

    const fs::path missingFolder = m_dir.Path() / "no" / "such" / "Kedoozle.ini";
    TIniFile ini(missingFolder.string());
    ini.WriteInteger("Settings", "PlayMode", 2);
    EXPECT_THROW(ini.UpdateFile(), EIniFileException);
    // Its destructor tries again and fails quietly.
}

// A write that runs out of space fails part-way; the old file must stay as it was and no
// temporary file may be left. The file-size limit stands in for a full disk (it also binds
// root, unlike permission bits).
TEST_F(IniFileTest, FailedWriteLeavesTheOldFileIntact)
{
    const std::string original = "[Settings]\nPlayMode=1\n";
    WriteAll(File(), original);
    TIniFile ini(File().string());
    ini.WriteString("1", "KeyName", std::string(1500, 'k'));

    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool raised = false;
    try {
        ini.UpdateFile();
    } catch (const EIniFileException&) {
        raised = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(raised);
    EXPECT_EQ(ReadAll(File()), original);
    EXPECT_EQ(FileCount(m_dir.Path()), 1u) << "the partial temporary file is removed";
    ini.UpdateFile();
    EXPECT_NE(ReadAll(File()).find(std::string(1500, 'k')), std::string::npos);
}

TEST_F(IniFileTest, ReadOnlyFileIsNeverReplaced)
{
    const std::string original = "[Settings]\nPlayMode=1\n";
    const fs::path real = m_dir.Path() / "real.ini";
    const fs::path link = m_dir.Path() / "link.ini";
    for (const fs::path& path : { File(), real }) {
        WriteAll(path, original);
        fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    fs::create_symlink(real, link);
    for (const fs::path& path : { File(), link }) {
        TIniFile ini(path.string());
        ini.WriteInteger("Settings", "PlayMode", 3);
        try {
            ini.UpdateFile();
            ADD_FAILURE() << path << ": no exception";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + path.string());
        }
    }
    EXPECT_EQ(ReadAll(File()), original);
    EXPECT_EQ(ReadAll(real), original);
    EXPECT_EQ(fs::status(File()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(FileCount(m_dir.Path()), 3u) << "no temporary file is left";
}

TEST_F(IniFileTest, WritesThroughASymbolicLink)
{
    const fs::path real = m_dir.Path() / "real.ini";
    WriteAll(real, "[Settings]\nPlayMode=1\n");
    fs::create_symlink(real, File());
    {
        TIniFile ini(File().string());
        ini.WriteInteger("Settings", "PlayMode", 3);
    }
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(ReadAll(real), "[Settings]\nPlayMode=3\n");
}
