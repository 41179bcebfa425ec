#pragma once

#include <cstdint>

// Points, rectangles and colour values as the drawing code speaks of them.

struct TPoint {
    int X { 0 };
    int Y { 0 };
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx { 0 };
    int cy { 0 };
    friend bool operator==(const TSize&, const TSize&) = default;
};

// A rectangle covers the pixels Left..Right-1 and Top..Bottom-1.
struct TRect {
    int Left { 0 };
    int Top { 0 };
    int Right { 0 };
    int Bottom { 0 };
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return { left, top, right, bottom }; }
inline TRect Bounds(int left, int top, int width, int height) { return { left, top, left + width, top + height }; }

// A colour value: high byte 0x00 plain RGB stored as 0x00BBGGRR, 0x02 palette-relative RGB,
// 0x80 a system colour whose low byte is the system colour index.
using TColor = std::uint32_t;

constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr TColor PaletteRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return 0x02000000u | RGB(r, g, b); }
constexpr std::uint8_t GetRValue(TColor c) { return std::uint8_t(c); }
constexpr std::uint8_t GetGValue(TColor c) { return std::uint8_t(c >> 8); }
constexpr std::uint8_t GetBValue(TColor c) { return std::uint8_t(c >> 16); }

constexpr TColor clBlack = RGB(0, 0, 0);
constexpr TColor clMaroon = RGB(128, 0, 0);
constexpr TColor clOlive = RGB(128, 128, 0);
constexpr TColor clGray = RGB(128, 128, 128);
constexpr TColor clSilver = RGB(192, 192, 192);
constexpr TColor clRed = RGB(255, 0, 0);
constexpr TColor clYellow = RGB(255, 255, 0);
constexpr TColor clWhite = RGB(255, 255, 255);

// System colours: 0x80000000 or'ed with the system colour index.
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowFrame = 0x80000006;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clHighlight = 0x8000000D;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clBtnShadow = 0x80000010;
constexpr TColor clGrayText = 0x80000011;
constexpr TColor clBtnText = 0x80000012;
constexpr TColor clBtnHighlight = 0x80000014;
constexpr TColor cl3DDkShadow = 0x80000015;
constexpr TColor cl3DLight = 0x80000016;
constexpr TColor clInfoBk = 0x80000018;

// Turns any colour value into plain RGB (0x00BBGGRR): system colours through the fixed
// system colour table, palette-relative colours by dropping the flag (on a true-colour
// screen they draw as the RGB they name).
TColor ColorToRGB(TColor color);
