#pragma once

#include <QByteArray>
#include <QImage>

// HEIC, HEIF and AVIF photos (what many phones save by default), read with libheif. The
// file's own turns and mirrorings are applied, so the picture comes upright.

// Whether the file's type box names one of these kinds.
bool IsHeifFile(const QByteArray& file);

// The primary picture as ARGB32. Raises std::runtime_error with a plain reason when it cannot
// be read or has more than `maxPixels` pixels.
QImage DecodeHeif(const QByteArray& file, long long maxPixels);
