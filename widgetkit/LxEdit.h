#pragma once

#include "paint/Font.h"
#include "paint/KDTypes.h"
#include "widgetkit/LxCommon.h"

#include <QPlainTextEdit>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TCanvas;

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line text box that can paint a thin frame of its own over its sunken 3-D border: a
// band of its background colour and a one-pixel line in any frame style, on any sides. With
// FrameFlat the frame follows the pointer and the focus.
class TLxMemo : public QPlainTextEdit {
public:
    explicit TLxMemo(QWidget* parent = nullptr);

    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    // Replaces the lines with those of a text file (8-bit text; UTF-8 where it is valid).
    // Raises EFOpenError "Cannot open file %s" when it cannot be read.
    void LoadLinesFromFile(const std::string& fileName);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle scrollBars);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);
    // Whether the Tab key stops here.
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop);
    const TFont& Font() const { return m_font; }
    void SetFont(const TFont& font);

    bool FrameVisible() const { return m_frameVisible; }
    TFrameStyle FrameStyle() const { return m_frameStyle; }
    TColor FrameColor() const { return m_frameColor; }
    TSides FrameSides() const { return m_frameSides; }
    bool FrameFlat() const { return m_frameFlat; }
    TFrameStyle FrameFlatStyle() const { return m_frameFlatStyle; }
    TFrameStyle FrameFocusStyle() const { return m_frameFocusStyle; }
    bool TabOnEnter() const { return m_tabOnEnter; }
    void SetTabOnEnter(bool tabOnEnter) { m_tabOnEnter = tabOnEnter; }
    bool MouseOver() const { return m_mouseOver; }

    // Hot tracking: the frame style for the focus and pointer state, optionally with a new
    // pointer-over value; the frame is redrawn.
    virtual void UpdateFrameStyle(std::optional<bool> mouseOver = std::nullopt);
    // Repaints the frame at once.
    virtual void RedrawFrame();
    // One-based column and line of the selection start.
    virtual int CaretColumn() const;
    // A column beyond the end of the line (plus one) moves nothing.
    virtual void SetCaretColumn(int column);
    virtual int CaretLine() const;
    // Moves the caret to the start of line `line` and scrolls it to the top.
    virtual void SetCaretLine(int line);
    virtual TColor Color() const { return m_color; }
    virtual void SetColor(TColor color);
    virtual void SetFrameColor(TColor color);
    virtual void SetFrameFlat(bool flat);
    virtual void SetFrameFlatStyle(TFrameStyle style);
    virtual void SetFrameFocusStyle(TFrameStyle style);
    virtual void SetFrameSides(TSides sides);
    virtual void SetFrameStyle(TFrameStyle style);
    virtual void SetFrameVisible(bool visible);

    // Paints the frame on a canvas over the whole control.
    void PaintFrame(TCanvas& canvas) const;

    std::function<void(TLxMemo* sender)> OnMouseEnter;
    std::function<void(TLxMemo* sender)> OnMouseLeave;

protected:
    bool event(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyAlignment();
    void ApplyColors();
    void PaintFrameOverBorder();

    TAlignment m_alignment { TAlignment::taLeftJustify };
    TScrollStyle m_scrollBars { TScrollStyle::ssNone };
    bool m_wordWrap { true };
    bool m_tabStop { true };
    TFont m_font;
    TColor m_color { clWindow };
    bool m_frameVisible { false };
    TFrameStyle m_frameStyle { TFrameStyle::fsFlat };
    TColor m_frameColor { clBtnShadow };
    TSides m_frameSides { AllSides };
    bool m_frameFlat { false };
    TFrameStyle m_frameFlatStyle { TFrameStyle::fsStatus };
    TFrameStyle m_frameFocusStyle { TFrameStyle::fsLowered };
    bool m_tabOnEnter { false };
    bool m_mouseOver { false };
    int m_wheelRemainder { 0 };
};
