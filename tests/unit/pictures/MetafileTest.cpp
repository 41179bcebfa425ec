#include "pictures/Metafile.h"

#include "base/Exceptions.h"
#include "base/Stream.h"
#include "paint/Canvas.h"
#include "pictures/metafile/MetafileDIB.h"
#include "pictures/metafile/MetafileEMF.h"
#include "pictures/metafile/MetafilePlayer.h"
#include "pictures/metafile/MetafileWMF.h"
#include "tools/common/MetafileBuilder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <fstream>

using namespace MetafileBuilder;

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb Green = 0xFF00FF00;
constexpr QRgb Black = 0xFF000000;

// A 4 x 2 bitmap: top row red, green, blue, yellow; bottom row cyan, magenta, grey, black.
const std::vector<std::uint32_t> BitmapPixels = { 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00,
                                                  0xFF00FFFF, 0xFFFF00FF, 0xFF808080, 0xFF000000 };

// The scene both formats draw, in logical units of a 100 x 80 picture:
// a red rectangle with a black outline, a blue ellipse without outline, a green triangle,
// "Hi" in black, and the bitmap stretched to 20 x 10 (each source pixel 5 x 5).
std::vector<std::byte> SceneEmf()
{
    TEmfBuilder emf(100, 80);
    emf.CreatePen(1, MfPenSolid, 1, MfRGB(0, 0, 0));
    emf.CreateBrush(2, MfBrushSolid, MfRGB(255, 0, 0));
    emf.SelectObject(1);
    emf.SelectObject(2);
    emf.Rectangle(10, 10, 50, 40);
    emf.CreateBrush(3, MfBrushSolid, MfRGB(0, 0, 255));
    emf.SelectObject(3);
    emf.SelectObject(MfStockNullPen);
    emf.Ellipse(60, 10, 90, 40);
    emf.CreateBrush(4, MfBrushSolid, MfRGB(0, 255, 0));
    emf.SelectObject(4);
    emf.Polygon16({ { 10, 75 }, { 30, 45 }, { 50, 75 } });
    emf.CreateFont(5, -12, "Arial");
    emf.SelectObject(5);
    emf.SetBkMode(MfTransparent);
    emf.SetTextColor(MfRGB(0, 0, 0));
    emf.TextOut(60, 62, "Hi");
    emf.StretchDIBits(60, 45, 20, 10, 4, 2, BitmapPixels);
    return emf.Finish();
}

// The same scene as a placeable metafile at 192 units per inch: logical units are half
// pixels, so every coordinate doubles.
std::vector<std::byte> SceneWmf()
{
    TWmfBuilder wmf(200, 160, 192);
    const auto pen = wmf.CreatePen(MfPenSolid, 2, MfRGB(0, 0, 0));
    const auto red = wmf.CreateBrush(MfBrushSolid, MfRGB(255, 0, 0));
    wmf.SelectObject(pen);
    wmf.SelectObject(red);
    wmf.Rectangle(20, 20, 100, 80);
    const auto nullPen = wmf.CreatePen(MfPenNull, 0, 0);
    const auto blue = wmf.CreateBrush(MfBrushSolid, MfRGB(0, 0, 255));
    wmf.SelectObject(nullPen);
    wmf.SelectObject(blue);
    wmf.Ellipse(120, 20, 180, 80);
    // Deleting frees the slot for the next object, as players number them.
    wmf.DeleteObject(red);
    const auto green = wmf.CreateBrush(MfBrushSolid, MfRGB(0, 255, 0));
    EXPECT_EQ(green, red);
    wmf.SelectObject(green);
    wmf.Polygon({ { 20, 150 }, { 60, 90 }, { 100, 150 } });
    wmf.SelectObject(wmf.CreateFont(-24, "Arial"));
    wmf.SetBkMode(MfTransparent);
    wmf.SetTextColor(MfRGB(0, 0, 0));
    wmf.TextOut(120, 124, "Hi");
    wmf.StretchDIB(120, 90, 40, 20, 4, 2, BitmapPixels, 24);
    return wmf.Finish();
}

TMetafile Load(const std::vector<std::byte>& bytes)
{
    TMemoryStream stream(bytes);
    TMetafile metafile;
    metafile.LoadFromStream(stream);
    return metafile;
}

QImage Render(TGraphic& graphic, const TRect& rect, int width = 300, int height = 220)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(White);
    TCanvas canvas(&image);
    canvas.StretchDraw(rect, graphic);
    return image;
}

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000; }

