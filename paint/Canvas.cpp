#include "paint/Canvas.h"

#include "paint/Drawable.h"
#include "paint/Raster.h"
#include "paint/TextLayout.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>

namespace {

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QString ToQString(const std::string& text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString result = decoder(QByteArrayView(text.data(), qsizetype(text.size())));
    if (!decoder.hasError())
        return result;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Widths of 0 or less draw one pixel, as the platform's pens do; beyond any screen they only
// cost time.
int PenWidth(const TPen& pen) { return std::clamp(pen.Width, 1, 1 << 16); }

// The angle of the ray from `centre` towards `p`, with y pointing up.
double RayAngle(QPointF centre, QPointF p) { return std::atan2(-(p.y() - centre.y()), p.x() - centre.x()); }

// Where the ray from the centre at `angle` leaves the ellipse of radii rx, ry.
QPointF EllipsePoint(QPointF centre, double rx, double ry, double angle)
{
    const double dx = std::cos(angle);
    const double dy = -std::sin(angle);
    if (rx <= 0 || ry <= 0)
        return centre;
    const double t = 1 / std::sqrt((dx / rx) * (dx / rx) + (dy / ry) * (dy / ry));
    return QPointF(centre.x() + dx * t, centre.y() + dy * t);
}

TPoint NearestPixel(QPointF p)
{
    const auto nearest = [](double v) { return int(std::clamp(std::round(v), double(INT32_MIN), double(INT32_MAX))); };
    return { nearest(p.x()), nearest(p.y()) };
}

void FillSpans(QPainter& painter, const TSpanSet& spans, const QRegion* clip, TColor color)
{
    QRegion region = spans.ToRegion();
    if (clip)
        region &= *clip;
    const QColor qcolor = ToQColor(color);
    for (const QRect& rect : region)
        painter.fillRect(rect, qcolor);
}

// A one-pixel or wide line between two pixels.
TSpanSet LineSpans(TPoint from, TPoint to, int width, bool includeEnd, const QRect& limit)
{
    if (width > 1)
        return WideLineSpans(from, to, width, limit);
    TSpanSet set(limit.top(), limit.bottom() + 1);
    AddLine(set, from, to, includeEnd, limit);
    set.Normalize();
    return set;
}

} // namespace

// ---- TCanvas: painter ----------------------------------------------------------------------

// The painter for one drawing call: opens it on the image unless it is already open (a picture
// drawing itself through Painter), and leaves it as it found it.
class TCanvas::TPaintScope {
public:
    explicit TPaintScope(TCanvas& canvas)
    {
        if (!canvas.m_image || canvas.m_image->isNull())
            return;
        if (!canvas.m_painter)
            canvas.m_painter = std::make_unique<QPainter>();
        QPainter& painter = *canvas.m_painter;
        if (painter.isActive()) {
            painter.save();
        } else {
            if (!painter.begin(canvas.m_image))
                return;
            m_opened = true;
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.resetTransform();
        painter.setOpacity(1);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        canvas.ApplyClip(painter);
        m_painter = &painter;
    }
    ~TPaintScope()
    {
        if (!m_painter)
            return;
        if (m_opened)
            m_painter->end();
        else
            m_painter->restore();
    }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;

    explicit operator bool() const { return m_painter != nullptr; }
    QPainter* operator->() const { return m_painter; }
    QPainter& operator*() const { return *m_painter; }

private:
    QPainter* m_painter { nullptr };
    bool m_opened { false };
};

TCanvas::TCanvas(QImage* image)
    : m_image(image)
{
}

TCanvas::~TCanvas() { ReleasePainter(); }

int TCanvas::Width() const { return m_image ? m_image->width() : 0; }

int TCanvas::Height() const { return m_image ? m_image->height() : 0; }

void TCanvas::ApplyPen(QPainter& painter) const
{
    if (Pen.Style == TPenStyle::psClear) {
        painter.setPen(Qt::NoPen);
        return;
    }
    QPen pen(ToQColor(Match(Pen.Color)), PenWidth(Pen));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
}

void TCanvas::ApplyBrush(QPainter& painter) const
{
    if (Brush.Style() == TBrushStyle::bsClear)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(ToQColor(Match(Brush.Color())));
}

void TCanvas::ApplyClip(QPainter& painter) const
{
    if (m_hasClip)
        painter.setClipRegion(m_clip);
    else
        painter.setClipping(false);
}

QPainter& TCanvas::Painter()
{
    if (!m_painter)
        m_painter = std::make_unique<QPainter>();
    if (!m_painter->isActive() && m_image && !m_image->isNull() && m_painter->begin(m_image)) {
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, false);
        m_painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    if (m_painter->isActive()) {
        ApplyClip(*m_painter);
        ApplyPen(*m_painter);
        ApplyBrush(*m_painter);
        m_painter->setFont(Font.ToQFont());
    }
    return *m_painter;
}

void TCanvas::ReleasePainter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

// The part of the image that drawing can change: the image, cut to the clip's bounds.
QRect TCanvas::DrawLimit() const
{
    if (!m_image || m_image->isNull())
        return {};
    const QRect image = m_image->rect();
    return m_hasClip ? image.intersected(m_clip.boundingRect()) : image;
}

// ---- TCanvas: figures --------------------------------------------------------------------

void TCanvas::PaintRoundRect(TRect rect, double rx, double ry)
{
    const TRect r = NormalizedRect(rect);
    const QRect limit = DrawLimit();
    if (r.IsEmpty() || limit.isEmpty())
        return;
    TPaintScope painter(*this);
    if (!painter)
        return;
    const QRegion* clip = m_hasClip ? &m_clip : nullptr;
    if (Brush.Style() == TBrushStyle::bsSolid)
        FillSpans(*painter, RoundRectSpans(r.Left, r.Top, r.Right, r.Bottom, rx, ry, limit), clip, Match(Brush.Color()));
    if (Pen.Style == TPenStyle::psSolid)
        FillSpans(*painter, RoundRectOutline(r.Left, r.Top, r.Right, r.Bottom, rx, ry, PenWidth(Pen), limit), clip,
                  Match(Pen.Color));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) { PaintRoundRect({ x1, y1, x2, y2 }, 0, 0); }

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    PaintRoundRect({ x1, y1, x2, y2 }, std::abs(double(x2) - x1) / 2, std::abs(double(y2) - y1) / 2);
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight)
{
    PaintRoundRect({ x1, y1, x2, y2 }, std::abs(double(ellipseWidth)) / 2, std::abs(double(ellipseHeight)) / 2);
}

void TCanvas::PaintArc(TArcKind kind, TRect rect, TPoint start, TPoint end)
{
    const TRect r = NormalizedRect(rect);
    const QRect limit = DrawLimit();
    if (r.IsEmpty() || limit.isEmpty())
        return;
    const bool fill = kind != TArcKind::Arc && Brush.Style() == TBrushStyle::bsSolid;
    const bool outline = Pen.Style == TPenStyle::psSolid;
    if (!fill && !outline)
        return;
    TPaintScope painter(*this);
    if (!painter)
        return;

    // The rays start at the centre of the bounding rectangle and are true geometric rays
    // through the given points (both in the figure's own coordinates, where the centre of
    // (0, 0, 40, 40) is (20, 20) and a ray to (40, 20) is level); the figure runs
    // counter-clockwise from the first to the second. Equal rays give the whole ellipse.
    const double rx = (double(r.Right) - r.Left) / 2;
    const double ry = (double(r.Bottom) - r.Top) / 2;
    const QPointF centre(r.Left + rx, r.Top + ry);
    const double startAngle = RayAngle(centre, QPointF(start.X, start.Y));
    double sweep = RayAngle(centre, QPointF(end.X, end.Y)) - startAngle;
    while (sweep <= 0)
        sweep += 2 * std::numbers::pi;
    const double endAngle = startAngle + sweep;
    const std::vector<QPointF> wedge = SectorPolygon(centre, std::max(rx, ry) + double(PenWidth(Pen)) + 2, startAngle, sweep);
    const TSpanSet sector = PolygonSpans(wedge, true, limit);
    const QRegion* clip = m_hasClip ? &m_clip : nullptr;

    if (fill) {
        const TSpanSet ellipse = RoundRectSpans(r.Left, r.Top, r.Right, r.Bottom, rx, ry, limit);
        if (kind == TArcKind::Pie) {
            FillSpans(*painter, ellipse.Intersected(sector), clip, Match(Brush.Color()));
        } else {
            // The chord's side: the wedge with its point replaced by the chord's two ends.
            std::vector<QPointF> segment(wedge.begin() + 1, wedge.end());
            segment.insert(segment.begin(), EllipsePoint(centre, rx, ry, startAngle));
            segment.push_back(EllipsePoint(centre, rx, ry, endAngle));
            FillSpans(*painter, ellipse.Intersected(PolygonSpans(segment, true, limit)), clip, Match(Brush.Color()));
        }
    }
    if (!outline)
        return;
    TSpanSet lines = RoundRectOutline(r.Left, r.Top, r.Right, r.Bottom, rx, ry, PenWidth(Pen), limit).Intersected(sector);
    // The straight edges join the ends of the one-pixel arc, whose pixel centres lie on the
    // ellipse half a pixel inside the bounding box.
    const QPointF pixelCentre(centre.x() - 0.5, centre.y() - 0.5);
    const TPoint arcStart = NearestPixel(EllipsePoint(pixelCentre, rx - 0.5, ry - 0.5, startAngle));
    const TPoint arcEnd = NearestPixel(EllipsePoint(pixelCentre, rx - 0.5, ry - 0.5, endAngle));
    if (kind == TArcKind::Pie) {
        const TPoint middle = NearestPixel(pixelCentre);
        lines = lines.United(LineSpans(middle, arcStart, PenWidth(Pen), true, limit))
                    .United(LineSpans(middle, arcEnd, PenWidth(Pen), true, limit));
    } else if (kind == TArcKind::Chord) {
        lines = lines.United(LineSpans(arcStart, arcEnd, PenWidth(Pen), true, limit));
    }
    FillSpans(*painter, lines, clip, Match(Pen.Color));
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    PaintArc(TArcKind::Pie, { x1, y1, x2, y2 }, { x3, y3 }, { x4, y4 });
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    PaintArc(TArcKind::Chord, { x1, y1, x2, y2 }, { x3, y3 }, { x4, y4 });
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    PaintArc(TArcKind::Arc, { x1, y1, x2, y2 }, { x3, y3 }, { x4, y4 });
}

// Lines through the points with the pen: each leaves out its end point, except that a closed
// outline comes back to its first point, which the first line drew.
void TCanvas::PaintLines(std::span<const TPoint> points, bool closed)
{
    const QRect limit = DrawLimit();
    if (points.size() < 2 || Pen.Style == TPenStyle::psClear || limit.isEmpty())
        return;
    TPaintScope painter(*this);
    if (!painter)
        return;
    const std::size_t count = closed ? points.size() : points.size() - 1;
    TSpanSet lines(limit.top(), limit.bottom() + 1);
    for (std::size_t i = 0; i < count; ++i) {
        const TPoint from = points[i];
        const TPoint to = points[(i + 1) % points.size()];
        if (PenWidth(Pen) > 1)
            lines = lines.United(WideLineSpans(from, to, PenWidth(Pen), limit));
        else
            AddLine(lines, from, to, false, limit);
    }
    lines.Normalize();
    FillSpans(*painter, lines, m_hasClip ? &m_clip : nullptr, Match(Pen.Color));
}

void TCanvas::Polygon(std::span<const TPoint> points, bool winding)
{
    const QRect limit = DrawLimit();
    if (points.empty() || limit.isEmpty())
        return;
    if (Brush.Style() == TBrushStyle::bsSolid && points.size() >= 3) {
        TPaintScope painter(*this);
        if (!painter)
            return;
        std::vector<QPointF> corners;
        corners.reserve(points.size());
        for (TPoint p : points)
            corners.push_back(PixelCentre(p));
        FillSpans(*painter, PolygonSpans(corners, winding, limit), m_hasClip ? &m_clip : nullptr, Match(Brush.Color()));
    }
    PaintLines(points, true);
}

void TCanvas::Polyline(std::span<const TPoint> points) { PaintLines(points, false); }

void TCanvas::MoveTo(int x, int y) { m_penPos = { x, y }; }

void TCanvas::LineTo(int x, int y)
{
    const TPoint line[] = { m_penPos, { x, y } };
    m_penPos = { x, y };
    PaintLines(line, false);
}

void TCanvas::FillRect(const TRect& rect)
{
    if (Brush.Style() == TBrushStyle::bsClear)
        return;
    const QRect area = PixelsInside(rect, DrawLimit());
    if (area.isEmpty())
        return;
    TPaintScope painter(*this);
    if (painter)
        painter->fillRect(area, ToQColor(Match(Brush.Color())));
}

void TCanvas::FrameRect(const TRect& rect)
{
    const QRect limit = DrawLimit();
    if (Brush.Style() == TBrushStyle::bsClear || rect.IsEmpty() || limit.isEmpty())
        return;
    TPaintScope painter(*this);
    if (!painter)
        return;
    FillSpans(*painter, RoundRectOutline(rect.Left, rect.Top, rect.Right, rect.Bottom, 0, 0, 1, limit),
              m_hasClip ? &m_clip : nullptr, Match(Brush.Color()));
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (!m_image || !m_image->valid(x, y))
        return CLR_INVALID;
    const QRgb rgb = m_image->pixel(x, y);
    return RGB(std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb)));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (!m_image || !m_image->valid(x, y) || (m_hasClip && !m_clip.contains(QPoint(x, y))))
        return;
    TPaintScope painter(*this);
    if (painter)
        painter->fillRect(QRect(x, y, 1, 1), ToQColor(Match(color)));
}

