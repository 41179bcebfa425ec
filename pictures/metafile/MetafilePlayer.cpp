#include "pictures/metafile/MetafilePlayer.h"

#include "paint/Canvas.h"
#include "paint/Region.h"
#include "pictures/metafile/MetafileRaster.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <algorithm>
#include <cmath>

namespace {

// Pens and fonts larger than this are garbage in a picture, and slow to rasterise.
constexpr double SizeLimit = 4096;
// A clipping region of more rectangles than this is reduced to its bounds.
constexpr std::size_t MaxRegionRects = 4096;
// SaveDC without RestoreDC in a loop must not eat memory.
constexpr std::size_t MaxSavedStates = 1024;

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color & 0x00FFFFFFu);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

} // namespace

TMetafilePlayer::TMetafilePlayer(TCanvas& canvas, const TMfMapping& mapping)
    : m_canvas(canvas)
    , m_mapping(mapping)
{
}

// ---- objects and saved states ----

void TMetafilePlayer::SetObject(std::uint32_t index, TMfObject object) { m_objects[index] = std::move(object); }

std::optional<TMfBrush> TMetafilePlayer::BrushObject(std::uint32_t index) const
{
    if (index & 0x80000000u) {
        static constexpr std::uint8_t BrushGrey[] = { 255, 192, 128, 64, 0 };
        const std::uint32_t stock = index & 0x7FFFFFFFu;
        if (stock <= 4)
            return TMfBrush { .Style = MfBS_SOLID, .Color = RGB(BrushGrey[stock], BrushGrey[stock], BrushGrey[stock]) };
        if (stock == 5)
            return TMfBrush { .Style = MfBS_NULL, .Color = clBlack };
        return std::nullopt;
    }
    const auto it = m_objects.find(index);
    if (it == m_objects.end())
        return std::nullopt;
    if (const auto* brush = std::get_if<TMfBrush>(&it->second))
        return *brush;
    return std::nullopt;
}

void TMetafilePlayer::SelectObject(std::uint32_t index)
{
    if (const auto brush = BrushObject(index)) {
        m_state.Brush = *brush;
        return;
    }
    if (index & 0x80000000u) {
        // Stock pens and fonts.
        const std::uint32_t stock = index & 0x7FFFFFFFu;
        if (stock == 6 || stock == 7)
            m_state.Pen = { .Style = 0, .Width = 0, .Cosmetic = true, .Color = stock == 6 ? clWhite : clBlack };
        else if (stock == 8)
            m_state.Pen = { .Style = MfPS_NULL, .Width = 0, .Cosmetic = true, .Color = clBlack };
        else if (stock >= 10 && stock <= 17 && stock != 15)
            m_state.Font = {};
        return;
    }
    auto it = m_objects.find(index);
    if (it == m_objects.end())
        return;
    if (const auto* pen = std::get_if<TMfPen>(&it->second))
        m_state.Pen = *pen;
    else if (const auto* font = std::get_if<TMfFont>(&it->second))
        m_state.Font = *font;
}

void TMetafilePlayer::DeleteObject(std::uint32_t index)
{
    if (index & 0x80000000u)
        return;
    m_objects.erase(index);
}

void TMetafilePlayer::SaveDC()
{
    if (m_saved.size() < MaxSavedStates)
        m_saved.push_back(m_state);
}

void TMetafilePlayer::RestoreDC(int which)
{
    std::size_t keep;
    if (which < 0) {
        const std::size_t back = std::size_t(-std::int64_t(which));
        if (back > m_saved.size())
            return;
        keep = m_saved.size() - back;
    } else {
        if (which == 0 || std::size_t(which) > m_saved.size())
            return;
        keep = std::size_t(which) - 1;
    }
    // The path is not part of the saved state.
    m_state = m_saved[keep];
    m_saved.resize(keep);
    ApplyClip();
}

static QRegion Everywhere() { return QRegion(-(1 << 21), -(1 << 21), 1 << 22, 1 << 22); }

void TMetafilePlayer::CombineClip(const QRegion& region, int mode)
{
    const QRegion current = m_state.Clip.value_or(Everywhere());
    switch (mode) {
    case 1:
        m_state.Clip = current.intersected(region);
        break;
    case 2:
        m_state.Clip = current.united(region);
        break;
    case 3:
        m_state.Clip = current.xored(region);
        break;
    case 4:
        m_state.Clip = current.subtracted(region);
        break;
    case 5:
        m_state.Clip = region;
        break;
    default:
        return;
    }
    ApplyClip();
}

void TMetafilePlayer::IntersectClip(double left, double top, double right, double bottom)
{
    const TRect r = MfPixelRect(ToTarget({ left, top }), ToTarget({ right, bottom }));
    CombineClip(TRegion::Rect(r).ToQRegion(), 1);
}

void TMetafilePlayer::ExcludeClip(double left, double top, double right, double bottom)
{
    const TRect r = MfPixelRect(ToTarget({ left, top }), ToTarget({ right, bottom }));
    CombineClip(TRegion::Rect(r).ToQRegion(), 4);
}

void TMetafilePlayer::OffsetClip(double dx, double dy)
{
    if (!m_state.Clip)
        return;
    const TMfMatrix m = PageToTarget();
    const int x = MfPixel(dx * m.M11);
    const int y = MfPixel(dy * m.M22);
    if (std::abs(x) > (1 << 20) || std::abs(y) > (1 << 20))
        return;
    m_state.Clip->translate(x, y);
    ApplyClip();
}

void TMetafilePlayer::CombineDeviceClip(std::span<const QRectF> rects, int mode)
{
    if (mode == 5 && rects.empty()) {
        ResetClip();
        return;
    }
    QRegion region;
    if (rects.size() > MaxRegionRects) {
        // So many rectangles are garbage; their bounds stand for them.
        QRectF bounds;
        for (const QRectF& r : rects)
            bounds |= r.normalized();
        region = TRegion::Rect(MfPixelRect(DeviceToTarget(bounds.topLeft()), DeviceToTarget(bounds.bottomRight())))
                     .ToQRegion();
    } else {
        for (const QRectF& r : rects) {
            const TRect pixels = MfPixelRect(DeviceToTarget(r.topLeft()), DeviceToTarget(r.bottomRight()));
            region += TRegion::Rect(pixels).ToQRegion();
        }
    }
    CombineClip(region, mode);
}

