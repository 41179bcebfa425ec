#include "app/MainForm.h"

#include "app/KeyThread.h"
#include "app/ProgramPaths.h"
#include "base/Exceptions.h"
#include "base/IniFile.h"
#include "base/Random.h"
#include "paint/ColorData.h"
#include "paint/KDPalette.h"
#include "platform/Foreground.h"
#include "platform/KeyRepeat.h"
#include "platform/Sound.h"
#include "platform/VirtualKeys.h"
#include "platform/keylock/kdkbhook.h"
#include "play/KDGlobals.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"
#include "play/MonitorCovers.h"
#include "play/MousePlay.h"
#include "resources/ProgramResources.h"
#include "widgetkit/Application.h"
#include "widgetkit/Controls.h"
#include "widgetkit/ImageControl.h"
#include "widgetkit/KDCtrls.h"
#include "widgetkit/LxBHints.h"
#include "windows/AboutBoxForm.h"
#include "windows/ExitForm.h"
#include "windows/SplashForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QDateTime>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <exception>
#include <filesystem>

namespace {

constexpr TColor Purple = RGB(102, 51, 153);
constexpr TColor PaletteDisplayPurple = 0x02993366;
constexpr TColor PaletteLavender = 0x02FF6699;
constexpr TColor PaletteDarkPurple = 0x02660033;

constexpr std::uint16_t VK_LWIN = 91;
constexpr std::uint16_t VK_RWIN = 92;
constexpr std::uint32_t SoundResourceFlags = 0x40005; // SND_RESOURCE | SND_ASYNC
constexpr std::uint32_t SoundFileFlags = 0x20001;     // SND_FILENAME | SND_ASYNC
constexpr int mrYes = 6;

const char* const PlayModeBitmaps[5][2] = {
    { "CLASSICTYPE_OFF", "CLASSICTYPE_ON" }, { "PATTERNTYPE_OFF", "PATTERNTYPE_ON" },
    { "SHAPETYPE_OFF", "SHAPETYPE_ON" },     { "PICTURETYPE_OFF", "PICTURETYPE_ON" },
    { "KEYTYPE_OFF", "KEYTYPE_ON" },
};
const int PlayModeHints[5] = { Str::HintClassicType, Str::HintPatternType, Str::HintShapeType, Str::HintPictureType,
                               Str::HintKeyType };

TKDPanel* NewPanel(QWidget* parent, TAlign align, TColor color)
{
    auto* panel = new TKDPanel(parent);
    SetAlign(panel, align);
    panel->SetBorderOuter(TFrameStyle::fsNone);
    panel->SetColor(color);
    return panel;
}

std::string WithTrailingSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

} // namespace

