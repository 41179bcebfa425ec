#include "platform/Sound.h"

#include "base/Stream.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include <SDL.h>

// The caller (the key handler) only finds the sound's bytes and hands them over; a worker
// thread decodes the WAV and opens the device, and the audio callback converts the samples to
// the device's format a block at a time. So a key press never waits for decoding, resampling
// or a slow audio server.

namespace {

using namespace std::chrono_literals;

// The device format we ask for; SDL converts to whatever the hardware wants.
constexpr int DeviceRate = 44100;
constexpr SDL_AudioFormat DeviceFormat = AUDIO_S16SYS;
constexpr Uint8 DeviceChannels = 2;
constexpr Uint16 DeviceSamples = 1024;
// How much of the source the callback converts at a time.
constexpr std::size_t SourceChunkFrames = 1024;
// Every audio driver in turn is tried at most this often.
constexpr auto FullTryInterval = 5s;
// A sound file larger than this (six minutes of CD sound) is not read: it plays the default.
constexpr std::size_t MaxSoundFileBytes = std::size_t(64) << 20;
// How long the end waits for the worker: a sound server that stopped answering can keep it
// inside SDL for good, and the program must end all the same.
constexpr auto ShutdownWait = 1s;
// An open device is closed after this long without sound.
std::atomic<std::chrono::milliseconds::rep> IdleCloseAfter { 10000 };

std::chrono::milliseconds IdleClose() { return std::chrono::milliseconds(IdleCloseAfter.load()); }
// How often an open device is looked at while it plays: a few times within the idle time, at
// most once a second.
std::chrono::milliseconds IdleCheckInterval() { return std::min<std::chrono::milliseconds>(1000ms, IdleClose() / 4 + 1ms); }

struct TSoundRequest {
    enum class TSource { Stop, Memory, File, Missing };
    TSource Source { TSource::Stop };
    std::vector<std::byte> Data;
    std::string FileName;
    bool NoDefault { false };
    std::uint64_t Serial { 0 };
};

// A WAV decoded by SDL: PCM samples in the file's own format.
struct TDecodedSound {
    SDL_AudioSpec Spec {};
    Uint8* Buffer { nullptr };
    Uint32 Length { 0 };

    TDecodedSound() = default;
    TDecodedSound(const TDecodedSound&) = delete;
    TDecodedSound& operator=(const TDecodedSound&) = delete;
    ~TDecodedSound() { SDL_FreeWAV(Buffer); }
};

std::shared_ptr<const TDecodedSound> DecodeWav(SDL_RWops* rw)
{
    if (!rw)
        return nullptr;
    auto sound = std::make_shared<TDecodedSound>();
    if (!SDL_LoadWAV_RW(rw, 1, &sound->Spec, &sound->Buffer, &sound->Length))
        return nullptr;
    return sound;
}

std::shared_ptr<const TDecodedSound> DecodeWav(std::span<const std::byte> wav)
{
    if (wav.empty() || wav.size() > static_cast<std::size_t>(INT_MAX))
        return nullptr;
    return DecodeWav(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())));
}

// The sound the callback is playing, with its converter to the device format.
struct TVoice {
    std::shared_ptr<const TDecodedSound> Sound;
    SDL_AudioStream* Stream { nullptr };
    std::size_t Position { 0 };
    bool Flushed { false };
    bool Done { false };
    std::chrono::steady_clock::time_point DoneAt;
    std::uint64_t Serial { 0 };

    TVoice() = default;
    TVoice(const TVoice&) = delete;
    TVoice& operator=(const TVoice&) = delete;
    ~TVoice()
    {
        if (Stream)
            SDL_FreeAudioStream(Stream);
    }
};

void RaiseTo(std::atomic<std::uint64_t>& value, std::uint64_t atLeast)
{
    auto current = value.load();
    while (current < atLeast && !value.compare_exchange_weak(current, atLeast)) { }
}

// The default sound's WAV image lives outside the player, so it outlives ShutdownSound.
std::mutex DefaultLock;
std::shared_ptr<const std::vector<std::byte>> DefaultWav;
std::uint64_t DefaultGeneration = 0;

// Workers that the end stopped waiting for and that may still be inside SDL's audio: no other
// worker opens a device until they are out.
std::atomic<int> AbandonedWorkers { 0 };

class TSoundPlayer {
public:
    TSoundPlayer() { FWorker = std::thread([this] { Run(); }); }
    TSoundPlayer(const TSoundPlayer&) = delete;
    TSoundPlayer& operator=(const TSoundPlayer&) = delete;

