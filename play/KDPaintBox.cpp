#include "play/KDPaintBox.h"

#include "base/Random.h"
#include "paint/KDPalette.h"
#include "play/PlayModes.h"
#include "play/RestingPicture.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

TKDPaintBox::TKDPaintBox(QWidget* parent, std::shared_ptr<TPlayState> state)
    : QWidget(parent)
    , m_state(state ? std::move(state) : std::make_shared<TPlayState>())
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ResizeSurface(0, 0);
}

TKDPaintBox::~TKDPaintBox() = default;

HPALETTE TKDPaintBox::GetPalette() const { return KDGetPalette(); }

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
    m_pictureWidths = TPlayModes::PictureSteps(width);
    m_pictureHeights = TPlayModes::PictureSteps(height);
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
    // A cover made or resized after play time ended rests with the others.
    if (m_state->Resting())
        DrawRestingPicture(*m_canvas, m_surface.width(), m_surface.height());
}

void TKDPaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

TPlayModes TKDPaintBox::Modes()
{
    TPlayModes modes(*m_canvas, width(), height(), *m_state);
    modes.SetPictureSizes(m_pictureWidths, m_pictureHeights);
    modes.SetPlayPoint(m_playPoint);
    modes.OnMessage = [this](const std::string& text) {
        if (OnMessage)
            OnMessage(this, text);
    };
    return modes;
}

void TKDPaintBox::Repaint(const QRect& touched)
{
    // Only the part the drawing touched goes to the screen: at full-HD a whole-surface
    // repaint would cost more than the drawing itself.
    if (!touched.isEmpty())
        update(touched);
}

void TKDPaintBox::KeyPressed(std::uint16_t key)
{
    if (!m_state->Plays())
        return;
    DrawKey(key, m_state->CountDrawing());
}

void TKDPaintBox::DrawKey(std::uint16_t key, bool erase)
{
    if (!m_state->Plays())
        return;
    BeginDraw(erase);
    TPlayModes modes = Modes();
    modes.Draw(key);
    Repaint(modes.Touched());
}

void TKDPaintBox::MousePressed(std::uint16_t key, TPoint at)
{
    m_playPoint = TPoint { std::clamp(at.X, 0, std::max(0, width() - 1)), std::clamp(at.Y, 0, std::max(0, height() - 1)) };
    try {
        KeyPressed(key);
    } catch (...) {
        m_playPoint.reset();
        throw;
    }
    m_playPoint.reset();
}

void TKDPaintBox::ShowRest()
{
    DrawRestingPicture(*m_canvas, m_surface.width(), m_surface.height());
    update();
}

int TKDPaintBox::TrailRadius() const { return TPlayModes::TrailRadius(width()); }

void TKDPaintBox::BeginTrail()
{
    if (m_state->Resting())
        return;
    BeginDraw(m_state->CountDrawing());
    m_trailColor = RandomColor();
}

void TKDPaintBox::ExtendTrail(TPoint from, TPoint to)
{
    if (m_state->Resting())
        return;
    TPlayModes modes = Modes();
    modes.DrawTrail(from, to, m_trailColor, TrailRadius());
    Repaint(modes.Touched());
}

void TKDPaintBox::BeginDraw(bool erase)
{
    if (OnClearMessage)
        OnClearMessage(this);
    if (erase)
        Erase();
}

void TKDPaintBox::Erase()
{
    const TBrush brush = m_canvas->Brush;
    m_canvas->SetClipRegion(nullptr);
    m_canvas->Brush.SetColor(clBlack);
    m_canvas->FillRect(Rect(0, 0, width(), height()));
    m_canvas->Brush = brush;
    repaint();
}
