#include "SpokenNames.h"

#include "Synth.h"

#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace contentgen {

namespace {

std::uint32_t Le32(const QByteArray& b, qsizetype at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8
        | std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

std::uint16_t Le16(const QByteArray& b, qsizetype at)
{
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

// The samples of a 16-bit mono PCM WAVE at the synthesiser's rate. espeak-ng may leave the
// chunk sizes at a streaming placeholder, so the data chunk is cut to what the file holds.
std::vector<float> ReadPcm16(const QByteArray& wave, const std::string& what)
{
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        throw std::runtime_error(what + ": not a WAVE file");
    bool formatSeen = false;
    for (qsizetype at = 12; at + 8 <= wave.size();) {
        const QByteArray id = wave.mid(at, 4);
        const std::uint32_t size = Le32(wave, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > wave.size())
                throw std::runtime_error(what + ": short format chunk");
            if (Le16(wave, body) != 1 || Le16(wave, body + 2) != 1 || Le32(wave, body + 4) != synth::SampleRate
                || Le16(wave, body + 14) != 16)
                throw std::runtime_error(what + ": expected 16-bit mono PCM at 22050 Hz");
            formatSeen = true;
        } else if (id == "data") {
            if (!formatSeen)
                throw std::runtime_error(what + ": data before format");
            const qsizetype count = std::min<qsizetype>(qsizetype(size), wave.size() - body) / 2;
            std::vector<float> samples(static_cast<std::size_t>(count));
            for (qsizetype i = 0; i < count; ++i)
                samples[std::size_t(i)] = float(std::int16_t(Le16(wave, body + 2 * i))) / 32768.0f;
            return samples;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    throw std::runtime_error(what + ": no data chunk");
}

} // namespace

TBytes SpeakName(const std::string& espeak, const std::string& words, const std::string& scratchPath,
                 const std::string& voice)
{
    QProcess process;
    process.start(QString::fromStdString(espeak),
                  { "-v", QString::fromStdString(voice), "--punct", "-s", "135", "-w", QString::fromStdString(scratchPath), QString::fromStdString(words) });
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error("espeak-ng failed for \"" + words + "\": " + process.readAllStandardError().toStdString());
    QFile file(QString::fromStdString(scratchPath));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("espeak-ng wrote no " + scratchPath);
    const std::vector<float> raw = ReadPcm16(file.readAll(), scratchPath);
    file.close();
    std::remove(scratchPath.c_str());

    // keep 20 ms of lead-in and 60 ms of tail around what is louder than the noise floor
    const auto loud = [](float s) { return std::fabs(s) > 0.01f; };
    const auto first = std::ranges::find_if(raw, loud);
    const auto last = std::ranges::find_if(raw.rbegin(), raw.rend(), loud);
    if (first == raw.end())
        throw std::runtime_error("espeak-ng said nothing for \"" + words + "\"");
    const std::size_t begin = std::size_t(std::max<std::ptrdiff_t>(0, (first - raw.begin()) - synth::SampleRate / 50));
    const std::size_t end = std::min(raw.size(), std::size_t(raw.rend() - last) + synth::SampleRate * 6 / 100);
    synth::TBuffer buffer(0);
    buffer.Samples.assign(raw.begin() + std::ptrdiff_t(begin), raw.begin() + std::ptrdiff_t(end));
    buffer.Normalize(0.7);
    buffer.FadeOut(0.02);
    const std::vector<std::uint8_t> wave = buffer.ToWave();
    return TBytes(wave.begin(), wave.end());
}

} // namespace contentgen