// The bounding box of the black pixels inside `area`.
QRect BlackBox(const QImage& image, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (At(image, x, y) == Black)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

std::string LoadError(const std::vector<std::byte>& bytes)
{
    TMemoryStream stream(bytes);
    TMetafile metafile;
    try {
        metafile.LoadFromStream(stream);
    } catch (const EInvalidGraphic& e) {
        return e.what();
    }
    return "";
}

struct TSceneCase {
    const char* Name;
    std::vector<std::byte> (*Build)();
};

class MetafileScene : public ::testing::TestWithParam<TSceneCase> {};

TEST_P(MetafileScene, ReportsItsSizeAtNinetySixDpi)
{
    TMetafile metafile = Load(GetParam().Build());
    EXPECT_FALSE(metafile.Empty());
    EXPECT_EQ(metafile.Width(), 100);
    EXPECT_EQ(metafile.Height(), 80);
    EXPECT_STREQ(metafile.ClassName(), "TMetafile");
}

TEST_P(MetafileScene, DrawsShapesTextAndBitmapScaledIntoTheRectangle)
{
    TMetafile metafile = Load(GetParam().Build());
    for (int scale : { 1, 2 }) {
        SCOPED_TRACE(scale);
        const int left = 20, top = 30;
        const TRect rect = Bounds(left, top, 100 * scale, 80 * scale);
        const QImage image = Render(metafile, rect);
        const auto p = [&](double x, double y) { return At(image, left + int(x * scale), top + int(y * scale)); };

        // Rectangle (10, 10, 50, 40): red inside, a black outline one logical unit wide
        // (centred on the edge, so half of a wide pen lies outside).
        EXPECT_EQ(p(30, 25), Red);
        EXPECT_EQ(p(10, 25), Black);
        EXPECT_EQ(At(image, left + 10 * scale - scale / 2, top + 25 * scale), Black);
        EXPECT_EQ(At(image, left + 10 * scale - scale, top + 25 * scale), White);
        EXPECT_EQ(At(image, left + 10 * scale + scale, top + 25 * scale), Red);
        // Ellipse (60, 10, 90, 40) without outline; its bounding box corner stays white.
        EXPECT_EQ(p(75, 25), Blue);
        EXPECT_EQ(p(61, 11), White);
        // Triangle: green in the middle, white beside its apex.
        EXPECT_EQ(p(30, 65), Green);
        EXPECT_EQ(p(15, 50), White);
        // The bitmap: each source pixel covers 5 x 5 logical units from (60, 45).
        const QRgb expected[2][4] = { { Red, Green, Blue, 0xFFFFFF00 }, { 0xFF00FFFF, 0xFFFF00FF, 0xFF808080, Black } };
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 4; ++col)
                EXPECT_EQ(p(60 + 5 * col + 2.5, 45 + 5 * row + 2.5), expected[row][col]) << row << "," << col;
        }
        EXPECT_EQ(p(81, 47), White);
        // Text at (60, 62): black glyphs whose height grows with the scale.
        const QRect text = BlackBox(image, QRect(left + 60 * scale, top + 60 * scale, 30 * scale, 18 * scale));
        ASSERT_FALSE(text.isEmpty());
        EXPECT_GE(text.height(), 7 * scale);
        EXPECT_LE(text.height(), 13 * scale);

        // Nothing outside the rectangle.
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom)
                    continue;
                ASSERT_EQ(At(image, x, y), White) << x << "," << y;
            }
        }
    }
}

TEST_P(MetafileScene, CloneDrawsTheSame)
{
    TMetafile metafile = Load(GetParam().Build());
    const std::unique_ptr<TGraphic> copy = metafile.Clone();
    EXPECT_EQ(Render(*copy, Bounds(5, 5, 150, 120)), Render(metafile, Bounds(5, 5, 150, 120)));
}

TEST_P(MetafileScene, TruncationAtAnyOffsetIsRefused)
{
    // Both headers state the length, so every cut is caught before anything is drawn.
    const std::vector<std::byte> bytes = GetParam().Build();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::vector<std::byte> cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(length));
        ASSERT_EQ(LoadError(cut), "Metafile is not valid") << length;
    }
}

