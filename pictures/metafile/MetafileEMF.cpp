#include "pictures/metafile/MetafileEMF.h"

#include "base/ByteReader.h"
#include "pictures/metafile/MetafileEMFBitmaps.h"
#include "pictures/metafile/MetafilePlayer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>

namespace {

enum : std::uint32_t {
    EMR_HEADER = 1,
    EMR_POLYBEZIER = 2,
    EMR_POLYGON = 3,
    EMR_POLYLINE = 4,
    EMR_POLYBEZIERTO = 5,
    EMR_POLYLINETO = 6,
    EMR_POLYPOLYLINE = 7,
    EMR_POLYPOLYGON = 8,
    EMR_SETWINDOWEXTEX = 9,
    EMR_SETWINDOWORGEX = 10,
    EMR_SETVIEWPORTEXTEX = 11,
    EMR_SETVIEWPORTORGEX = 12,
    EMR_EOF = 14,
    EMR_SETPIXELV = 15,
    EMR_SETMAPMODE = 17,
    EMR_SETBKMODE = 18,
    EMR_SETPOLYFILLMODE = 19,
    EMR_SETROP2 = 20,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SETBKCOLOR = 25,
    EMR_OFFSETCLIPRGN = 26,
    EMR_MOVETOEX = 27,
    EMR_EXCLUDECLIPRECT = 29,
    EMR_INTERSECTCLIPRECT = 30,
    EMR_SCALEVIEWPORTEXTEX = 31,
    EMR_SCALEWINDOWEXTEX = 32,
    EMR_SAVEDC = 33,
    EMR_RESTOREDC = 34,
    EMR_SETWORLDTRANSFORM = 35,
    EMR_MODIFYWORLDTRANSFORM = 36,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_ANGLEARC = 41,
    EMR_ELLIPSE = 42,
    EMR_RECTANGLE = 43,
    EMR_ROUNDRECT = 44,
    EMR_ARC = 45,
    EMR_CHORD = 46,
    EMR_PIE = 47,
    EMR_CREATEPALETTE = 49,
    EMR_LINETO = 54,
    EMR_ARCTO = 55,
    EMR_POLYDRAW = 56,
    EMR_SETARCDIRECTION = 57,
    EMR_BEGINPATH = 59,
    EMR_ENDPATH = 60,
    EMR_CLOSEFIGURE = 61,
    EMR_FILLPATH = 62,
    EMR_STROKEANDFILLPATH = 63,
    EMR_STROKEPATH = 64,
    EMR_SELECTCLIPPATH = 67,
    EMR_ABORTPATH = 68,
    EMR_FILLRGN = 71,
    EMR_PAINTRGN = 74,
    EMR_EXTSELECTCLIPRGN = 75,
    EMR_BITBLT = 76,
    EMR_STRETCHBLT = 77,
    EMR_SETDIBITSTODEVICE = 80,
    EMR_STRETCHDIBITS = 81,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTA = 83,
    EMR_EXTTEXTOUTW = 84,
    EMR_POLYBEZIER16 = 85,
    EMR_POLYGON16 = 86,
    EMR_POLYLINE16 = 87,
    EMR_POLYBEZIERTO16 = 88,
    EMR_POLYLINETO16 = 89,
    EMR_POLYPOLYLINE16 = 90,
    EMR_POLYPOLYGON16 = 91,
    EMR_POLYDRAW16 = 92,
    EMR_CREATEMONOBRUSH = 93,
    EMR_CREATEDIBPATTERNBRUSHPT = 94,
    EMR_EXTCREATEPEN = 95,
    EMR_SMALLTEXTOUT = 108,
    EMR_ALPHABLEND = 114,
    EMR_TRANSPARENTBLT = 116,
    EMR_GRADIENTFILL = 118,
};

constexpr std::uint32_t RGN_COPY = 5;
// Transforms beyond this are garbage and would only produce overflowing coordinates.
constexpr double MaxTransformValue = 1e7;

// One record: its whole bytes (offsets inside it count from its start) and a reader over its
// parameters.
struct TRecord {
    std::uint32_t Type;
    std::span<const std::byte> Bytes;
    TByteReader Params() const
    {
        TByteReader r(Bytes);
        r.Skip(8);
        return r;
    }
};

QPointF ReadPointL(TByteReader& r)
{
    const double x = r.I32();
    return { x, double(r.I32()) };
}

// `count` points of 32 or 16 bits; nothing when the record is too short for them.
std::optional<std::vector<QPointF>> ReadPoints(TByteReader& r, std::uint64_t count, bool small)
{
    if (count * (small ? 4 : 8) > r.Remaining())
        return std::nullopt;
    std::vector<QPointF> points;
    points.reserve(std::size_t(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        if (small) {
            const double x = r.I16();
            points.push_back({ x, double(r.I16()) });
        } else {
            points.push_back(ReadPointL(r));
        }
    }
    return points;
}

void PlayPoly(TMetafilePlayer& player, const TRecord& record, bool small)
{
    TByteReader r = record.Params();
    r.Skip(16); // bounds
    const auto points = ReadPoints(r, r.U32(), small);
    if (!points)
        return;
    switch (record.Type) {
    case EMR_POLYBEZIER:
    case EMR_POLYBEZIER16:
        player.PolyBezier(*points, false);
        break;
    case EMR_POLYGON:
    case EMR_POLYGON16:
        player.Polygon(*points);
        break;
    case EMR_POLYLINE:
    case EMR_POLYLINE16:
        player.Polyline(*points);
        break;
    case EMR_POLYBEZIERTO:
    case EMR_POLYBEZIERTO16:
        player.PolyBezier(*points, true);
        break;
    default:
        player.PolylineTo(*points);
        break;
    }
}

void PlayPolyPoly(TMetafilePlayer& player, const TRecord& record, bool small)
{
    TByteReader r = record.Params();
    r.Skip(16);
    const std::uint64_t polygons = r.U32();
    const std::uint64_t total = r.U32();
    if (polygons * 4 > r.Remaining())
        return;
    std::vector<std::uint32_t> counts;
    std::uint64_t sum = 0;
    for (std::uint64_t i = 0; i < polygons; ++i) {
        counts.push_back(r.U32());
        sum += counts.back();
    }
    if (sum != total)
        return;
    const auto points = ReadPoints(r, total, small);
    if (!points)
        return;
    std::vector<std::vector<QPointF>> figures;
    std::size_t at = 0;
    for (std::uint32_t count : counts) {
        figures.emplace_back(points->begin() + std::ptrdiff_t(at), points->begin() + std::ptrdiff_t(at + count));
        at += count;
    }
    if (record.Type == EMR_POLYPOLYGON || record.Type == EMR_POLYPOLYGON16)
        player.PolyPolygon(figures);
    else
        player.PolyPolyline(figures);
}

// Points with a kind each: move, line, Bézier (three points), optionally closing the figure.
void PlayPolyDraw(TMetafilePlayer& player, const TRecord& record, bool small)
{
    constexpr std::uint8_t PT_CLOSEFIGURE = 1, PT_LINETO = 2, PT_BEZIERTO = 4, PT_MOVETO = 6;
    TByteReader r = record.Params();
    r.Skip(16);
    const std::uint64_t count = r.U32();
    const auto points = ReadPoints(r, count, small);
    if (!points || count > r.Remaining())
        return;
    const auto kinds = r.Bytes(std::size_t(count));
    QPointF figureStart = player.State().Position;
    for (std::size_t i = 0; i < points->size(); ++i) {
        const std::uint8_t kind = std::uint8_t(kinds[i]);
        const QPointF& p = (*points)[i];
        switch (kind & ~PT_CLOSEFIGURE) {
        case PT_MOVETO:
            player.MoveTo(p);
            figureStart = p;
            continue;
        case PT_LINETO:
            player.LineTo(p);
            break;
        case PT_BEZIERTO:
            if (i + 2 >= points->size())
                return;
            player.PolyBezier(std::span(*points).subspan(i, 3), true);
            i += 2;
            break;
        default:
            return; // not a point kind: the rest is not drawn
        }
        if (std::uint8_t(kinds[i]) & PT_CLOSEFIGURE) {
            player.LineTo(figureStart);
            player.CloseFigure();
        }
    }
}

std::optional<TMfMatrix> ReadTransform(TByteReader& r)
{
    double v[6];
    for (double& value : v) {
        value = std::bit_cast<float>(r.U32());
        if (!std::isfinite(value) || std::abs(value) > MaxTransformValue)
            return std::nullopt;
    }
    if (r.Overrun())
        return std::nullopt;
    return TMfMatrix { v[0], v[1], v[2], v[3], v[4], v[5] };
}

void PlayTransform(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r = record.Params();
    const auto xform = ReadTransform(r);
    if (!xform)
        return;
    TMfMatrix& world = player.State().World;
    if (record.Type == EMR_SETWORLDTRANSFORM) {
        world = *xform;
        return;
    }
    switch (r.U32()) {
    case 1:
        world = {};
        break;
    case 2: // left multiply: the new transform applies first
        world = xform->Then(world);
        break;
    case 3:
        world = world.Then(*xform);
        break;
    case 4:
        world = *xform;
        break;
    default:
        break;
    }
}

void PlayText(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r = record.Params();
    r.Skip(16 + 12); // bounds, graphics mode, scales
    const QPointF reference = ReadPointL(r);
    const std::uint32_t chars = r.U32();
    const std::uint32_t offString = r.U32();
    const std::uint32_t options = r.U32();
    const QPointF topLeft = ReadPointL(r);
    const QPointF bottomRight = ReadPointL(r);
    const std::uint32_t offDx = r.U32();
    if (r.Overrun())
        return;
    const bool wide = record.Type == EMR_EXTTEXTOUTW;
    const std::uint64_t bytes = std::uint64_t(chars) * (wide ? 2 : 1);
    if (offString > record.Bytes.size() || bytes > record.Bytes.size() - offString)
        return;
    TByteReader s(record.Bytes.subspan(offString, std::size_t(bytes)));
    std::u16string text;
    text.reserve(chars);
    for (std::uint32_t i = 0; i < chars; ++i)
        text.push_back(wide ? char16_t(s.U16()) : char16_t(s.U8()));
    // The advance of each character in logical units; with ETO_PDY pairs of x and y advances.
    constexpr std::uint32_t ETO_PDY = 0x2000;
    const std::uint64_t step = (options & ETO_PDY) ? 8 : 4;
    std::vector<double> dx;
    if (offDx != 0 && offDx <= record.Bytes.size() && std::uint64_t(chars) * step <= record.Bytes.size() - offDx) {
        TByteReader d(record.Bytes.subspan(offDx, std::size_t(std::uint64_t(chars) * step)));
        for (std::uint32_t i = 0; i < chars; ++i) {
            dx.push_back(d.I32());
            if (step == 8)
                d.I32();
        }
    }
    player.Text(reference, text, options, std::vector<QPointF> { topLeft, bottomRight }, dx);
}

// The compact text record: options say whether a clipping rectangle is present and whether
// the characters are 8 or 16 bits wide.
void PlaySmallText(TMetafilePlayer& player, const TRecord& record)
{
    constexpr std::uint32_t ETO_NO_RECT = 0x100, ETO_SMALL_CHARS = 0x200;
    TByteReader r = record.Params();
    const QPointF reference = ReadPointL(r);
    const std::uint32_t chars = r.U32();
    const std::uint32_t options = r.U32();
    r.Skip(12); // graphics mode, scales
    std::optional<std::vector<QPointF>> rect;
    if (!(options & ETO_NO_RECT)) {
        const QPointF topLeft = ReadPointL(r);
        rect = std::vector<QPointF> { topLeft, ReadPointL(r) };
    }
    const bool narrow = options & ETO_SMALL_CHARS;
    if (r.Overrun() || std::uint64_t(chars) * (narrow ? 1 : 2) > r.Remaining())
        return;
    std::u16string text;
    for (std::uint32_t i = 0; i < chars; ++i)
        text.push_back(narrow ? char16_t(r.U8()) : char16_t(r.U16()));
    player.Text(reference, text, options, rect);
}

TMfFont ReadLogFontW(TByteReader& r)
{
    TMfFont font;
    font.Height = r.I32();
    font.Width = r.I32();
    font.Escapement = r.I32();
    r.I32(); // orientation
    font.Weight = r.I32();
    font.Italic = r.U8() != 0;
    font.Underline = r.U8() != 0;
    font.StrikeOut = r.U8() != 0;
    r.Skip(5);
    std::u16string face;
    for (int i = 0; i < 32; ++i) {
        const char16_t c = r.U16();
        if (c == 0 || r.Overrun())
            break;
        face.push_back(c);
    }
    font.Face = QString::fromUtf16(face.data(), qsizetype(face.size())).toStdString();
    return font;
}

void CreateObject(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r = record.Params();
    const std::uint32_t index = r.U32();
    if (index & 0x80000000u)
        return; // stock objects cannot be redefined
    switch (record.Type) {
    case EMR_CREATEPEN: {
        TMfPen pen;
        pen.Style = r.U32();
        pen.Width = r.I32();
        r.I32();
        pen.Color = r.U32();
        if (!r.Overrun())
            player.SetObject(index, pen);
        return;
    }
    case EMR_EXTCREATEPEN: {
        r.Skip(16); // the pattern bitmap of a pattern pen
        TMfPen pen;
        const std::uint32_t style = r.U32();
        pen.Style = style & 0xF;
        pen.Cosmetic = (style & 0x000F0000u) == 0;
        pen.EndCap = style & 0xF00;
        pen.Width = r.U32();
        const std::uint32_t brushStyle = r.U32();
        pen.Color = r.U32();
        r.U32(); // hatch
        const std::uint32_t entries = r.U32();
        if (pen.Style == MfPS_USERSTYLE && entries <= 16 && entries * 4 <= r.Remaining()) {
            for (std::uint32_t i = 0; i < entries; ++i)
                pen.Dashes.push_back(r.U32());
        }
        if (brushStyle == MfBS_NULL)
            pen.Style = MfPS_NULL;
        if (!r.Overrun())
            player.SetObject(index, pen);
        return;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        TMfBrush brush;
        brush.Style = r.U32();
        brush.Color = r.U32();
        brush.Hatch = r.U32();
        if (brush.Style == MfBS_HATCHED && brush.Hatch > 5)
            brush.Style = MfBS_SOLID;
        else if (brush.Style != MfBS_NULL && brush.Style != MfBS_HATCHED)
            brush.Style = MfBS_SOLID;
        if (!r.Overrun())
            player.SetObject(index, brush);
        return;
    }
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT: {
        TMfBrush brush { .Style = MfBS_PATTERN, .Color = EnhancedPatternBrushColor(record.Bytes) };
        brush.Pattern = EnhancedPatternBrushImage(record.Bytes);
        brush.Mono = record.Type == EMR_CREATEMONOBRUSH;
        if (brush.Pattern.isNull())
            brush.Style = MfBS_SOLID;
        player.SetObject(index, brush);
        return;
    }
    case EMR_EXTCREATEFONTINDIRECTW: {
        const TMfFont font = ReadLogFontW(r);
        if (!r.Overrun())
            player.SetObject(index, font);
        return;
    }
    default: // palettes
        player.SetObject(index, TMfOtherObject {});
        return;
    }
}

void PlayAngleArc(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r = record.Params();
    const QPointF centre = ReadPointL(r);
    const double radius = r.U32();
    const double start = std::bit_cast<float>(r.U32());
    const double sweep = std::bit_cast<float>(r.U32());
    if (r.Overrun() || !std::isfinite(start) || !std::isfinite(sweep) || std::abs(sweep) > 3600)
        return;
    // Counter-clockwise for a positive sweep; logical y grows downwards.
    std::vector<QPointF> points;
    const int n = std::clamp(int(std::abs(sweep) / 5), 2, 720);
    for (int i = 0; i <= n; ++i) {
        const double a = (start + sweep * i / n) * std::numbers::pi / 180;
        points.push_back({ centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a) });
    }
    player.PolylineTo(points);
}

// The rectangles of `dataSize` bytes of region data at the reader: a 32-byte header, then
// left, top, right and bottom of each. Nothing when the data is shorter than it says.
std::optional<std::vector<QRectF>> ReadRegionRects(TByteReader& r, std::uint32_t dataSize)
{
    if (dataSize < 32 || dataSize > r.Remaining())
        return std::nullopt;
    TByteReader region(r.Bytes(dataSize));
    region.Skip(8); // header size, type
    const std::uint64_t count = region.U32();
    region.Skip(20); // region size, bounds
    if (count * 16 > region.Remaining())
        return std::nullopt;
    std::vector<QRectF> rects;
    for (std::uint64_t i = 0; i < count; ++i) {
        const QPointF topLeft = ReadPointL(region);
        const QPointF bottomRight = ReadPointL(region);
        rects.push_back(QRectF(topLeft, bottomRight));
    }
    return rects;
}

void PlayClipRegion(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r = record.Params();
    const std::uint32_t dataSize = r.U32();
    const std::uint32_t mode = r.U32();
    if (mode == RGN_COPY && dataSize == 0) {
        player.ResetClip();
        return;
    }
    if (const auto rects = ReadRegionRects(r, dataSize))
        player.CombineDeviceClip(*rects, int(mode));
}

void PlayGradient(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r = record.Params();
    r.Skip(16); // bounds
    const std::uint32_t vertexCount = r.U32();
    const std::uint32_t shapeCount = r.U32();
    const std::uint32_t mode = r.U32();
    const std::uint64_t perShape = mode == 2 ? 3 : 2;
    if (r.Overrun() || mode > 2 || std::uint64_t(vertexCount) * 16 + shapeCount * perShape * 4 > r.Remaining())
        return;
    std::vector<TMetafilePlayer::TMfVertex> vertices;
    for (std::uint32_t i = 0; i < vertexCount; ++i) {
        const double x = r.I32(), y = r.I32();
        const double red = r.U16(), green = r.U16(), blue = r.U16();
        r.U16();
        vertices.push_back({ { x, y }, red, green, blue });
    }
    std::vector<std::uint32_t> indices;
    for (std::uint64_t i = 0; i < shapeCount * perShape; ++i)
        indices.push_back(r.U32());
    player.GradientFill(vertices, indices, mode);
}

// FILLRGN names a brush, PAINTRGN uses the selected one; the region's rectangles are in
// reference-device pixels.
void PlayRegionFill(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r = record.Params();
    r.Skip(16); // bounds
    const std::uint32_t dataSize = r.U32();
    std::optional<std::uint32_t> brush;
    if (record.Type == EMR_FILLRGN)
        brush = r.U32();
    if (const auto rects = ReadRegionRects(r, dataSize))
        player.FillDeviceRegion(*rects, brush);
}

// Each family of records below plays the records it knows and answers whether it knew it.

// Mapping modes, window and viewport, world transform, colours, modes and the saved states.
bool PlayStateRecord(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r = record.Params();
    TMfState& state = player.State();
    switch (record.Type) {
    case EMR_SETWINDOWEXTEX: {
        const QPointF p = ReadPointL(r);
        player.SetWindowExt(p.x(), p.y());
        return true;
    }
    case EMR_SETWINDOWORGEX:
        state.WindowOrg = ReadPointL(r);
        return true;
    case EMR_SETVIEWPORTEXTEX: {
        const QPointF p = ReadPointL(r);
        player.SetViewportExt(p.x(), p.y());
        return true;
    }
    case EMR_SETVIEWPORTORGEX:
        state.ViewportOrg = ReadPointL(r);
        return true;
    case EMR_SCALEVIEWPORTEXTEX:
    case EMR_SCALEWINDOWEXTEX: {
        const double xNum = r.I32(), xDenom = r.I32(), yNum = r.I32(), yDenom = r.I32();
        if (xDenom == 0 || yDenom == 0)
            return true;
        const QPointF ext = record.Type == EMR_SCALEVIEWPORTEXTEX ? state.ViewportExt : state.WindowExt;
        if (record.Type == EMR_SCALEVIEWPORTEXTEX)
            player.SetViewportExt(ext.x() * xNum / xDenom, ext.y() * yNum / yDenom);
        else
            player.SetWindowExt(ext.x() * xNum / xDenom, ext.y() * yNum / yDenom);
        return true;
    }
    case EMR_SETMAPMODE:
        player.SetMapMode(int(r.U32()));
        return true;
    case EMR_SETWORLDTRANSFORM:
    case EMR_MODIFYWORLDTRANSFORM:
        PlayTransform(player, record);
        return true;
    case EMR_SETBKMODE:
        state.BkMode = int(r.U32());
        return true;
    case EMR_SETPOLYFILLMODE:
        state.Winding = r.U32() == MfWINDING;
        return true;
    case EMR_SETTEXTALIGN:
        state.TextAlign = r.U32();
        return true;
    case EMR_SETTEXTCOLOR:
        state.TextColor = r.U32();
        return true;
    case EMR_SETBKCOLOR:
        state.BkColor = r.U32();
        return true;
    case EMR_SETARCDIRECTION:
        state.ArcClockwise = r.U32() == 2;
        return true;
    case EMR_SETROP2: {
        const std::uint32_t rop = r.U32();
        if (rop >= 1 && rop <= 16)
            state.Rop2 = int(rop);
        return true;
    }
    case EMR_SAVEDC:
        player.SaveDC();
        return true;
    case EMR_RESTOREDC:
        player.RestoreDC(r.I32());
        return true;
    default:
        return false;
    }
}

// Pens, brushes, fonts and palettes: made, selected and deleted.
bool PlayObjectRecord(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r = record.Params();
    switch (record.Type) {
    case EMR_SELECTOBJECT:
        player.SelectObject(r.U32());
        return true;
    case EMR_DELETEOBJECT:
        player.DeleteObject(r.U32());
        return true;
    case EMR_CREATEPEN:
    case EMR_EXTCREATEPEN:
    case EMR_CREATEBRUSHINDIRECT:
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT:
    case EMR_EXTCREATEFONTINDIRECTW:
    case EMR_CREATEPALETTE:
        CreateObject(player, record);
        return true;
    default:
        return false;
    }
}

bool PlayClipRecord(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r = record.Params();
    switch (record.Type) {
    case EMR_INTERSECTCLIPRECT: {
        const double left = r.I32(), top = r.I32(), right = r.I32(), bottom = r.I32();
        player.IntersectClip(left, top, right, bottom);
        return true;
    }
    case EMR_EXCLUDECLIPRECT: {
        const double left = r.I32(), top = r.I32(), right = r.I32(), bottom = r.I32();
        player.ExcludeClip(left, top, right, bottom);
        return true;
    }
    case EMR_OFFSETCLIPRGN: {
        const double dx = r.I32(), dy = r.I32();
        player.OffsetClip(dx, dy);
        return true;
    }
    case EMR_EXTSELECTCLIPRGN:
        PlayClipRegion(player, record);
        return true;
    case EMR_SELECTCLIPPATH:
        player.SelectClipPath(int(r.U32()));
        return true;
    default:
        return false;
    }
}

bool PlayPathRecord(TMetafilePlayer& player, const TRecord& record)
{
    switch (record.Type) {
    case EMR_BEGINPATH:
        player.BeginPath();
        return true;
    case EMR_ENDPATH:
        player.EndPath();
        return true;
    case EMR_CLOSEFIGURE:
        player.CloseFigure();
        return true;
    case EMR_FILLPATH:
        player.FillPath();
        return true;
    case EMR_STROKEANDFILLPATH:
        player.StrokeAndFillPath();
        return true;
    case EMR_STROKEPATH:
        player.StrokePath();
        return true;
    case EMR_ABORTPATH:
        player.AbortPath();
        return true;
    default:
        return false;
    }
}

// Points, lines, polylines, polygons and Béziers, and the current position.
bool PlayLineRecord(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r = record.Params();
    switch (record.Type) {
    case EMR_POLYBEZIER:
    case EMR_POLYGON:
    case EMR_POLYLINE:
    case EMR_POLYBEZIERTO:
    case EMR_POLYLINETO:
        PlayPoly(player, record, false);
        return true;
    case EMR_POLYBEZIER16:
    case EMR_POLYGON16:
    case EMR_POLYLINE16:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYLINETO16:
        PlayPoly(player, record, true);
        return true;
    case EMR_POLYPOLYLINE:
    case EMR_POLYPOLYGON:
        PlayPolyPoly(player, record, false);
        return true;
    case EMR_POLYPOLYLINE16:
    case EMR_POLYPOLYGON16:
        PlayPolyPoly(player, record, true);
        return true;
    case EMR_POLYDRAW:
    case EMR_POLYDRAW16:
        PlayPolyDraw(player, record, record.Type == EMR_POLYDRAW16);
        return true;
    case EMR_SETPIXELV: {
        const QPointF p = ReadPointL(r);
        player.SetPixel(p, r.U32());
        return true;
    }
    case EMR_MOVETOEX:
        player.MoveTo(ReadPointL(r));
        return true;
    case EMR_LINETO:
        player.LineTo(ReadPointL(r));
        return true;
    case EMR_ANGLEARC:
        PlayAngleArc(player, record);
        return true;
    default:
        return false;
    }
}

// Rectangles, ellipses, arcs and their figures, gradients and filled regions.
bool PlayShapeRecord(TMetafilePlayer& player, const TRecord& record)
{
    TByteReader r = record.Params();
    switch (record.Type) {
    case EMR_ELLIPSE:
    case EMR_RECTANGLE:
    case EMR_ROUNDRECT: {
        const double left = r.I32(), top = r.I32(), right = r.I32(), bottom = r.I32();
        if (record.Type == EMR_ELLIPSE) {
            player.Ellipse(left, top, right, bottom);
        } else if (record.Type == EMR_RECTANGLE) {
            player.Rectangle(left, top, right, bottom);
        } else {
            const double cw = r.I32(), ch = r.I32();
            player.RoundRect(left, top, right, bottom, cw, ch);
        }
        return true;
    }
    case EMR_ARC:
    case EMR_ARCTO:
    case EMR_CHORD:
    case EMR_PIE: {
        const double left = r.I32(), top = r.I32(), right = r.I32(), bottom = r.I32();
        const QPointF start = ReadPointL(r);
        const QPointF end = ReadPointL(r);
        using Kind = TMetafilePlayer::TArcKind;
        const Kind kind = record.Type == EMR_ARC ? Kind::Arc
            : record.Type == EMR_ARCTO           ? Kind::ArcTo
            : record.Type == EMR_CHORD           ? Kind::Chord
                                                 : Kind::Pie;
        if (!r.Overrun())
            player.ArcFigure(kind, left, top, right, bottom, start, end);
        return true;
    }
    case EMR_GRADIENTFILL:
        PlayGradient(player, record);
        return true;
    case EMR_FILLRGN:
    case EMR_PAINTRGN:
        PlayRegionFill(player, record);
        return true;
    default:
        return false;
    }
}

bool PlayBitmapOrTextRecord(TMetafilePlayer& player, const TRecord& record)
{
    switch (record.Type) {
    case EMR_BITBLT:
    case EMR_STRETCHBLT:
    case EMR_ALPHABLEND:
    case EMR_TRANSPARENTBLT:
    case EMR_SETDIBITSTODEVICE:
    case EMR_STRETCHDIBITS:
        PlayEnhancedBitmapRecord(player, record.Bytes);
        return true;
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW:
        PlayText(player, record);
        return true;
    case EMR_SMALLTEXTOUT:
        PlaySmallText(player, record);
        return true;
    default:
        return false;
    }
}

// Records that draw nothing we model (comments, palettes, regions ...) are passed over.
void PlayRecord(TMetafilePlayer& player, const TRecord& record)
{
    using TFamily = bool (*)(TMetafilePlayer&, const TRecord&);
    constexpr TFamily Families[] = { PlayStateRecord, PlayObjectRecord, PlayClipRecord, PlayPathRecord,
                                     PlayLineRecord, PlayShapeRecord, PlayBitmapOrTextRecord };
    for (const TFamily play : Families) {
        if (play(player, record))
            return;
    }
}

} // namespace

void PlayEnhancedMetafileRecords(TMetafilePlayer& player, std::span<const std::byte> data)
{
    const TByteReader reader(data);
    std::size_t position = 0;
    while (data.size() - position >= 8) {
        const std::uint32_t type = reader.U32At(position);
        const std::uint32_t size = reader.U32At(position + 4);
        if (size < 8 || size > data.size() - position || type == EMR_EOF)
            return;
        if (type != EMR_HEADER)
            PlayRecord(player, { type, data.subspan(position, size) });
        position += size;
    }
}
