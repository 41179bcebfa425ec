#include "app/Languages.h"
#include "app/LockNotice.h"
#include "app/MainForm.h"
#include "app/MainFormUi.h"
#include "base/StringTable.h"
#include "paint/Canvas.h"
#include "platform/keylock/KeyLock.h"
#include "tests/support/MainFormFixture.h"
#include "widgetkit/KDButton.h"
#include "widgetkit/KDTabSet.h"
#include "widgetkit/LxBHints.h"
#include "widgetkit/LxEdit.h"
#include "widgetkit/LxLabel.h"
#include "windows/AboutBoxForm.h"
#include "windows/ExitForm.h"
#include "windows/SplashForm.h"

#include <QFontMetrics>
#include <QImage>

#include <functional>
#include <string>
#include <vector>

namespace {

// The room `text` takes laid out as the program's controls lay it out, at most `width` wide.
TRect TextBox(const TFont& font, const std::string& text, int width, unsigned flags)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    canvas.Font = font;
    TRect box = Rect(0, 0, width, 0);
    canvas.DrawText(text, box, flags | DT_CALCRECT | DT_EXPANDTABS);
    return box;
}

std::string Describe(const std::string& language, const std::string& text)
{
    return "[" + language + "] \"" + text + "\"";
}

// The children of `window` of one kind (the kit's controls have no meta-objects of their own,
// so findChildren cannot tell them apart).
template<typename T>
std::vector<T*> ControlsOf(QWidget& window)
{
    std::vector<T*> controls;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (auto* control = dynamic_cast<T*>(child))
            controls.push_back(control);
    }
    return controls;
}

// Every label, button, tab and fixed memo of `window` shows its whole text inside its box.
void ExpectTextsFit(QWidget& window, const std::string& language)
{
    for (TLxLabel* label : ControlsOf<TLxLabel>(window)) {
        if (label->Caption().empty() || !label->isVisibleTo(&window))
            continue;
        const TRect inside = label->InsetForBorders(Rect(0, 0, label->width(), label->height()));
        const TRect need = TextBox(label->Font(), label->Caption(), inside.Width(), label->WordWrap() ? DT_WORDBREAK : 0);
        EXPECT_LE(need.Width(), inside.Width()) << Describe(language, label->Caption());
        EXPECT_LE(need.Height(), inside.Height()) << Describe(language, label->Caption());
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry()))
            << Describe(language, label->Caption()) << " runs out of its panel";
    }
    for (TKDButton* button : ControlsOf<TKDButton>(window)) {
        const TRect inside = button->TextRect();
        const TRect need = TextBox(button->Font(), button->Caption(), inside.Width(), DT_WORDBREAK);
        EXPECT_LE(need.Width(), inside.Width()) << Describe(language, button->Caption());
        EXPECT_LE(need.Height(), inside.Height()) << Describe(language, button->Caption());
    }
    for (TKDTabSet* tabs : ControlsOf<TKDTabSet>(window)) {
        tabs->ArrangeTabs();
        EXPECT_EQ(tabs->VisibleTabs(), tabs->Tabs().Count()) << "[" << language << "] a tab is scrolled away";
        for (int shown = 0; shown < tabs->VisibleTabs(); ++shown) {
            const std::string& caption = tabs->Tabs()[tabs->FirstVisibleTab() + shown];
            EXPECT_LE(TextBox(tabs->Font(), caption, 0, 0).Width(), tabs->TabRect(shown).Width())
                << Describe(language, caption);
        }
    }
    for (TLxMemo* memo : ControlsOf<TLxMemo>(window)) {
        if (memo->ScrollBars() != TScrollStyle::ssNone)
            continue; // it scrolls: any length of text is reachable
        const QFontMetrics metrics(memo->font());
        const int margin = 2 * int(memo->document()->documentMargin());
        const std::vector<std::string> lines = memo->Lines();
        EXPECT_LE(int(lines.size()) * metrics.lineSpacing() + margin, memo->viewport()->height()) << "[" << language << "]";
        for (const std::string& line : lines)
            EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(line)) + margin, memo->viewport()->width())
                << Describe(language, line);
    }
}

class TranslatedWindowsTest : public TMainFormFixture {
protected:
    void TearDown() override
    {
        UseLanguage({});
        TMainFormFixture::TearDown();
    }
    // English and every shipped language, each switched on in turn for `check`.
    void InEveryLanguage(const std::function<void(const std::string&)>& check)
    {
        SetProgramFolder(KD_BINARY_DIR "/dist/");
        std::vector<std::string> languages = ShippedLanguages();
        ASSERT_EQ(languages.size(), 8u);
        languages.insert(languages.begin(), "en");
        for (const std::string& language : languages) {
            SetProgramFolder(KD_BINARY_DIR "/dist/");
            ASSERT_EQ(UseLanguage({ QString::fromStdString(language) }), language);
            SetProgramFolder(dir.path().toStdString());
            check(language);
        }
    }
};

} // namespace

TEST_F(TranslatedWindowsTest, TheExitQuestionAboutAndSplashShowTheirWholeTextsInEveryLanguage)
{
    InEveryLanguage([](const std::string& language) {
        TFrmExit exitForm(nullptr);
        exitForm.FormCreate();
        ExpectTextsFit(exitForm, language);

        TFrmAboutBox about(nullptr);
        about.show();
        ExpectTextsFit(about, language);
        about.hide();

        TFrmSplash splash;
        splash.FormCreate();
        ExpectTextsFit(splash, language);
    });
}

// The lock notices fill the message area of an 800 x 600 screen at most; the hints' words
// each fit the balloon's width.
TEST_F(TranslatedWindowsTest, TheNoticesAndHintsFitTheirPlacesInEveryLanguage)
{
    InEveryLanguage([](const std::string& language) {
        TFrmKedoozle form;
        form.setGeometry(0, 0, 800, 600);
        form.FormCreate();
        form.show();
        for (TWindowKeysState state : { TWindowKeysState::DesktopKeysOpen, TWindowKeysState::Refused, TWindowKeysState::Lost }) {
            form.LockNotice().WindowKeysReport(state);
            ExpectTextsFit(form, language);
        }
        const TLxLabel& area = *form.Ui().LblMessage;
        const TRect inside = area.InsetForBorders(Rect(0, 0, area.width(), area.height()));
        const std::string unlocked = LoadStr(Str::KeysNotLocked);
        EXPECT_LE(TextBox(area.Font(), unlocked, inside.Width(), DT_WORDBREAK).Height(), inside.Height());

        const TFont& hintFont = form.Ui().HntKedoozle->Font();
        for (int id : { Str::HintClassicType, Str::HintPatternType, Str::HintShapeType, Str::HintPictureType,
                        Str::HintKeyType, Str::HintSoundOn, Str::HintSoundOff, Str::HintLogo, Str::HintExit }) {
            const std::string hint = LoadStr(id);
            const TRect need = TextBox(hintFont, hint, MainFormGeometry.HintWidth, DT_WORDBREAK | DT_NOPREFIX);
            EXPECT_LE(need.Width(), MainFormGeometry.HintWidth) << Describe(language, hint);
            EXPECT_LE(need.Height(), 5 * 16) << Describe(language, hint) << " makes a tall balloon";
        }
    });
}