TEST_P(MetafileScene, CorruptedBytesDrawWithoutCrashing)
{
    const std::vector<std::byte> bytes = GetParam().Build();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        for (std::uint8_t value : { 0x00, 0x7F, 0xFF }) {
            std::vector<std::byte> damaged = bytes;
            damaged[i] = std::byte(value);
            try {
                TMetafile metafile = Load(damaged);
                Render(metafile, Bounds(2, 2, 40, 30), 48, 40);
            } catch (const EInvalidGraphic&) {
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, MetafileScene,
                         ::testing::Values(TSceneCase { "Enhanced", SceneEmf }, TSceneCase { "Placeable", SceneWmf }),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Metafile, DamagedHeadersAreNotValid)
{
    const std::vector<std::byte> emf = SceneEmf();
    const std::vector<std::byte> wmf = SceneWmf();
    auto patched = [](std::vector<std::byte> bytes, std::size_t offset, std::uint8_t value) {
        bytes[offset] = std::byte(value);
        return bytes;
    };
    EXPECT_EQ(LoadError(patched(wmf, 0, 0xD8)), "Metafile is not valid");  // key
    EXPECT_EQ(LoadError(patched(wmf, 20, std::uint8_t(wmf[20]) ^ 1)), "Metafile is not valid"); // checksum
    EXPECT_EQ(LoadError(patched(wmf, 6, 5)), "Metafile is not valid");     // box changed, checksum not
    EXPECT_EQ(LoadError(patched(wmf, 24, 7)), "Metafile is not valid");    // metafile header size
    EXPECT_EQ(LoadError(patched(emf, 40, 0x21)), "Metafile is not valid"); // signature
    EXPECT_EQ(LoadError(patched(emf, 50, 0x7F)), "Metafile is not valid"); // length beyond the data
    EXPECT_EQ(LoadError(patched(emf, 92, 0)), "Metafile is not valid");    // first record of size 0
    EXPECT_EQ(LoadError(patched(emf, 92, 6)), "Metafile is not valid");    // size not a multiple of 4
    EXPECT_EQ(LoadError(std::vector<std::byte>(wmf.begin(), wmf.begin() + 21)), "Metafile is not valid");
    EXPECT_EQ(LoadError({}), "Metafile is not valid");
    // A Windows metafile without the placeable header is not one of ours.
    EXPECT_EQ(LoadError(std::vector<std::byte>(wmf.begin() + 22, wmf.end())), "Metafile is not valid");
}

TEST(Metafile, FailedLoadKeepsThePictureAndTheStreamPosition)
{
    TMetafile metafile = Load(SceneEmf());
    std::vector<std::byte> junk(64, std::byte(0x42));
    TMemoryStream stream(junk);
    stream.SetPosition(10);
    EXPECT_THROW(metafile.LoadFromStream(stream), EInvalidGraphic);
    EXPECT_EQ(stream.Position(), 10u);
    EXPECT_EQ(metafile.Width(), 100);
    EXPECT_EQ(At(Render(metafile, Bounds(0, 0, 100, 80)), 30, 25), Red);
}

TEST(Metafile, DoesNotConvertToABitmap)
{
    TMetafile metafile = Load(SceneEmf());
    try {
        metafile.ToImage();
        FAIL() << "a metafile converted to a bitmap";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TMetafile to a TBitmap");
    }
}

TEST(Metafile, UnknownRecordsAreSkipped)
{
    TEmfBuilder emf(50, 50);
    emf.Raw(0x7777, std::vector<std::byte>(12, std::byte(0xAB)));
    emf.SelectObject(MfStockBlackBrush);
    emf.Raw(70, std::vector<std::byte>(8, std::byte(0))); // a comment
    emf.Rectangle(10, 10, 40, 40);
    TMetafile enhanced = Load(emf.Finish());
    EXPECT_EQ(At(Render(enhanced, Bounds(0, 0, 50, 50)), 25, 25), Black);

    TWmfBuilder wmf(50, 50);
    wmf.Raw(0x0999, { 1, 2, 3, 4, 5 });
    wmf.SelectObject(wmf.CreateBrush(MfBrushSolid, MfRGB(0, 0, 0)));
    wmf.Raw(0x0626, { 15, 0 }); // an escape
    wmf.Rectangle(10, 10, 40, 40);
    TMetafile windows = Load(wmf.Finish());
    EXPECT_EQ(At(Render(windows, Bounds(0, 0, 50, 50)), 25, 25), Black);
}

TEST(Metafile, MapModesScaleLogicalUnits)
{
    // Anisotropic: 1000 x 800 logical units onto the 100 x 80 picture.
    TEmfBuilder anisotropic(100, 80);
    anisotropic.SetMapMode(8);
    anisotropic.SetWindowExt(1000, 800);
    anisotropic.SetViewportExt(100, 80);
    anisotropic.SelectObject(MfStockBlackBrush);
    anisotropic.SelectObject(MfStockNullPen);
    anisotropic.Rectangle(200, 200, 500, 400);
    QImage image = Render(*std::make_unique<TMetafile>(Load(anisotropic.Finish())), Bounds(0, 0, 100, 80));
    EXPECT_EQ(At(image, 20, 20), Black);
    EXPECT_EQ(At(image, 49, 39), Black);
    EXPECT_EQ(At(image, 50, 30), White);
    EXPECT_EQ(At(image, 19, 30), White);

    // Isotropic: the smaller scale (100 / 1000) applies to both axes.
    TEmfBuilder isotropic(100, 80);
    isotropic.SetMapMode(7);
    isotropic.SetWindowExt(1000, 400);
    isotropic.SetViewportExt(100, 80);
    isotropic.SelectObject(MfStockBlackBrush);
    isotropic.SelectObject(MfStockNullPen);
    isotropic.Rectangle(0, 0, 500, 500);
    image = Render(*std::make_unique<TMetafile>(Load(isotropic.Finish())), Bounds(0, 0, 100, 80));
    EXPECT_EQ(At(image, 49, 49), Black);
    EXPECT_EQ(At(image, 49, 51), White);

    // A window origin moves the picture: logical (50, 50) is the top-left corner.
    TEmfBuilder origin(100, 80);
    origin.SetWindowOrg(50, 50);
    origin.SelectObject(MfStockBlackBrush);
    origin.SelectObject(MfStockNullPen);
    origin.Rectangle(50, 50, 60, 60);
    image = Render(*std::make_unique<TMetafile>(Load(origin.Finish())), Bounds(0, 0, 100, 80));
    EXPECT_EQ(At(image, 5, 5), Black);
    EXPECT_EQ(At(image, 12, 5), White);
}

TEST(Metafile, RestoreDCBringsBackTheSavedBrush)
{
    TEmfBuilder emf(60, 20);
    emf.SelectObject(MfStockNullPen);
    emf.CreateBrush(1, MfBrushSolid, MfRGB(255, 0, 0));
    emf.SelectObject(1);
    emf.SaveDC();
    emf.SelectObject(MfStockBlackBrush);
    emf.Rectangle(0, 0, 20, 20);
    emf.RestoreDC(-1);
    emf.Rectangle(20, 0, 40, 20);
    emf.SelectObject(MfStockNullBrush); // hollow: the white canvas shows through
    emf.Rectangle(40, 0, 60, 20);
    const QImage image = Render(*std::make_unique<TMetafile>(Load(emf.Finish())), Bounds(0, 0, 60, 20));
    EXPECT_EQ(At(image, 10, 10), Black);
    EXPECT_EQ(At(image, 30, 10), Red);
    EXPECT_EQ(At(image, 50, 10), White);
}

TEST(Metafile, FilledPathUsesTheFillMode)
{
    // Two nested squares in one path: alternate fill leaves the inner one empty.
    auto build = [](std::uint32_t fillMode) {
        TEmfBuilder emf(40, 40);
        emf.SelectObject(MfStockBlackBrush);
        emf.SetPolyFillMode(fillMode);
        emf.Raw(59, {}); // begin path
        emf.Polygon16({ { 0, 0 }, { 40, 0 }, { 40, 40 }, { 0, 40 } });
        emf.Polygon16({ { 10, 10 }, { 30, 10 }, { 30, 30 }, { 10, 30 } });
        emf.Raw(60, {});                                   // end path
        emf.Raw(62, std::vector<std::byte>(16, std::byte(0))); // fill path
        return emf.Finish();
    };
    TMetafile alternate = Load(build(1));
    QImage image = Render(alternate, Bounds(0, 0, 40, 40));
    EXPECT_EQ(At(image, 5, 5), Black);
    EXPECT_EQ(At(image, 20, 20), White);
    TMetafile winding = Load(build(2));
    image = Render(winding, Bounds(0, 0, 40, 40));
    EXPECT_EQ(At(image, 20, 20), Black);
}

TEST(Metafile, DrawingKeepsTheCanvasClipAndState)
{
    TMetafile metafile = Load(SceneEmf());
    QImage image(100, 80, QImage::Format_RGB32);
    image.fill(White);
    TCanvas canvas(&image);
    canvas.SetClipRect(Rect(0, 0, 30, 80));
    canvas.Brush.SetColor(clYellow);
    canvas.StretchDraw(Bounds(0, 0, 100, 80), metafile);
    EXPECT_EQ(At(image, 20, 25), Red);   // inside the clip
    EXPECT_EQ(At(image, 40, 25), White); // the rest of the red rectangle is clipped away
    EXPECT_EQ(canvas.Brush.Color(), clYellow);
}

TEST(Metafile, RegistersItsFileExtensions)
{
    RegisterMetafileFileFormats();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string emfPath = QDir(dir.path()).filePath("scene.EMF").toStdString();
    const std::string wmfPath = QDir(dir.path()).filePath("scene.wmf").toStdString();
    for (const auto& [path, bytes] : { std::pair { emfPath, SceneEmf() }, std::pair { wmfPath, SceneWmf() } }) {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        TPicture picture;
        picture.LoadFromFile(path);
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_STREQ(picture.Graphic()->ClassName(), "TMetafile");
        EXPECT_EQ(picture.Width(), 100);
    }
}

std::vector<std::byte> Params(std::initializer_list<std::int32_t> values)
{
    TByteWriter w;
    for (std::int32_t v : values)
        w.I32(v);
    return w.Take();
}

std::vector<std::byte> FloatParams(std::initializer_list<float> values)
{
    TByteWriter w;
    for (float v : values)
        w.U32(std::bit_cast<std::uint32_t>(v));
    return w.Take();
}

QImage RenderEmf(TEmfBuilder& emf, int width, int height)
{
    TMetafile metafile = Load(emf.Finish());
    return Render(metafile, Bounds(0, 0, width, height), width, height);
}

TEST(MetafilePlayer, PolyDrawFollowsItsPointKinds)
{
    // Inside a path: move, two lines and a closing line make a triangle that is filled.
    TEmfBuilder emf(40, 40);
    emf.SelectObject(MfStockBlackBrush);
    emf.Raw(59, {});
    TByteWriter draw;
    draw.Zeros(16);
    draw.U32(3);
    for (int v : { 0, 0, 40, 0, 0, 40 })
        draw.I16(v);
    for (std::uint8_t kind : { 6, 2, 2 | 1 })
        draw.U8(kind);
    emf.Raw(92, draw.Take());
    emf.Raw(60, {});
    emf.Raw(62, std::vector<std::byte>(16, std::byte(0)));
    const QImage image = RenderEmf(emf, 40, 40);
    EXPECT_EQ(At(image, 8, 8), Black);
    EXPECT_EQ(At(image, 32, 32), White);
}

TEST(MetafilePlayer, PieRunsCounterClockwiseFromStartToEnd)
{
    TEmfBuilder emf(40, 40);
    emf.SelectObject(MfStockBlackBrush);
    emf.Raw(47, Params({ 0, 0, 40, 40, 40, 20, 20, 0 })); // pie from the right ray to the top ray
    const QImage image = RenderEmf(emf, 40, 40);
    EXPECT_EQ(At(image, 28, 12), Black);
    EXPECT_EQ(At(image, 12, 12), White);
    EXPECT_EQ(At(image, 28, 28), White);
}

TEST(MetafilePlayer, WorldTransformTurnsFiguresIntoPolygons)
{
    // A quarter turn: x' = 40 - y, y' = x.
    TEmfBuilder emf(40, 40);
    emf.Raw(35, FloatParams({ 0, 1, -1, 0, 40, 0 }));
    emf.SelectObject(MfStockBlackBrush);
    emf.SelectObject(MfStockNullPen);
    emf.Rectangle(0, 0, 30, 10);
    const QImage image = RenderEmf(emf, 40, 40);
    EXPECT_EQ(At(image, 35, 15), Black);
    EXPECT_EQ(At(image, 15, 5), White);
    EXPECT_EQ(At(image, 35, 35), White);
}

TEST(MetafilePlayer, BezierPassesThroughItsMidpoint)
{
    TEmfBuilder emf(40, 30);
    emf.Raw(85, [] {
        TByteWriter w;
        w.Zeros(16); // bounds
        w.U32(4);
        for (int v : { 0, 20, 0, 0, 40, 0, 40, 20 })
            w.I16(v);
        return w.Take();
    }());
    const QImage image = RenderEmf(emf, 40, 30);
    // B(1/2) = (20, 5); the control points themselves are not on the curve.
    EXPECT_FALSE(BlackBox(image, QRect(19, 4, 3, 3)).isEmpty());
    EXPECT_EQ(At(image, 1, 1), White);
    EXPECT_EQ(At(image, 20, 15), White);
}

TEST(MetafilePlayer, TextAlignsOnItsBaselineWithAnOpaqueBackground)
{
    TEmfBuilder emf(100, 40);
    emf.CreateFont(1, -20, "Arial");
    emf.SelectObject(1);
    emf.SetBkMode(MfOpaque);
    emf.SetBkColor(MfRGB(255, 0, 0));
    emf.Raw(22, Params({ 6 | 24 })); // centred on the reference point, on the baseline
    emf.TextOut(50, 30, "HH");
    const QImage image = RenderEmf(emf, 100, 40);
    const QRect glyphs = BlackBox(image, QRect(0, 0, 100, 40));
    ASSERT_FALSE(glyphs.isEmpty());
    EXPECT_EQ(glyphs.bottom(), 29); // "H" stands on the baseline
    EXPECT_NEAR(glyphs.center().x(), 50, 2);
    EXPECT_EQ(At(image, glyphs.left() - 1, glyphs.top()), Red);
    EXPECT_EQ(At(image, 2, 2), White);
}

TEST(MetafilePlayer, RegionsFillWithTheNamedOrTheSelectedBrush)
{
    // Region data: a 32-byte header, then the rectangles (reference-device pixels, which are
    // the builder's logical pixels).
    auto region = [](std::initializer_list<std::int32_t> rects) {
        TByteWriter w;
        const std::uint32_t count = std::uint32_t(rects.size() / 4);
        for (std::uint32_t v : { 32u, 1u, count, count * 16, 0u, 0u, 0u, 0u })
            w.U32(v);
        for (std::int32_t v : rects)
            w.I32(v);
        return w.Take();
    };
    TEmfBuilder emf(40, 20);
    emf.CreateBrush(1, MfBrushSolid, MfRGB(255, 0, 0));
    emf.SelectObject(1);
    TByteWriter fill;
    fill.Zeros(16); // bounds
    const auto blackParts = region({ 0, 0, 10, 10, 20, 0, 30, 10 });
    fill.U32(std::uint32_t(blackParts.size()));
    fill.U32(MfStockBlackBrush);
    fill.Append(blackParts);
    emf.Raw(71, fill.Take());
    TByteWriter paint;
    paint.Zeros(16);
    const auto redPart = region({ 0, 10, 40, 20 });
    paint.U32(std::uint32_t(redPart.size()));
    paint.Append(redPart);
    emf.Raw(74, paint.Take());
    const QImage image = RenderEmf(emf, 40, 20);
    EXPECT_EQ(At(image, 5, 5), Black);
    EXPECT_EQ(At(image, 15, 5), White);
    EXPECT_EQ(At(image, 25, 5), Black);
    EXPECT_EQ(At(image, 35, 15), Red);
}

TEST(MetafilePlayer, RasterOperationsCombineWithWhatIsThere)
{
    TEmfBuilder emf(30, 10);
    emf.SelectObject(MfStockNullPen);
    emf.CreateBrush(1, MfBrushSolid, MfRGB(255, 0, 0));
    emf.SelectObject(1);
    emf.Rectangle(0, 0, 30, 10);
    // White XOR red is cyan.
    emf.StretchDIBitsRaw(0, 0, 10, 10, 0, 0, 1, 1, MakeDib(1, 1, { 0xFFFFFFFF }), 0x00660046);
    // A bit-block transfer without a bitmap that inverts the destination: red becomes cyan.
    TByteWriter blit;
    blit.Zeros(16); // bounds
    for (std::int32_t v : { 20, 0, 10, 10 })
        blit.I32(v);
    blit.U32(0x00550009); // DSTINVERT
    blit.Zeros(8 + 24 + 4 + 4 + 16); // source origin, transform, colour, usage, no bitmap
    emf.Raw(76, blit.Take());
    const QImage image = RenderEmf(emf, 30, 10);
    EXPECT_EQ(At(image, 5, 5), 0xFF00FFFF);
    EXPECT_EQ(At(image, 15, 5), Red);
    EXPECT_EQ(At(image, 25, 5), 0xFF00FFFF);
}

TEST(MetafilePlayer, EscapementTurnsTheTextLine)
{
    // The same word level and turned a quarter counter-clockwise: it then runs upwards from
    // its reference point, its box as tall as the level one is wide.
    auto glyphs = [](int escapement) {
        TWmfBuilder wmf(100, 100);
        wmf.SelectObject(wmf.CreateFont(-16, "Arial", 400, false, escapement));
        wmf.SetBkMode(MfTransparent);
        wmf.TextOut(40, 80, "HHHH");
        TMetafile metafile = Load(wmf.Finish());
        return BlackBox(Render(metafile, Bounds(0, 0, 100, 100), 100, 100), QRect(0, 0, 100, 100));
    };
    const QRect level = glyphs(0);
    const QRect turned = glyphs(900);
    ASSERT_FALSE(level.isEmpty());
    ASSERT_FALSE(turned.isEmpty());
    EXPECT_GT(level.width(), level.height());
    EXPECT_NEAR(turned.height(), level.width(), 2);
    EXPECT_NEAR(turned.width(), level.height(), 2);
    EXPECT_LE(turned.bottom(), 80);
    EXPECT_GE(turned.left(), 40);
}

TEST(MetafilePlayer, CompactTextRecordsDrawLikeTheFullOnes)
{
    auto render = [](bool compact) {
        TEmfBuilder emf(60, 30);
        emf.SetBkMode(MfTransparent);
        if (!compact) {
            emf.TextOut(5, 5, "Hi");
        } else {
            TByteWriter p;
            for (std::uint32_t v : { 5u, 5u, 2u, 0x300u, 1u, 0u, 0u }) // no rectangle, 8-bit characters
                p.U32(v);
            p.U8('H');
            p.U8('i');
            emf.Raw(108, p.Take());
        }
        return RenderEmf(emf, 60, 30);
    };
    const QImage full = render(false);
    ASSERT_FALSE(BlackBox(full, QRect(0, 0, 60, 30)).isEmpty());
    EXPECT_EQ(render(true), full);
}

TEST(MetafilePlayer, IntersectClipRectLimitsDrawingUntilRestored)
{
    TEmfBuilder emf(40, 40);
    emf.SelectObject(MfStockBlackBrush);
    emf.SaveDC();
    emf.Raw(30, Params({ 10, 10, 20, 20 }));
    emf.Rectangle(0, 0, 40, 20);
    emf.RestoreDC(-1);
    emf.Rectangle(0, 30, 40, 40);
    emf.Raw(30, Params({ 0, 20, 10, 30 }));   // two clips that do not overlap
    emf.Raw(30, Params({ 30, 20, 40, 30 }));  // leave nothing to draw on
    emf.Rectangle(0, 20, 40, 30);
    const QImage image = RenderEmf(emf, 40, 40);
    EXPECT_EQ(At(image, 5, 25), White);
    EXPECT_EQ(At(image, 35, 25), White);
    EXPECT_EQ(At(image, 15, 15), Black);
    EXPECT_EQ(At(image, 5, 15), White);
    EXPECT_EQ(At(image, 25, 15), White);
    EXPECT_EQ(At(image, 5, 35), Black);
}

TEST(MetafilePlayer, BrokenRecordSizesEndThePlayQuietly)
{
    // The loader refuses such files; the record loops still stop by themselves.
    auto play = [](bool enhanced, const std::vector<std::byte>& bytes) {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(White);
        {
            TCanvas canvas(&image);
            TMfMapping mapping;
            mapping.FrameWidth = mapping.FrameHeight = mapping.TargetWidth = mapping.TargetHeight = 40;
            TMetafilePlayer player(canvas, mapping);
            if (enhanced) {
                PlayEnhancedMetafileRecords(player, bytes);
            } else {
                player.SetMapMode(MfMM_ANISOTROPIC);
                player.SetWindowExt(40, 40);
                player.SetViewportExt(40, 40);
                PlayWindowsMetafileRecords(player, std::span(bytes).subspan(22));
            }
        }
        return image;
    };
    for (std::uint32_t size : { 0u, 4u, 0xFFFFFFF0u }) {
        SCOPED_TRACE(size);
        TEmfBuilder emf(40, 40);
        emf.SelectObject(MfStockBlackBrush);
        emf.Rectangle(0, 0, 20, 20);
        std::vector<std::byte> bytes = emf.Finish();
        const std::size_t broken = bytes.size() - 20; // where the end record starts
        bytes.insert(bytes.begin() + std::ptrdiff_t(broken), 16, std::byte(0));
        TByteWriter record;
        record.U32(43);
        record.U32(size);
        std::copy(record.Bytes().begin(), record.Bytes().end(), bytes.begin() + std::ptrdiff_t(broken));
        const QImage image = play(true, bytes);
        EXPECT_EQ(At(image, 10, 10), Black);

        TWmfBuilder wmf(40, 40);
        wmf.SelectObject(wmf.CreateBrush(MfBrushSolid, 0));
        wmf.Rectangle(0, 0, 20, 20);
        wmf.Raw(0x041B, { 40, 40, 25, 25 });
        std::vector<std::byte> windows = wmf.Finish();
        const std::size_t last = windows.size() - 6 - 14; // the second rectangle record
        windows[last] = std::byte(size & 0xFF);
        windows[last + 1] = std::byte((size >> 8) & 0xFF);
        windows[last + 2] = std::byte((size >> 16) & 0xFF);
        windows[last + 3] = std::byte((size >> 24) & 0xFF);
        const QImage windowsImage = play(false, windows);
        EXPECT_EQ(At(windowsImage, 10, 10), Black);
        EXPECT_EQ(At(windowsImage, 30, 30), White);
    }
}

TEST(MetafilePlayer, ExtremeCoordinatesAreHarmless)
{
    // Figures spanning the whole 32-bit range, in every figure kind; the picture is still
    // drawn afterwards. (The sanitizer build checks the arithmetic on the way.)
    constexpr std::int32_t lo = INT32_MIN, hi = INT32_MAX;
    TEmfBuilder emf(40, 40);
    emf.SelectObject(MfStockBlackBrush);
    for (std::uint32_t type : { 42u, 43u }) // ellipse, rectangle
        emf.Raw(type, Params({ lo, lo, hi, hi }));
    emf.Raw(44, Params({ lo, lo, hi, hi, hi, hi }));                 // round rectangle
    for (std::uint32_t type : { 45u, 46u, 47u, 55u })                 // arc, chord, pie, arc-to
        emf.Raw(type, Params({ lo, lo, hi, hi, hi, 0, 0, lo }));
    emf.Raw(2, Params({ 0, 0, 0, 0, 4, lo, lo, hi, lo, hi, hi, lo, hi })); // Bézier
    emf.Raw(41, Params({ 0, 0, -1, 0, 0 }));                           // angle arc, radius 2^32-1
    emf.Raw(35, FloatParams({ 1e7f, 0, 0, 1e7f, 0, 0 }));              // and all of it scaled up
    emf.Raw(42, Params({ lo, lo, hi, hi }));
    emf.Raw(2, Params({ 0, 0, 0, 0, 4, lo, lo, hi, lo, hi, hi, lo, hi }));
    emf.Raw(36, Params({ 0, 0, 0, 0, 0, 0, 1 }));                      // identity again
    emf.SelectObject(MfStockWhiteBrush);
    emf.SelectObject(MfStockNullPen);
    emf.Rectangle(10, 10, 20, 20);
    const QImage image = RenderEmf(emf, 40, 40);
    EXPECT_EQ(At(image, 5, 5), Black); // the huge rectangle covers the canvas
    EXPECT_EQ(At(image, 15, 15), White);
}

TEST(Metafile, BoundsGiveTheSizeWithoutAReferenceDevice)
{
    std::vector<std::byte> bytes = TEmfBuilder(30, 20).Finish();
    std::fill(bytes.begin() + 80, bytes.begin() + 88, std::byte(0)); // no millimetre size
    TMetafile metafile = Load(bytes);
    EXPECT_EQ(metafile.Width(), 30);
    EXPECT_EQ(metafile.Height(), 20);
}

TEST(MetafileDIB, ReadsPalettedBitmapsBottomUp)
{
    // 3 x 2 pixels, 4 bits, two colours in the table; rows stored bottom row first.
    TByteWriter info;
    info.U32(40);
    info.I32(3);
    info.I32(2);
    info.U16(1);
    info.U16(4);
    info.U32(0);
    info.U32(0);
    info.U32(0);
    info.U32(0);
    info.U32(2); // colours used
    info.U32(0);
    info.U32(0x000000FF); // entry 0: blue (B, G, R, 0)
    info.U32(0x0000FF00); // entry 1: green
    // Bottom row 1 0 1, top row 0 1 0; each row padded to 4 bytes.
    const std::vector<std::byte> bits = { std::byte(0x10), std::byte(0x10), std::byte(0), std::byte(0),
                                          std::byte(0x01), std::byte(0x00), std::byte(0), std::byte(0) };
    const QImage image = DecodeMetafileDIB(info.Bytes(), bits);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), Blue);
    EXPECT_EQ(image.pixel(1, 0), Green);
    EXPECT_EQ(image.pixel(0, 1), Green);
    EXPECT_EQ(image.pixel(1, 1), Blue);
    EXPECT_TRUE(MetafileDIBIsBottomUp(info.Bytes()));
    // Bits shorter than the rows need, or an RLE bitmap: nothing.
    EXPECT_TRUE(DecodeMetafileDIB(info.Bytes(), std::span(bits).first(7)).isNull());
    std::vector<std::byte> rle = info.Bytes();
    rle[16] = std::byte(2);
    EXPECT_TRUE(DecodeMetafileDIB(rle, bits).isNull());
}