    ~TSoundPlayer()
    {
        if (FWorker.joinable())
            Finish(std::chrono::hours(1));
    }

    // Ends the worker, waiting at most `wait` for it. Returns false when it is still busy then:
    // it is left to finish on its own and the player must be left alive for it.
    bool Finish(std::chrono::milliseconds wait)
    {
        std::unique_lock lock(FLock);
        FQuit = true;
        FWake.notify_one();
        if (!FEnded.wait_for(lock, wait, [this] { return FWorkerDone; })) {
            FAbandoned = true;
            ++AbandonedWorkers;
            lock.unlock();
            FWorker.detach();
            return false;
        }
        lock.unlock();
        FWorker.join();
        RaiseTo(FFinished, FNextSerial);
        return true;
    }

    // Queues a request, replacing one the worker has not taken yet; returns its serial.
    std::uint64_t Submit(TSoundRequest request)
    {
        std::uint64_t serial = 0;
        {
            std::lock_guard lock(FLock);
            serial = request.Serial = ++FNextSerial;
            FPending = std::move(request);
        }
        FWake.notify_one();
        return serial;
    }

    bool IsFinished(std::uint64_t serial) const { return FFinished.load() >= serial; }

private:
    void Run()
    {
        for (;;) {
            TSoundRequest request;
            {
                std::unique_lock lock(FLock);
                const auto woken = [this] { return FQuit || FPending.has_value(); };
                // An open device keeps SDL's audio thread and the sound server busy even in
                // silence: a while after the last sound it is closed, and opened again for the
                // next one.
                while (!woken()) {
                    if (!FDevice) {
                        FWake.wait(lock, woken);
                        break;
                    }
                    if (FWake.wait_until(lock, FNextCheck, woken))
                        break;
                    lock.unlock();
                    CheckDevice();
                    lock.lock();
                }
                if (FQuit)
                    break;
                request = std::move(*FPending);
                FPending.reset();
            }
            // Everything queued before this request has been replaced by it.
            RaiseTo(FFinished, request.Serial - 1);
            Play(request);
        }
        CloseDevice();
        // SDL keeps per-thread data (its error text) that only SDL's own threads free.
        SDL_TLSCleanup();
        std::lock_guard lock(FLock);
        FWorkerDone = true;
        if (FAbandoned)
            --AbandonedWorkers;
        FEnded.notify_all();
    }

    void Play(const TSoundRequest& request)
    {
        FLastRequest = std::chrono::steady_clock::now();
        std::unique_ptr<TVoice> voice;
        if (request.Source != TSoundRequest::TSource::Stop && OpenDevice())
            voice = MakeVoice(request);
        if (!voice)
            RaiseTo(FFinished, request.Serial);
        // A new sound, found or not, ends the one that is playing.
        SwapVoice(std::move(voice));
        FNextCheck = FLastRequest + IdleCheckInterval();
    }

    std::unique_ptr<TVoice> MakeVoice(const TSoundRequest& request)
    {
        std::shared_ptr<const TDecodedSound> sound;
        if (request.Source == TSoundRequest::TSource::Memory)
            sound = DecodeWav(request.Data);
        else if (request.Source == TSoundRequest::TSource::File)
            sound = DecodeWav(ReadRegularFile(request.FileName, MaxSoundFileBytes).value_or(std::vector<std::byte>()));
        auto voice = MakeVoice(std::move(sound), request.Serial);
        if (voice || request.NoDefault)
            return voice;
        return MakeVoice(DefaultSound(), request.Serial);
    }

    std::unique_ptr<TVoice> MakeVoice(std::shared_ptr<const TDecodedSound> sound, std::uint64_t serial)
    {
        if (!sound || sound->Spec.channels == 0 || SDL_AUDIO_BITSIZE(sound->Spec.format) < 8)
            return nullptr;
        auto voice = std::make_unique<TVoice>();
        voice->Stream = SDL_NewAudioStream(sound->Spec.format, sound->Spec.channels, sound->Spec.freq,
                                           FDeviceSpec.format, FDeviceSpec.channels, FDeviceSpec.freq);
        if (!voice->Stream)
            return nullptr;
        voice->Sound = std::move(sound);
        voice->Serial = serial;
        return voice;
    }

