#pragma once

#include "paint/KDTypes.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRegion>

#include <span>
#include <vector>

// Pixel coverage as rows of spans. The canvas's figures and its clip regions are built from
// the same coverage, so an ellipse region covers exactly the pixels an ellipse would paint.
//
// Two coordinate conventions meet here. Continuous coordinates put pixel (x, y) on the square
// [x, x+1) x [y, y+1): a figure's bounding rectangle (X1, Y1, X2, Y2) is a continuous box and
// covers the pixels whose centres lie inside it, X1..X2-1. Point coordinates (polygon vertices,
// line ends) name pixels, so they sit on pixel centres: continuous (x + 0.5, y + 0.5).

struct TSpan {
    int Left { 0 };  // first pixel
    int Right { 0 }; // one past the last pixel
    friend bool operator==(const TSpan&, const TSpan&) = default;
};

class TSpanSet {
public:
    TSpanSet() = default;
    // Room for rows top..bottom-1; pixels added outside these rows are dropped.
    TSpanSet(int top, int bottom);

    int Top() const { return m_top; }
    int Bottom() const { return m_top + int(m_rows.size()); }
    bool IsEmpty() const;
    bool Contains(int x, int y) const;
    const std::vector<TSpan>& Row(int y) const;

    // Adds pixels left..right-1 of row y; call Normalize before reading the rows again.
    void Add(int y, int left, int right);
    void Normalize();

    TSpanSet United(const TSpanSet& other) const;
    TSpanSet Intersected(const TSpanSet& other) const;
    TSpanSet Subtracted(const TSpanSet& other) const;

    QRegion ToRegion() const;

private:
    int m_top { 0 };
    std::vector<std::vector<TSpan>> m_rows;
};

// The rectangle with left <= right and top <= bottom.
TRect NormalizedRect(TRect rect);
// The pixels of `rect` (right and bottom excluded) that lie inside `limit`.
QRect PixelsInside(const TRect& rect, const QRect& limit);
// The continuous position of a pixel's centre.
inline QPointF PixelCentre(TPoint p) { return QPointF(p.X + 0.5, p.Y + 0.5); }

// Every generator produces only the pixels inside `limit`, so huge figures cost no more than
// the visible part of them.

// A rectangle with corners rounded by quarter ellipses of radii rx, ry (0 for square corners;
// rx = width/2 and ry = height/2 give an ellipse), in continuous coordinates.
TSpanSet RoundRectSpans(double left, double top, double right, double bottom, double rx, double ry,
                        const QRect& limit);

// The inside of a polygon in continuous coordinates: pixel centres inside by the winding rule
// (or alternate rule), left edges in, right edges out.
TSpanSet PolygonSpans(std::span<const QPointF> points, bool winding, const QRect& limit);

// The pixels of a one-pixel line between two pixels, optionally without its end point.
void AddLine(TSpanSet& set, TPoint from, TPoint to, bool includeEnd, const QRect& limit);

// A line `width` pixels wide with round ends, centred on the line between two pixels.
TSpanSet WideLineSpans(TPoint from, TPoint to, int width, const QRect& limit);

// The pixel coverage of a figure given in platform terms. `outlineWidth` pixels of outline are
// centred on the figure's one-pixel outline.
TSpanSet RoundRectOutline(double left, double top, double right, double bottom, double rx, double ry,
                          int outlineWidth, const QRect& limit);

// The pixels `area` (target coordinates, inside `to`) of the source rectangle `from` scaled
// nearest-neighbour onto the target rectangle `to`, mirrored as asked: each target pixel
// takes the source pixel under its centre. Pixels that would come from beyond the source
// stay transparent.
QImage SampleNearest(const QImage& source, const TRect& from, const TRect& to, const QRect& area, bool mirrorX,
                     bool mirrorY);

// A wedge from `centre` (continuous), counter-clockwise from `startAngle` through `sweep`
// radians (angles measured with y pointing up), reaching `radius` and beyond.
std::vector<QPointF> SectorPolygon(QPointF centre, double radius, double startAngle, double sweep);
