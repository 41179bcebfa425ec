#include "paint/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>

namespace {

const std::vector<TSpan> kNoSpans;

// Sorts a row and merges overlapping or touching spans.
void NormalizeRow(std::vector<TSpan>& row)
{
    if (row.size() < 2)
        return;
    std::sort(row.begin(), row.end(), [](const TSpan& a, const TSpan& b) { return a.Left < b.Left; });
    std::size_t out = 0;
    for (std::size_t i = 1; i < row.size(); ++i) {
        if (row[i].Left <= row[out].Right) {
            row[out].Right = std::max(row[out].Right, row[i].Right);
            continue;
        }
        row[++out] = row[i];
    }
    row.resize(out + 1);
}

std::vector<TSpan> IntersectRows(const std::vector<TSpan>& a, const std::vector<TSpan>& b)
{
    std::vector<TSpan> result;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const int left = std::max(a[i].Left, b[j].Left);
        const int right = std::min(a[i].Right, b[j].Right);
        if (left < right)
            result.push_back({ left, right });
        if (a[i].Right < b[j].Right)
            ++i;
        else
            ++j;
    }
    return result;
}

std::vector<TSpan> SubtractRows(const std::vector<TSpan>& a, const std::vector<TSpan>& b)
{
    std::vector<TSpan> result;
    std::size_t j = 0;
    for (TSpan span : a) {
        while (j < b.size() && b[j].Right <= span.Left)
            ++j;
        for (std::size_t k = j; k < b.size() && b[k].Left < span.Right; ++k) {
            if (b[k].Left > span.Left)
                result.push_back({ span.Left, b[k].Left });
            span.Left = std::max(span.Left, b[k].Right);
            if (span.Left >= span.Right)
                break;
        }
        if (span.Left < span.Right)
            result.push_back(span);
    }
    return result;
}

// The rows of the limit that a continuous vertical extent [top, bottom] reaches with pixel
// centres; empty (first > last) when none.
struct TRowRange {
    int First { 0 };
    int Last { -1 };
};

TRowRange RowsBetween(double top, double bottom, const QRect& limit, bool bottomInclusive)
{
    const double first = std::max(std::ceil(top - 0.5), double(limit.top()));
    const double last = std::min(bottomInclusive ? std::floor(bottom - 0.5) : std::ceil(bottom - 0.5) - 1,
                                 double(limit.bottom()));
    if (!(first <= last))
        return {};
    return { int(first), int(last) };
}

// Adds the pixels whose centres lie in [left, right] (or [left, right) when `rightOpen`),
// clamped to the limit's columns.
void AddCentres(TSpanSet& set, int y, double left, double right, bool rightOpen, const QRect& limit)
{
    const double first = std::max(std::ceil(left - 0.5), double(limit.left()));
    const double last = std::min(rightOpen ? std::ceil(right - 0.5) - 1 : std::floor(right - 0.5),
                                 double(limit.right()));
    if (!(first <= last))
        return;
    set.Add(y, int(first), int(last) + 1);
}

std::int64_t FloorDiv(__int128 a, __int128 b)
{
    __int128 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return std::int64_t(q);
}

} // namespace

TRect NormalizedRect(TRect r)
{
    if (r.Left > r.Right)
        std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    return r;
}

QRect PixelsInside(const TRect& rect, const QRect& limit)
{
    if (rect.IsEmpty() || limit.isEmpty())
        return {};
    const int left = std::max(rect.Left, limit.left());
    const int top = std::max(rect.Top, limit.top());
    const std::int64_t right = std::min<std::int64_t>(std::int64_t(rect.Right) - 1, limit.right());
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t(rect.Bottom) - 1, limit.bottom());
    if (left > right || top > bottom)
        return {};
    return QRect(QPoint(left, top), QPoint(int(right), int(bottom)));
}

TSpanSet::TSpanSet(int top, int bottom)
    : m_top(top)
    , m_rows(std::size_t(std::max(0, bottom - top)))
{
}

