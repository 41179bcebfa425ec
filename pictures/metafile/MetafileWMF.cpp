#include "pictures/metafile/MetafileWMF.h"

#include "base/ByteReader.h"
#include "pictures/metafile/MetafileDIB.h"
#include "pictures/metafile/MetafilePlayer.h"

#include <cstdint>
#include <optional>
#include <set>

namespace {

enum : std::uint16_t {
    META_EOF = 0x0000,
    META_SAVEDC = 0x001E,
    META_CREATEPALETTE = 0x00F7,
    META_SETBKMODE = 0x0102,
    META_SETROP2 = 0x0104,
    META_SETPOLYFILLMODE = 0x0106,
    META_RESTOREDC = 0x0127,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPATTERNBRUSH = 0x01F9,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_OFFSETWINDOWORG = 0x020F,
    META_OFFSETCLIPRGN = 0x0220,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_SCALEWINDOWEXT = 0x0410,
    META_EXCLUDECLIPRECT = 0x0415,
    META_INTERSECTCLIPRECT = 0x0416,
    META_ELLIPSE = 0x0418,
    META_RECTANGLE = 0x041B,
    META_SETPIXEL = 0x041F,
    META_TEXTOUT = 0x0521,
    META_POLYPOLYGON = 0x0538,
    META_ROUNDRECT = 0x061C,
    META_PATBLT = 0x061D,
    META_CREATEREGION = 0x06FF,
    META_ARC = 0x0817,
    META_PIE = 0x081A,
    META_CHORD = 0x0830,
    META_DIBBITBLT = 0x0940,
    META_EXTTEXTOUT = 0x0A32,
    META_DIBSTRETCHBLT = 0x0B41,
    META_SETDIBTODEV = 0x0D33,
    META_STRETCHDIB = 0x0F43,
};

// Object slots: each new object takes the lowest free slot.
class TSlots {
public:
    std::optional<std::uint32_t> Take()
    {
        if (!m_free.empty()) {
            const std::uint32_t slot = *m_free.begin();
            m_free.erase(m_free.begin());
            return slot;
        }
        if (m_next > 0xFFFF)
            return std::nullopt;
        return m_next++;
    }
    void Release(std::uint32_t slot)
    {
        if (slot < m_next)
            m_free.insert(slot);
    }

private:
    std::set<std::uint32_t> m_free;
    std::uint32_t m_next { 0 };
};

struct TRecord {
    std::uint16_t Function;
    std::span<const std::byte> Params;
};

// Windows metafiles store most parameters last to first; reading a rectangle gives
// bottom, right, top, left.
struct TBox {
    double Left, Top, Right, Bottom;
};

TBox ReadBox(TByteReader& r)
{
    const double bottom = r.I16(), right = r.I16(), top = r.I16(), left = r.I16();
    return { left, top, right, bottom };
}

QPointF ReadYX(TByteReader& r)
{
    const double y = r.I16();
    return { double(r.I16()), y };
}

std::optional<std::vector<QPointF>> ReadPoints(TByteReader& r, std::size_t count)
{
    if (count * 4 > r.Remaining())
        return std::nullopt;
    std::vector<QPointF> points;
    points.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double x = r.I16();
        points.push_back({ x, double(r.I16()) });
    }
    return points;
}

std::u16string Latin1(std::span<const std::byte> bytes)
{
    std::u16string text;
    for (std::byte b : bytes)
        text.push_back(char16_t(std::uint8_t(b)));
    return text;
}

TMfFont ReadLogFont16(TByteReader& r)
{
    TMfFont font;
    font.Height = r.I16();
    font.Width = r.I16();
    font.Escapement = r.I16();
    r.I16(); // orientation
    font.Weight = r.I16();
    font.Italic = r.U8() != 0;
    font.Underline = r.U8() != 0;
    font.StrikeOut = r.U8() != 0;
    r.Skip(5);
    std::string face;
    for (int i = 0; i < 32 && !r.AtEnd(); ++i) {
        const char c = char(r.U8());
        if (c == 0)
            break;
        face.push_back(c);
    }
    font.Face = QString::fromLatin1(face.data(), qsizetype(face.size())).toStdString();
    return font;
}

// Pattern brushes fill with the pattern's average colour.
TColor AverageColor(const QImage& pattern)
{
    const QRgb c = MetafileDIBAverageColor(pattern);
    return RGB(std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c)));
}

