#include "familycontent/PackSound.h"

#include "base/WaveWriter.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

constexpr float Peak = 0.89f;           // -1 dBFS
constexpr float SilenceRatio = 0.02f;   // quieter than 2 % of the loudest sample is silence
constexpr double LeadIn = 0.02;         // seconds kept before the first sound
constexpr double Tail = 0.08;           // and after the last
constexpr double FadeOut = 0.03;        // at a cut, so it does not click

// Resampled by linear interpolation over a box-filtered signal: enough for voices and
// household noises, and no clicks.
std::vector<float> Resample(const std::vector<float>& in, int from, int to)
{
    if (from == to || in.empty())
        return in;
    const double step = double(from) / to;
    std::vector<float> source = in;
    if (step > 1.0) {
        const int width = int(std::ceil(step));
        double sum = 0;
        for (std::size_t i = 0; i < in.size(); ++i) {
            sum += in[i];
            if (i >= std::size_t(width))
                sum -= in[i - std::size_t(width)];
            source[i] = float(sum / std::min<double>(double(i + 1), width));
        }
    }
    const std::size_t count = std::size_t(double(in.size()) / step);
    std::vector<float> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double at = double(i) * step;
        const std::size_t k = std::size_t(at);
        const double t = at - double(k);
        const float a = source[k];
        const float b = k + 1 < source.size() ? source[k + 1] : a;
        out[i] = float(a + (b - a) * t);
    }
    return out;
}

} // namespace

TPackedSound PackSamples(std::vector<float> samples, int sampleRate)
{
    if (sampleRate <= 0)
        throw std::runtime_error("no sample rate");
    float loudest = 0;
    for (const float s : samples)
        loudest = std::max(loudest, std::fabs(s));
    if (loudest < 1e-4f)
        throw std::runtime_error("silent");
    const int rate = sampleRate >= 32000 ? 44100 : 22050;

    // trim: from a little before the first to a little after the last audible sample
    const float threshold = loudest * SilenceRatio;
    const auto audible = [&](float s) { return std::fabs(s) >= threshold; };
    const std::size_t first = std::size_t(std::ranges::find_if(samples, audible) - samples.begin());
    const std::size_t last = samples.size() - 1 - std::size_t(std::find_if(samples.rbegin(), samples.rend(), audible) - samples.rbegin());
    const std::size_t begin = first - std::min(first, std::size_t(LeadIn * sampleRate));
    const std::size_t end = std::min(samples.size(), last + 1 + std::size_t(Tail * sampleRate));
    std::vector<float> kept(samples.begin() + std::ptrdiff_t(begin), samples.begin() + std::ptrdiff_t(end));

    std::vector<float> out = Resample(kept, sampleRate, rate);
    const std::size_t limit = std::size_t(PackSoundMaxSeconds * rate);
    if (out.size() > limit) {
        out.resize(limit);
        const std::size_t fade = std::size_t(FadeOut * rate);
        for (std::size_t i = 0; i < fade; ++i)
            out[limit - 1 - i] *= float(i) / float(fade);
    }
    float peak = 0;
    for (const float s : out)
        peak = std::max(peak, std::fabs(s));
    if (peak > 0)
        for (float& s : out)
            s *= Peak / peak;
    TPackedSound packed;
    packed.Wave = MonoPcmWave(out, rate);
    packed.SampleRate = rate;
    packed.Seconds = double(out.size()) / rate;
    return packed;
}

TPackedSound PackSound(const std::filesystem::path& file)
{
    SF_INFO info {};
    SNDFILE* raw = sf_open(file.c_str(), SFM_READ, &info);
    if (!raw)
        throw std::runtime_error(std::string("not a sound libsndfile reads (") + sf_strerror(nullptr) + ")");
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> sound(raw, sf_close);
    if (info.channels <= 0 || info.samplerate <= 0)
        throw std::runtime_error("no channels or sample rate");
    if (info.channels > 16 || info.samplerate > 384000)
        throw std::runtime_error("too large (" + std::to_string(info.channels) + " channels at " + std::to_string(info.samplerate)
                                 + " Hz)");
    // a long recording is read only as far as can end up in the sound, with room for silence
    const sf_count_t wanted = std::min<sf_count_t>(info.frames > 0 ? info.frames : sf_count_t(600) * info.samplerate,
                                                   sf_count_t(60) * info.samplerate);
    std::vector<float> interleaved(std::size_t(wanted) * std::size_t(info.channels));
    const sf_count_t got = sf_readf_float(sound.get(), interleaved.data(), wanted);
    if (got <= 0)
        throw std::runtime_error(std::string("no samples (") + sf_strerror(sound.get()) + ")");
    std::vector<float> mono(static_cast<std::size_t>(got));
    for (std::size_t i = 0; i < mono.size(); ++i) {
        float sum = 0;
        for (int c = 0; c < info.channels; ++c)
            sum += interleaved[i * std::size_t(info.channels) + std::size_t(c)];
        mono[i] = sum / float(info.channels);
    }
    return PackSamples(std::move(mono), info.samplerate);
}
