#include "settingswindow/RecordDialog.h"

#include "tests/support/EnvironmentVariable.h"
#include "tests/support/PulseServer.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <chrono>

// The recording window over a sound server of the test's own that hears a tone.

namespace {

using namespace std::chrono_literals;

class RecordDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_driver.Set("pulseaudio");
        m_address.Set(m_pulse.Address());
        ASSERT_TRUE(m_pulse.WaitReady()) << "the sound server did not start (scripts/bootstrap test installs it)";
    }

    template <typename T>
    T* Find(const char* name)
    {
        auto* widget = m_dialog.findChild<T*>(name);
        EXPECT_TRUE(widget) << name;
        return widget;
    }

    TEnvironmentVariable m_driver { "SDL_AUDIODRIVER" };
    TEnvironmentVariable m_address { "PULSE_SERVER" };
    TTempDir m_folder { "kd-record" };
    TPulseServer m_pulse { m_folder.Path() };
    TRecordDialog m_dialog { nullptr, 800ms };
};

TEST_F(RecordDialogTest, RecordsWithAMovingMeterAndStopsByItself)
{
    ASSERT_TRUE(m_pulse.PlayTone(440));
    auto* record = Find<QPushButton>("record");
    auto* level = Find<QProgressBar>("level");
    auto* ok = Find<QPushButton>("ok");
    auto* time = Find<QLabel>("time");
    ASSERT_TRUE(record && level && ok && time);
    EXPECT_FALSE(ok->isEnabled()) << "nothing was recorded yet";
    m_dialog.show();

    QTest::mouseClick(record, Qt::LeftButton);
    EXPECT_FALSE(ok->isEnabled());
    // The tone is at half of full scale: the meter stands high while it is heard.
    EXPECT_TRUE(QTest::qWaitFor([&] { return level->value() > 80; }, 5000)) << level->value();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ok->isEnabled(); }, 10000)) << "the recording did not stop by itself";
    EXPECT_EQ(level->value(), 0);
    EXPECT_EQ(record->text(), "&Record");
    const QString length = QLocale().toString(0.8, 'f', 1);
    EXPECT_EQ(time->text(), length + " s of " + length + " s");

    // Play back sounds through the player once the microphone let go of the audio system.
    QTest::mouseClick(Find<QPushButton>("play"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_pulse.Streams() == 2; }, 5000)) << "play back made no stream";

    QSignalSpy accepted(&m_dialog, &QDialog::accepted);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(m_dialog.Samples().size(), std::size_t(m_dialog.SampleRate() * 4 / 5));
}

TEST_F(RecordDialogTest, WithoutAMicrophoneSaysSoAndOffersNothingToKeep)
{
    m_address.Set("unix:" + (m_folder.Path() / "nobody-listens").string());
    auto* record = Find<QPushButton>("record");
    auto* message = Find<QLabel>("message");
    ASSERT_TRUE(record && message);
    m_dialog.show();
    QTest::mouseClick(record, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return message->isVisible(); }, 10000));
    EXPECT_TRUE(message->text().contains("microphone")) << message->text().toStdString();
    EXPECT_FALSE(Find<QPushButton>("ok")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("play")->isEnabled());
    EXPECT_TRUE(record->isEnabled());
}

} // namespace
