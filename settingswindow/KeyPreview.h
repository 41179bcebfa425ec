#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>

struct TFamilyKey;
struct TKeyPart;

// A key's content as a parent sees it in the settings window, drawn by play's own drawing rules.

// The picture or pattern (`kind`) of `key` as an image: null when it has none or it cannot be
// read. A metafile is played onto a bitmap of its size.
QImage KeyPartImage(const TFamilyKey& key, int kind);

// Draws key `entry` (1..88) with `key`'s content as one key press draws it in play mode `mode`
// on a black play surface of `surface`'s size, its middle on the surface's middle, and gives
// the part of the surface around the drawing, in the surface's proportions. The drawing is
// the same each time for one key and mode. Needs the key table, the font list, the colours
// and the picture formats set up (InitKeyData, InitColorData, RegisterPictureFormats).
QImage DrawKeyPreview(const TFamilyKey& key, int entry, std::uint8_t mode, QSize surface);
