#include "widgetkit/KDTabSet.h"

#include "base/Exceptions.h"
#include "paint/Canvas.h"
#include "paint/KDPalette.h"
#include "widgetkit/KDScroller.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The colour the edge pictures are laid out on; it is left out when they are drawn.
constexpr TColor KeyColor = clOlive;
// Far beyond any real tab row; heights above it are treated as a picture that cannot be made.
constexpr int LargestRowHeight = 4096;

// The caption as shown: "&x" marks the accelerator x and shows as x, "&&" shows as &.
std::string ShownCaption(const std::string& caption)
{
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

bool IsAccelerator(const std::string& caption, QChar character)
{
    const QString text = QString::fromStdString(caption);
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toUpper() == character.toUpper();
    }
    return false;
}

QImage NewEdgePicture(int width, int height)
{
    QImage picture;
    if (width > 0 && height > 0 && height <= LargestRowHeight)
        picture = QImage(width, height, QImage::Format_RGB32);
    if (picture.isNull())
        RaiseRes<EOutOfMemory>(Str::OutOfMemory);
    picture.fill(QColor::fromRgb(GetRValue(KeyColor), GetGValue(KeyColor), GetBValue(KeyColor)));
    return picture;
}

// Turns the key colour transparent, so that drawing the picture leaves those pixels alone.
QImage KeyedOut(const QImage& picture)
{
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(GetRValue(KeyColor), GetGValue(KeyColor), GetBValue(KeyColor));
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                row[x] = 0;
        }
    }
    return keyed;
}

void Line(TCanvas& canvas, TColor color, TPoint from, TPoint to)
{
    canvas.Pen.Color = color;
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
}

void Lines(TCanvas& canvas, TColor color, std::initializer_list<TPoint> points)
{
    canvas.Pen.Color = color;
    canvas.Polyline(std::span<const TPoint>(points.begin(), points.size()));
}

void DrawPicture(TCanvas& canvas, int x, const QImage& picture)
{
    canvas.CopyRect(Bounds(x, 0, picture.width(), picture.height()), picture,
                    Rect(0, 0, picture.width(), picture.height()));
}

} // namespace

TKDTabSet::TKDTabSet(QWidget* parent)
    : QWidget(parent)
    , m_tabs(this)
    , m_measureImage(1, 1, QImage::Format_RGB32)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    m_font.Name = "MS Sans Serif";
    m_font.SetSize(8);
    resize(185, 22);
    UpdateRowHeight();
    BuildEdgePictures();
    m_scroller = new TKDScroller(this);
    m_scroller->hide();
    m_scroller->OnClick = [this](TKDScroller* scroller) {
        const int position = scroller->Position();
        if (position < 0 || position >= m_tabs.Count() || position == m_firstVisibleTab)
            return;
        m_firstVisibleTab = position;
        Invalidate();
    };
}

TKDTabSet::~TKDTabSet() = default;

HPALETTE TKDTabSet::GetPalette() const { return KDGetPalette(); }

void TKDTabSet::SetTabs(const std::vector<std::string>& captions)
{
    m_tabs.m_strings = captions;
    m_tabIndex = -1;
    m_firstVisibleTab = 0;
    if (m_tabs.Count() > 0)
        SetTabIndex(0);
    else
        Invalidate();
}

void TKDTabSet::SetTabIndex(int index)
{
    if (index == m_tabIndex)
        return;
    if (index < -1 || index >= m_tabs.Count())
        RaiseRes<Exception>(Str::TabIndexError);
    bool allowChange = true;
    if (OnChange)
        OnChange(this, index, allowChange);
    if (!allowChange)
        return;
    m_tabIndex = index;
    MakeSelectedVisible();
    Click();
    Invalidate();
}

void TKDTabSet::Click()
{
    if (OnClick)
        OnClick(this);
}

void TKDTabSet::SetSelectedColor(TColor color)
{
    if (color == m_selectedColor)
        return;
    m_selectedColor = color;
    BuildEdgePictures();
    Invalidate();
}

void TKDTabSet::SetUnselectedColor(TColor color)
{
    if (color == m_unselectedColor)
        return;
    m_unselectedColor = color;
    BuildEdgePictures();
    Invalidate();
}

void TKDTabSet::SetStartMargin(int margin)
{
    if (margin == m_startMargin)
        return;
    m_startMargin = margin;
    // The first tab's end cap continues the frame above only when there is a margin.
    BuildEdgePictures();
    Invalidate();
}

void TKDTabSet::SetEndMargin(int margin)
{
    if (margin == m_endMargin)
        return;
    m_endMargin = margin;
    Invalidate();
}

