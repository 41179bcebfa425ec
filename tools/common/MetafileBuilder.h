#pragma once

// Builds small metafiles in memory: enhanced metafiles (TEmfBuilder) and placeable Windows
// metafiles (TWmfBuilder). Header-only and free of Qt, so tests and the content generators
// can both use it.
//
//   TEmfBuilder emf(200, 100);                 // picture of 200 x 100 pixels at 96 dpi;
//                                              // logical units are those pixels (MM_TEXT)
//   emf.CreateBrush(1, MfBrushSolid, MfRGB(255, 0, 0));
//   emf.SelectObject(1);
//   emf.Rectangle(10, 10, 60, 40);             // right and bottom are left out, as usual
//   emf.SelectObject(MfStockNullPen);          // stock objects carry the 0x80000000 flag
//   std::vector<std::byte> bytes = emf.Finish(); // adds the end record, fixes the header
//
//   TWmfBuilder wmf(200, 100, 96);             // logical size 200 x 100, 96 units per inch:
//                                              // a picture of 200 x 100 pixels. The builder
//                                              // writes the window origin (0, 0) and extent
//                                              // (200, 100) records first.
//
// Object indices: in an enhanced metafile the caller picks them (1, 2, ...); in a Windows
// metafile each created object takes the lowest free slot (0, 1, ...) and Create* returns it.
// Colours are 0x00BBGGRR values (MfRGB). Texts are ASCII/Latin-1 (std::string).
// Pixel buffers for bitmaps are top-down rows of 0xAARRGGBB values; the builder stores them
// as a bottom-up DIB of 32 or 24 bits per pixel. Raw() appends any record for tests.

#include "base/ByteWriter.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <cstdint>
#include <string>
#include <vector>

namespace MetafileBuilder {

constexpr std::uint32_t MfRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16);
}

constexpr std::uint32_t MfPenSolid = 0;
constexpr std::uint32_t MfPenNull = 5;
constexpr std::uint32_t MfBrushSolid = 0;
constexpr std::uint32_t MfBrushNull = 1;
constexpr std::uint32_t MfTransparent = 1;
constexpr std::uint32_t MfOpaque = 2;
constexpr std::uint32_t MfStockWhiteBrush = 0x80000000u;
constexpr std::uint32_t MfStockBlackBrush = 0x80000004u;
constexpr std::uint32_t MfStockNullBrush = 0x80000005u;
constexpr std::uint32_t MfStockBlackPen = 0x80000007u;
constexpr std::uint32_t MfStockNullPen = 0x80000008u;

struct TMfPoint16 {
    std::int16_t X;
    std::int16_t Y;
};

// A bottom-up DIB: BITMAPINFOHEADER (no colour table) and the bits, from top-down 0xAARRGGBB
// pixels. bitCount is 32 or 24.
struct TMfDib {
    std::vector<std::byte> Info;
    std::vector<std::byte> Bits;
};

inline TMfDib MakeDib(int width, int height, const std::vector<std::uint32_t>& pixels, int bitCount = 32)
{
    TByteWriter info;
    info.U32(40);
    info.I32(width);
    info.I32(height); // positive: bottom-up rows
    info.U16(1);
    info.U16(std::uint16_t(bitCount));
    info.U32(0); // BI_RGB
    const std::size_t stride = ((std::size_t(width) * std::size_t(bitCount) + 31) / 32) * 4;
    info.U32(std::uint32_t(stride * std::size_t(height)));
    info.U32(3780); // 96 dpi in pixels per metre
    info.U32(3780);
    info.U32(0);
    info.U32(0);
    TByteWriter bits;
    for (int row = height - 1; row >= 0; --row) {
        const std::size_t start = bits.Size();
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[std::size_t(row) * std::size_t(width) + std::size_t(x)];
            bits.U8(std::uint8_t(p));       // blue
            bits.U8(std::uint8_t(p >> 8));  // green
            bits.U8(std::uint8_t(p >> 16)); // red
            if (bitCount == 32)
                bits.U8(std::uint8_t(p >> 24));
        }
        while (bits.Size() - start < stride)
            bits.U8(0);
    }
    return { info.Take(), bits.Take() };
}

