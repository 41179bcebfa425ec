#include "widgetkit/LxPanel.h"

#include <QEvent>
#include <QPaintEvent>
#include <QImage>
#include <QPainter>
#include <QVariant>

TColor ParentControlColor(const QWidget* parent)
{
    if (!parent)
        return clBtnFace;
    if (auto* panel = dynamic_cast<const TLxCustomPanel*>(parent))
        return panel->Color();
    // Windows and other controls may name their colour in this property.
    const QVariant color = parent->property("kdColor");
    return color.isValid() ? TColor(color.toUInt()) : clBtnFace;
}

TParentColorProperty::TParentColorProperty(TColor color, bool parentColor)
    : m_color(color)
    , m_parentColor(parentColor)
{
}

TColor TParentColorProperty::Color() const { return m_parentColor ? ParentControlColor(ColorParent()) : m_color; }

void TParentColorProperty::SetColor(TColor color)
{
    if (m_color == color && !m_parentColor)
        return;
    m_color = color;
    m_parentColor = false;
    ColorChanged(true);
}

void TParentColorProperty::SetParentColor(bool parentColor)
{
    if (m_parentColor == parentColor)
        return;
    m_parentColor = parentColor;
    ColorChanged(false);
}

TLxCustomPanel::TLxCustomPanel(QWidget* parent)
    : QWidget(parent)
    , TFrameProperties(TFrameSet {}, true)
    , TParentColorProperty(clBtnFace, false)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TLxCustomPanel::FramesChanged(bool insideMoved)
{
    if (insideMoved)
        Realign();
    Invalidate();
}

void TLxCustomPanel::ColorChanged(bool ownColor)
{
    Invalidate();
    if (!ownColor)
        return;
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->update();
}

void TLxCustomPanel::SetCaption(const std::string& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    Invalidate();
}

void TLxCustomPanel::SetAlignment(TAlignment alignment)
{
    if (m_alignment == alignment)
        return;
    m_alignment = alignment;
    Invalidate();
}

void TLxCustomPanel::SetAlignmentVertical(TAlignmentVertical alignment)
{
    if (m_alignmentVertical == alignment)
        return;
    m_alignmentVertical = alignment;
    Invalidate();
}

void TLxCustomPanel::SetFont(const TFont& font)
{
    m_font = font;
    Invalidate();
}

void TLxCustomPanel::SetFullRepaint(bool fullRepaint)
{
    if (m_fullRepaint == fullRepaint)
        return;
    m_fullRepaint = fullRepaint;
    // Without full repaints only the newly uncovered part of a grown panel is exposed.
    setAttribute(Qt::WA_StaticContents, !fullRepaint);
}

TRect TLxCustomPanel::InsetForBorders(TRect rect, bool includeBorderWidth) const
{
    return InsetFrameSet(rect, Frames(), includeBorderWidth);
}

TRect TLxCustomPanel::ChildArea() const
{
    // The border band keeps a strip free on all four sides, even where it is not painted.
    return InsetSides(InsetForBorders(ControlRect(), false), AllSides, BorderWidth());
}

void TLxCustomPanel::Realign()
{
    const TRect area = ChildArea();
    AlignControls(this, QRect(area.Left, area.Top, std::max(0, area.Width()), std::max(0, area.Height())));
}

void TLxCustomPanel::SetBounds(int left, int top, int width, int height)
{
    if (GetAlign(this) == TAlign::alBottom && height != this->height())
        top = y() + this->height() - height;
    if (GetAlign(this) == TAlign::alRight && width != this->width())
        left = x() + this->width() - width;
    setGeometry(left, top, width, height);
}

void TLxCustomPanel::Paint(TCanvas& canvas) const { PaintPanel(canvas); }

void TLxCustomPanel::PaintPanel(TCanvas& canvas) const
{
    const TRect area = Rect(-m_paintOrigin.x(), -m_paintOrigin.y(), width() - m_paintOrigin.x(),
                            height() - m_paintOrigin.y());
    const TRect rect = PaintFrameSet(canvas, area, Frames());
    canvas.Brush.SetColor(Color());
    canvas.FillRect(rect);
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    PaintCaption(canvas, rect);
}

void TLxCustomPanel::PaintCaption(TCanvas& canvas, TRect rect) const
{
    if (m_caption.empty())
        return;
    canvas.Font = m_font;
    rect.Left += 1;
    const unsigned flags = DT_WORDBREAK | DT_EXPANDTABS | AlignmentFlags(m_alignment);
    TRect measure = rect;
    const int h = canvas.DrawText(m_caption, measure, flags | DT_CALCRECT);
    rect = AlignTextVertically(rect, h, m_alignmentVertical);
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    if (!isEnabled()) {
        // Embossed: a light copy one pixel down and right under the grey text.
        TRect light = MoveRect(rect, 1, 1);
        canvas.Font.Color = clBtnHighlight;
        canvas.DrawText(m_caption, light, flags);
        canvas.Font.Color = clGrayText;
    }
    canvas.DrawText(m_caption, rect, flags);
}

void TLxCustomPanel::paintEvent(QPaintEvent* event)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    for (const QRect& part : event->region()) {
        QImage picture(part.size(), QImage::Format_RGB32);
        {
            TCanvas canvas(&picture);
            m_paintOrigin = part.topLeft();
            Paint(canvas);
            m_paintOrigin = QPoint();
        }
        painter.drawImage(part.topLeft(), picture);
    }
}

void TLxCustomPanel::NotifyResize()
{
    if (OnResize && m_resizedTo != size()) {
        m_resizedTo = size();
        OnResize(this);
    }
}

void TLxCustomPanel::resizeEvent(QResizeEvent* event)
{
    const QSize old = event->oldSize();
    Realign();
    if (m_fullRepaint || !m_caption.empty() || !old.isValid()) {
        Invalidate();
    } else {
        // Only the strips from one pixel inside the old inner right and bottom edges change.
        const TRect inner = InsetForBorders(Rect(0, 0, old.width(), old.height()), true);
        if (old.width() != width())
            update(QRect(inner.Right - 1, 0, width() - inner.Right + 1, height()));
        if (old.height() != height())
            update(QRect(0, inner.Bottom - 1, width(), height() - inner.Bottom + 1));
    }
    NotifyResize();
}

void TLxCustomPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    Invalidate();
    repaint();
    // Every direct child follows, also one that was disabled on its own before.
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->setEnabled(isEnabled());
}

void TLxCustomPanel::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TLxCustomPanel::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (OnMouseLeave)
        OnMouseLeave(this);
}

bool TLxCustomPanel::event(QEvent* event)
{
    // A child shown or hidden, or given another size, changes the layout of its siblings.
    if (event->type() == QEvent::LayoutRequest) {
        Realign();
        NotifyResize();
    }
    return QWidget::event(event);
}
