#include "pictures/metafile/MetafileDIB.h"

#include "base/ByteReader.h"
#include "pictures/metafile/DibFormat.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace {

// Bitmaps in metafiles are small pictures; this keeps a hostile header from asking for
// gigabytes (the bits must be present in the record anyway).
constexpr std::int64_t MaxPixels = std::int64_t(1) << 24;

struct TDibHeader {
    std::uint32_t HeaderSize { 0 };
    std::int64_t Width { 0 };
    std::int64_t Height { 0 };
    bool TopDown { false };
    int BitCount { 0 };
    std::uint32_t Compression { BI_RGB };
    std::uint32_t ColorsUsed { 0 };
    std::uint32_t Masks[3] { 0, 0, 0 };
    std::size_t TableOffset { 0 };
    std::size_t TableEntrySize { 4 };
    std::size_t TableEntries { 0 };
};

// The info header (core or full) and where its colour table starts; false when it is not
// a bitmap we read.
bool ReadDibHeader(std::span<const std::byte> info, TDibHeader& h)
{
    TByteReader r(info);
    h.HeaderSize = r.U32();
    if (h.HeaderSize == CoreHeaderSize) {
        h.Width = r.U16();
        h.Height = r.U16();
        r.U16(); // planes
        h.BitCount = r.U16();
        h.TableEntrySize = 3;
    } else if (h.HeaderSize >= 40) {
        h.Width = r.I32();
        h.Height = r.I32();
        r.U16();
        h.BitCount = r.U16();
        h.Compression = r.U32();
        r.Skip(12); // image size, resolution
        h.ColorsUsed = r.U32();
    } else {
        return false;
    }
    if (r.Overrun() || h.HeaderSize > info.size())
        return false;
    if (h.Height < 0) {
        h.TopDown = true;
        h.Height = -h.Height;
    }
    if (h.Width <= 0 || h.Height <= 0 || h.Width * h.Height > MaxPixels)
        return false;
    switch (h.BitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        if (h.Compression != BI_RGB)
            return false;
        break;
    case 16:
    case 32:
        if (h.Compression != BI_RGB && h.Compression != BI_BITFIELDS)
            return false;
        break;
    default:
        return false;
    }

    h.TableOffset = h.HeaderSize;
    if (h.Compression == BI_BITFIELDS) {
        // The masks follow a 40-byte header; longer headers hold them at the same place.
        for (int i = 0; i < 3; ++i)
            h.Masks[i] = r.U32At(40 + std::size_t(i) * 4);
        if (h.HeaderSize == InfoHeaderSize)
            h.TableOffset += 12;
    } else if (h.BitCount == 16) {
        h.Masks[0] = 0x7C00;
        h.Masks[1] = 0x03E0;
        h.Masks[2] = 0x001F;
    } else if (h.BitCount == 32) {
        h.Masks[0] = 0xFF0000;
        h.Masks[1] = 0x00FF00;
        h.Masks[2] = 0x0000FF;
    }
    if (h.BitCount <= 8) {
        const std::uint32_t full = 1u << h.BitCount;
        h.TableEntries = (h.ColorsUsed == 0 || h.ColorsUsed > full) ? full : h.ColorsUsed;
    }
    return true;
}

// The colour table; entries missing from the record stay black.
std::vector<QRgb> ReadColorTable(std::span<const std::byte> info, const TDibHeader& h, bool paletteIndices)
{
    std::vector<QRgb> table(std::size_t(1) << (h.BitCount <= 8 ? h.BitCount : 0), qRgb(0, 0, 0));
    TByteReader r(info);
    r.Seek(h.TableOffset);
    for (std::size_t i = 0; i < h.TableEntries && i < table.size(); ++i) {
        if (paletteIndices) {
            const std::uint16_t index = r.U16();
            if (r.Overrun())
                break;
            table[i] = qRgb(index & 0xFF, index & 0xFF, index & 0xFF);
            continue;
        }
        const std::uint8_t b = r.U8();
        const std::uint8_t g = r.U8();
        const std::uint8_t red = r.U8();
        if (h.TableEntrySize == 4)
            r.U8();
        if (r.Overrun())
            break;
        table[i] = qRgb(red, g, b);
    }
    return table;
}

