#pragma once

// Small additive synthesiser for the generated sounds: struck-bar and bell voices built from
// a few decaying sine partials, mixed into a mono buffer and written as 16-bit PCM WAVE.
// Header-only so that both generators (program resources and default content) share it.

#include "base/WaveWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace synth {

constexpr int SampleRate = 22050;

// One sine partial of a voice: frequency ratio to the fundamental, level, and how fast it
// dies away (decay time constant in seconds).
struct TPartial {
    double Ratio;
    double Level;
    double Decay;
};

struct TVoice {
    std::vector<TPartial> Partials;
    double Attack; // seconds of raised-cosine fade-in: no click at the start
};

// Struck metal: inharmonic partials, long ring.
inline TVoice Bell()
{
    return { { { 1.0, 1.0, 0.40 }, { 2.0, 0.45, 0.25 }, { 2.76, 0.30, 0.16 }, { 5.40, 0.10, 0.07 } }, 0.004 };
}
// Wooden bar: strong fundamental, the fourth partial fades fast.
inline TVoice Marimba()
{
    return { { { 1.0, 1.0, 0.28 }, { 4.0, 0.30, 0.05 }, { 9.9, 0.06, 0.02 } }, 0.003 };
}
// Hard bar: brighter than the marimba, shorter.
inline TVoice Xylophone()
{
    return { { { 1.0, 1.0, 0.18 }, { 3.0, 0.35, 0.07 }, { 6.2, 0.12, 0.03 } }, 0.002 };
}
// Soft glockenspiel: almost pure, with a glassy octave.
inline TVoice Glockenspiel()
{
    return { { { 1.0, 1.0, 0.45 }, { 2.0, 0.20, 0.20 }, { 4.1, 0.08, 0.08 } }, 0.003 };
}
// Round flute-like tone for long notes: slow attack, gentle decay.
inline TVoice Ocarina()
{
    return { { { 1.0, 1.0, 0.60 }, { 2.0, 0.12, 0.50 }, { 3.0, 0.05, 0.40 } }, 0.030 };
}

// Frequency of a note `semitones` away from A4 (440 Hz).
inline double NoteFrequency(double semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

class TBuffer {
public:
    explicit TBuffer(double seconds) : Samples(static_cast<std::size_t>(seconds * SampleRate), 0.0f) {}

    double Seconds() const { return double(Samples.size()) / SampleRate; }

    // Adds one struck note. Every note ends with a short fade so that nothing clicks where
    // the buffer or the note is cut.
    void AddNote(const TVoice& voice, double start, double frequency, double length, double level)
    {
        const std::size_t first = static_cast<std::size_t>(start * SampleRate);
        const std::size_t count = static_cast<std::size_t>(length * SampleRate);
        const double release = std::min(0.03, length / 4);
        for (std::size_t i = 0; i < count && first + i < Samples.size(); ++i) {
            const double t = double(i) / SampleRate;
            double value = 0;
            for (const TPartial& partial : voice.Partials) {
                const double f = frequency * partial.Ratio;
                if (f >= SampleRate / 2.0 * 0.9)
                    continue; // keep well below Nyquist: no aliasing whistles
                value += partial.Level * std::exp(-t / partial.Decay) * std::sin(2 * std::numbers::pi * f * t);
            }
            double envelope = 1.0;
            if (t < voice.Attack)
                envelope = 0.5 - 0.5 * std::cos(std::numbers::pi * t / voice.Attack);
            const double tail = length - t;
            if (tail < release)
                envelope *= 0.5 - 0.5 * std::cos(std::numbers::pi * tail / release);
            Samples[first + i] += float(level * envelope * value);
        }
    }

    // Scales the mix so that its loudest sample sits at `peak` (0..1) of full scale.
    void Normalize(double peak)
    {
        float loudest = 0;
        for (float s : Samples)
            loudest = std::max(loudest, std::fabs(s));
        if (loudest <= 0)
            return;
        const float gain = float(peak / loudest);
        for (float& s : Samples)
            s *= gain;
    }

    // Fades the last `seconds` to silence (the buffer may end while a note still rings).
    void FadeOut(double seconds)
    {
        const std::size_t n = std::min(Samples.size(), static_cast<std::size_t>(seconds * SampleRate));
        for (std::size_t i = 0; i < n; ++i) {
            const double x = double(i) / double(n);
            Samples[Samples.size() - 1 - i] *= float(0.5 - 0.5 * std::cos(std::numbers::pi * x));
        }
    }

    // The mix as a mono 16-bit PCM WAVE file.
    std::vector<std::uint8_t> ToWave() const
    {
        const std::vector<std::byte> wave = MonoPcmWave(Samples, SampleRate);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(wave.data());
        return { bytes, bytes + wave.size() };
    }

    std::vector<float> Samples;
};

inline void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace synth
