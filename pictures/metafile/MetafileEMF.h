#pragma once

#include <cstddef>
#include <span>

class TMetafilePlayer;

// Plays the records of an enhanced metafile (the whole file, header record first) into the
// player. Unknown records are skipped; a record whose size is too small or runs past the
// data, or the end record, ends the play.
void PlayEnhancedMetafileRecords(TMetafilePlayer& player, std::span<const std::byte> data);
