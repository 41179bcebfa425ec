// contentgen: makes the default content of the ready program folder from content/keys.txt.
//
//   contentgen ini KEYS OUT.ini              the settings file with all 88 key entries
//   contentgen sounds KEYS OUTDIR            SOUND_n.wav and manifest.txt for kdmodule
//   contentgen keys KEYS OUTDIR ESPEAK       KEY_n.wav (spoken key names) and manifest.txt
//   contentgen patterns KEYS OUTDIR          PATTERN_n.* and manifest.txt
//   contentgen pictures KEYS OUTDIR          PICTURE_n.* and manifest.txt
#include "ImageFiles.h"
#include "KeyList.h"
#include "Melodies.h"
#include "PictureArt.h"
#include "SpokenNames.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

using namespace contentgen;

void WriteBytes(const std::string& path, const TBytes& bytes) { synth::WriteFile(path, bytes); }

void WriteIni(const std::vector<TKeyContent>& keys, const std::string& path)
{
    // Windows line ends: the file is a private-profile file, also readable where it came from.
    std::string text = "[Settings]\r\nPlayMode=0\r\nEraseLimit=25\r\nSound=1\r\nShowMessages=0\r\n\r\n"
                       "[Modules]\r\nSounds=Sounds.dll\r\nKeys=Keys.dll\r\nPatterns=Patterns.dll\r\nPictures=Pictures.dll\r\n";
    for (const TKeyContent& key : keys) {
        text += "\r\n[" + std::to_string(key.Entry) + "]\r\n";
        text += "KeyName=" + key.Caption + "\r\n";
        text += "SoundFile=\r\nPatternFile=\r\n";
        text += "PatternResType=" + std::to_string(TypeCode(key.PatternFormat)) + "\r\n";
        text += "Shape=" + std::to_string(key.Shape) + "\r\n";
        text += "ShapeColorIndex=" + std::to_string(key.ShapeColorIndex) + "\r\n";
        text += "KeySoundFile=\r\nPictureFile=\r\n";
        text += "PictureResType=" + std::to_string(TypeCode(key.PictureFormat)) + "\r\n";
    }
    WriteBytes(path, TBytes(text.begin(), text.end()));
}

// Writes one file per key with `make`, and the manifest that kdmodule builds the module from.
void WriteModuleFiles(const std::vector<TKeyContent>& keys, const std::string& dir, const char* type,
                      const char* prefix, const std::function<std::string(const TKeyContent&, const std::string&)>& make)
{
    if (!QDir().mkpath(QString::fromStdString(dir)))
        throw std::runtime_error("cannot create " + dir);
    std::string manifest = "# " + std::string(prefix) + "n resources of the default content\n";
    for (const TKeyContent& key : keys) {
        const std::string name = prefix + std::to_string(key.Entry);
        const std::string file = make(key, dir + "/" + name);
        manifest += std::string(type) + ":" + name + "=" + file + "\n";
    }
    WriteBytes(dir + "/manifest.txt", TBytes(manifest.begin(), manifest.end()));
}

std::string FileName(const std::string& base, const char* extension)
{
    return base.substr(base.find_last_of('/') + 1) + "." + extension;
}

std::string MakeSound(const TKeyContent& key, const std::string& base)
{
    WriteBytes(base + ".wav", KeySound(key.Entry).ToWave());
    return FileName(base, "wav");
}

// Encodes a raster picture or tile in `format`; `background` is the colour a transparent GIF
// gives its transparent index (what a pattern shows there once it is made a bitmap).
TBytes Encode(const QImage& image, TPictureFormat format, const QColor& background, bool dither)
{
    switch (TypeCode(format)) {
    case 0:
        if (format == TPictureFormat::Bmp8)
            return EncodeBmp8(Quantize(image, 256, dither));
        return EncodeBmp24(image);
    case 1:
        return EncodeGif(Quantize(image, 256, dither, IsTransparent(format) ? background : QColor()), IsInterlaced(format),
                         "Kedoozle default content");
    case 2:
        return EncodeJpeg(image, format == TPictureFormat::JpegProgressive);
    default:
        throw std::logic_error("metafiles are not raster pictures");
    }
}

// Flattens a picture onto its background (JPEG and bitmaps have no transparency).
QImage Opaque(const QImage& image, const QColor& background)
{
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(background);
    QPainter p(&out);
    p.drawImage(0, 0, image);
    return out;
}

std::string MakePicture(const TKeyContent& key, const std::string& base)
{
    const TPictureFormat format = key.PictureFormat;
    const int size = PictureSize(key);
    const std::string file = FileName(base, Extension(format));
    const std::string path = base + "." + Extension(format);
    if (TypeCode(format) == 3) {
        WriteBytes(path, RenderMetafilePicture(key, size, format == TPictureFormat::Emf));
        return file;
    }
    QColor background;
    const bool transparent = IsTransparent(format);
    const QImage picture = RenderPicture(key, size, transparent, background);
    WriteBytes(path, Encode(transparent ? picture : Opaque(picture, background), format, background, true));
    return file;
}

std::string MakePattern(const TKeyContent& key, const std::string& base)
{
    const std::string file = FileName(base, Extension(key.PatternFormat));
    QColor background;
    const bool transparent = IsTransparent(key.PatternFormat);
    const QImage tile = RenderPattern(key, transparent, background);
    WriteBytes(base + "." + Extension(key.PatternFormat),
               Encode(transparent ? tile : Opaque(tile, background), key.PatternFormat, background, false));
    return file;
}

int Run(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: contentgen ini|sounds|keys|patterns|pictures KEYS OUT [ESPEAK]\n");
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<TKeyContent> keys = ReadKeyList(argv[2]);
    const std::string out = argv[3];
    // The pictures are drawn from the colour emoji font: without it they would be empty
    // backgrounds, so stop with a clear word instead of shipping blank pictures.
    if ((command == "patterns" || command == "pictures")
        && !QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji")))
        throw std::runtime_error("the colour emoji font \"Noto Color Emoji\" (fonts-noto-color-emoji) is not installed");
    if (command == "ini")
        WriteIni(keys, out);
    else if (command == "sounds")
        WriteModuleFiles(keys, out, "WAVE", "SOUND_", MakeSound);
    else if (command == "patterns")
        WriteModuleFiles(keys, out, "RCDATA", "PATTERN_", MakePattern);
    else if (command == "pictures")
        WriteModuleFiles(keys, out, "RCDATA", "PICTURE_", MakePicture);
    else if (command == "keys" && argc == 5) {
        const std::string espeak = argv[4];
        WriteModuleFiles(keys, out, "WAVE", "KEY_", [&](const TKeyContent& key, const std::string& base) {
            WriteBytes(base + ".wav", SpeakName(espeak, key.Spoken, base + ".raw.wav"));
            return FileName(base, "wav");
        });
    } else {
        std::fprintf(stderr, "contentgen: unknown command %s\n", command.c_str());
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "contentgen: %s\n", e.what());
        return 1;
    }
}
