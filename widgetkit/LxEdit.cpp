#include "widgetkit/LxEdit.h"

#include "base/Exceptions.h"
#include "paint/Canvas.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBlock>
#include <QWheelEvent>

namespace {

// The sunken 3-D border of an edit box, which a visible frame paints over.
constexpr int BorderWidth = 2;

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QString DecodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

} // namespace

TLxMemo::TLxMemo(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setTabChangesFocus(true);
    SetScrollBars(TScrollStyle::ssNone);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The toolkit's own copy-and-select menu is not part of this program's windows.
    setContextMenuPolicy(Qt::NoContextMenu);
    // A control's text is its own: the memo starts empty, never with its name.
    ApplyColors();
    setFont(m_font.ToQFont());
    resize(185, 89);
}

std::vector<std::string> TLxMemo::Lines() const
{
    std::vector<std::string> lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines.push_back(block.text().toStdString());
    if (lines.size() == 1 && lines.front().empty())
        lines.clear();
    return lines;
}

void TLxMemo::SetLines(const std::vector<std::string>& lines)
{
    QStringList text;
    for (const std::string& line : lines)
        text << QString::fromStdString(line);
    setPlainText(text.join(u'\n'));
    ApplyAlignment();
}

void TLxMemo::LoadLinesFromFile(const std::string& fileName)
{
    QFile file(QString::fromStdString(fileName));
    if (!file.open(QIODevice::ReadOnly))
        RaiseRes<EFOpenError>(Str::FOpenError, fileName.c_str());
    QString text = DecodeText(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    // A final line break ends the last line; it does not start an empty one.
    if (text.endsWith(u'\n'))
        text.chop(1);
    setPlainText(text);
    ApplyAlignment();
}

void TLxMemo::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    ApplyAlignment();
}

void TLxMemo::ApplyAlignment()
{
    QTextOption option = document()->defaultTextOption();
    switch (m_alignment) {
    case TAlignment::taLeftJustify: option.setAlignment(Qt::AlignLeft); break;
    case TAlignment::taRightJustify: option.setAlignment(Qt::AlignRight); break;
    case TAlignment::taCenter: option.setAlignment(Qt::AlignHCenter); break;
    }
    document()->setDefaultTextOption(option);
    viewport()->update();
}

