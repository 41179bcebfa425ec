#pragma once

// The default content of the 88 key-table entries, read from content/keys.txt.

#include <string>
#include <vector>

namespace contentgen {

enum class TPictureFormat { Bmp24, Bmp8, Gif, GifInterlaced, GifTransparent, GifInterlacedTransparent, Jpeg,
                            JpegProgressive, Emf, Wmf };

struct TKeyContent {
    int Entry { 0 };
    std::string Caption;
    std::string Spoken;        // what the key-sound module says
    std::string Picture;       // "emoji E", "count N E" or "dots N"
    TPictureFormat PictureFormat { TPictureFormat::Bmp24 };
    std::string Pattern;       // a motif name or "emoji E"
    TPictureFormat PatternFormat { TPictureFormat::Bmp24 };
    int Shape { 0 };
    int ShapeColorIndex { 0 };
};

// Reads and checks the list: exactly the entries 1..88 in order, shapes 0..13, bright table
// colours, known formats, no metafile patterns. Throws std::runtime_error naming the line.
std::vector<TKeyContent> ReadKeyList(const std::string& path);

// The picture type code of a format: 0 bitmap, 1 GIF, 2 JPEG, 3 metafile.
int TypeCode(TPictureFormat format);
// The file extension (without dot) the generated file gets.
const char* Extension(TPictureFormat format);
bool IsGif(TPictureFormat format);
bool IsInterlaced(TPictureFormat format);
bool IsTransparent(TPictureFormat format);

// Splits "count 3 X" into words.
std::vector<std::string> Words(const std::string& text);

} // namespace contentgen
