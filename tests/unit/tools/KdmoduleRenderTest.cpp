// kdmodule render and check, run as a content author runs them: the built tool on picture
// files and modules written here.
#include "tests/support/KdmoduleRun.h"
#include "tools/common/MetafileBuilder.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace MetafileBuilder;

namespace {

// Packs GIF LZW codes least significant bit first.
std::vector<std::byte> PackCodes(const std::vector<int>& codes, int bits)
{
    std::vector<std::byte> out;
    unsigned buffer = 0;
    int count = 0;
    for (const int code : codes) {
        buffer |= unsigned(code) << count;
        count += bits;
        while (count >= 8) {
            out.push_back(std::byte(buffer & 0xFF));
            buffer >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        out.push_back(std::byte(buffer & 0xFF));
    return out;
}

// A 2 x 2 GIF: red in the top-left and bottom-right pixels, the other two the transparent
// blue index.
// An icon file with one PNG-compressed image.
std::vector<std::byte> PngIcon(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    std::vector<std::byte> out;
    const auto u16 = [&](unsigned v) { for (int i = 0; i < 2; ++i) out.push_back(std::byte((v >> (8 * i)) & 0xFF)); };
    const auto u32 = [&](unsigned v) { for (int i = 0; i < 4; ++i) out.push_back(std::byte((v >> (8 * i)) & 0xFF)); };
    u16(0), u16(1), u16(1);
    out.push_back(std::byte(image.width())), out.push_back(std::byte(image.height()));
    out.push_back(std::byte(0)), out.push_back(std::byte(0));
    u16(1), u16(32), u32(unsigned(png.size())), u32(22);
    for (const char c : png)
        out.push_back(std::byte(c));
    return out;
}

std::vector<std::byte> TransparentGif()
{
    std::vector<std::byte> gif;
    const auto add = [&](std::initializer_list<int> bytes) {
        for (const int b : bytes)
            gif.push_back(std::byte(b));
    };
    add({ 'G', 'I', 'F', '8', '9', 'a' });
    add({ 2, 0, 2, 0 });         // logical screen 2 x 2
    add({ 0x80, 0, 0 });         // global colour table of 2 entries, background 0
    add({ 255, 0, 0, 0, 0, 255 }); // 0 red, 1 blue
    add({ 0x21, 0xF9, 4, 0x01, 0, 0, 1, 0 }); // graphic control: transparent index 1
    add({ 0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0 }); // image 2 x 2 at (0, 0), no local table
    add({ 2 });                              // LZW minimum code size: clear 4, end 5
    // A clear code before every pair keeps the codes at 3 bits.
    const std::vector<std::byte> data = PackCodes({ 4, 0, 1, 4, 1, 0, 5 }, 3);
    gif.push_back(std::byte(data.size()));
    gif.insert(gif.end(), data.begin(), data.end());
    add({ 0, 0x3B }); // end of data, trailer
    return gif;
}

// An enhanced metafile of 20 x 10 pixels whose left half is a green square.
std::vector<std::byte> GreenSquareEmf(int width = 20, int height = 10)
{
    TEmfBuilder emf(width, height);
    emf.CreateBrush(1, MfBrushSolid, MfRGB(0, 255, 0));
    emf.SelectObject(1);
    emf.SelectObject(MfStockNullPen);
    emf.Rectangle(0, 0, 10, 10);
    return emf.Finish();
}

class KdmoduleRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(KdmodulePath))
            << "kdmodule is not built at " << KdmodulePath << "; build the kdmodule target first";
        ASSERT_TRUE(m_dir.isValid());
    }

    std::string Path(const std::string& name) const
    {
        return QDir(m_dir.path()).filePath(QString::fromStdString(name)).toStdString();
    }

