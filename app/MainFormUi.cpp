#include "app/MainFormUi.h"

#include "base/StringTable.h"
#include "paint/ColorData.h"
#include "paint/KDPalette.h"
#include "play/KDPaintBox.h"
#include "resources/ProgramResources.h"
#include "widgetkit/Controls.h"
#include "widgetkit/ImageControl.h"
#include "widgetkit/KDCtrls.h"
#include "widgetkit/KDCursor.h"
#include "widgetkit/LxBHints.h"

#include <algorithm>

namespace {

constexpr TColor Purple = RGB(102, 51, 153);

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

// The purple bevel both frames share.
void SetFrameColours(TKDPanel* frame)
{
    frame->SetBevelWidth(MainFormGeometry.FrameBevel);
    frame->SetBorderColor(PaletteDisplayPurple);
    frame->SetBorderHighlight(PaletteLavender);
    frame->SetBorderShadow(PaletteDarkPurple);
}

// A fixed picture keeps its shapes in half their contrast, all in the panel's purple: what is
// the panel's own colour stays as it is, lighter parts lighten it and darker parts darken it.
QImage Greyed(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const TColor purple = ColorToRGB(PaletteDisplayPurple);
    const QColor panel(GetRValue(purple), GetGValue(purple), GetBValue(purple));
    const int panelGrey = qGray(panel.rgb());
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int shift = (qGray(line[x]) - panelGrey) / 2;
            line[x] = qRgb(std::clamp(panel.red() + shift, 0, 255), std::clamp(panel.green() + shift, 0, 255),
                           std::clamp(panel.blue() + shift, 0, 255));
        }
    }
    return image;
}

TImage* NewImage(QWidget* parent, const QRect& bounds)
{
    auto* image = new TImage(parent);
    image->setGeometry(bounds);
    return image;
}

} // namespace

TMainFormUi::TMainFormUi(QWidget* form, std::shared_ptr<TPlayState> state)
{
    const TMainFormGeometry& g = MainFormGeometry;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(g.FontPixels);
    form->setFont(font);

    PnlOuterFrame = new TKDPanel(form);
    SetAlign(PnlOuterFrame, TAlign::alClient);
    SetFrameColours(PnlOuterFrame);
    PnlOuterFrame->SetBorderOuter(TFrameStyle::fsPopup);
    PnlOuterFrame->SetColor(Purple);

    BuildControlPanel();
    BuildMessageArea();

    PnlInnerFrame = NewPanel(PnlOuterFrame, TAlign::alClient, clBlack);
    SetFrameColours(PnlInnerFrame);
    PnlInnerFrame->SetBorderInner(TFrameStyle::fsStatus);
    PnlInnerFrame->SetBorderWidth(g.InnerBorder);

    PnlInterior = NewPanel(PnlInnerFrame, TAlign::alClient, clBlack);
    PbxDisplay = new TKDPaintBox(PnlInterior, std::move(state));
    SetAlign(PbxDisplay, TAlign::alClient);

    BuildHints(form);
}

void TMainFormUi::BuildControlPanel()
{
    const TMainFormGeometry& g = MainFormGeometry;
    PnlControlPanel = NewPanel(PnlOuterFrame, TAlign::alBottom, PaletteDisplayPurple);
    PnlControlPanel->resize(PnlControlPanel->width(), g.ControlPanelHeight);

    PnlPlayModes = NewPanel(PnlControlPanel, TAlign::alLeft, PaletteDisplayPurple);
    PnlPlayModes->SetParentColor(true);
    PnlPlayModes->resize(g.PlayModesWidth, PnlPlayModes->height());
    for (int mode = 0; mode < 5; ++mode) {
        ImgPlayModes[mode] = NewImage(PnlPlayModes, g.FirstPlayMode.translated(g.PlayModeStep * mode, 0));
        ImgPlayModes[mode]->SetTag(mode);
    }

    PnlSettings = NewPanel(PnlControlPanel, TAlign::alRight, PaletteDisplayPurple);
    PnlSettings->SetParentColor(true);
    PnlSettings->resize(g.SettingsWidth, PnlSettings->height());
    ImgSound = NewImage(PnlSettings, g.Sound);
    ImgSound->SetAutoSize(true);
    ImgExit = NewImage(PnlSettings, g.Exit);
    ImgExit->SetAutoSize(true);

    PnlKedoozle = NewPanel(PnlControlPanel, TAlign::alClient, PaletteDisplayPurple);
    ImgKedoozle = NewImage(PnlKedoozle, g.Logo);
    ImgKedoozle->SetCenter(true);
}

void TMainFormUi::BuildMessageArea()
{
    LblMessage = new TLxLabel(PnlControlPanel);
    SetAlign(LblMessage, TAlign::alClient);
    LblMessage->hide();
    LblMessage->SetAutoSize(false);
    LblMessage->SetCaption("Message Area");
    TFont messageFont;
    messageFont.Name = "Courier New";
    messageFont.SetHeight(MainFormGeometry.MessageFontHeight);
    messageFont.Color = clWhite;
    LblMessage->SetFont(messageFont);
    LblMessage->SetWordWrap(true);
    LblMessage->SetBorderColor(PaletteDisplayPurple);
    LblMessage->SetBorderWidth(MainFormGeometry.MessageBorder);
    LblMessage->SetFrameSides(0);
    LblMessage->SetTextStyle(TTextStyle::tsNormal);
}

