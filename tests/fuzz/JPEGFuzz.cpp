// JPEG data as untrusted input: the header read and both decoding paths (24-bit and the
// quantised 8-bit one) either succeed or raise the JPEG error.
#include "pictures/JPEGImage.h"

#include "base/Exceptions.h"
#include "base/Stream.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace {

// Larger pictures are legal but decode slowly; the fuzzer looks for faults, not patience.
constexpr long MaxFuzzPixels = 1024 * 1024;

void Decode(TJPEGImage& jpeg, TJPEGPixelFormat format)
{
    jpeg.SetPixelFormat(format);
    try {
        const QImage image = jpeg.ToImage();
        if (image.width() != jpeg.Width() || image.height() != jpeg.Height())
            __builtin_trap();
    } catch (const EJPEG&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TCustomMemoryStream stream(std::span<const std::byte>(reinterpret_cast<const std::byte*>(data), size));
    TJPEGImage jpeg;
    try {
        jpeg.LoadFromStream(stream);
    } catch (const EJPEG&) {
        return 0;
    }
    if (jpeg.Empty() || long(jpeg.Width()) * jpeg.Height() > MaxFuzzPixels)
        return 0;
    Decode(jpeg, TJPEGPixelFormat::jf24Bit);
    Decode(jpeg, TJPEGPixelFormat::jf8Bit);
    return 0;
}
