#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

// The keys' spoken names made with espeak-ng, in any voice it has.

struct TVoice {
    std::string Language; // what -v takes: "de", "en-us", "fr-fr"
    std::string Name;     // "German"
};

// The espeak-ng program, or an empty text when it is not installed.
std::string EspeakProgram();

// The installed voices, by language; none without espeak-ng.
std::vector<TVoice> InstalledVoices();

// Whether `voice` speaks (a short probe word).
bool VoiceSpeaks(const std::string& voice);

struct TSpokenName {
    std::vector<std::byte> Wave; // 16-bit mono WAVE, trimmed and evened out
    std::string Words;
    double Seconds { 0 };
};

// Says each caption (entry 1..88 -> caption) in `voice`, a few at a time since each word is
// one espeak-ng run. An entry that cannot be spoken is left out and listed in `failures` with
// the reason. Raises TContentError when espeak-ng is missing or has no such voice.
std::map<int, TSpokenName> SpeakCaptions(const std::string& voice, const std::map<int, std::string>& captions,
                                         std::map<int, std::string>& failures);