void TLxMemo::SetScrollBars(TScrollStyle scrollBars)
{
    m_scrollBars = scrollBars;
    const bool vertical = scrollBars == TScrollStyle::ssVertical || scrollBars == TScrollStyle::ssBoth;
    const bool horizontal = scrollBars == TScrollStyle::ssHorizontal || scrollBars == TScrollStyle::ssBoth;
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TLxMemo::SetWordWrap(bool wordWrap)
{
    if (wordWrap == m_wordWrap)
        return;
    m_wordWrap = wordWrap;
    setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TLxMemo::SetTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TLxMemo::SetFont(const TFont& font)
{
    m_font = font;
    setFont(font.ToQFont());
    ApplyColors();
}

void TLxMemo::ApplyColors()
{
    QPalette colors = palette();
    colors.setColor(QPalette::Base, ToQColor(m_color));
    colors.setColor(QPalette::Text, ToQColor(m_font.Color));
    setPalette(colors);
}

void TLxMemo::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    ApplyColors();
    if (m_frameVisible)
        RedrawFrame();
}

void TLxMemo::SetFrameColor(TColor color)
{
    if (color == m_frameColor)
        return;
    m_frameColor = color;
    RedrawFrame();
}

void TLxMemo::SetFrameStyle(TFrameStyle style)
{
    if (style == m_frameStyle)
        return;
    m_frameStyle = style;
    RedrawFrame();
}

void TLxMemo::SetFrameSides(TSides sides)
{
    if (sides == m_frameSides)
        return;
    m_frameSides = sides;
    RedrawFrame();
}

void TLxMemo::SetFrameFlatStyle(TFrameStyle style)
{
    if (style == m_frameFlatStyle)
        return;
    m_frameFlatStyle = style;
    UpdateFrameStyle();
}

void TLxMemo::SetFrameFocusStyle(TFrameStyle style)
{
    if (style == m_frameFocusStyle)
        return;
    m_frameFocusStyle = style;
    UpdateFrameStyle();
}

void TLxMemo::SetFrameVisible(bool visible)
{
    if (visible == m_frameVisible)
        return;
    m_frameVisible = visible;
    // The frame is painted over the sunken border, so the border must be there.
    if (visible)
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    update();
}

void TLxMemo::SetFrameFlat(bool flat)
{
    if (flat == m_frameFlat)
        return;
    m_frameFlat = flat;
    if (flat) {
        SetFrameVisible(true);
        m_frameSides = AllSides;
        m_frameStyle = m_frameFlatStyle;
    }
    UpdateFrameStyle();
    update();
}

void TLxMemo::UpdateFrameStyle(std::optional<bool> mouseOver)
{
    if (mouseOver)
        m_mouseOver = *mouseOver;
    if (m_frameFlat)
        m_frameStyle = (hasFocus() || m_mouseOver) ? m_frameFocusStyle : m_frameFlatStyle;
    RedrawFrame();
}

void TLxMemo::RedrawFrame()
{
    if (!isVisible())
        return;
    // The frame lies outside the text area: repaint only the border band.
    repaint(QRegion(rect()).subtracted(contentsRect()));
}

int TLxMemo::CaretLine() const
{
    return document()->findBlock(textCursor().selectionStart()).blockNumber() + 1;
}

int TLxMemo::CaretColumn() const
{
    const int start = textCursor().selectionStart();
    return start - document()->findBlock(start).position() + 1;
}

void TLxMemo::SetCaretColumn(int column)
{
    const QTextBlock block = document()->findBlock(textCursor().selectionStart());
    if (column < 1 || column > block.length())
        return;
    QTextCursor cursor = textCursor();
    cursor.setPosition(block.position() + column - 1);
    setTextCursor(cursor);
}

void TLxMemo::SetCaretLine(int line)
{
    const QTextBlock block = document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        return;
    QTextCursor cursor = textCursor();
    cursor.setPosition(block.position());
    setTextCursor(cursor);
    verticalScrollBar()->setValue(block.firstLineNumber());
}

void TLxMemo::PaintFrame(TCanvas& canvas) const
{
    const TRect r = Rect(0, 0, width(), height());
    // The sunken border becomes background, then the frame goes on its outer edge.
    PaintBevelBand(canvas, r, m_color, m_color, BorderWidth, AllSides);
    if (m_frameStyle == TFrameStyle::fsFlat)
        PaintSideLines(canvas, r, m_frameColor, m_frameColor, m_frameSides);
    else
        PaintFrameStyle(canvas, r, m_frameStyle, m_frameSides);
}

void TLxMemo::PaintFrameOverBorder()
{
    if (width() <= 0 || height() <= 0)
        return;
    QImage frame(size(), QImage::Format_RGB32);
    {
        TCanvas canvas(&frame);
        PaintFrame(canvas);
    }
    QPainter painter(this);
    painter.setClipRegion(QRegion(rect()).subtracted(QRect(BorderWidth, BorderWidth, width() - 2 * BorderWidth,
                                                           height() - 2 * BorderWidth)));
    painter.drawImage(0, 0, frame);
}

bool TLxMemo::event(QEvent* event)
{
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint && m_frameVisible)
        PaintFrameOverBorder();
    return handled;
}

void TLxMemo::wheelEvent(QWheelEvent* event)
{
    event->accept();
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder %= 120;
    if (notches == 0)
        return;
    const int lines = (event->modifiers() & Qt::ControlModifier) ? QApplication::wheelScrollLines() : 1;
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() - notches * lines);
}

void TLxMemo::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_tabOnEnter) {
        event->accept();
        QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TLxMemo::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    if (m_frameFlat)
        UpdateFrameStyle();
}

void TLxMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (m_frameFlat)
        UpdateFrameStyle();
}

void TLxMemo::enterEvent(QEnterEvent* event)
{
    QPlainTextEdit::enterEvent(event);
    UpdateFrameStyle(true);
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TLxMemo::leaveEvent(QEvent* event)
{
    QPlainTextEdit::leaveEvent(event);
    UpdateFrameStyle(false);
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TLxMemo::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    if (m_frameVisible)
        update();
}
