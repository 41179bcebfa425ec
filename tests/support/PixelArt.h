#pragma once

#include <QImage>

#include <string>
#include <vector>

// Pictures of small canvases as rows of letters, one per pixel, so that frame and text tests
// can state the expected pixels as they would be drawn: K black, W white, G grey (128),
// L silver (192), '.' the untouched background (red) and '?' any other colour.
constexpr QRgb ArtBackground = 0xFFFF0000;

inline QImage ArtCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ArtBackground);
    return image;
}

inline char ArtLetter(QRgb pixel)
{
    switch (pixel | 0xFF000000) {
    case 0xFF000000:
        return 'K';
    case 0xFFFFFFFF:
        return 'W';
    case 0xFF808080:
        return 'G';
    case 0xFFC0C0C0:
        return 'L';
    case ArtBackground:
        return '.';
    default:
        return '?';
    }
}

inline std::vector<std::string> Art(const QImage& image)
{
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x)
            row += ArtLetter(image.pixel(x, y));
        rows.push_back(row);
    }
    return rows;
}