void TKDTabSet::SetAutoScroll(bool autoScroll)
{
    if (autoScroll == m_autoScroll)
        return;
    m_autoScroll = autoScroll;
    m_scroller->hide();
    Invalidate();
}

void TKDTabSet::SetStyle(TTabStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    UpdateRowHeight();
    BuildEdgePictures();
    Invalidate();
}

void TKDTabSet::SetTabHeight(int height)
{
    if (height == m_tabHeight)
        return;
    const int oldHeight = m_tabHeight;
    const int oldRowHeight = m_tabRowHeight;
    m_tabHeight = height;
    try {
        UpdateRowHeight();
        BuildEdgePictures();
    } catch (...) {
        m_tabHeight = oldHeight;
        m_tabRowHeight = oldRowHeight;
        throw;
    }
    Invalidate();
}

void TKDTabSet::SetFont(const TFont& font)
{
    m_font = font;
    UpdateRowHeight();
    BuildEdgePictures();
    Invalidate();
}

void TKDTabSet::UpdateRowHeight()
{
    if (m_style == TTabStyle::tsOwnerDraw) {
        m_tabRowHeight = m_tabHeight;
        return;
    }
    TCanvas canvas(&m_measureImage);
    canvas.Font = m_font;
    m_tabRowHeight = canvas.TextHeight("T") + 4;
}

int TKDTabSet::CaptionWidth(int index)
{
    TCanvas canvas(&m_measureImage);
    canvas.Font = m_font;
    int width = canvas.TextWidth(ShownCaption(m_tabs[index]));
    if (m_style == TTabStyle::tsOwnerDraw)
        MeasureTab(index, width);
    return width;
}

void TKDTabSet::MeasureTab(int index, int& width)
{
    if (OnMeasureTab)
        OnMeasureTab(this, index, width);
}

void TKDTabSet::DrawTab(TCanvas& canvas, const TRect& rect, int index, bool selected)
{
    if (OnDrawTab)
        OnDrawTab(this, canvas, rect, index, selected);
}

int TKDTabSet::Measure(int start, int stop, int first)
{
    m_tabSpans.clear();
    int x = start;
    for (int i = first; x < stop && i < m_tabs.Count(); ++i) {
        const int width = CaptionWidth(i);
        const TTabSpan span { x, width };
        x += width + SlantWidth();
        if (x > stop)
            break;
        m_tabSpans.push_back(span);
    }
    return int(m_tabSpans.size());
}

void TKDTabSet::MakeSelectedVisible()
{
    if (m_tabs.Count() == 0 || m_tabIndex < 0 || !testAttribute(Qt::WA_WState_Created))
        return;
    if (m_tabIndex < m_firstVisibleTab) {
        m_firstVisibleTab = m_tabIndex;
        return;
    }
    if (m_tabIndex < m_firstVisibleTab + m_visibleTabs)
        return;
    // The selected tab becomes the rightmost one shown: go left from it while the tabs fit.
    int remainder = width() - m_endMargin;
    if (m_autoScroll && m_visibleTabs < m_tabs.Count() - 1)
        remainder -= m_scroller->width() + 4;
    int first = m_tabIndex;
    for (int i = m_tabIndex; i >= 0; --i) {
        remainder -= SlantWidth() + CaptionWidth(i);
        if (remainder < m_startMargin + SlantWidth())
            break;
        first = i;
    }
    m_firstVisibleTab = first;
}

void TKDTabSet::ArrangeTabs()
{
    const int count = m_tabs.Count();
    m_firstVisibleTab = std::clamp(m_firstVisibleTab, 0, std::max(0, count - 1));
    m_scroller->move(width() - m_scroller->width() - 2, 3);
    const int start = m_startMargin + EndCapWidth;
    int stop = width() - m_endMargin;
    m_visibleTabs = Measure(start, stop, m_firstVisibleTab);
    if (m_autoScroll && m_visibleTabs < count) {
        stop -= m_scroller->width() - 4;
        m_visibleTabs = Measure(start, stop, m_firstVisibleTab);
        m_scroller->SetMin(0);
        m_scroller->SetMax(count - m_visibleTabs);
        m_scroller->SetPosition(m_firstVisibleTab);
        m_scroller->show();
    } else if (m_visibleTabs >= count) {
        m_scroller->hide();
    }
    if (m_fixPosition) {
        MakeSelectedVisible();
        m_visibleTabs = Measure(start, stop, m_firstVisibleTab);
        m_fixPosition = false;
    }
}

