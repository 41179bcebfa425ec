#pragma once

#include <QImage>

#include <cstddef>
#include <span>

// Device-independent bitmaps embedded in metafile records. Uncompressed bitmaps of 1, 4, 8,
// 16, 24 and 32 bits per pixel (16 and 32 also with bit-field masks) with the small or the
// full info header; anything else, or bits too short for the header's size, gives a null
// image so the record is skipped. The image is top-down ARGB32, fully opaque.
//
// `info` holds the info header and colour table, `bits` the pixel rows. With
// `paletteIndices` the colour table holds 16-bit palette indices (DIB_PAL_COLORS), which a
// metafile without a palette cannot resolve: they draw as grey levels.
// With `keepAlpha` a 32-bit bitmap keeps its (premultiplied) alpha channel, for blends.
QImage DecodeMetafileDIB(std::span<const std::byte> info, std::span<const std::byte> bits, bool paletteIndices = false,
                         bool keepAlpha = false);

// Whether the rows of the bitmap run bottom-up (then a source rectangle's y counts from the
// bottom row).
bool MetafileDIBIsBottomUp(std::span<const std::byte> info);

// A packed DIB (info header, colour table and bits in one block), as Windows metafiles store
// them.
QImage DecodePackedMetafileDIB(std::span<const std::byte> packed, bool paletteIndices = false);

// The mean colour of a bitmap (black for a null image): what a pattern brush fills with.
QRgb MetafileDIBAverageColor(const QImage& image);
