#include "ImageFiles.h"

#include <QBuffer>
#include <QImageWriter>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <unordered_map>

namespace contentgen {

namespace {

struct TColourCount {
    std::array<int, 3> Rgb;
    long Count;
};

struct TBox {
    std::vector<TColourCount> Colours;
    int Channel { 0 };      // the channel whose values spread furthest
    int Range { -1 };       // how far they spread
    long Population { 0 };

    explicit TBox(std::vector<TColourCount> colours) : Colours(std::move(colours))
    {
        std::array<int, 3> lo { 255, 255, 255 }, hi { 0, 0, 0 };
        for (const TColourCount& cc : Colours) {
            Population += cc.Count;
            for (int c = 0; c < 3; ++c) {
                lo[c] = std::min(lo[c], cc.Rgb[c]);
                hi[c] = std::max(hi[c], cc.Rgb[c]);
            }
        }
        for (int c = 0; c < 3; ++c)
            if (hi[c] - lo[c] > Range) {
                Range = hi[c] - lo[c];
                Channel = c;
            }
    }

    QRgb Mean() const
    {
        std::array<double, 3> sum {};
        double total = 0;
        for (const TColourCount& cc : Colours) {
            for (int c = 0; c < 3; ++c)
                sum[c] += double(cc.Rgb[c]) * double(cc.Count);
            total += double(cc.Count);
        }
        return qRgb(int(sum[0] / total + 0.5), int(sum[1] / total + 0.5), int(sum[2] / total + 0.5));
    }
};

std::vector<QRgb> MedianCut(std::vector<TColourCount> colours, int maxColours)
{
    std::vector<QRgb> palette;
    if (colours.empty())
        return palette;
    if (int(colours.size()) <= maxColours) {
        for (const TColourCount& cc : colours)
            palette.push_back(qRgb(cc.Rgb[0], cc.Rgb[1], cc.Rgb[2]));
        return palette;
    }
    std::vector<TBox> boxes;
    boxes.emplace_back(std::move(colours));
    while (int(boxes.size()) < maxColours) {
        // split the box whose colours spread furthest, weighted a little by population
        int pick = -1;
        double bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].Colours.size() < 2)
                continue;
            const double score = double(boxes[i].Range) * std::sqrt(double(boxes[i].Population));
            if (score > bestScore) {
                bestScore = score;
                pick = i;
            }
        }
        if (pick < 0)
            break;
        const int channel = boxes[pick].Channel;
        std::vector<TColourCount> list = std::move(boxes[pick].Colours);
        std::ranges::sort(list, [channel](const TColourCount& a, const TColourCount& b) { return a.Rgb[channel] < b.Rgb[channel]; });
        long total = 0;
        for (const TColourCount& cc : list)
            total += cc.Count;
        long running = 0;
        std::size_t split = 1;
        for (; split < list.size() - 1; ++split) {
            running += list[split - 1].Count;
            if (running * 2 >= total)
                break;
        }
        std::vector<TColourCount> upper(list.begin() + long(split), list.end());
        list.erase(list.begin() + long(split), list.end());
        boxes[std::size_t(pick)] = TBox(std::move(list));
        boxes.emplace_back(std::move(upper));
    }
    for (const TBox& box : boxes)
        palette.push_back(box.Mean());
    return palette;
}

class TNearest {
public:
    explicit TNearest(const std::vector<QRgb>& palette) : m_palette(palette), m_cache(64 * 64 * 64, -1) {}

