#include "widgetkit/AppHints.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>

namespace {

// The control whose hint applies at `widget`: the widget itself or the nearest enclosing
// control of the same window that has a hint.
QWidget* HintControlFor(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (!w->toolTip().isEmpty())
            return w;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

// The deepest visible child of `widget` at `globalPos`, or the widget itself.
QWidget* DeepestAt(QWidget* widget, QPoint globalPos)
{
    QWidget* child = widget->childAt(widget->mapFromGlobal(globalPos));
    return child ? child : widget;
}

} // namespace

TAppHints& TAppHints::Instance()
{
    static QPointer<TAppHints> instance;
    if (!instance)
        instance = new TAppHints();
    return *instance;
}

TAppHints::TAppHints()
    : QObject(qApp)
{
    m_showTimer.setSingleShot(true);
    m_hideTimer.setSingleShot(true);
    connect(&m_showTimer, &QTimer::timeout, this, [this] { ActivateHint(m_cursorPos); });
    connect(&m_hideTimer, &QTimer::timeout, this, [this] { HideHint(); });
    // The hint window goes before the application's windows do.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        m_quitting = true;
        CancelHint();
        m_hintWindow.reset();
    });
    qApp->installEventFilter(this);
}

TAppHints::~TAppHints() = default;

void TAppHints::SetShowHint(bool show)
{
    if (m_showHint == show)
        return;
    m_showHint = show;
    CancelHint();
    m_hintWindow.reset();
    if (m_showHint)
        CreateHintWindow();
}

void TAppHints::CreateHintWindow()
{
    m_hintWindow.reset();
    // Once the program is ending no hint shows again: no window is made to outlive the others.
    if (m_quitting)
        return;
    m_hintWindow = m_hintWindowClass ? m_hintWindowClass() : std::make_unique<THintWindow>();
}

void TAppHints::HideHint()
{
    if (m_hintWindow && m_hintWindow->isVisible())
        m_hintWindow->hide();
}

void TAppHints::CancelHint()
{
    m_showTimer.stop();
    m_hideTimer.stop();
    HideHint();
    m_hintControl = nullptr;
    m_hintActive = false;
}

void TAppHints::StartHintTimer(int ms)
{
    m_showTimer.start(std::max(0, ms));
}

std::string TAppHints::ShortHint(const QWidget* control)
{
    if (!control)
        return {};
    const QString hint = control->toolTip();
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return (bar < 0 ? hint : hint.left(bar)).toStdString();
}

void TAppHints::HintMouseMessage(QWidget* widget, QPoint globalPos)
{
    m_cursorPos = globalPos;
    if (!m_showHint)
        return;
    QWidget* control = widget ? HintControlFor(widget) : nullptr;
    if (!control) {
        CancelHint();
        return;
    }
    // The hint window is transparent to the mouse: the control beneath gets the move, and
    // the window decides whether a move across it ends the hint.
    if (m_hintWindow && m_hintWindow->isVisible() && m_hintWindow->geometry().contains(globalPos) &&
        m_hintWindow->PointerMovedOver(globalPos)) {
        CancelHint();
        return;
    }
    if (control == m_hintControl)
        return;
    const bool wasActive = m_hintActive;
    CancelHint();
    m_hintControl = control;
    StartHintTimer(wasActive ? m_hintShortPause : m_hintPause);
}

void TAppHints::ActivateHint(QPoint globalPos)
{
    m_showTimer.stop();
    QWidget* control = m_hintControl;
    if (!control || !m_showHint)
        return;
    if (!m_hintWindow)
        CreateHintWindow();
    THintInfo info;
    info.HintControl = control;
    info.CursorPos = control->mapFromGlobal(globalPos);
    const QScreen* screen = control->screen();
    info.HintMaxWidth = screen ? screen->geometry().width() : 1024;
    info.HintColor = clInfoBk;
    std::string hint = ShortHint(control);
    bool canShow = true;
    if (OnShowHint)
        OnShowHint(hint, canShow, info);
    m_hintActive = canShow;
    if (!canShow || hint.empty() || !m_hintWindow)
        return;
    TRect rect = m_hintWindow->CalcHintRect(info.HintMaxWidth, hint);
    rect = { rect.Left + globalPos.x(), rect.Top + globalPos.y(), rect.Right + globalPos.x(),
             rect.Bottom + globalPos.y() };
    m_hintWindow->SetColor(info.HintColor);
    m_hintWindow->ActivateHint(rect, hint);
    if (m_hintHidePause > 0)
        m_hideTimer.start(m_hintHidePause);
}

bool TAppHints::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        // Hints are shown here, never as the toolkit's tool tips.
        return true;
    case QEvent::MouseMove: {
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        // Only the first delivery: copies passed on to the parents are not spontaneous.
        if (widget && event->spontaneous() && mouse->buttons() == Qt::NoButton &&
            widget->window() != m_hintWindow.get())
            HintMouseMessage(widget, mouse->globalPosition().toPoint());
        break;
    }
    case QEvent::Enter: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() != m_hintWindow.get()) {
            const QPoint pos = static_cast<QEnterEvent*>(event)->globalPosition().toPoint();
            HintMouseMessage(DeepestAt(widget, pos), pos);
        }
        break;
    }
    case QEvent::Leave: {
        auto* widget = qobject_cast<QWidget*>(watched);
        // Leaving a window for the desktop or another program's window.
        if (widget && widget->isWindow() && widget != m_hintWindow.get() && m_hintControl &&
            m_hintControl->window() == widget)
            CancelHint();
        break;
    }
    default:
        if (!m_hintControl && !m_hintActive)
            break;
        if (m_hintWindow ? m_hintWindow->IsHintMsg(*event) : THintWindow::IsCancellingEvent(*event))
            CancelHint();
        break;
    }
    return QObject::eventFilter(watched, event);
}
