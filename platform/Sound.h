#pragma once

#include "resmodule/ResourceModule.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// PlaySound flags, with the platform's values.
constexpr std::uint32_t SND_SYNC = 0x0000;
constexpr std::uint32_t SND_ASYNC = 0x0001;     // return at once, play in the background
constexpr std::uint32_t SND_NODEFAULT = 0x0002; // a missing sound plays nothing
constexpr std::uint32_t SND_MEMORY = 0x0004;    // the sound is a WAV image in memory
constexpr std::uint32_t SND_RESOURCE = 0x40004; // name is a WAVE resource of the module
constexpr std::uint32_t SND_FILENAME = 0x20000; // name is a file path

// Plays a WAV sound: the WAVE resource `name` of `module` (SND_RESOURCE) or the file `name`
// (SND_FILENAME: a regular file of at most 64 MiB; the module plays no part). One sound at a time: a new sound stops the one
// still playing. With SND_ASYNC the call returns at once and the sound plays in the
// background; without it the call returns when the sound has finished. A sound that cannot
// be found or read plays the default sound unless SND_NODEFAULT is given. An empty name only
// stops the sound that is playing. Without an audio device nothing plays and nothing fails.
void PlaySound(const std::string& name, TModuleHandle module, std::uint32_t flags);

// The same for a WAV image in memory (the bytes are copied; SND_MEMORY is implied).
void PlaySoundData(std::span<const std::byte> wav, std::uint32_t flags);

// The sound that plays in place of a missing one; until one is set, that is silence.
void SetDefaultSoundData(std::vector<std::byte> wav);

// How long the audio device stays open after the last sound and the last request (10 seconds
// unless set); then it is closed, so a quiet program does not wake for it, and opened again for
// the next sound. A device the sound server dropped is opened anew by the next sound.
void SetSoundIdleClose(std::chrono::milliseconds after);

// Stops the sound, closes the audio device and ends the background worker, waiting at most a
// second: a worker that a sound server which stopped answering holds inside SDL is left to
// finish alone (no device opens until it has). The next PlaySound opens the device again, so
// a changed audio environment takes effect.
void ShutdownSound();
