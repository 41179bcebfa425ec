#pragma once

#include "pictures/Graphic.h"

#include <QImage>

#include <cstddef>
#include <memory>
#include <vector>

// The pixel format JPEG pictures decode to: 8 bits (a palette of at most 236 colours) or 24.
enum class TJPEGPixelFormat { jf24Bit, jf8Bit };

// A JPEG picture. It keeps the compressed data; loading reads only the header (size,
// grayscale, progressive), and the bitmap is decoded on first need (drawing or ToImage) and
// kept. Fatal errors of the JPEG library raise EJPEG "JPEG error #%d" with the library's
// message code; its warnings are dropped.
class TJPEGImage : public TGraphic {
public:
    // The output pixel format follows the screen: 8 bits on screens of 8 bits per pixel or
    // fewer, else 24.
    TJPEGImage();

    const char* ClassName() const override { return "TJPEGImage"; }
    bool Empty() const override { return m_data.empty(); }
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    // Keeps the rest of the stream and reads its header. Empty data is an empty picture.
    // A failed header read leaves the picture and the stream position as they were.
    void LoadFromStream(TStream& stream) override;
    // Draws the decoded bitmap scaled into `rect`; an empty picture draws nothing. A rectangle
    // at most half, a quarter or an eighth of the picture each way is drawn from the picture
    // decoded at that scale.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    // The decoded bitmap: Format_Indexed8 with the quantised palette, or Format_RGB888.
    // An empty picture gives a null image.
    QImage ToImage() override;
    std::unique_ptr<TGraphic> Clone() const override;

    bool Grayscale() const { return m_grayscale; }
    bool ProgressiveEncoding() const { return m_progressive; }
    TJPEGPixelFormat PixelFormat() const { return m_pixelFormat; }
    // A change drops the decoded bitmap, so the next need decodes in the new format.
    void SetPixelFormat(TJPEGPixelFormat format);
    // Whether the bitmap has been decoded and is kept, and at which scale (1, 2, 4 or 8 for
    // 1/1 to 1/8 of the picture's size).
    bool Decoded() const { return !m_bitmap.isNull(); }
    int DecodedScale() const { return m_bitmapScale; }

private:
    void DecodeIfNeeded(int scaleDenominator);

    std::vector<std::byte> m_data;
    int m_width { 0 };
    int m_height { 0 };
    bool m_grayscale { false };
    bool m_progressive { false };
    TJPEGPixelFormat m_pixelFormat { TJPEGPixelFormat::jf24Bit };
    QImage m_bitmap;
    int m_bitmapScale { 1 };
};

// The coarsest of libjpeg's reduced scales (8, 4, 2, else 1 for the whole picture) at which a
// width x height picture still covers a target of the given size.
int JPEGScaleFor(int width, int height, int targetWidth, int targetHeight);

// The largest bitmap a JPEG picture decodes to, in pixels (768 MB at 24 bits): beyond any
// camera's photo at full size. Larger ones raise "JPEG error #%d" with the library's "image
// too big" code instead of allocating; drawn smaller, they decode at a reduced scale first.
constexpr std::size_t MaxJPEGPixels = std::size_t(256) * 1024 * 1024;

// Registers the "jpeg" and "jpg" extensions with the picture holder.
void RegisterJPEGFileFormats();
