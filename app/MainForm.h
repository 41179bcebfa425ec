#pragma once

#include "app/PlaySettings.h"
#include "paint/ColorData.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TCheckKeysThread;
class TImage;
class TKDPaintBox;
class TKeyRepeatFilter;
class TLockNotice;
class TMainFormUi;
class TMonitorCovers;
class TMousePlay;
class TPlayState;

// The main window: a borderless window over the whole primary screen with the black play
// surface and a control panel along the bottom (five play-mode pictures, the sound switch,
// the logo and the exit door). Every key is taken here and turned into play.
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

    const TMainFormUi& Ui() const { return *m_ui; }
    TKDPaintBox* PbxDisplay() const;
    // What every play surface shares: mode, erase count, content modules.
    TPlayState& State() const { return *m_state; }
    const TPlaySettings& Settings() const { return m_settings; }
    // What the message area says about the key lock.
    TLockNotice& LockNotice() const { return *m_lockNotice; }
    // The palette the window names: the shared display palette on a palette display.
    HPALETTE GetPalette() const;
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

    // The exit confirmation is replaceable, so tests can answer it.
    using TConfirmExit = std::function<int(QWidget* owner, QPoint topLeft)>;
    void SetConfirmExit(TConfirmExit confirm) { m_confirmExit = std::move(confirm); }

    // Reads the settings file (the user's, or the one next to the program), loads the
    // modules it names and the key table; writes back what changes in play.
    void LoadSettings();
    void SaveSettings();
    // Saves; a failure goes to the error output instead of a box.
    void SaveSettingsOrSay();

    // Play time is over: every surface shows the resting picture, keys and clicks draw and
    // sound nothing, the speaker and play-mode pictures rest too; the exit door still works.
    // The play-time limit calls it.
    void Rest();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void ConnectHandlers();
    void DispatchKeyEvent(const QKeyEvent& event);
    void ResetKeyState();
    // The play surface's drawing for a key, on the main surface and every cover.
    void DrawKey(std::uint16_t key);
    // Shows what the key lock says in the message area, in the logo's place, or takes it away.
    void UpdateLockNotice();
    // Greys the speaker and the play-mode pictures that a click may not change now.
    void ShowFixedControls();

    std::shared_ptr<TPlayState> m_state;
    std::unique_ptr<TMainFormUi> m_ui;
    TPlaySettings m_settings;
    std::unique_ptr<TLockNotice> m_lockNotice;
    bool m_keyReleased { true };
    bool m_winKeyPending { false };
    TMousePlay* m_mousePlayer { nullptr };
    bool m_closeConfirmed { false };
    bool m_traceShown { false };
    bool m_lockNoticeShowing { false };
    std::unique_ptr<TCheckKeysThread> m_checkKeysThread;
    std::unique_ptr<TKeyRepeatFilter> m_keyRepeatFilter;
    std::unique_ptr<TMonitorCovers> m_monitorCovers;
    TConfirmExit m_confirmExit;
    QTimer m_playTimeLimit;
};
