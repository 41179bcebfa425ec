#include "widgetkit/KDCustomButton.h"

#include "paint/KDPalette.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

// The letter after the first single "&" of a caption, lower-cased; 0 when there is none.
char32_t AcceleratorOf(const std::string& caption)
{
    const QString text = QString::fromStdString(caption);
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower().unicode();
    }
    return 0;
}

} // namespace

TKDCustomButton::TKDCustomButton(QWidget* parent)
    : QWidget(parent)
    , TTextLookProperties(TTextStyle::tsNormal)
    , TParentColorProperty(clWindow, false)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(115, 17);
}

void TKDCustomButton::SetCaption(const std::string& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    repaint();
    update();
}

void TKDCustomButton::SetFont(const TFont& font)
{
    m_font = font;
    update();
}

void TKDCustomButton::SetAlignmentVertical(TAlignmentVertical alignment)
{
    if (m_alignmentVertical == alignment)
        return;
    m_alignmentVertical = alignment;
    update();
}

HPALETTE TKDCustomButton::GetPalette() const { return KDGetPalette(); }

bool TKDCustomButton::DialogChar(char32_t key)
{
    const char32_t accelerator = AcceleratorOf(m_caption);
    if (accelerator == 0 || QChar::toLower(key) != accelerator || !isEnabled() || !isVisible())
        return false;
    Click();
    return true;
}

void TKDCustomButton::Click()
{
    if (OnClick)
        OnClick(this);
}

// ---- painting ----------------------------------------------------------------------------

void TKDCustomButton::Paint(TCanvas& canvas) const
{
    canvas.Brush.SetColor(Color());
    canvas.FillRect(Rect(0, 0, width(), height()));
}

void TKDCustomButton::DrawCaptionText(TCanvas& canvas, TRect r, unsigned format) const
{
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.Font = m_font;
    TRect measure = r;
    const int h = canvas.DrawText(m_caption, measure, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_CENTER);
    r = AlignTextVertically(r, h, m_alignmentVertical);
    // A right-aligned caption keeps clear of the edge by the shadow's depth, whatever its style.
    const int textDx = (format & DT_RIGHT) != 0 ? -ShadowDepth() : 0;
    PaintTextLook(TextLook(), isEnabled(), m_font.Color, textDx, [&](int dx, int dy, TColor color) {
        TRect at = MoveRect(r, dx, dy);
        canvas.Font.Color = color;
        canvas.DrawText(m_caption, at, format);
    });
}

void TKDCustomButton::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    QImage picture(size(), QImage::Format_RGB32);
    {
        TCanvas canvas(&picture);
        Paint(canvas);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

// ---- mouse tracking ----------------------------------------------------------------------

bool TKDCustomButton::Inside(QPointF point) const
{
    const int x = int(std::floor(point.x())), y = int(std::floor(point.y()));
    return x >= 0 && x < width() && y >= 0 && y < height();
}

void TKDCustomButton::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !isEnabled() || m_tracking)
        return;
    m_pressed = true;
    StateChanged();
    m_tracking = true;
}

void TKDCustomButton::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_tracking)
        return;
    const bool inside = Inside(event->position());
    if (inside != m_pressed) {
        m_pressed = inside;
        StateChanged();
    }
}

void TKDCustomButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_tracking)
        return;
    m_tracking = false;
    m_pressed = false;
    if (Inside(event->position()))
        ClickAction();
    StateChanged();
}

void TKDCustomButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    m_mouseOver = true;
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TKDCustomButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_mouseOver = false;
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TKDCustomButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}
