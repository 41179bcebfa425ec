#pragma once

// Picture file writers of the generated content: bitmap files (24 and 8 bits per pixel),
// GIF (giflib), JPEG (baseline or progressive), and the colour reduction the 8-bit kinds need.

#include <QColor>
#include <QImage>

#include <cstdint>
#include <vector>

namespace contentgen {

using TBytes = std::vector<std::uint8_t>;

struct TIndexedImage {
    int Width { 0 };
    int Height { 0 };
    std::vector<QRgb> Palette;            // at most 256 entries
    std::vector<std::uint8_t> Pixels;     // top-down rows of palette indexes
    int TransparentIndex { -1 };          // -1: none
};

// Reduces `image` to at most `maxColours` colours by median cut. With `dither`, errors are
// diffused (Floyd-Steinberg) so gradients stay smooth. With `transparentColour` valid, pixels
// less than half opaque take one extra index holding that colour, marked transparent.
TIndexedImage Quantize(const QImage& image, int maxColours, bool dither, const QColor& transparentColour = QColor());

// A bitmap file: "BM" file header, BITMAPINFOHEADER, bottom-up rows padded to 4 bytes.
TBytes EncodeBmp24(const QImage& image);
TBytes EncodeBmp8(const TIndexedImage& image);
// A GIF89a file with one frame; a graphic control extension marks the transparent index.
TBytes EncodeGif(const TIndexedImage& image, bool interlaced, const char* comment);
TBytes EncodeJpeg(const QImage& image, bool progressive, int quality = 90);

} // namespace contentgen
