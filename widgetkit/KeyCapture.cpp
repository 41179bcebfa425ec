#include "widgetkit/KeyCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>

bool TakeKeyEvent(QEvent* event, const std::function<void(QKeyEvent* key)>& handle)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        event->accept();
        if (handle)
            handle(static_cast<QKeyEvent*>(event));
        return true;
    default:
        return false;
    }
}

bool PassKeyEventOn(QEvent* event, QObject* target)
{
    return TakeKeyEvent(event, [target](QKeyEvent* key) {
        if (target)
            QCoreApplication::sendEvent(target, key);
    });
}
