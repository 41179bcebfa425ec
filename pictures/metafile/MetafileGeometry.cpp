#include "pictures/metafile/MetafileGeometry.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Coordinates beyond this are far outside any canvas; clamping keeps integer arithmetic in
// the canvas safe from hostile values.
constexpr double CoordinateLimit = double(1 << 20);
// Points of a flattened curve, per curve.
constexpr int MaxCurveSegments = 128;

int SegmentsFor(double length)
{
    // Clamped before the conversion: a hostile length does not fit an int.
    if (!std::isfinite(length))
        return 2;
    return int(std::clamp(length / 4, 2.0, double(MaxCurveSegments)));
}

// The parameter on the ellipse (centre c, radii rx, ry) of the ray from c towards p.
double RayAngle(const QPointF& c, double rx, double ry, const QPointF& p)
{
    const double dx = rx != 0 ? (p.x() - c.x()) / rx : 0;
    const double dy = ry != 0 ? (p.y() - c.y()) / ry : 0;
    if (dx == 0 && dy == 0)
        return 0;
    return std::atan2(dy, dx);
}

} // namespace

TMfMatrix TMfMatrix::Then(const TMfMatrix& n) const
{
    TMfMatrix r;
    r.M11 = M11 * n.M11 + M12 * n.M21;
    r.M12 = M11 * n.M12 + M12 * n.M22;
    r.M21 = M21 * n.M11 + M22 * n.M21;
    r.M22 = M21 * n.M12 + M22 * n.M22;
    r.Dx = Dx * n.M11 + Dy * n.M21 + n.Dx;
    r.Dy = Dx * n.M12 + Dy * n.M22 + n.Dy;
    return r;
}

int MfPixel(double value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::floor(std::clamp(value, -CoordinateLimit, CoordinateLimit) + 0.5));
}

std::vector<TPoint> MfPixels(std::span<const QPointF> points)
{
    std::vector<TPoint> pixels;
    pixels.reserve(points.size());
    for (const QPointF& p : points)
        pixels.push_back({ MfPixel(p.x()), MfPixel(p.y()) });
    return pixels;
}

TRect MfPixelRect(const QPointF& a, const QPointF& b)
{
    return Rect(MfPixel(std::min(a.x(), b.x())), MfPixel(std::min(a.y(), b.y())), MfPixel(std::max(a.x(), b.x())),
                MfPixel(std::max(a.y(), b.y())));
}

void MfFlattenBezier(const QPointF& p0, const QPointF& p1, const QPointF& p2, const QPointF& p3,
                     std::vector<QPointF>& out)
{
    const double length = QLineF(p0, p1).length() + QLineF(p1, p2).length() + QLineF(p2, p3).length();
    const int n = SegmentsFor(length);
    for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n;
        const double u = 1 - t;
        out.push_back(p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) + p3 * (t * t * t));
    }
}

std::vector<QPointF> MfEllipseOutline(double left, double top, double right, double bottom, double scale)
{
    const QPointF c((left + right) / 2, (top + bottom) / 2);
    const double rx = std::abs(right - left) / 2;
    const double ry = std::abs(bottom - top) / 2;
    const int n = SegmentsFor(2 * std::numbers::pi * std::max(rx, ry) * scale) * 2;
    std::vector<QPointF> points;
    points.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i) {
        const double t = 2 * std::numbers::pi * i / n;
        points.push_back({ c.x() + rx * std::cos(t), c.y() + ry * std::sin(t) });
    }
    return points;
}

std::vector<QPointF> MfArcOutline(double left, double top, double right, double bottom, const QPointF& start,
                                  const QPointF& end, bool falling, double scale)
{
    const QPointF c((left + right) / 2, (top + bottom) / 2);
    const double rx = std::abs(right - left) / 2;
    const double ry = std::abs(bottom - top) / 2;
    const double a0 = RayAngle(c, rx, ry, start);
    const double a1 = RayAngle(c, rx, ry, end);
    double sweep = falling ? a0 - a1 : a1 - a0;
    while (sweep <= 0)
        sweep += 2 * std::numbers::pi;
    const int n = SegmentsFor(sweep * std::max(rx, ry) * scale);
    std::vector<QPointF> points;
    points.reserve(std::size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double t = a0 + (falling ? -sweep : sweep) * i / n;
        points.push_back({ c.x() + rx * std::cos(t), c.y() + ry * std::sin(t) });
    }
    return points;
}

std::vector<QPointF> MfRoundRectOutline(double left, double top, double right, double bottom, double cornerWidth,
                                        double cornerHeight)
{
    // Four quarter ellipses joined by the straight sides.
    const double l = std::min(left, right), r = std::max(left, right);
    const double t = std::min(top, bottom), b = std::max(top, bottom);
    const double rx = std::min(std::abs(cornerWidth), r - l) / 2;
    const double ry = std::min(std::abs(cornerHeight), b - t) / 2;
    const QPointF centres[] = { { r - rx, t + ry }, { l + rx, t + ry }, { l + rx, b - ry }, { r - rx, b - ry } };
    std::vector<QPointF> points;
    for (int corner = 0; corner < 4; ++corner) {
        for (int i = 0; i <= 8; ++i) {
            const double a = -std::numbers::pi / 2 * (corner + i / 8.0);
            points.push_back({ centres[corner].x() + rx * std::cos(a), centres[corner].y() + ry * std::sin(a) });
        }
    }
    return points;
}