    void Write(const std::string& name, const std::vector<std::byte>& bytes) const
    {
        QFile file(QString::fromStdString(Path(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }
    void Write(const std::string& name, const std::string& text) const
    {
        Write(name, std::vector<std::byte>(reinterpret_cast<const std::byte*>(text.data()),
                                           reinterpret_cast<const std::byte*>(text.data() + text.size())));
    }

    TRun Run(const QStringList& arguments) const { return RunKdmodule(arguments, m_dir.path(), 60000); }

    QImage Output(const std::string& name = "out.png") const { return QImage(QString::fromStdString(Path(name))); }

    // Writes the pictures every module test uses: a 3 x 2 bitmap, the transparent GIF, a JPEG
    // and the green-square metafile.
    void WritePictures() const
    {
        QImage bitmap(3, 2, QImage::Format_RGB32);
        bitmap.fill(QColor(0, 0, 255));
        bitmap.setPixelColor(2, 1, QColor(255, 255, 0));
        ASSERT_TRUE(bitmap.save(QString::fromStdString(Path("pic.bmp")), "BMP"));
        QImage jpeg(16, 8, QImage::Format_RGB32);
        jpeg.fill(QColor(200, 40, 40));
        ASSERT_TRUE(jpeg.save(QString::fromStdString(Path("pic.jpg")), "JPG", 95));
        Write("pic.gif", TransparentGif());
        Write("pic.emf", GreenSquareEmf());
    }

    QTemporaryDir m_dir;
};

bool Near(QColor actual, QColor expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance && actual.alpha() == expected.alpha();
}

} // namespace

TEST_F(KdmoduleRenderTest, FilesOfEveryKindRenderAtTheirOwnSize)
{
    WritePictures();
    // Extensions in any letter case pick the class.
    std::filesystem::rename(Path("pic.jpg"), Path("pic.JPeg"));
    std::filesystem::rename(Path("pic.gif"), Path("pic.Gif"));

    TRun run = Run({ "render", "pic.bmp", "out.png" });
    ASSERT_EQ(run.Code, 0) << run.Err;
    QImage image = Output();
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(2, 1), QColor(255, 255, 0));

    run = Run({ "render", "pic.JPeg", "out.png" });
    ASSERT_EQ(run.Code, 0) << run.Err;
    image = Output();
    ASSERT_EQ(image.size(), QSize(16, 8));
    EXPECT_TRUE(Near(image.pixelColor(8, 4), QColor(200, 40, 40), 12)) << image.pixelColor(8, 4).name().toStdString();

    run = Run({ "render", "pic.Gif", "out.png" });
    ASSERT_EQ(run.Code, 0) << run.Err;
    image = Output();
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 0, 0));
    // The transparent index stays transparent rather than showing its blue.
    EXPECT_EQ(image.pixelColor(1, 0).alpha(), 0);
    EXPECT_EQ(image.pixelColor(0, 1).alpha(), 0);

    run = Run({ "render", "pic.emf", "out.png" });
    ASSERT_EQ(run.Code, 0) << run.Err;
    image = Output();
    ASSERT_EQ(image.size(), QSize(20, 10));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(15, 5).alpha(), 0);
}

TEST_F(KdmoduleRenderTest, RejectedFilesGiveTheProgramsErrorAndNoOutput)
{
    Write("bad.bmp", std::string("BM\x10\0\0\0garbage that is no bitmap", 32));
    // A whole header and logical screen, but the signature is wrong.
    Write("bad.gif", std::string("GIX89a\x02\0\x02\0\0\0\0;", 14));
    Write("pic.tga", std::string("whatever"));

    struct TCase {
        const char* File;
        std::string Error;
    };
    const TCase cases[] = {
        { "bad.bmp", "Bitmap image is not valid" },
        { "bad.gif", "Invalid GIF signature" },
        { "pic.tga", "Unknown picture file extension (.tga)" },
        { "missing.bmp", "Cannot open file" },
    };
    for (const TCase& c : cases) {
        const TRun run = Run({ "render", c.File, "out.png" });
        EXPECT_EQ(run.Code, 1) << c.File;
        EXPECT_NE(run.Err.find("kdmodule: " + c.Error), std::string::npos) << c.File << ": " << run.Err;
        EXPECT_FALSE(std::filesystem::exists(Path("out.png"))) << c.File;
    }
}

TEST_F(KdmoduleRenderTest, OversizedAndEmptyPicturesAreRefusedNotPainted)
{
    // 20000 x 20000 pixels claimed by a few hundred bytes.
    Write("huge.emf", GreenSquareEmf(20000, 20000));
    TRun run = Run({ "render", "huge.emf", "out.png" });
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("too large to render"), std::string::npos) << run.Err;

    // An empty JPEG loads without error but has nothing to draw.
    Write("empty.jpg", std::string());
    run = Run({ "render", "empty.jpg", "out.png" });
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("Picture empty.jpg is empty"), std::string::npos) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(Path("out.png")));
}

