#include "play/PlayModes.h"

#include "base/Random.h"
#include "paint/ColorData.h"
#include "pictures/Graphic.h"
#include "play/KeyData.h"
#include "play/KeyPictures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

struct TShape {
    int Width;
    int Height;
    std::vector<TPoint> Points; // empty for the two ellipses and the two rectangles
    enum { Ellipse, Rectangle, Polygon } Kind;
};

// The 14 shapes: size, and the polygon points relative to the shape's origin.
const TShape& ShapeGeometry(int shape)
{
    static const TShape shapes[] = {
        { 100, 100, {}, TShape::Ellipse },                                                  // Circle
        { 144, 79, {}, TShape::Ellipse },                                                   // Oval
        { 108, 93, { { 54, 0 }, { 108, 93 }, { 0, 93 } }, TShape::Polygon },                // Triangle
        { 60, 120, { { 0, 0 }, { 60, 120 }, { 0, 120 } }, TShape::Polygon },                // Right Triangle
        { 93, 93, {}, TShape::Rectangle },                                                  // Square
        { 141, 61, {}, TShape::Rectangle },                                                 // Rectangle
        { 123, 61, { { 31, 0 }, { 92, 0 }, { 123, 61 }, { 0, 61 } }, TShape::Polygon },     // Trapezoid
        { 76, 150, { { 38, 0 }, { 76, 75 }, { 38, 150 }, { 0, 75 } }, TShape::Polygon },    // Diamond
        { 104, 99, { { 52, 0 }, { 104, 38 }, { 84, 99 }, { 20, 99 }, { 0, 38 } }, TShape::Polygon }, // Pentagon
        { 112, 97, { { 28, 0 }, { 84, 0 }, { 112, 48 }, { 84, 97 }, { 28, 97 }, { 0, 48 } }, TShape::Polygon }, // Hexagon
        { 92, 91, { { 46, 0 }, { 92, 46 }, { 62, 46 }, { 62, 91 }, { 30, 91 }, { 30, 46 }, { 0, 46 } },
          TShape::Polygon }, // Arrow
        { 101, 101,
          { { 30, 0 }, { 71, 0 }, { 101, 30 }, { 101, 71 }, { 71, 101 }, { 30, 101 }, { 0, 71 }, { 0, 30 } },
          TShape::Polygon }, // Octagon
        { 111, 105,
          { { 55, 0 }, { 68, 40 }, { 111, 40 }, { 76, 65 }, { 89, 105 }, { 55, 81 }, { 22, 105 }, { 34, 65 },
            { 0, 40 }, { 42, 40 } },
          TShape::Polygon }, // Star
        { 97, 97,
          { { 33, 0 }, { 64, 0 }, { 64, 33 }, { 97, 33 }, { 97, 64 }, { 64, 64 }, { 64, 97 }, { 33, 97 },
            { 33, 64 }, { 0, 64 }, { 0, 33 }, { 33, 33 } },
          TShape::Polygon }, // Cross
    };
    return shapes[shape];
}

constexpr int CornerEllipse = 50; // rounded rectangles' corner ellipse, both ways

// Copies the bitmap's tiles over `t`, row by row from its top-left corner; the last column
// and row are cut at t's edges. Only pixels inside the canvas's clip region change.
void TileBitmap(TCanvas& canvas, const QImage& bitmap, const TRect& t)
{
    if (bitmap.isNull() || t.IsEmpty())
        return;
    // Copies of the bitmap side by side from T's top-left corner, the last column and row cut
    // at T's edge: one fill with the bitmap as its texture, anchored there, draws exactly
    // that, in one pass over the clip instead of one per tile.
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrushOrigin(t.Left, t.Top);
    painter.fillRect(QRect(t.Left, t.Top, t.Width(), t.Height()), QBrush(bitmap));
    painter.restore();
    canvas.ReleasePainter();
}

// The figures of ClassicType, in the order of its random choice; PatternType outlines the
// first three and the triangle.
enum class TFigureKind { Rectangle, Ellipse, RoundRect, Pie, Triangle };

