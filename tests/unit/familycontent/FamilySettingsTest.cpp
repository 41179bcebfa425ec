// The settings window's model on a copy of the ready program folder: what a parent changes
// reaches the user's files whole or not at all, and nothing else moves.
#include "app/ProgramPaths.h"
#include "familycontent/ContentError.h"
#include "familycontent/FamilySettings.h"
#include "familycontent/PackSound.h"

#include <QImage>

#include <gtest/gtest.h>

#include "tests/support/FileContents.h"
#include "tests/support/TempDir.h"

#include <cmath>
#include <map>
#include <numbers>

namespace fs = std::filesystem;

namespace {

constexpr int KeyA = 1;
constexpr int KeyD = 4;

// Every file under `folder` with its bytes.
std::map<fs::path, std::string> Files(const fs::path& folder)
{
    std::map<fs::path, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path()] = ReadAll(entry.path());
    return files;
}

std::vector<float> Tone(double seconds, int rate)
{
    std::vector<float> samples(std::size_t(seconds * rate));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = float(0.5 * std::sin(2 * std::numbers::pi * 330 * double(i) / rate));
    return samples;
}

class FamilySettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(m_program);
        for (const char* file : { "Kedoozle.ini", "Pictures.dll", "Patterns.dll", "Sounds.dll", "Keys.dll" })
            fs::copy_file(fs::path(KD_BINARY_DIR) / "dist" / file, m_program / file);
        // a setting of a later version, spelled as a parent might
        std::string ini = ReadAll(m_program / "Kedoozle.ini");
        ini.insert(ini.find("\n") + 1, "FutureThing =  x  y \n");
        WriteAll(m_program / "Kedoozle.ini", ini);
        QImage photo(300, 200, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x * 255 / 300, y * 255 / 200, (x * y) % 256));
        ASSERT_TRUE(photo.save(QString::fromStdString(Photo().string()), "PNG"));
        const TPackedSound sound = PackSamples(Tone(1.0, 44100), 44100);
        ASSERT_TRUE(WriteAll(Recording(), sound.Wave));
    }

    // Installed: the user's settings and modules in a folder of their own, not there yet.
    TFamilyPaths Paths() const { return { m_program, m_config / "Kedoozle.ini", m_config, "" }; }
    fs::path Photo() const { return m_dir.Path() / "photo.png"; }
    fs::path Recording() const { return m_dir.Path() / "voice.wav"; }

    TTempDir m_dir { "kdfamily" };
    fs::path m_program { m_dir.Path() / "program" };
    fs::path m_config { m_dir.Path() / "config" / "kedoozle" };
};

