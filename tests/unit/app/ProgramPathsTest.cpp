#include "app/ProgramPaths.h"

#include "base/IniFile.h"
#include "tests/support/EnvironmentVariable.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteText(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

constexpr const char* ProgramIni = "[Settings]\nPlayMode=3\n[Modules]\nSounds=Sounds.dll\n[1]\nCaption=A\n";

class ProgramPathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = temp.Path() / "program";
        config = temp.Path() / "config";
        fs::create_directory(program);
        WriteText(program / "Kedoozle.ini", ProgramIni);
        configHome.Set(config.string());
        SetProgramFolder(program.string());
    }
    void TearDown() override
    {
        // Give the folders back their write permission, so they can be removed.
        fs::permissions(program, fs::perms::owner_all, fs::perm_options::add);
        SetProgramFolder("");
    }
    // A system-wide install: nobody may write the program's folder or its files.
    void MakeProgramReadOnly()
    {
        if (fs::exists(program / "Kedoozle.ini"))
            fs::permissions(program / "Kedoozle.ini", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    }
    fs::path UserIni() const { return config / "kedoozle" / "Kedoozle.ini"; }

    TTempDir temp;
    fs::path program, config;
    TEnvironmentVariable configHome { "XDG_CONFIG_HOME" };
    TEnvironmentVariable home { "HOME" };
};

TEST_F(ProgramPathsTest, WritableProgramFolderKeepsEverythingThere)
{
    ASSERT_TRUE(IsPortable());
    fs::create_directories(config / "kedoozle");
    WriteText(config / "kedoozle" / "Sounds.dll", "user's");
    EXPECT_EQ(SettingsFilePath(), program.string() + "/Kedoozle.ini");
    EXPECT_EQ(SettingsFileToRead(), SettingsFilePath());
    EXPECT_EQ(ModulePath("Sounds.dll"), "Sounds.dll");
    SeedUserSettings();
    EXPECT_FALSE(fs::exists(UserIni()));
}

TEST_F(ProgramPathsTest, ReadOnlySettingsFileInWritableFolderStaysPortable)
{
    fs::permissions(program / "Kedoozle.ini", fs::perms::owner_read);
    EXPECT_TRUE(IsPortable());
    EXPECT_EQ(SettingsFilePath(), program.string() + "/Kedoozle.ini");
    EXPECT_FALSE(fs::exists(config / "kedoozle"));
}

TEST_F(ProgramPathsTest, ReadOnlyProgramFolderMovesSettingsToTheUserAndSeedsThem)
{
    MakeProgramReadOnly();
    ASSERT_FALSE(IsPortable());
    EXPECT_EQ(SettingsFilePath(), UserIni().string());
    EXPECT_EQ(SettingsFileToRead(), UserIni().string());
    EXPECT_EQ(ReadText(UserIni()), ProgramIni);
    // The copy is the user's to change, though the program folder's file is read-only.
    EXPECT_NE(fs::status(UserIni()).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(fs::status(config / "kedoozle").permissions() & fs::perms::all, fs::perms::owner_all);
    for (const auto& entry : fs::directory_iterator(config / "kedoozle"))
        EXPECT_EQ(entry.path().filename(), "Kedoozle.ini") << "a temporary file was left";

    // Saved settings are read back from the user's copy and never seeded over.
    {
        TIniFile ini(SettingsFilePath());
        ini.WriteInteger("Settings", "PlayMode", 1);
        ini.UpdateFile();
    }
    SeedUserSettings();
    EXPECT_EQ(TIniFile(SettingsFileToRead()).ReadInteger("Settings", "PlayMode", -1), 1);
    EXPECT_EQ(TIniFile(SettingsFileToRead()).ReadString("Modules", "Sounds", ""), "Sounds.dll");
    EXPECT_EQ(ReadText(program / "Kedoozle.ini"), ProgramIni);
}

TEST_F(ProgramPathsTest, UserFolderFollowsTheBaseDirectoryRules)
{
    MakeProgramReadOnly();
    home.Set((temp.Path() / "home").string());
    configHome.Unset();
    EXPECT_EQ(UserSettingsFolder(), (temp.Path() / "home/.config/kedoozle/").string());
    configHome.Set("relative/config"); // only an absolute path counts
    EXPECT_EQ(UserSettingsFolder(), (temp.Path() / "home/.config/kedoozle/").string());
    configHome.Set(config.string() + "/");
    EXPECT_EQ(UserSettingsFolder(), (config / "kedoozle/").string());
}

TEST_F(ProgramPathsTest, WithoutAPlaceForTheUserCopyTheProgramsSettingsAreRead)
{
    MakeProgramReadOnly();
    WriteText(temp.Path() / "file", "");
    configHome.Set((temp.Path() / "file").string()); // a file where the folder should be
    EXPECT_EQ(SettingsFileToRead(), program.string() + "/Kedoozle.ini");
    EXPECT_EQ(SettingsFilePath(), (temp.Path() / "file/kedoozle/Kedoozle.ini").string());
}

TEST_F(ProgramPathsTest, NoSettingsToCopyGivesNoUserFile)
{
    fs::remove(program / "Kedoozle.ini");
    MakeProgramReadOnly();
    SeedUserSettings();
    EXPECT_FALSE(fs::exists(UserIni()));
    EXPECT_EQ(SettingsFilePath(), UserIni().string());
}

TEST_F(ProgramPathsTest, InstalledModulesAreLookedForInTheUserFolderFirst)
{
    MakeProgramReadOnly();
    fs::create_directories(config / "kedoozle" / "Sub.dll");
    WriteText(config / "kedoozle" / "Mine.dll", "user's");
    EXPECT_EQ(ModulePath("Mine.dll"), (config / "kedoozle" / "Mine.dll").string());
    EXPECT_EQ(ModulePath("Sounds.dll"), "Sounds.dll"); // the program folder's, as before
    EXPECT_EQ(ModulePath("Sub.dll"), "Sub.dll");       // a folder is no module
    EXPECT_EQ(ModulePath("../kedoozle/Mine.dll"), "../kedoozle/Mine.dll");
    EXPECT_EQ(ModulePath("/abs/Mine.dll"), "/abs/Mine.dll");
}

// Installed under a prefix: the program in lib/kedoozle, its settings and modules in
// share/kedoozle, read-only; the user's copy is made from the data folder's file.
TEST_F(ProgramPathsTest, InstalledDataComesFromTheSharedDataFolder)
{
    const fs::path lib = temp.Path() / "usr" / "lib" / "kedoozle";
    const fs::path share = temp.Path() / "usr" / "share" / "kedoozle";
    fs::create_directories(lib);
    SetProgramFolder(lib.string());
    EXPECT_EQ(DataFolder(), lib.string() + "/"); // no data folder yet: everything beside the program

    fs::create_directories(share);
    WriteText(share / "Kedoozle.ini", ProgramIni);
    EXPECT_EQ(DataFolder(), share.string() + "/");
    fs::permissions(share, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(IsPortable());
    EXPECT_EQ(SettingsFileToRead(), UserIni().string());
    EXPECT_EQ(ReadText(UserIni()), ProgramIni);
    fs::permissions(share, fs::perms::owner_all);
}

} // namespace