// Scales a masked field to 0..255.
int MaskedComponent(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    const std::uint32_t value = (pixel & mask) >> shift;
    return int((std::uint64_t(value) * 255 + max / 2) / max);
}

} // namespace

bool MetafileDIBIsBottomUp(std::span<const std::byte> info)
{
    TDibHeader h;
    return ReadDibHeader(info, h) && !h.TopDown;
}

QImage DecodeMetafileDIB(std::span<const std::byte> info, std::span<const std::byte> bits, bool paletteIndices,
                         bool keepAlpha)
{
    TDibHeader h;
    if (!ReadDibHeader(info, h))
        return {};
    const std::uint64_t stride = ((std::uint64_t(h.Width) * std::uint64_t(h.BitCount) + 31) / 32) * 4;
    if (stride * std::uint64_t(h.Height) > bits.size())
        return {};
    const std::vector<QRgb> table = ReadColorTable(info, h, paletteIndices);

    keepAlpha = keepAlpha && h.BitCount == 32 && h.Compression == BI_RGB;
    QImage image(int(h.Width), int(h.Height), keepAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    const int width = int(h.Width);
    for (int y = 0; y < image.height(); ++y) {
        const std::size_t sourceRow = std::size_t(h.TopDown ? y : image.height() - 1 - y);
        const auto* row = reinterpret_cast<const std::uint8_t*>(bits.data()) + sourceRow * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            switch (h.BitCount) {
            case 1:
                out[x] = table[(row[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case 4:
                out[x] = table[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
                break;
            case 8:
                out[x] = table[row[x]];
                break;
            case 24:
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            case 16: {
                const std::uint32_t p = std::uint32_t(row[2 * x]) | (std::uint32_t(row[2 * x + 1]) << 8);
                out[x] = qRgb(MaskedComponent(p, h.Masks[0]), MaskedComponent(p, h.Masks[1]),
                              MaskedComponent(p, h.Masks[2]));
                break;
            }
            case 32: {
                const std::uint32_t p = std::uint32_t(row[4 * x]) | (std::uint32_t(row[4 * x + 1]) << 8)
                    | (std::uint32_t(row[4 * x + 2]) << 16) | (std::uint32_t(row[4 * x + 3]) << 24);
                if (keepAlpha) {
                    const int a = row[4 * x + 3];
                    out[x] = qRgba(std::min<int>(row[4 * x + 2], a), std::min<int>(row[4 * x + 1], a),
                                   std::min<int>(row[4 * x], a), a);
                    break;
                }
                out[x] = qRgb(MaskedComponent(p, h.Masks[0]), MaskedComponent(p, h.Masks[1]),
                              MaskedComponent(p, h.Masks[2]));
                break;
            }
            }
        }
    }
    return image;
}

QImage DecodePackedMetafileDIB(std::span<const std::byte> packed, bool paletteIndices)
{
    TDibHeader h;
    if (!ReadDibHeader(packed, h))
        return {};
    const std::size_t entrySize = paletteIndices ? 2 : h.TableEntrySize;
    const std::size_t bitsOffset = h.TableOffset + h.TableEntries * entrySize;
    if (bitsOffset > packed.size())
        return {};
    return DecodeMetafileDIB(packed.first(bitsOffset), packed.subspan(bitsOffset), paletteIndices);
}

QRgb MetafileDIBAverageColor(const QImage& image)
{
    if (image.isNull())
        return qRgb(0, 0, 0);
    std::uint64_t r = 0, g = 0, b = 0;
    const std::uint64_t n = std::uint64_t(image.width()) * std::uint64_t(image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            r += qRed(line[x]);
            g += qGreen(line[x]);
            b += qBlue(line[x]);
        }
    }
    return qRgb(int(r / n), int(g / n), int(b / n));
}
