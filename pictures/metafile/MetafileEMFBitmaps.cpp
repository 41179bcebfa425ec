#include "pictures/metafile/MetafileEMFBitmaps.h"

#include "base/ByteReader.h"
#include "pictures/metafile/MetafileDIB.h"
#include "pictures/metafile/MetafilePlayer.h"

#include <QPainter>

#include <cstdint>

namespace {

constexpr std::uint32_t EMR_BITBLT = 76;
constexpr std::uint32_t EMR_SETDIBITSTODEVICE = 80;
constexpr std::uint32_t EMR_STRETCHDIBITS = 81;
constexpr std::uint32_t EMR_ALPHABLEND = 114;
constexpr std::uint32_t EMR_TRANSPARENTBLT = 116;
constexpr std::uint32_t SRCCOPY = 0x00CC0020;

// A reader over the record's parameters (after type and size).
TByteReader Params(std::span<const std::byte> record)
{
    TByteReader r(record);
    r.Skip(8);
    return r;
}

// A DIB stored in a record as (offBmi, cbBmi, offBits, cbBits) counted from the record start.
QImage ReadRecordDib(std::span<const std::byte> record, std::uint32_t offBmi, std::uint32_t cbBmi, std::uint32_t offBits,
                     std::uint32_t cbBits, std::uint32_t usage, bool keepAlpha, bool* bottomUp = nullptr)
{
    const std::size_t size = record.size();
    if (cbBmi == 0 || offBmi > size || cbBmi > size - offBmi || offBits > size || cbBits > size - offBits)
        return {};
    const auto info = record.subspan(offBmi, cbBmi);
    if (bottomUp)
        *bottomUp = MetafileDIBIsBottomUp(info);
    return DecodeMetafileDIB(info, record.subspan(offBits, cbBits), usage == 1, keepAlpha);
}

// Pattern brushes fill with the pattern's average colour.
TColor AverageColor(const QImage& pattern)
{
    const QRgb c = MetafileDIBAverageColor(pattern);
    return RGB(std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c)));
}

// The fields STRETCHDIBITS and SETDIBITSTODEVICE share, after the bounds: destination,
// source rectangle and the bitmap inside the record.
struct TDibRecord {
    int X, Y, XSrc, YSrc, CxSrc, CySrc;
    std::uint32_t OffBmi, CbBmi, OffBits, CbBits, Usage;
};

TDibRecord ReadDibRecord(TByteReader& r)
{
    r.Skip(16);
    TDibRecord d {};
    d.X = r.I32();
    d.Y = r.I32();
    d.XSrc = r.I32();
    d.YSrc = r.I32();
    d.CxSrc = r.I32();
    d.CySrc = r.I32();
    d.OffBmi = r.U32();
    d.CbBmi = r.U32();
    d.OffBits = r.U32();
    d.CbBits = r.U32();
    d.Usage = r.U32();
    return d;
}

void DrawDibRecord(TMetafilePlayer& player, std::span<const std::byte> record, const TDibRecord& d, int cx, int cy,
                   std::uint32_t rop)
{
    bool bottomUp = false;
    const QImage image = ReadRecordDib(record, d.OffBmi, d.CbBmi, d.OffBits, d.CbBits, d.Usage, false, &bottomUp);
    if (image.isNull())
        return;
    // The source rectangle of a bottom-up bitmap counts from its bottom row.
    const std::int64_t top = bottomUp ? std::int64_t(image.height()) - d.YSrc - d.CySrc : d.YSrc;
    if (top < INT32_MIN || top > INT32_MAX)
        return;
    player.StretchBitmap(image, d.X, d.Y, cx, cy, d.XSrc, int(top), d.CxSrc, d.CySrc, rop);
}

void PlayStretchDIBits(TMetafilePlayer& player, std::span<const std::byte> record)
{
    TByteReader r = Params(record);
    const TDibRecord d = ReadDibRecord(r);
    const std::uint32_t rop = r.U32();
    const int cx = r.I32(), cy = r.I32();
    if (r.Overrun())
        return;
    DrawDibRecord(player, record, d, cx, cy, rop);
}

