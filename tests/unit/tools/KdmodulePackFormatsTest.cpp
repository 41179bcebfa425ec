// kdmodule pack with what phones and cameras make: voice memos, recordings and clips of every
// common kind, HEIC and AVIF photos, pictures turned by EXIF, animations. Every input is made
// here with the encoders the tool's own libraries come with; each is packed and heard or seen
// through the program's classes, and damaged copies are refused in plain words.
#include "familycontent/PackAnimation.h"
#include "pictures/Bitmap.h"
#include "pictures/GIFImage.h"
#include "pictures/JPEGImage.h"
#include "resmodule/ResourceModule.h"
#include "tools/contentgen/ImageFiles.h"

#include <libheif/heif.h>
#include <opencore-amrnb/interf_enc.h>
#include <vo-amrwbenc/enc_if.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>

#include <gtest/gtest.h>

#include "tests/support/KdmoduleRun.h"
#include "tests/support/SoundFiles.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }

void WriteBytes(const fs::path& path, const QByteArray& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
}

QByteArray ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
}

// A copy of `from` cut off after `fraction` of its bytes.
void WriteCut(const fs::path& from, const fs::path& to, double fraction)
{
    const QByteArray whole = ReadBytes(from);
    WriteBytes(to, whole.left(qsizetype(double(whole.size()) * fraction)));
}

void Ffmpeg(const QStringList& arguments)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList { "-hide_banner", "-loglevel", "error", "-y" } + arguments);
    ASSERT_TRUE(ffmpeg.waitForFinished(60000));
    ASSERT_EQ(ffmpeg.exitCode(), 0) << ffmpeg.readAllStandardError().toStdString();
}

// The tone every sound test uses: a second of 440 Hz between 0.3 s of quiet.
constexpr double Quiet = 0.3;
constexpr double ToneSeconds = 1.0;

std::vector<std::int16_t> ToneShorts(int rate)
{
    std::vector<std::int16_t> out;
    for (const float s : ToneSamples(rate, 1, Quiet, ToneSeconds, 0.5))
        out.push_back(std::int16_t(s * 32767));
    return out;
}

// A phone's AMR recording: narrow band at 8 kHz, or wide band at 16 kHz.
QByteArray AmrFile(bool wide)
{
    const int frame = wide ? 320 : 160;
    std::vector<std::int16_t> samples = ToneShorts(wide ? 16000 : 8000);
    samples.resize((samples.size() + std::size_t(frame) - 1) / std::size_t(frame) * std::size_t(frame), 0);
    QByteArray out = wide ? QByteArray("#!AMR-WB\n") : QByteArray("#!AMR\n");
    void* encoder = wide ? E_IF_init() : Encoder_Interface_init(0);
    unsigned char packet[128];
    for (std::size_t at = 0; at < samples.size(); at += std::size_t(frame)) {
        const int bytes = wide ? E_IF_encode(encoder, 8, samples.data() + at, packet, 0)
                               : Encoder_Interface_Encode(encoder, MR122, samples.data() + at, packet, 0);
        out.append(reinterpret_cast<const char*>(packet), bytes);
    }
    wide ? E_IF_exit(encoder) : Encoder_Interface_exit(encoder);
    return out;
}

QByteArray Encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    EXPECT_TRUE(writer.write(image)) << format << ": " << writer.errorString().toStdString();
    return bytes;
}

// Red on the left, blue on the right: shown upright after a quarter turn clockwise, red is on top.
QImage Lying()
{
    QImage image(240, 120, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, 120, 120, Qt::red);
    return image;
}

// The EXIF body (TIFF, little-endian) of a picture to be turned a quarter clockwise.
const QByteArray ExifTurn("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x06\0\0\0\0\0\0\0", 26);

QByteArray JpegWithExif(const QImage& image)
{
    QByteArray jpeg = Encode(image, "jpeg");
    const QByteArray body = QByteArray("Exif\0\0", 6) + ExifTurn;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((body.size() + 2) >> 8)).append(char((body.size() + 2) & 0xFF)).append(body);
    return jpeg.insert(2, segment);
}

