#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// Why a recording gave nothing, or ended before its time.
enum class TMicrophoneError {
    None,
    NoDevice, // no capture device could be opened: there is none, or no sound server
    NoAnswer, // the sound server stopped answering; what came before is kept
    Lost,     // the device went away while recording; what came before is kept
};

// Records mono sound from the default capture device, at the device's own rate where it has
// one (48 kHz otherwise), until Stop or the maximum length. The device opens and closes on a
// thread of its own, so a sound server that does not answer never holds up the caller: after a
// few seconds without an answer the recording gives up with NoAnswer. Starting a recording
// stops the sound that is playing, so the two never bring the audio system up or down at once
// and the loudspeaker is not recorded.
class TMicrophone {
public:
    TMicrophone();
    ~TMicrophone();
    TMicrophone(const TMicrophone&) = delete;
    TMicrophone& operator=(const TMicrophone&) = delete;

    // Starts a new recording of at most `maxLength` (ten minutes at the most), forgetting the
    // last one, and returns at once. Does nothing while recording.
    void Start(std::chrono::milliseconds maxLength = std::chrono::seconds(5));
    // Ends the recording; what was recorded is kept.
    void Stop();
    // Waits at most `wait` until the device of the last recording is closed and SDL's audio is
    // free for a sound to play; false when it is still busy.
    bool WaitClosed(std::chrono::milliseconds wait);

    // From Start until Stop, the maximum length or a failure (opening the device counts).
    bool IsRecording();
    // The loudest sample (0..1) since the last call, for a level meter.
    float TakePeak();
    std::vector<float> Samples() const;
    std::size_t SampleCount() const;
    // 0 until the device is open.
    int SampleRate() const;
    double Seconds() const;
    std::chrono::milliseconds MaxLength() const;

    TMicrophoneError Error() const;
    // The audio system's own words for the failure (English), or "".
    std::string ErrorDetail() const;

    struct TState;

private:
    std::shared_ptr<TState> m_state;
};