TEST_F(FamilySettings, AssignedContentIsSavedAndEverythingElseStaysAsItWas)
{
    const auto program = Files(m_program);
    TFamilySettings settings(Paths());
    settings.Load();
    EXPECT_FALSE(settings.Modified());
    EXPECT_EQ(settings.Key(KeyD).Parts[KindPictures].Origin, TContentOrigin::BuiltIn);
    EXPECT_EQ(settings.Key(KeyD).Caption, "D");

    settings.AssignFile(KeyD, KindPictures, Photo());
    settings.AssignFile(KeyD, KindSounds, Recording());
    settings.AssignSamples(KeyD, KindSpoken, Tone(0.5, 22050), 22050);
    settings.SetCaption(KeyD, "Dog");
    settings.SetPlayMode(3);
    settings.SetSound(true); // as it is: no change
    EXPECT_THROW(settings.AssignFile(KeyA, KindPictures, m_program / "Kedoozle.ini"), TContentError);
    EXPECT_EQ(settings.Key(KeyA).Parts[KindPictures].Origin, TContentOrigin::BuiltIn);
    EXPECT_TRUE(settings.Modified());
    const TFamilyKey assigned = settings.Key(KeyD);
    EXPECT_EQ(assigned.Parts[KindPictures].TypeCode, 2) << "a photo becomes a JPEG";
    settings.Save();

    EXPECT_EQ(Files(m_program), program) << "the program's own files are never changed";
    TFamilySettings again(Paths());
    again.Load();
    EXPECT_FALSE(again.Modified());
    const TFamilyKey& d = again.Key(KeyD);
    EXPECT_EQ(d.Caption, "Dog");
    EXPECT_FALSE(d.CaptionBuiltIn);
    for (const int kind : { KindPictures, KindSounds, KindSpoken }) {
        EXPECT_EQ(d.Parts[std::size_t(kind)].Origin, TContentOrigin::Family) << kind;
        EXPECT_EQ(d.Parts[std::size_t(kind)].Data, assigned.Parts[std::size_t(kind)].Data) << kind;
    }
    EXPECT_EQ(d.Parts[KindPatterns].Origin, TContentOrigin::BuiltIn);
    EXPECT_EQ(again.PlayMode(), 3);
    for (int entry = 1; entry <= 88; ++entry) {
        if (entry == KeyD)
            continue;
        const TFamilyKey& key = again.Key(entry);
        EXPECT_EQ(key.Caption, again.BuiltInKey(entry).Caption);
        for (int kind = 0; kind < ContentKindCount; ++kind) {
            EXPECT_EQ(key.Parts[std::size_t(kind)].Origin, TContentOrigin::BuiltIn) << entry << "/" << kind;
            EXPECT_EQ(key.Parts[std::size_t(kind)].Data, again.BuiltInKey(entry).Parts[std::size_t(kind)].Data);
        }
    }
    // The settings file is the program's own with just the changed lines different.
    const std::string ini = ReadAll(m_config / "Kedoozle.ini");
    EXPECT_NE(ini.find("\nFutureThing =  x  y \n"), std::string::npos) << "an unknown setting stays byte for byte";
    EXPECT_NE(ini.find("\nPlayMode=3\r\n"), std::string::npos);
    EXPECT_NE(ini.find("\nSound=1\r\n"), std::string::npos);
    EXPECT_NE(ini.find("\nPictures=Pictures.dll\r\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(m_config / "Pictures.dll"));
    EXPECT_FALSE(fs::exists(m_config / "Patterns.dll")) << "a kind nobody changed keeps its module";
}

TEST_F(FamilySettings, APortableProgramKeepsItsOwnModulesBesideTheFamilys)
{
    SetProgramFolder(m_program.string());
    const TFamilyPaths paths = TFamilySettings::PathsForThisUser();
    SetProgramFolder("");
    EXPECT_EQ(paths.SettingsFile, m_program / "Kedoozle.ini");
    const std::string builtIn = ReadAll(m_program / "Pictures.dll");
    TFamilySettings settings(paths);
    settings.Load();
    settings.AssignFile(KeyD, KindPictures, Photo());
    settings.Save();
    EXPECT_EQ(ReadAll(m_program / "Pictures.dll"), builtIn);
    EXPECT_NE(ReadAll(m_program / "Kedoozle.ini").find("\nPictures=MyPictures.dll\r\n"), std::string::npos);
    EXPECT_EQ(settings.Key(KeyD).Parts[KindPictures].Origin, TContentOrigin::Family);
}

TEST_F(FamilySettings, RestoringOneKeyOrAllGivesBackTheProgramsOwnContent)
{
    TFamilySettings settings(Paths());
    settings.Load();
    settings.AssignFile(KeyD, KindPictures, Photo());
    settings.AssignFile(KeyD, KindSounds, Recording());
    settings.AssignFile(KeyA, KindPatterns, Photo());
    settings.SetCaption(KeyA, "Apple");
    settings.Save();

    // an unsaved change restored is just forgotten
    settings.AssignFile(KeyA, KindSounds, Recording());
    settings.RestoreBuiltIn(KeyA, KindSounds);
    EXPECT_FALSE(settings.Modified());

    settings.RestoreBuiltIn(KeyD, KindPictures);
    EXPECT_EQ(settings.Key(KeyD).Parts[KindPictures].Data, settings.BuiltInKey(KeyD).Parts[KindPictures].Data);
    settings.Save();
    EXPECT_EQ(settings.Key(KeyD).Parts[KindPictures].Origin, TContentOrigin::BuiltIn);
    EXPECT_EQ(settings.Key(KeyD).Parts[KindPictures].TypeCode, settings.BuiltInKey(KeyD).Parts[KindPictures].TypeCode);
    EXPECT_EQ(settings.Key(KeyD).Parts[KindSounds].Origin, TContentOrigin::Family);
    EXPECT_EQ(settings.Key(KeyA).Parts[KindPatterns].Origin, TContentOrigin::Family);

    settings.RestoreAllBuiltIn();
    settings.Save();
    TFamilySettings again(Paths());
    again.Load();
    for (int entry = 1; entry <= 88; ++entry) {
        EXPECT_TRUE(again.Key(entry).CaptionBuiltIn) << entry;
        for (int kind = 0; kind < ContentKindCount; ++kind) {
            const TKeyPart& part = again.Key(entry).Parts[std::size_t(kind)];
            const TKeyPart& own = again.BuiltInKey(entry).Parts[std::size_t(kind)];
            EXPECT_EQ(part.Origin, TContentOrigin::BuiltIn) << entry << "/" << kind;
            EXPECT_EQ(part.Data, own.Data);
            EXPECT_EQ(part.TypeCode, own.TypeCode);
        }
    }
}

TEST_F(FamilySettings, CancelAndFailedSavesLeaveEveryFileByteForByte)
{
    {
        TFamilySettings first(Paths());
        first.Load();
        first.SetEraseLimit(7);
        first.Save(); // the user's settings file now exists
    }
    const auto before = Files(m_dir.Path());
    {
        TFamilySettings settings(Paths());
        settings.Load();
        settings.AssignFile(KeyD, KindPictures, Photo());
        settings.SetCaption(KeyD, "Dog");
        settings.Discard();
        EXPECT_FALSE(settings.Modified());
        EXPECT_EQ(settings.Key(KeyD).Caption, "D");
        settings.SetMousePlay(false);
    } // closed without saving
    EXPECT_EQ(Files(m_dir.Path()), before);

    TFamilySettings settings(Paths());
    settings.Load();
    EXPECT_EQ(settings.EraseLimit(), 7);
    settings.AssignFile(KeyD, KindPictures, Photo());
    settings.SetPlayMode(2);
    const auto failsReadOnly = [&](const fs::path& locked, const char* what) {
        const fs::perms perms = fs::status(locked).permissions();
        fs::permissions(locked, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        try {
            settings.Save();
            ADD_FAILURE() << what << ": saved";
        } catch (const TContentError& e) {
            EXPECT_NE(std::string(e.what()).find(locked.string()), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("read-only"), std::string::npos) << e.what();
        }
        fs::permissions(locked, perms);
        EXPECT_EQ(Files(m_dir.Path()), before) << what;
        EXPECT_TRUE(settings.Modified()) << what << ": the changes are still there to save";
    };
    failsReadOnly(m_config / "Kedoozle.ini", "read-only settings file");
    failsReadOnly(m_config, "read-only folder");
    settings.Save();
    EXPECT_EQ(settings.PlayMode(), 2);
    EXPECT_EQ(settings.Key(KeyD).Parts[KindPictures].Origin, TContentOrigin::Family);
}

TEST_F(FamilySettings, NewSpokenNamesKeepTheParentsRecordings)
{
    if (EspeakProgram().empty())
        GTEST_SKIP() << "espeak-ng is not installed";
    EXPECT_FALSE(TFamilySettings::Voices().empty());
    TFamilySettings settings(Paths());
    settings.Load();
    settings.AssignFile(KeyD, KindSpoken, Recording());
    const std::vector<std::byte> recording = settings.Key(KeyD).Parts[KindSpoken].Data;
    std::map<int, std::string> failures;
    EXPECT_THROW(settings.SpeakNames("zz", failures), TContentError);
    settings.SpeakNames("de", failures);
    EXPECT_TRUE(failures.empty());
    settings.Save();

    TFamilySettings again(Paths());
    again.Load();
    EXPECT_EQ(again.Voice(), "de");
    EXPECT_EQ(again.Key(KeyD).Parts[KindSpoken].Origin, TContentOrigin::Family);
    EXPECT_EQ(again.Key(KeyD).Parts[KindSpoken].Data, recording);
    EXPECT_EQ(again.Key(KeyA).Parts[KindSpoken].Origin, TContentOrigin::Voice);
    EXPECT_NE(again.Key(KeyA).Parts[KindSpoken].Data, again.BuiltInKey(KeyA).Parts[KindSpoken].Data);
}

} // namespace