// Every object record takes a slot, even those that draw nothing, so later indices match.
void CreateObject(TMetafilePlayer& player, TSlots& slots, const TRecord& record)
{
    TByteReader r(record.Params);
    TMfObject object = TMfOtherObject {};
    switch (record.Function) {
    case META_CREATEPENINDIRECT: {
        TMfPen pen;
        const std::uint16_t style = r.U16();
        pen.Style = style & 0xF;
        pen.EndCap = style & 0xF00;
        pen.Width = r.I16();
        r.I16();
        pen.Color = r.U32();
        object = pen;
        break;
    }
    case META_CREATEBRUSHINDIRECT: {
        TMfBrush brush;
        brush.Style = r.U16();
        brush.Color = r.U32();
        brush.Hatch = r.U16();
        if ((brush.Style == MfBS_HATCHED && brush.Hatch > 5) || brush.Style > MfBS_HATCHED)
            brush.Style = MfBS_SOLID;
        object = brush;
        break;
    }
    case META_CREATEFONTINDIRECT:
        object = ReadLogFont16(r);
        break;
    case META_DIBCREATEPATTERNBRUSH: {
        r.U16(); // style
        const bool paletteIndices = r.U16() == 1;
        const QImage pattern = DecodePackedMetafileDIB(record.Params.subspan(r.Position()), paletteIndices);
        TMfBrush brush { .Style = pattern.isNull() ? MfBS_SOLID : MfBS_PATTERN, .Color = AverageColor(pattern) };
        brush.Pattern = pattern;
        object = brush;
        break;
    }
    case META_CREATEPATTERNBRUSH:
        object = TMfBrush { .Style = MfBS_SOLID, .Color = clGray };
        break;
    default:
        break;
    }
    if (const auto slot = slots.Take())
        player.SetObject(*slot, std::move(object));
}

void PlayText(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r(record.Params);
    if (record.Function == META_TEXTOUT) {
        const std::size_t length = r.U16();
        const auto bytes = r.Bytes(length);
        if (r.Overrun())
            return;
        r.Skip(length & 1);
        const QPointF at = ReadYX(r);
        if (!r.Overrun())
            player.Text(at, Latin1(bytes), 0, std::nullopt);
        return;
    }
    const QPointF at = ReadYX(r);
    const std::size_t length = std::uint16_t(r.I16());
    const std::uint32_t options = r.U16();
    std::optional<std::vector<QPointF>> rect;
    if (options & (MfETO_OPAQUE | MfETO_CLIPPED)) {
        const double left = r.I16(), top = r.I16(), right = r.I16(), bottom = r.I16();
        rect = std::vector<QPointF> { { left, top }, { right, bottom } };
    }
    const auto bytes = r.Bytes(length);
    if (r.Overrun())
        return;
    // The advance of each character may follow the (even-padded) string.
    r.Skip(length & 1);
    std::vector<double> dx;
    if (r.Remaining() >= 2 * length) {
        for (std::size_t i = 0; i < length; ++i)
            dx.push_back(r.I16());
    }
    player.Text(at, Latin1(bytes), options, rect, dx);
}

void PlayBitmap(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r(record.Params);
    std::uint32_t rop = 0x00CC0020;
    bool paletteIndices = false;
    int cxSrc, cySrc, xSrc, ySrc;
    double cx, cy, x, y;
    if (record.Function == META_SETDIBTODEV) {
        paletteIndices = r.U16() == 1;
        r.Skip(4); // scan count, start scan
        ySrc = r.I16(), xSrc = r.I16(), cySrc = r.I16(), cxSrc = r.I16();
        y = r.I16(), x = r.I16();
        cx = cxSrc, cy = cySrc;
    } else {
        rop = r.U32();
        if (record.Function == META_STRETCHDIB)
            paletteIndices = r.U16() == 1;
        if (record.Function == META_DIBBITBLT) {
            ySrc = r.I16(), xSrc = r.I16(), cySrc = r.I16(), cxSrc = r.I16();
            cy = cySrc, cx = cxSrc;
        } else {
            cySrc = r.I16(), cxSrc = r.I16(), ySrc = r.I16(), xSrc = r.I16();
            cy = r.I16(), cx = r.I16();
        }
        y = r.I16(), x = r.I16();
    }
    if (r.Overrun())
        return;
    const auto packed = record.Params.subspan(r.Position());
    const QImage image = DecodePackedMetafileDIB(packed, paletteIndices);
    if (image.isNull())
        return;
    // Device-independent source rectangles of bottom-up bitmaps count from the bottom row;
    // the bit-block transfers take the source as a device context, from the top.
    const bool fromBottom = record.Function != META_DIBBITBLT && record.Function != META_DIBSTRETCHBLT;
    const int top = fromBottom && MetafileDIBIsBottomUp(packed) ? image.height() - ySrc - cySrc : ySrc;
    player.StretchBitmap(image, x, y, cx, cy, xSrc, top, cxSrc, cySrc, rop);
}