TEST_F(KdmoduleRenderTest, ModuleResourcesRenderByTypeCode)
{
    WritePictures();
    TRun run = Run({ "build", "Pictures.dll", "RCDATA:PICTURE_1=pic.bmp", "RCDATA:PICTURE_2=pic.gif",
                     "RCDATA:PICTURE_3=pic.jpg", "RCDATA:PICTURE_4=pic.emf" });
    ASSERT_EQ(run.Code, 0) << run.Err;

    run = Run({ "render", "Pictures.dll", "PICTURE_2", "1", "out.png" });
    ASSERT_EQ(run.Code, 0) << run.Err;
    QImage image = Output();
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(1, 0).alpha(), 0);

    // Names are found without regard to case, as the program finds them.
    run = Run({ "render", "Pictures.dll", "picture_4", "3", "out.png" });
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(Output().pixelColor(5, 5), QColor(0, 255, 0));

    const struct {
        QStringList Args;
        int Code;
        std::string Error;
    } failures[] = {
        { { "PICTURE_9", "0" }, 1, "kdmodule: Resource PICTURE_9 not found" },
        { { "PICTURE_1", "1" }, 1, "kdmodule: Invalid GIF signature" },     // a bitmap read as GIF
        { { "PICTURE_2", "0" }, 1, "kdmodule: Bitmap image is not valid" }, // a GIF read as bitmap
        { { "PICTURE_1", "5" }, 1, "kdmodule: Unknown picture type code 5" },
        { { "PICTURE_1", "259" }, 1, "kdmodule: Unknown picture type code 259" },
        { { "PICTURE_1", "one" }, 2, "not a number" },
    };
    for (const auto& f : failures) {
        std::filesystem::remove(Path("out.png"));
        run = Run(QStringList { "render", "Pictures.dll" } + f.Args + QStringList { "out.png" });
        EXPECT_EQ(run.Code, f.Code) << f.Error;
        EXPECT_NE(run.Err.find(f.Error), std::string::npos) << run.Err;
        EXPECT_FALSE(std::filesystem::exists(Path("out.png")));
    }

    Write("NotAModule.dll", std::string("MZ but nothing else"));
    run = Run({ "render", "NotAModule.dll", "PICTURE_1", "0", "out.png" });
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("is not a resource module"), std::string::npos) << run.Err;
}

TEST_F(KdmoduleRenderTest, CheckReportsEachPictureTheProgramCouldNotShow)
{
    WritePictures();
    Write("bad.bmp", std::string("BM\x10\0\0\0garbage that is no bitmap", 32));
    TRun run = Run({ "build", "Pictures.dll", "RCDATA:PICTURE_1=pic.bmp", "RCDATA:PICTURE_2=pic.gif",
                     "RCDATA:PICTURE_3=bad.bmp", "RCDATA:PICTURE_4=pic.jpg", "RCDATA:PICTURE_5=pic.emf" });
    ASSERT_EQ(run.Code, 0) << run.Err;

    // Without a settings file each resource's kind comes from its data.
    run = Run({ "check", "Pictures.dll" });
    EXPECT_EQ(run.Code, 1) << run.Err;
    EXPECT_EQ(run.Out, "PICTURE_3: Bitmap image is not valid\n5 pictures, 1 failure\n");

    // With one, from the key's section; a wrong code is a failure that names the data's kind.
    // Keys 6 to 88 name files of their own, except key 7, which the module lacks.
    std::string ini = "[1]\nPictureResType=0\n[2]\nPictureResType=1\n[4]\nPictureResType=1\n[5]\nPictureResType=3\n";
    for (int key = 6; key <= 88; ++key)
        ini += "[" + std::to_string(key) + "]\n" + (key == 7 ? "" : "PictureFile=pic.bmp\n");
    Write("Kedoozle.ini", ini);
    run = Run({ "check", "Pictures.dll", "--ini", "Kedoozle.ini" });
    EXPECT_EQ(run.Code, 1) << run.Err;
    EXPECT_EQ(run.Out, "PICTURE_3: Bitmap image is not valid\n"
                       "PICTURE_4: Invalid GIF signature (type code 1, but the data is a JPEG, type code 2)\n"
                       "PICTURE_7: Resource PICTURE_7 not found\n"
                       "6 pictures, 3 failures\n");

    run = Run({ "build", "Good.dll", "RCDATA:PICTURE_1=pic.bmp", "RCDATA:PICTURE_2=pic.gif",
                "RCDATA:PICTURE_3=pic.jpg" });
    ASSERT_EQ(run.Code, 0) << run.Err;
    run = Run({ "check", "Good.dll" });
    EXPECT_EQ(run.Code, 0) << run.Out << run.Err;
    EXPECT_EQ(run.Out, "3 pictures, 0 failures\n");
}

