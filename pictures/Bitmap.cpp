#include "pictures/Bitmap.h"

#include "base/ByteReader.h"
#include "base/Exceptions.h"
#include "base/Stream.h"
#include "paint/Canvas.h"
#include "pictures/metafile/DibFormat.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t FileHeaderSize = 14;

constexpr QRgb Black = 0xFF000000u;

// Plain 32-bit pixels (blue, green, red, unused) are copied straight into QRgb words.
static_assert(std::endian::native == std::endian::little);

[[noreturn]] void RaiseInvalid() { RaiseRes<EInvalidGraphic>(Str::InvalidBitmap); }

struct TBitmapInfo {
    std::uint32_t HeaderSize { 0 };
    std::int64_t Width { 0 };
    std::int64_t Height { 0 }; // always positive; TopDown says which way the rows run
    bool TopDown { false };
    unsigned BitCount { 0 };
    std::uint32_t Compression { BI_RGB };
    std::uint32_t ColorsUsed { 0 };
    // Red, green, blue and alpha masks of 16- and 32-bit pixels.
    std::array<std::uint32_t, 4> Masks {};
    bool HasAlphaMask { false };
    // Core bitmaps store their colour table as 3-byte triples.
    bool Core { false };
};

// One channel of a bit-field pixel: where the mask sits and how wide it is, so a channel of
// any width scales to 0..255.
class TMaskChannel {
public:
    explicit TMaskChannel(std::uint32_t mask)
        : m_mask(mask)
    {
        if (mask == 0)
            return;
        m_shift = std::countr_zero(mask);
        m_bits = std::bit_width(mask >> m_shift);
    }

    bool Present() const { return m_bits > 0; }

    std::uint32_t Extract(std::uint32_t pixel) const
    {
        if (m_bits == 0)
            return 0;
        const std::uint32_t value = (pixel & m_mask) >> m_shift;
        if (m_bits >= 8)
            return value >> (m_bits - 8);
        const std::uint32_t max = (1u << m_bits) - 1;
        return (value * 255 + max / 2) / max;
    }

private:
    std::uint32_t m_mask { 0 };
    int m_shift { 0 };
    int m_bits { 0 };
};

void ReadFileHeader(TByteReader& reader, std::uint32_t& pixelOffset)
{
    if (!reader.Has(FileHeaderSize) || reader.U8() != 'B' || reader.U8() != 'M')
        RaiseInvalid();
    reader.Skip(4 + 2 + 2); // file size and two reserved words: nothing relies on them
    pixelOffset = reader.U32();
}

bool IsKnownHeaderSize(std::uint32_t size)
{
    switch (size) {
    case CoreHeaderSize:
    case InfoHeaderSize:
    case V2HeaderSize:
    case V3HeaderSize:
    case V4HeaderSize:
    case V5HeaderSize:
        return true;
    default:
        return false;
    }
}

bool IsValidBitCount(unsigned bitCount, bool core)
{
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return true;
    case 16:
    case 32:
        return !core;
    default:
        return false;
    }
}

bool IsValidCompression(const TBitmapInfo& info)
{
    switch (info.Compression) {
    case BI_RGB:
        return true;
    case BI_RLE8:
        return info.BitCount == 8;
    case BI_RLE4:
        return info.BitCount == 4;
    case BI_BITFIELDS:
        return info.BitCount == 16 || info.BitCount == 32;
    default:
        return false;
    }
}

