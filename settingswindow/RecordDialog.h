#pragma once

#include "platform/Microphone.h"

#include <QDialog>

#include <chrono>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// Records a key's sound from the microphone: Record (which becomes Stop while recording), a
// level meter, the time recorded, Play back of the sound as the key will play it (trimmed and
// evened out), OK once something was recorded, and Cancel. A recording stops by itself at its
// maximum length. After exec() gives Accepted, Samples() and SampleRate() hold the recording.
class TRecordDialog : public QDialog {
    Q_OBJECT
public:
    explicit TRecordDialog(QWidget* parent = nullptr, std::chrono::milliseconds maxLength = std::chrono::seconds(5));

    std::vector<float> Samples() const { return m_microphone.Samples(); }
    int SampleRate() const { return m_microphone.SampleRate(); }

    void done(int result) override;

private:
    void ToggleRecording();
    void ShowProgress();
    void ShowEnded();
    void PlayBack();
    void ShowMessage(const QString& message);

    TMicrophone m_microphone;
    std::chrono::milliseconds m_maxLength;
    QPushButton* m_record { nullptr };
    QPushButton* m_play { nullptr };
    QProgressBar* m_level { nullptr };
    QLabel* m_time { nullptr };
    QLabel* m_message { nullptr };
    QDialogButtonBox* m_buttons { nullptr };
    QTimer* m_timer { nullptr };
    int m_shownLevel { 0 };
};
