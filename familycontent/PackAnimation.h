#pragma once

#include "tools/contentgen/ImageFiles.h"

#include <cstddef>
#include <vector>

// An animated GIF89a file: every frame a whole picture of the same size with its own colour
// table, shown for its delay; frames with a transparent index clear to the background before
// the next one, so nothing of an earlier frame shows through.

struct TAnimationFrame {
    contentgen::TIndexedImage Image;
    int DelayCentiseconds { 10 };
};

// `loops`: 0 plays once (no looping extension), -1 forever, n repeats n times more.
std::vector<std::byte> EncodeAnimatedGif(const std::vector<TAnimationFrame>& frames, int loops);
