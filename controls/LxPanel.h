#pragma once

#include "controls/LxCommon.h"
#include "framework/Canvas.h"
#include "framework/Controls.h"

#include <QWidget>

#include <string>

// A framed panel: a container whose outer frame, border band and inner frame are painted on
// the chosen sides, filled with its colour inside; aligned children are laid out in the
// rectangle the frames leave free.
class TLxCustomPanel : public QWidget {
public:
    explicit TLxCustomPanel(QWidget* parent = nullptr);

    TFrameStyle BorderOuter() const { return m_borderOuter; }
    void SetBorderOuter(TFrameStyle style);
    TFrameStyle BorderInner() const { return m_borderInner; }
    void SetBorderInner(TFrameStyle style);
    TSides BorderSides() const { return m_borderSides; }
    void SetBorderSides(TSides sides);
    TSides FrameSides() const { return m_frameSides; }
    void SetFrameSides(TSides sides);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);
    TColor BorderHighlight() const { return m_borderHighlight; }
    void SetBorderHighlight(TColor color);
    TColor BorderShadow() const { return m_borderShadow; }
    void SetBorderShadow(TColor color);
    TColor FlatColor() const { return m_flatColor; }
    void SetFlatColor(TColor color);
    TColor Color() const;
    void SetColor(TColor color);
    // With ParentColor the panel takes its parent's colour.
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool parentColor);
    std::string Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    TAlignmentVertical AlignmentVertical() const { return m_alignmentVertical; }
    void SetAlignmentVertical(TAlignmentVertical alignment);

    // Shrinks `rect` by the frames (and the border band when `includeBorderWidth`).
    virtual TRect InsetForBorders(TRect rect, bool includeBorderWidth) const;
    // The rectangle in which aligned children are laid out.
    TRect ChildArea() const;
    void Realign();

    // Runs the panel paint on `canvas` over the panel's rectangle.
    void PaintPanel(TCanvas& canvas) const;

    std::function<void(TLxCustomPanel*)> OnResize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool event(QEvent* event) override;

private:
    TRect PaintFrame(TCanvas& canvas, TRect rect, TFrameStyle style) const;

    TFrameStyle m_borderOuter { TFrameStyle::fsRaised };
    TFrameStyle m_borderInner { TFrameStyle::fsNone };
    TSides m_borderSides { AllSides };
    TSides m_frameSides { 0 };
    int m_bevelWidth { 1 };
    int m_borderWidth { 0 };
    TColor m_borderColor { clBtnFace };
    TColor m_borderHighlight { clBtnHighlight };
    TColor m_borderShadow { clBtnShadow };
    TColor m_flatColor { clBlack };
    TColor m_color { clBtnFace };
    bool m_parentColor { false };
    std::string m_caption;
    TAlignmentVertical m_alignmentVertical { TAlignmentVertical::avCenter };
    QSize m_resizedTo;
};

using TLxPanel = TLxCustomPanel;
