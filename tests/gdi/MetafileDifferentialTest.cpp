// Plays generated metafiles both through TMetafile and through the platform's GDI (a small
// peer program under Wine, GdiPeer.exe) into images of the same size and compares them pixel
// by pixel. Each feature reports its PSNR and the share of pixels that differ.

#include "base/Stream.h"
#include "paint/Canvas.h"
#include "pictures/Metafile.h"
#include "tests/support/SurfacePixels.h"
#include "tools/common/MetafileBuilder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>

using namespace MetafileBuilder;

namespace {

constexpr int W = 160;
constexpr int H = 120;
const std::string Face = "Liberation Sans";

struct TCase {
    std::string Feature;
    std::string Name;
    std::vector<std::byte> Bytes;
    bool Wmf { false };
};

constexpr std::uint32_t PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_GEOMETRIC = 0x10000,
                        PS_ENDCAP_FLAT = 0x200, PS_JOIN_MITER = 0x2000, PS_USERSTYLE = 7;

void Background(TEmfBuilder& emf)
{
    // Colour stripes under every case, so raster operations have something to combine with.
    emf.SelectObject(MfStockNullPen);
    const std::uint32_t colours[] = { MfRGB(255, 255, 255), MfRGB(200, 40, 40), MfRGB(40, 160, 60), MfRGB(30, 60, 200) };
    for (int i = 0; i < 4; ++i) {
        emf.CreateBrush(90, MfBrushSolid, colours[i]);
        emf.SelectObject(90);
        emf.Rectangle(0, i * H / 4, W + 1, (i + 1) * H / 4 + 1);
        emf.SelectObject(MfStockWhiteBrush);
        emf.DeleteObject(90);
    }
    emf.SelectObject(MfStockBlackPen);
}

std::vector<TCase> Cases()
{
    std::vector<TCase> cases;
    auto add = [&](const std::string& feature, const std::string& name, TEmfBuilder& emf) {
        cases.push_back({ feature, name, emf.Finish() });
    };

    { // Plain figures: the harness itself and the rectangle rules.
        TEmfBuilder emf(W, H);
        emf.CreatePen(1, MfPenSolid, 1, MfRGB(0, 0, 0));
        emf.CreateBrush(2, MfBrushSolid, MfRGB(255, 0, 0));
        emf.SelectObject(1);
        emf.SelectObject(2);
        emf.Rectangle(10, 10, 50, 40);
        emf.Ellipse(60, 10, 100, 40);
        emf.SelectObject(MfStockNullPen);
        emf.Rectangle(110, 10, 150, 40);
        emf.Ellipse(10, 50, 50, 80);
        emf.SelectObject(1);
        emf.SelectObject(MfStockNullBrush);
        emf.Rectangle(60, 50, 100, 80);
        emf.MoveTo(110, 50);
        emf.LineTo(150, 90);
        add("rectangles", "figures", emf);
    }
    { // The same under a scaling mapping.
        TEmfBuilder emf(W, H);
        emf.SetMapMode(8);
        emf.SetWindowExt(1000, 1000);
        emf.SetViewportExt(W, H);
        emf.CreateBrush(2, MfBrushSolid, MfRGB(0, 0, 255));
        emf.SelectObject(2);
        emf.SelectObject(MfStockNullPen);
        emf.Rectangle(100, 100, 400, 400);
        emf.SelectObject(MfStockBlackPen);
        emf.Rectangle(500, 100, 900, 400);
        emf.Ellipse(100, 500, 400, 900);
        add("rectangles", "scaled", emf);
    }
    { // Character spacing from the dx array, opaque box.
        TEmfBuilder emf(W, H);
        emf.CreateFont(1, -16, Face);
        emf.SelectObject(1);
        emf.SetBkColor(MfRGB(255, 255, 0));
        emf.SetTextColor(MfRGB(0, 0, 0));
        emf.ExtTextOut(4, 4, "Wide spacing", 2, { 2, 2, 150, 24 }, std::vector<int>(12, 12));
        emf.ExtTextOut(4, 34, "Narrow text runs", 2, { 2, 32, 100, 52 }, std::vector<int>(16, 6));
        emf.SetBkMode(MfTransparent);
        emf.ExtTextOut(4, 64, "Mixed", 0, { 0, 0, -1, -1 }, { 20, 4, 10, 14, 9 });
        add("text-dx", "dx", emf);
    }
    { // Narrow and wide fonts.
        TEmfBuilder emf(W, H);
        emf.CreateFont(1, -16, Face, 400, false, 0, 4);
        emf.CreateFont(2, -16, Face, 700, false, 0, 12);
        emf.SetBkMode(MfTransparent);
        emf.SelectObject(1);
        emf.ExtTextOut(4, 4, "Condensed font width");
        emf.SelectObject(2);
        emf.ExtTextOut(4, 40, "Wide font");
        add("text-width", "lfWidth", emf);
    }
    { // Turned text in the text mapping, with a baseline alignment.
        TEmfBuilder emf(W, H);
        emf.CreateFont(1, -14, Face, 400, false, 900, 0, 900);
        emf.CreateFont(2, -14, Face, 400, false, 450, 0, 450);
        emf.SetBkMode(MfTransparent);
        emf.SelectObject(1);
        emf.ExtTextOut(20, 110, "Upwards");
        emf.SelectObject(2);
        emf.SetTextAlign(24);
        emf.ExtTextOut(50, 100, "Slanted text");
        add("text-escapement", "text-mode", emf);
    }
    { // Turned text with y growing upwards (0.1 mm units).
        TEmfBuilder emf(W, H);
        emf.SetMapMode(2);
        emf.CreateFont(1, -40, Face, 400, false, 900, 0, 900);
        emf.CreateFont(2, -40, Face, 400, false, 300, 0, 300);
        emf.SetBkMode(MfTransparent);
        emf.SelectObject(1);
        emf.ExtTextOut(60, -60, "Downwards");
        emf.SelectObject(2);
        emf.ExtTextOut(140, -60, "Thirty deg");
        add("text-escapement", "y-up", emf);
    }
    { // Turned text with a mirrored viewport.
        TEmfBuilder emf(W, H);
        emf.SetMapMode(8);
        emf.SetWindowExt(W, H);
        emf.SetViewportOrg(0, H);
        emf.SetViewportExt(W, -H);
        emf.CreateFont(1, -14, Face, 400, false, 900, 0, 900);
        emf.CreateFont(2, -14, Face, 400, false, 2700, 0, 2700);
        emf.SetBkMode(MfTransparent);
        emf.SelectObject(1);
        emf.ExtTextOut(30, 110, "Flipped");
        emf.SelectObject(2);
        emf.ExtTextOut(100, 10, "Upwards");
        add("text-escapement", "anisotropic", emf);
    }
    { // Raster operations of pens and brushes.
        TEmfBuilder emf(W, H);
        Background(emf);
        emf.CreatePen(1, MfPenSolid, 3, MfRGB(255, 200, 0));
        emf.CreateBrush(2, MfBrushSolid, MfRGB(0, 200, 255));
        emf.SelectObject(1);
        emf.SelectObject(2);
        const std::uint32_t modes[] = { 7, 2, 6, 9, 15, 4, 10, 14 };
        for (int i = 0; i < 8; ++i) {
            emf.SetRop2(modes[i]);
            emf.Rectangle(6 + (i % 4) * 38, 6 + (i / 4) * 56, 38 + (i % 4) * 38, 112 - (1 - i / 4) * 56);
        }
        emf.SetRop2(7);
        emf.MoveTo(0, 60);
        emf.LineTo(160, 60);
        add("rop2", "modes", emf);
    }
    { // Cosmetic styles and geometric dashes.
        TEmfBuilder emf(W, H);
        const std::uint32_t styles[] = { PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT };
        for (int i = 0; i < 4; ++i) {
            emf.CreatePen(1 + i, styles[i], 1, MfRGB(0, 0, 0));
            emf.SelectObject(1 + i);
            emf.MoveTo(5, 8 + i * 8);
            emf.LineTo(155, 8 + i * 8);
        }
        emf.SelectObject(MfStockNullBrush);
        emf.SelectObject(1);
        emf.Rectangle(5, 42, 75, 70);
        for (int i = 0; i < 3; ++i) {
            emf.ExtCreatePen(10 + i, PS_GEOMETRIC | PS_ENDCAP_FLAT | styles[i], 4, MfRGB(0, 0, 200));
            emf.SelectObject(10 + i);
            emf.MoveTo(85, 48 + i * 10);
            emf.LineTo(155, 48 + i * 10);
        }
        emf.ExtCreatePen(20, PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_USERSTYLE, 3, MfRGB(200, 0, 0), MfBrushSolid, 0,
                         { 10, 4, 2, 4 });
        emf.SelectObject(20);
        emf.MoveTo(5, 90);
        emf.LineTo(155, 90);
        emf.SetBkMode(MfTransparent);
        emf.SelectObject(2);
        emf.MoveTo(5, 105);
        emf.LineTo(155, 110);
        add("pen-styles", "styles", emf);
    }
    { // The six hatches, opaque and transparent, and a pattern brush.
        TEmfBuilder emf(W, H);
        emf.SetBkColor(MfRGB(255, 255, 180));
        emf.SelectObject(MfStockNullPen);
        for (int i = 0; i < 6; ++i) {
            emf.CreateBrush(1 + i, 2, MfRGB(0, 0, 160), std::uint32_t(i));
            emf.SelectObject(1 + i);
            emf.Rectangle(4 + i * 26, 4, 28 + i * 26, 40);
        }
        emf.SetBkMode(MfTransparent);
        for (int i = 0; i < 6; ++i) {
            emf.SelectObject(1 + i);
            emf.Rectangle(4 + i * 26, 44, 28 + i * 26, 80);
        }
        std::vector<std::uint32_t> pattern(64);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                pattern[y * 8 + x] = (x + y) % 4 == 0 ? 0xFFFF0000 : (x < 4 ? 0xFF00A000 : 0xFFFFFFFF);
        emf.CreateDibPatternBrush(20, MakeDib(8, 8, pattern, 24));
        emf.SelectObject(20);
        emf.Ellipse(10, 84, 150, 118);
        add("brushes", "hatch-pattern", emf);
    }
    { // Clip regions and clip paths.
        TEmfBuilder emf(W, H);
        emf.CreateBrush(1, MfBrushSolid, MfRGB(200, 0, 100));
        emf.SelectObject(1);
        emf.SelectObject(MfStockNullPen);
        emf.ExtSelectClipRgn(5, { { 10, 10, 70, 30 }, { 10, 30, 30, 60 } });
        emf.ExcludeClipRect(15, 15, 25, 25);
        emf.Rectangle(0, 0, 80, 80);
        emf.SaveDC();
        emf.OffsetClipRgn(80, 40);
        emf.CreateBrush(2, MfBrushSolid, MfRGB(0, 120, 0));
        emf.SelectObject(2);
        emf.Rectangle(80, 40, 160, 120);
        emf.RestoreDC(-1);
        emf.ExtSelectClipRgn(5, {});
        emf.BeginPath();
        emf.Ellipse(90, 4, 150, 50);
        emf.EndPath();
        emf.SelectClipPath(5);
        emf.CreateBrush(3, MfBrushSolid, MfRGB(0, 0, 220));
        emf.SelectObject(3);
        emf.Rectangle(80, 0, 160, 40);
        emf.ExtSelectClipRgn(5, {});
        emf.BeginPath();
        emf.Polygon16({ { 10, 70 }, { 60, 110 }, { 10, 110 } });
        emf.EndPath();
        emf.SelectClipPath(5);
        emf.SelectObject(1);
        emf.Rectangle(0, 60, 80, 120);
        add("clip", "regions-paths", emf);
    }
    { // Gradients: horizontal and vertical rectangles, a triangle.
        TEmfBuilder emf(W, H);
        emf.GradientFill({ { 5, 5, 0xFF00, 0, 0 }, { 75, 55, 0, 0, 0xFF00 } }, { { 0, 1 } }, 0);
        emf.GradientFill({ { 85, 5, 0, 0xFF00, 0 }, { 155, 55, 0xFF00, 0xFF00, 0xFF00 } }, { { 0, 1 } }, 1);
        emf.GradientFill({ { 10, 115, 0xFF00, 0, 0 }, { 80, 60, 0, 0xFF00, 0 }, { 150, 110, 0, 0, 0xFF00 } },
                         { { 0, 1, 2 } }, 2);
        add("gradient", "fills", emf);
    }
    { // Geometric pens whose width falls between pixels.
        TEmfBuilder emf(W, H);
        emf.SetMapMode(8);
        emf.SetWindowExt(1000, 1000);
        emf.SetViewportExt(W, H);
        const int widths[] = { 9, 16, 22, 30, 44 };
        for (int i = 0; i < 5; ++i) {
            emf.CreatePen(1 + i, MfPenSolid, widths[i], MfRGB(0, 0, 0));
            emf.SelectObject(1 + i);
            emf.MoveTo(50, 100 + i * 180);
            emf.LineTo(950, 100 + i * 180);
        }
        add("pen-width", "fractional", emf);
    }
    { // A placeable metafile with the same features: raster operation, hatch, excluded clip,
      // dashes and spaced text.
        TWmfBuilder wmf(W, H, 96);
        wmf.SetBkMode(MfTransparent);
        const auto hatch = wmf.CreateBrush(2, MfRGB(0, 0, 160), 5);
        wmf.SelectObject(wmf.CreatePen(MfPenNull, 0, 0));
        wmf.SelectObject(hatch);
        wmf.Raw(0x0415, { 40, 60, 20, 30 }); // EXCLUDECLIPRECT: bottom, right, top, left
        wmf.Rectangle(10, 10, 80, 50);
        wmf.SelectObject(wmf.CreatePen(PS_DASHDOT, 1, MfRGB(200, 0, 0)));
        wmf.MoveTo(90, 10);
        wmf.LineTo(150, 50);
        wmf.Raw(0x0104, { 7 }); // SETROP2: XOR
        wmf.SelectObject(wmf.CreateBrush(MfBrushSolid, MfRGB(255, 255, 0)));
        wmf.SelectObject(wmf.CreatePen(MfPenSolid, 1, MfRGB(0, 255, 255)));
        wmf.Rectangle(50, 30, 120, 70);
        wmf.Raw(0x0104, { 13 });
        wmf.SelectObject(wmf.CreateFont(-16, Face));
        TByteWriter text; // EXTTEXTOUT: y, x, count, options, string, advances
        const std::string chars = "Spaced";
        text.I16(80);
        text.I16(10);
        text.I16(std::int16_t(chars.size()));
        text.U16(0);
        for (char c : chars)
            text.U8(std::uint8_t(c));
        text.PadTo(2);
        for (int d : { 16, 12, 14, 10, 12, 12 })
            text.I16(std::int16_t(d));
        wmf.RawBytes(0x0A32, text.Take());
        cases.push_back({ "wmf", "mixed", wmf.Finish(), true });
    }
    return cases;
}

QImage PlayOurs(const std::vector<std::byte>& bytes)
{
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(0xFFFFFFFF);
    TMemoryStream stream(bytes);
    TMetafile metafile;
    metafile.LoadFromStream(stream);
    TCanvas canvas(&image);
    canvas.StretchDraw(Rect(0, 0, W, H), metafile);
    return image;
}

struct TScore {
    double Psnr;
    double DifferingShare; // pixels whose colour differs by more than a small tolerance
};

// Text is compared leniently: a text pixel counts as differing only when no pixel of the
// same colour lies next to it in the other image (the two sides rasterise glyphs apart).
TScore Compare(const QImage& ours, const QImage& theirs, bool lenient)
{
    double sum = 0;
    int differing = 0;
    auto close = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8
            && std::abs(qBlue(a) - qBlue(b)) <= 8;
    };
    auto nearby = [&](const QImage& image, int x, int y, QRgb colour) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < W && ny < H && close(image.pixel(nx, ny), colour))
                    return true;
            }
        return false;
    };
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const QRgb a = ours.pixel(x, y), b = theirs.pixel(x, y);
            for (int d : { qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b) })
                sum += double(d) * d;
            if (close(a, b))
                continue;
            if (lenient && nearby(theirs, x, y, a) && nearby(ours, x, y, b))
                continue;
            ++differing;
        }
    }
    const double mse = sum / (3.0 * W * H);
    return { mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse), double(differing) / (W * H) };
}

