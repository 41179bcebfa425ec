#pragma once

#include "paint/Font.h"
#include "paint/KDTypes.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <string>

class QEvent;
class TCanvas;

// What the application knows of the hint it is about to show; the show-hint handler may
// change any of it.
struct THintInfo {
    QPointer<QWidget> HintControl;
    // The pointer in the hinted control's coordinates when the hint was asked for.
    QPoint CursorPos;
    // Widest text line before wrapping.
    int HintMaxWidth { 0 };
    TColor HintColor { clInfoBk };
};

// The application's hint window: borderless, above every other window, never activated,
// never focused and transparent to the mouse. This plain kind shows the text in a box of the
// hint colour with a thin outline; other kinds derive from it.
class THintWindow : public QWidget {
public:
    THintWindow();

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    const std::string& Caption() const { return m_caption; }
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }

    // The rectangle the text needs: measured with the window's font, word-wrapped within
    // `maxWidth` pixels, no accelerators, \r starting a new line; widened by 6 and heightened
    // by 2. Its top-left corner is (0, 0).
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint) const;
    // Shows the window over `rect` (screen coordinates) with `hint` as its text.
    virtual void ActivateHint(TRect rect, const std::string& hint);
    // Whether `event`, seen anywhere in the application, hides a showing hint: keys, clicks,
    // the wheel, and the application gaining or losing activation.
    virtual bool IsHintMsg(const QEvent& event) const { return IsCancellingEvent(event); }
    static bool IsCancellingEvent(const QEvent& event);
    // The pointer moved to `globalPos`, over the window; whether that ends the hint.
    virtual bool PointerMovedOver(QPoint globalPos);
    // Paints the window on `canvas`, `size` pixels large.
    virtual void Paint(TCanvas& canvas, QSize size);

protected:
    void SetCaption(const std::string& caption) { m_caption = caption; }
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    std::string m_caption;
    TColor m_color { clInfoBk };
    TFont m_font;
};