std::uint32_t Crc32(const QByteArray& data)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : data) {
        crc ^= std::uint8_t(c);
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

QByteArray Big32(std::uint32_t v)
{
    const char bytes[4] = { char(v >> 24), char(v >> 16), char(v >> 8), char(v) };
    return QByteArray(bytes, 4);
}

QByteArray Little32(std::uint32_t v)
{
    const char bytes[4] = { char(v), char(v >> 8), char(v >> 16), char(v >> 24) };
    return QByteArray(bytes, 4);
}

// A PNG with an eXIf chunk after its header chunk.
QByteArray PngWithExif(const QImage& image)
{
    QByteArray png = Encode(image, "png");
    const QByteArray typed = "eXIf" + ExifTurn;
    return png.insert(33, Big32(std::uint32_t(ExifTurn.size())) + typed + Big32(Crc32(typed)));
}

// A WebP in the extended layout: canvas header, the picture, an EXIF chunk.
QByteArray WebpWithExif(const QImage& image)
{
    const QByteArray simple = Encode(image, "webp");
    const QByteArray picture = simple.mid(12);
    QByteArray header = "VP8X" + Little32(10);
    header.append(char(0x08)).append(3, '\0');
    header.append(Little32(std::uint32_t(image.width() - 1)).left(3)).append(Little32(std::uint32_t(image.height() - 1)).left(3));
    const QByteArray exif = "EXIF" + Little32(std::uint32_t(ExifTurn.size())) + ExifTurn;
    const QByteArray body = "WEBP" + header + picture + exif;
    return "RIFF" + Little32(std::uint32_t(body.size())) + body;
}

// A HEIC (HEVC) or AVIF (AV1) photo whose file says: turn a quarter clockwise to show it.
void WriteHeif(const fs::path& path, const QImage& source, heif_compression_format format)
{
    const QImage rgb = source.convertToFormat(QImage::Format_RGB888);
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    ASSERT_EQ(heif_context_get_encoder_for_format(context, format, &encoder).code, heif_error_Ok);
    heif_encoder_set_lossy_quality(encoder, 90);
    heif_image* image = nullptr;
    heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image);
    heif_image_add_plane(image, heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    int stride = 0;
    std::uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(plane + std::ptrdiff_t(y) * stride, rgb.constScanLine(y), std::size_t(rgb.width()) * 3);
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation_rotate_90_cw;
    EXPECT_EQ(heif_context_encode_image(context, image, encoder, options, nullptr).code, heif_error_Ok);
    fs::create_directories(path.parent_path());
    EXPECT_EQ(heif_context_write_to_file(context, path.c_str()).code, heif_error_Ok);
    heif_encoding_options_free(options);
    heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(context);
}

struct TWave {
    int Rate { 0 };
    int Channels { 0 };
    std::vector<std::int16_t> Samples;
    double Seconds() const { return Rate ? double(Samples.size()) / Rate : 0; }
    int Peak() const
    {
        int peak = 0;
        for (const std::int16_t s : Samples)
            peak = std::max(peak, std::abs(int(s)));
        return peak;
    }
    // The tone's pitch, from how often the middle half of the samples crosses zero.
    double Frequency() const
    {
        const std::size_t begin = Samples.size() / 4;
        const std::size_t end = Samples.size() * 3 / 4;
        int crossings = 0;
        for (std::size_t i = begin + 1; i < end; ++i)
            crossings += (Samples[i - 1] < 0) != (Samples[i] < 0);
        return end > begin ? crossings / 2.0 / (double(end - begin) / Rate) : 0;
    }
};

TWave ReadWave(std::span<const std::byte> data)
{
    TWave wave;
    const auto le = [&](std::size_t at, int bytes) {
        std::uint32_t value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | std::to_integer<std::uint32_t>(data[at + std::size_t(i)]);
        return value;
    };
    if (data.size() < 44 || std::memcmp(data.data(), "RIFF", 4) != 0 || le(20, 2) != 1 || le(34, 2) != 16)
        return wave;
    wave.Channels = int(le(22, 2));
    wave.Rate = int(le(24, 4));
    for (std::size_t i = 0; i + 1 < std::min<std::size_t>(le(40, 4), data.size() - 44); i += 2)
        wave.Samples.push_back(std::int16_t(le(44 + i, 2)));
    return wave;
}

// The "Skipped files" lines of the summary, file to reason.
std::map<std::string, std::string> Skipped(const std::string& out)
{
    std::map<std::string, std::string> skipped;
    const std::size_t start = out.find("Skipped files:");
    if (start == std::string::npos)
        return skipped;
    std::istringstream in(out.substr(start));
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line) && line.starts_with("  ")) {
        const std::size_t colon = line.find(": ");
        skipped[line.substr(2, colon - 2)] = line.substr(colon + 2);
    }
    return skipped;
}

