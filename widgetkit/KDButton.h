#pragma once

#include "paint/KDPalette.h"
#include "widgetkit/KDCustomButton.h"

// The program's push button: a 3-D button edge (or, with FrameFlat, a one-pixel frame until the
// pointer is over it), a coloured face and the caption; a click gives its window the button's
// modal result.
class TKDButton : public TKDCustomButton {
public:
    // The colour a held button fills with (see SetDeliberateClick).
    static constexpr TColor HoldFillColor = PaletteDisplayPurple;

    explicit TKDButton(QWidget* parent = nullptr);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool FrameFlat() const { return m_frameFlat; }
    void SetFrameFlat(bool frameFlat);
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

    void Paint(TCanvas& canvas) const override;
    // The caption's rectangle: 5 pixels in from every side, one pixel down and right while
    // pressed.
    TRect TextRect() const;

protected:
    void StateChanged() override { update(); }
    void ClickAction() override;
    void Click() override;
    void DrawCaption(TCanvas& canvas) const;

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TAlignment m_alignment { TAlignment::taCenter };
    bool m_frameFlat { false };
    int m_modalResult { 0 };
};
