#include "widgetkit/KDScroller.h"

#include "resources/ProgramResources.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

enum TPictureIndex { Left, LeftDown, LeftDisabled, Right, RightDown, RightDisabled };

constexpr const char* PictureNames[6] = { "SBLEFT", "SBLEFTDN", "SBLEFTDIS", "SBRIGHT", "SBRIGHTDN", "SBRIGHTDIS" };
constexpr int ButtonWidth = 12;
constexpr int LeftButton = 0;
constexpr int RightButton = 1;

} // namespace

TKDScroller::TKDScroller(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < 6; ++i)
        m_pictures[i] = LoadProgramBitmap(PictureNames[i]);
    setFixedSize(ButtonPairWidth - 1, ButtonHeight);
}

void TKDScroller::SetMin(int value)
{
    if (value == m_min || value >= m_max)
        return;
    m_min = value;
    update();
}

void TKDScroller::SetMax(int value)
{
    if (value == m_max || value <= m_min)
        return;
    m_max = value;
    update();
}

void TKDScroller::SetPosition(int value)
{
    value = std::clamp(value, m_min, std::max(m_min, m_max));
    if (value == m_position)
        return;
    m_position = value;
    update();
    if (OnClick)
        OnClick(this);
}

bool TKDScroller::CanScroll(int button) const
{
    return button == LeftButton ? m_position > m_min : m_position < m_max;
}

bool TKDScroller::InsideButton(int button, QPoint pos) const
{
    const int left = button == RightButton ? ButtonWidth : 0;
    return pos.x() >= left && pos.x() < left + ButtonWidth && pos.y() >= 0 && pos.y() < ButtonHeight;
}

void TKDScroller::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    int left = Left;
    if (m_position <= m_min)
        left = LeftDisabled;
    else if (m_tracking && m_pressedButton == LeftButton && m_pressedInside)
        left = LeftDown;
    int right = Right;
    if (m_position >= m_max)
        right = RightDisabled;
    else if (m_tracking && m_pressedButton == RightButton && m_pressedInside)
        right = RightDown;
    // The two buttons share their middle column: the right one is drawn over it.
    painter.drawImage(0, 0, m_pictures[left]);
    painter.drawImage(ButtonWidth - 1, 0, m_pictures[right]);
}

void TKDScroller::Press(QPoint pos)
{
    const int button = pos.x() >= ButtonWidth ? RightButton : LeftButton;
    if (!CanScroll(button))
        return;
    m_tracking = true;
    m_pressedButton = button;
    m_pressedInside = true;
    // The press captures the pointer until the button is released.
    update();
}

void TKDScroller::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Press(event->position().toPoint());
}

void TKDScroller::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Press(event->position().toPoint());
}

void TKDScroller::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_tracking)
        return;
    const bool inside = InsideButton(m_pressedButton, event->position().toPoint());
    if (inside == m_pressedInside)
        return;
    m_pressedInside = inside;
    update();
}

void TKDScroller::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_tracking)
        return;
    m_tracking = false;
    const bool clicked = m_pressedInside;
    m_pressedInside = false;
    update();
    if (clicked)
        SetPosition(m_pressedButton == LeftButton ? m_position - m_change : m_position + m_change);
}

void TKDScroller::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (size() != QSize(ButtonPairWidth - 1, ButtonHeight))
        setFixedSize(ButtonPairWidth - 1, ButtonHeight);
}
