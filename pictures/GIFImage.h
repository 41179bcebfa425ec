#pragma once

#include "base/ByteReader.h"
#include "pictures/Graphic.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

// GIF pictures: the header and logical screen, the global colour table, the frames with their
// extensions and decoded pixels. Reading follows the data block by block; a few defects are
// tolerated and only reported to OnWarning.

// Receives the texts of tolerated defects.
using TGIFWarningEvent = std::function<void(const std::string&)>;

constexpr std::uint8_t bsExtensionIntroducer = 0x21; // '!'
constexpr std::uint8_t bsImageDescriptor = 0x2C;     // ','
constexpr std::uint8_t bsTrailer = 0x3B;             // ';'

// The bytes a GIF is read from, with the picture's warning sink and what the frames need to
// know of the picture while they read themselves.
class TGIFReader {
public:
    explicit TGIFReader(std::span<const std::byte> data, TGIFWarningEvent onWarning = {});

    TByteReader Bytes;

    void Warn(int id) const;
    // The next byte, or false at the end of the data.
    bool ReadByte(std::uint8_t& value);
    // The next byte without moving; -1 at the end of the data.
    int PeekByte() const;
    // Un-reads the byte just read.
    void StepBack()
    {
        if (Bytes.Position() > 0)
            Bytes.Seek(Bytes.Position() - 1);
    }
    // Exactly `count` bytes; raises "Premature end of data" when fewer are left.
    std::span<const std::byte> ReadExact(std::size_t count);
    // The data sub-blocks from here to the 0 length byte, each handed to `block` (never
    // empty). A block longer than what is left is reported as "Premature end of data" and cut
    // short.
    void ReadSubBlocks(const std::function<void(std::span<const std::uint8_t>)>& block);

    // The logical screen's size, for frames whose descriptor gives a width or height of 0.
    int ScreenWidth { 0 };
    int ScreenHeight { 0 };
    // Pixels the frames of this picture may still allocate.
    std::uint64_t PixelBudget { 0 };
    // The compressed pixel data of the frame being decoded, kept from frame to frame.
    std::vector<std::uint8_t> Compressed;
    // Whether a frame with pixels has been read; the pixels of frames after it are decoded
    // into Scratch to check them and not kept.
    bool HavePixels { false };
    std::vector<std::uint8_t> Scratch;

private:
    TGIFWarningEvent m_onWarning;
};

struct TGIFColor {
    std::uint8_t Red { 0 };
    std::uint8_t Green { 0 };
    std::uint8_t Blue { 0 };
    friend bool operator==(const TGIFColor&, const TGIFColor&) = default;
};

// A colour table of 2 to 256 entries.
class TGIFColorMap {
public:
    int Count() const { return int(m_colors.size()); }
    bool Empty() const { return m_colors.empty(); }
    const TGIFColor& operator[](int index) const { return m_colors[std::size_t(index)]; }
    void Clear() { m_colors.clear(); }
    void Add(TGIFColor color) { m_colors.push_back(color); }

    // Reads 2 << sizeField entries of red, green, blue.
    void LoadFromReader(TGIFReader& reader, int sizeField);
    // The colour at `index` as a colour value. Raises "Color table is empty" on an empty
    // table; an index beyond the table is reported as "Invalid color index" and gives black.
    TColor Color(int index, const TGIFWarningEvent& onWarning = {}) const;

private:
    std::vector<TGIFColor> m_colors;
};

// The header and logical screen descriptor, as stored.
struct TGIFHeader {
    std::array<char, 3> Signature { 'G', 'I', 'F' };
    std::array<char, 3> Version { '8', '9', 'a' };
    std::uint16_t Width { 0 };
    std::uint16_t Height { 0 };
    std::uint8_t Packed { 0 };
    std::uint8_t BackgroundColorIndex { 0 };
    std::uint8_t AspectRatio { 0 };

    bool HasGlobalColorMap() const { return (Packed & 0x80) != 0; }
    int ColorResolution() const { return ((Packed >> 4) & 7) + 1; }
    bool Sorted() const { return (Packed & 0x08) != 0; }
    int ColorMapSizeField() const { return Packed & 7; }
};

// One data sub-block of an extension, as read.
struct TGIFBlock {
    std::vector<std::uint8_t> Data;
};