// A refusal a parent can act on: it says what to do and names no library.
void ExpectPlain(const std::string& file, const std::string& reason)
{
    EXPECT_NE(reason.find("try again."), std::string::npos) << file << ": " << reason;
    std::string lower = reason;
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    for (const char* library : { "ffmpeg", "libav", "avcodec", "heif", "sndfile", "qt", "giflib" })
        EXPECT_EQ(lower.find(library), std::string::npos) << file << ": " << reason;
}

std::set<std::string> ResourceNames(const fs::path& module)
{
    std::set<std::string> names;
    const TModuleHandle handle = LoadLibraryA(module.string());
    for (const TResourceInfo& info : EnumResources(handle))
        names.insert(info.Name);
    FreeLibrary(handle);
    return names;
}

// A packed picture read by the program's class for its kind, as the settings' type code picks it.
QImage LoadPicture(TModuleHandle module, const std::string& name)
{
    const auto data = FindResourceData(module, TResourceType::Numeric(RT_RCDATA), name);
    if (!data || data->empty())
        return {};
    std::unique_ptr<TGraphic> graphic;
    switch (std::to_integer<char>((*data)[0])) {
    case 'G': graphic = std::make_unique<TGIFImage>(); break;
    case 'B': graphic = std::make_unique<TBitmap>(); break;
    default: graphic = std::make_unique<TJPEGImage>(); break;
    }
    TResourceStream stream(module, name, TResourceType::Numeric(RT_RCDATA));
    graphic->LoadFromStream(stream);
    return graphic->ToImage();
}

class KdmodulePackFormats : public ::testing::Test {
protected:
    fs::path Pack() const { return m_dir.Path() / "pack"; }
    fs::path Out() const { return m_dir.Path() / "out"; }
    // The build tree's tool has no program folder of its own: the ready one's content is kept.
    TRun RunPack() const { return RunKdmodule({ "pack", Q(Pack()), Q(Out()), "--program", Q(fs::path(KD_BINARY_DIR) / "dist") }); }
    TTempDir m_dir { "kdformats" };
};

