#pragma once

#include "Synth.h"

namespace contentgen {

// The sound of key-table entry `entry` (1..88): a struck note, a little arpeggio or a
// two-note call, all on a C major pentatonic scale so that any key mash sounds friendly.
synth::TBuffer KeySound(int entry);

} // namespace contentgen