QRegion TMetafilePlayer::PathRegion() const
{
    QRegion region;
    for (const TFigure& figure : m_path) {
        if (figure.Points.size() < 3)
            continue;
        const std::vector<TPoint> pixels = MfPixels(figure.Points);
        const QRegion part = TRegion::Polygon(pixels).ToQRegion();
        region = m_state.Winding ? region.united(part) : region.xored(part);
    }
    return region;
}

void TMetafilePlayer::SelectClipPath(int mode)
{
    const QRegion region = PathRegion();
    m_inPath = false;
    m_path.clear();
    CombineClip(region, mode);
}

QPointF TMetafilePlayer::DeviceToTarget(const QPointF& device) const
{
    return { (device.x() - m_mapping.FrameLeft) * m_mapping.TargetWidth / m_mapping.FrameWidth + m_mapping.TargetLeft,
             (device.y() - m_mapping.FrameTop) * m_mapping.TargetHeight / m_mapping.FrameHeight + m_mapping.TargetTop };
}

void TMetafilePlayer::ResetClip()
{
    m_state.Clip.reset();
    ApplyClip();
}

void TMetafilePlayer::ApplyClip()
{
    if (m_state.Clip) {
        const TRegion region = TRegion::FromQRegion(*m_state.Clip);
        m_canvas.SetClipRegion(&region);
    } else {
        m_canvas.SetClipRegion(nullptr);
    }
}

// ---- mapping ----

void TMetafilePlayer::SetMapMode(int mode)
{
    if (mode < MfMM_TEXT || mode > MfMM_ANISOTROPIC)
        return;
    m_state.MapMode = mode;
}

void TMetafilePlayer::SetWindowExt(double x, double y)
{
    if (x == 0 || y == 0 || !std::isfinite(x) || !std::isfinite(y))
        return;
    m_state.WindowExt = { x, y };
}

void TMetafilePlayer::SetViewportExt(double x, double y)
{
    if (x == 0 || y == 0 || !std::isfinite(x) || !std::isfinite(y))
        return;
    m_state.ViewportExt = { x, y };
}