TEST_F(KdmodulePackFormats, RecordingsOfEveryKindAreHeardAndDamagedOnesRefused)
{
    const fs::path sounds = Pack() / "sounds";
    const fs::path made = m_dir.Path() / "made";
    const auto tone = [&](const char* name, const QStringList& encode, int rate, int channels) {
        const std::string failed = WriteTone(sounds / name, encode, rate, channels, Quiet, ToneSeconds, 0.5);
        ASSERT_TRUE(failed.empty()) << failed;
    };
    // key: file; the voice memo of a phone first
    tone("a.m4a", { "-c:a", "aac" }, 48000, 1);
    tone("b.aac", { "-c:a", "aac", "-f", "adts" }, 44100, 2);
    WriteBytes(sounds / "c.amr", AmrFile(false));
    WriteBytes(made / "wide.amr", AmrFile(true));
    fs::copy_file(made / "wide.amr", sounds / "d.awb");
    Ffmpeg({ "-i", Q(sounds / "c.amr"), "-c:a", "copy", Q(sounds / "e.3gp") });
    tone("f.opus", { "-c:a", "libopus" }, 48000, 2);
    tone("g.ogg", { "-c:a", "libvorbis" }, 44100, 1);
    tone("h.mp3", { "-c:a", "libmp3lame" }, 44100, 2);
    tone("i.flac", { "-c:a", "flac" }, 96000, 2);
    tone("j.wav", { "-c:a", "pcm_s16le" }, 16000, 1);
    // a phone's video clip: the sound is packed, the pictures ignored
    Ffmpeg({ "-f", "lavfi", "-i", "testsrc=size=320x240:rate=15:duration=1.6", "-f", "lavfi", "-i",
             "aevalsrc=if(between(t\\,0.3\\,1.3)\\,0.5*sin(2*PI*440*t)\\,0):s=44100:d=1.6", "-c:v", "libx264", "-c:a",
             "aac", "-shortest", Q(sounds / "k.mp4") });

    // damaged and cut-off copies of each kind, and a clip without sound
    WriteCut(sounds / "a.m4a", sounds / "l.m4a", 0.5);
    tone("memo-m.m4a", { "-c:a", "aac", "-movflags", "+faststart" }, 48000, 1);
    WriteCut(sounds / "memo-m.m4a", sounds / "n.m4a", 0.5); // header first, the sound cut
    fs::remove(sounds / "memo-m.m4a");
    WriteCut(sounds / "e.3gp", sounds / "o.3gp", 0.5);
    WriteCut(sounds / "h.mp3", sounds / "p.mp3", 0.5);
    WriteCut(sounds / "i.flac", sounds / "q.flac", 0.5);
    WriteCut(sounds / "j.wav", sounds / "r.wav", 0.5);
    WriteCut(sounds / "k.mp4", sounds / "s.mp4", 0.5);
    WriteCut(sounds / "f.opus", sounds / "t.opus", 0.3);
    QByteArray amr = AmrFile(false);
    WriteBytes(sounds / "u.amr", amr.replace(0, 6, "#!AMX\n"));
    QByteArray ogg = ReadBytes(sounds / "g.ogg");
    WriteBytes(sounds / "v.ogg", ogg.replace(0, 64, QByteArray(64, 'x')));
    Ffmpeg({ "-f", "lavfi", "-i", "testsrc=size=320x240:rate=15:duration=1", "-c:v", "libx264", Q(sounds / "w.mp4") });
    WriteBytes(sounds / "x.wav", "not a sound at all");

    const TRun run = RunPack();
    ASSERT_EQ(run.Code, 0) << run.Err << run.Out;
    EXPECT_EQ(run.Err, "") << "the libraries keep quiet";
    const std::map<std::string, std::string> skipped = Skipped(run.Out);
    std::set<std::string> refused;
    for (const auto& [file, reason] : skipped) {
        refused.insert(file);
        ExpectPlain(file, reason);
    }
    const std::set<std::string> damaged { "sounds/l.m4a", "sounds/n.m4a", "sounds/o.3gp", "sounds/p.mp3", "sounds/q.flac",
                                          "sounds/r.wav", "sounds/s.mp4", "sounds/t.opus", "sounds/u.amr", "sounds/v.ogg",
                                          "sounds/w.mp4", "sounds/x.wav" };
    EXPECT_EQ(refused, damaged) << run.Out;
    EXPECT_NE(skipped.at("sounds/w.mp4").find("no sound"), std::string::npos);

    // the good recordings went in, each for its key (checked below); every other key, the
    // refused ones' too, keeps its built-in sound
    EXPECT_EQ(ResourceNames(Out() / "Sounds.dll"), ResourceNames(fs::path(KD_BINARY_DIR) / "dist" / "Sounds.dll"));
    EXPECT_EQ(RunKdmodule({ "check", Q(Out() / "Sounds.dll") }).Code, 0);

    const TModuleHandle module = LoadLibraryA((Out() / "Sounds.dll").string());
    const std::map<std::string, int> rates { { "a.m4a", 44100 }, { "b.aac", 44100 }, { "c.amr", 22050 },
                                             { "d.awb", 22050 }, { "e.3gp", 22050 }, { "f.opus", 44100 },
                                             { "g.ogg", 44100 }, { "h.mp3", 44100 }, { "i.flac", 44100 },
                                             { "j.wav", 22050 }, { "k.mp4", 44100 } };
    int key = 1;
    for (const auto& [file, rate] : rates) {
        const auto data = FindResourceData(module, TResourceType::Named("WAVE"), "SOUND_" + std::to_string(key++));
        ASSERT_TRUE(data) << file;
        const TWave wave = ReadWave(*data);
        EXPECT_EQ(wave.Channels, 1) << file;
        EXPECT_EQ(wave.Rate, rate) << file;
        // the tone with a little lead-in and tail: the quiet around it trimmed
        EXPECT_NEAR(wave.Seconds(), ToneSeconds + 0.1, 0.15) << file;
        EXPECT_GT(wave.Peak(), 25000) << file;
        EXPECT_NEAR(wave.Frequency(), 440, 45) << file;
    }
    FreeLibrary(module);
}

