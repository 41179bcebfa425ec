#pragma once

#include "paint/Canvas.h"
#include "paint/ColorData.h"
#include "paint/Font.h"
#include "widgetkit/LxCommon.h"
#include "widgetkit/LxPanel.h"

#include <QElapsedTimer>
#include <QPointF>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>

// A push button that paints itself and follows the left mouse button: pressed while the
// button is held over it, released when the pointer leaves, pressed again when it returns;
// letting go over it is a click. A button that asks for a deliberate click takes only a press
// and a release both on it, with little movement between and, if asked, a hold long enough.
// Its caption can use the label's text styles.
class TKDCustomButton : public QWidget, public TTextLookProperties, public TParentColorProperty {
public:
    explicit TKDCustomButton(QWidget* parent = nullptr);

    std::string Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    const TFont& Font() const { return m_font; }
    void SetFont(const TFont& font);

    TAlignmentVertical AlignmentVertical() const { return m_alignmentVertical; }
    virtual void SetAlignmentVertical(TAlignmentVertical alignment);

    bool Tracking() const { return m_tracking; }
    bool Pressed() const { return m_pressed; }
    bool MouseOver() const { return m_mouseOver; }

    // Asks for a deliberate click: the pointer may stray at most `slop` pixels from where the
    // button went down (farther, or another button pressed meanwhile, and the press counts for
    // nothing), and the button must be held `holdMs` before the release clicks. A negative
    // slop turns the rule off: any release over the button clicks, as by default.
    void SetDeliberateClick(int slop, int holdMs);
    // How far the hold has come while the button is pressed: 0 at the press, 1 once held
    // long enough; 0 when not pressed or when no hold is asked for.
    double HoldProgress() const;

    HPALETTE GetPalette() const;

    // The window's dialog-character message: a key that matches the caption's "&" letter
    // clicks the button. Returns whether it was taken.
    bool DialogChar(char32_t key);

    // Paints the button on `canvas` over its rectangle.
    virtual void Paint(TCanvas& canvas) const;

    std::function<void(TKDCustomButton*)> OnClick;
    std::function<void(TKDCustomButton*)> OnMouseEnter;
    std::function<void(TKDCustomButton*)> OnMouseLeave;

protected:
    // The look follows the tracking state.
    virtual void StateChanged() { }
    void RedrawNow() { repaint(); }
    // The caption in the text style, placed vertically inside `rect`.
    virtual void DrawCaptionText(TCanvas& canvas, TRect rect, unsigned format) const;
    // A release over the button.
    virtual void ClickAction() = 0;
    // Raises OnClick.
    virtual void Click();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void TextLookChanged() override { update(); }
    const QWidget* ColorParent() const override { return parentWidget(); }
    void ColorChanged(bool) override { update(); }

private:
    bool Inside(QPointF point) const;
    void StartTracking(QPointF globalPoint);
    void StopTracking();
    // The press counts for nothing any more; the button shows up until the release.
    void VoidPress();

    int m_slop { -1 };
    int m_holdMs { 0 };
    bool m_void { false };
    QPointF m_pressedAt;
    quint64 m_pressTime { 0 };
    QElapsedTimer m_held;
    QTimer m_holdTick;

    std::string m_caption;
    TFont m_font;
    TAlignmentVertical m_alignmentVertical { TAlignmentVertical::avCenter };
    bool m_tracking { false };
    bool m_pressed { false };
    bool m_mouseOver { false };
};
