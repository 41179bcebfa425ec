#include "paint/Font.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// a * b / c rounded half away from zero, -1 when c is 0 (the platform's MulDiv).
int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t divisor = std::abs(std::int64_t(c));
    std::int64_t quotient = (std::abs(product) + divisor / 2) / divisor;
    if ((product < 0) != (c < 0))
        quotient = -quotient;
    return int(std::clamp<std::int64_t>(quotient, INT32_MIN, INT32_MAX));
}

} // namespace

int TFont::Size() const { return -MulDiv(m_height, 72, 96); }

void TFont::SetSize(int points) { m_height = -MulDiv(points, 96, 72); }

QFont TFont::ToQFont() const
{
    QFont font(QString::fromStdString(Name));
    // Glyphs beyond a few thousand pixels only cost memory.
    constexpr int kLargest = 4000;
    int pixels = 12;
    if (m_height < 0) {
        pixels = std::min(kLargest, -std::max(m_height, -kLargest));
    } else if (m_height > 0) {
        // A cell height: scale by the typeface's ratio of character height to cell height.
        QFont probe(font);
        probe.setPixelSize(100);
        const QFontMetrics metrics(probe);
        const int cell = std::max(1, metrics.ascent() + metrics.descent());
        pixels = int(std::lround(std::min(m_height, kLargest) * 100.0 / cell));
    }
    font.setPixelSize(std::max(1, pixels));
    font.setBold(Style & fsBold);
    font.setItalic(Style & fsItalic);
    font.setUnderline(Style & fsUnderline);
    font.setStrikeOut(Style & fsStrikeOut);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    return font;
}