TRect TKDTabSet::TabRect(int shown) const
{
    if (shown < 0 || shown >= int(m_tabSpans.size()))
        return {};
    const TTabSpan& span = m_tabSpans[std::size_t(shown)];
    return Rect(span.Start, 0, span.Start + span.Width, m_tabRowHeight);
}

int TKDTabSet::TabAtPos(int x, int y) const
{
    if (y < 0 || y > m_tabRowHeight)
        return -1;
    // The slanted sides give way more near the top, where the tabs lie closer together.
    const int tolerance = y < m_tabRowHeight / 2 ? SlantWidth() / 3 : SlantWidth() / 2;
    for (int shown = 0; shown < int(m_tabSpans.size()); ++shown) {
        const TRect body = TabRect(shown);
        if (x >= body.Left - tolerance && x <= body.Right + tolerance)
            return m_firstVisibleTab + shown;
    }
    return -1;
}

bool TKDTabSet::DialogChar(QChar character)
{
    for (int i = 0; i < m_tabs.Count(); ++i) {
        if (!IsAccelerator(m_tabs[i], character))
            continue;
        if (i != m_tabIndex)
            SetTabIndex(i);
        return true;
    }
    return false;
}

void TKDTabSet::BuildEdgePictures()
{
    const int H = m_tabRowHeight;
    const int B = H - 1;
    const int W = SlantWidth();
    const int E = EndCapWidth;

    QImage selectedEndCap = NewEdgePicture(E, H);
    {
        TCanvas canvas(&selectedEndCap);
        const TDisplayPaletteScope palette(canvas);
        canvas.Brush.SetColor(m_selectedColor);
        canvas.FillRect(Rect(0, 0, E, B));
        if (m_startMargin > 0)
            canvas.SetPixel(0, 0, clBtnShadow);
        const int s = m_startMargin > 0 ? 1 : 0;
        Line(canvas, clBtnShadow, { 1, B - 1 }, { E + 1, B - 1 });
        Line(canvas, clBtnHighlight, { 1, s }, { 1, B + 1 });
        Line(canvas, cl3DLight, { 0, s }, { 0, B });
        Line(canvas, clWindowFrame, { 1, B }, { E, B });
    }

    QImage unselectedEndCap = NewEdgePicture(E, H);
    {
        TCanvas canvas(&unselectedEndCap);
        const TDisplayPaletteScope palette(canvas);
        Line(canvas, clBtnShadow, { 0, 0 }, { E + 1, 0 });
        canvas.Brush.SetColor(m_unselectedColor);
        canvas.FillRect(Rect(1, 1, E, B));
        Lines(canvas, clWindowFrame, { { 0, 1 }, { E + 1, 1 }, { 0, 1 }, { 0, B }, { E, B } });
    }

    QImage selectedSlant = NewEdgePicture(W, H);
    {
        TCanvas canvas(&selectedSlant);
        const TDisplayPaletteScope palette(canvas);
        canvas.Brush.SetColor(m_selectedColor);
        canvas.Pen.Color = m_selectedColor;
        const TPoint body[] = { { W - 3, 1 }, { 2, B }, { 0, B }, { 0, 0 }, { W + 1, 0 } };
        canvas.Polygon(body);
        Lines(canvas, clBtnShadow, { { W - 2, 0 }, { W + 1, 0 }, { W - 3, 1 }, { 2, B - 1 }, { -1, B - 1 } });
        Lines(canvas, clWindowFrame, { { W, 1 }, { W - 2, 1 }, { 2, B }, { -1, B } });
    }

    QImage unselectedSlant = NewEdgePicture(W, H);
    {
        TCanvas canvas(&unselectedSlant);
        const TDisplayPaletteScope palette(canvas);
        Line(canvas, clBtnShadow, { -1, 0 }, { W + 1, 0 });
        canvas.Brush.SetColor(m_unselectedColor);
        canvas.Pen.Color = m_unselectedColor;
        const TPoint body[] = { { W - 3, 1 }, { 1, B }, { 0, B }, { 0, 1 }, { W - 3, 1 } };
        canvas.Polygon(body);
        Line(canvas, clBtnShadow, { -1, 0 }, { W + 1, 0 });
        Lines(canvas, clWindowFrame, { { 0, 1 }, { W + 1, 1 }, { W - 2, 1 }, { 2, B }, { -1, B } });
    }

    m_selectedEndCap = KeyedOut(selectedEndCap);
    m_unselectedEndCap = KeyedOut(unselectedEndCap);
    m_selectedSlant = KeyedOut(selectedSlant);
    m_unselectedSlant = KeyedOut(unselectedSlant);
}