struct TFeatureScore {
    double Psnr { 99 };
    double DifferingShare { 0 };
};

class MetafileDifferential : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const QString dir = QStringLiteral(KD_GDI_WORK_DIR);
        QDir().mkpath(dir);
        s_cases = Cases();
        QFile list(dir + "/list.txt");
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        for (const TCase& c : s_cases) {
            const std::string base = dir.toStdString() + "/" + c.Feature + "-" + c.Name;
            const std::string file = base + (c.Wmf ? ".wmf" : ".emf");
            std::ofstream(file, std::ios::binary)
                .write(reinterpret_cast<const char*>(c.Bytes.data()), std::streamsize(c.Bytes.size()));
            list.write(QString::fromStdString(file + " " + base + ".gdi " + std::to_string(W) + " " + std::to_string(H)
                                              + "\n")
                           .toUtf8());
        }
        list.close();
        QProcess wine;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("WINEPREFIX", dir + "/wineprefix");
        env.insert("WINEDEBUG", "-all");
        env.insert("WINEDLLOVERRIDES", "mscoree,mshtml=");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        wine.setProcessEnvironment(env);
        wine.setProcessChannelMode(QProcess::ForwardedChannels);
        wine.start(QStringLiteral(KD_WINE), { QStringLiteral(KD_GDI_PEER), dir + "/list.txt" });
        ASSERT_TRUE(wine.waitForFinished(300000)) << "the platform player did not finish";
        ASSERT_EQ(wine.exitCode(), 0);

        std::printf("%-18s %-16s %8s %10s\n", "feature", "case", "PSNR dB", "differing");
        for (const TCase& c : s_cases) {
            const std::string base = dir.toStdString() + "/" + c.Feature + "-" + c.Name;
            QFile raw(QString::fromStdString(base + ".gdi"));
            ASSERT_TRUE(raw.open(QIODevice::ReadOnly)) << base;
            const QByteArray bytes = raw.readAll();
            ASSERT_EQ(bytes.size(), W * H * 4);
            QImage theirs(W, H, QImage::Format_RGB32);
            for (int y = 0; y < H; ++y)
                std::memcpy(theirs.scanLine(y), bytes.constData() + y * W * 4, W * 4);
            const QImage ours = PlayOurs(c.Bytes);
            ours.save(QString::fromStdString(base + "-ours.png"));
            theirs.save(QString::fromStdString(base + "-gdi.png"));
            const TScore score = Compare(ours, theirs, c.Feature.rfind("text", 0) == 0 || c.Wmf);
            std::printf("%-18s %-16s %8.2f %9.2f%%\n", c.Feature.c_str(), c.Name.c_str(), score.Psnr,
                        100 * score.DifferingShare);
            TFeatureScore& f = s_scores[c.Feature];
            f.Psnr = std::min(f.Psnr, score.Psnr);
            f.DifferingShare = std::max(f.DifferingShare, score.DifferingShare);
            s_images[c.Feature + "-" + c.Name] = { ours, theirs };
        }
        std::fflush(stdout);
    }

    // The worst case of the feature must be at least `psnr` dB with at most `share` differing.
    static void Expect(const std::string& feature, double psnr, double share)
    {
        ASSERT_TRUE(s_scores.count(feature)) << feature;
        const TFeatureScore& f = s_scores.at(feature);
        EXPECT_GE(f.Psnr, psnr) << feature;
        EXPECT_LE(f.DifferingShare, share) << feature;
    }

    static inline std::vector<TCase> s_cases;
    static inline std::map<std::string, TFeatureScore> s_scores;
    static inline std::map<std::string, std::pair<QImage, QImage>> s_images;
};