class TEmfBuilder {
public:
    // A picture of width x height pixels on a 96-dpi reference device; logical units are
    // pixels (MM_TEXT, origins 0).
    TEmfBuilder(int width, int height)
    {
        const std::int32_t frameRight = std::int32_t((std::int64_t(width) * 2540 + 48) / 96);
        const std::int32_t frameBottom = std::int32_t((std::int64_t(height) * 2540 + 48) / 96);
        m_out.U32(1);  // EMR_HEADER
        m_out.U32(88); // record size
        m_out.I32(0);  // rclBounds, inclusive, in device pixels
        m_out.I32(0);
        m_out.I32(width - 1);
        m_out.I32(height - 1);
        m_out.I32(0); // rclFrame, inclusive, in 0.01 mm
        m_out.I32(0);
        m_out.I32(frameRight);
        m_out.I32(frameBottom);
        m_out.U32(0x464D4520); // " EMF"
        m_out.U32(0x00010000); // version
        m_out.U32(0);          // nBytes, patched by Finish
        m_out.U32(0);          // nRecords, patched by Finish
        m_out.U16(1);          // nHandles, patched by Finish
        m_out.U16(0);
        m_out.U32(0); // no description
        m_out.U32(0);
        m_out.U32(0);   // no palette
        m_out.I32(960); // reference device: 960 x 960 pixels on 254 x 254 mm = 96 dpi
        m_out.I32(960);
        m_out.I32(254);
        m_out.I32(254);
        m_records = 1;
    }

    // Appends a record of `type` with the given parameter bytes (padded to 4 bytes).
    void Raw(std::uint32_t type, std::vector<std::byte> params)
    {
        while (params.size() % 4 != 0)
            params.push_back(std::byte(0));
        m_out.U32(type);
        m_out.U32(std::uint32_t(8 + params.size()));
        m_out.Append(params);
        ++m_records;
    }