TMfMatrix TMetafilePlayer::PageToTarget() const
{
    double sx = 1;
    double sy = 1;
    const double mmX = m_mapping.PixelsPerMmX;
    const double mmY = m_mapping.PixelsPerMmY;
    switch (m_state.MapMode) {
    case 2: // 0.1 mm, y up
        sx = mmX * 0.1, sy = -mmY * 0.1;
        break;
    case 3: // 0.01 mm
        sx = mmX * 0.01, sy = -mmY * 0.01;
        break;
    case 4: // 0.01 inch
        sx = mmX * 0.254, sy = -mmY * 0.254;
        break;
    case 5: // 0.001 inch
        sx = mmX * 0.0254, sy = -mmY * 0.0254;
        break;
    case 6: // twips
        sx = mmX * 25.4 / 1440, sy = -mmY * 25.4 / 1440;
        break;
    case MfMM_ISOTROPIC:
    case MfMM_ANISOTROPIC:
        sx = m_state.ViewportExt.x() / m_state.WindowExt.x();
        sy = m_state.ViewportExt.y() / m_state.WindowExt.y();
        if (m_state.MapMode == MfMM_ISOTROPIC) {
            // One unit is as long in x as in y: the smaller scale wins.
            const double m = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
        break;
    default:
        break;
    }
    const double kx = m_mapping.TargetWidth / m_mapping.FrameWidth;
    const double ky = m_mapping.TargetHeight / m_mapping.FrameHeight;
    TMfMatrix m;
    m.M11 = sx * kx;
    m.M22 = sy * ky;
    m.Dx = (m_state.ViewportOrg.x() - m_state.WindowOrg.x() * sx - m_mapping.FrameLeft) * kx + m_mapping.TargetLeft;
    m.Dy = (m_state.ViewportOrg.y() - m_state.WindowOrg.y() * sy - m_mapping.FrameTop) * ky + m_mapping.TargetTop;
    return m;
}

QPointF TMetafilePlayer::ToTarget(const QPointF& logical) const { return LogicalToTarget().Map(logical); }

std::vector<QPointF> TMetafilePlayer::MapAll(std::span<const QPointF> logical) const
{
    const TMfMatrix m = LogicalToTarget();
    std::vector<QPointF> out;
    out.reserve(logical.size());
    for (const QPointF& p : logical)
        out.push_back(m.Map(p));
    return out;
}

double TMetafilePlayer::LineScale() const
{
    const TMfMatrix m = LogicalToTarget();
    return std::sqrt(std::abs(m.M11 * m.M22 - m.M12 * m.M21));
}

// ---- canvas state ----

void TMetafilePlayer::ApplyPen()
{
    const TMfPen& pen = m_state.Pen;
    TCanvas& canvas = Canvas();
    canvas.Pen.Color = pen.Color & 0x00FFFFFFu;
    canvas.Pen.Style = (pen.Style & 0xF) == MfPS_NULL ? TPenStyle::psClear : TPenStyle::psSolid;
    // A geometric pen is as wide as its width along the x axis maps to, to the nearest pixel.
    const TMfMatrix m = LogicalToTarget();
    double width = pen.Cosmetic ? 1 : pen.Width * std::hypot(m.M11, m.M12);
    if (!std::isfinite(width))
        width = 1;
    canvas.Pen.Width = std::max(1, MfPixel(std::min(width, SizeLimit)));
}

void TMetafilePlayer::ApplyBrush()
{
    if (m_state.Brush.Style == MfBS_NULL) {
        Canvas().Brush.SetStyle(TBrushStyle::bsClear);
        return;
    }
    // Hatched and pattern brushes fill on a layer, which takes their pixels from the brush.
    Canvas().Brush.SetColor(m_state.Brush.Color & 0x00FFFFFFu);
}

// ---- layers: raster operations and brushes with a pattern ----

namespace {

constexpr std::uint8_t Hatches[6][8] = {
    { 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00 }, // horizontal
    { 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08 }, // vertical
    { 0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01 }, // forward diagonal
    { 0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80 }, // backward diagonal
    { 0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08 }, // cross
    { 0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81 }, // diagonal cross
};

// The binary raster operations: code 1 to 16 is one plus a truth table over pen and
// destination bits.
QRgb CombineRop2(int rop, QRgb pen, QRgb dest)
{
    const unsigned table = unsigned(rop - 1) & 15;
    const std::uint32_t p = pen & 0xFFFFFF, d = dest & 0xFFFFFF;
    std::uint32_t result = 0;
    if (table & 1)
        result |= ~p & ~d;
    if (table & 2)
        result |= ~p & d;
    if (table & 4)
        result |= p & ~d;
    if (table & 8)
        result |= p & d;
    return 0xFF000000u | (result & 0xFFFFFF);
}

int Wrap(int value, int size) { return ((value % size) + size) % size; }

} // namespace

// Where a figure can paint: its box widened by the pen.
QRect TMetafilePlayer::RectBounds(const TRect& r) const
{
    const TMfMatrix m = LogicalToTarget();
    const double pen = m_state.Pen.Cosmetic ? 1 : m_state.Pen.Width * std::hypot(m.M11, m.M12);
    const int margin = int(std::min(std::isfinite(pen) ? std::abs(pen) : 1.0, SizeLimit)) + 4;
    const QRect box = QRect(QPoint(std::min(r.Left, r.Right), std::min(r.Top, r.Bottom)),
                            QPoint(std::max(r.Left, r.Right), std::max(r.Top, r.Bottom)));
    return box.adjusted(-margin, -margin, margin, margin);
}

QRect TMetafilePlayer::PointsBounds(std::span<const QPointF> points) const
{
    if (points.empty())
        return {};
    const std::vector<TPoint> pixels = MfPixels(points);
    TRect r { pixels[0].X, pixels[0].Y, pixels[0].X, pixels[0].Y };
    for (const TPoint& p : pixels) {
        r.Left = std::min(r.Left, p.X), r.Top = std::min(r.Top, p.Y);
        r.Right = std::max(r.Right, p.X), r.Bottom = std::max(r.Bottom, p.Y);
    }
    return RectBounds(r);
}

QRect TMetafilePlayer::FiguresBounds(const std::vector<TFigure>& figures) const
{
    QRect bounds;
    for (const TFigure& figure : figures)
        bounds |= PointsBounds(figure.Points);
    return bounds;
}

void TMetafilePlayer::Paint(unsigned parts, const QRect& bounds, const std::function<void()>& draw)
{
    const bool brushVisible = (parts & PaintFill) && m_state.Brush.Style != MfBS_NULL;
    const bool penVisible = (parts & PaintStroke) && (m_state.Pen.Style & 0xF) != MfPS_NULL;
    QImage* target = m_canvas.Image();
    const bool plainBrush = !brushVisible || m_state.Brush.Style == MfBS_SOLID;
    if (m_layer || !target || (m_state.Rop2 == MfR2_COPYPEN && plainBrush)) {
        ApplyPen();
        ApplyBrush();
        if (!(parts & PaintFill))
            Canvas().Brush.SetStyle(TBrushStyle::bsClear);
        if (!(parts & PaintStroke))
            Canvas().Pen.Style = TPenStyle::psClear;
        draw();
        return;
    }
    for (QImage* layer : { &m_layerImage, &m_strokeImage }) {
        if (layer->size() != target->size()) {
            *layer = QImage(target->size(), QImage::Format_ARGB32);
            layer->fill(0);
        }
    }
    const QRect area = bounds.intersected(target->rect());
    // The outline first, on its own layer: the fill leaves its pixels alone, so a raster
    // operation meets each pixel once.
    const bool strokeLayered = penVisible && m_state.Rop2 != MfR2_COPYPEN;
    auto render = [&](QImage& image, bool fill) {
        TCanvas layer(&image);
        if (m_state.Clip) {
            const TRegion region = TRegion::FromQRegion(*m_state.Clip);
            layer.SetClipRegion(&region);
        }
        layer.Font = m_canvas.Font;
        m_layer = &layer;
        ApplyPen();
        ApplyBrush();
        if (fill)
            layer.Pen.Style = TPenStyle::psClear;
        else
            layer.Brush.SetStyle(TBrushStyle::bsClear);
        draw();
        layer.ReleasePainter();
        m_layer = nullptr;
    };
    if (strokeLayered)
        render(m_strokeImage, false);
    if (brushVisible) {
        render(m_layerImage, true);
        Composite(m_layerImage, true, strokeLayered ? &m_strokeImage : nullptr, area);
    }
    if (strokeLayered) {
        Composite(m_strokeImage, false, nullptr, area);
    } else if (penVisible) {
        ApplyPen();
        Canvas().Brush.SetStyle(TBrushStyle::bsClear);
        draw();
    }
}

// Puts the layer's painted pixels onto the target: a brush's pixels from its hatch or pattern,
// each combined with the pixel there by the raster operation; the layer is left clear.
void TMetafilePlayer::Composite(QImage& layerImage, bool brush, const QImage* exclude, const QRect& area)
{
    m_canvas.ReleasePainter();
    QImage& target = *m_canvas.Image();
    const TMfBrush& b = m_state.Brush;
    const QRgb brushColour = ToQColor(b.Color).rgb();
    const QRgb textColour = ToQColor(m_state.TextColor).rgb();
    const QRgb bkColour = ToQColor(m_state.BkColor).rgb();
    const bool opaque = m_state.BkMode == MfOPAQUE;
    const int originX = MfPixel(m_mapping.TargetLeft);
    const int originY = MfPixel(m_mapping.TargetTop);
    const QImage pattern = b.Pattern.isNull() ? QImage() : b.Pattern.convertToFormat(QImage::Format_RGB32);
    const int rop = m_state.Rop2;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* layer = reinterpret_cast<QRgb*>(layerImage.scanLine(y));
        QRgb* dest = reinterpret_cast<QRgb*>(target.scanLine(y));
        const QRgb* skip = exclude ? reinterpret_cast<const QRgb*>(exclude->constScanLine(y)) : nullptr;
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qAlpha(layer[x]) == 0)
                continue;
            QRgb source = layer[x] | 0xFF000000u;
            layer[x] = 0;
            if (skip && qAlpha(skip[x]) != 0)
                continue;
            if (brush && b.Style == MfBS_HATCHED) {
                const std::uint8_t row = Hatches[std::min<std::uint32_t>(b.Hatch, 5)][Wrap(y - originY, 8)];
                if (row & (0x80 >> Wrap(x - originX, 8)))
                    source = brushColour;
                else if (opaque)
                    source = bkColour;
                else
                    continue;
            } else if (brush && b.Style == MfBS_PATTERN && !pattern.isNull()) {
                source = pattern.pixel(Wrap(x - originX, pattern.width()), Wrap(y - originY, pattern.height()));
                if (b.Mono)
                    source = qGray(source) < 128 ? textColour : bkColour;
            }
            dest[x] = rop == MfR2_COPYPEN ? source : CombineRop2(rop, source, dest[x]);
        }
    }
}