TEST_F(KdmodulePackFormats, PhotosOfEveryKindComeUprightAndDamagedOnesAreRefused)
{
    const fs::path pictures = Pack() / "pictures";
    WriteHeif(pictures / "a.heic", Lying(), heif_compression_HEVC);
    WriteHeif(pictures / "b.avif", Lying(), heif_compression_AV1);
    WriteBytes(pictures / "c.jpg", JpegWithExif(Lying()));
    WriteBytes(pictures / "d.png", PngWithExif(Lying()));
    WriteBytes(pictures / "e.webp", WebpWithExif(Lying()));
    WriteBytes(pictures / "f.bmp", Encode(Lying().transformed(QTransform().rotate(90)), "bmp"));
    // a large HEIC photo as a phone takes it, shown no larger than the program shows it
    QImage photo(4032, 3024, QImage::Format_RGB32);
    photo.fill(QColor(30, 160, 90));
    WriteHeif(pictures / "g.heif", photo, heif_compression_HEVC);

    // cut-off copies for the keys L to Q
    char key = 'l';
    for (const char* name : { "a.heic", "b.avif", "c.jpg", "d.png", "e.webp", "g.heif" })
        WriteCut(pictures / name, pictures / (std::string(1, key++) + fs::path(name).extension().string()), 0.5);
    const contentgen::TBytes gif = contentgen::EncodeGif(contentgen::Quantize(Lying(), 256, false), false, nullptr);
    WriteBytes(pictures / "r.gif", QByteArray(reinterpret_cast<const char*>(gif.data()), qsizetype(gif.size() / 2)));
    WriteBytes(pictures / "s.heic", QByteArray("\0\0\0\x18" "ftypheic", 12) + QByteArray(500, '\x7F'));

    const TRun run = RunPack();
    ASSERT_EQ(run.Code, 0) << run.Err << run.Out;
    EXPECT_EQ(run.Err, "") << "the readers keep quiet";
    const std::map<std::string, std::string> skipped = Skipped(run.Out);
    std::set<std::string> refused;
    for (const auto& [file, reason] : skipped) {
        refused.insert(file);
        ExpectPlain(file, reason);
    }
    EXPECT_EQ(refused, (std::set<std::string> { "pictures/l.heic", "pictures/m.avif", "pictures/n.jpg", "pictures/o.png",
                                                "pictures/p.webp", "pictures/q.heif", "pictures/r.gif", "pictures/s.heic" }))
        << run.Out;
    EXPECT_EQ(skipped.at("pictures/s.heic"), "this photo could not be read. Save it as JPEG and try again.");

    EXPECT_EQ(ResourceNames(Out() / "Pictures.dll"), ResourceNames(fs::path(KD_BINARY_DIR) / "dist" / "Pictures.dll"));
    const TModuleHandle module = LoadLibraryA((Out() / "Pictures.dll").string());
    for (int key = 1; key <= 6; ++key) {
        const QImage image = LoadPicture(module, "PICTURE_" + std::to_string(key));
        ASSERT_EQ(image.size(), QSize(120, 240)) << "key " << key << " upright";
        const QColor top = image.pixelColor(60, 40);
        const QColor bottom = image.pixelColor(60, 200);
        EXPECT_GT(top.red(), 180) << key;
        EXPECT_LT(top.blue(), 80) << key;
        EXPECT_GT(bottom.blue(), 180) << key;
        EXPECT_LT(bottom.red(), 80) << key;
    }
    const QImage large = LoadPicture(module, "PICTURE_7");
    EXPECT_EQ(large.size(), QSize(486, 648)) << "turned, then scaled to the largest shown size";
    const QColor green = large.pixelColor(200, 300);
    EXPECT_NEAR(green.green(), 160, 20);
    FreeLibrary(module);
}

// The frames of a packed GIF as the program's reader holds them.
struct TFrames {
    QSize Size;
    std::vector<int> Delays;
    std::vector<QRgb> Centres;
    std::set<QByteArray> Distinct; // the frames' pixels
    int Loops { -1 }; // -1: no looping extension
};

