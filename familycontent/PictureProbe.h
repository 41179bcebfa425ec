#pragma once

#include <QByteArray>
#include <QImage>

// What a picture file's bytes tell before and besides decoding: the EXIF orientation of the
// kinds whose readers do not turn the picture themselves, whether a JPEG or GIF file runs to
// its end marker (a copy cut short still decodes, with a grey or missing lower part), and
// whether a PNG file is animated.

// The EXIF orientation (1..8; 1 upright) of a JPEG, PNG or WebP file; 1 when it has none.
int ExifOrientation(const QByteArray& file);

// `image` turned and mirrored as EXIF orientation `orientation` asks, to show it upright.
QImage Oriented(const QImage& image, int orientation);

// Whether the orientation swaps width and height.
inline bool OrientationTurns(int orientation) { return orientation >= 5 && orientation <= 8; }

// Whether a JPEG file holds its end-of-picture marker, a GIF file its trailer, a PNG file
// its end chunk; data after it (a phone's motion-photo trailer) does not matter.
bool JpegComplete(const QByteArray& file);
bool GifComplete(const QByteArray& file);
bool PngComplete(const QByteArray& file);

// Whether a PNG file carries an animation control chunk with more than one frame.
bool IsAnimatedPng(const QByteArray& file);
