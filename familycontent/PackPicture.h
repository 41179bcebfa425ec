#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// Turns a picture file of any kind Qt's image readers open into a picture Kedoozle draws
// well: EXIF orientation applied, scaled down (never up) to the largest size it is shown at,
// then written as a baseline JPEG (photos), or as an 8-bit GIF or bitmap file (few colours,
// and always GIF when some pixels are transparent, which stay transparent).

// A PictureType picture is shown at most at 30 % of the surface: on a 3840 x 2160 screen a
// wide picture is at most 1152 pixels wide, a tall or square one at most 648 pixels high.
constexpr int PackPictureMaxWidth = 1152;
constexpr int PackPictureMaxHeight = 648;
// A pattern is a wallpaper tile of at most this many pixels on each side.
constexpr int PackPatternMaxSide = 64;
// Larger sources are refused rather than decoded.
constexpr long long PackMaxSourcePixels = 200LL * 1000 * 1000;

struct TPackedPicture {
    std::vector<std::byte> Data;
    int TypeCode { 0 }; // 0 bitmap, 1 GIF, 2 JPEG
    int Width { 0 };
    int Height { 0 };
};

enum class TPictureUse { Picture, Pattern };

// Raises std::runtime_error with the reason when the file cannot be used ("not a picture",
// "too large (W x H)", the reader's message for damaged data).
TPackedPicture PackPicture(const std::filesystem::path& file, TPictureUse use, bool seamless);
