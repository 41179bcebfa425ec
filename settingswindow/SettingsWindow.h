#pragma once

#include <QMainWindow>

class TFamilySettings;

// The parent's settings window over the family's settings and content.
class TSettingsWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TSettingsWindow(TFamilySettings& settings, QWidget* parent = nullptr);

    // Another start of play or of this window asked for the display: this window comes to the
    // front and says why play did not start.
    void BringToFront();

private:
    TFamilySettings& m_settings;
};
