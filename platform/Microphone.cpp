#include "platform/Microphone.h"

#include "platform/Sound.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include <SDL.h>

// Every SDL call of a recording runs on its own worker thread: opening a device, and closing
// one, can wait for good on a sound server that stopped answering. The caller only ever takes
// the recording's lock, which is never held across an SDL call that can wait.

namespace {

using namespace std::chrono_literals;
using TClock = std::chrono::steady_clock;

constexpr int FallbackRate = 48000;
// About 20 ms of sound a block at 48 kHz: a level meter that follows the voice.
constexpr Uint16 BlockFrames = 1024;
// A sound server that has not given us a device in this long is taken for gone.
constexpr auto OpenTimeout = 5s;
// A recording that is still short of its length this long after it should have ended gets no
// more sound: the server stopped answering.
constexpr auto StallGrace = 2s;
constexpr auto WatchInterval = 20ms;
// How long the end of a microphone waits for its device to close.
constexpr auto CloseWait = 1s;
// The memory for a recording is taken when it starts.
constexpr std::chrono::milliseconds MaxRecording = 10min;

// One recording holds SDL's audio at a time: a new one waits until the last has closed its device.
std::mutex DeviceLock;
// Workers that were given up on while a sound server held them inside SDL. Until they are out, a
// new recording would only wait behind them.
std::atomic<int> StuckWorkers { 0 };

enum class TPhase { Idle, Opening, Recording, Ended };

} // namespace

struct TMicrophone::TState {
    std::mutex Lock;
    std::condition_variable Changed;
    TPhase Phase { TPhase::Idle };
    bool WorkerDone { true };
    bool Abandoned { false };
    TMicrophoneError Error { TMicrophoneError::None };
    std::string ErrorDetail;
    std::chrono::milliseconds MaxLength { 5s };
    TClock::time_point StartedAt;
    int Rate { 0 };
    std::size_t MaxSamples { 0 };
    std::vector<float> Samples;
    float Peak { 0 };

    bool IsActive() const { return Phase == TPhase::Opening || Phase == TPhase::Recording; }

    void End(TMicrophoneError error, std::string detail = {})
    {
        if (!IsActive())
            return;
        Phase = TPhase::Ended;
        Error = error;
        ErrorDetail = std::move(detail);
        Changed.notify_all();
    }

    // Under the lock: the worker is left to finish alone.
    void Abandon()
    {
        if (WorkerDone || Abandoned)
            return;
        Abandoned = true;
        ++StuckWorkers;
    }
};

