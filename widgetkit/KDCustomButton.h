#pragma once

#include "paint/Canvas.h"
#include "paint/ColorData.h"
#include "paint/Font.h"
#include "widgetkit/LxCommon.h"
#include "widgetkit/LxPanel.h"

#include <QWidget>

#include <functional>
#include <string>

// A push button that paints itself and follows the left mouse button: pressed while the
// button is held over it, released when the pointer leaves, pressed again when it returns;
// letting go over it is a click. Its caption can use the label's text styles.
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
    void TextLookChanged() override { update(); }
    const QWidget* ColorParent() const override { return parentWidget(); }
    void ColorChanged(bool) override { update(); }

private:
    bool Inside(QPointF point) const;

    std::string m_caption;
    TFont m_font;
    TAlignmentVertical m_alignmentVertical { TAlignmentVertical::avCenter };
    bool m_tracking { false };
    bool m_pressed { false };
    bool m_mouseOver { false };
};