    void CreatePen(std::uint32_t index, std::uint32_t style, int width, std::uint32_t color)
    {
        TByteWriter p;
        p.U32(index);
        p.U32(style);
        p.I32(width);
        p.I32(0);
        p.U32(color);
        NoteHandle(index);
        Raw(38, p.Take());
    }
    void CreateBrush(std::uint32_t index, std::uint32_t style, std::uint32_t color, std::uint32_t hatch = 0)
    {
        TByteWriter p;
        p.U32(index);
        p.U32(style);
        p.U32(color);
        p.U32(hatch);
        NoteHandle(index);
        Raw(39, p.Take());
    }
    // height: negative is the character height in logical units; weight 400 normal, 700 bold;
    // escapement: the angle of the text line in tenths of a degree, counter-clockwise.
    // width: the average character width (0 for the font's own); orientation: the angle of
    // each character (players in the compatible graphics mode use the escapement for both).
    void CreateFont(std::uint32_t index, int height, const std::string& face, int weight = 400, bool italic = false,
                    int escapement = 0, int width = 0, int orientation = 0)
    {
        TByteWriter p;
        p.U32(index);
        p.I32(height);
        p.I32(width);
        p.I32(escapement);
        p.I32(orientation);
        p.I32(weight);
        p.U8(italic ? 1 : 0);
        p.U8(0); // underline
        p.U8(0); // strike-out
        p.U8(0); // ANSI character set
        p.U8(0);
        p.U8(0);
        p.U8(0);
        p.U8(0);
        for (std::size_t i = 0; i < 32; ++i)
            p.U16(i < face.size() ? std::uint16_t(std::uint8_t(face[i])) : 0);
        NoteHandle(index);
        Raw(82, p.Take());
    }
    // A pen with the style flags of a cosmetic or geometric pen (PS_GEOMETRIC 0x10000, end
    // caps, joins, PS_USERSTYLE with `entries`), a solid or hatched brush.
    void ExtCreatePen(std::uint32_t index, std::uint32_t style, std::uint32_t width, std::uint32_t color,
                      std::uint32_t brushStyle = MfBrushSolid, std::uint32_t hatch = 0,
                      const std::vector<std::uint32_t>& entries = {})
    {
        TByteWriter p;
        p.U32(index);
        p.U32(0); // no pattern bitmap: offBmi, cbBmi, offBits, cbBits
        p.U32(0);
        p.U32(0);
        p.U32(0);
        p.U32(style);
        p.U32(width);
        p.U32(brushStyle);
        p.U32(color);
        p.U32(hatch);
        p.U32(std::uint32_t(entries.size()));
        for (std::uint32_t e : entries)
            p.U32(e);
        NoteHandle(index);
        Raw(95, p.Take());
    }
    // A brush that repeats the DIB (DIB_RGB_COLORS).
    void CreateDibPatternBrush(std::uint32_t index, const TMfDib& dib)
    {
        TByteWriter p;
        p.U32(index);
        p.U32(0); // DIB_RGB_COLORS
        const std::uint32_t offBmi = 32;
        p.U32(offBmi);
        p.U32(std::uint32_t(dib.Info.size()));
        p.U32(offBmi + std::uint32_t(dib.Info.size()));
        p.U32(std::uint32_t(dib.Bits.size()));
        p.Append(dib.Info);
        p.Append(dib.Bits);
        NoteHandle(index);
        Raw(94, p.Take());
    }
    void SelectObject(std::uint32_t index) { Raw(37, U32Params(index)); }
    void DeleteObject(std::uint32_t index) { Raw(40, U32Params(index)); }
    void SetRop2(std::uint32_t mode) { Raw(20, U32Params(mode)); }
    void SetTextAlign(std::uint32_t align) { Raw(22, U32Params(align)); }
    void IntersectClipRect(int left, int top, int right, int bottom) { Raw(30, RectParams(left, top, right, bottom)); }
    void ExcludeClipRect(int left, int top, int right, int bottom) { Raw(29, RectParams(left, top, right, bottom)); }
    void OffsetClipRgn(int dx, int dy) { Raw(26, PointParams(dx, dy)); }
    // Combines the clip region with rectangles in device pixels (mode: 1 AND, 2 OR, 3 XOR,
    // 4 DIFF, 5 COPY); no rectangles with COPY resets the clip.
    void ExtSelectClipRgn(std::uint32_t mode, const std::vector<std::array<int, 4>>& rects)
    {
        TByteWriter p;
        p.U32(rects.empty() ? 0 : std::uint32_t(32 + 16 * rects.size()));
        p.U32(mode);
        if (!rects.empty()) {
            p.U32(32); // RGNDATAHEADER
            p.U32(1);  // RDH_RECTANGLES
            p.U32(std::uint32_t(rects.size()));
            p.U32(std::uint32_t(16 * rects.size()));
            int l = rects[0][0], t = rects[0][1], r = rects[0][2], b = rects[0][3];
            for (const auto& rc : rects) {
                l = std::min(l, rc[0]), t = std::min(t, rc[1]), r = std::max(r, rc[2]), b = std::max(b, rc[3]);
            }
            p.Append(RectParams(l, t, r, b));
            for (const auto& rc : rects)
                p.Append(RectParams(rc[0], rc[1], rc[2], rc[3]));
        }
        Raw(75, p.Take());
    }
    void BeginPath() { Raw(59, {}); }
    void EndPath() { Raw(60, {}); }
    void CloseFigure() { Raw(61, {}); }
    void FillPath() { Raw(62, RectParams(0, 0, 0, 0)); }
    void StrokePath() { Raw(64, RectParams(0, 0, 0, 0)); }
    void SelectClipPath(std::uint32_t mode) { Raw(67, U32Params(mode)); }
    // The world transform: x' = x * m11 + y * m21 + dx, y' = x * m12 + y * m22 + dy.
    void SetWorldTransform(float m11, float m12, float m21, float m22, float dx, float dy)
    {
        TByteWriter p;
        for (float v : { m11, m12, m21, m22, dx, dy }) {
            std::uint32_t u;
            std::memcpy(&u, &v, 4);
            p.U32(u);
        }
        Raw(35, p.Take());
    }
    // Gradient fill: vertices (x, y, 16-bit red, green, blue) and rectangles (mode 0
    // horizontal, 1 vertical) or triangles (mode 2) as vertex indices.
    struct TVertex {
        int X, Y;
        std::uint16_t Red, Green, Blue;
    };
    void GradientFill(const std::vector<TVertex>& vertices, const std::vector<std::vector<std::uint32_t>>& shapes,
                      std::uint32_t mode)
    {
        TByteWriter p;
        p.Append(RectParams(0, 0, 0, 0)); // rclBounds
        p.U32(std::uint32_t(vertices.size()));
        p.U32(std::uint32_t(shapes.size()));
        p.U32(mode);
        for (const TVertex& v : vertices) {
            p.I32(v.X);
            p.I32(v.Y);
            p.U16(v.Red);
            p.U16(v.Green);
            p.U16(v.Blue);
            p.U16(0);
        }
        for (const auto& shape : shapes) {
            for (std::uint32_t i : shape)
                p.U32(i);
        }
        Raw(118, p.Take());
    }
    void SetBkMode(std::uint32_t mode) { Raw(18, U32Params(mode)); }
    void SetTextColor(std::uint32_t color) { Raw(24, U32Params(color)); }
    void SetBkColor(std::uint32_t color) { Raw(25, U32Params(color)); }
    void SetPolyFillMode(std::uint32_t mode) { Raw(19, U32Params(mode)); } // 1 alternate, 2 winding
    void SetMapMode(std::uint32_t mode) { Raw(17, U32Params(mode)); }
    void SetWindowOrg(int x, int y) { Raw(10, PointParams(x, y)); }
    void SetWindowExt(int x, int y) { Raw(9, PointParams(x, y)); }
    void SetViewportOrg(int x, int y) { Raw(12, PointParams(x, y)); }
    void SetViewportExt(int x, int y) { Raw(11, PointParams(x, y)); }
    void SaveDC() { Raw(33, {}); }
    void RestoreDC(int relative) { Raw(34, U32Params(std::uint32_t(relative))); }
    void MoveTo(int x, int y) { Raw(27, PointParams(x, y)); }
    void LineTo(int x, int y) { Raw(54, PointParams(x, y)); }
    void Rectangle(int left, int top, int right, int bottom) { Raw(43, RectParams(left, top, right, bottom)); }
    void Ellipse(int left, int top, int right, int bottom) { Raw(42, RectParams(left, top, right, bottom)); }
    void Polygon16(const std::vector<TMfPoint16>& points) { Raw(86, Poly16Params(points)); }
    void Polyline16(const std::vector<TMfPoint16>& points) { Raw(87, Poly16Params(points)); }