// The control panel's pictures explain themselves in speech balloons.
void TMainFormUi::BuildHints(QWidget* form)
{
    HntKedoozle = new TLxBalloonHints(form);
    HntKedoozle->SetAlignment(TAlignment::taCenter);
    HntKedoozle->SetTransparentColor(clOlive);
    HntKedoozle->SetCaptionWidth(MainFormGeometry.HintWidth);
    HntKedoozle->SetColor(clYellow);
    HntKedoozle->SetBalloonStyle(TLxBalloonStyle::bsStandard);
    TFont hintFont;
    hintFont.Name = "Arial";
    hintFont.SetHeight(MainFormGeometry.HintFontHeight);
    hintFont.Style = fsBold;
    hintFont.Color = clWindowText;
    HntKedoozle->SetFont(hintFont);
    HntKedoozle->SetHintPause(MainFormGeometry.HintPauseMs);
    HntKedoozle->SetShowBalloon(true);
}

TImage* TMainFormUi::PlayModeImage(int mode) const { return mode >= 0 && mode < 5 ? ImgPlayModes[mode] : nullptr; }

void TMainFormUi::ShowStartPictures()
{
    HntKedoozle->SetColor(BalloonHintColor());
    ImgKedoozle->setCursor(CursorById(crKDHand));
    ImgKedoozle->SetHint(LoadStr(Str::HintLogo));
    ImgExit->setCursor(CursorById(crKDHand));
    ImgExit->SetHint(LoadStr(Str::HintExit));
    ShowPlayModeHints();
    ImgSound->setCursor(CursorById(crKDHand));
    for (std::uint8_t mode = 0; mode < 5; ++mode)
        ShowPlayModeImage(mode, false);
    ShowSoundImage(false);
    ShowExitImage(true);
    ImgKedoozle->SetPicture(LoadProgramBitmap("KEDOOZLE_LOGO"));
}

void TMainFormUi::ShowPlayModeImage(std::uint8_t mode, bool selected)
{
    if (mode > 4)
        return;
    const char* name = PlayModeBitmaps[mode][selected ? 1 : 0];
    const QImage picture = LoadProgramBitmap(name);
    ImgPlayModes[mode]->SetPicture(m_playModesFixed ? Greyed(picture) : picture);
    m_playModeImageNames[mode] = name;
    m_playModeSelected[mode] = selected;
}

void TMainFormUi::ShowSoundImage(bool on)
{
    const char* name = on ? "SOUND_ON" : "SOUND_OFF";
    const QImage picture = LoadProgramBitmap(name);
    ImgSound->SetPicture(m_soundFixed ? Greyed(picture) : picture);
    m_soundImageName = name;
    m_soundOn = on;
}

void TMainFormUi::ShowSoundSwitch(bool on)
{
    ShowSoundImage(on);
    ShowSoundHint();
}

void TMainFormUi::SetPlayModesFixed(bool fixed)
{
    if (m_playModesFixed == fixed)
        return;
    m_playModesFixed = fixed;
    for (std::uint8_t mode = 0; mode < 5; ++mode) {
        ImgPlayModes[mode]->setCursor(fixed ? Qt::ArrowCursor : CursorById(crKDHand));
        ShowPlayModeImage(mode, m_playModeSelected[mode]);
    }
    ShowPlayModeHints();
}

void TMainFormUi::SetSoundFixed(bool fixed)
{
    if (m_soundFixed == fixed)
        return;
    m_soundFixed = fixed;
    ImgSound->setCursor(fixed ? Qt::ArrowCursor : CursorById(crKDHand));
    ShowSoundSwitch(m_soundOn);
}

void TMainFormUi::ShowPlayModeHints()
{
    for (int mode = 0; mode < 5; ++mode)
        ImgPlayModes[mode]->SetHint(LoadStr(m_playModesFixed ? Str::HintPlayModeFixed : PlayModeHints[mode]));
}

void TMainFormUi::ShowSoundHint()
{
    if (m_soundFixed)
        ImgSound->SetHint(LoadStr(m_soundOn ? Str::HintSoundOnFixed : Str::HintSoundOffFixed));
    else
        ImgSound->SetHint(LoadStr(m_soundOn ? Str::HintSoundOn : Str::HintSoundOff));
}

void TMainFormUi::ShowExitImage(bool up)
{
    const char* name = up ? "EXIT_UP" : "EXIT_DOWN";
    ImgExit->SetPicture(LoadProgramBitmap(name));
    m_exitImageName = name;
}

void TMainFormUi::CenterLogo()
{
    ImgKedoozle->move(PnlKedoozle->width() / 2 - ImgKedoozle->width() / 2, MainFormGeometry.Logo.top());
}

void TMainFormUi::ShowTrace(const std::string& text)
{
    PnlPlayModes->hide();
    PnlKedoozle->hide();
    LblMessage->SetCaption(text);
    LblMessage->show();
    Realign();
}

void TMainFormUi::ShowNotice(const std::string& text)
{
    LblMessage->SetCaption(text);
    PnlKedoozle->hide();
    LblMessage->show();
}

void TMainFormUi::HideMessage(bool playModes)
{
    LblMessage->SetCaption("");
    LblMessage->hide();
    PnlKedoozle->show();
    if (playModes)
        PnlPlayModes->show();
}

void TMainFormUi::Realign() { PnlControlPanel->Realign(); }

std::string TMainFormUi::PlayModeImageName(int mode) const
{
    return mode >= 0 && mode < 5 ? m_playModeImageNames[mode] : std::string();
}