    int operator()(int r, int g, int b)
    {
        const int key = ((r >> 2) << 12) | ((g >> 2) << 6) | (b >> 2);
        if (m_cache[key] >= 0)
            return m_cache[key];
        int best = 0;
        long bestDistance = -1;
        for (int i = 0; i < int(m_palette.size()); ++i) {
            const long dr = r - qRed(m_palette[i]), dg = g - qGreen(m_palette[i]), db = b - qBlue(m_palette[i]);
            const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        m_cache[key] = std::int16_t(best);
        return best;
    }

private:
    const std::vector<QRgb>& m_palette;
    std::vector<std::int16_t> m_cache;
};

void Put16(TBytes& out, std::uint16_t v)
{
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void Put32(TBytes& out, std::uint32_t v)
{
    Put16(out, std::uint16_t(v));
    Put16(out, std::uint16_t(v >> 16));
}

TBytes BitmapHeaders(int width, int height, int bitCount, int paletteEntries)
{
    const std::uint32_t stride = std::uint32_t((width * bitCount + 31) / 32 * 4);
    const std::uint32_t offBits = 14 + 40 + std::uint32_t(paletteEntries) * 4;
    const std::uint32_t imageSize = stride * std::uint32_t(height);
    TBytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offBits + imageSize);
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, 40);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height)); // positive: bottom-up
    Put16(out, 1);
    Put16(out, std::uint16_t(bitCount));
    Put32(out, 0); // BI_RGB
    Put32(out, imageSize);
    Put32(out, 3780); // 96 dpi
    Put32(out, 3780);
    Put32(out, std::uint32_t(paletteEntries));
    Put32(out, 0);
    return out;
}

int GifWrite(GifFileType* gif, const GifByteType* data, int length)
{
    auto* out = static_cast<TBytes*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

void CheckGif(int result, GifFileType* gif, const char* what)
{
    if (result != GIF_OK)
        throw std::runtime_error(std::string("GIF writer failed at ") + what + ": " + GifErrorString(gif->Error));
}

} // namespace

TIndexedImage Quantize(const QImage& source, int maxColours, bool dither, const QColor& transparentColour)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const bool transparent = transparentColour.isValid();
    const int colourSlots = transparent ? maxColours - 1 : maxColours;
    std::unordered_map<QRgb, long> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (!transparent || qAlpha(line[x]) >= 128)
                ++histogram[line[x] | 0xFF000000u];
    }
    std::vector<TColourCount> colours;
    for (const auto& [rgb, count] : histogram)
        colours.push_back({ { qRed(rgb), qGreen(rgb), qBlue(rgb) }, count });
    std::ranges::sort(colours, [](const TColourCount& a, const TColourCount& b) { return a.Rgb < b.Rgb; });
    const bool exact = int(colours.size()) <= colourSlots;

    TIndexedImage out;
    out.Width = image.width();
    out.Height = image.height();
    out.Palette = MedianCut(std::move(colours), colourSlots);
    if (out.Palette.empty())
        out.Palette.push_back(qRgb(0, 0, 0));
    if (transparent) {
        out.TransparentIndex = int(out.Palette.size());
        out.Palette.push_back(transparentColour.rgb());
    }
    out.Pixels.resize(std::size_t(out.Width) * std::size_t(out.Height));
    std::vector<QRgb> opaquePalette(out.Palette.begin(), out.Palette.begin() + (transparent ? out.TransparentIndex : long(out.Palette.size())));
    TNearest nearest(opaquePalette);
    // error rows for Floyd-Steinberg, with one guard column on each side
    std::vector<std::array<float, 3>> current(std::size_t(out.Width) + 2), next(std::size_t(out.Width) + 2);
    const bool diffuse = dither && !exact;
    for (int y = 0; y < out.Height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::ranges::fill(next, std::array<float, 3> {});
        for (int x = 0; x < out.Width; ++x) {
            const QRgb p = line[x];
            auto& slot = out.Pixels[std::size_t(y) * std::size_t(out.Width) + std::size_t(x)];
            if (transparent && qAlpha(p) < 128) {
                slot = std::uint8_t(out.TransparentIndex);
                continue;
            }
            std::array<int, 3> want { qRed(p), qGreen(p), qBlue(p) };
            if (diffuse)
                for (int c = 0; c < 3; ++c)
                    want[c] = std::clamp(int(std::lround(float(want[c]) + current[std::size_t(x) + 1][c])), 0, 255);
            const int index = nearest(want[0], want[1], want[2]);
            slot = std::uint8_t(index);
            if (!diffuse)
                continue;
            const QRgb got = opaquePalette[std::size_t(index)];
            const std::array<int, 3> have { qRed(got), qGreen(got), qBlue(got) };
            for (int c = 0; c < 3; ++c) {
                const float error = float(want[c] - have[c]);
                current[std::size_t(x) + 2][c] += error * 7 / 16;
                next[std::size_t(x)][c] += error * 3 / 16;
                next[std::size_t(x) + 1][c] += error * 5 / 16;
                next[std::size_t(x) + 2][c] += error * 1 / 16;
            }
        }
        std::swap(current, next);
    }
    return out;
}

