#include "pictures/GIFDither.h"

#include <algorithm>
#include <vector>

namespace {

// An error in sixteenths, rounded to whole units (halves away from zero).
inline int RoundSixteenths(int error) { return error >= 0 ? (error + 8) >> 4 : -((-error + 8) >> 4); }

} // namespace

void DitherToColorCube(const std::uint8_t* pixels, const std::array<QRgb, 256>& lookup, QImage& image)
{
    const int width = image.width();
    const int height = image.height();
    // One pad column on each side takes the errors that fall off the edges.
    std::vector<int> current(std::size_t(width + 2) * 3, 0);
    std::vector<int> next(std::size_t(width + 2) * 3, 0);
    for (int y = 0; y < height; ++y) {
        std::fill(next.begin(), next.end(), 0);
        const bool leftToRight = (y % 2) == 0;
        const int dir = leftToRight ? 1 : -1;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const std::uint8_t* row = pixels + std::size_t(y) * std::size_t(width);
        for (int i = 0; i < width; ++i) {
            const int x = leftToRight ? i : width - 1 - i;
            const QRgb color = lookup[row[x]];
            const int components[3] = { qRed(color), qGreen(color), qBlue(color) };
            int out[3];
            // Errors of this pixel and its neighbours, one column (3 components) apart.
            int* const here = current.data() + (x + 1) * 3;
            int* const below = next.data() + (x + 1) * 3;
            const int step = dir * 3;
            for (int c = 0; c < 3; ++c) {
                const int v = std::clamp(components[c] + RoundSixteenths(here[c]), 0, 255);
                out[c] = (v + 3) / 51 * 51;
                const int error = v - out[c];
                here[step + c] += 7 * error;
                below[-step + c] += 3 * error;
                below[c] += 5 * error;
                below[step + c] += error;
            }
            line[x] = qRgb(out[0], out[1], out[2]);
        }
        std::swap(current, next);
    }
}