// ---- TCanvas: text -----------------------------------------------------------------------

TSize TCanvas::TextExtent(const std::string& text) const
{
    const QFont font = Font.ToQFont();
    const QFontMetrics metrics = m_image && !m_image->isNull() ? QFontMetrics(font, m_image) : QFontMetrics(font);
    return { metrics.horizontalAdvance(ToQString(text)), metrics.ascent() + metrics.descent() };
}

void TCanvas::PaintText(int x, int y, const std::string& text, const TRect* clip)
{
    const QFont font = Font.ToQFont();
    const QFontMetrics metrics = m_image && !m_image->isNull() ? QFontMetrics(font, m_image) : QFontMetrics(font);
    const QString line = ToQString(text);
    const int width = metrics.horizontalAdvance(line);
    const int height = metrics.ascent() + metrics.descent();
    m_penPos = { int(std::clamp<std::int64_t>(std::int64_t(x) + width, INT32_MIN, INT32_MAX)), y };
    const QRect limit = DrawLimit();
    if (limit.isEmpty() || std::abs(std::int64_t(x)) > kTextReach || std::abs(std::int64_t(y)) > kTextReach)
        return;
    TPaintScope painter(*this);
    if (!painter)
        return;
    const bool opaque = Brush.Style() == TBrushStyle::bsSolid;
    if (clip) {
        const QRect area = PixelsInside(*clip, limit);
        if (area.isEmpty())
            return;
        painter->setClipRect(area, Qt::IntersectClip);
        // The clipped form paints the whole clip rectangle as the text's background.
        if (opaque)
            painter->fillRect(area, ToQColor(Match(Brush.Color())));
    } else if (opaque) {
        painter->fillRect(QRect(x, y, width, height), ToQColor(Match(Brush.Color())));
    }
    painter->setFont(font);
    painter->setPen(ToQColor(Match(Font.Color)));
    painter->drawText(QPoint(x, y + metrics.ascent()), line);
}

