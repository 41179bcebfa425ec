#pragma once

#include "paint/KDTypes.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <vector>

class TKDPaintBox;

// Clicks and drags on a play surface draw too. A press of any button draws once for a key
// chosen at random among the 88, with its sound, covering the pointer; dragging with a button
// held leaves a trail. The wheel does nothing. Mouse drawings are made at most once per screen
// frame: a storm of clicks becomes one drawing per frame, so a key press waits behind at most
// one of them.
class TMousePlay : public QObject {
public:
    // `playSound` plays the sound of a key as a key press would.
    TMousePlay(QObject* parent, std::function<void(std::uint16_t key)> playSound);

    // Takes the mouse events of `surface` (its clicks never reach anything else).
    void Watch(TKDPaintBox* surface);
    // Whether mouse drawings wait for the next frame.
    bool Waiting() const { return m_frame.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Schedule();
    void Flush();
    void EndDrag();

    std::function<void(std::uint16_t key)> m_playSound;
    QTimer m_frame;
    // The newest click not yet drawn; older ones in the same frame are dropped.
    QPointer<TKDPaintBox> m_clickSurface;
    TPoint m_click;
    bool m_clickPending { false };
    // The drag under way: its surface, the last point drawn to and the points since.
    QPointer<TKDPaintBox> m_dragSurface;
    TPoint m_dragFrom;
    TPoint m_pressedAt;
    std::vector<TPoint> m_dragPoints;
    bool m_trailStarted { false };
};
