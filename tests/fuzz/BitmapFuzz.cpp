// Bitmap files as untrusted data: every input either decodes or raises the bitmap error.
#include "pictures/Bitmap.h"

#include "base/Exceptions.h"
#include "base/Stream.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TCustomMemoryStream stream(std::span<const std::byte>(reinterpret_cast<const std::byte*>(data), size));
    TBitmap bitmap;
    try {
        bitmap.LoadFromStream(stream);
    } catch (const EInvalidGraphic&) {
        return 0;
    } catch (const EOutOfMemory&) {
        return 0;
    }
    // A decoded bitmap is whole: every pixel can be read.
    const QImage image = bitmap.ToImage();
    volatile QRgb sink = image.pixel(image.width() - 1, image.height() - 1);
    (void)sink;
    return 0;
}
