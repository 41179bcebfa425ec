#pragma once

#include "paint/KDTypes.h"

#include <string>

class QFont;

enum TFontStyle : unsigned {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
using TFontStyles = unsigned;

// A font: a typeface name, a size either as a pixel height (negative: the character height,
// as -12 means 12-pixel characters; positive: the cell height, ascent plus descent) or in
// points (at 96 pixels per inch), styles, colour. Text is drawn without anti-aliasing.
class TFont {
public:
    std::string Name { "Arial" };
    TFontStyles Style { 0 };
    TColor Color { clWindowText };

    int Height() const { return m_height; }
    void SetHeight(int height) { m_height = height; }
    // Points at 96 dpi: Size = -Height * 72 / 96.
    int Size() const;
    void SetSize(int points);

    QFont ToQFont() const;

private:
    int m_height { -12 };
};
