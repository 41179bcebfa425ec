#include "widgetkit/HintWindow.h"

#include "paint/Canvas.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

THintWindow::THintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Kedoozle hint"));
}

void THintWindow::SetColor(TColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) const
{
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    TCanvas canvas(&scratch);
    canvas.Font = m_font;
    TRect rect { 0, 0, maxWidth, 0 };
    canvas.DrawText(hint, rect, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    rect.Right += 6;
    rect.Bottom += 2;
    return rect;
}

void THintWindow::ActivateHint(TRect rect, const std::string& hint)
{
    m_caption = hint;
    setWindowTitle(QString::fromStdString(hint));
    // A little room for the outline around the text, and below the pointer rather than
    // under it.
    constexpr int BelowPointer = 20;
    rect = { rect.Left - 2, rect.Top - 2 + BelowPointer, rect.Right + 2, rect.Bottom + 2 + BelowPointer };
    setGeometry(rect.Left, rect.Top, rect.Width(), rect.Height());
    show();
    raise();
    update();
}

bool THintWindow::IsCancellingEvent(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ApplicationStateChange:
    case QEvent::ApplicationActivate:
    case QEvent::ApplicationDeactivate:
        return true;
    default:
        return false;
    }
}

bool THintWindow::PointerMovedOver(QPoint) { return false; }

void THintWindow::Paint(TCanvas& canvas, QSize size)
{
    canvas.Pen.Color = clBtnShadow;
    canvas.Pen.Width = 1;
    canvas.Brush.SetColor(m_color);
    canvas.Rectangle(0, 0, size.width(), size.height());
    canvas.Font = m_font;
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    TRect text { 4, 3, size.width() - 4, size.height() - 3 };
    canvas.DrawText(m_caption, text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::paintEvent(QPaintEvent*)
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        TCanvas canvas(&image);
        Paint(canvas, size());
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, image);
}

void THintWindow::focusInEvent(QFocusEvent*)
{
    // The hint never keeps the focus: it goes straight back to the window that had it.
    if (QWidget* previous = QApplication::activeWindow(); previous && previous != this)
        previous->activateWindow();
}
