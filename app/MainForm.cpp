#include "app/MainForm.h"

#include "app/KeyThread.h"
#include "app/LockNotice.h"
#include "app/MainFormUi.h"
#include "app/ProgramPaths.h"
#include "base/Exceptions.h"
#include "base/IniFile.h"
#include "base/Random.h"
#include "paint/KDPalette.h"
#include "platform/Foreground.h"
#include "platform/KeyRepeat.h"
#include "platform/Sound.h"
#include "platform/Termination.h"
#include "platform/VirtualKeys.h"
#include "platform/keylock/kdkbhook.h"
#include "play/CoverForm.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"
#include "play/MonitorCovers.h"
#include "play/MousePlay.h"
#include "play/PlayState.h"
#include "widgetkit/Application.h"
#include "widgetkit/Controls.h"
#include "widgetkit/ImageControl.h"
#include "widgetkit/KDCtrls.h"
#include "widgetkit/KeyCapture.h"
#include "windows/AboutBoxForm.h"
#include "windows/ExitForm.h"
#include "windows/SplashForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include <cstdio>
#include <exception>

TFrmKedoozle::TFrmKedoozle(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_state(std::make_shared<TPlayState>())
    , m_lockNotice(std::make_unique<TLockNotice>())
    , m_keyRepeatFilter(std::make_unique<TKeyRepeatFilter>())
{
    setWindowTitle(QStringLiteral("Kedoozle"));
    setFocusPolicy(Qt::StrongFocus);
    m_ui = std::make_unique<TMainFormUi>(this, m_state);
    ConnectHandlers();
    m_playTimeLimit.setSingleShot(true);
    // Minutes long: a coarse timer could be off by whole minutes.
    m_playTimeLimit.setTimerType(Qt::PreciseTimer);
    connect(&m_playTimeLimit, &QTimer::timeout, this, [this] { Rest(); });
}

TFrmKedoozle::~TFrmKedoozle() = default;

void TFrmKedoozle::ConnectHandlers()
{
    for (TImage* image : m_ui->ImgPlayModes)
        image->OnClick = [this](TImage* sender) { PlayModeClick(sender); };
    m_ui->ImgSound->OnClick = [this](TImage*) { ImgSoundClick(); };
    m_ui->ImgExit->OnClick = [this](TImage*) { ImgExitClick(); };
    m_ui->ImgExit->OnMouseDown = [this](TImage*) { ImgExitMouseDown(); };
    m_ui->ImgExit->OnMouseUp = [this](TImage*) { ImgExitMouseUp(); };
    m_ui->PnlKedoozle->OnResize = [this](TLxCustomPanel*) { PnlKedoozleResize(); };
    m_ui->ImgKedoozle->OnClick = [this](TImage*) { ImgKedoozleClick(); };
    m_lockNotice->OnChange = [this] { UpdateLockNotice(); };
}

TKDPaintBox* TFrmKedoozle::PbxDisplay() const { return m_ui->PbxDisplay; }

HPALETTE TFrmKedoozle::GetPalette() const { return KDGetPalette(); }

void TFrmKedoozle::CoverOtherMonitors()
{
    if (m_monitorCovers)
        return;
    m_monitorCovers = std::make_unique<TMonitorCovers>(this, PbxDisplay());
    // Mouse play draws on the surface that was clicked, whichever monitor it is on.
    if (m_mousePlayer)
        m_monitorCovers->OnNewSurface = [this](TKDPaintBox* surface) { m_mousePlayer->Watch(surface); };
    m_monitorCovers->Follow();
}

void TFrmKedoozle::DrawKey(std::uint16_t key)
{
    if (!m_state->Plays())
        return;
    // One press, counted once: every surface erases on the same press.
    const bool erase = m_state->CountDrawing();
    if (!m_monitorCovers) {
        PbxDisplay()->DrawKey(key, erase);
        return;
    }
    // The covers draw even when the main surface's drawing fails; its failure is the one shown.
    std::exception_ptr failure;
    try {
        PbxDisplay()->DrawKey(key, erase);
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        m_monitorCovers->DrawKey(key, erase);
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    if (failure)
        std::rethrow_exception(failure);
}

void TFrmKedoozle::AlignChildren() { AlignControls(this, rect()); }

void TFrmKedoozle::FormCreate()
{
    DisableWindowKeys(); // the first thing the window does: lock out the system keys
    TPlaySettings::SetWorkingDirectory();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setGeometry(0, 0, screen.width(), screen.height());
    AlignChildren();
    PbxDisplay()->OnMessage = [this](TKDPaintBox*, const std::string& text) { PbxDisplayMessage(text); };
    PbxDisplay()->OnClearMessage = [this](TKDPaintBox*) { PbxDisplayClearMessage(); };
    m_ui->ShowStartPictures();
    TPlaySettings::RemoveStaleSaveFiles();
    LoadSettings();
    if (m_settings.MousePlay) {
        m_mousePlayer = new TMousePlay(this, [this](std::uint16_t key) { PlayKeySound(key); });
        m_mousePlayer->Watch(PbxDisplay());
    }
    Randomize();
    if (m_settings.PlayTimeLimitSeconds > 0)
        m_playTimeLimit.start(m_settings.PlayTimeLimitSeconds * 1000);
    m_keyReleased = true;
    m_winKeyPending = false;
    // The key-watch thread runs always here: it keeps WinKeysUp true to the Super keys.
    m_checkKeysThread = std::make_unique<TCheckKeysThread>();
    // A lock that does not hold is said, rather than played on silently.
    m_lockNotice->Watch();
}

void TFrmKedoozle::FormDestroy()
{
    m_playTimeLimit.stop();
    // Ended by a signal (a logout, a closed terminal, Ctrl+C), the process may be killed
    // outright a moment later and nobody may be there to answer a box: the keyboard and the
    // console keys go back first, and a failed save is told on the error output.
    const bool signalled = TerminationSignal() != 0;
    if (signalled)
        EnableWindowKeys();
    if (m_monitorCovers)
        m_monitorCovers->CloseAll();
    m_lockNotice->StopWatching();
    if (m_checkKeysThread)
        m_checkKeysThread->Terminate();
    // A failed save is reported, and shutdown goes on: the modules are freed and the
    // system keys are always given back.
    if (signalled)
        SaveSettingsOrSay();
    else
        HandleExceptions([this] { SaveSettings(); });
    TPlaySettings::FreeModules(m_state->Modules);
    EnableWindowKeys(); // the last thing the window does
}

void TFrmKedoozle::LoadSettings()
{
    TIniFile iniFile(SettingsFileToRead());
    m_settings.Read(iniFile, *m_state);
    m_ui->ShowPlayModeImage(m_state->PlayMode(), true);
    m_ui->ShowSoundSwitch(m_settings.SoundOn);
    ShowFixedControls();
    TPlaySettings::LoadModules(iniFile, m_state->Modules);
    KeyTable->LoadFromIni(iniFile);
}

void TFrmKedoozle::SaveSettings() { m_settings.Save(*m_state); }

void TFrmKedoozle::SaveSettingsOrSay()
{
    try {
        SaveSettings();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Kedoozle: the settings could not be saved: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "Kedoozle: the settings could not be saved.\n");
    }
}

void TFrmKedoozle::ShowFixedControls()
{
    m_ui->SetPlayModesFixed(!m_settings.ChildMayChangeMode || m_state->Resting());
    m_ui->SetSoundFixed(!m_settings.ChildMayChangeSound || m_state->Resting());
}

void TFrmKedoozle::Rest()
{
    if (m_state->Resting())
        return;
    m_state->Rest();
    CloseSplash();
    PlaySound("", 0, SND_ASYNC); // a sound still playing ends with play
    PbxDisplay()->ShowRest();
    if (m_monitorCovers) {
        for (TFrmCover* cover : m_monitorCovers->Covers())
            cover->PbxDisplay()->ShowRest();
    }
    ShowFixedControls();
}

void TFrmKedoozle::PlayModeClick(TImage* sender)
{
    CloseSplash();
    if (m_ui->PlayModesFixed())
        return;
    m_ui->ShowPlayModeImage(m_state->PlayMode(), false);
    m_state->SetPlayMode(std::uint8_t(sender->Tag()));
    m_ui->ShowPlayModeImage(m_state->PlayMode(), true);
}

void TFrmKedoozle::ImgSoundClick()
{
    if (m_ui->SoundFixed())
        return;
    m_settings.SoundOn = !m_settings.SoundOn;
    m_ui->ShowSoundSwitch(m_settings.SoundOn);
}

void TFrmKedoozle::ImgKedoozleClick() { TFrmAboutBox::Execute(this); }

void TFrmKedoozle::ImgExitMouseDown() { m_ui->ShowExitImage(false); }

void TFrmKedoozle::ImgExitMouseUp() { m_ui->ShowExitImage(true); }

void TFrmKedoozle::ImgExitClick()
{
    // The confirmation's lower-right corner lies 16 pixels in from the surface's own.
    const QPoint topLeft = TFrmExit::TopLeftFor(PbxDisplay()->size());
    const int result = m_confirmExit ? m_confirmExit(this, topLeft) : TFrmExit::Execute(this, topLeft);
    if (result != TFrmExit::mrYes)
        return;
    if (m_monitorCovers)
        m_monitorCovers->CloseAll();
    setGeometry(0, 0, 0, 0);
    m_closeConfirmed = true;
    close();
    QCoreApplication::quit();
}

void TFrmKedoozle::PnlKedoozleResize() { m_ui->CenterLogo(); }

void TFrmKedoozle::AppEventsDeactivate()
{
    if (m_closeConfirmed)
        return;
    ForceForeground(this);
}

void TFrmKedoozle::FormKeyDown(std::uint16_t& key)
{
    const bool winKey = key == VK::LWin || key == VK::RWin;
    // A Windows key's key-up may never arrive: another key, or the Windows key again once the
    // watch thread sees both up, may act at once.
    if (m_winKeyPending && (!winKey || WinKeysUp.load())) {
        m_keyReleased = true;
        m_winKeyPending = false;
    }
    if (m_keyReleased) {
        m_keyReleased = false;
        PlayKeySound(key);
        DrawKey(key);
    }
    if (winKey)
        m_winKeyPending = true;
    key = 0;
}

void TFrmKedoozle::PlayKeySound(std::uint16_t key)
{
    if (!m_settings.SoundOn || m_state->Resting())
        return;
    const TContentModules& modules = m_state->Modules;
    if (m_state->PlayMode() == KeyType) {
        if (KeyTable->UseKeySoundRes(key))
            PlaySound(KeyTable->GetKeySoundResName(key), modules.Keys, SND_RESOURCE | SND_ASYNC);
        else
            PlaySound(KeyTable->GetKeySoundFile(key), 0, SND_FILENAME | SND_ASYNC);
        return;
    }
    if (KeyTable->UseSoundRes(key))
        PlaySound(KeyTable->GetSoundResName(key), modules.Sounds, SND_RESOURCE | SND_ASYNC);
    else
        PlaySound(KeyTable->GetSoundFile(key), 0, SND_FILENAME | SND_ASYNC);
}

void TFrmKedoozle::FormKeyUp(std::uint16_t& key)
{
    key = 0;
    m_keyReleased = true;
}

void TFrmKedoozle::PbxDisplayMessage(const std::string& text)
{
    if (!m_settings.ShowMessages)
        return;
    m_traceShown = true;
    m_lockNoticeShowing = false;
    m_ui->ShowTrace(text);
}

void TFrmKedoozle::PbxDisplayClearMessage()
{
    CloseSplash();
    if (!m_settings.ShowMessages)
        return;
    m_traceShown = false;
    m_ui->HideMessage(true);
    m_lockNoticeShowing = false;
    UpdateLockNotice();
}

// The notice takes the logo's place; the play modes, the sound switch and the exit stay. A
// trace on show keeps the message area until the next drawing, which brings the notice back.
void TFrmKedoozle::UpdateLockNotice()
{
    if (m_traceShown)
        return;
    const std::string text = m_lockNotice->Text();
    if (!text.empty()) {
        m_ui->ShowNotice(text);
        m_lockNoticeShowing = true;
    } else if (m_lockNoticeShowing) {
        m_lockNoticeShowing = false;
        m_ui->HideMessage(false);
    }
    m_ui->Realign();
}

void TFrmKedoozle::CloseSplash()
{
    if (!SplashShowing)
        return;
    if (FrmSplash)
        FrmSplash->DismissSplash();
    SplashShowing = false;
}

bool TFrmKedoozle::event(QEvent* event)
{
    // Tab and Backtab come here like any other key instead of moving the focus.
    if (TakeKeyEvent(event, [this](QKeyEvent* key) { DispatchKeyEvent(*key); }))
        return true;
    switch (event->type()) {
    case QEvent::WindowBlocked:
    case QEvent::WindowUnblocked:
    case QEvent::WindowDeactivate:
        // A modal window (the error box), a dialog (the exit confirmation, which passes its
        // keys on here) or another program has the keyboard now or had it until now: the
        // key-up of a held key may have gone there.
        ResetKeyState();
        break;
    case QEvent::Resize:
    case QEvent::LayoutRequest:
        AlignChildren();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TFrmKedoozle::DispatchKeyEvent(const QKeyEvent& event)
{
    const TKeyRepeatFilter::TKeyEvent keyEvent { event.type() == QEvent::KeyPress, event.isAutoRepeat(),
                                                 event.nativeScanCode(), event.timestamp() };
    for (TKeyEventKind kind : m_keyRepeatFilter->Filter(keyEvent)) {
        std::uint16_t key = VirtualKeyFromEvent(event);
        if (kind == TKeyEventKind::Down)
            FormKeyDown(key);
        else
            FormKeyUp(key);
    }
}

void TFrmKedoozle::ResetKeyState()
{
    // Key-ups that went to another window never come here: no key counts as held any more.
    m_keyReleased = true;
    m_keyRepeatFilter->Reset();
}

void TFrmKedoozle::closeEvent(QCloseEvent* event)
{
    // Only the confirmed exit closes the window; every other close request is refused.
    if (m_closeConfirmed)
        event->accept();
    else
        event->ignore();
}

bool TFrmKedoozle::focusNextPrevChild(bool) { return false; }