TEST_F(KdmoduleRenderTest, CheckRefusesMetafilePatternsThatCannotBeTiled)
{
    WritePictures();
    TRun run = Run({ "build", "Patterns.dll", "RCDATA:PATTERN_1=pic.bmp", "RCDATA:PATTERN_2=pic.emf",
                     "RCDATA:PATTERN_3=pic.gif" });
    ASSERT_EQ(run.Code, 0) << run.Err;
    run = Run({ "check", "Patterns.dll" });
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Out, "PATTERN_2: Cannot assign a TMetafile to a TBitmap\n3 pictures, 1 failure\n");

    // The same metafile is a good picture, and --kind decides over the names.
    run = Run({ "build", "Pictures.dll", "RCDATA:PICTURE_1=pic.emf" });
    ASSERT_EQ(run.Code, 0) << run.Err;
    run = Run({ "check", "Pictures.dll" });
    EXPECT_EQ(run.Code, 0) << run.Out;
    run = Run({ "check", "Pictures.dll", "--kind", "patterns" });
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Out, "PICTURE_1: Cannot assign a TMetafile to a TBitmap\n1 picture, 1 failure\n");

    // Sounds are read as the player reads them: a wave without a format chunk does not play.
    Write("tone.wav", std::string("RIFF\x04\0\0\0WAVE", 12));
    ASSERT_EQ(Run({ "build", "Sounds.dll", "WAVE:SOUND_1=tone.wav" }).Code, 0);
    run = Run({ "check", "Sounds.dll" });
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Out, "SOUND_1: no format chunk\n0 pictures, 1 sound, 1 failure\n");
    // A module with neither pictures nor sounds does not pass.
    ASSERT_EQ(Run({ "build", "Empty.dll", "NOTES:README=tone.wav" }).Code, 0);
    run = Run({ "check", "Empty.dll" });
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Out, "Empty.dll: no RCDATA picture or WAVE sound resources\n0 pictures, 1 failure\n");

    EXPECT_EQ(Run({ "check" }).Code, 2);
    EXPECT_EQ(Run({ "check", "Pictures.dll", "--kind", "sounds" }).Code, 2);
    EXPECT_EQ(Run({ "check", "Pictures.dll", "--ini" }).Code, 2);
    EXPECT_EQ(Run({ "check", "Pictures.dll", "--ini", "missing.ini" }).Code, 1);
}

TEST_F(KdmoduleRenderTest, IconsAreModulePicturesOfTheirOwnTypeCodeButNoPatterns)
{
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(QColor(0, 160, 0));
    image.setPixelColor(0, 0, QColor(0, 0, 0, 0));
    Write("pic.ico", PngIcon(image));
    TRun run = Run({ "build", "Pictures.dll", "RCDATA:PICTURE_1=pic.ico" });
    ASSERT_EQ(run.Code, 0) << run.Err;

    run = Run({ "render", "Pictures.dll", "PICTURE_1", "4", "out.png" });
    ASSERT_EQ(run.Code, 0) << run.Err;
    const QImage drawn = Output();
    ASSERT_EQ(drawn.size(), QSize(4, 3));
    EXPECT_EQ(drawn.pixelColor(2, 1), QColor(0, 160, 0));
    EXPECT_EQ(drawn.pixelColor(0, 0).alpha(), 0);
    // Read as another kind, the same bytes are refused by that kind's reader.
    run = Run({ "render", "Pictures.dll", "PICTURE_1", "0", "out.png" });
    EXPECT_EQ(run.Code, 1);

    // The check finds the kind from the data; as a pattern an icon cannot be tiled.
    run = Run({ "check", "Pictures.dll" });
    EXPECT_EQ(run.Code, 0) << run.Out << run.Err;
    EXPECT_EQ(run.Out, "1 picture, 0 failures\n");
    run = Run({ "check", "Pictures.dll", "--kind", "patterns" });
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Out, "PICTURE_1: Cannot assign a TIcon to a TBitmap\n1 picture, 1 failure\n");
}
