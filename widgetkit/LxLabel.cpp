#include "widgetkit/LxLabel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// One list for the whole program: the blink state, the timer and the registered labels. It
// lives from the first label's creation to the last one's destruction.
struct TBlinkList {
    int State { 1 };
    std::uint16_t IntervalOn { 500 };
    std::uint16_t IntervalOff { 500 };
    QTimer Timer;
    std::vector<TLxLabel*> Labels;

    TBlinkList()
    {
        Timer.setInterval(IntervalOff);
        QObject::connect(&Timer, &QTimer::timeout, [this] { Tick(); });
    }

    bool AnyBlinks() const
    {
        return std::any_of(Labels.begin(), Labels.end(), [](const TLxLabel* label) { return label->BlinkQuery(); });
    }

    // The timer runs only while a label blinks, so a screen of still labels never wakes the
    // program; the phase waits where it was.
    void Wake()
    {
        if (!Timer.isActive() && AnyBlinks())
            Timer.start();
    }

    void Tick()
    {
        if (State == 0) {
            State = 1;
            Timer.setInterval(IntervalOn);
        } else {
            State = 0;
            Timer.setInterval(IntervalOff);
        }
        // A label may be destroyed by what another one does when it repaints: work on a copy.
        const std::vector<TLxLabel*> labels = Labels;
        for (TLxLabel* label : labels) {
            if (std::find(Labels.begin(), Labels.end(), label) != Labels.end() && label->BlinkQuery())
                label->SetBlinkState(State);
        }
        if (!AnyBlinks())
            Timer.stop();
    }
};

std::unique_ptr<TBlinkList>& BlinkList()
{
    static std::unique_ptr<TBlinkList> list;
    return list;
}

void RegisterLabel(TLxLabel* label)
{
    if (!BlinkList())
        BlinkList() = std::make_unique<TBlinkList>();
    BlinkList()->Labels.push_back(label);
}

void UnregisterLabel(TLxLabel* label)
{
    auto& list = BlinkList();
    if (!list)
        return;
    std::erase(list->Labels, label);
    if (list->Labels.empty())
        list.reset();
}

// A label starts without frames; it keeps whatever widths it is given.
TFrameSet LabelFrames()
{
    TFrameSet frames;
    frames.Outer = TFrameStyle::fsNone;
    return frames;
}

} // namespace

TLxLabel::TLxLabel(QWidget* parent)
    : QWidget(parent)
    , TFrameProperties(LabelFrames(), false)
    , TTextLookProperties(TTextStyle::tsRecessed)
    , TParentColorProperty(clBtnFace, true)
{
    setFocusPolicy(Qt::NoFocus);
    m_textColor = m_savedFontColor = m_font.Color;
    RegisterLabel(this);
}

TLxLabel::~TLxLabel() { UnregisterLabel(this); }

bool TLxLabel::BlinkListExists() { return BlinkList() != nullptr; }
int TLxLabel::BlinkListState() { return BlinkList() ? BlinkList()->State : -1; }
int TLxLabel::BlinkTimerInterval() { return BlinkList() ? BlinkList()->Timer.interval() : -1; }
bool TLxLabel::BlinkTimerRunning() { return BlinkList() && BlinkList()->Timer.isActive(); }

void TLxLabel::WakeBlinking()
{
    if (BlinkList())
        BlinkList()->Wake();
}

// ---- properties --------------------------------------------------------------------------

void TLxLabel::SetCaption(const std::string& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    AdjustBounds();
    update();
}

void TLxLabel::SetFont(const TFont& font)
{
    m_font = font;
    FontColorChanged();
    AdjustBounds();
    update();
}

void TLxLabel::FontColorChanged()
{
    if (m_blinking)
        return;
    m_savedFontColor = m_font.Color;
    m_textColor = m_font.Color;
}

#define KD_LABEL_SETTER(Name, Type, member, adjust) \
    void TLxLabel::Set##Name(Type value)            \
    {                                               \
        if (member == value)                        \
            return;                                 \
        member = value;                             \
        if (adjust)                                 \
            AdjustBounds();                         \
        update();                                   \
    }

KD_LABEL_SETTER(Alignment, TAlignment, m_alignment, false)
KD_LABEL_SETTER(Layout, TLabelLayout, m_layout, false)
KD_LABEL_SETTER(WordWrap, bool, m_wordWrap, true)
KD_LABEL_SETTER(Transparent, bool, m_transparent, false)
KD_LABEL_SETTER(ShowAccelChar, bool, m_showAccelChar, true)
KD_LABEL_SETTER(BlinkColor, TColor, m_blinkColor, false)
KD_LABEL_SETTER(FlyByColor, TColor, m_flyByColor, false)
#undef KD_LABEL_SETTER

void TLxLabel::SetAutoSize(bool autoSize)
{
    if (m_autoSize == autoSize)
        return;
    m_autoSize = autoSize;
    AdjustBounds();
}

void TLxLabel::SetBlinking(bool blinking)
{
    if (m_blinking == blinking)
        return;
    m_blinking = blinking;
    if (blinking)
        WakeBlinking();
    if (!blinking) {
        m_textColor = m_savedFontColor;
        repaint();
        update();
    }
}

std::uint16_t TLxLabel::BlinkIntervalOn() const { return BlinkList() ? BlinkList()->IntervalOn : 500; }
std::uint16_t TLxLabel::BlinkIntervalOff() const { return BlinkList() ? BlinkList()->IntervalOff : 500; }

void TLxLabel::SetBlinkIntervalOn(std::uint16_t milliseconds)
{
    if (BlinkList())
        BlinkList()->IntervalOn = milliseconds;
}