bool TSpanSet::IsEmpty() const
{
    return std::all_of(m_rows.begin(), m_rows.end(), [](const auto& row) { return row.empty(); });
}

const std::vector<TSpan>& TSpanSet::Row(int y) const
{
    if (y < m_top || y >= Bottom())
        return kNoSpans;
    return m_rows[std::size_t(y - m_top)];
}

bool TSpanSet::Contains(int x, int y) const
{
    const auto& row = Row(y);
    return std::any_of(row.begin(), row.end(), [x](const TSpan& s) { return x >= s.Left && x < s.Right; });
}

void TSpanSet::Add(int y, int left, int right)
{
    if (y < m_top || y >= Bottom() || left >= right)
        return;
    m_rows[std::size_t(y - m_top)].push_back({ left, right });
}

void TSpanSet::Normalize()
{
    for (auto& row : m_rows)
        NormalizeRow(row);
}

TSpanSet TSpanSet::United(const TSpanSet& other) const
{
    if (m_rows.empty())
        return other;
    if (other.m_rows.empty())
        return *this;
    TSpanSet result(std::min(Top(), other.Top()), std::max(Bottom(), other.Bottom()));
    for (int y = result.Top(); y < result.Bottom(); ++y) {
        auto& row = result.m_rows[std::size_t(y - result.m_top)];
        row = Row(y);
        const auto& more = other.Row(y);
        row.insert(row.end(), more.begin(), more.end());
        NormalizeRow(row);
    }
    return result;
}

TSpanSet TSpanSet::Intersected(const TSpanSet& other) const
{
    TSpanSet result(std::max(Top(), other.Top()), std::min(Bottom(), other.Bottom()));
    for (int y = result.Top(); y < result.Bottom(); ++y)
        result.m_rows[std::size_t(y - result.m_top)] = IntersectRows(Row(y), other.Row(y));
    return result;
}

TSpanSet TSpanSet::Subtracted(const TSpanSet& other) const
{
    TSpanSet result = *this;
    for (int y = std::max(Top(), other.Top()); y < std::min(Bottom(), other.Bottom()); ++y) {
        auto& row = result.m_rows[std::size_t(y - m_top)];
        row = SubtractRows(row, other.Row(y));
    }
    return result;
}

QRegion TSpanSet::ToRegion() const
{
    // Rows with the same spans are joined into bands, as a region keeps them.
    std::vector<QRect> rects;
    const std::vector<TSpan>* bandSpans = nullptr;
    int bandTop = m_top;
    const auto flush = [&](int bandBottom) {
        if (!bandSpans)
            return;
        for (const TSpan& span : *bandSpans)
            rects.emplace_back(span.Left, bandTop, span.Right - span.Left, bandBottom - bandTop);
    };
    for (int y = m_top; y < Bottom(); ++y) {
        const auto& row = m_rows[std::size_t(y - m_top)];
        if (bandSpans && row == *bandSpans)
            continue;
        flush(y);
        bandSpans = &row;
        bandTop = y;
    }
    flush(Bottom());
    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), int(rects.size()));
    return region;
}

TSpanSet RoundRectSpans(double left, double top, double right, double bottom, double rx, double ry,
                        const QRect& limit)
{
    if (!(right > left) || !(bottom > top) || limit.isEmpty())
        return {};
    rx = std::clamp(rx, 0.0, (right - left) / 2);
    ry = std::clamp(ry, 0.0, (bottom - top) / 2);
    const TRowRange rows = RowsBetween(top, bottom, limit, true);
    TSpanSet set(rows.First, rows.Last + 1);
    for (int y = rows.First; y <= rows.Last; ++y) {
        const double centre = y + 0.5;
        double inset = 0;
        if (ry > 0 && rx > 0) {
            double dy = 0;
            if (centre < top + ry)
                dy = top + ry - centre;
            else if (centre > bottom - ry)
                dy = centre - (bottom - ry);
            if (dy > 0) {
                const double q = 1 - (dy / ry) * (dy / ry);
                if (q < 0)
                    continue;
                inset = rx * (1 - std::sqrt(q));
            }
        }
        AddCentres(set, y, left + inset, right - inset, false, limit);
    }
    return set;
}