TEST_F(MetafileDifferential, Rectangles) { Expect("rectangles", 35, 0.001); }
TEST_F(MetafileDifferential, TextSpacing) { Expect("text-dx", 30, 0.005); }
TEST_F(MetafileDifferential, FontWidth)
{
    // The platform smooths the stretched bold line; its extent must still match.
    Expect("text-width", 14, 0.025);
    const auto& [ours, theirs] = s_images.at("text-width-lfWidth");
    for (const QRect line : { QRect(0, 0, W, 30), QRect(0, 36, W, 30) }) {
        const QRect a = InkBox(ours, line), b = InkBox(theirs, line);
        EXPECT_LE(std::abs(a.left() - b.left()), 1) << a.left() << " " << b.left();
        EXPECT_LE(std::abs(a.right() - b.right()), 2) << a.right() << " " << b.right();
    }
}
TEST_F(MetafileDifferential, TurnedText) { Expect("text-escapement", 18, 0.005); }
TEST_F(MetafileDifferential, RasterOperations) { Expect("rop2", 28, 0.005); }
TEST_F(MetafileDifferential, PenStyles) { Expect("pen-styles", 40, 0.001); }
TEST_F(MetafileDifferential, Brushes) { Expect("brushes", 30, 0.002); }
TEST_F(MetafileDifferential, Clipping) { Expect("clip", 20, 0.015); }
TEST_F(MetafileDifferential, Gradients) { Expect("gradient", 20, 0.015); }
TEST_F(MetafileDifferential, PlaceableMetafile) { Expect("wmf", 28, 0.002); }
TEST_F(MetafileDifferential, PenWidths) { Expect("pen-width", 30, 0.002); }

} // namespace
