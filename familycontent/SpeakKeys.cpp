#include "familycontent/SpeakKeys.h"

#include "familycontent/ContentError.h"
#include "familycontent/PackKeys.h"
#include "tools/contentgen/SpokenNames.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <sstream>
#include <thread>

std::string EspeakProgram() { return QStandardPaths::findExecutable("espeak-ng").toStdString(); }

std::vector<TVoice> InstalledVoices()
{
    const std::string espeak = EspeakProgram();
    if (espeak.empty())
        return {};
    QProcess process;
    process.start(QString::fromStdString(espeak), { "--voices" });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    // "Pty Language Age/Gender VoiceName File Other Languages", one voice a line
    std::istringstream lines(process.readAllStandardOutput().toStdString());
    std::vector<TVoice> voices;
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string priority, language, gender, name;
        if (fields >> priority >> language >> gender >> name) {
            std::ranges::replace(name, '_', ' ');
            voices.push_back({ language, name });
        }
    }
    std::ranges::sort(voices, {}, &TVoice::Language);
    return voices;
}

bool VoiceSpeaks(const std::string& voice)
{
    const std::string espeak = EspeakProgram();
    QTemporaryDir scratch;
    if (espeak.empty() || !scratch.isValid())
        return false;
    try {
        contentgen::SpeakName(espeak, "a", scratch.path().toStdString() + "/probe.wav", voice);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::map<int, TSpokenName> SpeakCaptions(const std::string& voice, const std::map<int, std::string>& captions,
                                         std::map<int, std::string>& failures)
{
    const std::string espeak = EspeakProgram();
    if (espeak.empty())
        throw TContentError(FillText(TContentText::tr("spoken names need espeak-ng, which is not installed")));
    if (!VoiceSpeaks(voice))
        throw TContentError(FillText(TContentText::tr("espeak-ng has no voice \"%1\" (see espeak-ng --voices)"), voice));
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw TContentError(FillText(TContentText::tr("cannot make a temporary folder: %1"),
                                     scratch.errorString().toStdString()));
    const std::string scratchBase = scratch.path().toStdString() + "/spoken";
    const std::vector<std::pair<int, std::string>> todo(captions.begin(), captions.end());
    std::map<int, TSpokenName> spoken;
    std::atomic<std::size_t> next { 0 };
    std::mutex lock;
    const auto work = [&] {
        for (std::size_t i = next++; i < todo.size(); i = next++) {
            const int entry = todo[i].first;
            TSpokenName name;
            name.Words = PackSpokenText(entry, todo[i].second);
            try {
                const contentgen::TBytes wave =
                    contentgen::SpeakName(espeak, name.Words, scratchBase + std::to_string(entry) + ".wav", voice);
                name.Wave.resize(wave.size());
                std::ranges::transform(wave, name.Wave.begin(), [](std::uint8_t b) { return std::byte(b); });
                name.Seconds = double(wave.size() - 44) / 2 / 22050;
                const std::scoped_lock guard(lock);
                spoken[entry] = std::move(name);
            } catch (const std::exception& e) {
                const std::scoped_lock guard(lock);
                failures[entry] = e.what();
            }
        }
    };
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();
    return spoken;
}
