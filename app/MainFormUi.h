#pragma once

#include <QRect>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class QWidget;
class TImage;
class TKDPaintBox;
class TKDPanel;
class TLxBalloonHints;
class TLxLabel;
class TPlayState;

// Every size and place of the main window's controls, in pixels. The rest follows from
// alignment: the frames fill the window, the control panel runs along its bottom.
struct TMainFormGeometry {
    int FontPixels;          // the window's own font, Arial
    int FrameBevel;          // both purple frames
    int InnerBorder;         // the purple gap between the inner frame and the surface
    int ControlPanelHeight;
    int PlayModesWidth;
    QRect FirstPlayMode;     // the four others follow to its right
    int PlayModeStep;
    int SettingsWidth;
    QRect Sound;
    QRect Exit;
    QRect Logo;              // centred across its panel; only its top and size stay
    int MessageBorder;
    int MessageFontHeight;   // Courier New
    int HintWidth;
    int HintFontHeight;      // Arial bold
    int HintPauseMs;
};

inline constexpr TMainFormGeometry MainFormGeometry {
    .FontPixels = 12,
    .FrameBevel = 4,
    .InnerBorder = 8,
    .ControlPanelHeight = 46,
    .PlayModesWidth = 229,
    .FirstPlayMode = QRect(12, 4, 32, 32),
    .PlayModeStep = 44,
    .SettingsWidth = 148,
    .Sound = QRect(60, 4, 32, 32),
    .Exit = QRect(108, 4, 32, 32),
    .Logo = QRect(0, 4, 247, 32),
    .MessageBorder = 2,
    .MessageFontHeight = -11,
    .HintWidth = 160,
    .HintFontHeight = -13,
    .HintPauseMs = 500,
};

// The main window's controls: the black play surface in two purple frames and the control
// panel along the bottom (five play-mode pictures, the message area, the logo, the sound
// switch and the exit door), and which bitmap each picture shows. It builds and shows; what a
// click does is the window's business.
class TMainFormUi {
public:
    // Builds the controls on `form`; the play surface shares `state`.
    TMainFormUi(QWidget* form, std::shared_ptr<TPlayState> state);

    TKDPanel* PnlOuterFrame { nullptr };
    TKDPanel* PnlControlPanel { nullptr };
    TKDPanel* PnlPlayModes { nullptr };
    std::array<TImage*, 5> ImgPlayModes {};
    TKDPanel* PnlSettings { nullptr };
    TImage* ImgSound { nullptr };
    TImage* ImgExit { nullptr };
    TKDPanel* PnlKedoozle { nullptr };
    TImage* ImgKedoozle { nullptr };
    TLxLabel* LblMessage { nullptr };
    TKDPanel* PnlInnerFrame { nullptr };
    TKDPanel* PnlInterior { nullptr };
    TKDPaintBox* PbxDisplay { nullptr };
    TLxBalloonHints* HntKedoozle { nullptr };

    // The play-mode picture of `mode`; null above 4.
    TImage* PlayModeImage(int mode) const;

    // The start: the hand cursor and the balloon texts of the pictures, every play mode
    // unselected, the sound off, the door closed, the logo.
    void ShowStartPictures();
    void ShowPlayModeImage(std::uint8_t mode, bool selected);
    void ShowSoundImage(bool on);
    // The sound switch's picture and its balloon text.
    void ShowSoundSwitch(bool on);
    // Pictures a click does not change (a parent's choice, or play time is over) show greyed,
    // with the plain arrow and a balloon that says so, instead of inviting a click.
    void SetPlayModesFixed(bool fixed);
    void SetSoundFixed(bool fixed);
    bool PlayModesFixed() const { return m_playModesFixed; }
    bool SoundFixed() const { return m_soundFixed; }
    void ShowExitImage(bool up);
    void CenterLogo();

    // A drawing's trace takes the place of the play-mode pictures and the logo.
    void ShowTrace(const std::string& text);
    // The key lock's notice takes the logo's place only.
    void ShowNotice(const std::string& text);
    // Empties the message area and brings the logo back (and the play-mode pictures with
    // `playModes`).
    void HideMessage(bool playModes);
    void Realign();

    // Which bitmap each picture shows ("CLASSICTYPE_ON", "SOUND_OFF", "EXIT_UP", ...).
    std::string PlayModeImageName(int mode) const;
    const std::string& SoundImageName() const { return m_soundImageName; }
    const std::string& ExitImageName() const { return m_exitImageName; }

private:
    void BuildControlPanel();
    void BuildMessageArea();
    void BuildHints(QWidget* form);

    void ShowPlayModeHints();
    void ShowSoundHint();

    std::array<std::string, 5> m_playModeImageNames;
    std::array<bool, 5> m_playModeSelected {};
    std::string m_soundImageName;
    bool m_soundOn { false };
    bool m_playModesFixed { false };
    bool m_soundFixed { false };
    std::string m_exitImageName;
};
