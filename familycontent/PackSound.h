#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <vector>

// Turns a recording (a phone's voice memo in M4A/AAC, 3GP or AMR, Opus, Vorbis, MP3, FLAC,
// WAV, or the sound track of a short video clip) into a short, even sound for a key: mono, 16-bit PCM WAVE at 22050 Hz (or 44100 Hz when
// the recording has that much detail), the silence before and after trimmed, the loudest
// sample raised or lowered to just below full scale, and at most five seconds long.

constexpr double PackSoundMaxSeconds = 5.0;

struct TPackedSound {
    std::vector<std::byte> Wave;
    int SampleRate { 0 };
    double Seconds { 0 };
};

// Raises std::runtime_error with the reason, in plain words that say what to do, when the
// file cannot be used: not a sound, damaged or cut short, without sound, silent.
TPackedSound PackSound(const std::filesystem::path& file);

// The same for samples already in memory (mono, -1..1, at `sampleRate`).
TPackedSound PackSamples(std::vector<float> samples, int sampleRate);
