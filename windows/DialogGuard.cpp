#include "windows/DialogGuard.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

TDialogGuard::TDialogGuard(QDialog& dialog, QWidget* play, int outsideResult)
    : m_dialog(dialog)
    , m_play(play)
    , m_outsideResult(outsideResult)
{
    QCoreApplication::instance()->installEventFilter(this);
}

TDialogGuard::~TDialogGuard() { QCoreApplication::instance()->removeEventFilter(this); }

bool TDialogGuard::IsWindowOrControl(const QObject* object)
{
    return qobject_cast<const QWindow*>(object) || qobject_cast<const QWidget*>(object);
}

bool TDialogGuard::InDialog(const QObject* object) const
{
    if (const auto* window = qobject_cast<const QWindow*>(object))
        return window == m_dialog.windowHandle();
    if (const auto* widget = qobject_cast<const QWidget*>(object))
        return widget->window() == &m_dialog;
    return false;
}

bool TDialogGuard::eventFilter(QObject* watched, QEvent* event)
{
    // An error box over everything answers its own keys and clicks.
    if (QWindow* modal = QGuiApplication::modalWindow(); modal && modal != m_dialog.windowHandle())
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (!InDialog(watched))
            return false;
        event->accept(); // no shortcut of the dialog's
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (!InDialog(watched))
            return false;
        // A key reaches the window system's window first, then the focused control: passed
        // on from the first, it never reaches the control.
        if (m_play)
            QCoreApplication::sendEvent(m_play, event);
        // Taken here, whatever play made of it: not handed on to the control's parents.
        event->accept();
        return true;
    case QEvent::WindowActivate:
        // The program came back to the front (after another program had the focus): the
        // dialog, standing over play, has the keyboard again.
        if (watched == m_play && m_dialog.isVisible())
            m_dialog.activateWindow();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!IsWindowOrControl(watched) || InDialog(watched) || !m_dialog.isVisible())
            return false;
        m_dialog.done(m_outsideResult);
        return true;
    default:
        return false;
    }
}

int ExecBesidePlay(QDialog& dialog, QWidget* play, int outsideResult)
{
    TDialogGuard guard(dialog, play, outsideResult);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.setModal(false);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    // The dialog may have been answered while it was being shown.
    if (dialog.isVisible())
        loop.exec(QEventLoop::DialogExec);
    return dialog.result();
}