TFrames ReadFrames(TModuleHandle module, const std::string& name)
{
    TFrames frames;
    TGIFImage gif;
    TResourceStream stream(module, name, TResourceType::Numeric(RT_RCDATA));
    gif.LoadFromStream(stream);
    frames.Size = QSize(gif.Width(), gif.Height());
    for (int i = 0; i < gif.Images().Count(); ++i) {
        const TGIFSubImage& frame = gif.Images()[i];
        for (const auto& extension : frame.Extensions)
            if (const auto* loop = dynamic_cast<const TGIFAppExtNSLoop*>(extension.get()))
                frames.Loops = loop->Loops;
        const TGIFGraphicControlExtension* control = frame.GraphicControlExtension();
        frames.Delays.push_back(control ? control->Delay : -1);
        const QImage& bitmap = frame.Bitmap(gif.GlobalColorMap(), false, {});
        frames.Centres.push_back(bitmap.pixel(bitmap.width() / 2, bitmap.height() / 2));
        frames.Distinct.insert(QByteArray(reinterpret_cast<const char*>(bitmap.constBits()), qsizetype(bitmap.sizeInBytes())));
    }
    return frames;
}

TEST_F(KdmodulePackFormats, AnimationsStayAnimatedAndAnimatedPngSaysItKeepsOneFrame)
{
    const fs::path pictures = Pack() / "pictures";
    // a.gif: three large frames of their own colours and delays, played three times more
    std::vector<TAnimationFrame> frames;
    const QColor colours[] = { Qt::red, Qt::green, Qt::blue };
    for (int i = 0; i < 3; ++i) {
        QImage frame(2000, 1000, QImage::Format_ARGB32);
        frame.fill(colours[i]);
        if (i == 2)
            QPainter(&frame).fillRect(0, 0, 100, 100, Qt::transparent);
        frames.push_back({ contentgen::Quantize(frame, 256, false, i == 2 ? QColor(Qt::black) : QColor()), 10 * (i + 1) });
    }
    const std::vector<std::byte> gif = EncodeAnimatedGif(frames, 3);
    WriteBytes(pictures / "a.gif", QByteArray(reinterpret_cast<const char*>(gif.data()), qsizetype(gif.size())));
    // b.webp: five frames of a fifth of a second, looping for ever
    Ffmpeg({ "-f", "lavfi", "-i", "testsrc=size=400x300:rate=5:duration=1", "-c:v", "libwebp_anim", "-loop", "0",
             Q(pictures / "b.webp") });
    // c.png: an animated PNG
    Ffmpeg({ "-f", "lavfi", "-i", "testsrc=size=400x300:rate=5:duration=1", "-plays", "0", "-f", "apng",
             Q(pictures / "c.png") });
    WriteCut(pictures / "a.gif", pictures / "d.gif", 0.7);

    const TRun run = RunPack();
    ASSERT_EQ(run.Code, 0) << run.Err << run.Out;
    EXPECT_NE(run.Out.find("pictures/c.png: an animated PNG: only its first frame is packed."), std::string::npos) << run.Out;
    EXPECT_EQ(Skipped(run.Out).size(), 1u) << run.Out;
    EXPECT_TRUE(Skipped(run.Out).contains("pictures/d.gif")) << run.Out;

    const TModuleHandle module = LoadLibraryA((Out() / "Pictures.dll").string());
    const TFrames a = ReadFrames(module, "PICTURE_1");
    EXPECT_EQ(a.Size, QSize(1152, 576));
    EXPECT_EQ(a.Delays, (std::vector<int> { 10, 20, 30 }));
    EXPECT_EQ(a.Loops, 3);
    EXPECT_EQ(a.Centres, (std::vector<QRgb> { qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255) }));

    const TFrames b = ReadFrames(module, "PICTURE_2");
    EXPECT_EQ(b.Size, QSize(400, 300));
    EXPECT_EQ(b.Delays, std::vector<int>(5, 20));
    EXPECT_EQ(b.Loops, 0) << "for ever";
    EXPECT_EQ(b.Distinct.size(), 5u) << "every frame of its own";

    const auto png = FindResourceData(module, TResourceType::Numeric(RT_RCDATA), "PICTURE_3");
    ASSERT_TRUE(png);
    if (std::to_integer<char>((*png)[0]) == 'G')
        EXPECT_EQ(ReadFrames(module, "PICTURE_3").Delays.size(), 1u);
    EXPECT_EQ(LoadPicture(module, "PICTURE_3").size(), QSize(400, 300));
    FreeLibrary(module);
}

} // namespace