void PlaySetDIBitsToDevice(TMetafilePlayer& player, std::span<const std::byte> record)
{
    TByteReader r = Params(record);
    const TDibRecord d = ReadDibRecord(r);
    if (r.Overrun())
        return;
    DrawDibRecord(player, record, d, d.CxSrc, d.CySrc, SRCCOPY);
}

// BITBLT, STRETCHBLT, ALPHABLEND and TRANSPARENTBLT share one layout.
void PlayBlit(TMetafilePlayer& player, std::uint32_t type, std::span<const std::byte> record)
{
    TByteReader r = Params(record);
    r.Skip(16);
    const int x = r.I32(), y = r.I32(), cx = r.I32(), cy = r.I32();
    const std::uint32_t rop = r.U32();
    const int xSrc = r.I32(), ySrc = r.I32();
    r.Skip(24 + 4); // source transform, background colour
    const std::uint32_t usage = r.U32();
    const std::uint32_t offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
    int cxSrc = cx, cySrc = cy;
    if (type != EMR_BITBLT) {
        cxSrc = r.I32();
        cySrc = r.I32();
    }
    if (r.Overrun())
        return;
    if (cbBmi == 0) {
        if (type == EMR_BITBLT)
            player.PatternBlit(x, y, cx, cy, rop);
        return;
    }
    const bool alpha = type == EMR_ALPHABLEND && ((rop >> 24) & 1);
    QImage image = ReadRecordDib(record, offBmi, cbBmi, offBits, cbBits, usage, alpha);
    if (image.isNull())
        return;
    std::uint32_t drawRop = rop;
    if (type == EMR_ALPHABLEND) {
        drawRop = SRCCOPY;
        const int constantAlpha = int((rop >> 16) & 0xFF);
        if (constantAlpha != 255) {
            image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QImage faded(image.size(), QImage::Format_ARGB32_Premultiplied);
            faded.fill(Qt::transparent);
            QPainter painter(&faded);
            painter.setOpacity(constantAlpha / 255.0);
            painter.drawImage(0, 0, image);
            painter.end();
            image = faded;
        }
    } else if (type == EMR_TRANSPARENTBLT) {
        // The raster-operation field holds the colour that stays transparent.
        drawRop = SRCCOPY;
        const QRgb key = qRgb(GetRValue(rop), GetGValue(rop), GetBValue(rop));
        for (int row = 0; row < image.height(); ++row) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
            for (int col = 0; col < image.width(); ++col) {
                if (line[col] == key)
                    line[col] = 0;
            }
        }
    }
    // The recorded bitmap is usually just the source rectangle.
    const bool justSource
        = image.width() == std::abs(std::int64_t(cxSrc)) && image.height() == std::abs(std::int64_t(cySrc));
    player.StretchBitmap(image, x, y, cx, cy, justSource ? 0 : xSrc, justSource ? 0 : ySrc, cxSrc, cySrc, drawRop);
}

} // namespace

void PlayEnhancedBitmapRecord(TMetafilePlayer& player, std::span<const std::byte> record)
{
    const std::uint32_t type = TByteReader(record).U32At(0);
    if (type == EMR_STRETCHDIBITS)
        PlayStretchDIBits(player, record);
    else if (type == EMR_SETDIBITSTODEVICE)
        PlaySetDIBitsToDevice(player, record);
    else
        PlayBlit(player, type, record);
}

TColor EnhancedPatternBrushColor(std::span<const std::byte> record)
{
    // index, usage, then where the bitmap lies in the record
    TByteReader r = Params(record);
    r.U32();
    const std::uint32_t usage = r.U32();
    const std::uint32_t offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
    return AverageColor(ReadRecordDib(record, offBmi, cbBmi, offBits, cbBits, usage, false));
}

QImage EnhancedPatternBrushImage(std::span<const std::byte> record)
{
    TByteReader r = Params(record);
    r.U32();
    const std::uint32_t usage = r.U32();
    const std::uint32_t offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
    return ReadRecordDib(record, offBmi, cbBmi, offBits, cbBits, usage, false);
}
