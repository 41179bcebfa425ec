#pragma once

#include <QProcess>
#include <QStringList>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

// Sound files for the tests: a tone made here, written in any kind the ffmpeg command-line
// tool encodes.

// `silence` seconds of quiet, a tone of `seconds` at `frequency`, quiet again, at `level` of
// full scale, the same in every channel.
inline std::vector<float> ToneSamples(int rate, int channels, double silence, double seconds, double level,
                                      double frequency = 440)
{
    const std::size_t frames = std::size_t((2 * silence + seconds) * rate);
    std::vector<float> samples(frames * std::size_t(channels), 0.0f);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = double(i) / rate;
        const float value = t >= silence && t < silence + seconds
            ? float(level * std::sin(2 * std::numbers::pi * frequency * t)) : 0.0f;
        for (int c = 0; c < channels; ++c)
            samples[i * std::size_t(channels) + std::size_t(c)] = value;
    }
    return samples;
}

// Writes the tone to `path` with ffmpeg's output options `encode` ("-c:a", "aac"). Returns
// ffmpeg's complaint, empty when the file was written.
inline std::string WriteTone(const std::filesystem::path& path, const QStringList& encode, int rate, int channels,
                             double silence, double seconds, double level, double frequency = 440)
{
    std::filesystem::create_directories(path.parent_path());
    const std::filesystem::path raw = path.string() + ".f32";
    {
        const std::vector<float> samples = ToneSamples(rate, channels, silence, seconds, level, frequency);
        std::ofstream(raw, std::ios::binary)
            .write(reinterpret_cast<const char*>(samples.data()), std::streamsize(samples.size() * sizeof(float)));
    }
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList { "-hide_banner", "-loglevel", "error", "-y", "-f", "f32le", "-ar",
                                         QString::number(rate), "-ac", QString::number(channels), "-i",
                                         QString::fromStdString(raw.string()) }
                     + encode + QStringList { QString::fromStdString(path.string()) });
    const bool finished = ffmpeg.waitForFinished(60000);
    std::filesystem::remove(raw);
    if (!finished || ffmpeg.exitCode() != 0)
        return "ffmpeg failed for " + path.string() + ": " + ffmpeg.readAllStandardError().toStdString();
    return {};
}
