#include "paint/TextLayout.h"

#include "paint/Canvas.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

} // namespace

TTextLayout::TTextLayout(const QFontMetrics& metrics, unsigned flags)
    : m_metrics(metrics)
    , m_flags(flags)
    // Tab stops every eight average characters.
    , m_tabWidth(std::max(1, 8 * metrics.averageCharWidth()))
{
}

int TTextLayout::Advance(QStringView line) const
{
    int x = 0;
    for (const auto& piece : Pieces(line))
        x = piece.first + m_metrics.horizontalAdvance(piece.second.toString());
    return x;
}

std::vector<std::pair<int, QStringView>> TTextLayout::Pieces(QStringView line) const
{
    std::vector<std::pair<int, QStringView>> pieces;
    int x = 0;
    qsizetype start = 0;
    for (;;) {
        const qsizetype tab = line.indexOf(u'\t', start);
        const QStringView piece = line.mid(start, tab < 0 ? -1 : tab - start);
        pieces.emplace_back(x, piece);
        if (tab < 0)
            return pieces;
        x += m_metrics.horizontalAdvance(piece.toString());
        x = (x / m_tabWidth + 1) * m_tabWidth;
        start = tab + 1;
    }
}

// Takes out the accelerator marks: "&x" shows x underlined, "&&" shows one '&', and a '&' at
// the very end shows nothing. Tabs without tab expansion and, on a single line, line breaks
// take no room and are dropped.
TTextLayout::TMarkedText TTextLayout::Mark(const QString& text) const
{
    TMarkedText marked;
    marked.Text.reserve(text.size());
    bool accelerateNext = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'&' && !(m_flags & DT_NOPREFIX) && !accelerateNext) {
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                marked.Text.append(c);
                marked.Accelerator.push_back(false);
                ++i;
                continue;
            }
            accelerateNext = true;
            continue;
        }
        if (c == u'\t' && !(m_flags & DT_EXPANDTABS))
            continue;
        if ((c == u'\r' || c == u'\n') && (m_flags & DT_SINGLELINE))
            continue;
        marked.Text.append(c);
        marked.Accelerator.push_back(accelerateNext && c != u'\r' && c != u'\n');
        accelerateNext = false;
    }
    return marked;
}

std::vector<TTextLine> TTextLayout::Lines(const QString& text, int maxWidth) const
{
    const TMarkedText marked = Mark(text);
    std::vector<TTextLine> lines;
    const qsizetype length = marked.Text.size();
    qsizetype start = 0;
    for (;;) {
        qsizetype end = start;
        while (end < length && marked.Text[end] != u'\r' && marked.Text[end] != u'\n')
            ++end;
        TMarkedText paragraph;
        paragraph.Text = marked.Text.mid(start, end - start);
        paragraph.Accelerator.assign(marked.Accelerator.begin() + start, marked.Accelerator.begin() + end);
        BreakParagraph(paragraph, maxWidth, lines);
        if (end >= length)
            return lines;
        // \r\n is one break; a lone \r or \n is one break each.
        start = end + 1;
        if (marked.Text[end] == u'\r' && start < length && marked.Text[start] == u'\n')
            ++start;
    }
}

void TTextLayout::BreakParagraph(const TMarkedText& paragraph, int maxWidth, std::vector<TTextLine>& lines) const
{
    const QString& text = paragraph.Text;
    const int length = int(text.size());
    const bool wrap = (m_flags & DT_WORDBREAK) && !(m_flags & DT_SINGLELINE);
    if (!wrap || length == 0) {
        lines.push_back(MakeLine(paragraph, 0, length));
        return;
    }
    const auto width = [&](int from, int to) { return Advance(QStringView(text).mid(from, to - from)); };
    int start = 0;
    while (start < length) {
        // Take whole words (with the blanks before them) while they fit.
        int end = -1;
        int next = start;
        int firstWordEnd = -1;
        while (next < length) {
            int k = next;
            while (k < length && IsBlank(text[k]))
                ++k;
            while (k < length && !IsBlank(text[k]))
                ++k;
            if (firstWordEnd < 0)
                firstWordEnd = k;
            if (width(start, k) > maxWidth)
                break;
            end = k;
            next = k;
        }
        bool brokeInsideWord = false;
        if (end < 0) {
            // The first word alone is too wide: break it where it must, keeping at least one
            // character (and never splitting a surrogate pair).
            end = start + 1;
            while (end < firstWordEnd && (text[end].isLowSurrogate() || width(start, end + 1) <= maxWidth))
                ++end;
            brokeInsideWord = end < firstWordEnd;
        }
        lines.push_back(MakeLine(paragraph, start, end));
        start = end;
        // The blanks where a line breaks are swallowed.
        if (!brokeInsideWord) {
            while (start < length && IsBlank(text[start]))
                ++start;
        }
    }
}

TTextLine TTextLayout::MakeLine(const TMarkedText& paragraph, int from, int to) const
{
    TTextLine line;
    line.Text = paragraph.Text.mid(from, to - from);
    for (int i = from; i < to; ++i) {
        if (paragraph.Accelerator[std::size_t(i)])
            line.Accelerators.push_back(i - from);
    }
    line.Width = Advance(line.Text);
    return line;
}

void TTextLayout::Paint(QPainter& painter, const std::vector<TTextLine>& lines, const TRect& rect, std::int64_t top,
                        const QRect& visible, const QColor& text, const std::optional<QColor>& background) const
{
    const int ascent = m_metrics.ascent();
    const int lineHeight = ascent + m_metrics.descent();
    // The accelerator's underline: a line in the descent, clear of the glyphs' feet.
    const int underlineOffset = std::clamp(m_metrics.underlinePos(), 1, std::max(1, m_metrics.descent() - 1));
    const int underlineThickness = std::max(1, m_metrics.lineWidth());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TTextLine& line = lines[i];
        const std::int64_t y = top + std::int64_t(i) * lineHeight;
        if (y > visible.bottom() || y + lineHeight <= visible.top())
            continue;
        std::int64_t x = rect.Left;
        if (m_flags & DT_CENTER)
            x = (std::int64_t(rect.Left) + rect.Right - line.Width) / 2;
        else if (m_flags & DT_RIGHT)
            x = std::int64_t(rect.Right) - line.Width;
        if (std::abs(x) > kTextReach || std::abs(y) > kTextReach)
            continue;
        const int left = int(x);
        const int baseline = int(y) + ascent;
        if (background)
            painter.fillRect(QRect(left, int(y), line.Width, lineHeight), *background);
        painter.setPen(text);
        for (const auto& [offset, piece] : Pieces(line.Text))
            painter.drawText(QPoint(left + offset, baseline), piece.toString());
        for (int index : line.Accelerators) {
            const int from = Advance(QStringView(line.Text).left(index));
            const int to = Advance(QStringView(line.Text).left(index + 1));
            painter.fillRect(QRect(left + from, baseline + underlineOffset, to - from, underlineThickness), text);
        }
    }
}