// The header after the file header, and the masks that follow a 40-byte header with
// bit fields. Leaves the reader at the colour table.
TBitmapInfo ReadInfoHeader(TByteReader& reader)
{
    TBitmapInfo info;
    info.HeaderSize = reader.U32();
    if (!IsKnownHeaderSize(info.HeaderSize) || !reader.Has(info.HeaderSize - 4))
        RaiseInvalid();
    const std::size_t headerEnd = FileHeaderSize + info.HeaderSize;

    if (info.HeaderSize == CoreHeaderSize) {
        info.Core = true;
        info.Width = reader.U16();
        info.Height = reader.U16();
        reader.U16(); // planes
        info.BitCount = reader.U16();
    } else {
        info.Width = reader.I32();
        const std::int64_t height = reader.I32();
        info.TopDown = height < 0;
        info.Height = height < 0 ? -height : height;
        reader.U16(); // planes
        info.BitCount = reader.U16();
        info.Compression = reader.U32();
        reader.Skip(4 + 4 + 4); // image size (the data's own end is trusted instead), resolution
        info.ColorsUsed = reader.U32();
        reader.U32(); // important colours
        if (info.HeaderSize >= V2HeaderSize) {
            for (int i = 0; i < 3; ++i)
                info.Masks[i] = reader.U32();
        }
        if (info.HeaderSize >= V3HeaderSize) {
            info.Masks[3] = reader.U32();
            info.HasAlphaMask = true;
        }
    }
    reader.Seek(headerEnd);

    if (info.Width <= 0 || info.Height <= 0 || !IsValidBitCount(info.BitCount, info.Core) || !IsValidCompression(info))
        RaiseInvalid();
    // Both sides are at most 2^31, so the product cannot overflow.
    if (std::uint64_t(info.Width) * std::uint64_t(info.Height) > MaxBitmapPixels)
        RaiseInvalid();

    if (info.Compression == BI_BITFIELDS && info.HeaderSize == InfoHeaderSize) {
        if (!reader.Has(12))
            RaiseInvalid();
        for (int i = 0; i < 3; ++i)
            info.Masks[i] = reader.U32();
    }
    if (info.Compression != BI_BITFIELDS) {
        // Without bit fields the masks of the larger headers mean nothing: 16-bit pixels are
        // 5-5-5 and 32-bit pixels are blue, green, red and an unused byte.
        info.HasAlphaMask = false;
        info.Masks = info.BitCount == 16 ? std::array<std::uint32_t, 4> { 0x7C00, 0x03E0, 0x001F, 0 }
                                         : std::array<std::uint32_t, 4> { 0xFF0000, 0xFF00, 0xFF, 0 };
    }
    return info;
}

// The colour table: as many entries as the header declares (all 2^bits when it says 0).
// Entries the data does not hold stay black, as do indexes beyond the table.
std::array<QRgb, 256> ReadColorTable(const TBitmapInfo& info, const TByteReader& reader, std::uint64_t& tableBytes)
{
    std::array<QRgb, 256> palette;
    palette.fill(Black);
    const std::uint64_t entrySize = info.Core ? 3 : 4;
    std::uint64_t declared = info.ColorsUsed;
    if (info.BitCount <= 8 && (info.Core || declared == 0))
        declared = std::uint64_t(1) << info.BitCount;
    tableBytes = declared * entrySize;
    if (info.BitCount > 8)
        return palette; // an optional table for display on palette screens: not needed

    const std::uint64_t entries = std::min<std::uint64_t>(declared, std::uint64_t(1) << info.BitCount);
    const std::span<const std::byte> data = reader.Data();
    const std::size_t start = reader.Position();
    for (std::uint64_t i = 0; i < entries; ++i) {
        const std::uint64_t at = start + i * entrySize;
        if (at + entrySize > data.size())
            break;
        palette[i] = qRgb(std::uint8_t(data[at + 2]), std::uint8_t(data[at + 1]), std::uint8_t(data[at]));
    }
    return palette;
}

// Where the pixels begin: the file header's offset when it points past the headers and into
// the data, otherwise right after the colour table (writers that leave the offset 0 or wrong).
std::size_t PixelDataOffset(std::uint32_t declaredOffset, std::size_t tableStart, std::uint64_t tableBytes,
                            std::size_t dataSize)
{
    if (declaredOffset >= tableStart && declaredOffset <= dataSize)
        return declaredOffset;
    if (tableBytes > dataSize - tableStart)
        RaiseInvalid();
    return std::size_t(tableStart + tableBytes);
}

QImage AllocateImage(const TBitmapInfo& info, QImage::Format format)
{
    QImage image(int(info.Width), int(info.Height), format);
    if (image.isNull())
        RaiseRes<EOutOfMemory>(Str::OutOfMemory);
    return image;
}

QRgb* ImageRow(QImage& image, const TBitmapInfo& info, std::int64_t fileRow)
{
    const std::int64_t y = info.TopDown ? fileRow : info.Height - 1 - fileRow;
    return reinterpret_cast<QRgb*>(image.scanLine(int(y)));
}

