#include "paint/Region.h"

#include "paint/Raster.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Regions reach this far from the origin in every direction: far beyond any screen, and it
// keeps a region of huge coordinates small.
constexpr int kRegionReach = 1 << 15;

QRect RegionLimit() { return QRect(QPoint(-kRegionReach, -kRegionReach), QPoint(kRegionReach, kRegionReach)); }

} // namespace

TRegion TRegion::FromQRegion(const QRegion& region)
{
    TRegion result;
    result.m_region = region.intersected(RegionLimit());
    return result;
}

TRegion TRegion::Rect(const TRect& rect)
{
    TRegion region;
    region.m_region = QRegion(PixelsInside(NormalizedRect(rect), RegionLimit()));
    return region;
}

TRegion TRegion::Ellipse(const TRect& rect)
{
    const TRect r = NormalizedRect(rect);
    TRegion region;
    region.m_region = RoundRectSpans(r.Left, r.Top, r.Right, r.Bottom, (double(r.Right) - r.Left) / 2,
                                     (double(r.Bottom) - r.Top) / 2, RegionLimit())
                          .ToRegion();
    return region;
}

TRegion TRegion::RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight)
{
    const TRect r = NormalizedRect(rect);
    TRegion region;
    region.m_region = RoundRectSpans(r.Left, r.Top, r.Right, r.Bottom, std::abs(double(ellipseWidth)) / 2,
                                     std::abs(double(ellipseHeight)) / 2, RegionLimit())
                          .ToRegion();
    return region;
}

TRegion TRegion::Polygon(std::span<const TPoint> points)
{
    // The inside plus the one-pixel outline: the pixels a polygon figure covers.
    if (points.empty())
        return {};
    std::vector<QPointF> corners;
    corners.reserve(points.size());
    int top = points[0].Y;
    int bottom = points[0].Y;
    for (TPoint p : points) {
        corners.push_back(PixelCentre(p));
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    // Only the rows the polygon reaches.
    const QRect limit(QPoint(-kRegionReach, std::max(top, -kRegionReach)),
                      QPoint(kRegionReach, std::min(bottom, kRegionReach)));
    if (limit.isEmpty())
        return {};
    TSpanSet outline(limit.top(), limit.bottom() + 1);
    for (std::size_t i = 0; i < points.size(); ++i)
        AddLine(outline, points[i], points[(i + 1) % points.size()], points.size() == 1, limit);
    outline.Normalize();
    TRegion region;
    region.m_region = PolygonSpans(corners, true, limit).United(outline).ToRegion();
    return region;
}