    // One line of text with its top-left corner at (x, y) (text alignment TA_TOP|TA_LEFT).
    void TextOut(int x, int y, const std::string& text)
    {
        TByteWriter p;
        p.I32(x); // rclBounds (not used by players)
        p.I32(y);
        p.I32(x);
        p.I32(y);
        p.U32(1);    // GM_COMPATIBLE
        p.U32(0);    // exScale (float 0)
        p.U32(0);    // eyScale
        p.I32(x);    // ptlReference
        p.I32(y);
        p.U32(std::uint32_t(text.size()));
        p.U32(76); // offString: 8 + 36 + 32 bytes of EMRTEXT
        p.U32(0);  // options
        p.I32(0);  // rcl
        p.I32(0);
        p.I32(-1);
        p.I32(-1);
        p.U32(0); // offDx: no spacing array
        for (char c : text)
            p.U16(std::uint8_t(c));
        Raw(84, p.Take());
    }
    // Text at the reference point (x, y), placed by the text alignment, with options
    // (ETO_OPAQUE 2, ETO_CLIPPED 4), a rectangle and the advance of each character (`dx`,
    // empty for the font's own).
    void ExtTextOut(int x, int y, const std::string& text, std::uint32_t options = 0,
                    std::array<int, 4> rect = { 0, 0, -1, -1 }, const std::vector<int>& dx = {})
    {
        TByteWriter p;
        p.Append(RectParams(0, 0, -1, -1)); // rclBounds
        p.U32(1);                           // GM_COMPATIBLE
        p.U32(0);
        p.U32(0);
        p.I32(x);
        p.I32(y);
        p.U32(std::uint32_t(text.size()));
        const std::uint32_t offString = 76;
        const std::uint32_t stringBytes = std::uint32_t((text.size() * 2 + 3) / 4 * 4);
        p.U32(offString);
        p.U32(options);
        p.Append(RectParams(rect[0], rect[1], rect[2], rect[3]));
        p.U32(dx.empty() ? 0 : offString + stringBytes);
        for (char c : text)
            p.U16(std::uint8_t(c));
        p.PadTo(4);
        for (int d : dx)
            p.I32(d);
        Raw(84, p.Take());
    }