void TMetafilePlayer::ApplyFont()
{
    const TMfFont& font = m_state.Font;
    const TMfMatrix m = LogicalToTarget();
    double height;
    if (font.Height == 0) {
        // The default font is 12 pixels on the reference device.
        height = -12 * m_mapping.TargetHeight / m_mapping.FrameHeight;
    } else {
        height = font.Height * std::hypot(m.M21, m.M22);
    }
    if (!std::isfinite(height))
        height = -12;
    height = std::clamp(height, -SizeLimit, SizeLimit);
    int pixels = MfPixel(height);
    if (pixels == 0)
        pixels = height < 0 ? -1 : 1;
    m_canvas.Font.SetHeight(pixels);
    m_canvas.Font.Name = font.Face.empty() ? "Arial" : font.Face;
    TFontStyles style = 0;
    if (font.Weight >= 600)
        style |= fsBold;
    if (font.Italic)
        style |= fsItalic;
    if (font.Underline)
        style |= fsUnderline;
    if (font.StrikeOut)
        style |= fsStrikeOut;
    m_canvas.Font.Style = style;
    m_canvas.Font.Color = m_state.TextColor & 0x00FFFFFFu;
}

// ---- figures ----

void TMetafilePlayer::AddFigure(std::vector<QPointF> targetPoints, bool closed)
{
    if (targetPoints.empty())
        return;
    m_path.push_back({ std::move(targetPoints), closed });
}

void TMetafilePlayer::FillFigures(const std::vector<TFigure>& figures)
{
    QPainterPath path;
    path.setFillRule(m_state.Winding ? Qt::WindingFill : Qt::OddEvenFill);
    for (const TFigure& figure : figures) {
        const std::vector<TPoint> pixels = MfPixels(figure.Points);
        path.moveTo(pixels.front().X, pixels.front().Y);
        for (std::size_t i = 1; i < pixels.size(); ++i)
            path.lineTo(pixels[i].X, pixels[i].Y);
        path.closeSubpath();
    }
    QPainter& painter = Canvas().Painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(path, ToQColor(m_state.Brush.Color));
    painter.restore();
}

void TMetafilePlayer::StrokeFigures(const std::vector<TFigure>& figures)
{
    for (const TFigure& figure : figures) {
        std::vector<QPointF> points = figure.Points;
        if (figure.Closed)
            points.push_back(points.front());
        StrokeLine(std::move(points));
    }
}

namespace {

// The dash and gap lengths of the line styles, in pixels for one-pixel pens and in pen
// widths for wider ones.
std::vector<double> StyleDashes(std::uint32_t style, bool cosmetic)
{
    switch (style) {
    case 1:
        return cosmetic ? std::vector<double> { 18, 6 } : std::vector<double> { 3, 1 };
    case 2:
        return cosmetic ? std::vector<double> { 3, 3 } : std::vector<double> { 1, 1 };
    case 3:
        return cosmetic ? std::vector<double> { 9, 6, 3, 6 } : std::vector<double> { 3, 1, 1, 1 };
    case 4:
        return cosmetic ? std::vector<double> { 9, 3, 3, 3, 3, 3 } : std::vector<double> { 3, 1, 1, 1, 1, 1 };
    case MfPS_ALTERNATE:
        return { 1, 1 };
    default:
        return {};
    }
}

// A line of millions of dashes draws solid rather than taking seconds.
bool TooManyDashes(std::span<const QPointF> points, const std::vector<double>& dashes)
{
    double cycle = 0;
    for (double d : dashes)
        cycle += d;
    double length = 0;
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        length += std::hypot(points[i + 1].x() - points[i].x(), points[i + 1].y() - points[i].y());
    return length / cycle * double(dashes.size()) > 200000;
}

// Draws the pieces of a line with the canvas's pen: thin lines through the canvas (end point
// left out), wide ones with flat or square ends as bars.
class TLinePieces {
public:
    TLinePieces(TCanvas& canvas, bool bars, bool squareEnds)
        : m_canvas(canvas)
        , m_width(canvas.Pen.Width)
        , m_thin(m_width <= 1)
        , m_bars(bars)
        , m_squareEnds(squareEnds)
    {
    }

    void Draw(QPointF a, QPointF b, TColor colour)
    {
        if (!m_bars) {
            m_canvas.Pen.Color = colour;
            const TPoint line[] = { { MfPixel(a.x()), MfPixel(a.y()) }, { MfPixel(b.x()), MfPixel(b.y()) } };
            m_canvas.Polyline(line);
            return;
        }
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (length <= 0)
            return;
        const QPointF along((b.x() - a.x()) / length, (b.y() - a.y()) / length);
        const QPointF across(-along.y() * m_width / 2, along.x() * m_width / 2);
        if (m_squareEnds) {
            a -= along * (m_width / 2.0);
            b += along * (m_width / 2.0);
        }
        const std::vector<QPointF> bar { a + across, b + across, b - across, a - across };
        const TPen saved = m_canvas.Pen;
        const TBrush savedBrush = m_canvas.Brush;
        m_canvas.Pen.Style = TPenStyle::psClear;
        m_canvas.Brush.SetColor(colour);
        m_canvas.Polygon(MfPixels(bar), true);
        m_canvas.Pen = saved;
        m_canvas.Brush = savedBrush;
    }

    // Walks the line through the cycle of `dashes` (dash, gap, dash ...) and draws in `colour`
    // the gaps when `gaps`, else the dashes.
    void DrawDashes(std::span<const QPointF> points, const std::vector<double>& dashes, bool gaps, TColor colour)
    {
        std::size_t dash = 0;
        double left = dashes[0];
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            const QPointF a = points[i], b = points[i + 1];
            const double total = Distance(a, b);
            double done = 0;
            while (done < total) {
                const double step = std::min(left, total - done);
                const bool on = dash % 2 == 0;
                if (on != gaps && step > 0)
                    Draw(a + (b - a) * (done / total), a + (b - a) * ((done + step) / total), colour);
                done += step;
                left -= step;
                if (left <= 1e-9) {
                    dash = (dash + 1) % dashes.size();
                    left = dashes[dash];
                }
            }
        }
    }

private:
    // Thin lines count their dashes in pixel steps, as they are drawn; wide ones in length.
    double Distance(const QPointF& a, const QPointF& b) const
    {
        return m_thin ? std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y())) : std::hypot(b.x() - a.x(), b.y() - a.y());
    }

    TCanvas& m_canvas;
    int m_width;
    bool m_thin;
    bool m_bars;
    bool m_squareEnds;
};

} // namespace

