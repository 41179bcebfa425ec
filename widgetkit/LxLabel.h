#pragma once

#include "paint/Canvas.h"
#include "paint/Font.h"
#include "widgetkit/LxCommon.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

// The label's text styles, with the ordinals the window layouts store.
enum class TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };

// Vertical placement of a label's text.
enum class TLabelLayout { tlTop, tlCenter, tlBottom };

// A label that paints its caption plain, raised, recessed or with a drop shadow, inside the
// same frames as the framed panel. Labels can blink: one shared timer switches every blinking
// label between its font colour and its blink colour.
class TLxLabel : public QWidget {
public:
    explicit TLxLabel(QWidget* parent = nullptr);
    ~TLxLabel() override;

    std::string Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    const TFont& Font() const { return m_font; }
    void SetFont(const TFont& font);
    TColor Color() const;
    void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool parentColor);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TLabelLayout Layout() const { return m_layout; }
    void SetLayout(TLabelLayout layout);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool show);

    TTextStyle TextStyle() const { return m_textStyle; }
    void SetTextStyle(TTextStyle style);
    bool LightTextStyle() const { return m_lightTextStyle; }
    void SetLightTextStyle(bool light);
    TColor HighlightColor() const { return m_highlightColor; }
    void SetHighlightColor(TColor color);
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor color);
    int ShadowDepth() const { return m_shadowDepth; }
    void SetShadowDepth(int depth);

    TFrameStyle BorderOuter() const { return m_frames.Outer; }
    void SetBorderOuter(TFrameStyle style);
    TFrameStyle BorderInner() const { return m_frames.Inner; }
    void SetBorderInner(TFrameStyle style);
    TSides BorderSides() const { return m_frames.Sides; }
    void SetBorderSides(TSides sides);
    TSides FrameSides() const { return m_frames.FrameSides; }
    void SetFrameSides(TSides sides);
    int BevelWidth() const { return m_frames.BevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_frames.BorderWidth; }
    void SetBorderWidth(int width);
    TColor BorderColor() const { return m_frames.BorderColor; }
    void SetBorderColor(TColor color);
    TColor BorderHighlight() const { return m_frames.BorderHighlight; }
    void SetBorderHighlight(TColor color);
    TColor BorderShadow() const { return m_frames.BorderShadow; }
    void SetBorderShadow(TColor color);
    TColor FlatColor() const { return m_frames.FlatColor; }
    void SetFlatColor(TColor color);

    bool Blinking() const { return m_blinking; }
    void SetBlinking(bool blinking);
    TColor BlinkColor() const { return m_blinkColor; }
    void SetBlinkColor(TColor color);
    // The phase lengths in milliseconds, shared by all labels.
    std::uint16_t BlinkIntervalOn() const;
    void SetBlinkIntervalOn(std::uint16_t milliseconds);
    std::uint16_t BlinkIntervalOff() const;
    void SetBlinkIntervalOff(std::uint16_t milliseconds);
    bool FlyByEnabled() const { return m_flyByEnabled; }
    void SetFlyByEnabled(bool enabled);
    TColor FlyByColor() const { return m_flyByColor; }
    void SetFlyByColor(TColor color);

    // The colour the text is drawn in now: the font's, or the blink colour while blinking.
    TColor TextColor() const { return m_textColor; }

    // Blink query and blink-state notification of the shared blinking list. The shared timer
    // runs only while some label's BlinkQuery is true: SetBlinking(true) starts it, and so
    // must WakeBlinking from a label whose BlinkQuery turns true some other way.
    virtual bool BlinkQuery() const { return m_blinking; }
    virtual void SetBlinkState(int state);
    static void WakeBlinking();

    // Recomputes the size from the caption, font and frames (only with AutoSize).
    virtual void AdjustBounds();
    virtual TRect InsetForBorders(TRect rect) const;

    // Paints frames, background and text on `canvas` over the label's rectangle.
    virtual void Paint(TCanvas& canvas) const;

    // Whether the shared blinking list exists, its state and its timer's current interval.
    static bool BlinkListExists();
    static int BlinkListState();
    static int BlinkTimerInterval();
    static bool BlinkTimerRunning();

    std::function<void(TLxLabel*)> OnClick;
    std::function<void(TLxLabel*)> OnMouseEnter;
    std::function<void(TLxLabel*)> OnMouseLeave;

protected:
    void PaintLabel(TCanvas& canvas) const;

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    unsigned TextFlags() const;
    void PaintText(TCanvas& canvas) const;
    void DrawTextAt(TCanvas& canvas, TRect r, int dx, int dy, TColor color, unsigned flags) const;
    TRect LaidOut(TCanvas& canvas, TRect r, unsigned flags) const;
    void SetFrames(const TFrameSet& frames);
    // A changed font colour becomes the text colour unless the label is blinking.
    void FontColorChanged();

    std::string m_caption;
    TFont m_font;
    TColor m_color { clBtnFace };
    bool m_parentColor { true };
    TAlignment m_alignment { TAlignment::taLeftJustify };
    TLabelLayout m_layout { TLabelLayout::tlTop };
    bool m_wordWrap { false };
    bool m_autoSize { true };
    bool m_transparent { false };
    bool m_showAccelChar { true };

    TTextStyle m_textStyle { TTextStyle::tsRecessed };
    bool m_lightTextStyle { false };
    TColor m_highlightColor { clBtnHighlight };
    TColor m_shadowColor { clBtnShadow };
    int m_shadowDepth { 2 };
    TFrameSet m_frames;

    bool m_blinking { false };
    TColor m_blinkColor { clHighlight };
    bool m_flyByEnabled { false };
    TColor m_flyByColor { clHighlight };
    bool m_flyingBy { false };
    bool m_pressed { false };

    TColor m_textColor { clWindowText };
    TColor m_savedFontColor { clWindowText };
    TColor m_flyBySavedColor { clWindowText };
};