void TKDTabSet::PaintJoint(TCanvas& canvas, int x, bool leftSelected, bool rightSelected)
{
    // Where the pictures overlap, the selected tab's side is drawn last so that it stays whole.
    if (rightSelected) {
        DrawPicture(canvas, x, m_unselectedSlant);
        DrawPicture(canvas, x + 11, m_selectedEndCap);
        return;
    }
    DrawPicture(canvas, x + 11, m_unselectedEndCap);
    DrawPicture(canvas, x, leftSelected ? m_selectedSlant : m_unselectedSlant);
}

void TKDTabSet::PaintTab(TCanvas& canvas, int shown)
{
    const TRect body = TabRect(shown);
    const int index = m_firstVisibleTab + shown;
    const bool selected = index == m_tabIndex;
    const TColor fill = selected ? m_selectedColor : m_unselectedColor;
    canvas.Brush.SetColor(fill);
    canvas.FillRect(body);
    if (m_style == TTabStyle::tsOwnerDraw) {
        DrawTab(canvas, body, index, selected);
    } else {
        canvas.Font = m_font;
        canvas.Brush.SetColor(fill);
        TRect text = Rect(body.Left, 2, body.Right, body.Bottom);
        canvas.DrawText(m_tabs[index], text, DT_CENTER | DT_SINGLELINE);
    }
    const int H = m_tabRowHeight;
    Line(canvas, clWindowFrame, { body.Left, H - 1 }, { body.Right, H - 1 });
    if (selected) {
        Line(canvas, clBtnShadow, { body.Left, H - 2 }, { body.Right, H - 2 });
        return;
    }
    Line(canvas, clWindowFrame, { body.Left, 1 }, { body.Right, 1 });
    Line(canvas, clBtnShadow, { body.Left, 0 }, { body.Right, 0 });
}

void TKDTabSet::PaintRow(TCanvas& canvas)
{
    const int w = canvas.Width();
    // The two top rows continue the lower edge of the framed area above.
    canvas.Brush.SetColor(clBtnFace);
    canvas.FillRect(Rect(0, 0, w, canvas.Height()));
    Line(canvas, clBtnShadow, { 1, 0 }, { w - 1, 0 });
    canvas.SetPixel(w - 1, 0, clWindowFrame);
    Line(canvas, clWindowFrame, { 0, 1 }, { w, 1 });

    const int shown = int(m_tabSpans.size());
    if (shown == 0)
        return;
    auto isSelected = [this](int k) { return m_firstVisibleTab + k == m_tabIndex; };
    for (int k = 0; k < shown; ++k) {
        const TRect body = TabRect(k);
        if (k == 0)
            DrawPicture(canvas, body.Left - EndCapWidth, isSelected(0) ? m_selectedEndCap : m_unselectedEndCap);
        else
            PaintJoint(canvas, body.Left - SlantWidth(), isSelected(k - 1), isSelected(k));
    }
    DrawPicture(canvas, TabRect(shown - 1).Right, isSelected(shown - 1) ? m_selectedSlant : m_unselectedSlant);

    // The tabs behind first, the selected one last.
    int selectedShown = -1;
    for (int k = 0; k < shown; ++k) {
        if (isSelected(k))
            selectedShown = k;
        else
            PaintTab(canvas, k);
    }
    if (selectedShown >= 0)
        PaintTab(canvas, selectedShown);
}

void TKDTabSet::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    ArrangeTabs();
    QImage buffer(width(), std::max(height(), m_tabRowHeight + 5), QImage::Format_RGB32);
    {
        TCanvas canvas(&buffer);
        const TDisplayPaletteScope palette(canvas);
        canvas.Font = m_font;
        PaintRow(canvas);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, buffer);
}

void TKDTabSet::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    ArrangeTabs();
    const QPoint pos = event->position().toPoint();
    const int index = TabAtPos(pos.x(), pos.y());
    if (index >= 0)
        SetTabIndex(index);
}

void TKDTabSet::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int count = m_tabs.Count();
    if (count >= 2) {
        int fitting = 0;
        int x = m_startMargin + SlantWidth();
        const int stop = width() - m_endMargin;
        for (int i = 0; i < count; ++i) {
            x += CaptionWidth(i) + SlantWidth();
            if (x > stop)
                break;
            ++fitting;
        }
        if (fitting > m_visibleTabs || fitting == count)
            m_firstVisibleTab = count - fitting;
    }
    m_fixPosition = true;
    Invalidate();
}

void TKDTabSet::keyPressEvent(QKeyEvent* event)
{
    if (!event->text().isEmpty() && DialogChar(event->text().at(0))) {
        event->accept();
        return;
    }
    event->ignore();
}

void TKDTabSet::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        BuildEdgePictures();
}