void TLxLabel::SetBlinkIntervalOff(std::uint16_t milliseconds)
{
    if (BlinkList())
        BlinkList()->IntervalOff = milliseconds;
}

void TLxLabel::SetBlinkState(int state)
{
    m_textColor = state == 1 ? m_blinkColor : m_savedFontColor;
    update();
    repaint();
}

void TLxLabel::SetFlyByEnabled(bool enabled)
{
    if (m_flyByEnabled == enabled)
        return;
    m_flyByEnabled = enabled;
    // Switched off while the pointer is over the label: its own colour comes back.
    if (!enabled && m_flyingBy) {
        m_flyingBy = false;
        m_font.Color = m_flyBySavedColor;
        FontColorChanged();
        update();
    }
}

// ---- size --------------------------------------------------------------------------------

TRect TLxLabel::InsetForBorders(TRect rect) const { return InsetFrameSet(rect, Frames(), true); }

unsigned TLxLabel::TextFlags() const
{
    unsigned flags = DT_EXPANDTABS | AlignmentFlags(m_alignment);
    if (m_wordWrap)
        flags |= DT_WORDBREAK;
    if (!m_showAccelChar)
        flags |= DT_NOPREFIX;
    return flags;
}

void TLxLabel::AdjustBounds()
{
    if (!m_autoSize)
        return;
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    canvas.Font = m_font;
    TRect r = Rect(0, 0, width(), height());
    // An empty caption still measures one line, so an empty label keeps its height.
    canvas.DrawText(m_caption.empty() ? std::string(" ") : m_caption, r,
                    DT_CALCRECT | DT_EXPANDTABS | (m_wordWrap ? DT_WORDBREAK : 0u) |
                        (m_showAccelChar ? 0u : DT_NOPREFIX));
    const auto grow = [&r](TSides sides, int by) {
        if (sides & sdLeft)
            r.Right += by;
        if (sides & sdRight)
            r.Right += by;
        if (sides & sdTop)
            r.Bottom += by;
        if (sides & sdBottom)
            r.Bottom += by;
    };
    const TFrameSet& frames = Frames();
    grow(frames.FrameSides, 1);
    grow(frames.Sides, FrameStyleWidth(frames.Outer, frames.BevelWidth));
    grow(frames.Sides, frames.BorderWidth);
    grow(frames.Sides, FrameStyleWidth(frames.Inner, frames.BevelWidth));
    if (TextStyle() == TTextStyle::tsShadow) {
        r.Right += ShadowDepth();
        r.Bottom += ShadowDepth();
    }
    int left = x();
    if (m_alignment == TAlignment::taRightJustify)
        left += width() - r.Right;
    setGeometry(left, y(), r.Right, r.Bottom);
}

// ---- painting ----------------------------------------------------------------------------

void TLxLabel::Paint(TCanvas& canvas) const { PaintLabel(canvas); }

void TLxLabel::PaintLabel(TCanvas& canvas) const
{
    const TRect inside = PaintFrameSet(canvas, Rect(0, 0, width(), height()), Frames());
    canvas.Brush.SetColor(Color());
    if (!m_transparent)
        canvas.FillRect(inside);
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    PaintText(canvas);
}

TRect TLxLabel::LaidOut(TCanvas& canvas, TRect r, unsigned flags) const
{
    if (m_layout != TLabelLayout::tlTop) {
        TRect measure = r;
        canvas.DrawText(m_caption, measure, flags | DT_CALCRECT);
        const int d = height() - BorderWidth() - measure.Bottom;
        r = MoveRect(r, 0, m_layout == TLabelLayout::tlBottom ? d : d / 2);
    }
    const int inset = TextStyle() == TTextStyle::tsShadow ? ShadowDepth() : 1;
    if (m_alignment == TAlignment::taRightJustify)
        r = MoveRect(r, -inset, 0);
    if (m_layout == TLabelLayout::tlBottom)
        r = MoveRect(r, 0, -inset);
    return r;
}

void TLxLabel::DrawTextAt(TCanvas& canvas, TRect r, int dx, int dy, TColor color, unsigned flags) const
{
    r = MoveRect(LaidOut(canvas, r, flags), dx, dy);
    canvas.Font.Color = color;
    canvas.DrawText(m_caption, r, flags);
}

void TLxLabel::PaintText(TCanvas& canvas) const
{
    if (m_caption.empty())
        return;
    const TRect r = InsetForBorders(Rect(0, 0, width(), height()));
    const unsigned flags = TextFlags();
    canvas.Font = m_font;
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    PaintTextLook(TextLook(), isEnabled(), m_textColor, 0,
                  [&](int dx, int dy, TColor color) { DrawTextAt(canvas, r, dx, dy, color, flags); });
}

void TLxLabel::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    // Painted on a clear picture, so a transparent label leaves its parent showing through.
    QImage picture(size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        TCanvas canvas(&picture);
        Paint(canvas);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

// ---- mouse -------------------------------------------------------------------------------

void TLxLabel::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (m_flyByEnabled && !m_flyingBy) {
        m_flyingBy = true;
        m_flyBySavedColor = m_font.Color;
        m_font.Color = m_flyByColor;
        FontColorChanged();
        update();
    }
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TLxLabel::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (m_flyingBy) {
        m_flyingBy = false;
        m_font.Color = m_flyBySavedColor;
        FontColorChanged();
        update();
    }
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TLxLabel::mousePressEvent(QMouseEvent* event)
{
    // Without a click handler the press belongs to the window under the label.
    if (!OnClick) {
        event->ignore();
        return;
    }
    m_pressed = event->button() == Qt::LeftButton;
}

void TLxLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (!OnClick) {
        event->ignore();
        return;
    }
    if (click)
        OnClick(this);
}

void TLxLabel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}