TSpanSet PolygonSpans(std::span<const QPointF> points, bool winding, const QRect& limit)
{
    if (points.size() < 3 || limit.isEmpty())
        return {};
    struct TEdge {
        double Top, Bottom, X, Slope;
        int Direction;
    };
    std::vector<TEdge> edges;
    edges.reserve(points.size());
    double top = points[0].y();
    double bottom = top;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF p = points[i];
        const QPointF q = points[(i + 1) % points.size()];
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
        if (p.y() == q.y())
            continue;
        const bool down = q.y() > p.y();
        const QPointF upper = down ? p : q;
        const QPointF lower = down ? q : p;
        edges.push_back({ upper.y(), lower.y(), upper.x(), (lower.x() - upper.x()) / (lower.y() - upper.y()),
                          down ? 1 : -1 });
    }
    const TRowRange rows = RowsBetween(top, bottom, limit, false);
    TSpanSet set(rows.First, rows.Last + 1);
    std::vector<std::pair<double, int>> crossings;
    for (int y = rows.First; y <= rows.Last; ++y) {
        const double centre = y + 0.5;
        crossings.clear();
        for (const TEdge& e : edges) {
            if (centre >= e.Top && centre < e.Bottom)
                crossings.emplace_back(e.X + (centre - e.Top) * e.Slope, e.Direction);
        }
        std::sort(crossings.begin(), crossings.end());
        int count = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            count += winding ? crossings[i].second : 1;
            const bool inside = winding ? count != 0 : (count & 1) != 0;
            if (inside)
                AddCentres(set, y, crossings[i].first, crossings[i + 1].first, true, limit);
        }
    }
    set.Normalize();
    return set;
}

void AddLine(TSpanSet& set, TPoint from, TPoint to, bool includeEnd, const QRect& limit)
{
    const std::int64_t dx = std::int64_t(to.X) - from.X;
    const std::int64_t dy = std::int64_t(to.Y) - from.Y;
    const std::int64_t steps = std::max(std::abs(dx), std::abs(dy));
    const auto addPixel = [&](std::int64_t x, std::int64_t y) {
        if (x >= limit.left() && x <= limit.right() && y >= limit.top() && y <= limit.bottom())
            set.Add(int(y), int(x), int(x) + 1);
    };
    if (steps == 0) {
        if (includeEnd)
            addPixel(from.X, from.Y);
        return;
    }
    // Pixel i lies i steps along the major axis; the minor axis follows the exact line,
    // rounded. Only the steps inside the limit along the major axis are visited.
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t majorStart = xMajor ? from.X : from.Y;
    const std::int64_t minorStart = xMajor ? from.Y : from.X;
    const std::int64_t majorDelta = xMajor ? dx : dy;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const std::int64_t low = xMajor ? limit.left() : limit.top();
    const std::int64_t high = xMajor ? limit.right() : limit.bottom();
    std::int64_t first = 0;
    std::int64_t last = includeEnd ? steps : steps - 1;
    if (majorDelta > 0) {
        first = std::max(first, low - majorStart);
        last = std::min(last, high - majorStart);
    } else {
        first = std::max(first, majorStart - high);
        last = std::min(last, majorStart - low);
    }
    const std::int64_t direction = majorDelta > 0 ? 1 : -1;
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t major = majorStart + direction * i;
        const std::int64_t minor =
            minorStart + FloorDiv(__int128(2) * i * minorDelta + steps, __int128(2) * steps);
        if (xMajor)
            addPixel(major, minor);
        else
            addPixel(minor, major);
    }
}

