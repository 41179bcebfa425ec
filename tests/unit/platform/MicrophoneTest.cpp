#include "platform/Microphone.h"

#include "tests/support/EnvironmentVariable.h"
#include "tests/support/PulseServer.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

// The microphone records through SDL's PulseAudio driver from a server of the test's own,
// whose only source hears a tone the test plays into its null sink.

namespace {

using namespace std::chrono_literals;

bool WaitUntilEnded(TMicrophone& microphone, std::chrono::milliseconds deadline = 15s)
{
    return WaitUntil([&] { return !microphone.IsRecording(); }, deadline);
}

float Loudest(const std::vector<float>& samples)
{
    float loudest = 0;
    for (const float s : samples)
        loudest = std::max(loudest, std::fabs(s));
    return loudest;
}

// The frequency of a tone from its upward zero crossings, after its first loud sample.
double Frequency(const std::vector<float>& samples, int rate)
{
    const auto begin = std::ranges::find_if(samples, [](float s) { return std::fabs(s) > 0.1f; });
    int crossings = 0;
    for (auto it = begin; it != samples.end() && std::next(it) != samples.end(); ++it)
        crossings += *it < 0 && *std::next(it) >= 0;
    return crossings * double(rate) / double(std::distance(begin, samples.end()));
}

class MicrophoneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_driver.Set("pulseaudio");
        m_address.Set(m_pulse.Address());
        ASSERT_TRUE(m_pulse.WaitReady()) << "the sound server did not start (scripts/bootstrap test installs it)";
    }

    TEnvironmentVariable m_driver { "SDL_AUDIODRIVER" };
    TEnvironmentVariable m_address { "PULSE_SERVER" };
    TTempDir m_folder { "kd-microphone" };
    TPulseServer m_pulse { m_folder.Path() };
};

TEST_F(MicrophoneTest, RecordsTheToneUntilItsLengthAndAgainAfterStop)
{
    ASSERT_TRUE(m_pulse.PlayTone(440));
    TMicrophone microphone;
    microphone.Start(500ms);
    EXPECT_TRUE(microphone.IsRecording());
    ASSERT_TRUE(WaitUntilEnded(microphone)) << "the recording did not stop by itself";
    EXPECT_EQ(microphone.Error(), TMicrophoneError::None) << microphone.ErrorDetail();
    const int rate = microphone.SampleRate();
    ASSERT_GE(rate, 8000);
    EXPECT_EQ(microphone.SampleCount(), std::size_t(rate / 2));
    EXPECT_NEAR(microphone.Seconds(), 0.5, 0.001);
    const std::vector<float> samples = microphone.Samples();
    EXPECT_GT(Loudest(samples), 0.3f);
    EXPECT_NEAR(Frequency(samples, rate), 440, 25);
    EXPECT_GT(microphone.TakePeak(), 0.3f);
    EXPECT_EQ(microphone.TakePeak(), 0.0f) << "the peak is the loudest since the last ask";

    // Stop ends a long recording at once and keeps what came; the next one starts afresh.
    microphone.Start(5s);
    ASSERT_TRUE(WaitUntil([&] { return microphone.Seconds() > 0.2; }, 10s));
    microphone.Stop();
    EXPECT_FALSE(microphone.IsRecording());
    const std::size_t kept = microphone.SampleCount();
    EXPECT_LT(kept, std::size_t(rate * 4));
    EXPECT_GT(Loudest(microphone.Samples()), 0.3f);
    microphone.Start(300ms);
    ASSERT_TRUE(WaitUntilEnded(microphone));
    EXPECT_EQ(microphone.Error(), TMicrophoneError::None) << microphone.ErrorDetail();
    EXPECT_EQ(microphone.SampleCount(), std::size_t(rate * 3 / 10));
}

TEST_F(MicrophoneTest, WithoutASoundServerOrWithTheSilentDriverSaysSo)
{
    m_address.Set("unix:" + (m_folder.Path() / "nobody-listens").string());
    for (const char* driver : { "pulseaudio", "dummy" }) {
        m_driver.Set(driver);
        TMicrophone microphone;
        microphone.Start(500ms);
        ASSERT_TRUE(WaitUntilEnded(microphone)) << driver;
        EXPECT_EQ(microphone.Error(), TMicrophoneError::NoDevice) << driver;
        EXPECT_FALSE(microphone.ErrorDetail().empty()) << driver;
        EXPECT_EQ(microphone.SampleCount(), 0u) << driver;
    }
}

TEST_F(MicrophoneTest, KeepsWhatCameBeforeTheServerWentAway)
{
    ASSERT_TRUE(m_pulse.PlayTone(440));
    TMicrophone microphone;
    microphone.Start(5s);
    ASSERT_TRUE(WaitUntil([&] { return microphone.Seconds() > 0.2; }, 10s));
    m_pulse.Kill();
    ASSERT_TRUE(WaitUntilEnded(microphone, 4s)) << "the recording went on without its server";
    EXPECT_EQ(microphone.Error(), TMicrophoneError::Lost) << microphone.ErrorDetail();
    EXPECT_GT(Loudest(microphone.Samples()), 0.3f);
    EXPECT_TRUE(microphone.WaitClosed(5s));
}

// A frozen server holds SDL's device open for good: the recording gives up in a few seconds,
// a new one does not pile up behind it, and once the server answers again recording works.
TEST_F(MicrophoneTest, AFrozenServerNeitherHangsNorBlocksTheNextRecording)
{
    m_pulse.Freeze();
    TMicrophone microphone;
    const auto started = std::chrono::steady_clock::now();
    microphone.Start(500ms);
    ASSERT_TRUE(WaitUntilEnded(microphone, 15s));
    EXPECT_LT(std::chrono::steady_clock::now() - started, 8s);
    EXPECT_EQ(microphone.Error(), TMicrophoneError::NoAnswer);
    microphone.Start(500ms);
    EXPECT_FALSE(microphone.IsRecording());
    EXPECT_EQ(microphone.Error(), TMicrophoneError::NoAnswer);

    m_pulse.Thaw();
    ASSERT_TRUE(m_pulse.PlayTone(440));
    ASSERT_TRUE(WaitUntil([&] {
        microphone.Start(200ms);
        return WaitUntilEnded(microphone) && microphone.Error() == TMicrophoneError::None;
    }, 20s));
    EXPECT_GT(Loudest(microphone.Samples()), 0.3f);
}

} // namespace
