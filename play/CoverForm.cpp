#include "play/CoverForm.h"

#include "platform/DisplayPlatform.h"
#include "play/KDPaintBox.h"
#include "widgetkit/KDCtrls.h"
#include "widgetkit/KeyCapture.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

TFrmCover::TFrmCover(QWidget* keyTarget, std::shared_ptr<TPlayState> state)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , m_keyTarget(keyTarget)
    , m_pbxDisplay(new TKDPaintBox(this, std::move(state)))
{
    setWindowTitle(QStringLiteral("Kedoozle cover"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setCursor(keyTarget ? keyTarget->cursor() : QCursor());
}

TFrmCover::~TFrmCover() = default;

void TFrmCover::Cover(const QRect& monitor)
{
    if (isVisible() && geometry() == monitor)
        return;
    setGeometry(monitor);
    m_pbxDisplay->SetBounds(0, 0, monitor.width(), monitor.height());
    // A Wayland compositor places windows itself: the cover asks to be full-screen on the
    // monitor's own output.
    if (OnWaylandDesktop())
        FillScreenAt(monitor);
    if (!isVisible())
        show();
}

void TFrmCover::FillScreenAt(const QRect& monitor)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry() != monitor)
            continue;
        create();
        if (windowHandle()->screen() != screen) {
            // The compositor moves a full-screen window only when it is asked anew.
            if (isVisible() && (windowState() & Qt::WindowFullScreen))
                setWindowState(windowState() & ~Qt::WindowFullScreen);
            windowHandle()->setScreen(screen);
        }
        break;
    }
    setWindowState(windowState() | Qt::WindowFullScreen);
}

bool TFrmCover::event(QEvent* event)
{
    // Not expected, as the window takes no focus; any key that comes here is play all the same.
    if (PassKeyEventOn(event, m_keyTarget))
        return true;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        event->accept(); // clicks that mouse play did not take do nothing
        return true;
    case QEvent::Close:
        if (m_closeAllowed)
            event->accept();
        else
            event->ignore();
        return true;
    case QEvent::Resize:
        m_pbxDisplay->SetBounds(0, 0, width(), height());
        break;
    default:
        break;
    }
    return QWidget::event(event);
}