TEST(MetafileDIB, EightAndOneBitBitmapsInAMetafile)
{
    // A 2 x 1 one-bit bitmap (black, white) and a 1 x 1 eight-bit one (index 255 = red).
    TByteWriter mono;
    for (std::uint32_t v : { 40u, 2u, 1u })
        mono.U32(v);
    mono.Zeros(2); // planes
    mono.U16(1);
    mono.Zeros(24); // the rest of the header
    mono.U32(0x00000000);
    mono.U32(0x00FFFFFF);
    TByteWriter eight;
    for (std::uint32_t v : { 40u, 1u, 1u })
        eight.U32(v);
    eight.Zeros(2); // planes
    eight.U16(8);
    eight.Zeros(24); // the rest of the header
    for (int i = 0; i < 256; ++i)
        eight.U32(i == 255 ? 0x00FF0000 : 0);

    TEmfBuilder emf(30, 10);
    emf.StretchDIBitsRaw(0, 0, 20, 10, 0, 0, 2, 1, { mono.Bytes(), { std::byte(0x40), std::byte(0), std::byte(0), std::byte(0) } });
    emf.StretchDIBitsRaw(20, 0, 10, 10, 0, 0, 1, 1, { eight.Bytes(), { std::byte(255), std::byte(0), std::byte(0), std::byte(0) } });
    TMetafile metafile = Load(emf.Finish());
    QImage image(30, 10, QImage::Format_RGB32);
    image.fill(0xFF123456);
    TCanvas canvas(&image);
    metafile.Draw(canvas, Bounds(0, 0, 30, 10));
    EXPECT_EQ(At(image, 5, 5), Black);
    EXPECT_EQ(At(image, 15, 5), White);
    EXPECT_EQ(At(image, 25, 5), Red);
}

} // namespace
