#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// Turns a picture file (JPEG, PNG, WebP, GIF, BMP, TIFF and the rest Qt's image readers open,
// and HEIC, HEIF and AVIF photos) into a picture Kedoozle draws well: turned upright as its
// EXIF orientation or the photo's own turn says, scaled down (never up) to the largest size
// it is shown at, then written as a baseline JPEG (photos), or as an 8-bit GIF or bitmap file
// (few colours, and always GIF when some pixels are transparent, which stay transparent).
// An animated GIF or WebP becomes an animated GIF, every frame scaled, with its timing and
// loop count; of an animated PNG the first frame is kept, and the note says so.

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
    int Frames { 1 };
    std::string Note; // what the user should know of an accepted file
};

enum class TPictureUse { Picture, Pattern };

// Raises std::runtime_error with the reason, in plain words that say what to do, when the
// file cannot be used: not a picture, damaged or cut short, too large.
TPackedPicture PackPicture(const std::filesystem::path& file, TPictureUse use, bool seamless);