TSpanSet WideLineSpans(TPoint from, TPoint to, int width, const QRect& limit)
{
    const double radius = std::max(1, width) / 2.0;
    const QPointF a(from.X + 0.5, from.Y + 0.5);
    const QPointF b(to.X + 0.5, to.Y + 0.5);
    const auto disc = [&](QPointF c) {
        return RoundRectSpans(c.x() - radius, c.y() - radius, c.x() + radius, c.y() + radius, radius, radius,
                              limit);
    };
    TSpanSet set = disc(a);
    if (from == to)
        return set;
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF normal(-(b.y() - a.y()) / length * radius, (b.x() - a.x()) / length * radius);
    const QPointF body[] = { a + normal, b + normal, b - normal, a - normal };
    return set.United(PolygonSpans(body, true, limit)).United(disc(b));
}

TSpanSet RoundRectOutline(double left, double top, double right, double bottom, double rx, double ry,
                          int outlineWidth, const QRect& limit)
{
    const int width = std::max(1, outlineWidth);
    const int outward = width / 2;
    const int inward = width - outward;
    const auto grow = [](double radius, double by) { return radius > 0 ? std::max(0.0, radius + by) : 0.0; };
    const TSpanSet outer = RoundRectSpans(left - outward, top - outward, right + outward, bottom + outward,
                                          grow(rx, outward), grow(ry, outward), limit);
    const TSpanSet inner = RoundRectSpans(left + inward, top + inward, right - inward, bottom - inward,
                                          grow(rx, -inward), grow(ry, -inward), limit);
    return outer.Subtracted(inner);
}

std::vector<QPointF> SectorPolygon(QPointF centre, double radius, double startAngle, double sweep)
{
    const int steps = std::max(1, int(std::ceil(sweep / (std::numbers::pi / 18))));
    const double step = sweep / steps;
    // The polygon's outer edges are chords; pushing the corners out keeps every chord at or
    // beyond `radius`.
    const double reach = radius / std::cos(step / 2);
    std::vector<QPointF> points;
    points.reserve(std::size_t(steps) + 2);
    points.push_back(centre);
    for (int i = 0; i <= steps; ++i) {
        const double angle = startAngle + step * i;
        points.emplace_back(centre.x() + reach * std::cos(angle), centre.y() - reach * std::sin(angle));
    }
    return points;
}

QImage SampleNearest(const QImage& source, const TRect& from, const TRect& to, const QRect& area, bool mirrorX,
                     bool mirrorY)
{
    QImage patch(area.size(), QImage::Format_ARGB32);
    if (patch.isNull())
        return patch;
    patch.fill(Qt::transparent);
    const std::int64_t destWidth = std::int64_t(to.Right) - to.Left;
    const std::int64_t destHeight = std::int64_t(to.Bottom) - to.Top;
    const std::int64_t sourceWidth = std::int64_t(from.Right) - from.Left;
    const std::int64_t sourceHeight = std::int64_t(from.Bottom) - from.Top;
    if (destWidth <= 0 || destHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return patch;
    const auto sample = [](std::int64_t offset, std::int64_t destSize, std::int64_t sourceSize, bool mirror) {
        const std::int64_t d = mirror ? destSize - 1 - offset : offset;
        return std::int64_t((__int128(2 * d + 1) * sourceSize) / (__int128(2) * destSize));
    };
    std::vector<int> columns(std::size_t(area.width()), -1);
    for (int i = 0; i < area.width(); ++i) {
        const std::int64_t sx = from.Left + sample(area.left() + i - std::int64_t(to.Left), destWidth, sourceWidth, mirrorX);
        if (sx >= 0 && sx < source.width())
            columns[std::size_t(i)] = int(sx);
    }
    const QImage pixels = source.convertToFormat(QImage::Format_ARGB32);
    for (int j = 0; j < area.height(); ++j) {
        const std::int64_t sy = from.Top + sample(area.top() + j - std::int64_t(to.Top), destHeight, sourceHeight, mirrorY);
        if (sy < 0 || sy >= pixels.height())
            continue;
        const auto* in = reinterpret_cast<const QRgb*>(pixels.constScanLine(int(sy)));
        auto* out = reinterpret_cast<QRgb*>(patch.scanLine(j));
        for (int i = 0; i < area.width(); ++i) {
            if (columns[std::size_t(i)] >= 0)
                out[i] = in[columns[std::size_t(i)]];
        }
    }
    return patch;
}