class TGIFExtension {
public:
    virtual ~TGIFExtension() = default;
    virtual std::uint8_t Label() const = 0;
    virtual std::unique_ptr<TGIFExtension> Clone() const = 0;

    // Reads the extension from its introducer on. Raises "Invalid extension introducer" when
    // the first byte is not 0x21 and "Internal error: Extension Instance does not match
    // Extension Label" when the label belongs to another kind.
    void LoadFromReader(TGIFReader& reader);

protected:
    virtual void LoadBody(TGIFReader& reader) = 0;
};
using TGIFExtensionList = std::vector<std::unique_ptr<TGIFExtension>>;

class TGIFGraphicControlExtension final : public TGIFExtension {
public:
    static constexpr std::uint8_t ExtensionLabel = 0xF9;
    std::uint8_t Label() const override { return ExtensionLabel; }
    std::unique_ptr<TGIFExtension> Clone() const override;

    // False when the extension was cut short; it then has no effect.
    bool Valid { false };
    std::uint8_t Packed { 0 };
    std::uint16_t Delay { 0 }; // hundredths of a second
    std::uint8_t TransparentColorIndex { 0 };

    int Disposal() const { return (Packed >> 2) & 7; }
    bool UserInput() const { return (Packed & 0x02) != 0; }
    bool Transparent() const { return Valid && (Packed & 0x01) != 0; }

protected:
    void LoadBody(TGIFReader& reader) override;
};

class TGIFCommentExtension final : public TGIFExtension {
public:
    static constexpr std::uint8_t ExtensionLabel = 0xFE;
    std::uint8_t Label() const override { return ExtensionLabel; }
    std::unique_ptr<TGIFExtension> Clone() const override;

    std::string Text;

protected:
    void LoadBody(TGIFReader& reader) override;
};

class TGIFTextExtension final : public TGIFExtension {
public:
    static constexpr std::uint8_t ExtensionLabel = 0x01;
    std::uint8_t Label() const override { return ExtensionLabel; }
    std::unique_ptr<TGIFExtension> Clone() const override;

    // The plain-text header (normally 12 bytes: grid position and size, cell size, colours).
    std::vector<std::uint8_t> TextHeader;
    std::string Text;

    int GridLeft() const { return HeaderWord(0); }
    int GridTop() const { return HeaderWord(2); }
    int GridWidth() const { return HeaderWord(4); }
    int GridHeight() const { return HeaderWord(6); }
    int CellWidth() const { return HeaderByte(8); }
    int CellHeight() const { return HeaderByte(9); }
    int ForegroundColorIndex() const { return HeaderByte(10); }
    int BackgroundColorIndex() const { return HeaderByte(11); }

protected:
    void LoadBody(TGIFReader& reader) override;

private:
    int HeaderByte(std::size_t i) const { return i < TextHeader.size() ? TextHeader[i] : 0; }
    int HeaderWord(std::size_t i) const { return HeaderByte(i) | (HeaderByte(i + 1) << 8); }
};

class TGIFApplicationExtension : public TGIFExtension {
public:
    static constexpr std::uint8_t ExtensionLabel = 0xFF;
    std::uint8_t Label() const override { return ExtensionLabel; }

    std::string Identifier;     // 8 characters
    std::string Authentication; // 3 characters

protected:
    void LoadBody(TGIFReader& reader) override;
    virtual void LoadData(TGIFReader& reader) = 0;
};

// "NETSCAPE2.0" and "ANIMEXTS1.0": how often an animation loops, and a buffer size hint.
class TGIFAppExtNSLoop final : public TGIFApplicationExtension {
public:
    std::unique_ptr<TGIFExtension> Clone() const override;

    std::uint16_t Loops { 0 };
    std::uint32_t BufferSize { 0 };

protected:
    void LoadData(TGIFReader& reader) override;
};

// Any other application: its data sub-blocks are kept one by one.
class TGIFUnknownAppExtension final : public TGIFApplicationExtension {
public:
    std::unique_ptr<TGIFExtension> Clone() const override;

    std::vector<TGIFBlock> Blocks;

protected:
    void LoadData(TGIFReader& reader) override;
};

// One frame: its extensions, image descriptor, optional local colour table and pixels (one
// colour index per pixel, row after row from the top, already de-interlaced).
class TGIFSubImage {
public:
    TGIFSubImage() = default;
    TGIFSubImage(const TGIFSubImage&) = delete;
    TGIFSubImage& operator=(const TGIFSubImage&) = delete;

