#pragma once

#include <QImage>
#include <QRect>

// The bounding box of every pixel that is not black: what the drawings left on a surface.
inline QRect LitBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// The box of the pixels darker than mid-grey inside `area`: where ink went on a white page.
inline QRect InkBox(const QImage& image, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}
