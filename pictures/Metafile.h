#pragma once

#include "pictures/Graphic.h"

#include <cstddef>
#include <memory>
#include <vector>

// A metafile picture: an enhanced metafile, or a placeable Windows metafile (22-byte header
// with the key 0x9AC6CDD7 and its checksum). It keeps the file's bytes and plays the records
// each time it is drawn. A metafile does not convert into a bitmap: ToImage raises
// "Cannot assign a TMetafile to a TBitmap".
class TMetafile : public TGraphic {
public:
    const char* ClassName() const override { return "TMetafile"; }
    bool Empty() const override { return m_data.empty(); }
    // The picture's size in pixels: an enhanced metafile's frame on its reference device, a
    // placeable metafile's bounding box at 96 pixels per inch.
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    // Anything but a sound enhanced or placeable metafile raises EInvalidGraphic "Metafile is
    // not valid"; the picture and the stream position then stay as they were.
    void LoadFromStream(TStream& stream) override;
    // Plays the records scaled into `rect`; nothing is drawn outside it.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    std::unique_ptr<TGraphic> Clone() const override;

    bool Enhanced() const { return m_enhanced; }

    // Where the picture's frame lies in the coordinates its records are played in.
    struct TFrame {
        double Left { 0 }, Top { 0 }, Width { 1 }, Height { 1 };
        double PixelsPerMmX { 96 / 25.4 }, PixelsPerMmY { 96 / 25.4 };
        // Placeable metafiles: the bounding box in logical units (the starting window).
        double BoxLeft { 0 }, BoxTop { 0 }, BoxWidth { 1 }, BoxHeight { 1 };
    };

private:
    std::vector<std::byte> m_data; // the whole file, up to its stated size
    bool m_enhanced { false };
    int m_width { 0 };
    int m_height { 0 };
    TFrame m_frame;
};

// Registers the "emf" and "wmf" file extensions with the picture holder.
void RegisterMetafileFileFormats();
