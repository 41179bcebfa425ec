#include "play/RestingPicture.h"

#include "paint/Canvas.h"

#include <algorithm>
#include <array>

namespace {

// Palette-relative, so a palette display draws them from the shared palette. The two glows lie
// between table entries, to stay soft on true colour; a palette display gives them the nearest
// entries, the sky's and the inner glow's, and the picture keeps its shapes.
constexpr TColor Sky = PaletteRGB(0x00, 0x00, 0x33);
constexpr TColor OuterGlow = PaletteRGB(0x0E, 0x0E, 0x46);
constexpr TColor InnerGlow = PaletteRGB(0x24, 0x24, 0x5C);
constexpr TColor Moon = PaletteRGB(0xFF, 0xFF, 0xCC);
constexpr TColor WarmStar = PaletteRGB(0xFF, 0xFF, 0x99);
constexpr TColor CoolStar = PaletteRGB(0xCC, 0xCC, 0xFF);
constexpr TColor FarHill = PaletteRGB(0x00, 0x33, 0x66);
constexpr TColor NearHill = PaletteRGB(0x00, 0x33, 0x33);

// A star: where it stands (per mille of the width and height), its size (per mille of the
// shorter side) and whether it is one of the warm ones. Fixed, so the sky is the same every
// time and on every monitor; none stands near the moon or on the hills.
struct TStar {
    int X, Y, Size;
    bool Warm;
};
constexpr std::array<TStar, 22> Stars { {
    { 80, 90, 14, true },   { 190, 210, 8, false },  { 300, 70, 10, false }, { 410, 180, 16, true },
    { 520, 60, 8, true },   { 130, 380, 10, false }, { 260, 330, 8, true },  { 360, 430, 12, false },
    { 480, 300, 9, false }, { 560, 450, 14, true },  { 900, 90, 9, false },  { 950, 300, 13, true },
    { 880, 520, 8, false }, { 60, 560, 8, true },    { 230, 520, 12, false }, { 640, 560, 8, false },
    { 600, 200, 10, false }, { 960, 620, 10, true },  { 30, 250, 9, false },  { 460, 560, 8, true },
    { 760, 560, 11, true }, { 340, 230, 7, false },
} };

void FillEllipse(TCanvas& canvas, TColor color, int cx, int cy, int rx, int ry)
{
    canvas.Brush.SetColor(color);
    canvas.Pen.Color = color;
    canvas.Ellipse(cx - rx, cy - ry, cx + rx + 1, cy + ry + 1);
}

// A four-pointed twinkle: long arms up, down and to the sides, short ones between.
void DrawStar(TCanvas& canvas, const TStar& star, int width, int height, int unit)
{
    const int x = width * star.X / 1000;
    const int y = height * star.Y / 1000;
    const int arm = std::max(2, unit * star.Size / 1000);
    const int waist = std::max(1, arm / 4);
    const TColor color = star.Warm ? WarmStar : CoolStar;
    const TPoint points[] = {
        { x, y - arm },         { x + waist, y - waist }, { x + arm, y }, { x + waist, y + waist },
        { x, y + arm },         { x - waist, y + waist }, { x - arm, y }, { x - waist, y - waist },
    };
    canvas.Brush.SetColor(color);
    canvas.Pen.Color = color;
    canvas.Polygon(points);
}

} // namespace

void DrawRestingPicture(TCanvas& canvas, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    canvas.SetClipRegion(nullptr);
    canvas.Pen.Width = 1;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Brush.SetColor(Sky);
    canvas.FillRect(Rect(0, 0, width, height));

    const int unit = std::min(width, height);
    for (const TStar& star : Stars)
        DrawStar(canvas, star, width, height, unit);

    // The moon, high on the right in two rings of glow; a disc of the inner glow bites the
    // crescent out of it.
    const int moonX = width * 74 / 100;
    const int moonY = height * 28 / 100;
    const int moon = std::max(4, unit * 12 / 100);
    FillEllipse(canvas, OuterGlow, moonX, moonY, moon * 2, moon * 2);
    FillEllipse(canvas, InnerGlow, moonX, moonY, moon * 3 / 2, moon * 3 / 2);
    FillEllipse(canvas, Moon, moonX, moonY, moon, moon);
    FillEllipse(canvas, InnerGlow, moonX - moon * 45 / 100, moonY - moon * 25 / 100, moon * 9 / 10, moon * 9 / 10);

    // Two soft hills along the bottom, the far one first.
    FillEllipse(canvas, FarHill, width * 25 / 100, height + height * 2 / 100, width * 45 / 100, height * 22 / 100);
    FillEllipse(canvas, FarHill, width * 85 / 100, height + height * 4 / 100, width * 40 / 100, height * 20 / 100);
    FillEllipse(canvas, NearHill, width * 60 / 100, height + height * 8 / 100, width * 55 / 100, height * 20 / 100);

    canvas.Pen = pen;
    canvas.Brush = brush;
}