TBytes EncodeBmp24(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    TBytes out = BitmapHeaders(image.width(), image.height(), 24, 0);
    const int stride = (image.width() * 24 + 31) / 32 * 4;
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.push_back(std::uint8_t(qBlue(line[x])));
            out.push_back(std::uint8_t(qGreen(line[x])));
            out.push_back(std::uint8_t(qRed(line[x])));
        }
        for (int pad = image.width() * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

TBytes EncodeBmp8(const TIndexedImage& image)
{
    TBytes out = BitmapHeaders(image.Width, image.Height, 8, int(image.Palette.size()));
    for (QRgb c : image.Palette) {
        out.push_back(std::uint8_t(qBlue(c)));
        out.push_back(std::uint8_t(qGreen(c)));
        out.push_back(std::uint8_t(qRed(c)));
        out.push_back(0);
    }
    const int stride = (image.Width * 8 + 31) / 32 * 4;
    for (int y = image.Height - 1; y >= 0; --y) {
        const std::uint8_t* row = image.Pixels.data() + std::size_t(y) * std::size_t(image.Width);
        out.insert(out.end(), row, row + image.Width);
        for (int pad = image.Width; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

TBytes EncodeGif(const TIndexedImage& image, bool interlaced, const char* comment)
{
    TBytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, GifWrite, &error);
    if (!gif)
        throw std::runtime_error(std::string("GIF writer failed to start: ") + GifErrorString(error));
    // the colour table size is a power of two: pad with black
    int bits = 1;
    while ((1 << bits) < int(image.Palette.size()))
        ++bits;
    std::vector<GifColorType> colours(std::size_t(1) << bits, GifColorType { 0, 0, 0 });
    for (std::size_t i = 0; i < image.Palette.size(); ++i)
        colours[i] = { GifByteType(qRed(image.Palette[i])), GifByteType(qGreen(image.Palette[i])),
                       GifByteType(qBlue(image.Palette[i])) };
    ColorMapObject* map = GifMakeMapObject(1 << bits, colours.data());
    try {
        EGifSetGifVersion(gif, true);
        const int background = image.TransparentIndex >= 0 ? image.TransparentIndex : 0;
        CheckGif(EGifPutScreenDesc(gif, image.Width, image.Height, bits, background, map), gif, "screen");
        if (comment)
            CheckGif(EGifPutComment(gif, comment), gif, "comment");
        if (image.TransparentIndex >= 0) {
            GraphicsControlBlock control { DISPOSAL_UNSPECIFIED, false, 0, image.TransparentIndex };
            GifByteType extension[4];
            EGifGCBToExtension(&control, extension);
            CheckGif(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension), gif, "graphic control");
        }
        CheckGif(EGifPutImageDesc(gif, 0, 0, image.Width, image.Height, interlaced, nullptr), gif, "image");
        // giflib takes the rows in the order they are stored in the file
        std::vector<int> order;
        if (interlaced) {
            for (auto [start, step] : { std::pair { 0, 8 }, std::pair { 4, 8 }, std::pair { 2, 4 }, std::pair { 1, 2 } })
                for (int y = start; y < image.Height; y += step)
                    order.push_back(y);
        } else {
            for (int y = 0; y < image.Height; ++y)
                order.push_back(y);
        }
        std::vector<GifPixelType> row(std::size_t(image.Width));
        for (int y : order) {
            std::memcpy(row.data(), image.Pixels.data() + std::size_t(y) * std::size_t(image.Width), row.size());
            CheckGif(EGifPutLine(gif, row.data(), image.Width), gif, "pixels");
        }
    } catch (...) {
        GifFreeMapObject(map);
        EGifCloseFile(gif, &error);
        throw;
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK)
        throw std::runtime_error(std::string("GIF writer failed to finish: ") + GifErrorString(error));
    return out;
}

TBytes EncodeJpeg(const QImage& image, bool progressive, int quality)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        throw std::runtime_error("JPEG writer failed: " + writer.errorString().toStdString());
    return TBytes(data.begin(), data.end());
}

} // namespace contentgen