void TCanvas::TextOut(int x, int y, const std::string& text) { PaintText(x, y, text, nullptr); }

void TCanvas::TextRect(const TRect& clip, int x, int y, const std::string& text) { PaintText(x, y, text, &clip); }

int TCanvas::DrawText(const std::string& text, TRect& rect, unsigned flags)
{
    const QString source = ToQString(text);
    if (source.isEmpty()) {
        if (flags & DT_CALCRECT) {
            rect.Right = rect.Left;
            rect.Bottom = rect.Top;
        }
        return 0;
    }
    const QFont font = Font.ToQFont();
    const QFontMetrics metrics = m_image && !m_image->isNull() ? QFontMetrics(font, m_image) : QFontMetrics(font);
    const TTextLayout layout(metrics, flags);
    const int maxWidth = int(std::clamp<std::int64_t>(std::int64_t(rect.Right) - rect.Left, 0, INT32_MAX));
    const std::vector<TTextLine> lines = layout.Lines(source, maxWidth);
    const int lineHeight = metrics.ascent() + metrics.descent();
    const int height = int(std::min<std::int64_t>(std::int64_t(lines.size()) * lineHeight, INT32_MAX));

    if (flags & DT_CALCRECT) {
        int widest = 0;
        for (const TTextLine& line : lines)
            widest = std::max(widest, line.Width);
        rect.Right = int(std::min<std::int64_t>(std::int64_t(rect.Left) + widest, INT32_MAX));
        rect.Bottom = int(std::min<std::int64_t>(std::int64_t(rect.Top) + height, INT32_MAX));
        return height;
    }

    std::int64_t top = rect.Top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER)
            top = (std::int64_t(rect.Top) + rect.Bottom - lineHeight) / 2;
        else if (flags & DT_BOTTOM)
            top = std::int64_t(rect.Bottom) - lineHeight;
    }
    const QRect limit = DrawLimit();
    if (limit.isEmpty())
        return height;
    TPaintScope painter(*this);
    if (!painter)
        return height;
    if (!(flags & DT_NOCLIP)) {
        const QRect area = PixelsInside(rect, limit);
        if (area.isEmpty())
            return height;
        painter->setClipRect(area, Qt::IntersectClip);
    }
    painter->setFont(font);
    const std::optional<QColor> background =
        Brush.Style() == TBrushStyle::bsSolid ? std::optional<QColor>(ToQColor(Match(Brush.Color()))) : std::nullopt;
    layout.Paint(*painter, lines, rect, top, limit, ToQColor(Match(Font.Color)), background);
    return height;
}

