#include "app/MainForm.h"

#include "app/ProgramPaths.h"
#include "base/IniFile.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"
#include "play/PlayState.h"
#include "tests/support/EnvironmentVariable.h"
#include "tests/support/TempDir.h"
#include "widgetkit/Application.h"
#include "widgetkit/KDCtrls.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

constexpr const char* ProgramIni = "[Settings]\nPlayMode=3\nSound=0\n";

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The main window run from a program folder nobody may write, as after a system-wide install.
class InstalledSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitColorData(24, 0, 0);
        InitKeyData();
        RegisterPictureFormats();
        SetExceptionHandler([this](const std::string& message) { errors.push_back(message); });
        program = temp.Path() / "program";
        fs::create_directory(program);
        std::ofstream(program / "Kedoozle.ini") << ProgramIni;
        fs::permissions(program, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        SetProgramFolder(program.string());
        configHome.Set((temp.Path() / "config").string());
    }
    void TearDown() override
    {
        fs::permissions(program, fs::perms::owner_write, fs::perm_options::add);
        SetProgramFolder("");
        SetExceptionHandler({});
        FinalizeKeyData();
    }

    TTempDir temp;
    fs::path program;
    TEnvironmentVariable configHome { "XDG_CONFIG_HOME" };
    std::vector<std::string> errors;
};

TEST_F(InstalledSettingsTest, PlayStartsFromTheProgramsSettingsAndEndsInTheUsersCopy)
{
    const fs::path userIni = temp.Path() / "config/kedoozle/Kedoozle.ini";
    {
        TFrmKedoozle form;
        form.FormCreate();
        EXPECT_EQ(form.PbxDisplay()->State().PlayMode(), PictureType);
        EXPECT_FALSE(form.Settings().SoundOn);
        form.PbxDisplay()->State().SetPlayMode(ShapeType);
        form.FormDestroy();
    }
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(SettingsFilePath(), userIni.string());
    TIniFile ini(userIni.string());
    EXPECT_EQ(ini.ReadInteger("Settings", "PlayMode", -1), ShapeType);
    EXPECT_EQ(ini.ReadInteger("Settings", "Sound", -1), 0);
    EXPECT_TRUE(ini.SectionExists("88"));
    EXPECT_EQ(ReadText(program / "Kedoozle.ini"), ProgramIni);

    TFrmKedoozle again;
    again.FormCreate();
    EXPECT_EQ(again.PbxDisplay()->State().PlayMode(), ShapeType);
    again.FormDestroy();
}

TEST_F(InstalledSettingsTest, NoPlaceForTheUsersCopyPlaysOnAndTheFailedSaveNamesIt)
{
    std::ofstream(temp.Path() / "file") << "";
    configHome.Set((temp.Path() / "file").string()); // a file where the folder should be
    TFrmKedoozle form;
    form.FormCreate();
    EXPECT_EQ(form.PbxDisplay()->State().PlayMode(), PictureType);
    form.FormDestroy();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Unable to write to " + (temp.Path() / "file/kedoozle/Kedoozle.ini").string());
    EXPECT_EQ(ReadText(program / "Kedoozle.ini"), ProgramIni);
}

} // namespace
