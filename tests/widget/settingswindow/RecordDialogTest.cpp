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

// The recording window over a sound server of the test's own: first without it, then hearing a
// tone, with play back and OK.
TEST(RecordDialogTest, SaysWhenNoMicrophoneOpensThenRecordsPlaysBackAndGivesTheRecording)
{
    TEnvironmentVariable driver("SDL_AUDIODRIVER");
    TEnvironmentVariable address("PULSE_SERVER");
    TTempDir folder("kd-record");
    TPulseServer pulse(folder.Path());
    driver.Set("pulseaudio");
    address.Set("unix:" + (folder.Path() / "nobody-listens").string());
    ASSERT_TRUE(pulse.WaitReady()) << "the sound server did not start (scripts/bootstrap test installs it)";

    TRecordDialog dialog(nullptr, std::chrono::milliseconds(800));
    auto* record = dialog.findChild<QPushButton*>("record");
    auto* play = dialog.findChild<QPushButton*>("play");
    auto* ok = dialog.findChild<QPushButton*>("ok");
    auto* level = dialog.findChild<QProgressBar*>("level");
    auto* time = dialog.findChild<QLabel*>("time");
    auto* message = dialog.findChild<QLabel*>("message");
    ASSERT_TRUE(record && play && ok && level && time && message);
    dialog.show();
    QTest::mouseClick(record, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return message->isVisible(); }, 10000));
    EXPECT_TRUE(message->text().contains("microphone")) << message->text().toStdString();
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(play->isEnabled());

    address.Set(pulse.Address());
    ASSERT_TRUE(pulse.PlayTone(440));
    QTest::mouseClick(record, Qt::LeftButton);
    EXPECT_FALSE(message->isVisible());
    // The tone is at half of full scale: the meter stands high while it is heard.
    EXPECT_TRUE(QTest::qWaitFor([&] { return level->value() > 80; }, 5000)) << level->value();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ok->isEnabled(); }, 10000)) << "the recording did not stop by itself";
    EXPECT_EQ(level->value(), 0);
    EXPECT_EQ(record->text(), "&Record");
    const QString length = QLocale().toString(0.8, 'f', 1);
    EXPECT_EQ(time->text(), length + " s of " + length + " s");

    // Play back goes through the sound player once the microphone let go of the audio system.
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pulse.Streams() == 2; }, 5000)) << "play back made no stream";

    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(dialog.Samples().size(), std::size_t(dialog.SampleRate() * 4 / 5));
}
