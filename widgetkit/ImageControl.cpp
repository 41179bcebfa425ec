#include "widgetkit/ImageControl.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TImage::SetPicture(const QImage& picture)
{
    m_picture = picture;
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size());
    update();
}

void TImage::SetAutoSize(bool autoSize)
{
    if (m_autoSize == autoSize)
        return;
    m_autoSize = autoSize;
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size());
}

void TImage::SetCenter(bool center)
{
    if (m_center == center)
        return;
    m_center = center;
    update();
}

void TImage::SetHint(const std::string& hint)
{
    m_hint = hint;
    // The application's hint machinery reads the hint from here.
    setToolTip(QString::fromStdString(hint));
}

void TImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    QPoint origin(0, 0);
    if (m_center)
        origin = QPoint((width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2);
    painter.drawImage(origin, m_picture);
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    // Any button: the exit image shows its pressed picture whichever button goes down.
    m_pressed = event->button() == Qt::LeftButton;
    if (OnMouseDown)
        OnMouseDown(this);
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (OnMouseUp)
        OnMouseUp(this);
    if (click && OnClick)
        OnClick(this);
}
