#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <vector>

// Turns a recording (WAV, FLAC, Ogg Vorbis or Opus, MP3, or anything else libsndfile reads)
// into a short, even sound for a key: mono, 16-bit PCM WAVE at 22050 Hz (or 44100 Hz when
// the recording has that much detail), the silence before and after trimmed, the loudest
// sample raised or lowered to just below full scale, and at most five seconds long.

constexpr double PackSoundMaxSeconds = 5.0;

struct TPackedSound {
    std::vector<std::byte> Wave;
    int SampleRate { 0 };
    double Seconds { 0 };
};

// Raises std::runtime_error with the reason when the file cannot be used.
TPackedSound PackSound(const std::filesystem::path& file);

// The same for samples already in memory (mono, -1..1, at `sampleRate`).
TPackedSound PackSamples(std::vector<float> samples, int sampleRate);
