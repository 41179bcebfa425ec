#include "play/MousePlay.h"

#include "base/Random.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"

#include <QMouseEvent>

#include <cstdlib>

namespace {

// About one frame of a 60 Hz screen.
constexpr int FrameMs = 16;
// A press that moves less than this is a click, not yet a drag.
constexpr int DragThreshold = 3;

TPoint PointOf(const QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    return { p.x(), p.y() };
}

} // namespace

TMousePlay::TMousePlay(QObject* parent, std::function<void(std::uint16_t key)> playSound)
    : QObject(parent)
    , m_playSound(std::move(playSound))
{
    m_frame.setSingleShot(true);
    m_frame.setInterval(FrameMs);
    connect(&m_frame, &QTimer::timeout, this, [this] { Flush(); });
}

void TMousePlay::Watch(TKDPaintBox* surface)
{
    surface->installEventFilter(this);
    surface->setMouseTracking(false);
}

bool TMousePlay::eventFilter(QObject* watched, QEvent* event)
{
    auto* surface = dynamic_cast<TKDPaintBox*>(watched);
    if (!surface)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_dragSurface && m_dragSurface != surface)
            EndDrag();
        m_clickSurface = surface;
        m_click = PointOf(mouse);
        m_clickPending = true;
        if (!m_dragSurface) {
            m_dragSurface = surface;
            m_pressedAt = m_dragFrom = m_click;
            m_trailStarted = false;
            m_dragPoints.clear();
        }
        Schedule();
        return true;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_dragSurface != surface || mouse->buttons() == Qt::NoButton)
            return true;
        const TPoint at = PointOf(mouse);
        if (!m_trailStarted && m_dragPoints.empty() && std::abs(at.X - m_pressedAt.X) < DragThreshold &&
            std::abs(at.Y - m_pressedAt.Y) < DragThreshold)
            return true;
        m_dragPoints.push_back(at);
        Schedule();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton)
            EndDrag();
        return true;
    case QEvent::Wheel:
        return true;
    case QEvent::Hide:
    case QEvent::FocusOut:
    case QEvent::UngrabMouse:
        // The pointer left for good while a button was held: end the drag cleanly.
        EndDrag();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TMousePlay::Schedule()
{
    if (!m_frame.isActive())
        m_frame.start();
}

void TMousePlay::EndDrag()
{
    // The trail is finished now; a click still waiting keeps its turn at the next frame.
    if (!m_dragPoints.empty())
        Flush();
    m_dragSurface = nullptr;
    m_dragPoints.clear();
    m_trailStarted = false;
}

void TMousePlay::Flush()
{
    m_frame.stop();
    if (m_clickPending && m_clickSurface) {
        m_clickPending = false;
        const std::uint16_t key = TKeys::KeyOfEntry(1 + Random(KeyEntryCount));
        if (m_playSound)
            m_playSound(key);
        m_clickSurface->MousePressed(key, m_click);
    }
    m_clickPending = false;
    if (!m_dragSurface || m_dragPoints.empty())
        return;
    if (!m_trailStarted) {
        m_dragSurface->BeginTrail();
        m_trailStarted = true;
    }
    for (const TPoint& to : m_dragPoints) {
        m_dragSurface->ExtendTrail(m_dragFrom, to);
        m_dragFrom = to;
    }
    m_dragPoints.clear();
}