void DrawFigure(TCanvas& canvas, TFigureKind kind, const TRandomFigure& figure)
{
    const TRect& r = figure.R;
    switch (kind) {
    case TFigureKind::Rectangle:
        canvas.Rectangle(r);
        break;
    case TFigureKind::Ellipse:
        canvas.Ellipse(r);
        break;
    case TFigureKind::RoundRect:
        canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, CornerEllipse, CornerEllipse);
        break;
    case TFigureKind::Pie:
        canvas.Pie(r.Left, r.Top, r.Right, r.Bottom, figure.P[2].X, figure.P[2].Y, figure.P[3].X, figure.P[3].Y);
        break;
    case TFigureKind::Triangle: {
        const TPoint triangle[] = { figure.P[0], figure.P[1], figure.P[2] };
        canvas.Polygon(triangle);
        break;
    }
    }
}

// A transparent mask on which drawings paint opaque: the pixels a drawing would paint.
QImage BlankMask(int width, int height)
{
    QImage mask(std::max(1, width), std::max(1, height), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    return mask;
}

bool Painted(const QImage& mask, int x, int y)
{
    return x >= 0 && y >= 0 && x < mask.width() && y < mask.height() && qAlpha(mask.pixel(x, y)) >= 128;
}

// Moves a drawing whose pixels are the painted ones of `mask`, with the mask's top-left corner
// at (x, y), the least distance that puts one of them under `point`. A drawing that paints
// nothing stays.
void LandOnPoint(const QImage& mask, TPoint point, int& x, int& y)
{
    if (Painted(mask, point.X - x, point.Y - y))
        return;
    long long best = -1;
    int bestX = 0, bestY = 0;
    for (int my = 0; my < mask.height(); ++my) {
        const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(my));
        for (int mx = 0; mx < mask.width(); ++mx) {
            if (qAlpha(row[mx]) < 128)
                continue;
            const long long dx = x + mx - point.X, dy = y + my - point.Y;
            if (best < 0 || dx * dx + dy * dy < best) {
                best = dx * dx + dy * dy;
                bestX = mx;
                bestY = my;
            }
        }
    }
    if (best < 0)
        return;
    x = point.X - bestX;
    y = point.Y - bestY;
}

void ShiftFigure(TRandomFigure& figure, int dx, int dy)
{
    for (TPoint& p : figure.P) {
        p.X += dx;
        p.Y += dy;
    }
    figure.R = Rect(figure.R.Left + dx, figure.R.Top + dy, figure.R.Right + dx, figure.R.Bottom + dy);
}

} // namespace

TPlayModes::TPlayModes(TCanvas& canvas, int width, int height, const TPlayState& state)
    : m_canvas(canvas)
    , m_width(width)
    , m_height(height)
    , m_state(state)
    , m_pictureWidths(PictureSteps(width))
    , m_pictureHeights(PictureSteps(height))
{
}

std::array<int, 3> TPlayModes::PictureSteps(int extent)
{
    return { Round(extent * 0.1), Round(extent * 0.2), Round(extent * 0.3) };
}

void TPlayModes::SetPictureSizes(const std::array<int, 3>& widths, const std::array<int, 3>& heights)
{
    m_pictureWidths = widths;
    m_pictureHeights = heights;
}

void TPlayModes::Draw(std::uint16_t key)
{
    switch (m_state.PlayMode()) {
    case ClassicType:
        DrawClassicType();
        break;
    case PatternType:
        DrawPatternType(key);
        break;
    case ShapeType:
        DrawShapeType(key);
        break;
    case PictureType:
        DrawPictureType(key);
        break;
    case KeyType:
        DrawKeyType(key);
        break;
    default:
        break;
    }
}

void TPlayModes::Touch(const TRect& rect, int margin)
{
    m_touched |= QRect(rect.Left - margin, rect.Top - margin, rect.Width() + 2 * margin, rect.Height() + 2 * margin)
                     .intersected(QRect(0, 0, m_width, m_height));
}

void TPlayModes::CoverPlayPoint(int& x, int& y, int w, int h) const
{
    if (!m_playPoint)
        return;
    // The drawing's middle goes under the pointer, where the shape, the picture or the
    // letter surely is; then it is moved back inside the surface (a drawing larger than the
    // surface keeps its top-left corner there, as the mode places it).
    x = m_playPoint->X - w / 2;
    y = m_playPoint->Y - h / 2;
    x = std::max(0, std::min(x, m_width - w));
    y = std::max(0, std::min(y, m_height - h));
}