    std::shared_ptr<const TDecodedSound> DefaultSound()
    {
        std::shared_ptr<const std::vector<std::byte>> wav;
        std::uint64_t generation = 0;
        {
            std::lock_guard lock(DefaultLock);
            wav = DefaultWav;
            generation = DefaultGeneration;
        }
        if (!wav)
            return nullptr;
        if (!FDefaultDecoded || FDefaultDecodedGeneration != generation) {
            FDefaultDecoded = DecodeWav(*wav);
            FDefaultDecodedGeneration = generation;
        }
        return FDefaultDecoded;
    }

    void SwapVoice(std::unique_ptr<TVoice> voice)
    {
        if (!FDevice)
            return;
        SDL_LockAudioDevice(FDevice);
        std::swap(FVoice, voice);
        SDL_UnlockAudioDevice(FDevice);
        if (voice)
            RaiseTo(FFinished, voice->Serial);
        // The replaced voice is freed here, outside the audio callback.
    }

    // A device the sound server dropped (it ended or restarted) plays nothing; SDL then stops
    // it. It is closed, and a new one opened for the next sound.
    bool DeviceLost() const { return FDevice && SDL_GetAudioDeviceStatus(FDevice) == SDL_AUDIO_STOPPED; }

    // The driver that played last is tried again at every sound, so a sound server that
    // restarted plays the next key. Every driver in turn is tried at most every few seconds:
    // where none works, each try costs time and fills the error output.
    bool OpenDevice()
    {
        if (DeviceLost())
            CloseDevice();
        if (FDevice)
            return true;
        if (AbandonedWorkers.load() > 0)
            return false;
        if (!FLastDriver.empty() && OpenDevice(FLastDriver.c_str()))
            return true;
        const auto now = std::chrono::steady_clock::now();
        if (FLastFullTry && now - *FLastFullTry < FullTryInterval)
            return false;
        FLastFullTry = now;
        return OpenDevice(nullptr);
    }

    // Opens the device through `driver`, or the driver the environment names, or the first that
    // works.
    bool OpenDevice(const char* driver)
    {
        if (driver)
            SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
        else
            SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        // SDL's audio brings up its event subsystem, whose SIGINT/SIGTERM handlers would turn
        // a termination request into an SDL event nobody reads: the program must stay killable.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        SDL_AudioSpec wanted {};
        wanted.freq = DeviceRate;
        wanted.format = DeviceFormat;
        wanted.channels = DeviceChannels;
        wanted.samples = DeviceSamples;
        wanted.callback = &TSoundPlayer::Callback;
        wanted.userdata = this;
        FDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &FDeviceSpec, 0);
        if (!FDevice) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        if (const char* name = SDL_GetCurrentAudioDriver())
            FLastDriver = name;
        FLastFullTry.reset();
        SDL_PauseAudioDevice(FDevice, 0);
        return true;
    }

    // The device is closed once it has been silent for the idle time, counted from the last
    // request or the end of the last sound, whichever came later.
    void CheckDevice()
    {
        if (DeviceLost()) {
            CloseDevice();
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        SDL_LockAudioDevice(FDevice);
        const bool playing = FVoice && !FVoice->Done;
        const auto silentSince = FVoice ? std::max(FLastRequest, FVoice->DoneAt) : FLastRequest;
        SDL_UnlockAudioDevice(FDevice);
        if (playing) {
            FNextCheck = now + IdleCheckInterval();
            return;
        }
        if (now - silentSince >= IdleClose()) {
            CloseDevice();
            return;
        }
        FNextCheck = silentSince + IdleClose();
    }

    void CloseDevice()
    {
        if (!FDevice)
            return;
        SDL_CloseAudioDevice(FDevice);
        FDevice = 0;
        if (FVoice)
            RaiseTo(FFinished, FVoice->Serial);
        FVoice.reset();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    static void SDLCALL Callback(void* userdata, Uint8* out, int length)
    {
        static_cast<TSoundPlayer*>(userdata)->Mix(out, length);
    }

    // Runs on SDL's audio thread with the device locked.
    void Mix(Uint8* out, int length)
    {
        std::memset(out, FDeviceSpec.silence, static_cast<std::size_t>(length));
        TVoice* voice = FVoice.get();
        if (!voice || voice->Done)
            return;
        const TDecodedSound& sound = *voice->Sound;
        const std::size_t frameBytes = SDL_AUDIO_BITSIZE(sound.Spec.format) / 8 * sound.Spec.channels;
        int written = 0;
        while (written < length) {
            const int got = SDL_AudioStreamGet(voice->Stream, out + written, length - written);
            if (got > 0) {
                written += got;
                continue;
            }
            if (got < 0)
                break;
            if (voice->Position + frameBytes <= sound.Length) {
                std::size_t chunk = std::min<std::size_t>(sound.Length - voice->Position, SourceChunkFrames * frameBytes);
                chunk -= chunk % frameBytes;
                if (SDL_AudioStreamPut(voice->Stream, sound.Buffer + voice->Position, static_cast<int>(chunk)) != 0)
                    break;
                voice->Position += chunk;
                continue;
            }
            if (!voice->Flushed) {
                SDL_AudioStreamFlush(voice->Stream);
                voice->Flushed = true;
                continue;
            }
            break;
        }
        if (written < length) {
            voice->Done = true;
            voice->DoneAt = std::chrono::steady_clock::now();
            RaiseTo(FFinished, voice->Serial);
        }
    }

    std::mutex FLock;
    std::condition_variable FWake;
    std::condition_variable FEnded;
    std::optional<TSoundRequest> FPending;
    bool FQuit { false };
    bool FWorkerDone { false };
    bool FAbandoned { false };
    std::uint64_t FNextSerial { 0 };
    std::atomic<std::uint64_t> FFinished { 0 };

    // Worker thread only.
    SDL_AudioDeviceID FDevice { 0 };
    SDL_AudioSpec FDeviceSpec {};
    std::chrono::steady_clock::time_point FLastRequest;
    std::chrono::steady_clock::time_point FNextCheck;
    std::string FLastDriver;
    std::optional<std::chrono::steady_clock::time_point> FLastFullTry;
    std::shared_ptr<const TDecodedSound> FDefaultDecoded;
    std::uint64_t FDefaultDecodedGeneration { 0 };
    // Shared with the callback, under the device lock.
    std::unique_ptr<TVoice> FVoice;

    std::thread FWorker;
};

std::mutex PlayerLock;
// Not freed at exit: a worker the sound server keeps busy must not hold up the program's end.
TSoundPlayer* Player = nullptr;

void Submit(TSoundRequest request, std::uint32_t flags)
{
    request.NoDefault = (flags & SND_NODEFAULT) != 0;
    std::uint64_t serial = 0;
    {
        std::lock_guard lock(PlayerLock);
        if (!Player)
            Player = new TSoundPlayer();
        serial = Player->Submit(std::move(request));
    }
    if (flags & SND_ASYNC)
        return;
    // Played synchronously: wait until this sound has ended, was replaced or could not play.
    for (;;) {
        {
            std::lock_guard lock(PlayerLock);
            if (!Player || Player->IsFinished(serial))
                return;
        }
        std::this_thread::sleep_for(5ms);
    }
}

} // namespace