namespace {

using TState = TMicrophone::TState;

// Runs on SDL's audio thread.
void SDLCALL Captured(void* userdata, Uint8* stream, int length)
{
    auto& state = *static_cast<TState*>(userdata);
    std::lock_guard lock(state.Lock);
    if (state.Phase != TPhase::Recording || length <= 0)
        return;
    const std::size_t count = std::min(std::size_t(length) / sizeof(float), state.MaxSamples - state.Samples.size());
    const std::size_t first = state.Samples.size();
    state.Samples.resize(first + count);
    std::memcpy(state.Samples.data() + first, stream, count * sizeof(float));
    for (std::size_t i = first; i < state.Samples.size(); ++i) {
        float& sample = state.Samples[i];
        sample = std::isfinite(sample) ? std::clamp(sample, -1.0f, 1.0f) : 0.0f;
        state.Peak = std::max(state.Peak, std::fabs(sample));
    }
    if (state.Samples.size() >= state.MaxSamples)
        state.End(TMicrophoneError::None);
}

int NativeRate()
{
    char* name = nullptr;
    SDL_AudioSpec spec {};
    const bool known = SDL_GetDefaultAudioInfo(&name, &spec, 1) == 0;
    SDL_free(name);
    return known && spec.freq >= 8000 && spec.freq <= 192000 ? spec.freq : FallbackRate;
}

// Opens the default capture device, paused; 0 when there is none or the recording has ended.
SDL_AudioDeviceID OpenDevice(TState& state)
{
    SDL_AudioSpec wanted {};
    wanted.freq = NativeRate();
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 1;
    wanted.samples = BlockFrames;
    wanted.callback = &Captured;
    wanted.userdata = &state;
    SDL_AudioSpec got {};
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 1, &wanted, &got, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    std::lock_guard lock(state.Lock);
    if (!device) {
        state.End(TMicrophoneError::NoDevice, SDL_GetError());
        return 0;
    }
    if (state.Phase != TPhase::Opening)
        return device;
    state.Rate = got.freq;
    state.MaxSamples = std::max<std::size_t>(1, std::size_t(double(got.freq) * double(state.MaxLength.count()) / 1000.0));
    state.Samples.reserve(state.MaxSamples);
    state.StartedAt = TClock::now();
    state.Phase = TPhase::Recording;
    return device;
}

// Until the recording ends: by Stop, by its length, or by losing the device or its sound.
void Watch(TState& state, SDL_AudioDeviceID device)
{
    std::unique_lock lock(state.Lock);
    while (state.Phase == TPhase::Recording) {
        state.Changed.wait_for(lock, WatchInterval);
        if (state.Phase != TPhase::Recording)
            break;
        // A device the sound server dropped is stopped by SDL, which then calls us no more.
        if (SDL_GetAudioDeviceStatus(device) == SDL_AUDIO_STOPPED)
            state.End(TMicrophoneError::Lost, "the recording device went away");
        else if (TClock::now() - state.StartedAt > state.MaxLength + StallGrace)
            state.End(TMicrophoneError::NoAnswer, "the sound server stopped sending sound");
    }
}

// Brings SDL's audio up, records, and brings it down again.
void RecordWithSdl(TState& state)
{
    ShutdownSound();
    // SDL's audio brings up its event subsystem, whose SIGINT/SIGTERM handlers would turn a
    // termination request into an SDL event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The driver the environment names, or the first that works; not the one the sound player
    // last chose for itself.
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::lock_guard lock(state.Lock);
        state.End(TMicrophoneError::NoDevice, SDL_GetError());
        return;
    }
    // SDL's silent driver "records" silence for ever: it has no microphone.
    if (const char* driver = SDL_GetCurrentAudioDriver(); driver && std::strcmp(driver, "dummy") == 0) {
        std::lock_guard lock(state.Lock);
        state.End(TMicrophoneError::NoDevice, "the silent audio driver has no microphone");
    } else if (const SDL_AudioDeviceID device = OpenDevice(state)) {
        SDL_PauseAudioDevice(device, 0);
        Watch(state, device);
        SDL_CloseAudioDevice(device);
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void Record(std::shared_ptr<TState> state)
{
    {
        std::lock_guard device(DeviceLock);
        bool active = false;
        {
            std::lock_guard lock(state->Lock);
            active = state->IsActive();
        }
        // One that ended while it waited its turn (Record and Stop in quick turns) needs no device.
        if (active)
            RecordWithSdl(*state);
    }
    // SDL keeps per-thread data (its error text) that only SDL's own threads free.
    SDL_TLSCleanup();
    std::lock_guard lock(state->Lock);
    state->WorkerDone = true;
    if (state->Abandoned)
        --StuckWorkers;
    state->Changed.notify_all();
}

} // namespace

TMicrophone::TMicrophone()
    : m_state(std::make_shared<TState>())
{
}

TMicrophone::~TMicrophone()
{
    Stop();
    if (WaitClosed(CloseWait))
        return;
    std::lock_guard lock(m_state->Lock);
    m_state->Abandon();
}

bool TMicrophone::WaitClosed(std::chrono::milliseconds wait)
{
    std::unique_lock lock(m_state->Lock);
    return m_state->Changed.wait_for(lock, wait, [this] { return m_state->WorkerDone; });
}

void TMicrophone::Start(std::chrono::milliseconds maxLength)
{
    if (IsRecording())
        return;
    auto state = std::make_shared<TState>();
    state->MaxLength = std::clamp<std::chrono::milliseconds>(maxLength, 1ms, MaxRecording);
    state->StartedAt = TClock::now();
    state->Phase = TPhase::Opening;
    m_state = state;
    if (StuckWorkers.load() > 0) {
        state->End(TMicrophoneError::NoAnswer, "the sound server does not answer");
        return;
    }
    state->WorkerDone = false;
    try {
        std::thread(Record, state).detach();
    } catch (const std::system_error& e) {
        state->WorkerDone = true;
        state->End(TMicrophoneError::NoDevice, e.what());
    }
}

void TMicrophone::Stop()
{
    std::lock_guard lock(m_state->Lock);
    m_state->End(TMicrophoneError::None);
}

bool TMicrophone::IsRecording()
{
    std::lock_guard lock(m_state->Lock);
    if (m_state->Phase == TPhase::Opening && TClock::now() - m_state->StartedAt > OpenTimeout) {
        m_state->End(TMicrophoneError::NoAnswer, "the sound server does not answer");
        m_state->Abandon();
    }
    return m_state->IsActive();
}

float TMicrophone::TakePeak()
{
    std::lock_guard lock(m_state->Lock);
    return std::exchange(m_state->Peak, 0.0f);
}

std::vector<float> TMicrophone::Samples() const
{
    std::lock_guard lock(m_state->Lock);
    return m_state->Samples;
}

std::size_t TMicrophone::SampleCount() const
{
    std::lock_guard lock(m_state->Lock);
    return m_state->Samples.size();
}

int TMicrophone::SampleRate() const
{
    std::lock_guard lock(m_state->Lock);
    return m_state->Rate;
}

double TMicrophone::Seconds() const
{
    std::lock_guard lock(m_state->Lock);
    return m_state->Rate > 0 ? double(m_state->Samples.size()) / m_state->Rate : 0.0;
}

std::chrono::milliseconds TMicrophone::MaxLength() const
{
    std::lock_guard lock(m_state->Lock);
    return m_state->MaxLength;
}

TMicrophoneError TMicrophone::Error() const
{
    std::lock_guard lock(m_state->Lock);
    return m_state->Error;
}

std::string TMicrophone::ErrorDetail() const
{
    std::lock_guard lock(m_state->Lock);
    return m_state->ErrorDetail;
}
