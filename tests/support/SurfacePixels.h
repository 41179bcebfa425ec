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