    // Draws a width x height bitmap (top-down 0xAARRGGBB pixels) scaled into the destination
    // rectangle (x, y, cx, cy) in logical units.
    void StretchDIBits(int x, int y, int cx, int cy, int width, int height, const std::vector<std::uint32_t>& pixels,
                       int bitCount = 32)
    {
        StretchDIBitsRaw(x, y, cx, cy, 0, 0, width, height, MakeDib(width, height, pixels, bitCount));
    }
    // The same with a DIB of the caller's making (any bit depth or colour table) and a raster
    // operation (SRCCOPY 0x00CC0020 unless given).
    void StretchDIBitsRaw(int x, int y, int cx, int cy, int xSrc, int ySrc, int cxSrc, int cySrc, const TMfDib& dib,
                          std::uint32_t rop = 0x00CC0020)
    {
        TByteWriter p;
        p.I32(x); // rclBounds
        p.I32(y);
        p.I32(x + cx - 1);
        p.I32(y + cy - 1);
        p.I32(x);
        p.I32(y);
        p.I32(xSrc);
        p.I32(ySrc);
        p.I32(cxSrc);
        p.I32(cySrc);
        const std::uint32_t offBmi = 80;
        const std::uint32_t offBits = offBmi + std::uint32_t(dib.Info.size());
        p.U32(offBmi);
        p.U32(std::uint32_t(dib.Info.size()));
        p.U32(offBits);
        p.U32(std::uint32_t(dib.Bits.size()));
        p.U32(0); // DIB_RGB_COLORS
        p.U32(rop);
        p.I32(cx);
        p.I32(cy);
        p.Append(dib.Info);
        p.Append(dib.Bits);
        Raw(81, p.Take());
    }

    // Appends the end record and fixes the header's byte, record and handle counts.
    std::vector<std::byte> Finish()
    {
        TByteWriter eof;
        eof.U32(0); // no palette entries
        eof.U32(16);
        eof.U32(20); // nSizeLast: this record's size
        Raw(14, eof.Take());
        m_out.U32At(48, std::uint32_t(m_out.Size()));
        m_out.U32At(52, m_records);
        m_out.U16At(56, std::uint16_t(m_handles));
        return m_out.Bytes();
    }

private:
    static std::vector<std::byte> U32Params(std::uint32_t v)
    {
        TByteWriter p;
        p.U32(v);
        return p.Take();
    }
    static std::vector<std::byte> PointParams(int x, int y)
    {
        TByteWriter p;
        p.I32(x);
        p.I32(y);
        return p.Take();
    }
    static std::vector<std::byte> RectParams(int l, int t, int r, int b)
    {
        TByteWriter p;
        p.I32(l);
        p.I32(t);
        p.I32(r);
        p.I32(b);
        return p.Take();
    }
    static std::vector<std::byte> Poly16Params(const std::vector<TMfPoint16>& points)
    {
        TByteWriter p;
        p.I32(0); // rclBounds (not used by players)
        p.I32(0);
        p.I32(0);
        p.I32(0);
        p.U32(std::uint32_t(points.size()));
        for (const TMfPoint16& pt : points) {
            p.I16(pt.X);
            p.I16(pt.Y);
        }
        return p.Take();
    }
    void NoteHandle(std::uint32_t index)
    {
        if (index + 1 > m_handles && index < 0xFFFF)
            m_handles = index + 1;
    }