// The bit-block transfers without a bitmap end with height, width, y and x of the target.
void PlayPatternBlit(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r(record.Params);
    const std::uint32_t rop = r.U32();
    if (record.Params.size() < 12)
        return;
    r.Seek(record.Params.size() - 8);
    const double cy = r.I16(), cx = r.I16(), y = r.I16(), x = r.I16();
    player.PatternBlit(x, y, cx, cy, rop);
}

void PlayPolyPolygon(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r(record.Params);
    const std::size_t count = r.U16();
    if (count * 2 > r.Remaining())
        return;
    std::vector<std::vector<QPointF>> polygons;
    std::vector<std::size_t> sizes;
    for (std::size_t i = 0; i < count; ++i)
        sizes.push_back(r.U16());
    for (std::size_t size : sizes) {
        auto points = ReadPoints(r, size);
        if (!points)
            return;
        polygons.push_back(std::move(*points));
    }
    player.PolyPolygon(polygons);
}

// Each family of records below plays the records it knows and answers whether it knew it.

// Window origin and extent, colours, modes and the saved states.
bool PlayStateRecord(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r(record.Params);
    TMfState& state = player.State();
    switch (record.Function) {
    case META_SAVEDC:
        player.SaveDC();
        return true;
    case META_RESTOREDC:
        player.RestoreDC(r.I16());
        return true;
    case META_SETBKMODE:
        state.BkMode = r.U16();
        return true;
    case META_SETPOLYFILLMODE:
        state.Winding = r.U16() == MfWINDING;
        return true;
    case META_SETTEXTALIGN:
        state.TextAlign = r.U16();
        return true;
    case META_SETBKCOLOR:
        state.BkColor = r.U32();
        return true;
    case META_SETTEXTCOLOR:
        state.TextColor = r.U32();
        return true;
    case META_SETROP2: {
        const int rop = r.U16();
        if (!r.Overrun() && rop >= 1 && rop <= 16)
            state.Rop2 = rop;
        return true;
    }
    case META_SETWINDOWORG:
        state.WindowOrg = ReadYX(r);
        return true;
    case META_SETWINDOWEXT: {
        const QPointF ext = ReadYX(r);
        player.SetWindowExt(ext.x(), ext.y());
        return true;
    }
    case META_OFFSETWINDOWORG: {
        const QPointF offset = ReadYX(r);
        state.WindowOrg += offset;
        return true;
    }
    case META_SCALEWINDOWEXT: {
        const double yDenom = r.I16(), yNum = r.I16(), xDenom = r.I16(), xNum = r.I16();
        if (xDenom != 0 && yDenom != 0)
            player.SetWindowExt(state.WindowExt.x() * xNum / xDenom, state.WindowExt.y() * yNum / yDenom);
        return true;
    }
    default:
        return false;
    }
}

// Pens, brushes, fonts, palettes and regions: made into the lowest free slot, selected and
// deleted.
bool PlayObjectRecord(TMetafilePlayer& player, TSlots& slots, const TRecord& record)
{
    TByteReader r(record.Params);
    switch (record.Function) {
    case META_SELECTOBJECT:
        player.SelectObject(r.U16());
        return true;
    case META_DELETEOBJECT: {
        const std::uint16_t slot = r.U16();
        if (player.HasObject(slot)) {
            player.DeleteObject(slot);
            slots.Release(slot);
        }
        return true;
    }
    case META_CREATEPENINDIRECT:
    case META_CREATEBRUSHINDIRECT:
    case META_CREATEFONTINDIRECT:
    case META_DIBCREATEPATTERNBRUSH:
    case META_CREATEPATTERNBRUSH:
    case META_CREATEPALETTE:
    case META_CREATEREGION:
        CreateObject(player, slots, record);
        return true;
    default:
        return false;
    }
}

bool PlayClipRecord(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r(record.Params);
    switch (record.Function) {
    case META_INTERSECTCLIPRECT: {
        const TBox box = ReadBox(r);
        player.IntersectClip(box.Left, box.Top, box.Right, box.Bottom);
        return true;
    }
    case META_EXCLUDECLIPRECT: {
        const TBox box = ReadBox(r);
        player.ExcludeClip(box.Left, box.Top, box.Right, box.Bottom);
        return true;
    }
    case META_OFFSETCLIPRGN: {
        const QPointF offset = ReadYX(r);
        if (!r.Overrun())
            player.OffsetClip(offset.x(), offset.y());
        return true;
    }
    default:
        return false;
    }
}

