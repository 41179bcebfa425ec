#include "pictures/Icon.h"

#include "base/ByteReader.h"
#include "base/Exceptions.h"
#include "base/Stream.h"
#include "base/StringTable.h"
#include "paint/Canvas.h"
#include "paint/Raster.h"

#include <QByteArray>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr std::uint16_t IconResourceType = 1;
// No icon image is larger than 256 pixels a side; a little room for odd files, no more.
constexpr int MaxIconSide = 1024;

[[noreturn]] void RaiseInvalid() { RaiseRes<EInvalidGraphic>(Str::InvalidIcon); }

// One directory entry, with the size and depth its image's own header gives.
struct TIconEntry {
    std::span<const std::byte> Data;
    int Width { 0 };
    int Height { 0 };
    int Bits { 0 };
    bool Png { false };
};

bool IsPng(std::span<const std::byte> data)
{
    static constexpr std::array<std::uint8_t, 8> Signature { 0x89, 'P', 'N', 'G', 13, 10, 26, 10 };
    if (data.size() < Signature.size())
        return false;
    return std::equal(Signature.begin(), Signature.end(), data.begin(),
                      [](std::uint8_t a, std::byte b) { return a == std::uint8_t(b); });
}

std::uint32_t BigEndian32(std::span<const std::byte> data, std::size_t offset)
{
    return (std::uint32_t(data[offset]) << 24) | (std::uint32_t(data[offset + 1]) << 16)
        | (std::uint32_t(data[offset + 2]) << 8) | std::uint32_t(data[offset + 3]);
}

// Size and depth of an entry from the image's own header; nothing when the header is not one
// this reader draws.
std::optional<TIconEntry> Describe(std::span<const std::byte> data)
{
    TIconEntry entry { data };
    if (IsPng(data)) {
        if (data.size() < 33) // signature, IHDR length and type, width, height, depth, colour type
            return std::nullopt;
        entry.Png = true;
        entry.Width = int(std::min<std::uint32_t>(BigEndian32(data, 16), MaxIconSide + 1));
        entry.Height = int(std::min<std::uint32_t>(BigEndian32(data, 20), MaxIconSide + 1));
        entry.Bits = 32;
    } else {
        TByteReader reader(data);
        const std::uint32_t headerSize = reader.U32();
        const std::int32_t width = std::int32_t(reader.U32());
        const std::int32_t doubledHeight = std::int32_t(reader.U32());
        reader.U16(); // planes
        entry.Bits = reader.U16();
        const std::uint32_t compression = reader.U32();
        if (reader.Overrun() || headerSize < 40 || compression != 0)
            return std::nullopt;
        entry.Width = width;
        entry.Height = doubledHeight / 2; // colour rows, then as many mask rows
    }
    const bool knownDepth = entry.Bits == 1 || entry.Bits == 4 || entry.Bits == 8 || entry.Bits == 24 || entry.Bits == 32;
    if (!knownDepth || entry.Width <= 0 || entry.Height <= 0 || entry.Width > MaxIconSide || entry.Height > MaxIconSide)
        return std::nullopt;
    return entry;
}

// The directory: every entry whose bytes lie inside the file and whose image header reads.
std::vector<TIconEntry> ReadDirectory(std::span<const std::byte> data)
{
    TByteReader reader(data);
    const std::uint16_t reserved = reader.U16();
    const std::uint16_t type = reader.U16();
    const std::uint16_t count = reader.U16();
    if (reader.Overrun() || reserved != 0 || type != IconResourceType || count == 0)
        RaiseInvalid();
    std::vector<TIconEntry> entries;
    for (int i = 0; i < count; ++i) {
        reader.Skip(8); // width, height, colours, reserved, planes, bits: the image says better
        const std::uint32_t size = reader.U32();
        const std::uint32_t offset = reader.U32();
        if (reader.Overrun())
            RaiseInvalid();
        if (offset > data.size() || size > data.size() - offset)
            continue;
        if (auto entry = Describe(data.subspan(offset, size)))
            entries.push_back(*entry);
    }
    return entries;
}

struct TDecoded {
    QImage Color;  // ARGB32, masked pixels transparent
    QImage Invert; // RGB32, or null
};

TDecoded DecodePng(std::span<const std::byte> data)
{
    const QImage image = QImage::fromData(reinterpret_cast<const uchar*>(data.data()), int(data.size()), "PNG");
    if (image.isNull())
        RaiseInvalid();
    return { image.convertToFormat(QImage::Format_ARGB32), QImage() };
}

std::size_t RowBytes(int width, int bits) { return ((std::size_t(width) * std::size_t(bits) + 31) / 32) * 4; }