void TPlayModes::MoveFigureOverPlayPoint(TRandomFigure& figure, bool triangle)
{
    // The figure's middle (the triangle's centroid) goes under the pointer, as far as the
    // surface allows: inside every figure, so the pattern covers the point.
    const TPoint* corners = figure.P;
    const int count = triangle ? 3 : 2;
    int left = corners[0].X, right = left, top = corners[0].Y, bottom = top;
    long long sumX = 0, sumY = 0;
    for (int i = 0; i < count; ++i) {
        left = std::min(left, corners[i].X);
        right = std::max(right, corners[i].X);
        top = std::min(top, corners[i].Y);
        bottom = std::max(bottom, corners[i].Y);
        sumX += corners[i].X;
        sumY += corners[i].Y;
    }
    const int middleX = triangle ? int(sumX / 3) : (left + right) / 2;
    const int middleY = triangle ? int(sumY / 3) : (top + bottom) / 2;
    const int dx = std::clamp(m_playPoint->X - middleX, -left, std::max(-left, m_width - 1 - right));
    const int dy = std::clamp(m_playPoint->Y - middleY, -top, std::max(-top, m_height - 1 - bottom));
    ShiftFigure(figure, dx, dy);
    Touch(Rect(left + dx, top + dy, right + dx + 1, bottom + dy + 1), m_canvas.Pen.Width + 1);
}

void TPlayModes::LandFigureOnPlayPoint(TRandomFigure& figure, int kind)
{
    const bool triangle = TFigureKind(kind) == TFigureKind::Triangle;
    // A figure as thin as a line would paint nothing to land on: a click's figure is at
    // least two pixels across.
    TPoint& p1 = figure.P[1];
    p1.X = std::max(p1.X, figure.P[0].X + 2);
    p1.Y = std::max(p1.Y, figure.P[0].Y + 2);
    figure.R = Rect(figure.P[0].X, figure.P[0].Y, p1.X, p1.Y);
    MoveFigureOverPlayPoint(figure, triangle);
    // The middle of an ellipse's pie or of a thin triangle may lie outside the paint: the
    // figure's own pixels, drawn on a mask, say where the nearest painted one is.
    const int margin = m_canvas.Pen.Width + 1;
    int left = figure.R.Left, top = figure.R.Top, right = figure.R.Right, bottom = figure.R.Bottom;
    if (triangle) {
        for (int i = 0; i < 3; ++i) {
            left = std::min(left, figure.P[i].X);
            top = std::min(top, figure.P[i].Y);
            right = std::max(right, figure.P[i].X);
            bottom = std::max(bottom, figure.P[i].Y);
        }
    }
    const int x0 = left - margin, y0 = top - margin;
    QImage mask = BlankMask(right - left + 2 * margin + 1, bottom - top + 2 * margin + 1);
    {
        TCanvas canvas(&mask);
        canvas.Pen.Color = clWhite;
        canvas.Pen.Width = m_canvas.Pen.Width;
        canvas.Brush.SetColor(clWhite);
        TRandomFigure local = figure;
        ShiftFigure(local, -x0, -y0);
        DrawFigure(canvas, TFigureKind(kind), local);
    }
    int x = x0, y = y0;
    LandOnPoint(mask, *m_playPoint, x, y);
    if (x == x0 && y == y0)
        return;
    ShiftFigure(figure, x - x0, y - y0);
    Touch(Rect(x, y, x + mask.width(), y + mask.height()), 1);
}

void TPlayModes::LandOnPlayPoint(int& x, int& y, int width, int height,
                                 const std::function<void(TCanvas&)>& paint) const
{
    if (!m_playPoint)
        return;
    QImage mask = BlankMask(width, height);
    {
        TCanvas canvas(&mask);
        paint(canvas);
    }
    LandOnPoint(mask, *m_playPoint, x, y);
}

int TPlayModes::TrailRadius(int width) { return std::max(4, width / 160); }