// Points, lines, polylines and polygons, and the current position.
bool PlayLineRecord(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r(record.Params);
    switch (record.Function) {
    case META_MOVETO:
        player.MoveTo(ReadYX(r));
        return true;
    case META_LINETO:
        player.LineTo(ReadYX(r));
        return true;
    case META_SETPIXEL: {
        const TColor color = r.U32();
        player.SetPixel(ReadYX(r), color);
        return true;
    }
    case META_POLYGON:
    case META_POLYLINE: {
        const auto points = ReadPoints(r, std::uint16_t(r.I16()));
        if (!points)
            return true;
        if (record.Function == META_POLYGON)
            player.Polygon(*points);
        else
            player.Polyline(*points);
        return true;
    }
    case META_POLYPOLYGON:
        PlayPolyPolygon(player, record);
        return true;
    default:
        return false;
    }
}

// Rectangles, ellipses, arcs and their figures.
bool PlayShapeRecord(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r(record.Params);
    switch (record.Function) {
    case META_RECTANGLE:
    case META_ELLIPSE: {
        const TBox box = ReadBox(r);
        if (record.Function == META_RECTANGLE)
            player.Rectangle(box.Left, box.Top, box.Right, box.Bottom);
        else
            player.Ellipse(box.Left, box.Top, box.Right, box.Bottom);
        return true;
    }
    case META_ROUNDRECT: {
        const double ch = r.I16(), cw = r.I16();
        const TBox box = ReadBox(r);
        player.RoundRect(box.Left, box.Top, box.Right, box.Bottom, cw, ch);
        return true;
    }
    case META_ARC:
    case META_PIE:
    case META_CHORD: {
        const QPointF end = ReadYX(r);
        const QPointF start = ReadYX(r);
        const TBox box = ReadBox(r);
        using Kind = TMetafilePlayer::TArcKind;
        const Kind kind = record.Function == META_ARC ? Kind::Arc : record.Function == META_PIE ? Kind::Pie : Kind::Chord;
        player.ArcFigure(kind, box.Left, box.Top, box.Right, box.Bottom, start, end);
        return true;
    }
    default:
        return false;
    }
}

// Text, bitmaps and the bit-block transfers.
bool PlayBitmapOrTextRecord(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r(record.Params);
    switch (record.Function) {
    case META_TEXTOUT:
    case META_EXTTEXTOUT:
        PlayText(player, record);
        return true;
    case META_PATBLT: {
        const std::uint32_t rop = r.U32();
        const double cy = r.I16(), cx = r.I16(), y = r.I16(), x = r.I16();
        player.PatternBlit(x, y, cx, cy, rop);
        return true;
    }
    case META_DIBBITBLT:
    case META_DIBSTRETCHBLT:
        // Without a bitmap these are pattern fills.
        if (record.Params.size() <= 22)
            PlayPatternBlit(player, record);
        else
            PlayBitmap(player, record);
        return true;
    case META_STRETCHDIB:
    case META_SETDIBTODEV:
        PlayBitmap(player, record);
        return true;
    default:
        return false;
    }
}

// Records that draw nothing we model (map modes, viewports, palettes, regions, escapes ...)
// are passed over.
void PlayRecord(TMetafilePlayer& player, TSlots& slots, const TRecord& record)
{
    if (PlayObjectRecord(player, slots, record))
        return;
    using TFamily = bool (*)(TMetafilePlayer&, const TRecord&);
    constexpr TFamily Families[] = { PlayStateRecord, PlayClipRecord, PlayLineRecord, PlayShapeRecord,
                                     PlayBitmapOrTextRecord };
    for (const TFamily play : Families) {
        if (play(player, record))
            return;
    }
}

} // namespace

void PlayWindowsMetafileRecords(TMetafilePlayer& player, std::span<const std::byte> data)
{
    const TByteReader reader(data);
    const std::size_t headerBytes = std::size_t(reader.U16At(2)) * 2;
    if (headerBytes < 18 || headerBytes > data.size())
        return;
    TSlots slots;
    std::size_t position = headerBytes;
    while (data.size() - position >= 6) {
        const std::uint64_t size = std::uint64_t(reader.U32At(position)) * 2;
        const std::uint16_t function = reader.U16At(position + 4);
        if (size < 6 || size > data.size() - position || function == META_EOF)
            return;
        PlayRecord(player, slots, { function, data.subspan(position + 6, std::size_t(size) - 6) });
        position += std::size_t(size);
    }
}
