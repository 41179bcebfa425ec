#include "KeyList.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace contentgen {

namespace {

constexpr std::array<std::pair<const char*, TPictureFormat>, 10> FormatNames { {
    { "bmp24", TPictureFormat::Bmp24 },
    { "bmp8", TPictureFormat::Bmp8 },
    { "gif", TPictureFormat::Gif },
    { "gif-interlaced", TPictureFormat::GifInterlaced },
    { "gif-transparent", TPictureFormat::GifTransparent },
    { "gif-interlaced-transparent", TPictureFormat::GifInterlacedTransparent },
    { "jpeg", TPictureFormat::Jpeg },
    { "jpeg-progressive", TPictureFormat::JpegProgressive },
    { "emf", TPictureFormat::Emf },
    { "wmf", TPictureFormat::Wmf },
} };

// The darkest table colours: a shape in one of them would vanish on the black surface.
constexpr std::array<int, 14> DarkIndexes { 0, 1, 2, 6, 7, 8, 36, 37, 38, 42, 43, 44, 224, 225 };

TPictureFormat ParseFormat(const std::string& text)
{
    for (const auto& [name, format] : FormatNames)
        if (text == name)
            return format;
    throw std::runtime_error("unknown picture format \"" + text + "\"");
}

std::vector<std::string> Split(const std::string& line, char separator)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, separator))
        fields.push_back(field);
    if (!line.empty() && line.back() == separator)
        fields.emplace_back();
    return fields;
}

int ParseInt(const std::string& text)
{
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used != text.size())
        throw std::runtime_error("\"" + text + "\" is not a number");
    return value;
}

void CheckPicture(const std::string& picture)
{
    const std::vector<std::string> words = Words(picture);
    if (words.size() == 2 && words[0] == "emoji")
        return;
    if (words.size() == 2 && words[0] == "dots" && ParseInt(words[1]) >= 0 && ParseInt(words[1]) <= 9)
        return;
    if (words.size() == 3 && words[0] == "count" && ParseInt(words[1]) >= 1 && ParseInt(words[1]) <= 9)
        return;
    throw std::runtime_error("unknown picture \"" + picture + "\"");
}

TKeyContent ParseLine(const std::string& line)
{
    const std::vector<std::string> f = Split(line, '|');
    if (f.size() != 9)
        throw std::runtime_error("expected 9 fields separated by '|'");
    TKeyContent key;
    key.Entry = ParseInt(f[0]);
    key.Caption = f[1];
    key.Spoken = f[2];
    key.Picture = f[3];
    key.PictureFormat = ParseFormat(f[4]);
    key.Pattern = f[5];
    key.PatternFormat = ParseFormat(f[6]);
    key.Shape = ParseInt(f[7]);
    key.ShapeColorIndex = ParseInt(f[8]);
    if (key.Caption.empty() || key.Spoken.empty())
        throw std::runtime_error("caption and spoken name must not be empty");
    CheckPicture(key.Picture);
    if (TypeCode(key.PatternFormat) == 3)
        throw std::runtime_error("a pattern cannot be a metafile: patterns are tiled as bitmaps");
    if (key.Shape < 0 || key.Shape > 13)
        throw std::runtime_error("shape must be 0..13");
    if (key.ShapeColorIndex < 0 || key.ShapeColorIndex > 227
        || std::ranges::find(DarkIndexes, key.ShapeColorIndex) != DarkIndexes.end())
        throw std::runtime_error("shape colour index must be a bright table entry");
    return key;
}

} // namespace

std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::vector<TKeyContent> ReadKeyList(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<TKeyContent> keys;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        try {
            keys.push_back(ParseLine(line));
            if (keys.back().Entry != int(keys.size()))
                throw std::runtime_error("entries must run 1..88 in order");
        } catch (const std::exception& e) {
            throw std::runtime_error(path + ":" + std::to_string(number) + ": " + e.what());
        }
    }
    if (keys.size() != 88)
        throw std::runtime_error(path + ": " + std::to_string(keys.size()) + " entries, expected 88");
    return keys;
}

int TypeCode(TPictureFormat format)
{
    switch (format) {
    case TPictureFormat::Bmp24:
    case TPictureFormat::Bmp8:
        return 0;
    case TPictureFormat::Jpeg:
    case TPictureFormat::JpegProgressive:
        return 2;
    case TPictureFormat::Emf:
    case TPictureFormat::Wmf:
        return 3;
    default:
        return 1;
    }
}

const char* Extension(TPictureFormat format)
{
    static constexpr std::array<const char*, 4> extensions { "bmp", "gif", "jpg", "emf" };
    if (format == TPictureFormat::Wmf)
        return "wmf";
    return extensions[TypeCode(format)];
}

bool IsGif(TPictureFormat format) { return TypeCode(format) == 1; }

bool IsInterlaced(TPictureFormat format)
{
    return format == TPictureFormat::GifInterlaced || format == TPictureFormat::GifInterlacedTransparent;
}

bool IsTransparent(TPictureFormat format)
{
    return format == TPictureFormat::GifTransparent || format == TPictureFormat::GifInterlacedTransparent;
}

} // namespace contentgen
