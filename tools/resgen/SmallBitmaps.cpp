#include "SmallBitmaps.h"

#include "Drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRadialGradient>

#include <array>

namespace resgen {

namespace {

// Drawn pixel by pixel: a monochrome cursor must not be anti-aliased.
// 'X' black, 'o' white, anything else transparent.
constexpr std::array<const char*, 32> HandRows {
    "................................",
    ".......XX.......................",
    "......XooX......................",
    "......XooX......................",
    "......XooX......................",
    "......XooX......................",
    "......XooX......................",
    "......XooXXX....................",
    "......XooXooXXX.................",
    "......XooXooXooXX...............",
    "......XooXooXooXoX..............",
    "..XX..XooXooXooXooX.............",
    ".XooX.XoooooooooooX.............",
    ".XoooXXoooooooooooX.............",
    "..XooooooooooooooooX............",
    "...XoooooooooooooooX............",
    "...XoooooooooooooooX............",
    "....XooooooooooooooX............",
    "....XoooooooooooooX.............",
    ".....XooooooooooooX.............",
    ".....XoooooooooooX..............",
    "......XooooooooooX..............",
    "......XooooooooooX..............",
    "......XXXXXXXXXXXX..............",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};

constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Grey = 0xFF808080;
constexpr QRgb Silver = 0xFFC0C0C0;

// Column offsets of the scroller arrow (7 rows high at its base, 4 columns wide), tip first.
void PutArrow(QImage& image, bool left, int dx, int dy, QRgb colour)
{
    for (int column = 0; column < 4; ++column) {
        const int x = left ? 4 + column : 7 - column;
        for (int y = 6 - column; y <= 6 + column; ++y)
            image.setPixel(x + dx, y + dy, colour);
    }
}

} // namespace

QImage HandCursor()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32 && HandRows[y][x] != '\0'; ++x) {
            if (HandRows[y][x] == 'X')
                image.setPixel(x, y, Black);
            else if (HandRows[y][x] == 'o')
                image.setPixel(x, y, White);
        }
    return image;
}

QPoint HandCursorHotSpot() { return QPoint(8, 1); }

QImage QuestionIcon()
{
    QImage image = NewImage(32, 32, QColor(Silver));
    QPainter painter(&image);
    BeginSmooth(painter);
    QRadialGradient badge(QPointF(12, 10), 20);
    badge.setColorAt(0, QColor(120, 150, 255));
    badge.setColorAt(1, QColor(90, 40, 190));
    painter.setPen(QPen(QColor(50, 20, 110), 1));
    painter.setBrush(badge);
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(3, 3, 26, 26));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(22);
    const qreal width = QFontMetricsF(font).horizontalAdvance(QLatin1Char('?'));
    DrawOutlinedText(painter, QPointF(16 - width / 2, 24), font, QStringLiteral("?"), QColor(Qt::white),
                     QColor(40, 10, 90), 1.5);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage ScrollerBitmap(bool left, TScrollerState state)
{
    QImage image(12, 13, QImage::Format_RGB32);
    image.fill(Silver);
    for (int x = 0; x < 12; ++x) {
        image.setPixel(x, 0, Black);
        image.setPixel(x, 12, Black);
    }
    for (int y = 0; y < 13; ++y) {
        image.setPixel(0, y, Black);
        image.setPixel(11, y, Black);
    }
    if (state == TScrollerState::Pressed) {
        for (int x = 1; x < 11; ++x)
            image.setPixel(x, 1, Grey);
        for (int y = 1; y < 12; ++y)
            image.setPixel(1, y, Grey);
        PutArrow(image, left, 1, 1, Black);
        return image;
    }
    for (int x = 1; x < 10; ++x)
        image.setPixel(x, 1, White);
    for (int y = 1; y < 11; ++y)
        image.setPixel(1, y, White);
    for (int x = 1; x < 11; ++x)
        image.setPixel(x, 11, Grey);
    for (int y = 1; y < 12; ++y)
        image.setPixel(10, y, Grey);
    if (state == TScrollerState::Disabled) {
        PutArrow(image, left, 1, 1, White);
        PutArrow(image, left, 0, 0, Grey);
        return image;
    }
    PutArrow(image, left, 0, 0, Black);
    return image;
}

} // namespace resgen
