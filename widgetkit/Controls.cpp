#include "widgetkit/Controls.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QVariant>

#include <map>

namespace {

constexpr const char* AlignProperty = "kdAlign";

std::map<int, QCursor>& Cursors()
{
    static std::map<int, QCursor> cursors;
    return cursors;
}

} // namespace

void SetAlign(QWidget* control, TAlign align)
{
    if (GetAlign(control) == align)
        return;
    control->setProperty(AlignProperty, int(align));
    if (control->parentWidget())
        control->parentWidget()->updateGeometry();
}

TAlign GetAlign(const QWidget* control)
{
    const QVariant value = control->property(AlignProperty);
    return value.isValid() ? TAlign(value.toInt()) : TAlign::alNone;
}

void AlignControls(QWidget* parent, QRect area)
{
    const auto children = parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (TAlign pass : { TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight }) {
        for (QWidget* child : children) {
            if (GetAlign(child) != pass || child->isHidden())
                continue;
            switch (pass) {
            case TAlign::alTop:
                child->setGeometry(area.left(), area.top(), area.width(), child->height());
                area.setTop(area.top() + child->height());
                break;
            case TAlign::alBottom:
                child->setGeometry(area.left(), area.bottom() + 1 - child->height(), area.width(), child->height());
                area.setBottom(area.bottom() - child->height());
                break;
            case TAlign::alLeft:
                child->setGeometry(area.left(), area.top(), child->width(), area.height());
                area.setLeft(area.left() + child->width());
                break;
            case TAlign::alRight:
                child->setGeometry(area.right() + 1 - child->width(), area.top(), child->width(), area.height());
                area.setRight(area.right() - child->width());
                break;
            default:
                break;
            }
        }
    }
    for (QWidget* child : children) {
        if (GetAlign(child) == TAlign::alClient)
            child->setGeometry(area.left(), area.top(), std::max(0, area.width()), std::max(0, area.height()));
    }
    // Lay out the children's children now: a window that is not shown yet gets its resize
    // events only when it is shown.
    for (QWidget* child : children) {
        if (GetAlign(child) == TAlign::alNone)
            continue;
        QEvent layout(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(child, &layout);
    }
}

void RegisterCursor(int id, const QCursor& cursor) { Cursors()[id] = cursor; }

QCursor CursorById(int id)
{
    const auto it = Cursors().find(id);
    return it != Cursors().end() ? it->second : QCursor(Qt::PointingHandCursor);
}