void DecodeIndexedRow(const std::uint8_t* src, QRgb* dst, int width, unsigned bitCount, const std::array<QRgb, 256>& palette)
{
    switch (bitCount) {
    case 1:
        for (int x = 0; x < width; ++x)
            dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
        break;
    case 4:
        for (int x = 0; x < width; ++x)
            dst[x] = palette[(x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4)];
        break;
    default:
        for (int x = 0; x < width; ++x)
            dst[x] = palette[src[x]];
        break;
    }
}

void Decode24BitRow(const std::uint8_t* src, QRgb* dst, int width)
{
    for (int x = 0; x < width; ++x, src += 3)
        dst[x] = Black | (QRgb(src[2]) << 16) | (QRgb(src[1]) << 8) | src[0];
}

// 16- and 32-bit pixels through their masks. Returns whether any alpha value was read that
// is not 255, and whether any was not 0.
void DecodeMaskedRow(const std::uint8_t* src, QRgb* dst, int width, const TBitmapInfo& info,
                     const std::array<TMaskChannel, 4>& channels, bool& anyTranslucent, bool& anyVisible)
{
    const bool hasAlpha = info.HasAlphaMask && channels[3].Present();
    for (int x = 0; x < width; ++x) {
        std::uint32_t pixel;
        if (info.BitCount == 16) {
            pixel = std::uint32_t(src[0]) | (std::uint32_t(src[1]) << 8);
            src += 2;
        } else {
            pixel = std::uint32_t(src[0]) | (std::uint32_t(src[1]) << 8) | (std::uint32_t(src[2]) << 16) | (std::uint32_t(src[3]) << 24);
            src += 4;
        }
        const std::uint32_t alpha = hasAlpha ? channels[3].Extract(pixel) : 255;
        anyTranslucent = anyTranslucent || alpha != 255;
        anyVisible = anyVisible || alpha != 0;
        dst[x] = (alpha << 24) | (channels[0].Extract(pixel) << 16) | (channels[1].Extract(pixel) << 8) | channels[2].Extract(pixel);
    }
}

QImage DecodeUncompressed(const TBitmapInfo& info, std::span<const std::byte> pixels, const std::array<QRgb, 256>& palette)
{
    const std::uint64_t bitsPerRow = std::uint64_t(info.Width) * info.BitCount;
    const std::uint64_t stride = (bitsPerRow + 31) / 32 * 4;
    // The last row's padding is often left out by writers; its pixels are all that is needed.
    const std::uint64_t needed = stride * std::uint64_t(info.Height - 1) + (bitsPerRow + 7) / 8;
    if (pixels.size() < needed)
        RaiseInvalid();

    const bool masked = info.BitCount == 16 || (info.BitCount == 32 && info.Compression == BI_BITFIELDS);
    const bool hasAlpha = masked && info.HasAlphaMask && info.Masks[3] != 0;
    QImage image = AllocateImage(info, hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const std::array<TMaskChannel, 4> channels { TMaskChannel(info.Masks[0]), TMaskChannel(info.Masks[1]),
                                                  TMaskChannel(info.Masks[2]), TMaskChannel(info.Masks[3]) };
    const auto* base = reinterpret_cast<const std::uint8_t*>(pixels.data());
    const int width = int(info.Width);
    bool anyTranslucent = false;
    bool anyVisible = false;
    for (std::int64_t row = 0; row < info.Height; ++row) {
        const std::uint8_t* src = base + std::uint64_t(row) * stride;
        QRgb* dst = ImageRow(image, info, row);
        if (info.BitCount <= 8)
            DecodeIndexedRow(src, dst, width, info.BitCount, palette);
        else if (info.BitCount == 24)
            Decode24BitRow(src, dst, width);
        else if (masked)
            DecodeMaskedRow(src, dst, width, info, channels, anyTranslucent, anyVisible);
        else {
            std::memcpy(dst, src, std::size_t(width) * 4);
            for (int x = 0; x < width; ++x)
                dst[x] |= Black; // the fourth byte of plain 32-bit pixels is unused
        }
    }
    // Many writers leave the alpha channel all zero; such a bitmap is opaque, as it draws
    // on screens that ignore alpha.
    if (hasAlpha && !(anyTranslucent && anyVisible)) {
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x)
                line[x] |= Black;
        }
        image.reinterpretAsFormat(QImage::Format_RGB32);
    }
    return image;
}

