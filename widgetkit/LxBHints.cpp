#include "widgetkit/LxBHints.h"

#include "paint/Canvas.h"

#include <QApplication>
#include <QBitmap>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <array>

namespace {

constexpr int BalloonMargin = 15; // room for the tail around the text, per side
constexpr int PlainMargin = 2;
constexpr int MinimumWidth = 55;
constexpr int TailDepth = 22;     // the body keeps this far from the window's edges on the tail's sides
constexpr int CornerEllipse = 20;

bool IsUpper(TLxHintCorner corner) { return corner == TLxHintCorner::hcUpperLeft || corner == TLxHintCorner::hcUpperRight; }
bool IsRight(TLxHintCorner corner) { return corner == TLxHintCorner::hcUpperRight || corner == TLxHintCorner::hcLowerRight; }

TLxHintCorner CornerOf(bool upper, bool right)
{
    if (upper)
        return right ? TLxHintCorner::hcUpperRight : TLxHintCorner::hcUpperLeft;
    return right ? TLxHintCorner::hcLowerRight : TLxHintCorner::hcLowerLeft;
}

struct TTail {
    std::array<TPoint, 3> Points; // tip, first and second base point
    TRect Seam;                   // the base line and the row inside it, painted over
};

// The tail's tip sits at the window's corner nearest the pointer; its base lies just inside
// the body, and painting over the base line joins tail and body into one shape.
TTail BalloonTail(int width, int height, TLxHintCorner corner)
{
    const TRect b = BalloonBody(width, height, corner);
    switch (corner) {
    case TLxHintCorner::hcUpperRight:
        return { { TPoint { 2, height - 2 }, TPoint { b.Left + 5, b.Bottom - 2 }, TPoint { b.Left + 28, b.Bottom - 2 } },
                 Rect(b.Left + 6, b.Bottom - 3, b.Left + 29, b.Bottom - 1) };
    case TLxHintCorner::hcUpperLeft:
        return { { TPoint { width - 2, height - 2 }, TPoint { b.Right - 5, b.Bottom - 2 }, TPoint { b.Right - 28, b.Bottom - 2 } },
                 Rect(b.Right - 28, b.Bottom - 3, b.Right - 5, b.Bottom - 1) };
    case TLxHintCorner::hcLowerRight:
        return { { TPoint { 2, 2 }, TPoint { b.Left + 4, b.Top + 1 }, TPoint { b.Left + 28, b.Top + 1 } },
                 Rect(b.Left + 5, b.Top + 1, b.Left + 29, b.Top + 3) };
    case TLxHintCorner::hcLowerLeft:
    default:
        return { { TPoint { width - 2, 2 }, TPoint { b.Right - 4, b.Top + 1 }, TPoint { b.Right - 28, b.Top + 1 } },
                 Rect(b.Right - 28, b.Top + 1, b.Right - 4, b.Top + 3) };
    }
}

} // namespace

// ---- placing and painting ----

TBalloonPlacement PlaceBalloon(TRect rect, TPoint anchor, bool showBalloon, TLxHintCorner corner, TRect screen)
{
    const int grow = showBalloon ? BalloonMargin : PlainMargin;
    rect = Rect(rect.Left - grow, rect.Top - grow, rect.Right + grow, rect.Bottom + grow);
    if (showBalloon)
        rect = Bounds(anchor.X, anchor.Y, rect.Width(), rect.Height());
    const int w = std::max(rect.Width(), MinimumWidth);
    const int h = rect.Height();
    const TPoint p { rect.Left, rect.Top };

    bool upper = IsUpper(corner);
    bool right = IsRight(corner);
    int x = right ? p.X + 1 : p.X - w - 1;
    int y = upper ? p.Y - h : p.Y;
    // At the screen's edges the balloon turns to the side where it fits.
    if (y < screen.Top) {
        upper = false;
        y = p.Y;
    }
    if (y + h > screen.Bottom) {
        upper = true;
        y = p.Y - h;
    }
    if (x + w > screen.Right) {
        right = false;
        x = p.X - w - 1;
    }
    if (x < screen.Left) {
        right = true;
        x = p.X + 1;
    }
    return { Bounds(x, y, w, h), CornerOf(upper, right) };
}

