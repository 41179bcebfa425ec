#include "widgetkit/KDCustomButton.h"

#include "paint/KDPalette.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
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
    // The hold's progress is drawn as it grows, and once more when it is complete.
    m_holdTick.setInterval(20);
    connect(&m_holdTick, &QTimer::timeout, this, [this] {
        if (HoldProgress() >= 1)
            m_holdTick.stop();
        StateChanged();
    });
}

void TKDCustomButton::SetDeliberateClick(int slop, int holdMs)
{
    m_slop = slop;
    m_holdMs = std::max(0, holdMs);
}

double TKDCustomButton::HoldProgress() const
{
    if (!m_tracking || m_void || !m_pressed || m_holdMs <= 0)
        return 0;
    return std::min(1.0, double(m_held.elapsed()) / m_holdMs);
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
    if (m_tracking) {
        // A second button while the first is held is no deliberate click.
        if (m_slop >= 0)
            VoidPress();
        return;
    }
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    m_pressed = true;
    m_pressTime = event->timestamp();
    StartTracking(event->globalPosition());
    StateChanged();
}

void TKDCustomButton::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_tracking || m_void)
        return;
    const QPointF moved = event->globalPosition() - m_pressedAt;
    if (m_slop >= 0 && std::hypot(moved.x(), moved.y()) > m_slop) {
        VoidPress();
        return;
    }
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
    // The events' own times tell how long the button was held, however late they are
    // handled; events without them (made up by the program) go by the clock.
    const quint64 released = event->timestamp();
    const qint64 held = m_pressTime != 0 && released >= m_pressTime ? qint64(released - m_pressTime) : m_held.elapsed();
    const bool heldLongEnough = m_holdMs <= 0 || held >= m_holdMs;
    const bool click = !m_void && heldLongEnough && Inside(event->position());
    StopTracking();
    if (click)
        ClickAction();
    StateChanged();
}

void TKDCustomButton::StartTracking(QPointF globalPoint)
{
    m_tracking = true;
    m_void = false;
    m_pressedAt = globalPoint;
    m_held.start();
    if (m_holdMs > 0)
        m_holdTick.start();
    // The release may go to another window of the program (one that holds the pointer, or
    // the one under it): the button must hear of it all the same.
    QCoreApplication::instance()->installEventFilter(this);
}

void TKDCustomButton::StopTracking()
{
    m_tracking = false;
    m_pressed = false;
    m_void = false;
    m_holdTick.stop();
    QCoreApplication::instance()->removeEventFilter(this);
}

void TKDCustomButton::VoidPress()
{
    m_void = true;
    m_pressed = false;
    m_holdTick.stop();
    StateChanged();
}

bool TKDCustomButton::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_tracking)
        return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::Hide && (watched == this || watched == window())) {
        StopTracking();
        StateChanged();
    } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) {
        // A press or release that another window gets ends the press here: the pointer is
        // over that window, not over this button.
        bool elsewhere = false;
        if (const auto* other = qobject_cast<QWindow*>(watched))
            elsewhere = other != window()->windowHandle();
        else if (const auto* widget = qobject_cast<QWidget*>(watched))
            elsewhere = widget->window() != window();
        if (elsewhere) {
            StopTracking();
            m_mouseOver = false;
            StateChanged();
        }
    }
    return QWidget::eventFilter(watched, event);
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
