// Metafiles as untrusted data. Each input is loaded and drawn as a whole file; then, so the
// fuzzer reaches the record player without first having to build sound headers, the same
// bytes are played as the records of an enhanced and of a Windows metafile behind headers of
// our own making. Nothing may crash, hang or read outside the data.
#include "base/Exceptions.h"
#include "base/Stream.h"
#include "paint/Canvas.h"
#include "pictures/Metafile.h"
#include "tools/common/MetafileBuilder.h"

#include <QGuiApplication>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace {

void LoadAndDraw(std::span<const std::byte> bytes)
{
    TCustomMemoryStream stream(bytes);
    TMetafile metafile;
    try {
        metafile.LoadFromStream(stream);
    } catch (const EInvalidGraphic&) {
        return;
    }
    QImage image(48, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas(&image);
    canvas.StretchDraw(Bounds(-3, 2, 50, 30), metafile);
}

// An enhanced metafile whose records are the input, the length rounded down to 4 bytes.
std::vector<std::byte> WrapEnhanced(std::span<const std::byte> records)
{
    MetafileBuilder::TEmfBuilder builder(40, 30);
    std::vector<std::byte> bytes = builder.Finish();
    bytes.resize(88); // header only
    bytes.insert(bytes.end(), records.begin(), records.begin() + std::ptrdiff_t(records.size() & ~std::size_t(3)));
    const std::uint32_t length = std::uint32_t(bytes.size());
    for (int i = 0; i < 4; ++i)
        bytes[48 + std::size_t(i)] = std::byte((length >> (8 * i)) & 0xFF);
    return bytes;
}

// A placeable metafile (40 x 30 pixels) whose records are the input.
std::vector<std::byte> WrapPlaceable(std::span<const std::byte> records)
{
    MetafileBuilder::TWmfBuilder builder(40, 30);
    std::vector<std::byte> bytes = builder.Finish();
    bytes.resize(22 + 18); // placeable and metafile headers
    bytes.insert(bytes.end(), records.begin(), records.begin() + std::ptrdiff_t(records.size() & ~std::size_t(1)));
    const std::uint32_t words = std::uint32_t((bytes.size() - 22) / 2);
    for (int i = 0; i < 4; ++i)
        bytes[28 + std::size_t(i)] = std::byte((words >> (8 * i)) & 0xFF);
    return bytes;
}

} // namespace

// Fontconfig keeps its caches until the process ends; that is not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Fonts and text need a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    LoadAndDraw(bytes);
    LoadAndDraw(WrapEnhanced(bytes));
    LoadAndDraw(WrapPlaceable(bytes));
    return 0;
}
