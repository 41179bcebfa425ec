#pragma once

#include "paint/Canvas.h"
#include "paint/Font.h"
#include "widgetkit/LxCommon.h"
#include "widgetkit/LxPanel.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

// Vertical placement of a label's text.
enum class TLabelLayout { tlTop, tlCenter, tlBottom };

// A label that paints its caption plain, raised, recessed or with a drop shadow, inside the
// same frames as the framed panel. Labels can blink: one shared timer switches every blinking
// label between its font colour and its blink colour.
class TLxLabel : public QWidget,
                 public TFrameProperties,
                 public TTextLookProperties,
                 public TParentColorProperty {
public:
    explicit TLxLabel(QWidget* parent = nullptr);
    ~TLxLabel() override;

    std::string Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    const TFont& Font() const { return m_font; }
    void SetFont(const TFont& font);
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
    // A frame change only repaints: the size follows the frames at the next caption or font.
    void FramesChanged(bool) override { update(); }
    void TextLookChanged() override { update(); }
    const QWidget* ColorParent() const override { return parentWidget(); }
    void ColorChanged(bool) override { update(); }

private:
    unsigned TextFlags() const;
    void PaintText(TCanvas& canvas) const;
    void DrawTextAt(TCanvas& canvas, TRect r, int dx, int dy, TColor color, unsigned flags) const;
    TRect LaidOut(TCanvas& canvas, TRect r, unsigned flags) const;
    // A changed font colour becomes the text colour unless the label is blinking.
    void FontColorChanged();

    std::string m_caption;
    TFont m_font;
    TAlignment m_alignment { TAlignment::taLeftJustify };
    TLabelLayout m_layout { TLabelLayout::tlTop };
    bool m_wordWrap { false };
    bool m_autoSize { true };
    bool m_transparent { false };
    bool m_showAccelChar { true };

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
