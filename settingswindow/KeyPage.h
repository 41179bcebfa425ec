#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class TFamilySettings;

// One key's page: what the key has in every play mode, drawn as play draws it, its sound and
// spoken name to listen to, and the parent's changes: a picture, pattern, sound or spoken name
// from a file or the microphone, the caption, the built-in content back.
class TKeyPage : public QWidget {
    Q_OBJECT
public:
    TKeyPage(TFamilySettings& settings, QWidget* parent = nullptr);

    // Shows key `entry` (1..88).
    void ShowKey(int entry);
    int Entry() const { return m_entry; }
    // Gives the key the picture, pattern, sound or spoken name in `path`: a picture goes to
    // the picture, a sound (or a film's sound) to the sound. False, after telling the parent
    // why, when it cannot be used.
    bool AssignFile(int kind, const QString& path);
    // A dropped file: a picture or a sound by what it holds.
    bool AssignDroppedFile(const QString& path);
    // Plays the key's sound or spoken name.
    void Listen(int kind);

Q_SIGNALS:
    // The key's content changed (not yet saved).
    void KeyChanged(int entry);

private:
    void ChooseFile(int kind);
    void Record(int kind);
    void Restore(int kind);
    void RestoreKey();
    void CaptionEdited();
    void Refresh();

    TFamilySettings& m_settings;
    int m_entry { 0 };
    QLabel* m_title;
    QLineEdit* m_caption;
    std::array<QLabel*, 4> m_previews {};
    std::array<QLabel*, 4> m_origins {};
    std::array<QPushButton*, 4> m_restoreButtons {};
    std::array<QPushButton*, 4> m_listenButtons {};
};