// Run-length encoded 8- and 4-bit pixels. Pixels that the data skips (deltas, early ends of
// lines) or never reaches because it runs out stay black.
QImage DecodeRunLength(const TBitmapInfo& info, std::span<const std::byte> pixels, const std::array<QRgb, 256>& palette)
{
    QImage image = AllocateImage(info, QImage::Format_RGB32);
    image.fill(Black);
    const bool rle4 = info.Compression == BI_RLE4;
    const auto* data = reinterpret_cast<const std::uint8_t*>(pixels.data());
    const std::size_t size = pixels.size();
    std::int64_t x = 0;
    std::int64_t y = 0;
    auto put = [&](std::uint8_t index) {
        if (x < info.Width && y < info.Height)
            ImageRow(image, info, y)[x] = palette[index];
        ++x;
    };

    std::size_t pos = 0;
    while (y < info.Height && size - pos >= 2) {
        const std::uint8_t count = data[pos];
        const std::uint8_t value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(rle4 ? ((i & 1) ? value & 0x0F : value >> 4) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
            continue;
        }
        if (value == 1) // end of bitmap
            break;
        if (value == 2) { // delta: move right and up
            if (size - pos < 2)
                break;
            x += data[pos];
            y += data[pos + 1];
            pos += 2;
            continue;
        }
        // Absolute run of `value` pixels, padded to a 16-bit boundary.
        const std::size_t bytes = rle4 ? (std::size_t(value) + 1) / 2 : value;
        const std::size_t available = std::min(bytes, size - pos);
        for (std::size_t i = 0; i < std::size_t(value); ++i) {
            const std::size_t at = rle4 ? i / 2 : i;
            if (at >= available)
                break;
            const std::uint8_t byte = data[pos + at];
            put(rle4 ? ((i & 1) ? byte & 0x0F : byte >> 4) : byte);
        }
        const std::size_t padded = bytes + (bytes & 1);
        pos += std::min(padded, size - pos);
    }
    return image;
}

} // namespace

QImage ReadBitmapFile(std::span<const std::byte> data)
{
    TByteReader reader(data);
    std::uint32_t declaredOffset = 0;
    ReadFileHeader(reader, declaredOffset);
    const TBitmapInfo info = ReadInfoHeader(reader);
    if (reader.Overrun())
        RaiseInvalid();

    const std::size_t tableStart = reader.Position();
    std::uint64_t tableBytes = 0;
    const std::array<QRgb, 256> palette = ReadColorTable(info, reader, tableBytes);
    const std::size_t offset = PixelDataOffset(declaredOffset, tableStart, tableBytes, data.size());
    const std::span<const std::byte> pixels = data.subspan(offset);

    if (info.Compression == BI_RLE8 || info.Compression == BI_RLE4)
        return DecodeRunLength(info, pixels, palette);
    return DecodeUncompressed(info, pixels, palette);
}

void TBitmap::LoadFromStream(TStream& stream)
{
    const std::size_t start = stream.Position();
    // Memory streams are read in place; others are copied once.
    if (auto* memory = dynamic_cast<TCustomMemoryStream*>(&stream)) {
        m_image = ReadBitmapFile(memory->RemainingMemory());
        memory->SetPosition(memory->Size());
        return;
    }
    const std::vector<std::byte> bytes = stream.ReadRemaining();
    try {
        m_image = ReadBitmapFile(bytes);
    } catch (...) {
        stream.SetPosition(start);
        throw;
    }
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect)
{
    if (Empty())
        return;
    canvas.StretchDrawImage(rect, m_image);
}

std::unique_ptr<TGraphic> TBitmap::Clone() const
{
    auto copy = std::make_unique<TBitmap>();
    copy->m_image = m_image;
    return copy;
}

void TBitmap::SetImage(const QImage& image)
{
    if (image.isNull()) {
        m_image = QImage();
        return;
    }
    const QImage::Format format = image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    m_image = image.format() == format ? image : image.convertToFormat(format);
}

void RegisterBitmapFileFormats()
{
    auto factory = [] { return std::unique_ptr<TGraphic>(std::make_unique<TBitmap>()); };
    TPicture::RegisterFileFormat("bmp", "Bitmaps", factory);
    TPicture::RegisterFileFormat("dib", "Bitmaps", factory);
}
