#include "familycontent/PictureProbe.h"

#include <QTransform>

#include <cstdint>
#include <cstring>

namespace {

std::uint32_t Big(const QByteArray& data, qsizetype at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | std::uint8_t(data[at + i]);
    return value;
}

std::uint32_t Little(const QByteArray& data, qsizetype at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(data[at + i]);
    return value;
}

// The orientation entry of the first directory of a TIFF structure (the EXIF body).
int TiffOrientation(const QByteArray& tiff)
{
    if (tiff.size() < 8)
        return 1;
    const bool little = tiff.startsWith("II*");
    if (!little && !tiff.startsWith(QByteArray("MM\0*", 4)))
        return 1;
    const auto word = [&](qsizetype at, int bytes) { return little ? Little(tiff, at, bytes) : Big(tiff, at, bytes); };
    const qsizetype directory = word(4, 4);
    if (directory < 8 || directory + 2 > tiff.size())
        return 1;
    const int entries = int(word(directory, 2));
    for (int i = 0; i < entries; ++i) {
        const qsizetype entry = directory + 2 + qsizetype(i) * 12;
        if (entry + 12 > tiff.size())
            return 1;
        if (word(entry, 2) == 0x0112 && word(entry + 2, 2) == 3) {
            const int value = int(word(entry + 8, 2));
            return value >= 1 && value <= 8 ? value : 1;
        }
    }
    return 1;
}

QByteArray WithoutExifPrefix(const QByteArray& body)
{
    return body.startsWith(QByteArray("Exif\0\0", 6)) ? body.mid(6) : body;
}

int JpegOrientation(const QByteArray& file)
{
    qsizetype at = 2;
    while (at + 4 <= file.size() && std::uint8_t(file[at]) == 0xFF) {
        const int marker = std::uint8_t(file[at + 1]);
        if (marker == 0xDA || marker == 0xD9)
            break;
        const qsizetype length = Big(file, at + 2, 2);
        if (marker == 0xE1 && file.mid(at + 4, 6) == QByteArray("Exif\0\0", 6))
            return TiffOrientation(file.mid(at + 10, length - 8));
        at += 2 + length;
    }
    return 1;
}

int PngOrientation(const QByteArray& file)
{
    for (qsizetype at = 8; at + 8 <= file.size();) {
        const qsizetype length = Big(file, at, 4);
        const QByteArray type = file.mid(at + 4, 4);
        if (type == "eXIf")
            return TiffOrientation(WithoutExifPrefix(file.mid(at + 8, length)));
        if (type == "IDAT" || type == "IEND")
            break;
        at += 12 + length;
    }
    return 1;
}

int WebpOrientation(const QByteArray& file)
{
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const qsizetype length = Little(file, at + 4, 4);
        if (file.mid(at, 4) == "EXIF")
            return TiffOrientation(WithoutExifPrefix(file.mid(at + 8, length)));
        at += 8 + length + (length & 1);
    }
    return 1;
}

} // namespace

int ExifOrientation(const QByteArray& file)
{
    if (file.startsWith("\xFF\xD8"))
        return JpegOrientation(file);
    if (file.startsWith("\x89PNG\r\n\x1A\n"))
        return PngOrientation(file);
    if (file.startsWith("RIFF") && file.mid(8, 4) == "WEBP")
        return WebpOrientation(file);
    return 1;
}

QImage Oriented(const QImage& image, int orientation)
{
    switch (orientation) {
    case 2: return image.mirrored(true, false);
    case 3: return image.mirrored(true, true);
    case 4: return image.mirrored(false, true);
    case 5: return image.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6: return image.transformed(QTransform().rotate(90));
    case 7: return image.transformed(QTransform().rotate(270)).mirrored(true, false);
    case 8: return image.transformed(QTransform().rotate(270));
    default: return image;
    }
}

bool JpegComplete(const QByteArray& file)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(file.constData());
    const qsizetype size = file.size();
    qsizetype at = 2;
    while (at + 1 < size) {
        if (data[at] != 0xFF)
            return false;
        const int marker = data[at + 1];
        if (marker == 0xD9)
            return true;
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        if (at + 4 > size)
            return false;
        at += 2 + qsizetype(data[at + 2] << 8 | data[at + 3]);
        if (marker != 0xDA)
            continue;
        // the scan's coded data runs to the next marker that is neither a stuffed 0 nor a restart
        while (at + 1 < size && !(data[at] == 0xFF && data[at + 1] != 0 && !(data[at + 1] >= 0xD0 && data[at + 1] <= 0xD7)))
            ++at;
    }
    return false;
}

bool GifComplete(const QByteArray& file)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(file.constData());
    const qsizetype size = file.size();
    if (size < 13)
        return false;
    const auto skipTable = [&](qsizetype& at, std::uint8_t packed) {
        if (packed & 0x80)
            at += 3 * (qsizetype(2) << (packed & 7));
    };
    const auto skipSubBlocks = [&](qsizetype& at) {
        while (at < size && data[at] != 0)
            at += 1 + data[at];
        ++at;
    };
    qsizetype at = 13;
    skipTable(at, data[10]);
    while (at < size) {
        const std::uint8_t introducer = data[at++];
        if (introducer == 0x3B)
            return true;
        if (introducer == 0x21) {
            ++at; // label
            skipSubBlocks(at);
        } else if (introducer == 0x2C) {
            if (at + 9 > size)
                return false;
            const std::uint8_t packed = data[at + 8];
            at += 9;
            skipTable(at, packed);
            ++at; // minimum code size
            skipSubBlocks(at);
        } else {
            return false;
        }
    }
    return false;
}

bool PngComplete(const QByteArray& file)
{
    for (qsizetype at = 8; at + 12 <= file.size();) {
        const qsizetype length = Big(file, at, 4);
        if (file.mid(at + 4, 4) == "IEND")
            return true;
        at += 12 + length;
    }
    return false;
}

bool IsAnimatedPng(const QByteArray& file)
{
    if (!file.startsWith("\x89PNG\r\n\x1A\n"))
        return false;
    for (qsizetype at = 8; at + 12 <= file.size();) {
        const qsizetype length = Big(file, at, 4);
        const QByteArray type = file.mid(at + 4, 4);
        if (type == "acTL")
            return length >= 8 && at + 12 <= file.size() && Big(file, at + 8, 4) > 1;
        if (type == "IDAT")
            return false;
        at += 12 + length;
    }
    return false;
}
