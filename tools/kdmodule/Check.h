#pragma once

#include "tools/kdmodule/KdModule.h"

#include <cstddef>
#include <optional>
#include <string>
#include <span>

// `kdmodule check`: reads every raw-data picture resource of a module through the program's
// own picture classes and reports each one that the program could not show.
int RunCheck(const TArgs& args);

// What keeps a WAVE resource from playing (not RIFF/WAVE, no PCM format chunk, no samples),
// or nothing for a good one.
std::optional<std::string> CheckWave(std::span<const std::byte> data);

// The picture type code that a resource's data looks like (0 bitmap, 1 GIF, 2 JPEG,
// 3 enhanced or placeable metafile, 4 icon), or nothing for data of none of these kinds.
std::optional<int> DetectTypeCode(std::span<const std::byte> data);