    int Left { 0 };
    int Top { 0 };
    int Width { 0 };
    int Height { 0 };
    std::uint8_t Packed { 0 };
    TGIFColorMap ColorMap; // local colour table, empty when there is none
    TGIFExtensionList Extensions;

    bool Interlaced() const { return (Packed & 0x40) != 0; }
    // Whether the frame has no pixel data.
    bool Empty() const { return m_pixels.empty() && !m_pixelsDropped; }
    // The colour indexes. A frame after the first one with pixels keeps only its compressed
    // data and decodes it again here, when asked.
    const std::vector<std::uint8_t>& Pixels() const;
    // Whether the frame's pixels are decoded and held.
    bool PixelsHeld() const { return !m_pixels.empty(); }

    // The last graphic control extension that was read whole, or null.
    const TGIFGraphicControlExtension* GraphicControlExtension() const;
    bool Transparent() const;
    int TransparentColorIndex() const;

    // Reads the frame's extensions, descriptor, local colour table and pixels.
    void LoadFromReader(TGIFReader& reader);
    std::unique_ptr<TGIFSubImage> Clone() const;

    // The frame as an opaque bitmap of its own size (transparent pixels in the colour their
    // index has), dithered onto the colour cube when `dither` is set. Made on first use.
    // Raises "Image is empty" for a frame without pixels and "No global or local color
    // table defined" when neither table exists.
    const QImage& Bitmap(const TGIFColorMap& globalColorMap, bool dither, const TGIFWarningEvent& onWarning) const;
    // The same with the transparent pixels fully transparent.
    const QImage& TransparentBitmap(const TGIFColorMap& globalColorMap, bool dither,
                                    const TGIFWarningEvent& onWarning) const;

private:
    void DecodePixels(TGIFReader& reader);

    mutable std::vector<std::uint8_t> m_pixels;
    std::vector<std::uint8_t> m_compressed; // padded for the decoder, frames after the first only
    int m_codeSize { -1 };
    std::uint8_t m_fill { 0 };
    bool m_pixelsDropped { false };
    mutable QImage m_bitmap;
    mutable QImage m_transparentBitmap;
    mutable int m_bitmapDither { -1 };
};

class TGIFImageList {
public:
    int Count() const { return int(m_items.size()); }
    TGIFSubImage& operator[](int index) const { return *m_items[std::size_t(index)]; }
    void Add(std::unique_ptr<TGIFSubImage> image) { m_items.push_back(std::move(image)); }
    void Clear() { m_items.clear(); }

private:
    std::vector<std::unique_ptr<TGIFSubImage>> m_items;
};

class TGIFImage : public TGraphic {
public:
    const char* ClassName() const override { return "TGIFImage"; }
    // No frames.
    bool Empty() const override { return m_images.Count() == 0; }
    // The logical screen's size.
    int Width() const override { return m_header.Width; }
    int Height() const override { return m_header.Height; }

    // Reads header, frames and trailer from the stream's position. On a raised error the
    // stream is set back to where reading began and the picture is left empty.
    void LoadFromStream(TStream& stream) override;
    void LoadFromBytes(std::span<const std::byte> data);
    // Draws the first frame scaled into `rect` (frames holding only extensions are passed
    // over); its transparent pixels leave the canvas as it was. Dithers onto the colour cube on screens of 8 bits per pixel or fewer.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    // The first frame on a bitmap of the logical screen's size, without transparency.
    QImage ToImage() override;
    std::unique_ptr<TGraphic> Clone() const override;
    void Clear();

    const TGIFHeader& Header() const { return m_header; }
    const TGIFColorMap& GlobalColorMap() const { return m_globalColorMap; }
    const TGIFImageList& Images() const { return m_images; }

    // The texts of tolerated defects; unset, they pass silently.
    TGIFWarningEvent OnWarning;

    // Registers the "GIF" file extension with the picture holder.
    static void RegisterFileFormat();

private:
    void Read(TGIFReader& reader);
    // The first frame with pixels, else the first frame; there must be one.
    const TGIFSubImage& FirstFrame() const;
    static bool ShouldDither();

    TGIFHeader m_header;
    TGIFColorMap m_globalColorMap;
    TGIFImageList m_images;
};
