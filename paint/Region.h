#pragma once

#include "paint/KDTypes.h"

#include <QRegion>

#include <span>

// A clipping region: rectangle, ellipse, rounded rectangle or polygon (winding fill), with
// the pixel coverage of the platform's regions.
class TRegion {
public:
    static TRegion Rect(const TRect& rect);
    static TRegion Ellipse(const TRect& rect);
    static TRegion RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight);
    static TRegion Polygon(std::span<const TPoint> points);
    // Any set of pixels, such as the combination of other regions.
    static TRegion FromQRegion(const QRegion& region);

    const QRegion& ToQRegion() const { return m_region; }
    bool Contains(int x, int y) const { return m_region.contains(QPoint(x, y)); }
    bool IsEmpty() const { return m_region.isEmpty(); }

private:
    QRegion m_region;
};
