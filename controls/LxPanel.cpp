#include "controls/LxPanel.h"

#include <QChildEvent>
#include <QPainter>

TLxCustomPanel::TLxCustomPanel(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

#define KD_PANEL_SETTER(Name, Type, member, realign) \
    void TLxCustomPanel::Set##Name(Type value)       \
    {                                                \
        if (member == value)                         \
            return;                                  \
        member = value;                              \
        if (realign)                                 \
            Realign();                               \
        update();                                    \
    }

KD_PANEL_SETTER(BorderOuter, TFrameStyle, m_borderOuter, true)
KD_PANEL_SETTER(BorderInner, TFrameStyle, m_borderInner, true)
KD_PANEL_SETTER(BorderSides, TSides, m_borderSides, true)
KD_PANEL_SETTER(FrameSides, TSides, m_frameSides, true)
KD_PANEL_SETTER(BorderColor, TColor, m_borderColor, false)
KD_PANEL_SETTER(BorderHighlight, TColor, m_borderHighlight, false)
KD_PANEL_SETTER(BorderShadow, TColor, m_borderShadow, false)
KD_PANEL_SETTER(FlatColor, TColor, m_flatColor, false)
KD_PANEL_SETTER(AlignmentVertical, TAlignmentVertical, m_alignmentVertical, false)
#undef KD_PANEL_SETTER

void TLxCustomPanel::SetBevelWidth(int width)
{
    width = std::max(1, width);
    if (m_bevelWidth == width)
        return;
    m_bevelWidth = width;
    Realign();
    update();
}

void TLxCustomPanel::SetBorderWidth(int width)
{
    width = std::max(0, width);
    if (m_borderWidth == width)
        return;
    m_borderWidth = width;
    Realign();
    update();
}

TColor TLxCustomPanel::Color() const
{
    if (m_parentColor) {
        if (auto* parent = dynamic_cast<const TLxCustomPanel*>(parentWidget()))
            return parent->Color();
    }
    return m_color;
}

void TLxCustomPanel::SetColor(TColor color)
{
    if (m_color == color && !m_parentColor)
        return;
    m_color = color;
    m_parentColor = false;
    update();
}

void TLxCustomPanel::SetParentColor(bool parentColor)
{
    if (m_parentColor == parentColor)
        return;
    m_parentColor = parentColor;
    update();
}

void TLxCustomPanel::SetCaption(const std::string& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    update();
}

TRect TLxCustomPanel::InsetForBorders(TRect rect, bool includeBorderWidth) const
{
    auto shrink = [&rect](TSides sides, int by) {
        if (sides & sdLeft)
            rect.Left += by;
        if (sides & sdTop)
            rect.Top += by;
        if (sides & sdRight)
            rect.Right -= by;
        if (sides & sdBottom)
            rect.Bottom -= by;
    };
    shrink(m_frameSides, 1);
    if (includeBorderWidth)
        shrink(AllSides, m_borderWidth);
    shrink(m_borderSides, FrameStyleWidth(m_borderOuter, m_bevelWidth));
    shrink(m_borderSides, FrameStyleWidth(m_borderInner, m_bevelWidth));
    return rect;
}

TRect TLxCustomPanel::ChildArea() const
{
    // The border band keeps a strip free on all four sides, even where it is not painted.
    TRect area = InsetForBorders(Rect(0, 0, width(), height()), false);
    area.Left += m_borderWidth;
    area.Top += m_borderWidth;
    area.Right -= m_borderWidth;
    area.Bottom -= m_borderWidth;
    return area;
}

void TLxCustomPanel::Realign()
{
    const TRect area = ChildArea();
    AlignControls(this, QRect(area.Left, area.Top, area.Width(), area.Height()));
}

TRect TLxCustomPanel::PaintFrame(TCanvas& canvas, TRect rect, TFrameStyle style) const
{
    switch (style) {
    case TFrameStyle::fsFlat:
        return PaintBevelBand(canvas, rect, m_flatColor, m_flatColor, 1, m_borderSides);
    case TFrameStyle::fsPopup:
        return PaintBevelBand(canvas, rect, m_borderHighlight, m_borderShadow, m_bevelWidth, m_borderSides);
    case TFrameStyle::fsStatus:
        return PaintBevelBand(canvas, rect, m_borderShadow, m_borderHighlight, m_bevelWidth, m_borderSides);
    default:
        return PaintFrameStyle(canvas, rect, style, m_borderSides);
    }
}

void TLxCustomPanel::PaintPanel(TCanvas& canvas) const
{
    TRect rect = Rect(0, 0, width(), height());
    rect = PaintSideLines(canvas, rect, clBlack, clBlack, m_frameSides);
    rect = PaintFrame(canvas, rect, m_borderOuter);
    if (m_borderWidth > 0)
        rect = PaintBevelBand(canvas, rect, m_borderColor, m_borderColor, m_borderWidth, m_borderSides);
    rect = PaintFrame(canvas, rect, m_borderInner);
    canvas.Brush.SetColor(Color());
    canvas.FillRect(rect);
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    if (m_caption.empty())
        return;
    rect.Left += 1;
    TRect measure = rect;
    const unsigned flags = DT_WORDBREAK | DT_EXPANDTABS | DT_CENTER;
    const int h = canvas.DrawText(m_caption, measure, flags | DT_CALCRECT);
    if (m_alignmentVertical == TAlignmentVertical::avCenter) {
        rect.Top = (rect.Top + rect.Bottom - h) / 2;
        rect.Bottom = rect.Top + h;
    } else if (m_alignmentVertical == TAlignmentVertical::avBottom) {
        rect.Top = rect.Bottom - h - 1;
    }
    canvas.DrawText(m_caption, rect, flags);
}

void TLxCustomPanel::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    QImage buffer(size(), QImage::Format_RGB32);
    {
        TCanvas canvas(&buffer);
        PaintPanel(canvas);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, buffer);
}

void TLxCustomPanel::resizeEvent(QResizeEvent*)
{
    Realign();
    if (OnResize && m_resizedTo != size()) {
        m_resizedTo = size();
        OnResize(this);
    }
}

void TLxCustomPanel::childEvent(QChildEvent* event)
{
    QWidget::childEvent(event);
}

bool TLxCustomPanel::event(QEvent* event)
{
    // A child shown or hidden, or given another size, changes the layout of its siblings.
    if (event->type() == QEvent::LayoutRequest) {
        Realign();
        if (OnResize && m_resizedTo != size()) {
            m_resizedTo = size();
            OnResize(this);
        }
    }
    return QWidget::event(event);
}
