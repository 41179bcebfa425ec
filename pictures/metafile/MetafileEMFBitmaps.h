#pragma once

#include "paint/KDTypes.h"

#include <QImage>

#include <cstddef>
#include <span>

class TMetafilePlayer;

// The bitmap records of enhanced metafiles. Each function takes the whole record (type and
// size first); a bitmap that cannot be read, or offsets outside the record, draw nothing.

// STRETCHDIBITS, SETDIBITSTODEVICE, BITBLT (also without a bitmap: a pattern fill),
// STRETCHBLT, ALPHABLEND and TRANSPARENTBLT.
void PlayEnhancedBitmapRecord(TMetafilePlayer& player, std::span<const std::byte> record);

// The colour a pattern brush record (CREATEMONOBRUSH, CREATEDIBPATTERNBRUSHPT) fills with:
// the pattern's average colour.
TColor EnhancedPatternBrushColor(std::span<const std::byte> record);
// The pattern itself (a null image when it cannot be read).
QImage EnhancedPatternBrushImage(std::span<const std::byte> record);
