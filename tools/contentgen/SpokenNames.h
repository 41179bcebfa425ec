#pragma once

#include "ImageFiles.h"

#include <string>

namespace contentgen {

// Speaks `words` with espeak-ng in `voice` (US English unless given; a little slower than
// usual, for small ears) into `scratchPath`, then trims the silence around it, evens out the
// loudness and returns the clean 16-bit mono WAVE. Punctuation marks are spoken by their names
// ("minus"), so a lone "-" is heard too. Throws std::runtime_error when espeak-ng fails.
TBytes SpeakName(const std::string& espeak, const std::string& words, const std::string& scratchPath,
                 const std::string& voice = "en-us");

} // namespace contentgen