// ---- TCanvas: clipping and images --------------------------------------------------------

void TCanvas::SetClipRegion(const TRegion* region)
{
    m_hasClip = region != nullptr;
    m_clip = region ? region->ToQRegion() : QRegion();
    if (m_painter && m_painter->isActive())
        ApplyClip(*m_painter);
}

void TCanvas::SetClipRect(const TRect& rect)
{
    const TRegion region = TRegion::Rect(rect);
    SetClipRegion(&region);
}

void TCanvas::Draw(int x, int y, TDrawable& graphic)
{
    if (graphic.Empty())
        return;
    const std::int64_t right = std::int64_t(x) + graphic.Width();
    const std::int64_t bottom = std::int64_t(y) + graphic.Height();
    StretchDraw({ x, y, int(std::min<std::int64_t>(right, INT32_MAX)), int(std::min<std::int64_t>(bottom, INT32_MAX)) },
                graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TDrawable& graphic)
{
    if (graphic.Empty())
        return;
    const bool painting = m_painter && m_painter->isActive();
    graphic.Draw(*this, rect);
    // A picture that drew through Painter leaves it open; close it unless it was open before.
    if (!painting)
        ReleasePainter();
}

void TCanvas::CopyRect(const TRect& dest, const QImage& source, const TRect& sourceRect)
{
    const TRect to = NormalizedRect(dest);
    const TRect from = NormalizedRect(sourceRect);
    if (source.isNull() || to.IsEmpty() || from.IsEmpty())
        return;
    const QRect area = PixelsInside(to, DrawLimit());
    if (area.isEmpty())
        return;
    // A rectangle given right to left (or bottom to top) mirrors the picture.
    const bool mirrorX = (dest.Left > dest.Right) != (sourceRect.Left > sourceRect.Right);
    const bool mirrorY = (dest.Top > dest.Bottom) != (sourceRect.Top > sourceRect.Bottom);
    const auto width = [](const TRect& r) { return std::int64_t(r.Right) - r.Left; };
    const auto height = [](const TRect& r) { return std::int64_t(r.Bottom) - r.Top; };
    if (!mirrorX && !mirrorY && width(to) == width(from) && height(to) == height(from)) {
        // Same size: the painter copies the part of the source that exists, pixel for pixel.
        const std::int64_t dx = std::int64_t(from.Left) - to.Left;
        const std::int64_t dy = std::int64_t(from.Top) - to.Top;
        const std::int64_t left = std::max<std::int64_t>(area.left(), -dx);
        const std::int64_t top = std::max<std::int64_t>(area.top(), -dy);
        const std::int64_t right = std::min<std::int64_t>(area.right(), source.width() - 1 - dx);
        const std::int64_t bottom = std::min<std::int64_t>(area.bottom(), source.height() - 1 - dy);
        if (left > right || top > bottom)
            return;
        TPaintScope painter(*this);
        if (painter)
            painter->drawImage(QPoint(int(left), int(top)), source,
                               QRect(int(left + dx), int(top + dy), int(right - left + 1), int(bottom - top + 1)));
        return;
    }
    const QImage patch = SampleNearest(source, from, to, area, mirrorX, mirrorY);
    TPaintScope painter(*this);
    if (painter)
        painter->drawImage(area.topLeft(), patch);
}

void TCanvas::StretchDrawImage(const TRect& dest, const QImage& image)
{
    CopyRect(dest, image, { 0, 0, image.width(), image.height() });
}

// ---- TCanvas: palette --------------------------------------------------------------------

std::span<const TColor> TCanvas::SelectPalette(std::span<const TColor> palette)
{
    const std::span<const TColor> previous = m_palette;
    m_palette = palette;
    return previous;
}

TColor TCanvas::Match(TColor color) const
{
    if ((color >> 24) != 0x02 || m_palette.empty())
        return color;
    // The entry nearest in RGB space; the first of equally near ones.
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    TColor best = m_palette.front();
    int bestDistance = INT32_MAX;
    for (const TColor entry : m_palette) {
        const int dr = GetRValue(entry) - r, dg = GetGValue(entry) - g, db = GetBValue(entry) - b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = entry;
        }
    }
    return best & 0x00FFFFFFu;
}
