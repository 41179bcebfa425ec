#include "settingswindow/SettingsWindow.h"

#include "familycontent/FamilySettings.h"

#include <QStatusBar>

TSettingsWindow::TSettingsWindow(TFamilySettings& settings, QWidget* parent)
    : QMainWindow(parent)
    , m_settings(settings)
{
    setWindowTitle(tr("Kedoozle Settings"));
}

void TSettingsWindow::BringToFront()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    statusBar()->showMessage(tr("Play starts once this window is closed."));
}