    TByteWriter m_out;
    std::uint32_t m_records { 0 };
    std::uint32_t m_handles { 1 };
};

class TWmfBuilder {
public:
    // A placeable metafile whose bounding box is (0, 0, logicalWidth, logicalHeight) at
    // unitsPerInch logical units per inch; it shows as logicalWidth * 96 / unitsPerInch pixels.
    TWmfBuilder(int logicalWidth, int logicalHeight, int unitsPerInch = 96)
        : m_width(logicalWidth)
        , m_height(logicalHeight)
        , m_unitsPerInch(unitsPerInch)
    {
        Raw(0x020B, { 0, 0 });                          // META_SETWINDOWORG (y, x)
        Raw(0x020C, { logicalHeight, logicalWidth }); // META_SETWINDOWEXT (y, x)
    }

    // Appends a record with `function` and 16-bit parameters as they are stored (Windows
    // metafiles store most parameters in reverse order).
    void Raw(std::uint16_t function, const std::vector<int>& params)
    {
        TByteWriter w;
        for (int v : params)
            w.I16(v);
        RawBytes(function, w.Take());
    }
    void RawBytes(std::uint16_t function, std::vector<std::byte> params)
    {
        if (params.size() % 2 != 0)
            params.push_back(std::byte(0));
        const std::uint32_t words = std::uint32_t(3 + params.size() / 2);
        m_records.U32(words);
        m_records.U16(function);
        m_records.Append(params);
        if (words > m_maxRecord)
            m_maxRecord = words;
    }

    std::uint16_t CreatePen(std::uint16_t style, int width, std::uint32_t color)
    {
        TByteWriter p;
        p.U16(style);
        p.I16(width);
        p.I16(0);
        p.U32(color);
        RawBytes(0x02FA, p.Take());
        return TakeSlot();
    }
    std::uint16_t CreateBrush(std::uint16_t style, std::uint32_t color, std::uint16_t hatch = 0)
    {
        TByteWriter p;
        p.U16(style);
        p.U32(color);
        p.U16(hatch);
        RawBytes(0x02FC, p.Take());
        return TakeSlot();
    }
    std::uint16_t CreateFont(int height, const std::string& face, int weight = 400, bool italic = false,
                             int escapement = 0)
    {
        TByteWriter p;
        p.I16(height);
        p.I16(0); // width
        p.I16(escapement);
        p.I16(0); // orientation
        p.I16(weight);
        p.U8(italic ? 1 : 0);
        p.U8(0); // underline
        p.U8(0); // strike-out
        p.U8(0); // character set
        p.U8(0);
        p.U8(0);
        p.U8(0);
        p.U8(0);
        for (std::size_t i = 0; i < 32; ++i)
            p.U8(i < face.size() ? std::uint8_t(face[i]) : 0);
        RawBytes(0x02FB, p.Take());
        return TakeSlot();
    }
    void SelectObject(std::uint16_t slot) { Raw(0x012D, { slot }); }
    void DeleteObject(std::uint16_t slot)
    {
        Raw(0x01F0, { slot });
        if (slot < m_slots.size())
            m_slots[slot] = false;
    }
    void SetBkMode(int mode) { Raw(0x0102, { mode }); }
    void SetTextColor(std::uint32_t color) { Raw(0x0209, { int(color & 0xFFFF), int(color >> 16) }); }
    void SetBkColor(std::uint32_t color) { Raw(0x0201, { int(color & 0xFFFF), int(color >> 16) }); }
    void SetPolyFillMode(int mode) { Raw(0x0106, { mode }); }
    void SaveDC() { Raw(0x001E, {}); }
    void RestoreDC(int relative) { Raw(0x0127, { relative }); }
    void MoveTo(int x, int y) { Raw(0x0214, { y, x }); }
    void LineTo(int x, int y) { Raw(0x0213, { y, x }); }
    void Rectangle(int left, int top, int right, int bottom) { Raw(0x041B, { bottom, right, top, left }); }
    void Ellipse(int left, int top, int right, int bottom) { Raw(0x0418, { bottom, right, top, left }); }
    void Polygon(const std::vector<TMfPoint16>& points) { Raw(0x0324, PolyParams(points)); }
    void Polyline(const std::vector<TMfPoint16>& points) { Raw(0x0325, PolyParams(points)); }
    // META_TEXTOUT: top-left corner at (x, y).
    void TextOut(int x, int y, const std::string& text)
    {
        TByteWriter p;
        p.U16(std::uint16_t(text.size()));
        for (char c : text)
            p.U8(std::uint8_t(c));
        p.PadTo(2);
        p.I16(y);
        p.I16(x);
        RawBytes(0x0521, p.Take());
    }
    // META_STRETCHDIB of a width x height bitmap (top-down 0xAARRGGBB pixels) into the
    // destination rectangle (x, y, cx, cy) in logical units.
    void StretchDIB(int x, int y, int cx, int cy, int width, int height, const std::vector<std::uint32_t>& pixels,
                    int bitCount = 32)
    {
        StretchDIBRaw(x, y, cx, cy, 0, 0, width, height, MakeDib(width, height, pixels, bitCount));
    }
    void StretchDIBRaw(int x, int y, int cx, int cy, int xSrc, int ySrc, int cxSrc, int cySrc, const TMfDib& dib)
    {
        TByteWriter p;
        p.U32(0x00CC0020); // SRCCOPY
        p.U16(0);          // DIB_RGB_COLORS
        p.I16(cySrc);
        p.I16(cxSrc);
        p.I16(ySrc);
        p.I16(xSrc);
        p.I16(cy);
        p.I16(cx);
        p.I16(y);
        p.I16(x);
        p.Append(dib.Info);
        p.Append(dib.Bits);
        RawBytes(0x0F43, p.Take());
    }