void PlaySound(const std::string& name, TModuleHandle module, std::uint32_t flags)
{
    TSoundRequest request;
    if (name.empty()) {
        request.Source = TSoundRequest::TSource::Stop;
    } else if ((flags & SND_RESOURCE) == SND_RESOURCE) {
        // The bytes are copied: the module may be freed while the sound still plays.
        auto data = FindResourceData(module, TResourceType::Named("WAVE"), name);
        request.Source = data ? TSoundRequest::TSource::Memory : TSoundRequest::TSource::Missing;
        if (data)
            request.Data.assign(data->begin(), data->end());
    } else {
        request.Source = TSoundRequest::TSource::File;
        request.FileName = name;
    }
    Submit(std::move(request), flags);
}

void PlaySoundData(std::span<const std::byte> wav, std::uint32_t flags)
{
    TSoundRequest request;
    request.Source = TSoundRequest::TSource::Memory;
    request.Data.assign(wav.begin(), wav.end());
    Submit(std::move(request), flags);
}

void SetDefaultSoundData(std::vector<std::byte> wav)
{
    auto shared = wav.empty() ? nullptr : std::make_shared<const std::vector<std::byte>>(std::move(wav));
    std::lock_guard lock(DefaultLock);
    DefaultWav = std::move(shared);
    ++DefaultGeneration;
}

void ShutdownSound()
{
    std::unique_ptr<TSoundPlayer> player;
    {
        std::lock_guard lock(PlayerLock);
        player.reset(std::exchange(Player, nullptr));
    }
    // A worker still busy after the wait is stuck in the sound server's hands: the player is
    // left to it, and the program goes on.
    if (player && !player->Finish(ShutdownWait))
        player.release();
}

void SetSoundIdleClose(std::chrono::milliseconds after) { IdleCloseAfter = std::max<std::chrono::milliseconds>(after, 1ms).count(); }
