// The kdmodule command line, run as the build runs it.
#include "resmodule/ResourceModule.h"
#include "tests/support/FileContents.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct TRun {
    int Code { -1 };
    std::string Out;
    std::string Err;
};

class KdmoduleTest : public ::testing::Test {
protected:
    KdmoduleTest()
    {
        std::string pattern = (fs::temp_directory_path() / "kdmodXXXXXX").string();
        m_dir = ::mkdtemp(pattern.data());
    }
    ~KdmoduleTest() override
    {
        std::error_code error;
        fs::remove_all(m_dir, error);
    }

    // Runs kdmodule in the test folder with the given (already quoted) arguments; `tool` may
    // put variables before it or name another copy of it.
    TRun Run(const std::string& arguments, const std::string& tool = "'" KD_KDMODULE_PATH "'") const
    {
        const std::string command = "cd '" + m_dir.string() + "' && " + tool + " " + arguments + " >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        TRun run;
        run.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.Out = ReadAll(m_dir / "out.txt");
        run.Err = ReadAll(m_dir / "err.txt");
        return run;
    }

    fs::path m_dir;
};

} // namespace

TEST_F(KdmoduleTest, BuildListExtractRoundTrip)
{
    fs::create_directories(m_dir / "content" / "wav");
    WriteAll(m_dir / "content" / "wav" / "one.wav", "RIFF\x10\x01\x01\x01WAVEone");
    WriteAll(m_dir / "content" / "pic.gif", "GIF89a picture");
    WriteAll(m_dir / "content" / "manifest.txt", "# Patterns and sounds\n"
                                                 "\n"
                                                 "WAVE:SOUND_1=wav/one.wav\n"
                                                 "  RCDATA:PATTERN_1=pic.gif  \r\n"
                                                 "rcdata:12=pic.gif\n");
    TRun run = Run("build Mod.dll --manifest content/manifest.txt WAVE:Key_2=content/pic.gif");
    ASSERT_EQ(run.Code, 0) << run.Err;

    const TModuleHandle module = LoadLibraryA((m_dir / "Mod.dll").string());
    ASSERT_NE(module, 0u);
    auto pattern = FindResourceData(module, TResourceType::Numeric(RT_RCDATA), "pattern_1");
    ASSERT_TRUE(pattern);
    EXPECT_EQ(pattern->size(), 14u);
    FreeLibrary(module);

    run = Run("list Mod.dll");
    ASSERT_EQ(run.Code, 0) << run.Err;
    for (const char* line : { "WAVE", "KEY_2", "SOUND_1", "RCDATA", "PATTERN_1", "12", "0x0409" })
        EXPECT_NE(run.Out.find(line), std::string::npos) << line << "\n" << run.Out;
    EXPECT_LT(run.Out.find("PATTERN_1"), run.Out.find(" 12 ")) << "names before numbers";

    run = Run("extract Mod.dll wave sound_1 got.wav");
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(ReadAll(m_dir / "got.wav"), ReadAll(m_dir / "content" / "wav" / "one.wav"));
    run = Run("extract Mod.dll RCDATA '#12' got.gif");
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(ReadAll(m_dir / "got.gif"), "GIF89a picture");

    // Everything extracted rebuilds into the same bytes.
    run = Run("extract Mod.dll --all all");
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(ReadAll(m_dir / "all" / "WAVE" / "SOUND_1.wav"), ReadAll(m_dir / "content" / "wav" / "one.wav"));
    EXPECT_TRUE(fs::exists(m_dir / "all" / "RCDATA" / "PATTERN_1.gif"));
    run = Run("build Again.dll --manifest all/manifest.txt");
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(ReadAll(m_dir / "Again.dll"), ReadAll(m_dir / "Mod.dll"));
}

TEST_F(KdmoduleTest, Pe32OutputReadsBack)
{
    WriteAll(m_dir / "a.bin", "abc");
    ASSERT_EQ(Run("build m32.dll --pe32 RCDATA:PICTURE_1=a.bin").Code, 0);
    const std::string image = ReadAll(m_dir / "m32.dll");
    ASSERT_GT(image.size(), 0x9Au);
    EXPECT_EQ(image.substr(0x98, 2), std::string("\x0B\x01", 2)) << "PE32 optional header magic";
    const TModuleHandle module = LoadLibraryA((m_dir / "m32.dll").string());
    EXPECT_NE(module, 0u);
    FreeLibrary(module);
}