    // The placeable header, the metafile header, the records and the end record.
    std::vector<std::byte> Finish()
    {
        TByteWriter out;
        out.U32(0x9AC6CDD7); // key
        out.U16(0);          // handle
        out.I16(0);          // bounding box
        out.I16(0);
        out.I16(m_width);
        out.I16(m_height);
        out.U16(std::uint16_t(m_unitsPerInch));
        out.U32(0); // reserved
        std::uint16_t checksum = 0;
        for (std::size_t i = 0; i < 10; ++i)
            checksum ^= std::uint16_t(std::uint8_t(out.Bytes()[2 * i]) | (std::uint8_t(out.Bytes()[2 * i + 1]) << 8));
        out.U16(checksum);

        TByteWriter records = m_records;
        records.U32(3); // META_EOF
        records.U16(0);
        const std::uint32_t totalWords = std::uint32_t(9 + records.Size() / 2);
        out.U16(1);      // memory metafile
        out.U16(9);      // header size in words
        out.U16(0x0300); // version
        out.U32(totalWords);
        out.U16(std::uint16_t(m_slots.size()));
        out.U32(m_maxRecord < 3 ? 3 : m_maxRecord);
        out.U16(0);
        out.Append(records.Bytes());
        return out.Take();
    }

private:
    static std::vector<int> PolyParams(const std::vector<TMfPoint16>& points)
    {
        std::vector<int> params { int(points.size()) };
        for (const TMfPoint16& pt : points) {
            params.push_back(pt.X);
            params.push_back(pt.Y);
        }
        return params;
    }
    std::uint16_t TakeSlot()
    {
        for (std::size_t i = 0; i < m_slots.size(); ++i) {
            if (!m_slots[i]) {
                m_slots[i] = true;
                return std::uint16_t(i);
            }
        }
        m_slots.push_back(true);
        return std::uint16_t(m_slots.size() - 1);
    }

    int m_width;
    int m_height;
    int m_unitsPerInch;
    TByteWriter m_records;
    std::uint32_t m_maxRecord { 3 };
    std::vector<bool> m_slots;
};

} // namespace MetafileBuilder
