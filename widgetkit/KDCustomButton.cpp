#include "widgetkit/KDCustomButton.h"

#include "paint/KDPalette.h"
#include "widgetkit/LxPanel.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

TRect Offset(TRect r, int dx, int dy) { return Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy); }

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

TColor TKDCustomButton::Color() const { return m_parentColor ? ParentControlColor(parentWidget()) : m_color; }

void TKDCustomButton::SetColor(TColor color)
{
    if (m_color == color && !m_parentColor)
        return;
    m_color = color;
    m_parentColor = false;
    update();
}

void TKDCustomButton::SetParentColor(bool parentColor)
{
    if (m_parentColor == parentColor)
        return;
    m_parentColor = parentColor;
    update();
}

#define KD_BUTTON_SETTER(Name, Type, member) \
    void TKDCustomButton::Set##Name(Type value) \
    {                                           \
        if (member == value)                    \
            return;                             \
        member = value;                         \
        update();                               \
    }

KD_BUTTON_SETTER(AlignmentVertical, TAlignmentVertical, m_alignmentVertical)
KD_BUTTON_SETTER(LightTextStyle, bool, m_lightTextStyle)
KD_BUTTON_SETTER(TextStyle, TTextStyle, m_textStyle)
KD_BUTTON_SETTER(HighlightColor, TColor, m_highlightColor)
KD_BUTTON_SETTER(ShadowColor, TColor, m_shadowColor)
KD_BUTTON_SETTER(ShadowDepth, int, m_shadowDepth)
#undef KD_BUTTON_SETTER

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
    if (m_alignmentVertical == TAlignmentVertical::avCenter) {
        r.Top = (r.Top + r.Bottom - h) / 2;
        r.Bottom = r.Top + h;
    } else if (m_alignmentVertical == TAlignmentVertical::avBottom) {
        r.Top = r.Bottom - h - 1;
    }
    const TRect c = r;
    const auto draw = [&](TRect at, TColor color) {
        canvas.Font.Color = color;
        canvas.DrawText(m_caption, at, format);
    };
    if (!isEnabled()) {
        draw(Offset(r, 1, 1), clBtnHighlight);
        draw(r, clGrayText);
        return;
    }
    const bool right = (format & DT_RIGHT) != 0;
    switch (m_textStyle) {
    case TTextStyle::tsRaised:
        if (!m_lightTextStyle)
            draw(Offset(c, 1, 1), m_shadowColor);
        draw(Offset(r, -1, -1), m_highlightColor);
        break;
    case TTextStyle::tsRecessed:
        draw(Offset(c, 1, 1), m_highlightColor);
        if (!m_lightTextStyle)
            draw(Offset(r, -1, -1), m_shadowColor);
        break;
    case TTextStyle::tsShadow:
        draw(Offset(c, right ? 0 : m_shadowDepth, m_shadowDepth), m_shadowColor);
        break;
    case TTextStyle::tsNormal:
        break;
    }
    draw(Offset(r, right ? -m_shadowDepth : 0, 0), m_font.Color);
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
