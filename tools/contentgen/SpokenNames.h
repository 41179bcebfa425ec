#pragma once

#include "ImageFiles.h"

#include <string>

namespace contentgen {

// Speaks `words` with espeak-ng (US English, a little slower than usual, for small ears) into
// `scratchPath`, then trims the silence around it, evens out the loudness and returns the
// clean 16-bit mono WAVE. Throws std::runtime_error when espeak-ng fails.
TBytes SpeakName(const std::string& espeak, const std::string& words, const std::string& scratchPath);

} // namespace contentgen
