// GIF data as untrusted input: every input either loads or raises one of our errors, and a
// loaded picture draws (plainly and dithered) and converts to a bitmap or raises one of our
// errors, never anything else.
#include "pictures/GIFImage.h"

#include "base/Exceptions.h"
#include "paint/Canvas.h"
#include "paint/ColorData.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace {

void Render(TGIFImage& gif, int bitsPerPixel)
{
    ScreenBitsPerPixel = bitsPerPixel;
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(Qt::black);
    TCanvas canvas(&image);
    try {
        gif.Draw(canvas, Rect(2, 1, 22, 15));
        // The bitmap has the logical screen's size; keep the fuzzer to screens it can afford.
        if (std::uint64_t(gif.Width()) * std::uint64_t(gif.Height()) <= 1u << 20) {
            const QImage bitmap = gif.ToImage();
            if (!bitmap.isNull() && (bitmap.width() != gif.Width() || bitmap.height() != gif.Height()))
                __builtin_trap();
        }
    } catch (const EGIFException&) {
    } catch (const EOutOfMemory&) {
    }
}

} // namespace

// Rendering a frame of tens of megapixels is correct but slow; the fuzzer's time is better
// spent elsewhere once such a frame has decoded.
bool HasHugeFrame(const TGIFImage& gif)
{
    for (int i = 0; i < gif.Images().Count(); ++i) {
        if (gif.Images()[i].Pixels().size() > (1u << 20))
            return true;
    }
    return false;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TGIFImage gif;
    try {
        gif.LoadFromBytes(std::span<const std::byte>(reinterpret_cast<const std::byte*>(data), size));
    } catch (const EGIFException&) {
        return 0;
    } catch (const EOutOfMemory&) {
        return 0;
    }
    if (HasHugeFrame(gif))
        return 0;
    Render(gif, 24);
    Render(gif, 8);
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}