// The dash and gap lengths of the selected pen in target units, each at least a pixel; none
// for a solid line. `width` is the pen's width in pixels.
std::vector<double> TMetafilePlayer::PenDashes(int width) const
{
    const TMfPen& pen = m_state.Pen;
    const bool thin = width <= 1;
    std::vector<double> dashes;
    if ((pen.Style & 0xF) == MfPS_USERSTYLE) {
        const double scale = pen.Cosmetic ? 1 : LineScale();
        for (double d : pen.Dashes)
            dashes.push_back(std::max(0.0, d * scale));
    } else {
        dashes = StyleDashes(pen.Style & 0xF, thin || pen.Cosmetic);
        if (!(thin || pen.Cosmetic)) {
            for (double& d : dashes)
                d *= width;
        }
    }
    // Dashes shorter than a pixel would only cost time.
    for (double& d : dashes)
        d = std::clamp(d, 1.0, SizeLimit);
    return dashes;
}

// A line in target coordinates with the selected pen: its style's dashes (and, on an opaque
// background, its gaps in the background colour), its width and its end caps.
void TMetafilePlayer::StrokeLine(std::vector<QPointF> points)
{
    if (points.empty() || (m_state.Pen.Style & 0xF) == MfPS_NULL)
        return;
    TCanvas& canvas = Canvas();
    ApplyPen();
    const int width = canvas.Pen.Width;
    std::vector<double> dashes = PenDashes(width);
    if (!dashes.empty() && TooManyDashes(points, dashes))
        dashes.clear();
    const std::uint32_t endCap = m_state.Pen.EndCap;
    const bool flat = width > 1 && (endCap == MfPS_ENDCAP_FLAT || endCap == MfPS_ENDCAP_SQUARE);
    if (dashes.empty() && !flat) {
        canvas.Polyline(MfPixels(points));
        return;
    }
    TLinePieces pieces(canvas, flat, endCap == MfPS_ENDCAP_SQUARE);
    const TColor penColour = canvas.Pen.Color;
    if (dashes.empty()) {
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            pieces.Draw(points[i], points[i + 1], penColour);
        return;
    }
    if (m_state.BkMode == MfOPAQUE)
        pieces.DrawDashes(points, dashes, true, m_state.BkColor & 0x00FFFFFFu);
    pieces.DrawDashes(points, dashes, false, penColour);
    canvas.Pen.Color = penColour;
}

void TMetafilePlayer::DrawFigures(const std::vector<TFigure>& all, bool fill, bool stroke)
{
    std::vector<TFigure> figures;
    for (const TFigure& figure : all) {
        if (figure.Points.size() >= 2)
            figures.push_back(figure);
    }
    if (figures.empty())
        return;
    const bool brushVisible = m_state.Brush.Style != MfBS_NULL;
    const bool penVisible = (m_state.Pen.Style & 0xF) != MfPS_NULL;
    const bool plainPen = (m_state.Pen.Style & 0xF) == 0 && m_state.Pen.EndCap == 0;
    if (fill && brushVisible && figures.size() == 1 && (plainPen || !stroke)) {
        // One closed figure: the canvas polygon, with the outline when asked for.
        const std::vector<TPoint> pixels = MfPixels(figures.front().Points);
        Paint(PaintFill | (stroke ? unsigned(PaintStroke) : 0u), FiguresBounds(figures),
              [&] { Canvas().Polygon(pixels, m_state.Winding); });
        return;
    }
    if (fill && brushVisible)
        Paint(PaintFill, FiguresBounds(figures), [&] { FillFigures(figures); });
    if (stroke && penVisible) {
        if (fill) {
            for (TFigure& figure : figures)
                figure.Closed = true;
        }
        Paint(PaintStroke, FiguresBounds(figures), [&] { StrokeFigures(figures); });
    }
}

void TMetafilePlayer::DrawClosedOutline(std::vector<QPointF> logical)
{
    std::vector<QPointF> target = MapAll(logical);
    if (m_inPath) {
        AddFigure(std::move(target), true);
        return;
    }
    DrawFigures({ TFigure { std::move(target), true } }, true, true);
}

// ---- drawing ----

void TMetafilePlayer::MoveTo(const QPointF& p)
{
    m_state.Position = p;
    if (!m_inPath)
        return;
    if (!m_path.empty() && !m_path.back().Closed && m_path.back().Points.size() == 1)
        m_path.back().Points.front() = ToTarget(p);
    else
        m_path.push_back({ { ToTarget(p) }, false });
}

void TMetafilePlayer::LineTo(const QPointF& p)
{
    PolylineTo(std::span<const QPointF>(&p, 1));
}

void TMetafilePlayer::PolylineTo(std::span<const QPointF> points)
{
    if (points.empty())
        return;
    std::vector<QPointF> target = MapAll(points);
    if (m_inPath) {
        if (m_path.empty() || m_path.back().Closed)
            m_path.push_back({ { ToTarget(m_state.Position) }, false });
        auto& figure = m_path.back().Points;
        figure.insert(figure.end(), target.begin(), target.end());
    } else {
        target.insert(target.begin(), ToTarget(m_state.Position));
        Paint(PaintStroke, PointsBounds(target), [&] { StrokeLine(target); });
    }
    m_state.Position = points.back();
}

void TMetafilePlayer::Polyline(std::span<const QPointF> points)
{
    if (points.empty())
        return;
    std::vector<QPointF> target = MapAll(points);
    if (m_inPath) {
        AddFigure(std::move(target), false);
        return;
    }
    Paint(PaintStroke, PointsBounds(target), [&] { StrokeLine(target); });
}

void TMetafilePlayer::Polygon(std::span<const QPointF> points)
{
    if (points.size() < 2)
        return;
    DrawClosedOutline(std::vector<QPointF>(points.begin(), points.end()));
}

void TMetafilePlayer::PolyPolygon(const std::vector<std::vector<QPointF>>& polygons)
{
    std::vector<TFigure> figures;
    for (const auto& polygon : polygons)
        figures.push_back({ MapAll(polygon), true });
    if (m_inPath) {
        for (TFigure& figure : figures)
            AddFigure(std::move(figure.Points), true);
        return;
    }
    DrawFigures(figures, true, true);
}

