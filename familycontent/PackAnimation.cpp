#include "familycontent/PackAnimation.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

int Write(GifFileType* gif, const GifByteType* data, int length)
{
    auto* out = static_cast<std::vector<std::byte>*>(gif->UserData);
    const auto* bytes = reinterpret_cast<const std::byte*>(data);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

void Check(int result, GifFileType* gif, const char* what)
{
    if (result != GIF_OK)
        throw std::runtime_error(std::string("GIF writer failed at ") + what + ": " + GifErrorString(gif->Error));
}

// The colour table size is a power of two: padded with black.
std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> ColourMap(const contentgen::TIndexedImage& image)
{
    int bits = 1;
    while ((1 << bits) < int(image.Palette.size()))
        ++bits;
    std::vector<GifColorType> colours(std::size_t(1) << bits, GifColorType { 0, 0, 0 });
    for (std::size_t i = 0; i < image.Palette.size(); ++i)
        colours[i] = { GifByteType(qRed(image.Palette[i])), GifByteType(qGreen(image.Palette[i])),
                       GifByteType(qBlue(image.Palette[i])) };
    return { GifMakeMapObject(1 << bits, colours.data()), GifFreeMapObject };
}

} // namespace

std::vector<std::byte> EncodeAnimatedGif(const std::vector<TAnimationFrame>& frames, int loops)
{
    if (frames.empty())
        throw std::runtime_error("an animation needs a frame");
    std::vector<std::byte> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, Write, &error);
    if (!gif)
        throw std::runtime_error(std::string("GIF writer failed to start: ") + GifErrorString(error));
    std::unique_ptr<GifFileType, void (*)(GifFileType*)> closer(gif, [](GifFileType* g) {
        int ignored = 0;
        EGifCloseFile(g, &ignored);
    });
    const int width = frames.front().Image.Width;
    const int height = frames.front().Image.Height;
    EGifSetGifVersion(gif, true);
    // the first frame's table doubles as the global one, for readers that want one
    const auto global = ColourMap(frames.front().Image);
    Check(EGifPutScreenDesc(gif, width, height, global->BitsPerPixel, 0, global.get()), gif, "screen");
    if (loops != 0) {
        const int count = loops < 0 ? 0 : std::min(loops, 65535);
        const GifByteType loop[3] = { 1, GifByteType(count & 0xFF), GifByteType(count >> 8) };
        Check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), gif, "looping");
        Check(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"), gif, "looping");
        Check(EGifPutExtensionBlock(gif, 3, loop), gif, "looping");
        Check(EGifPutExtensionTrailer(gif), gif, "looping");
    }
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const contentgen::TIndexedImage& image = frames[i].Image;
        if (image.Width != width || image.Height != height)
            throw std::runtime_error("animation frames differ in size");
        const bool clear = image.TransparentIndex >= 0;
        GraphicsControlBlock control { clear ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT, false,
                                       std::clamp(frames[i].DelayCentiseconds, 0, 65535),
                                       clear ? image.TransparentIndex : NO_TRANSPARENT_COLOR };
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension), gif, "graphic control");
        std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> local(nullptr, GifFreeMapObject);
        if (i > 0)
            local = ColourMap(image);
        Check(EGifPutImageDesc(gif, 0, 0, width, height, false, local.get()), gif, "image");
        std::vector<GifPixelType> row(static_cast<std::size_t>(width));
        for (int y = 0; y < height; ++y) {
            std::memcpy(row.data(), image.Pixels.data() + std::size_t(y) * std::size_t(width), row.size());
            Check(EGifPutLine(gif, row.data(), width), gif, "pixels");
        }
    }
    // closing writes the trailer
    if (EGifCloseFile(closer.release(), &error) != GIF_OK)
        throw std::runtime_error(std::string("GIF writer failed to finish: ") + GifErrorString(error));
    return out;
}
