#pragma once

#include "pictures/Graphic.h"

#include <QImage>

#include <cstddef>
#include <memory>
#include <span>

// An icon picture from an icon file: a directory of images, of which the largest and, among
// equally large ones, the deepest is the one kept and drawn. Each image is a bitmap with a
// one-bit mask (or an alpha channel at 32 bits per pixel), or a PNG. Drawing stretches the
// image into the rectangle through its mask: masked pixels leave the canvas as it was, or
// invert it where the image's colour is not black. An icon does not convert into a bitmap.
class TIcon : public TGraphic {
public:
    const char* ClassName() const override { return "TIcon"; }
    bool Empty() const override { return m_color.isNull(); }
    int Width() const override { return m_color.width(); }
    int Height() const override { return m_color.height(); }
    // Anything that is not an icon file with at least one readable image raises
    // EInvalidGraphic "Icon image is not valid"; the icon and the stream position then stay as
    // they were.
    void LoadFromStream(TStream& stream) override;
    void Draw(TCanvas& canvas, const TRect& rect) override;
    std::unique_ptr<TGraphic> Clone() const override;

    // The kept image: what shows (ARGB32, masked pixels transparent), and the colours that
    // invert the canvas under masked pixels (RGB32, black where nothing inverts; null when no
    // pixel inverts).
    const QImage& Image() const { return m_color; }
    const QImage& InvertImage() const { return m_invert; }
    // Size and depth of the kept directory entry.
    int BitsPerPixel() const { return m_bitsPerPixel; }

private:
    QImage m_color;
    QImage m_invert;
    int m_bitsPerPixel { 0 };
};

// Registers the "ico" file extension with the picture holder.
void RegisterIconFileFormats();
