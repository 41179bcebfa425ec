#pragma once

#include <QMainWindow>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class TFamilySettings;
class TKeyGrid;
class TKeyPage;

// The parent's settings window: the play settings, and every key's content, changed here and
// written only by Save; Cancel, or closing without saving, leaves every file as it was.
class TSettingsWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TSettingsWindow(TFamilySettings& settings, QWidget* parent = nullptr);

    // Another start of play (`play`) or of this window asked for the display: this window comes
    // to the front, and says why play did not start.
    void BringToFront(bool play);
    // Writes every change; false, after telling the parent why, when nothing could be written.
    bool Save();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildPlayPage();
    QWidget* BuildKeysPage();
    // Shows the settings as they are now in the play page's controls.
    void ShowPlaySettings();
    void SpeakNames();
    void RestoreAllKeys();
    void Cancel();
    void ShowModified();
    // Runs `work` away from the window, which waits with `text` shown; an error it raises
    // comes back here.
    void RunBusy(const QString& text, const std::function<void()>& work);

    TFamilySettings& m_settings;
    std::array<QRadioButton*, 5> m_modes {};
    QCheckBox* m_sound {};
    QCheckBox* m_childMayChangeSound {};
    QCheckBox* m_childMayChangeMode {};
    QCheckBox* m_mousePlay {};
    QSpinBox* m_eraseLimit {};
    QCheckBox* m_timeLimitOn {};
    QSpinBox* m_timeLimit {};
    QComboBox* m_voice {};
    TKeyGrid* m_grid {};
    TKeyPage* m_keyPage {};
    bool m_showing { false };
};