void TMetafilePlayer::PolyPolyline(const std::vector<std::vector<QPointF>>& polylines)
{
    for (const auto& polyline : polylines)
        Polyline(polyline);
}

void TMetafilePlayer::PolyBezier(std::span<const QPointF> points, bool to)
{
    std::vector<QPointF> control = MapAll(points);
    if (!to) {
        if (control.empty())
            return;
    } else {
        control.insert(control.begin(), ToTarget(m_state.Position));
    }
    std::vector<QPointF> flat { control.front() };
    std::size_t i = 0;
    for (; i + 3 < control.size(); i += 3)
        MfFlattenBezier(control[i], control[i + 1], control[i + 2], control[i + 3], flat);
    if (to) {
        // The current position ends at the last point actually drawn.
        if (i > 0)
            m_state.Position = points[i - 1];
        if (m_inPath) {
            if (m_path.empty() || m_path.back().Closed)
                m_path.push_back({ { flat.front() }, false });
            m_path.back().Points.insert(m_path.back().Points.end(), flat.begin() + 1, flat.end());
            return;
        }
    } else if (m_inPath) {
        AddFigure(std::move(flat), false);
        return;
    }
    Paint(PaintStroke, PointsBounds(flat), [&] { StrokeLine(flat); });
}

void TMetafilePlayer::Rectangle(double left, double top, double right, double bottom)
{
    if (DrawsShapesDirectly()) {
        TRect r = MfPixelRect(ToTarget({ left, top }), ToTarget({ right, bottom }));
        if (m_mapping.InclusiveRectangles && (m_state.Pen.Style & 0xF) != MfPS_NULL)
            r = Rect(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
        Paint(PaintFill | PaintStroke, RectBounds(r), [&] { Canvas().Rectangle(r); });
        return;
    }
    DrawClosedOutline({ { left, top }, { right, top }, { right, bottom }, { left, bottom } });
}

void TMetafilePlayer::RoundRect(double left, double top, double right, double bottom, double cornerWidth,
                                double cornerHeight)
{
    if (DrawsShapesDirectly()) {
        const TMfMatrix m = LogicalToTarget();
        TRect r = MfPixelRect(ToTarget({ left, top }), ToTarget({ right, bottom }));
        if (m_mapping.InclusiveRectangles && (m_state.Pen.Style & 0xF) != MfPS_NULL)
            r = Rect(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
        const int w = MfPixel(std::abs(cornerWidth * m.M11)), h = MfPixel(std::abs(cornerHeight * m.M22));
        Paint(PaintFill | PaintStroke, RectBounds(r),
              [&] { Canvas().RoundRect(r.Left, r.Top, r.Right, r.Bottom, w, h); });
        return;
    }
    DrawClosedOutline(MfRoundRectOutline(left, top, right, bottom, cornerWidth, cornerHeight));
}

void TMetafilePlayer::Ellipse(double left, double top, double right, double bottom)
{
    if (DrawsShapesDirectly()) {
        const TRect r = MfPixelRect(ToTarget({ left, top }), ToTarget({ right, bottom }));
        Paint(PaintFill | PaintStroke, RectBounds(r), [&] { Canvas().Ellipse(r); });
        return;
    }
    DrawClosedOutline(MfEllipseOutline(left, top, right, bottom, LineScale()));
}

void TMetafilePlayer::ArcFigure(TArcKind kind, double left, double top, double right, double bottom,
                                const QPointF& start, const QPointF& end)
{
    // Counter-clockwise on the target (y down) is a falling angle; a mirroring mapping or the
    // clockwise arc direction turns it round.
    const bool mirrored = LogicalToTarget().Determinant() < 0;
    std::vector<QPointF> arc
        = MfArcOutline(left, top, right, bottom, start, end, m_state.ArcClockwise == mirrored, LineScale());
    if (kind == TArcKind::ArcTo) {
        PolylineTo(arc);
        return;
    }
    if (DrawsShapesDirectly()) {
        const TRect r = MfPixelRect(ToTarget({ left, top }), ToTarget({ right, bottom }));
        QPointF s = ToTarget(start);
        QPointF e = ToTarget(end);
        if (m_state.ArcClockwise)
            std::swap(s, e);
        const int sx = MfPixel(s.x()), sy = MfPixel(s.y()), ex = MfPixel(e.x()), ey = MfPixel(e.y());
        Paint(kind == TArcKind::Arc ? PaintStroke : PaintFill | PaintStroke, RectBounds(r), [&] {
            if (kind == TArcKind::Arc)
                Canvas().Arc(r.Left, r.Top, r.Right, r.Bottom, sx, sy, ex, ey);
            else if (kind == TArcKind::Chord)
                Canvas().Chord(r.Left, r.Top, r.Right, r.Bottom, sx, sy, ex, ey);
            else
                Canvas().Pie(r.Left, r.Top, r.Right, r.Bottom, sx, sy, ex, ey);
        });
        return;
    }
    if (kind == TArcKind::Arc) {
        Polyline(arc);
        return;
    }
    if (kind == TArcKind::Pie)
        arc.insert(arc.begin(), QPointF((left + right) / 2, (top + bottom) / 2));
    DrawClosedOutline(std::move(arc));
}

void TMetafilePlayer::SetPixel(const QPointF& p, TColor color)
{
    if (m_inPath)
        return;
    const QPointF t = ToTarget(p);
    m_canvas.SetPixel(MfPixel(t.x()), MfPixel(t.y()), color & 0x00FFFFFFu);
}

// The selected font as drawn on the target: its height, and its width stretched so that the
// average character (the typeface's own average width) is as wide as the font asks. `stretch`
// gets the factor.
QFont TMetafilePlayer::TextFont(double& stretch)
{
    ApplyFont();
    QFont font = m_canvas.Font.ToQFont();
    stretch = 1;
    const double wanted = std::abs(m_state.Font.Width * std::hypot(LogicalToTarget().M11, LogicalToTarget().M12));
    if (wanted >= 1 && std::isfinite(wanted)) {
        double natural = QFontMetricsF(font).averageCharWidth();
        const QRawFont raw = QRawFont::fromFont(font);
        const QByteArray os2 = raw.fontTable("OS/2");
        if (os2.size() >= 4 && raw.unitsPerEm() > 0) {
            const int average = (std::uint8_t(os2[2]) << 8) | std::uint8_t(os2[3]);
            if (average > 0)
                natural = average * raw.pixelSize() / raw.unitsPerEm();
        }
        if (natural > 0) {
            stretch = std::clamp(wanted / natural, 0.01, 40.0);
            font.setStretch(std::clamp(int(std::lround(stretch * 100)), 1, 4000));
        }
    }
    return font;
}

void TMetafilePlayer::Text(const QPointF& reference, const std::u16string& text, std::uint32_t options,
                           const std::optional<std::vector<QPointF>>& rect, const std::vector<double>& dx)
{
    if (m_inPath)
        return;
    std::optional<TRect> box;
    if (rect && rect->size() == 2)
        box = MfPixelRect(ToTarget((*rect)[0]), ToTarget((*rect)[1]));
    if (box && (options & MfETO_OPAQUE)) {
        m_canvas.Brush.SetColor(m_state.BkColor & 0x00FFFFFFu);
        m_canvas.FillRect(*box);
    }
    if (text.empty())
        return;

    const QString qtext = QString::fromUtf16(text.data(), qsizetype(text.size()));
    const bool updateCp = m_state.TextAlign & MfTA_UPDATECP;
    const TMfMatrix m = LogicalToTarget();
    const QPointF at = m.Map(updateCp ? m_state.Position : reference);
    double stretch = 1;
    const QFont font = TextFont(stretch);
    const QFontMetrics metrics(font);
    // A stretched font advances by its natural advances scaled, each rounded to a pixel.
    std::vector<double> natural;
    if (stretch != 1) {
        QFont plain = font;
        plain.setStretch(QFont::Unstretched);
        const QRawFont raw = QRawFont::fromFont(plain);
        const QList<quint32> glyphs = raw.glyphIndexesForString(qtext);
        const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
        if (glyphs.size() == qtext.size()) {
            for (const QPointF& a : advances)
                natural.push_back(a.x());
        }
    }

    // Where each character starts along the baseline, in target pixels: the advances of the
    // record (logical units along x) or the font's own.
    const double xScale = std::hypot(m.M11, m.M12);
    std::vector<double> starts;
    starts.reserve(std::size_t(qtext.size()) + 1);
    double pen = 0;
    for (qsizetype i = 0; i < qtext.size(); ++i) {
        starts.push_back(pen);
        if (std::size_t(i) < dx.size())
            pen += MfPixel(dx[std::size_t(i)] * xScale);
        else if (std::size_t(i) < natural.size())
            pen += MfPixel(natural[std::size_t(i)] * stretch);
        else
            pen += metrics.horizontalAdvance(qtext.at(i));
    }
    const double width = pen;
    const int ascent = metrics.ascent();
    const int descent = metrics.descent();

    // The text box relative to the reference point along the baseline (x) and across it (y,
    // downwards), before turning.
    double offsetX = 0;
    double baseline = ascent;
    const std::uint32_t horizontal = m_state.TextAlign & 6;
    if (horizontal == MfTA_CENTER)
        offsetX = -std::floor(width / 2);
    else if (horizontal == MfTA_RIGHT)
        offsetX = -width;
    const std::uint32_t vertical = m_state.TextAlign & 24;
    if (vertical == MfTA_BASELINE)
        baseline = 0;
    else if (vertical == MfTA_BOTTOM)
        baseline = -descent;
    if (updateCp && m.M11 != 0 && horizontal != MfTA_CENTER)
        m_state.Position.rx() += (horizontal == MfTA_RIGHT ? -width : width) / m.M11;

    // The escapement turns the line counter-clockwise as seen on the target; a mapping that
    // mirrors one axis turns it the other way.
    double angle = (m_state.Font.Escapement % 3600) / 10.0;
    if (m.Determinant() < 0)
        angle = -angle;

    QPainter& painter = m_canvas.Painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    if (box && (options & MfETO_CLIPPED))
        painter.setClipRect(QRect(box->Left, box->Top, box->Width(), box->Height()), Qt::IntersectClip);
    painter.translate(QPointF(MfPixel(at.x()), MfPixel(at.y())));
    if (angle != 0)
        painter.rotate(-angle);
    if (m_state.BkMode == MfOPAQUE)
        painter.fillRect(QRectF(offsetX, baseline - ascent, width, ascent + descent), ToQColor(m_state.BkColor));
    painter.setFont(font);
    painter.setPen(ToQColor(m_state.TextColor));
    for (qsizetype i = 0; i < qtext.size(); ++i) {
        const QChar c = qtext.at(i);
        if (c.isHighSurrogate() || c.isLowSurrogate()) {
            // A character outside the basic plane: both halves at the first one's place.
            if (c.isHighSurrogate() && i + 1 < qtext.size())
                painter.drawText(QPointF(offsetX + starts[std::size_t(i)], baseline), qtext.mid(i, 2));
            continue;
        }
        painter.drawText(QPointF(offsetX + starts[std::size_t(i)], baseline), QString(c));
    }
    painter.restore();
}

void TMetafilePlayer::StretchBitmap(const QImage& bitmap, double x, double y, double cx, double cy, int xSrc, int ySrc,
                                    int cxSrc, int cySrc, std::uint32_t rop)
{
    if (m_inPath || bitmap.isNull() || cxSrc == 0 || cySrc == 0)
        return;
    // Only the part of the source inside the bitmap is drawn, to the matching part of the
    // destination.
    const double srcLeft = std::min<double>(xSrc, double(xSrc) + cxSrc);
    const double srcTop = std::min<double>(ySrc, double(ySrc) + cySrc);
    const double srcWidth = std::abs(double(cxSrc));
    const double srcHeight = std::abs(double(cySrc));
    const double left = std::max(srcLeft, 0.0);
    const double top = std::max(srcTop, 0.0);
    const double right = std::min(srcLeft + srcWidth, double(bitmap.width()));
    const double bottom = std::min(srcTop + srcHeight, double(bitmap.height()));
    if (right <= left || bottom <= top)
        return;
    const double fx0 = (left - srcLeft) / srcWidth, fx1 = (right - srcLeft) / srcWidth;
    const double fy0 = (top - srcTop) / srcHeight, fy1 = (bottom - srcTop) / srcHeight;
    const QPointF a = ToTarget({ x + cx * fx0, y + cy * fy0 });
    const QPointF b = ToTarget({ x + cx * fx1, y + cy * fy1 });
    const TRect dest = MfPixelRect(a, b);
    if (dest.IsEmpty())
        return;
    QImage part = bitmap.copy(int(left), int(top), int(right - left), int(bottom - top));
    part = part.mirrored((b.x() < a.x()) != (cxSrc < 0), (b.y() < a.y()) != (cySrc < 0));
    MfBlitImage(m_canvas, dest, std::move(part), rop);
}

void TMetafilePlayer::FillDeviceRegion(std::span<const QRectF> rects, std::optional<std::uint32_t> brushIndex)
{
    if (m_inPath)
        return;
    const std::optional<TMfBrush> brush = brushIndex ? BrushObject(*brushIndex) : m_state.Brush;
    if (!brush || brush->Style == MfBS_NULL)
        return;
    const TMfBrush selected = m_state.Brush;
    m_state.Brush = *brush;
    QRect bounds;
    for (const QRectF& r : rects) {
        const TRect t = MfPixelRect(DeviceToTarget(r.topLeft()), DeviceToTarget(r.bottomRight()));
        bounds |= RectBounds(t);
    }
    Paint(PaintFill, bounds, [&] {
        for (const QRectF& r : rects)
            Canvas().FillRect(MfPixelRect(DeviceToTarget(r.topLeft()), DeviceToTarget(r.bottomRight())));
    });
    m_state.Brush = selected;
}

void TMetafilePlayer::PatternBlit(double x, double y, double cx, double cy, std::uint32_t rop)
{
    if (m_inPath)
        return;
    const TRect dest = MfPixelRect(ToTarget({ x, y }), ToTarget({ x + cx, y + cy }));
    if (dest.IsEmpty())
        return;
    std::optional<TColor> brush;
    if (m_state.Brush.Style != MfBS_NULL)
        brush = m_state.Brush.Color;
    MfPatternFill(m_canvas, dest, rop, brush);
}

void TMetafilePlayer::GradientFill(std::span<const TMfVertex> vertices, std::span<const std::uint32_t> indices,
                                   std::uint32_t mode)
{
    QImage* image = m_canvas.Image();
    if (m_inPath || !image || image->isNull() || mode > 2)
        return;
    const std::size_t corners = mode == 2 ? 3 : 2;
    std::vector<QPointF> at;
    for (const TMfVertex& v : vertices)
        at.push_back(ToTarget(v.At));
    m_canvas.ReleasePainter();
    QRegion visible(image->rect());
    if (m_state.Clip)
        visible = visible.intersected(*m_state.Clip);
    auto channel = [](double value) { return int(std::clamp(value, 0.0, 65535.0)) >> 8; };
    // A record of countless shapes over the whole picture must not take minutes.
    std::int64_t budget = std::int64_t(image->width()) * image->height() * 64;
    for (std::size_t shape = 0; shape + corners <= indices.size() && budget > 0; shape += corners) {
        bool valid = true;
        for (std::size_t k = 0; k < corners; ++k)
            valid = valid && indices[shape + k] < vertices.size();
        if (!valid)
            continue;
        const TMfVertex* v[3] = { &vertices[indices[shape]], &vertices[indices[shape + 1]],
                                  corners == 3 ? &vertices[indices[shape + 2]] : nullptr };
        const QPointF p0 = at[indices[shape]], p1 = at[indices[shape + 1]];
        if (corners == 2) {
            const TRect r = MfPixelRect(p0, p1);
            if (r.IsEmpty())
                continue;
            // The first vertex's colour at the left (top) edge, the second's at the other.
            const bool across = mode == 0;
            const bool reversed = across ? p1.x() < p0.x() : p1.y() < p0.y();
            const TMfVertex& a = reversed ? *v[1] : *v[0];
            const TMfVertex& b = reversed ? *v[0] : *v[1];
            const double span = across ? r.Width() : r.Height();
            for (const QRect& part : visible.intersected(QRect(r.Left, r.Top, r.Width(), r.Height()))) {
                budget -= std::int64_t(part.width()) * part.height();
                for (int y = part.top(); y <= part.bottom(); ++y) {
                    QRgb* line = reinterpret_cast<QRgb*>(image->scanLine(y));
                    for (int x = part.left(); x <= part.right(); ++x) {
                        const double t = ((across ? x - r.Left : y - r.Top)) / span;
                        line[x] = qRgb(channel(a.Red + (b.Red - a.Red) * t), channel(a.Green + (b.Green - a.Green) * t),
                                       channel(a.Blue + (b.Blue - a.Blue) * t));
                    }
                }
            }
            continue;
        }
        const QPointF p2 = at[indices[shape + 2]];
        const double det = (p1.y() - p2.y()) * (p0.x() - p2.x()) + (p2.x() - p1.x()) * (p0.y() - p2.y());
        if (det == 0 || !std::isfinite(det))
            continue;
        const std::vector<QPointF> triangle { p0, p1, p2 };
        const QRegion area = TRegion::Polygon(MfPixels(triangle)).ToQRegion().intersected(visible);
        for (const QRect& part : area) {
            budget -= std::int64_t(part.width()) * part.height();
            for (int y = part.top(); y <= part.bottom(); ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(image->scanLine(y));
                for (int x = part.left(); x <= part.right(); ++x) {
                    const double w0 = ((p1.y() - p2.y()) * (x - p2.x()) + (p2.x() - p1.x()) * (y - p2.y())) / det;
                    const double w1 = ((p2.y() - p0.y()) * (x - p2.x()) + (p0.x() - p2.x()) * (y - p2.y())) / det;
                    const double w2 = 1 - w0 - w1;
                    line[x] = qRgb(channel(v[0]->Red * w0 + v[1]->Red * w1 + v[2]->Red * w2),
                                   channel(v[0]->Green * w0 + v[1]->Green * w1 + v[2]->Green * w2),
                                   channel(v[0]->Blue * w0 + v[1]->Blue * w1 + v[2]->Blue * w2));
                }
            }
        }
    }
}

// ---- paths ----

void TMetafilePlayer::BeginPath()
{
    m_inPath = true;
    m_path.clear();
}

void TMetafilePlayer::AbortPath()
{
    m_inPath = false;
    m_path.clear();
}

void TMetafilePlayer::CloseFigure()
{
    if (m_inPath && !m_path.empty())
        m_path.back().Closed = true;
}

void TMetafilePlayer::DrawPath(bool fill, bool stroke)
{
    m_inPath = false;
    std::vector<TFigure> figures = std::move(m_path);
    m_path.clear();
    DrawFigures(figures, fill, stroke);
}