void TPlayModes::DrawTrail(TPoint from, TPoint to, TColor color, int radius)
{
    TCanvas& canvas = m_canvas;
    const TBrush brush = canvas.Brush;
    const TPen pen = canvas.Pen;
    canvas.Brush.SetColor(color);
    canvas.Brush.SetStyle(TBrushStyle::bsSolid);
    canvas.Pen.Color = color;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = TPenStyle::psSolid;
    // Circles half a radius apart make an unbroken line however fast the pointer moved.
    const int dx = to.X - from.X, dy = to.Y - from.Y;
    const int steps = std::max(1, int(std::ceil(std::hypot(double(dx), double(dy)) / std::max(1, radius / 2))));
    for (int i = 1; i <= steps; ++i) {
        const int x = from.X + dx * i / steps;
        const int y = from.Y + dy * i / steps;
        canvas.Ellipse(Rect(x - radius, y - radius, x + radius + 1, y + radius + 1));
    }
    canvas.Brush = brush;
    canvas.Pen = pen;
    Touch(Rect(std::min(from.X, to.X), std::min(from.Y, to.Y), std::max(from.X, to.X) + 1, std::max(from.Y, to.Y) + 1),
          radius + 2);
}

TRandomFigure TPlayModes::ChooseRandomFigure()
{
    TRandomFigure figure;
    for (TPoint& p : figure.P) {
        p.Y = Random(m_height); // a point's y is always drawn before its x
        p.X = Random(m_width);
    }
    TPoint& p0 = figure.P[0];
    TPoint& p1 = figure.P[1];
    if (p0.X > p1.X)
        std::swap(p0.X, p1.X);
    if (p0.Y > p1.Y)
        std::swap(p0.Y, p1.Y);
    figure.R = Rect(p0.X, p0.Y, p1.X, p1.Y);
    m_canvas.Brush.SetColor(RandomColor());
    m_canvas.Pen.Color = RandomColor();
    m_canvas.Pen.Width = 1 + Random(5);
    m_canvas.Pen.Style = TPenStyle::psSolid;
    const TPoint& p2 = figure.P[2];
    Touch(Rect(std::min(p0.X, p2.X), std::min(p0.Y, p2.Y), std::max(p1.X, p2.X) + 1, std::max(p1.Y, p2.Y) + 1),
          m_canvas.Pen.Width + 1);
    return figure;
}

void TPlayModes::DrawClassicType()
{
    TRandomFigure figure = ChooseRandomFigure();
    const int kind = Random(5);
    if (m_playPoint)
        LandFigureOnPlayPoint(figure, kind);
    DrawFigure(m_canvas, TFigureKind(kind), figure);
}

void TPlayModes::DrawShapeType(std::uint16_t key)
{
    const int shape = KeyTable->GetShape(key);
    const TColor color = KeyTable->GetShapeColor(key);
    TCanvas& canvas = m_canvas;
    canvas.Brush.SetColor(color);
    canvas.Brush.SetStyle(TBrushStyle::bsSolid);
    canvas.Pen.Color = color;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = TPenStyle::psSolid;
    // Shape numbers above 13 have counted as a drawing, but draw nothing.
    if (shape > 13)
        return;
    const TShape& geometry = ShapeGeometry(shape);
    const auto paintShape = [&geometry](TCanvas& on, int x, int y) {
        switch (geometry.Kind) {
        case TShape::Ellipse:
            on.Ellipse(Bounds(x, y, geometry.Width, geometry.Height));
            break;
        case TShape::Rectangle:
            on.Rectangle(Bounds(x, y, geometry.Width, geometry.Height));
            break;
        case TShape::Polygon: {
            std::vector<TPoint> points = geometry.Points;
            for (TPoint& point : points) {
                point.X += x;
                point.Y += y;
            }
            on.Polygon(points);
            break;
        }
        }
    };
    int y = Random(m_height - geometry.Height);
    int x = Random(m_width - geometry.Width);
    CoverPlayPoint(x, y, geometry.Width, geometry.Height);
    // At the surface's corner a diamond's middle is far from the click: it moves out over
    // the edge until the click is on it.
    LandOnPlayPoint(x, y, geometry.Width + 1, geometry.Height + 1, [&](TCanvas& mask) {
        mask.Brush.SetColor(clWhite);
        mask.Pen.Color = clWhite;
        paintShape(mask, 0, 0);
    });
    Touch(Bounds(x, y, geometry.Width + 1, geometry.Height + 1), 1);
    paintShape(canvas, x, y);
}

