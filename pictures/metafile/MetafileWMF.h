#pragma once

#include <cstddef>
#include <span>

class TMetafilePlayer;

// Plays the records of a Windows metafile (starting at its 18-byte metafile header, after
// any placeable header) into the player. The caller has set the window to the placeable
// bounding box and the viewport to the picture's frame; the file's own window records change
// the window, its viewport and map-mode records are left out because the frame decides
// where the picture goes. Unknown records are skipped; a record whose size is too small or
// runs past the data, or the end record, ends the play.
void PlayWindowsMetafileRecords(TMetafilePlayer& player, std::span<const std::byte> data);
