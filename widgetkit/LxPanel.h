#pragma once

#include "paint/Canvas.h"
#include "paint/Font.h"
#include "widgetkit/Controls.h"
#include "widgetkit/LxCommon.h"

#include <QWidget>

#include <functional>
#include <string>

// The colour a control with ParentColor takes from `parent`: a panel's colour, else the
// window's background.
TColor ParentControlColor(const QWidget* parent);

// The colour of a panel, label or button, which can follow its parent's: with ParentColor the
// control shows ParentControlColor of its parent, and a colour of its own ends that. A setter
// given the current value does nothing; otherwise it stores the value and calls ColorChanged.
class TParentColorProperty {
public:
    TColor Color() const;
    void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool parentColor);

protected:
    TParentColorProperty(TColor color, bool parentColor);
    virtual ~TParentColorProperty() = default;

    virtual const QWidget* ColorParent() const = 0;
    // `ownColor` when SetColor gave the control a colour of its own.
    virtual void ColorChanged(bool ownColor) = 0;

private:
    TColor m_color;
    bool m_parentColor;
};

// A framed panel: a container whose outer frame, border band and inner frame are painted on
// the chosen sides, filled with its colour inside; aligned children are laid out in the
// rectangle the frames leave free. BevelWidth stays at least 1 and BorderWidth at least 0.
class TLxCustomPanel : public QWidget, public TFrameProperties, public TParentColorProperty {
public:
    explicit TLxCustomPanel(QWidget* parent = nullptr);

    std::string Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TAlignmentVertical AlignmentVertical() const { return m_alignmentVertical; }
    void SetAlignmentVertical(TAlignmentVertical alignment);
    const TFont& Font() const { return m_font; }
    void SetFont(const TFont& font);
    // Repaint the whole panel after every move or resize; otherwise only the uncovered strips.
    bool FullRepaint() const { return m_fullRepaint; }
    void SetFullRepaint(bool fullRepaint);

    // Shrinks `rect` by the frames (and the border band when `includeBorderWidth`).
    virtual TRect InsetForBorders(TRect rect, bool includeBorderWidth) const;
    TRect ControlRect() const { return Rect(0, 0, width(), height()); }
    // The rectangle in which aligned children are laid out: inside the frames and a strip of
    // BorderWidth on all four sides.
    TRect ChildArea() const;
    void Realign();

    // Places the panel; a bottom-aligned panel keeps its bottom edge when its height changes,
    // a right-aligned one its right edge when its width changes.
    void SetBounds(int left, int top, int width, int height);

    // Paints frames, fill and caption on `canvas` over the panel's rectangle.
    virtual void Paint(TCanvas& canvas) const;
    // Schedules a repaint of the whole panel.
    void Invalidate() { update(); }

    std::function<void(TLxCustomPanel*)> OnResize;
    std::function<void(TLxCustomPanel*)> OnMouseEnter;
    std::function<void(TLxCustomPanel*)> OnMouseLeave;

protected:
    void PaintPanel(TCanvas& canvas) const;
    void PaintCaption(TCanvas& canvas, TRect rect) const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    // Children are laid out again when the rectangle inside the frames may have moved.
    void FramesChanged(bool insideMoved) override;
    const QWidget* ColorParent() const override { return parentWidget(); }
    // A colour of the panel's own shows in the children that take the parent's colour too.
    void ColorChanged(bool ownColor) override;

private:
    void NotifyResize();

    std::string m_caption;
    TAlignment m_alignment { TAlignment::taCenter };
    TAlignmentVertical m_alignmentVertical { TAlignmentVertical::avCenter };
    TFont m_font;
    bool m_fullRepaint { true };
    QSize m_resizedTo;
    // Where the canvas of the paint under way starts on the panel: each exposed part is
    // painted on a picture of its own size, so a screen-sized panel costs only its strips.
    mutable QPoint m_paintOrigin;
};

using TLxPanel = TLxCustomPanel;
