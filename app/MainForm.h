#pragma once

#include "paint/ColorData.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QTimer;
class TImage;
class TKDPanel;
class TLxLabel;
class TKDPaintBox;
class TCheckKeysThread;
class TLxBalloonHints;
class TIniFile;
class TKeyRepeatFilter;
class TMonitorCovers;

// The main window: a borderless window over the whole primary screen with the black play
// surface and a control panel along the bottom (five play-mode pictures, the sound switch,
// the logo and the exit door). Every key is taken here and turned into play.
class TMousePlay;

class TFrmKedoozle : public QWidget {
public:
    explicit TFrmKedoozle(QWidget* parent = nullptr);
    ~TFrmKedoozle() override;

    // Creation and destruction handlers; the program entry runs them.
    void FormCreate();
    void FormDestroy();
    // Lays out the controls for the window's current size.
    void AlignChildren();

    // Key handlers: Key is the virtual-key code, set to 0 when handled.
    void FormKeyDown(std::uint16_t& key);
    void FormKeyUp(std::uint16_t& key);

    // Control-panel handlers.
    void PlayModeClick(TImage* sender);
    void ImgSoundClick();
    void ImgKedoozleClick();
    void ImgExitMouseDown();
    void ImgExitMouseUp();
    void ImgExitClick();
    void PnlKedoozleResize();
    void AppEventsDeactivate();

    // Trace display of the play surface.
    void PbxDisplayMessage(const std::string& text);
    void PbxDisplayClearMessage();
    void CloseSplash();

    // The key lock's report (a TWindowKeysState): what is not locked is shown to the parent in
    // the message area and written to the error output; a lock that holds again takes the
    // text away.
    void WindowKeysReport(int state);
    std::string LockNotice() const { return m_lockNotice; }

    TKDPaintBox* PbxDisplay() const { return m_pbxDisplay; }
    // The palette the window names: the shared display palette on a palette display.
    HPALETTE GetPalette() const;
    TImage* PlayModeImage(int mode) const;
    TImage* ImgSound() const { return m_imgSound; }
    TImage* ImgExit() const { return m_imgExit; }
    TImage* ImgKedoozle() const { return m_imgKedoozle; }
    TKDPanel* PnlKedoozle() const { return m_pnlKedoozle; }
    TKDPanel* PnlPlayModes() const { return m_pnlPlayModes; }
    TKDPanel* PnlControlPanel() const { return m_pnlControlPanel; }
    TLxLabel* LblMessage() const { return m_lblMessage; }
    TLxBalloonHints* HntKedoozle() const { return m_hntKedoozle; }
    bool SoundOn() const { return m_soundOn; }
    bool ShowMessages() const { return m_showMessages; }
    // Whether clicks and drags on the play surface draw (MousePlay in [Settings], read only).
    bool MousePlay() const { return m_mousePlay; }
    // Plays the key's sound as a key press does: the key's spoken name in KeyType, else its
    // sound; nothing while the sound is off.
    void PlayKeySound(std::uint16_t key);
    bool KeyReleased() const { return m_keyReleased; }
    bool WinKeyPending() const { return m_winKeyPending; }
    TCheckKeysThread* CheckKeysThread() const { return m_checkKeysThread.get(); }

    // Puts a play surface of its own on every other monitor, following monitors as they
    // come and go; every key press draws there too. Null until then.
    void CoverOtherMonitors();
    TMonitorCovers* MonitorCovers() const { return m_monitorCovers.get(); }

    // Which play-mode bitmap each image shows ("CLASSICTYPE_ON", ...), for tests and the
    // screen alike.
    std::string PlayModeImageName(int mode) const;
    std::string SoundImageName() const { return m_soundImageName; }
    std::string ExitImageName() const { return m_exitImageName; }

    // The key lock is watched while the program plays: when it does not hold for
    // `graceMs`, the message area says that the keys are not locked, until it holds again.
    // CheckKeyLock runs whenever the lock may have changed, and a timer runs only through
    // the grace. The query is replaceable, so tests can stand in for the lock.
    void SetKeyLockCheck(std::function<bool()> locked, int graceMs);
    void CheckKeyLock();
    bool KeysNotLockedShown() const { return m_keysNotLockedShown; }

    // The exit confirmation is replaceable, so tests can answer it.
    using TConfirmExit = std::function<int(QWidget* owner, QPoint topLeft)>;
    void SetConfirmExit(TConfirmExit confirm) { m_confirmExit = std::move(confirm); }

    // The settings file next to the program. Tests may point the program's folder elsewhere
    // (an empty text restores it).
    static std::string SettingsFileName();
    static void SetProgramFolder(const std::string& folder);
    void SetWorkingDirectory();
    void LoadSettings();
    void LoadModules(const TIniFile& iniFile);
    void SaveSettings();
    void FreeModules();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void DispatchKeyEvent(const QKeyEvent& event);
    void ResetKeyState();
    void CreateControls();
    void ShowPlayModeImage(std::uint8_t mode, bool selected);
    void ShowSoundImage(bool on);
    void UpdateSoundSwitch();
    void ShowExitImage(bool up);
    void LoadLogo();
    void SetControlHints();
    // The play surface's drawing for a key, on the main surface and every cover.
    void DrawKey(std::uint16_t key);
    void ShowKeysNotLocked(bool show);
    // Shows what is not locked in the message area, in the logo's place, or takes it away.
    void UpdateLockNotice();

    TKDPanel* m_pnlOuterFrame { nullptr };
    TKDPanel* m_pnlControlPanel { nullptr };
    TKDPanel* m_pnlPlayModes { nullptr };
    TImage* m_imgPlayModes[5] {};
    TKDPanel* m_pnlSettings { nullptr };
    TImage* m_imgSound { nullptr };
    TImage* m_imgExit { nullptr };
    TKDPanel* m_pnlKedoozle { nullptr };
    TImage* m_imgKedoozle { nullptr };
    TLxLabel* m_lblMessage { nullptr };
    TKDPanel* m_pnlInnerFrame { nullptr };
    TKDPanel* m_pnlInterior { nullptr };
    TKDPaintBox* m_pbxDisplay { nullptr };
    TLxBalloonHints* m_hntKedoozle { nullptr };

    bool m_soundOn { true };
    bool m_keyReleased { true };
    bool m_winKeyPending { false };
    bool m_showMessages { false };
    bool m_mousePlay { true };
    TMousePlay* m_mousePlayer { nullptr };
    bool m_closeConfirmed { false };
    bool m_traceShown { false };
    bool m_keysNotLockedShown { false };
    std::function<bool()> m_keysLocked;
    int m_keyLockGraceMs { 3000 };
    QTimer* m_keyLockTimer { nullptr };
    qint64 m_keysUnlockedSince { -1 };
    std::string m_lockNotice; // what the lock reported as not locked; empty while it holds
    bool m_lockNoticeShowing { false };
    std::unique_ptr<TCheckKeysThread> m_checkKeysThread;
    std::unique_ptr<TKeyRepeatFilter> m_keyRepeatFilter;
    std::unique_ptr<TMonitorCovers> m_monitorCovers;
    std::string m_playModeImageNames[5];
    std::string m_soundImageName;
    std::string m_exitImageName;
    TConfirmExit m_confirmExit;
};
