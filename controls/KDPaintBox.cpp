#include "controls/KDPaintBox.h"

#include "app/KDGlobals.h"
#include "controls/KDPalette.h"
#include "framework/Exceptions.h"
#include "framework/Graphic.h"
#include "framework/Random.h"
#include "graphics/ColorData.h"
#include "play/KeyData.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <filesystem>
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

std::string UpperAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return text;
}

std::string CurrentDirectory()
{
    std::error_code error;
    const auto path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

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

} // namespace

HPALETTE TKDPaintBox::GetPalette() const { return KDGetPalette(); }

void SwapInts(int& a, int& b) { std::swap(a, b); }

TKDPaintBox::TKDPaintBox(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ResizeSurface(0, 0);
}

TKDPaintBox::~TKDPaintBox() = default;

void TKDPaintBox::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
    ResizeSurface(width, height);
}

void TKDPaintBox::resizeEvent(QResizeEvent*) { ResizeSurface(width(), height()); }

bool TKDPaintBox::event(QEvent* event)
{
    // Laid out before its window is shown: take the new size now, not at the first show.
    if (event->type() == QEvent::LayoutRequest)
        ResizeSurface(width(), height());
    return QWidget::event(event);
}

void TKDPaintBox::ResizeSurface(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    m_pictureWidths = { Round(width * 0.1), Round(width * 0.2), Round(width * 0.3) };
    m_pictureHeights = { Round(height * 0.1), Round(height * 0.2), Round(height * 0.3) };
    if (m_canvas && m_surface.width() == width && m_surface.height() == height)
        return;

    QImage surface(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    surface.fill(Qt::black);
    std::unique_ptr<TCanvas> old = std::move(m_canvas);
    if (!m_surface.isNull()) {
        QPainter painter(&surface);
        painter.drawImage(0, 0, m_surface);
    }
    m_canvas.reset();
    m_surface = surface;
    m_canvas = std::make_unique<TCanvas>(&m_surface);
    // Drawings made outside a paint cycle draw against the shared palette on a palette
    // display; it stays selected for the canvas's life.
    m_canvas->SelectPalette(PaletteColors(KDGetPalette()));
    if (old) {
        // Pen, brush and font stay from one drawing to the next.
        m_canvas->Pen = old->Pen;
        m_canvas->Brush = old->Brush;
        m_canvas->Font = old->Font;
    }
}

void TKDPaintBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

void TKDPaintBox::DoMessage(const std::string& text)
{
    if (OnMessage)
        OnMessage(this, text);
}

void TKDPaintBox::DoClearMessage()
{
    if (OnClearMessage)
        OnClearMessage(this);
}

void TKDPaintBox::KeyPressed(std::uint16_t key)
{
    switch (m_playMode) {
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
    // Only the part the drawing touched goes to the screen: at full-HD a whole-surface
    // repaint would cost more than the drawing itself.
    if (!m_dirty.isEmpty())
        update(m_dirty);
    m_dirty = QRect();
}

void TKDPaintBox::Touch(const TRect& rect, int margin)
{
    m_dirty |= QRect(rect.Left - margin, rect.Top - margin, rect.Width() + 2 * margin, rect.Height() + 2 * margin)
                   .intersected(QRect(0, 0, width(), height()));
}

void TKDPaintBox::Erase()
{
    const TBrush brush = m_canvas->Brush;
    m_canvas->SetClipRegion(nullptr);
    m_canvas->Brush.SetColor(clBlack);
    m_canvas->FillRect(Rect(0, 0, width(), height()));
    m_canvas->Brush = brush;
    m_dirty = QRect();
    repaint();
}

void TKDPaintBox::BeginDraw()
{
    DoClearMessage();
    ++m_drawCount;
    // The counter restarts at 0, not 1: with the default 25 the 26th drawing erases first,
    // and from then on every 26th.
    if (m_drawCount > m_eraseLimit) {
        Erase();
        m_drawCount = 0;
    }
}

TRandomFigure TKDPaintBox::ChooseRandomFigure()
{
    TRandomFigure figure;
    const int w = width();
    const int h = height();
    for (TPoint& p : figure.P) {
        p.Y = Random(h); // a point's y is always drawn before its x
        p.X = Random(w);
    }
    TPoint& p0 = figure.P[0];
    TPoint& p1 = figure.P[1];
    if (p0.X > p1.X)
        SwapInts(p0.X, p1.X);
    if (p0.Y > p1.Y)
        SwapInts(p0.Y, p1.Y);
    figure.R = Rect(p0.X, p0.Y, p1.X, p1.Y);
    m_canvas->Brush.SetColor(RandomColor());
    m_canvas->Pen.Color = RandomColor();
    m_canvas->Pen.Width = 1 + Random(5);
    m_canvas->Pen.Style = TPenStyle::psSolid;
    const TPoint& p2 = figure.P[2];
    Touch(Rect(std::min(p0.X, p2.X), std::min(p0.Y, p2.Y), std::max(p1.X, p2.X) + 1, std::max(p1.Y, p2.Y) + 1),
          m_canvas->Pen.Width + 1);
    return figure;
}

void TKDPaintBox::DrawClassicType()
{
    BeginDraw();
    const TRandomFigure figure = ChooseRandomFigure();
    DrawFigure(*m_canvas, TFigureKind(Random(5)), figure);
}

void TKDPaintBox::DrawShapeType(std::uint16_t key)
{
    BeginDraw();
    const int shape = KeyTable->GetShape(key);
    const TColor color = KeyTable->GetShapeColor(key);
    TCanvas& canvas = *m_canvas;
    canvas.Brush.SetColor(color);
    canvas.Brush.SetStyle(TBrushStyle::bsSolid);
    canvas.Pen.Color = color;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = TPenStyle::psSolid;
    // Shape numbers above 13 have counted as a drawing, but draw nothing.
    if (shape > 13)
        return;
    const TShape& geometry = ShapeGeometry(shape);
    const int y = Random(height() - geometry.Height);
    const int x = Random(width() - geometry.Width);
    Touch(Bounds(x, y, geometry.Width + 1, geometry.Height + 1), 1);
    switch (geometry.Kind) {
    case TShape::Ellipse:
        canvas.Ellipse(Bounds(x, y, geometry.Width, geometry.Height));
        break;
    case TShape::Rectangle:
        canvas.Rectangle(Bounds(x, y, geometry.Width, geometry.Height));
        break;
    case TShape::Polygon: {
        std::vector<TPoint> points = geometry.Points;
        for (TPoint& point : points) {
            point.X += x;
            point.Y += y;
        }
        canvas.Polygon(points);
        break;
    }
    }
}

void TKDPaintBox::DrawKeyType(std::uint16_t key)
{
    BeginDraw();
    const std::string text = KeyTable->GetKeyName(key);
    TCanvas& canvas = *m_canvas;
    canvas.Font.Color = RandomColor();
    canvas.Font.Name = FontList.empty() ? std::string("Arial") : FontList[Random(int(FontList.size()))];
    // Only single characters may come out at 144 points.
    const int step = QString::fromStdString(text).size() <= 1 ? Random(3) : Random(2);
    static const int sizes[] = { 36, 72, 144 };
    canvas.Font.SetSize(sizes[step]);
    const int r = Random(7);
    canvas.Font.Style = r == 4 ? fsBold : (r >= 5 ? fsItalic : 0);
    const TSize extent = canvas.TextExtent(text);
    const int y = Random(height() - extent.cy);
    const int x = Random(width() - extent.cx);
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.TextRect(Rect(0, 0, width(), height()), x, y, text);
    // Italic and some typefaces reach past the measured box.
    Touch(Bounds(x, y, extent.cx, extent.cy), extent.cy / 2 + 2);
}

std::string TKDPaintBox::TraceText(int stringId, const std::string& what, std::uint16_t key) const
{
    const std::string programPath = QCoreApplication::applicationFilePath().toStdString();
    return Format(LoadStr(stringId).c_str(), what.c_str(), PlayModeName(m_playMode).c_str(),
                  UpperAscii(CurrentDirectory()).c_str(), KeyTable->GetKeyName(key).c_str(), programPath.c_str());
}

void TKDPaintBox::LoadResPicture(TModuleHandle module, std::uint8_t typeCode, const std::string& name,
                                 TPicture& picture)
{
    const TGraphicFactory factory = TPicture::FactoryForTypeCode(typeCode);
    if (!factory)
        RaiseRes<EInvalidGraphic>(Str::UnknownTypeCode, int(typeCode));
    std::unique_ptr<TGraphic> graphic = factory();
    TResourceStream stream(module, name, TResourceType::Numeric(RT_RCDATA));
    graphic->LoadFromStream(stream);
    picture.Assign(*graphic);
}

// Loads the key's pattern or picture. A file that cannot be opened, a missing resource and a
// picture without pixels end the drawing with a trace; every other failure passes on.
void TKDPaintBox::LoadKeyPicture(std::uint16_t key, bool pattern, TPicture& picture, bool& loaded)
{
    loaded = false;
    const bool useRes = pattern ? KeyTable->UsePatternRes(key) : KeyTable->UsePictureRes(key);
    const std::string name = useRes ? (pattern ? KeyTable->GetPatternResName(key) : KeyTable->GetPictureResName(key))
                                    : (pattern ? KeyTable->GetPatternFile(key) : KeyTable->GetPictureFile(key));
    const int traceId = useRes ? Str::ResTrace : Str::FileTrace;
    const std::string traceName = useRes ? name : UpperAscii(name);
    try {
        if (useRes) {
            LoadResPicture(pattern ? PatternsModule : PicturesModule,
                           pattern ? KeyTable->GetPatternResType(key) : KeyTable->GetPictureResType(key), name, picture);
        } else {
            picture.LoadFromFile(name);
        }
    } catch (const EFOpenError&) {
        DoMessage(TraceText(traceId, traceName, key));
        return;
    } catch (const EResNotFound&) {
        DoMessage(TraceText(traceId, traceName, key));
        return;
    }
    // A picture without width or height cannot be scaled or tiled: report it like a
    // picture that was not there.
    if (picture.Width() <= 0 || picture.Height() <= 0) {
        DoMessage(TraceText(traceId, traceName + " (empty picture)", key));
        return;
    }
    loaded = true;
}

void TKDPaintBox::DrawPatternType(std::uint16_t key)
{
    BeginDraw();
    const TRandomFigure random = ChooseRandomFigure();
    const TRect& r = random.R;
    TCanvas& canvas = *m_canvas;

    TPicture picture;
    bool loaded = false;
    LoadKeyPicture(key, true, picture, loaded);
    if (!loaded) {
        canvas.Brush.SetStyle(TBrushStyle::bsSolid);
        return;
    }
    const QImage bitmap = picture.Graphic()->ToImage();

    const int figure = Random(4);
    // The triangle's tiles line up with the surface's corner, so two triangles with the same
    // pattern continue one wallpaper; the other figures start the wallpaper at their corner.
    const TRect t = figure == 3 ? Rect(0, 0, width(), height()) : r;
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
    DrawFigure(canvas, figure == 3 ? TFigureKind::Triangle : TFigureKind(figure), random);
    canvas.Brush.SetStyle(TBrushStyle::bsSolid);
}

void TKDPaintBox::DrawPictureType(std::uint16_t key)
{
    BeginDraw();
    const int step = Random(3);
    TPicture picture;
    bool loaded = false;
    LoadKeyPicture(key, false, picture, loaded);
    if (!loaded)
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
    const int y = Random(height() - h);
    const int x = Random(width() - w);
    m_canvas->StretchDraw(Bounds(x, y, w, h), *picture.Graphic());
    Touch(Bounds(x, y, w, h), 1);
}
