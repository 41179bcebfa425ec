#include "settingswindow/RecordDialog.h"

#include "familycontent/PackSound.h"
#include "platform/Sound.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

// About twenty looks a second: a meter that follows the voice without flicker.
constexpr int MeterInterval = 50;
// The meter shows the loudest sample in decibels over this range, so a quiet voice still moves it.
constexpr double MeterRangeDb = 60.0;
// How far the meter falls a look (in percent), so short peaks stay visible.
constexpr int MeterFall = 4;

int MeterLevel(float peak)
{
    if (peak <= 0.0f)
        return 0;
    const double db = 20.0 * std::log10(double(peak));
    return std::clamp(int(std::lround((db + MeterRangeDb) / MeterRangeDb * 100.0)), 0, 100);
}

} // namespace

TRecordDialog::TRecordDialog(QWidget* parent, std::chrono::milliseconds maxLength)
    : QDialog(parent)
    , m_maxLength(maxLength)
{
    setWindowTitle(tr("Record a Sound"));
    const QString maxSeconds = QLocale().toString(double(maxLength.count()) / 1000.0, 'g', 3);

    auto* intro = new QLabel(tr("Press Record and speak near the microphone. The recording stops by itself "
                                "after %1 seconds; the silence before and after is left out.")
                                 .arg(maxSeconds),
                             this);
    intro->setWordWrap(true);

    m_record = new QPushButton(tr("&Record"), this);
    m_record->setObjectName("record");
    m_play = new QPushButton(tr("&Play Back"), this);
    m_play->setObjectName("play");
    m_play->setEnabled(false);
    m_level = new QProgressBar(this);
    m_level->setObjectName("level");
    m_level->setRange(0, 100);
    m_level->setValue(0);
    m_level->setTextVisible(false);
    m_level->setAccessibleName(tr("Sound level"));
    m_time = new QLabel(this);
    m_time->setObjectName("time");
    m_message = new QLabel(this);
    m_message->setObjectName("message");
    m_message->setWordWrap(true);
    m_message->setVisible(false);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = m_buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName("ok");
    ok->setEnabled(false);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(m_record);
    row->addWidget(m_level, 1);
    row->addWidget(m_time);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(row);
    layout->addWidget(m_play, 0, Qt::AlignLeft);
    layout->addWidget(m_message);
    layout->addStretch(1);
    layout->addWidget(m_buttons);

    m_timer = new QTimer(this);
    m_timer->setInterval(MeterInterval);
    connect(m_timer, &QTimer::timeout, this, &TRecordDialog::ShowProgress);
    connect(m_record, &QPushButton::clicked, this, &TRecordDialog::ToggleRecording);
    connect(m_play, &QPushButton::clicked, this, &TRecordDialog::PlayBack);
    // Wide enough that the texts wrap into a few lines, not a column.
    setMinimumWidth(fontMetrics().averageCharWidth() * 56);
    ShowProgress();
    m_record->setFocus();
}

void TRecordDialog::done(int result)
{
    // What was recorded up to OK is what the dialog gives; a recording under way ends here.
    m_microphone.Stop();
    m_timer->stop();
    QDialog::done(result);
}

void TRecordDialog::ToggleRecording()
{
    if (m_microphone.IsRecording()) {
        m_microphone.Stop();
        ShowProgress();
        return;
    }
    m_microphone.Start(m_maxLength);
    m_microphone.TakePeak();
    m_shownLevel = 0;
    m_record->setText(tr("&Stop"));
    m_play->setEnabled(false);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    m_message->setVisible(false);
    m_timer->start();
    ShowProgress();
}

void TRecordDialog::ShowProgress()
{
    const QLocale locale;
    const double max = double(m_maxLength.count()) / 1000.0;
    const double seconds = std::min(m_microphone.Seconds(), max);
    m_time->setText(tr("%1 s of %2 s").arg(locale.toString(seconds, 'f', 1), locale.toString(max, 'f', 1)));
    if (!m_microphone.IsRecording()) {
        ShowEnded();
        return;
    }
    m_shownLevel = std::max(MeterLevel(m_microphone.TakePeak()), m_shownLevel - MeterFall);
    m_level->setValue(m_shownLevel);
}

void TRecordDialog::ShowEnded()
{
    m_timer->stop();
    m_shownLevel = 0;
    m_level->setValue(0);
    m_record->setText(tr("&Record"));
    const bool recorded = m_microphone.SampleCount() > 0;
    m_play->setEnabled(recorded);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(recorded);

    QString message;
    switch (m_microphone.Error()) {
    case TMicrophoneError::None:
        break;
    case TMicrophoneError::NoDevice:
        message = tr("No microphone could be opened. Check that one is connected and switched on in the "
                     "system's sound settings, then press Record again.");
        break;
    case TMicrophoneError::NoAnswer:
        message = recorded ? tr("The sound system stopped answering. What was recorded until then is kept.")
                           : tr("The sound system does not answer. Try again in a moment.");
        break;
    case TMicrophoneError::Lost:
        message = tr("The microphone went away while recording. What was recorded until then is kept.");
        break;
    }
    if (message.isEmpty())
        return;
    if (const QString detail = QString::fromStdString(m_microphone.ErrorDetail()); !detail.isEmpty())
        message += "\n" + tr("(The system says: %1)").arg(detail);
    ShowMessage(message);
}

void TRecordDialog::ShowMessage(const QString& message)
{
    m_message->setText(message);
    m_message->setVisible(true);
    // Wrapped text does not make a window taller by itself.
    layout()->activate();
    if (const int needed = heightForWidth(width()); needed > height())
        resize(width(), needed);
}

void TRecordDialog::PlayBack()
{
    // The player and the microphone never open or close the audio system at the same moment.
    m_microphone.WaitClosed(std::chrono::seconds(1));
    try {
        const TPackedSound sound = PackSamples(m_microphone.Samples(), m_microphone.SampleRate());
        PlaySoundData(sound.Wave, SND_ASYNC | SND_NODEFAULT);
    } catch (const std::exception& e) {
        // The packer's reasons are written for the parent ("this sound is silent. Record it again...").
        QString reason = QString::fromStdString(e.what());
        if (!reason.isEmpty())
            reason[0] = reason[0].toUpper();
        ShowMessage(tr("This recording cannot be played: %1").arg(reason));
    }
}
