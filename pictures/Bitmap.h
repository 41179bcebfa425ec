#pragma once

#include "pictures/Graphic.h"

#include <QImage>

#include <cstddef>
#include <memory>
#include <span>

// The framework's bitmap: a picture held as a 32-bit image (Format_RGB32, or Format_ARGB32
// when a bitmap file carries a real alpha channel). It reads bitmap files: the "BM" file
// header followed by a device-independent bitmap.
class TBitmap : public TGraphic {
public:
    TBitmap() = default;
    explicit TBitmap(const QImage& image) { SetImage(image); }

    const char* ClassName() const override { return "TBitmap"; }
    bool Empty() const override { return m_image.isNull(); }
    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    // Reads a bitmap file from the stream's position to its end. Data that is not a valid
    // bitmap raises EInvalidGraphic "Bitmap image is not valid"; the picture and the stream
    // position are then left as they were.
    void LoadFromStream(TStream& stream) override;
    // Draws the bitmap scaled into `rect`; an empty bitmap draws nothing.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    QImage ToImage() override { return m_image; }
    std::unique_ptr<TGraphic> Clone() const override;

    // Becomes a copy of `graphic` as a plain bitmap (EConvertError for kinds that do not
    // convert).
    void Assign(TGraphic& graphic) { SetImage(graphic.ToImage()); }
    const QImage& Image() const { return m_image; }
    // Keeps `image`, converted to RGB32, or to ARGB32 when it has an alpha channel.
    void SetImage(const QImage& image);

private:
    QImage m_image;
};

// The largest bitmap read from a file, in pixels: larger claims are treated as damage rather
// than allocated.
constexpr std::size_t MaxBitmapPixels = std::size_t(64) * 1024 * 1024;

// Decodes a whole bitmap file; raises EInvalidGraphic "Bitmap image is not valid" when the
// data is not a bitmap this reader understands, EOutOfMemory when the pixels cannot be had.
QImage ReadBitmapFile(std::span<const std::byte> data);

// Registers the "bmp" and "dib" extensions with the picture holder.
void RegisterBitmapFileFormats();
