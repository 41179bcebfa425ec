#include "app/PlaySettings.h"

#include "app/ProgramPaths.h"
#include "base/IniFile.h"
#include "paint/ColorData.h"
#include "play/KeyData.h"
#include "play/PlayState.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

class PlaySettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitColorData(24, 0, 0);
        InitKeyData();
        SetProgramFolder(temp.Path().string());
    }
    void TearDown() override
    {
        SetProgramFolder("");
        FinalizeKeyData();
    }
    void WriteIni(const std::string& text)
    {
        std::ofstream file(SettingsFilePath(), std::ios::binary);
        file << text;
    }
    std::string SettingsLines()
    {
        std::ifstream file(SettingsFilePath(), std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    TPlaySettings Read()
    {
        TPlaySettings settings;
        settings.Read(TIniFile(SettingsFilePath()), state);
        return settings;
    }

    TTempDir temp;
    TPlayState state;
};

} // namespace

TEST_F(PlaySettingsTest, ThePlayTimeLimitIsOffUnlessSetAndKeptBetweenFiveAndSixtyMinutes)
{
    EXPECT_EQ(Read().PlayTimeLimitSeconds, 0); // no settings file
    struct TCase {
        const char* Lines;
        int Seconds;
    };
    const TCase cases[] = {
        { "PlayTimeLimit=0\n", 0 },        { "PlayTimeLimit=-7\n", 0 },     { "PlayTimeLimit=soon\n", 0 },
        { "PlayTimeLimit=1\n", 5 * 60 },   { "PlayTimeLimit=5\n", 5 * 60 }, { "PlayTimeLimit=25\n", 25 * 60 },
        { "PlayTimeLimit=60\n", 60 * 60 }, { "PlayTimeLimit=600\n", 60 * 60 },
        // Seconds, for tests and for trying it out, win over the minutes; none or 0 leaves them.
        { "PlayTimeLimit=30\nPlayTimeLimitSeconds=4\n", 4 },
        { "PlayTimeLimit=30\nPlayTimeLimitSeconds=0\n", 30 * 60 },
        { "PlayTimeLimitSeconds=-3\n", 0 },
        { "PlayTimeLimitSeconds=99999\n", 60 * 60 },
    };
    for (const TCase& c : cases) {
        WriteIni(std::string("[Settings]\n") + c.Lines);
        EXPECT_EQ(Read().PlayTimeLimitSeconds, c.Seconds) << c.Lines;
    }
}

TEST_F(PlaySettingsTest, TheChildMayChangeSoundAndModeUnlessAParentSaysNo)
{
    WriteIni("[Settings]\nSound=0\n");
    TPlaySettings settings = Read();
    EXPECT_TRUE(settings.ChildMayChangeSound);
    EXPECT_TRUE(settings.ChildMayChangeMode);
    WriteIni("[Settings]\nChildMayChangeSound=0\nChildMayChangeMode=0\n");
    settings = Read();
    EXPECT_FALSE(settings.ChildMayChangeSound);
    EXPECT_FALSE(settings.ChildMayChangeMode);
}

TEST_F(PlaySettingsTest, WhatTheChildMayNotChangeIsSavedAsTheParentWroteIt)
{
    // Values the program would write differently (a mode taken by its low byte, a word for
    // on) and a key of their own case: none of those lines changes.
    const std::string parent = "[Settings]\nplaymode = 260\nSound=yes\nEraseLimit=25\n"
                               "ChildMayChangeSound=0\nChildMayChangeMode=0\n";
    WriteIni(parent);
    TPlaySettings settings = Read();
    EXPECT_EQ(state.PlayMode(), KeyType);
    settings.SoundOn = false;
    state.SetPlayMode(ShapeType);
    settings.Save(state);
    EXPECT_EQ(SettingsLines().substr(0, parent.size()), parent);

    // Allowed, both are written back as play left them.
    WriteIni("[Settings]\nPlayMode=4\nSound=1\n");
    settings = Read();
    settings.SoundOn = false;
    state.SetPlayMode(ShapeType);
    settings.Save(state);
    TIniFile saved(SettingsFilePath());
    EXPECT_EQ(saved.ReadString("Settings", "PlayMode", ""), "2");
    EXPECT_EQ(saved.ReadString("Settings", "Sound", ""), "0");
}