TEST_F(KdmoduleTest, CommandLineMistakesExitWithTwo)
{
    for (const char* arguments : { "", "frobnicate", "build", "build out.dll", "build out.dll WAVE-SOUND_1",
                                   "build out.dll WAVE:SOUND_1", "build out.dll :N=f", "build out.dll WAVE:0=f",
                                   "build out.dll --manifest", "build out.dll --bogus WAVE:A=f", "list",
                                   "list a.dll b.dll", "extract a.dll WAVE", "extract a.dll WAVE #x out" }) {
        const TRun run = Run(arguments);
        EXPECT_EQ(run.Code, 2) << "kdmodule " << arguments;
        EXPECT_NE(run.Err.find("kdmodule: "), std::string::npos) << arguments;
        EXPECT_NE(run.Err.find("--help"), std::string::npos) << arguments;
    }
    EXPECT_FALSE(fs::exists(m_dir / "out.dll"));
}

// The copy in the program folder finds the translations beside it and speaks the desktop's
// language, in its own messages and in the family content's; LANGUAGE=en keeps English.
TEST_F(KdmoduleTest, SpeaksTheDesktopsLanguage)
{
    const std::string tool = "'" KD_BINARY_DIR "/dist/kdmodule'";
    TRun run = Run("pack missing out", "LANGUAGE=de " + tool);
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Err, "kdmodule: Pack-Ordner missing kann nicht gelesen werden: kein Ordner\n");
    run = Run("frobnicate", "LANGUAGE=de " + tool);
    EXPECT_EQ(run.Code, 2);
    EXPECT_EQ(run.Err, "kdmodule: unbekannter Befehl 'frobnicate' (kdmodule --help zeigt die Befehle)\n");
    fs::create_directories(m_dir / "family" / "pictures");
    WriteAll(m_dir / "family" / "pictures" / "a.png", "");
    run = Run("pack family out --program '" KD_BINARY_DIR "/dist'", "LANGUAGE=de " + tool);
    EXPECT_EQ(run.Code, 0) << run.Err;
    EXPECT_NE(run.Out.find("pictures/a.png: Diese Datei ist leer."), std::string::npos) << run.Out;
    run = Run("pack missing out", "LANGUAGE=en " + tool);
    EXPECT_EQ(run.Err, "kdmodule: cannot read pack folder missing: not a folder\n");
}

TEST_F(KdmoduleTest, BadInputExitsWithOneAndWritesNothing)
{
    WriteAll(m_dir / "a.wav", "RIFF");
    WriteAll(m_dir / "keep.dll", "previous build");

    TRun run = Run("build keep.dll WAVE:SOUND_1=a.wav WAVE:SOUND_2=missing.wav");
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("missing.wav"), std::string::npos) << run.Err;
    EXPECT_EQ(ReadAll(m_dir / "keep.dll"), "previous build") << "a failed build leaves the old output";

    run = Run("build dup.dll WAVE:SOUND_1=a.wav wave:sound_1=a.wav");
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("duplicate"), std::string::npos) << run.Err;

    WriteAll(m_dir / "bad.txt", "WAVE:SOUND_1=a.wav\nthis line is wrong\n");
    run = Run("build bad.dll --manifest bad.txt");
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("bad.txt:2"), std::string::npos) << run.Err;
    run = Run("build bad.dll --manifest nothere.txt");
    EXPECT_EQ(run.Code, 1);
    WriteAll(m_dir / "empty.txt", "# nothing\n");
    EXPECT_EQ(Run("build bad.dll --manifest empty.txt").Code, 1);
    run = Run("build nofolder/out.dll WAVE:SOUND_1=a.wav");
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("nofolder/out.dll"), std::string::npos) << run.Err;

    EXPECT_EQ(Run("list nothere.dll").Code, 1);
    run = Run("list a.wav");
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("not a resource module"), std::string::npos) << run.Err;

    ASSERT_EQ(Run("build ok.dll WAVE:SOUND_1=a.wav").Code, 0);
    run = Run("extract ok.dll WAVE SOUND_2 x.wav");
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("SOUND_2 not found"), std::string::npos) << run.Err;
    EXPECT_FALSE(fs::exists(m_dir / "bad.dll"));
    EXPECT_FALSE(fs::exists(m_dir / "x.wav"));
}

TEST_F(KdmoduleTest, HelpExplainsKedoozleModules)
{
    const TRun run = Run("--help");
    EXPECT_EQ(run.Code, 0);
    for (const char* text : { "Sounds.dll", "SOUND_1", "KEY_88", "PATTERN_", "PICTURE_", "PatternResType",
                              "PictureResType", "--manifest" })
        EXPECT_NE(run.Out.find(text), std::string::npos) << text;
}
