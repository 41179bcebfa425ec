#include "widgetkit/KDButton.h"

#include "paint/KDPalette.h"

#include <QDialog>

#include <cmath>

TKDButton::TKDButton(QWidget* parent)
    : TKDCustomButton(parent)
{
    resize(75, 25);
}

void TKDButton::SetAlignment(TAlignment alignment)
{
    if (m_alignment == alignment)
        return;
    m_alignment = alignment;
    update();
}

void TKDButton::SetFrameFlat(bool frameFlat)
{
    if (m_frameFlat == frameFlat)
        return;
    m_frameFlat = frameFlat;
    update();
}

TRect TKDButton::TextRect() const
{
    TRect r = Rect(5, 5, width() - 5, height() - 5);
    if (Pressed())
        r = MoveRect(r, 1, 1);
    return r;
}

void TKDButton::Paint(TCanvas& canvas) const
{
    const TDisplayPaletteScope palette(canvas);
    TRect r = Rect(0, 0, width(), height());
    // Flat until the pointer is over it; then the raised or, while pressed, sunken edge.
    if (!m_frameFlat || MouseOver())
        r = PaintButtonEdge(canvas, r, Pressed());
    else
        r = PaintFrameStyle(canvas, r, TFrameStyle::fsPopup);
    canvas.Font = Font();
    canvas.Brush.SetColor(Color());
    canvas.FillRect(r);
    // A button that must be held fills from the left while it is; full, it may be let go.
    if (const double hold = HoldProgress(); hold > 0) {
        TRect filled = r;
        filled.Right = r.Left + int(std::lround(r.Width() * hold));
        canvas.Brush.SetColor(HoldFillColor);
        canvas.FillRect(filled);
    }
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    DrawCaption(canvas);
}

void TKDButton::DrawCaption(TCanvas& canvas) const
{
    DrawCaptionText(canvas, TextRect(), AlignmentFlags(m_alignment) | DT_WORDBREAK | DT_EXPANDTABS);
}

void TKDButton::ClickAction()
{
    update();
    Click();
}

void TKDButton::Click()
{
    // The window's modal result first, so OnClick sees it set; a modal window ends with it.
    if (auto* dialog = qobject_cast<QDialog*>(window()); dialog && m_modalResult != 0)
        dialog->done(m_modalResult);
    TKDCustomButton::Click();
}

void TKDButton::enterEvent(QEnterEvent* event)
{
    TKDCustomButton::enterEvent(event);
    if (m_frameFlat)
        repaint();
}

void TKDButton::leaveEvent(QEvent* event)
{
    TKDCustomButton::leaveEvent(event);
    if (m_frameFlat)
        repaint();
}