TFrmKedoozle::TFrmKedoozle(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_keysLocked(WindowKeysLocked)
    , m_keyRepeatFilter(std::make_unique<TKeyRepeatFilter>())
{
    setWindowTitle(QStringLiteral("Kedoozle"));
    setFocusPolicy(Qt::StrongFocus);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    CreateControls();
    SetWindowKeysReport([](void* form, int state) { static_cast<TFrmKedoozle*>(form)->WindowKeysReport(state); },
                        this);
}

TFrmKedoozle::~TFrmKedoozle()
{
    SetWindowKeysReport(nullptr, nullptr);
    if (m_keyLockTimer)
        WatchWindowKeysLocked(nullptr, nullptr);
}

HPALETTE TFrmKedoozle::GetPalette() const { return KDGetPalette(); }

void TFrmKedoozle::CoverOtherMonitors()
{
    if (m_monitorCovers)
        return;
    m_monitorCovers = std::make_unique<TMonitorCovers>(this, m_pbxDisplay);
    // Mouse play draws on the surface that was clicked, whichever monitor it is on.
    if (m_mousePlayer)
        m_monitorCovers->OnNewSurface = [this](TKDPaintBox* surface) { m_mousePlayer->Watch(surface); };
    m_monitorCovers->Follow();
}

void TFrmKedoozle::DrawKey(std::uint16_t key)
{
    if (!m_monitorCovers) {
        m_pbxDisplay->KeyPressed(key);
        return;
    }
    // The covers draw even when the main surface's drawing fails; its failure is the one shown.
    const int countBefore = m_pbxDisplay->DrawCount();
    std::exception_ptr failure;
    try {
        m_pbxDisplay->KeyPressed(key);
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        m_monitorCovers->KeyPressed(key, countBefore);
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    if (failure)
        std::rethrow_exception(failure);
}

void TFrmKedoozle::CreateControls()
{
    m_pnlOuterFrame = new TKDPanel(this);
    SetAlign(m_pnlOuterFrame, TAlign::alClient);
    m_pnlOuterFrame->SetBevelWidth(4);
    m_pnlOuterFrame->SetBorderOuter(TFrameStyle::fsPopup);
    m_pnlOuterFrame->SetBorderColor(PaletteDisplayPurple);
    m_pnlOuterFrame->SetBorderHighlight(PaletteLavender);
    m_pnlOuterFrame->SetBorderShadow(PaletteDarkPurple);
    m_pnlOuterFrame->SetColor(Purple);

    m_pnlControlPanel = NewPanel(m_pnlOuterFrame, TAlign::alBottom, PaletteDisplayPurple);
    m_pnlControlPanel->resize(m_pnlControlPanel->width(), 46);

    m_pnlPlayModes = NewPanel(m_pnlControlPanel, TAlign::alLeft, PaletteDisplayPurple);
    m_pnlPlayModes->SetParentColor(true);
    m_pnlPlayModes->resize(229, m_pnlPlayModes->height());
    for (int mode = 0; mode < 5; ++mode) {
        auto* image = new TImage(m_pnlPlayModes);
        image->setGeometry(12 + 44 * mode, 4, 32, 32);
        image->SetTag(mode);
        image->OnClick = [this](TImage* sender) { PlayModeClick(sender); };
        m_imgPlayModes[mode] = image;
    }

    m_pnlSettings = NewPanel(m_pnlControlPanel, TAlign::alRight, PaletteDisplayPurple);
    m_pnlSettings->SetParentColor(true);
    m_pnlSettings->resize(148, m_pnlSettings->height());
    m_imgSound = new TImage(m_pnlSettings);
    m_imgSound->setGeometry(60, 4, 32, 32);
    m_imgSound->SetAutoSize(true);
    m_imgSound->OnClick = [this](TImage*) { ImgSoundClick(); };
    m_imgExit = new TImage(m_pnlSettings);
    m_imgExit->setGeometry(108, 4, 32, 32);
    m_imgExit->SetAutoSize(true);
    m_imgExit->OnClick = [this](TImage*) { ImgExitClick(); };
    m_imgExit->OnMouseDown = [this](TImage*) { ImgExitMouseDown(); };
    m_imgExit->OnMouseUp = [this](TImage*) { ImgExitMouseUp(); };

    m_pnlKedoozle = NewPanel(m_pnlControlPanel, TAlign::alClient, PaletteDisplayPurple);
    m_pnlKedoozle->OnResize = [this](TLxCustomPanel*) { PnlKedoozleResize(); };
    m_imgKedoozle = new TImage(m_pnlKedoozle);
    m_imgKedoozle->setGeometry(0, 4, 247, 32);
    m_imgKedoozle->SetCenter(true);
    m_imgKedoozle->OnClick = [this](TImage*) { ImgKedoozleClick(); };

    m_lblMessage = new TLxLabel(m_pnlControlPanel);
    SetAlign(m_lblMessage, TAlign::alClient);
    m_lblMessage->hide();
    m_lblMessage->SetAutoSize(false);
    m_lblMessage->SetCaption("Message Area");
    TFont messageFont;
    messageFont.Name = "Courier New";
    messageFont.SetHeight(-11);
    messageFont.Color = clWhite;
    m_lblMessage->SetFont(messageFont);
    m_lblMessage->SetWordWrap(true);
    m_lblMessage->SetBorderColor(PaletteDisplayPurple);
    m_lblMessage->SetBorderWidth(2);
    m_lblMessage->SetFrameSides(0);
    m_lblMessage->SetTextStyle(TTextStyle::tsNormal);

    m_pnlInnerFrame = NewPanel(m_pnlOuterFrame, TAlign::alClient, clBlack);
    m_pnlInnerFrame->SetBevelWidth(4);
    m_pnlInnerFrame->SetBorderInner(TFrameStyle::fsStatus);
    m_pnlInnerFrame->SetBorderColor(PaletteDisplayPurple);
    m_pnlInnerFrame->SetBorderHighlight(PaletteLavender);
    m_pnlInnerFrame->SetBorderShadow(PaletteDarkPurple);
    m_pnlInnerFrame->SetBorderWidth(8);

    m_pnlInterior = NewPanel(m_pnlInnerFrame, TAlign::alClient, clBlack);
    m_pbxDisplay = new TKDPaintBox(m_pnlInterior);
    SetAlign(m_pbxDisplay, TAlign::alClient);

    // The control panel's pictures explain themselves in speech balloons.
    m_hntKedoozle = new TLxBalloonHints(this);
    m_hntKedoozle->SetAlignment(TAlignment::taCenter);
    m_hntKedoozle->SetTransparentColor(clOlive);
    m_hntKedoozle->SetCaptionWidth(160);
    m_hntKedoozle->SetColor(clYellow);
    m_hntKedoozle->SetBalloonStyle(TLxBalloonStyle::bsStandard);
    TFont hintFont;
    hintFont.Name = "Arial";
    hintFont.SetHeight(-13);
    hintFont.Style = fsBold;
    hintFont.Color = clWindowText;
    m_hntKedoozle->SetFont(hintFont);
    m_hntKedoozle->SetHintPause(500);
    m_hntKedoozle->SetShowBalloon(true);
}

void TFrmKedoozle::AlignChildren() { AlignControls(this, rect()); }

TImage* TFrmKedoozle::PlayModeImage(int mode) const { return mode >= 0 && mode < 5 ? m_imgPlayModes[mode] : nullptr; }

std::string TFrmKedoozle::PlayModeImageName(int mode) const
{
    return mode >= 0 && mode < 5 ? m_playModeImageNames[mode] : std::string();
}

void TFrmKedoozle::FormCreate()
{
    DisableWindowKeys(); // the first thing the window does: lock out the system keys
    SetWorkingDirectory();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setGeometry(0, 0, screen.width(), screen.height());
    AlignChildren();
    m_pbxDisplay->OnMessage = [this](TKDPaintBox*, const std::string& text) { PbxDisplayMessage(text); };
    m_pbxDisplay->OnClearMessage = [this](TKDPaintBox*) { PbxDisplayClearMessage(); };
    m_hntKedoozle->SetColor(BalloonHintColor());
    m_imgKedoozle->setCursor(CursorById(crKDHand));
    m_imgKedoozle->SetHint(LoadStr(Str::HintLogo));
    m_imgExit->setCursor(CursorById(crKDHand));
    m_imgExit->SetHint(LoadStr(Str::HintExit));
    SetControlHints();
    for (std::uint8_t mode = 0; mode < 5; ++mode)
        ShowPlayModeImage(mode, false);
    ShowSoundImage(false);
    ShowExitImage(true);
    LoadLogo();
    LoadSettings();
    if (m_mousePlay) {
        m_mousePlayer = new TMousePlay(this, [this](std::uint16_t key) { PlayKeySound(key); });
        m_mousePlayer->Watch(m_pbxDisplay);
    }
    Randomize();
    m_keyReleased = true;
    m_winKeyPending = false;
    // The key-watch thread runs always here: it keeps WinKeysUp true to the Super keys.
    m_checkKeysThread = std::make_unique<TCheckKeysThread>();
    // A lock that does not hold is said, rather than played on silently. The lock tells
    // when it changes; the timer only waits out the grace.
    m_keyLockTimer = new QTimer(this);
    m_keyLockTimer->setSingleShot(true);
    connect(m_keyLockTimer, &QTimer::timeout, this, [this] { CheckKeyLock(); });
    WatchWindowKeysLocked([](void* form) { static_cast<TFrmKedoozle*>(form)->CheckKeyLock(); }, this);
    CheckKeyLock();
}

void TFrmKedoozle::FormDestroy()
{
    if (m_monitorCovers)
        m_monitorCovers->CloseAll();
    WatchWindowKeysLocked(nullptr, nullptr);
    if (m_keyLockTimer)
        m_keyLockTimer->stop();
    if (m_checkKeysThread)
        m_checkKeysThread->Terminate();
    // A failed save is reported, and shutdown goes on: the modules are freed and the
    // system keys are always given back.
    HandleExceptions([this] { SaveSettings(); });
    FreeModules();
    EnableWindowKeys(); // the last thing the window does
}

void TFrmKedoozle::SetControlHints()
{
    for (int mode = 0; mode < 5; ++mode) {
        m_imgPlayModes[mode]->setCursor(CursorById(crKDHand));
        m_imgPlayModes[mode]->SetHint(LoadStr(PlayModeHints[mode]));
    }
    m_imgSound->setCursor(CursorById(crKDHand));
}

void TFrmKedoozle::ShowPlayModeImage(std::uint8_t mode, bool selected)
{
    if (mode > 4)
        return;
    const char* name = PlayModeBitmaps[mode][selected ? 1 : 0];
    m_imgPlayModes[mode]->SetPicture(LoadProgramBitmap(name));
    m_playModeImageNames[mode] = name;
}

void TFrmKedoozle::ShowSoundImage(bool on)
{
    const char* name = on ? "SOUND_ON" : "SOUND_OFF";
    m_imgSound->SetPicture(LoadProgramBitmap(name));
    m_soundImageName = name;
}

void TFrmKedoozle::UpdateSoundSwitch()
{
    m_imgSound->SetHint(LoadStr(m_soundOn ? Str::HintSoundOn : Str::HintSoundOff));
    ShowSoundImage(m_soundOn);
}

void TFrmKedoozle::ShowExitImage(bool up)
{
    const char* name = up ? "EXIT_UP" : "EXIT_DOWN";
    m_imgExit->SetPicture(LoadProgramBitmap(name));
    m_exitImageName = name;
}

void TFrmKedoozle::LoadLogo() { m_imgKedoozle->SetPicture(LoadProgramBitmap("KEDOOZLE_LOGO")); }

void TFrmKedoozle::PlayModeClick(TImage* sender)
{
    CloseSplash();
    ShowPlayModeImage(m_pbxDisplay->PlayMode(), false);
    m_pbxDisplay->SetPlayMode(std::uint8_t(sender->Tag()));
    ShowPlayModeImage(m_pbxDisplay->PlayMode(), true);
}

void TFrmKedoozle::ImgSoundClick()
{
    m_soundOn = !m_soundOn;
    UpdateSoundSwitch();
}

void TFrmKedoozle::ImgKedoozleClick() { TFrmAboutBox::Execute(this); }

void TFrmKedoozle::ImgExitMouseDown() { ShowExitImage(false); }

void TFrmKedoozle::ImgExitMouseUp() { ShowExitImage(true); }

void TFrmKedoozle::ImgExitClick()
{
    // The confirmation's lower-right corner lies at the point (surface width, surface
    // height), 16 pixels in from the surface's own lower-right corner.
    const QPoint topLeft(m_pbxDisplay->width() - TFrmExit::OuterWidth, m_pbxDisplay->height() - TFrmExit::OuterHeight);
    const int result = m_confirmExit ? m_confirmExit(this, topLeft) : TFrmExit::Execute(this, topLeft);
    if (result != mrYes)
        return;
    if (m_monitorCovers)
        m_monitorCovers->CloseAll();
    setGeometry(0, 0, 0, 0);
    m_closeConfirmed = true;
    close();
    QCoreApplication::quit();
}

void TFrmKedoozle::PnlKedoozleResize()
{
    m_imgKedoozle->move(m_pnlKedoozle->width() / 2 - m_imgKedoozle->width() / 2, 4);
}

void TFrmKedoozle::AppEventsDeactivate()
{
    if (m_closeConfirmed)
        return;
    ForceForeground(this);
}

void TFrmKedoozle::FormKeyDown(std::uint16_t& key)
{
    const bool winKey = key == VK_LWIN || key == VK_RWIN;
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
    if (!m_soundOn)
        return;
    if (m_pbxDisplay->PlayMode() == KeyType) {
        if (KeyTable->UseKeySoundRes(key))
            PlaySound(KeyTable->GetKeySoundResName(key), KeysModule, SoundResourceFlags);
        else
            PlaySound(KeyTable->GetKeySoundFile(key), 0, SoundFileFlags);
        return;
    }
    if (KeyTable->UseSoundRes(key))
        PlaySound(KeyTable->GetSoundResName(key), SoundsModule, SoundResourceFlags);
    else
        PlaySound(KeyTable->GetSoundFile(key), 0, SoundFileFlags);
}

void TFrmKedoozle::FormKeyUp(std::uint16_t& key)
{
    key = 0;
    m_keyReleased = true;
}

void TFrmKedoozle::PbxDisplayMessage(const std::string& text)
{
    if (!m_showMessages)
        return;
    m_traceShown = true;
    m_lockNoticeShowing = false;
    m_pnlPlayModes->hide();
    m_pnlKedoozle->hide();
    m_lblMessage->SetCaption(text);
    m_lblMessage->show();
    m_pnlControlPanel->Realign();
}

void TFrmKedoozle::PbxDisplayClearMessage()
{
    CloseSplash();
    if (!m_showMessages)
        return;
    m_traceShown = false;
    m_lblMessage->SetCaption("");
    m_lblMessage->hide();
    m_pnlKedoozle->show();
    m_pnlPlayModes->show();
    m_lockNoticeShowing = false;
    UpdateLockNotice();
}

void TFrmKedoozle::SetKeyLockCheck(std::function<bool()> locked, int graceMs)
{
    m_keysLocked = std::move(locked);
    m_keyLockGraceMs = graceMs;
    m_keysUnlockedSince = -1;
}

void TFrmKedoozle::CheckKeyLock()
{
    if (m_keysLocked && m_keysLocked()) {
        m_keysUnlockedSince = -1;
        if (m_keyLockTimer)
            m_keyLockTimer->stop();
        if (m_keysNotLockedShown)
            ShowKeysNotLocked(false);
        return;
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (m_keysUnlockedSince < 0)
        m_keysUnlockedSince = now;
    const qint64 unlockedMs = now - m_keysUnlockedSince;
    if (unlockedMs < m_keyLockGraceMs) {
        // Looked at again when the grace is over, unless the lock tells of a change first.
        if (m_keyLockTimer)
            m_keyLockTimer->start(int(m_keyLockGraceMs - unlockedMs));
        return;
    }
    if (m_keyLockTimer)
        m_keyLockTimer->stop();
    if (!m_keysNotLockedShown)
        ShowKeysNotLocked(true);
}

void TFrmKedoozle::ShowKeysNotLocked(bool show)
{
    m_keysNotLockedShown = show;
    UpdateLockNotice();
}

// The notice takes the logo's place; the play modes, the sound switch and the exit stay. What
// the lock reported is more precise than the general warning and goes first. A trace on show
// keeps the message area until the next drawing, which brings the notice back.
void TFrmKedoozle::UpdateLockNotice()
{
    if (m_traceShown)
        return;
    std::string text = m_lockNotice;
    if (text.empty() && m_keysNotLockedShown)
        text = LoadStr(Str::KeysNotLocked);
    if (!text.empty()) {
        m_lblMessage->SetCaption(text);
        m_pnlKedoozle->hide();
        m_lblMessage->show();
        m_lockNoticeShowing = true;
    } else if (m_lockNoticeShowing) {
        m_lockNoticeShowing = false;
        m_lblMessage->SetCaption("");
        m_lblMessage->hide();
        m_pnlKedoozle->show();
    }
    m_pnlControlPanel->Realign();
}

void TFrmKedoozle::WindowKeysReport(int state)
{
    int text = 0;
    switch (state) {
    case wksDesktopKeysOpen:
        text = Str::KeysOpenOnDesktop;
        break;
    case wksRefused:
        text = Str::KeysRefusedByDesktop;
        break;
    case wksLost:
        text = Str::KeysLostToDesktop;
        break;
    default:
        break;
    }
    if (text == 0) {
        if (!m_lockNotice.empty())
            std::fprintf(stderr, "Kedoozle: %s\n", LoadStr(Str::KeysLockedAgain).c_str());
        m_lockNotice.clear();
        UpdateLockNotice();
        return;
    }
    if (m_lockNotice == LoadStr(text))
        return; // told already
    m_lockNotice = LoadStr(text);
    std::fprintf(stderr, "Kedoozle: %s\n", m_lockNotice.c_str());
    std::fflush(stderr);
    UpdateLockNotice();
}

void TFrmKedoozle::CloseSplash()
{
    if (!SplashShowing)
        return;
    if (FrmSplash)
        FrmSplash->DismissSplash();
    SplashShowing = false;
}

std::string TFrmKedoozle::SettingsFileName() { return SettingsFilePath(); }

void TFrmKedoozle::SetProgramFolder(const std::string& folder) { ::SetProgramFolder(folder); }

void TFrmKedoozle::SetWorkingDirectory()
{
    std::error_code error;
    const std::string current = WithTrailingSlash(std::filesystem::current_path(error).string());
    const std::string folder = ProgramFolder();
    if (current != folder)
        std::filesystem::current_path(folder, error); // relative names now resolve here
}

void TFrmKedoozle::LoadSettings()
{
    TIniFile iniFile(SettingsFileToRead());
    m_pbxDisplay->SetPlayMode(std::uint8_t(iniFile.ReadInteger("Settings", "PlayMode", 0)));
    ShowPlayModeImage(m_pbxDisplay->PlayMode(), true);
    m_pbxDisplay->SetEraseLimit(iniFile.ReadInteger("Settings", "EraseLimit", 25));
    m_soundOn = iniFile.ReadBool("Settings", "Sound", true);
    UpdateSoundSwitch();
    m_showMessages = iniFile.ReadBool("Settings", "ShowMessages", false);
    m_mousePlay = iniFile.ReadBool("Settings", "MousePlay", true);
    LoadModules(iniFile);
    KeyTable->LoadFromIni(iniFile);
}

void TFrmKedoozle::LoadModules(const TIniFile& iniFile)
{
    struct TModuleKey {
        const char* Key;
        TModuleHandle* Handle;
    };
    const TModuleKey modules[] = {
        { "Sounds", &SoundsModule },
        { "Keys", &KeysModule },
        { "Patterns", &PatternsModule },
        { "Pictures", &PicturesModule },
    };
    for (const TModuleKey& module : modules) {
        const std::string name = iniFile.ReadString("Modules", module.Key, "");
        if (!name.empty())
            *module.Handle = LoadLibraryA(ModulePath(name));
    }
}

void TFrmKedoozle::SaveSettings()
{
    SeedUserSettings(); // keeps the modules and keys set up system-wide when the first start could not copy them
    TIniFile iniFile(SettingsFileName());
    iniFile.WriteInteger("Settings", "PlayMode", m_pbxDisplay->PlayMode());
    iniFile.WriteInteger("Settings", "EraseLimit", m_pbxDisplay->EraseLimit());
    iniFile.WriteBool("Settings", "Sound", m_soundOn);
    KeyTable->SaveToIni(iniFile);
    iniFile.UpdateFile();
}

void TFrmKedoozle::FreeModules()
{
    for (TModuleHandle module : { SoundsModule, KeysModule, PatternsModule, PicturesModule }) {
        if (module != 0)
            FreeLibrary(module);
    }
}

bool TFrmKedoozle::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // No key reaches a shortcut: every key is play.
        event->accept();
        return true;
    case QEvent::KeyPress:
        // Tab and Backtab come here like any other key instead of moving the focus.
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::KeyRelease:
        keyReleaseEvent(static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::WindowBlocked:
    case QEvent::WindowUnblocked:
    case QEvent::WindowDeactivate:
        // A modal window (the error box, the exit confirmation) or another program has the
        // keyboard now or had it until now: the key-up of a held key may have gone there.
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

void TFrmKedoozle::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    DispatchKeyEvent(*event);
}

void TFrmKedoozle::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    DispatchKeyEvent(*event);
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
