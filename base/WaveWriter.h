#pragma once

#include "base/ByteWriter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// A mono 16-bit PCM WAVE file (RIFF header, "fmt " and "data" chunks) of `samples` in -1..1
// at `sampleRate`; louder samples are clipped to full scale. Header-only, so the tools that
// draw and pack sounds need no library for it.
inline std::vector<std::byte> MonoPcmWave(std::span<const float> samples, int sampleRate)
{
    const std::uint32_t dataSize = std::uint32_t(samples.size() * 2);
    TByteWriter out;
    out.Tag("RIFF");
    out.U32(36 + dataSize);
    out.Tag("WAVE");
    out.Tag("fmt ");
    out.U32(16);
    out.U16(1); // PCM
    out.U16(1); // mono
    out.U32(std::uint32_t(sampleRate));
    out.U32(std::uint32_t(sampleRate) * 2); // bytes per second
    out.U16(2);                             // bytes per frame
    out.U16(16);                            // bits per sample
    out.Tag("data");
    out.U32(dataSize);
    for (const float s : samples)
        out.I16(std::int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f)));
    return out.Take();
}