TRect BalloonBody(int width, int height, TLxHintCorner corner)
{
    const bool upper = IsUpper(corner);
    const bool right = IsRight(corner);
    // The tail leaves from the body's side toward the pointer.
    return Rect(right ? TailDepth : 2, upper ? 2 : TailDepth, right ? width - 2 : width - TailDepth,
                upper ? height - TailDepth : height - 2);
}

void PaintBalloon(TCanvas& canvas, int width, int height, TLxHintCorner corner, TColor color, bool showBalloon)
{
    canvas.Pen.Color = clBtnShadow;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Brush.SetColor(color);
    if (!showBalloon) {
        canvas.Rectangle(0, 0, width, height);
        return;
    }
    const TRect body = BalloonBody(width, height, corner);
    canvas.RoundRect(body.Left, body.Top, body.Right, body.Bottom, CornerEllipse, CornerEllipse);
    // Bubble balloons are drawn with the pointed tail too.
    const TTail tail = BalloonTail(width, height, corner);
    canvas.Polygon(tail.Points);
    canvas.FillRect(tail.Seam);
}

QRegion BalloonShape(int width, int height, TLxHintCorner corner, bool showBalloon)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        TCanvas canvas(&image);
        PaintBalloon(canvas, width, height, corner, clWhite, showBalloon);
    }
    return QRegion(QBitmap::fromImage(image.createAlphaMask()));
}

// ---- the component ----

TLxBalloonHints::TLxBalloonHints(QObject* owner)
    : QObject(owner)
{
    m_font.Name = "MS Sans Serif";
    m_font.SetSize(8);
    // Switching hints off and on again makes the application's hint window anew, of the
    // balloon kind.
    TAppHints& hints = TAppHints::Instance();
    m_savedHintWindowClass = hints.HintWindowClass();
    const bool showHint = hints.ShowHint();
    hints.SetShowHint(false);
    hints.SetHintWindowClass([] { return std::make_unique<TLxCustomHintWindow>(); });
    hints.SetShowHint(showHint);
    hints.SetHintShortPause(50);
}

TLxBalloonHints::~TLxBalloonHints()
{
    if (m_hintWindow)
        m_hintWindow->Unlink();
    if (QCoreApplication::closingDown() || !qApp)
        return;
    TAppHints& hints = TAppHints::Instance();
    const bool showHint = hints.ShowHint();
    hints.SetShowHint(false);
    hints.SetHintWindowClass(m_savedHintWindowClass);
    hints.SetShowHint(showHint);
}

void TLxBalloonHints::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    if (m_hintWindow)
        m_hintWindow->m_alignment = alignment;
}

void TLxBalloonHints::SetCaptionWidth(int width)
{
    m_captionWidth = width;
    if (m_hintWindow)
        m_hintWindow->m_captionWidth = width;
}

void TLxBalloonHints::SetColor(TColor color)
{
    m_color = color;
    if (m_hintWindow)
        m_hintWindow->SetColor(color);
}

void TLxBalloonHints::SetBalloonStyle(TLxBalloonStyle style)
{
    m_balloonStyle = style;
    if (m_hintWindow)
        m_hintWindow->m_balloonStyle = style;
}

void TLxBalloonHints::SetCorner(TLxHintCorner corner)
{
    m_corner = corner;
    if (m_hintWindow)
        m_hintWindow->m_corner = corner;
}

void TLxBalloonHints::SetFont(const TFont& font)
{
    m_font = font;
    if (m_hintWindow)
        m_hintWindow->Font() = font;
}

int TLxBalloonHints::HintPause() const { return TAppHints::Instance().HintPause(); }
void TLxBalloonHints::SetHintPause(int ms) { TAppHints::Instance().SetHintPause(ms); }
int TLxBalloonHints::HintShortPause() const { return TAppHints::Instance().HintShortPause(); }
void TLxBalloonHints::SetHintShortPause(int ms) { TAppHints::Instance().SetHintShortPause(ms); }

// ---- the hint window ----

TLxCustomHintWindow::TLxCustomHintWindow()
{
    Font().Name = "MS Sans Serif";
    Font().SetSize(8);
    TAppHints::Instance().OnShowHint = [this](std::string& hintStr, bool& canShow, THintInfo& hintInfo) {
        ShowHintHandler(hintStr, canShow, hintInfo);
    };
    // The last balloon component found stays linked.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (TLxBalloonHints* hints : window->findChildren<TLxBalloonHints*>())
            Link(hints);
    }
}