TDecoded DecodeBitmap(const TIconEntry& entry)
{
    TByteReader reader(entry.Data);
    const std::uint32_t headerSize = reader.U32();
    reader.Seek(32);
    const std::uint32_t colorsUsed = reader.U32();
    reader.Seek(headerSize);

    std::array<QRgb, 256> palette {};
    if (entry.Bits <= 8) {
        const std::uint32_t full = 1u << entry.Bits;
        const std::uint32_t colors = colorsUsed == 0 ? full : std::min(colorsUsed, full);
        for (std::uint32_t i = 0; i < colors; ++i) {
            const std::uint8_t b = reader.U8(), g = reader.U8(), r = reader.U8();
            reader.U8();
            palette[i] = qRgb(r, g, b);
        }
    }
    const int w = entry.Width, h = entry.Height;
    const std::size_t colorRow = RowBytes(w, entry.Bits), maskRow = RowBytes(w, 1);
    const std::size_t colorStart = reader.Position();
    if (reader.Overrun() || colorStart > entry.Data.size() || entry.Data.size() - colorStart < colorRow * std::size_t(h))
        RaiseInvalid();
    const std::span<const std::byte> colorBits = entry.Data.subspan(colorStart, colorRow * std::size_t(h));
    // A missing mask hides nothing.
    const std::size_t maskStart = colorStart + colorBits.size();
    const bool hasMask = entry.Data.size() - maskStart >= maskRow * std::size_t(h);

    QImage color(w, h, QImage::Format_ARGB32);
    QImage invert(w, h, QImage::Format_RGB32);
    invert.fill(0);
    if (color.isNull() || invert.isNull())
        RaiseRes<EOutOfMemory>(Str::OutOfMemory);
    bool anyAlpha = false, anyInvert = false;
    for (int y = 0; y < h; ++y) {
        const std::size_t sourceRow = std::size_t(h - 1 - y); // rows run bottom-up
        const auto* row = reinterpret_cast<const std::uint8_t*>(colorBits.data()) + sourceRow * colorRow;
        auto* out = reinterpret_cast<QRgb*>(color.scanLine(y));
        for (int x = 0; x < w; ++x) {
            switch (entry.Bits) {
            case 1: out[x] = palette[(row[x / 8] >> (7 - x % 8)) & 1]; break;
            case 4: out[x] = palette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 15]; break;
            case 8: out[x] = palette[row[x]]; break;
            case 24: out[x] = qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]); break;
            default:
                out[x] = qRgba(row[x * 4 + 2], row[x * 4 + 1], row[x * 4], row[x * 4 + 3]);
                anyAlpha = anyAlpha || row[x * 4 + 3] != 0;
                continue;
            }
        }
    }
    // A 32-bit image with an alpha channel shows through it; every other image through its
    // mask, whose set bits keep the canvas and invert it under a colour other than black.
    if (entry.Bits == 32 && anyAlpha)
        return { color, QImage() };
    const auto* maskBits = reinterpret_cast<const std::uint8_t*>(entry.Data.data()) + maskStart;
    for (int y = 0; y < h; ++y) {
        auto* out = reinterpret_cast<QRgb*>(color.scanLine(y));
        auto* inv = reinterpret_cast<QRgb*>(invert.scanLine(y));
        const std::uint8_t* mask = hasMask ? maskBits + std::size_t(h - 1 - y) * maskRow : nullptr;
        for (int x = 0; x < w; ++x) {
            const bool masked = mask && ((mask[x / 8] >> (7 - x % 8)) & 1);
            if (!masked) {
                out[x] |= 0xFF000000u;
                continue;
            }
            if ((out[x] & 0xFFFFFFu) != 0) {
                inv[x] = out[x] | 0xFF000000u;
                anyInvert = true;
            }
            out[x] = 0;
        }
    }
    return { color, anyInvert ? invert : QImage() };
}

} // namespace

void TIcon::LoadFromStream(TStream& stream)
{
    const std::size_t start = stream.Position();
    const std::vector<std::byte> bytes = stream.ReadRemaining();
    try {
        const std::vector<TIconEntry> entries = ReadDirectory(bytes);
        if (entries.empty())
            RaiseInvalid();
        // The largest image, and of equally large ones the deepest, is the one to show.
        const TIconEntry& best = *std::max_element(entries.begin(), entries.end(), [](const TIconEntry& a, const TIconEntry& b) {
            const long long areaA = 1LL * a.Width * a.Height, areaB = 1LL * b.Width * b.Height;
            return areaA != areaB ? areaA < areaB : a.Bits < b.Bits;
        });
        TDecoded decoded = best.Png ? DecodePng(best.Data) : DecodeBitmap(best);
        m_color = std::move(decoded.Color);
        m_invert = std::move(decoded.Invert);
        m_bitsPerPixel = best.Bits;
    } catch (...) {
        stream.SetPosition(start);
        throw;
    }
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect)
{
    if (Empty())
        return;
    canvas.StretchDrawImage(rect, m_color);
    if (m_invert.isNull())
        return;
    const TRect box = NormalizedRect(rect);
    const QImage invert = m_invert.mirrored(rect.Right < rect.Left, rect.Bottom < rect.Top);
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(QRect(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top), invert);
    painter.restore();
    canvas.ReleasePainter();
}

std::unique_ptr<TGraphic> TIcon::Clone() const { return std::make_unique<TIcon>(*this); }

void RegisterIconFileFormats()
{
    TPicture::RegisterFileFormat("ico", "Icons", [] { return std::unique_ptr<TGraphic>(std::make_unique<TIcon>()); });
}
