#pragma once

#include "paint/KDTypes.h"

#include <QColor>
#include <QFontMetrics>
#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// Text further off the image than this is not drawn (and cannot overflow the painter's
// integer coordinates).
constexpr std::int64_t kTextReach = 1 << 24;

// Line layout for the canvas's DrawText: accelerator marks, line breaks, tab stops and word
// breaks, measured with one font.

struct TTextLine {
    QString Text;
    std::vector<int> Accelerators; // indexes in Text of the characters to underline
    int Width { 0 };
};

class QPainter;

class TTextLayout {
public:
    // `flags` are the DrawText flags (word break, single line, tab expansion, no prefix).
    TTextLayout(const QFontMetrics& metrics, unsigned flags);

    // The lines of `text` within `maxWidth` pixels (the width only matters for word breaks).
    std::vector<TTextLine> Lines(const QString& text, int maxWidth) const;

    // The advance of a line that starts at a tab stop, tabs taken to the next stop.
    int Advance(QStringView line) const;
    // The pieces between tabs with their x offsets from the line's start.
    std::vector<std::pair<int, QStringView>> Pieces(QStringView line) const;

    // Draws the lines one below the other from `top`, each placed between rect's left and
    // right by the alignment flags, accelerators underlined; a background colour fills each
    // line's box first. Lines outside `visible` are skipped. The painter's font must be the
    // one measured.
    void Paint(QPainter& painter, const std::vector<TTextLine>& lines, const TRect& rect, std::int64_t top,
               const QRect& visible, const QColor& text, const std::optional<QColor>& background) const;

private:
    struct TMarkedText {
        QString Text;
        std::vector<bool> Accelerator;
    };
    TMarkedText Mark(const QString& text) const;
    void BreakParagraph(const TMarkedText& paragraph, int maxWidth, std::vector<TTextLine>& lines) const;
    TTextLine MakeLine(const TMarkedText& paragraph, int from, int to) const;

    const QFontMetrics& m_metrics;
    unsigned m_flags;
    int m_tabWidth;
};