void TPlayModes::DrawKeyType(std::uint16_t key)
{
    const std::string text = KeyTable->GetKeyName(key);
    TCanvas& canvas = m_canvas;
    canvas.Font.Color = RandomColor();
    canvas.Font.Name = FontList.empty() ? std::string("Arial") : FontList[Random(int(FontList.size()))];
    // Only single characters may come out at 144 points.
    const int step = QString::fromStdString(text).size() <= 1 ? Random(3) : Random(2);
    static const int sizes[] = { 36, 72, 144 };
    canvas.Font.SetSize(sizes[step]);
    const int r = Random(7);
    canvas.Font.Style = r == 4 ? TFontStyles(fsBold) : (r >= 5 ? TFontStyles(fsItalic) : 0u);
    const TSize extent = canvas.TextExtent(text);
    int y = Random(m_height - extent.cy);
    int x = Random(m_width - extent.cx);
    CoverPlayPoint(x, y, extent.cx, extent.cy);
    // The middle of an "O" is its hole, and italic letters reach past their box: the letters'
    // own pixels say where the click lands.
    const int reach = extent.cy / 2 + 2;
    int maskX = x - reach, maskY = y - reach;
    LandOnPlayPoint(maskX, maskY, extent.cx + 2 * reach, extent.cy + 2 * reach, [&](TCanvas& mask) {
        mask.Font = canvas.Font;
        mask.Font.Color = clWhite;
        mask.Brush.SetStyle(TBrushStyle::bsClear);
        mask.TextOut(reach, reach, text);
    });
    x = maskX + reach;
    y = maskY + reach;
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.TextRect(Rect(0, 0, m_width, m_height), x, y, text);
    // Italic and some typefaces reach past the measured box.
    Touch(Bounds(x, y, extent.cx, extent.cy), extent.cy / 2 + 2);
}

bool TPlayModes::LoadKeyPicture(std::uint16_t key, bool pattern, TPicture& picture) const
{
    std::string trace;
    if (::LoadKeyPicture(key, pattern, m_state, picture, trace))
        return true;
    if (OnMessage)
        OnMessage(trace);
    return false;
}

void TPlayModes::DrawPatternType(std::uint16_t key)
{
    TRandomFigure random = ChooseRandomFigure();
    const TRect& r = random.R;
    TCanvas& canvas = m_canvas;

    TPicture picture;
    if (!LoadKeyPicture(key, true, picture)) {
        canvas.Brush.SetStyle(TBrushStyle::bsSolid);
        return;
    }
    const QImage bitmap = picture.Graphic()->ToImage();

    const int figure = Random(4);
    const TFigureKind kind = figure == 3 ? TFigureKind::Triangle : TFigureKind(figure);
    if (m_playPoint)
        LandFigureOnPlayPoint(random, int(kind));
    // The triangle's tiles line up with the surface's corner, so two triangles with the same
    // pattern continue one wallpaper; the other figures start the wallpaper at their corner.
    const TRect t = figure == 3 ? Rect(0, 0, m_width, m_height) : r;
    const TPoint triangle[] = { random.P[0], random.P[1], random.P[2] };
    TRegion region;
    switch (figure) {
    case 0:
        region = TRegion::Rect(r);
        break;
    case 1:
        region = TRegion::Ellipse(r);
        break;
    case 2:
        region = TRegion::RoundRect(r, CornerEllipse, CornerEllipse);
        break;
    default:
        region = TRegion::Polygon(triangle);
        break;
    }
    canvas.SetClipRegion(&region);
    TileBitmap(canvas, bitmap, t);
    canvas.SetClipRegion(nullptr);

    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    DrawFigure(canvas, kind, random);
    canvas.Brush.SetStyle(TBrushStyle::bsSolid);
}

void TPlayModes::DrawPictureType(std::uint16_t key)
{
    const int step = Random(3);
    TPicture picture;
    if (!LoadKeyPicture(key, false, picture))
        return;
    const int pw = picture.Width();
    const int ph = picture.Height();
    int w, h;
    if (pw > ph) {
        w = m_pictureWidths[step];
        const double scale = double(w) / pw;
        h = Round(ph * scale);
    } else {
        h = m_pictureHeights[step];
        const double scale = double(h) / ph;
        w = Round(pw * scale);
    }
    int y = Random(m_height - h);
    int x = Random(m_width - w);
    CoverPlayPoint(x, y, w, h);
    // A picture's transparent parts leave the surface as it was.
    LandOnPlayPoint(x, y, w, h, [&](TCanvas& mask) { mask.StretchDraw(Bounds(0, 0, w, h), *picture.Graphic()); });
    m_canvas.StretchDraw(Bounds(x, y, w, h), *picture.Graphic());
    Touch(Bounds(x, y, w, h), 1);
}
