#pragma once

#include "paint/KDTypes.h"

#include <QPointF>

#include <span>
#include <vector>

// Coordinate arithmetic and curve flattening for the metafile player.

// An affine map: x' = x * M11 + y * M21 + Dx, y' = x * M12 + y * M22 + Dy.
struct TMfMatrix {
    double M11 { 1 }, M12 { 0 }, M21 { 0 }, M22 { 1 }, Dx { 0 }, Dy { 0 };
    QPointF Map(const QPointF& p) const { return { p.x() * M11 + p.y() * M21 + Dx, p.x() * M12 + p.y() * M22 + Dy }; }
    // This map first, then `next`.
    TMfMatrix Then(const TMfMatrix& next) const;
    bool IsAxisAligned() const { return M12 == 0 && M21 == 0; }
    double Determinant() const { return M11 * M22 - M12 * M21; }
};

// Rounds a target coordinate to a pixel, clamped so hostile coordinates stay harmless.
int MfPixel(double value);
std::vector<TPoint> MfPixels(std::span<const QPointF> points);
// The pixel rectangle spanned by two corners, in any order.
TRect MfPixelRect(const QPointF& a, const QPointF& b);

// Flattens one cubic Bézier from p0 (excluded) to p3 (included) into `out`; the number of
// segments follows the curve's length.
void MfFlattenBezier(const QPointF& p0, const QPointF& p1, const QPointF& p2, const QPointF& p3,
                     std::vector<QPointF>& out);

// Outlines of the figures that have no straight edges, in the coordinates of the box given;
// `scale` (target pixels per unit) decides how finely they are flattened.
std::vector<QPointF> MfEllipseOutline(double left, double top, double right, double bottom, double scale);
// The arc of the box's ellipse from the ray towards `start` to the ray towards `end`, the
// angle falling (counter-clockwise where y grows downwards) or rising; start equal to end is
// the whole ellipse.
std::vector<QPointF> MfArcOutline(double left, double top, double right, double bottom, const QPointF& start,
                                  const QPointF& end, bool falling, double scale);
std::vector<QPointF> MfRoundRectOutline(double left, double top, double right, double bottom, double cornerWidth,
                                        double cornerHeight);
