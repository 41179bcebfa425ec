#pragma once

// Draws the pictures and pattern tiles of the default content.

#include "ImageFiles.h"
#include "KeyList.h"

#include <QColor>
#include <QImage>

namespace contentgen {

// A key's picture, `size` pixels square. With `transparent` the background is left clear
// (for GIFs with a transparent colour); `background` receives the colour it would have had.
QImage RenderPicture(const TKeyContent& key, int size, bool transparent, QColor& background);

// A key's picture as a metafile (enhanced or placeable Windows metafile): vector dots, or the
// raster picture as an embedded bitmap framed with vector stars.
TBytes RenderMetafilePicture(const TKeyContent& key, int size, bool enhanced);

// A key's pattern tile (24..64 pixels). Transparent and background as above.
QImage RenderPattern(const TKeyContent& key, bool transparent, QColor& background);

// The picture size a key gets (160..256 pixels).
int PictureSize(const TKeyContent& key);

} // namespace contentgen