TLxCustomHintWindow::~TLxCustomHintWindow()
{
    Unlink();
    if (qApp)
        TAppHints::Instance().OnShowHint = nullptr;
}

void TLxCustomHintWindow::Link(TLxBalloonHints* hints)
{
    Unlink();
    m_balloonHints = hints;
    hints->m_hintWindow = this;
    m_captionWidth = hints->CaptionWidth();
    SetColor(hints->Color());
    m_balloonStyle = hints->BalloonStyle();
    m_corner = hints->Corner();
    m_alignment = hints->Alignment();
    Font() = hints->Font();
}

void TLxCustomHintWindow::Unlink()
{
    if (m_balloonHints && m_balloonHints->m_hintWindow == this)
        m_balloonHints->m_hintWindow = nullptr;
    m_balloonHints = nullptr;
}

void TLxCustomHintWindow::ShowHintHandler(std::string&, bool& canShow, THintInfo& hintInfo)
{
    if (m_balloonHints)
        hintInfo.HintColor = m_balloonHints->Color();
    canShow = true;
    hintInfo.HintMaxWidth = m_captionWidth;
    m_hintInfo = hintInfo;
    SetColor(hintInfo.HintColor);
}

bool TLxCustomHintWindow::ShowingBalloon() const { return m_balloonHints && m_balloonHints->ShowBalloon(); }

void TLxCustomHintWindow::ActivateHint(TRect rect, const std::string& hint)
{
    SetCaption(hint);
    setWindowTitle(QString::fromStdString(hint));
    const bool balloon = ShowingBalloon();
    TPoint anchor { x(), y() };
    if (m_hintInfo.HintControl) {
        const QPoint pointer = m_hintInfo.HintControl->mapToGlobal(m_hintInfo.CursorPos);
        anchor = { pointer.x(), pointer.y() };
    }
    if (m_balloonHints && !balloon)
        m_corner = TLxHintCorner::hcLowerRight;
    const QScreen* screen = QGuiApplication::screenAt(QPoint(anchor.X, anchor.Y));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const TBalloonPlacement place =
        PlaceBalloon(rect, anchor, balloon, m_corner, Bounds(area.x(), area.y(), area.width(), area.height()));
    m_cornerInUse = place.Corner;
    setGeometry(place.Bounds.Left, place.Bounds.Top, place.Bounds.Width(), place.Bounds.Height());
    UpdateShape();
    show();
    raise();
    update();
    m_active = true;
}

bool TLxCustomHintWindow::PointerMovedOver(QPoint globalPos)
{
    if (!m_active || !m_hintInfo.HintControl)
        return false;
    const QPoint pointer = m_hintInfo.HintControl->mapToGlobal(m_hintInfo.CursorPos);
    const bool nearby = globalPos.x() >= pointer.x() - 2 && globalPos.x() < pointer.x() + 2 &&
                        globalPos.y() >= pointer.y() - 2 && globalPos.y() < pointer.y() + 2;
    if (nearby)
        return false;
    m_active = false;
    return true;
}

void TLxCustomHintWindow::Paint(TCanvas& canvas, QSize size)
{
    const bool balloon = ShowingBalloon();
    canvas.Font = Font();
    PaintBalloon(canvas, size.width(), size.height(), m_cornerInUse, Color(), balloon);
    // The balloon's text keeps 4 pixels inside the body; the plain box's the 3 and 1 pixels
    // that measuring added around the text.
    TRect text = Rect(PlainMargin + 3, PlainMargin + 1, size.width() - PlainMargin - 3, size.height() - PlainMargin - 1);
    if (balloon) {
        const TRect body = BalloonBody(size.width(), size.height(), m_cornerInUse);
        text = Rect(body.Left + 4, body.Top + 4, body.Right - 4, body.Bottom - 4);
    }
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(Caption(), text, DT_TOP | DT_WORDBREAK | DT_NOPREFIX | AlignmentFlags(m_alignment));
}

void TLxCustomHintWindow::UpdateShape()
{
    setMask(BalloonShape(width(), height(), m_cornerInUse, ShowingBalloon()));
}

void TLxCustomHintWindow::resizeEvent(QResizeEvent* event)
{
    THintWindow::resizeEvent(event);
    UpdateShape();
}
