#pragma once

#include "paint/KDTypes.h"

#include <QImage>

#include <cstdint>
#include <optional>

class TCanvas;

// The raster operations of metafile bit-block records, on a canvas.

// Draws `image` scaled into `dest`, combined with what is there by `rop`: copy, inverted
// copy, AND, OR and XOR; other operations copy.
void MfBlitImage(TCanvas& canvas, const TRect& dest, QImage image, std::uint32_t rop);

// A raster operation without source over `dest`: the brush (PATCOPY, nothing without one),
// black, white, inverted destination, or destination XOR brush.
void MfPatternFill(TCanvas& canvas, const TRect& dest, std::uint32_t rop, std::optional<TColor> brush);
