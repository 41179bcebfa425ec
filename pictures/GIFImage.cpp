#include "pictures/GIFImage.h"

#include "base/Exceptions.h"
#include "base/Stream.h"
#include "paint/Canvas.h"
#include "paint/ColorData.h"
#include "pictures/GIFDither.h"
#include "pictures/GIFLzw.h"

#include <QPainter>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <new>

namespace {

// No screen has more pixels than this; a frame beyond it is damaged data, not a picture.
constexpr std::uint64_t MaxFramePixels = std::uint64_t(64) << 20;
// All frames of one picture together: a few dozen full-screen frames, while a file of a few
// kilobytes claiming thousands of huge frames cannot exhaust memory.
constexpr std::uint64_t MaxPicturePixels = std::uint64_t(256) << 20;

[[noreturn]] void Fail(int id) { RaiseRes<EGIFException>(id); }
[[noreturn]] void FailAllocation() { RaiseRes<EOutOfMemory>(Str::GIFAllocFailed); }

std::uint16_t Word(std::span<const std::byte> bytes, std::size_t offset)
{
    return std::uint16_t(std::uint8_t(bytes[offset]) | (std::uint8_t(bytes[offset + 1]) << 8));
}

bool IsGIFSignature(std::span<const std::byte> head)
{
    return std::toupper(int(head[0])) == 'G' && std::toupper(int(head[1])) == 'I' && std::toupper(int(head[2])) == 'F';
}

// Which kind of application extension the identifier after the block-size byte names.
bool IsLoopingIdentifier(std::span<const std::byte> rest)
{
    if (rest.size() < 12)
        return false;
    const char* identifier = reinterpret_cast<const char*>(rest.data() + 1);
    return std::memcmp(identifier, "NETSCAPE2.0", 11) == 0 || std::memcmp(identifier, "ANIMEXTS1.0", 11) == 0;
}

// The extension object for the introducer at the reader's position (not consumed).
std::unique_ptr<TGIFExtension> CreateExtension(const TGIFReader& reader)
{
    const std::span<const std::byte> rest = reader.Bytes.Data().subspan(reader.Bytes.Position());
    if (rest.size() < 2)
        Fail(Str::GIFPrematureEnd);
    switch (std::uint8_t(rest[1])) {
    case TGIFGraphicControlExtension::ExtensionLabel:
        return std::make_unique<TGIFGraphicControlExtension>();
    case TGIFCommentExtension::ExtensionLabel:
        return std::make_unique<TGIFCommentExtension>();
    case TGIFTextExtension::ExtensionLabel:
        return std::make_unique<TGIFTextExtension>();
    case TGIFApplicationExtension::ExtensionLabel:
        if (IsLoopingIdentifier(rest.subspan(2)))
            return std::make_unique<TGIFAppExtNSLoop>();
        return std::make_unique<TGIFUnknownAppExtension>();
    default:
        Fail(Str::GIFUnknownExtension);
    }
}

// The pixel data's sub-blocks joined into `out`, followed by the decoder's padding.
void ReadCompressedData(TGIFReader& reader, std::vector<std::uint8_t>& out)
{
    out.clear();
    TByteReader& bytes = reader.Bytes;
    for (;;) {
        std::uint8_t length;
        if (!reader.ReadByte(length) || length == 0)
            break;
        std::size_t count = length;
        if (count > bytes.Remaining()) {
            reader.Warn(Str::GIFPrematureEnd);
            count = bytes.Remaining();
        }
        const auto block = bytes.Bytes(count);
        const auto* data = reinterpret_cast<const std::uint8_t*>(block.data());
        out.insert(out.end(), data, data + count);
    }
    out.resize(out.size() + TGIFLzwDecoder::InputPadding, 0);
}

// Interlaced rows come in four passes: every 8th row from 0, every 8th from 4, every 4th
// from 2, every 2nd from 1.
void Deinterlace(const std::uint8_t* decoded, std::uint8_t* pixels, int width, int height)
{
    static constexpr int passStart[4] = { 0, 4, 2, 1 };
    static constexpr int passStep[4] = { 8, 8, 4, 2 };
    const std::size_t rowBytes = std::size_t(width);
    for (int pass = 0; pass < 4; ++pass) {
        for (int row = passStart[pass]; row < height; row += passStep[pass]) {
            std::memcpy(pixels + std::size_t(row) * rowBytes, decoded, rowBytes);
            decoded += rowBytes;
        }
    }
}

// The colour of every index as 0xAARRGGBB; indexes beyond the table are black, reported once
// when a pixel uses one.
std::array<QRgb, 256> ColorLookup(const TGIFColorMap& map, const std::vector<std::uint8_t>& pixels,
                                  const TGIFWarningEvent& onWarning)
{
    std::array<QRgb, 256> lookup;
    lookup.fill(qRgb(0, 0, 0));
    for (int i = 0; i < map.Count(); ++i)
        lookup[std::size_t(i)] = qRgb(map[i].Red, map[i].Green, map[i].Blue);
    if (map.Count() < 256) {
        const std::uint8_t count = std::uint8_t(map.Count());
        const bool outside = std::any_of(pixels.begin(), pixels.end(), [count](std::uint8_t p) { return p >= count; });
        if (outside && onWarning)
            onWarning(LoadStr(Str::GIFInvalidColorIndex));
    }
    return lookup;
}

void RenderPlain(const std::uint8_t* pixels, const std::array<QRgb, 256>& lookup, QImage& image)
{
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const std::uint8_t* row = pixels + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < width; ++x)
            line[x] = lookup[row[x]];
    }
}

} // namespace

// ---- Reader ----

TGIFReader::TGIFReader(std::span<const std::byte> data, TGIFWarningEvent onWarning)
    : Bytes(data)
    , PixelBudget(MaxPicturePixels)
    , m_onWarning(std::move(onWarning))
{
}

void TGIFReader::Warn(int id) const
{
    if (m_onWarning)
        m_onWarning(LoadStr(id));
}

bool TGIFReader::ReadByte(std::uint8_t& value)
{
    if (Bytes.AtEnd())
        return false;
    value = Bytes.U8();
    return true;
}

int TGIFReader::PeekByte() const
{
    if (Bytes.AtEnd())
        return -1;
    return int(std::uint8_t(Bytes.Data()[Bytes.Position()]));
}

std::span<const std::byte> TGIFReader::ReadExact(std::size_t count)
{
    if (!Bytes.Has(count))
        Fail(Str::GIFPrematureEnd);
    return Bytes.Bytes(count);
}

void TGIFReader::ReadSubBlocks(const std::function<void(std::span<const std::uint8_t>)>& block)
{
    for (;;) {
        std::uint8_t length;
        if (!ReadByte(length) || length == 0)
            return;
        std::size_t count = length;
        if (count > Bytes.Remaining()) {
            Warn(Str::GIFPrematureEnd);
            count = Bytes.Remaining();
            if (count == 0)
                return;
        }
        const auto data = Bytes.Bytes(count);
        block({ reinterpret_cast<const std::uint8_t*>(data.data()), count });
    }
}

// ---- Colour table ----

void TGIFColorMap::LoadFromReader(TGIFReader& reader, int sizeField)
{
    const int count = 2 << (sizeField & 7);
    const auto bytes = reader.ReadExact(std::size_t(count) * 3);
    m_colors.resize(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        m_colors[std::size_t(i)] = { std::uint8_t(bytes[std::size_t(i) * 3]), std::uint8_t(bytes[std::size_t(i) * 3 + 1]),
                                     std::uint8_t(bytes[std::size_t(i) * 3 + 2]) };
    }
}

TColor TGIFColorMap::Color(int index, const TGIFWarningEvent& onWarning) const
{
    if (m_colors.empty())
        Fail(Str::GIFColorTableEmpty);
    if (index < 0 || index >= Count()) {
        if (onWarning)
            onWarning(LoadStr(Str::GIFInvalidColorIndex));
        return clBlack;
    }
    const TGIFColor& c = m_colors[std::size_t(index)];
    return RGB(c.Red, c.Green, c.Blue);
}

// ---- Extensions ----

void TGIFExtension::LoadFromReader(TGIFReader& reader)
{
    const auto head = reader.ReadExact(2);
    if (std::uint8_t(head[0]) != bsExtensionIntroducer)
        Fail(Str::GIFInvalidIntroducer);
    if (std::uint8_t(head[1]) != Label())
        Fail(Str::GIFExtensionMismatch);
    LoadBody(reader);
}

std::unique_ptr<TGIFExtension> TGIFGraphicControlExtension::Clone() const
{
    return std::make_unique<TGIFGraphicControlExtension>(*this);
}

void TGIFGraphicControlExtension::LoadBody(TGIFReader& reader)
{
    // Block size (4), packed, delay, transparent index, terminator.
    if (!reader.Bytes.Has(6)) {
        reader.Warn(Str::GIFPrematureEnd);
        reader.Bytes.Skip(reader.Bytes.Remaining());
        Valid = false;
        return;
    }
    const auto body = reader.Bytes.Bytes(6);
    Packed = std::uint8_t(body[1]);
    Delay = Word(body, 2);
    TransparentColorIndex = std::uint8_t(body[4]);
    Valid = true;
}

std::unique_ptr<TGIFExtension> TGIFCommentExtension::Clone() const { return std::make_unique<TGIFCommentExtension>(*this); }

void TGIFCommentExtension::LoadBody(TGIFReader& reader)
{
    Text.clear();
    reader.ReadSubBlocks([this](std::span<const std::uint8_t> block) { Text.append(block.begin(), block.end()); });
}

std::unique_ptr<TGIFExtension> TGIFTextExtension::Clone() const { return std::make_unique<TGIFTextExtension>(*this); }

void TGIFTextExtension::LoadBody(TGIFReader& reader)
{
    TextHeader.clear();
    Text.clear();
    bool first = true;
    reader.ReadSubBlocks([this, &first](std::span<const std::uint8_t> block) {
        if (first)
            TextHeader.assign(block.begin(), block.end());
        else
            Text.append(block.begin(), block.end());
        first = false;
    });
}

// Data that ends inside an application extension costs only the extension: the frames read
// before it still draw, as with any other cut-short extension.
static bool SkipToEndIfShort(TGIFReader& reader, std::size_t needed)
{
    if (reader.Bytes.Has(needed))
        return false;
    reader.Warn(Str::GIFPrematureEnd);
    reader.Bytes.Skip(reader.Bytes.Remaining());
    return true;
}

void TGIFApplicationExtension::LoadBody(TGIFReader& reader)
{
    if (SkipToEndIfShort(reader, 1))
        return;
    const std::uint8_t blockSize = std::uint8_t(reader.ReadExact(1)[0]);
    if (blockSize < 10)
        Fail(Str::GIFAppExtBlockSize);
    if (SkipToEndIfShort(reader, 11))
        return;
    const auto identifier = reader.ReadExact(11);
    const char* text = reinterpret_cast<const char*>(identifier.data());
    Identifier.assign(text, 8);
    Authentication.assign(text + 8, 3);
    if (blockSize == 10) {
        reader.StepBack(); // the eleventh byte already belongs to the data sub-blocks
    } else {
        if (SkipToEndIfShort(reader, std::size_t(blockSize) - 11))
            return;
        reader.Bytes.Skip(std::size_t(blockSize) - 11);
    }
    LoadData(reader);
}

std::unique_ptr<TGIFExtension> TGIFAppExtNSLoop::Clone() const { return std::make_unique<TGIFAppExtNSLoop>(*this); }

void TGIFAppExtNSLoop::LoadData(TGIFReader& reader)
{
    reader.ReadSubBlocks([this, &reader](std::span<const std::uint8_t> block) {
        // A sub-block that the end of the data cut short was reported already; only a
        // complete sub-block that is too short is invalid.
        const bool cut = reader.Bytes.AtEnd();
        switch (block[0] & 7) {
        case 1: // loop count
            if (block.size() < 3 && cut)
                break;
            if (block.size() < 3)
                Fail(Str::GIFInvalidData);
            Loops = std::uint16_t(block[1] | (block[2] << 8));
            break;
        case 2: // buffer size
            if (block.size() < 5 && cut)
                break;
            if (block.size() < 5)
                Fail(Str::GIFInvalidData);
            BufferSize = std::uint32_t(block[1]) | (std::uint32_t(block[2]) << 8) | (std::uint32_t(block[3]) << 16)
                | (std::uint32_t(block[4]) << 24);
            break;
        default:
            break;
        }
    });
}

std::unique_ptr<TGIFExtension> TGIFUnknownAppExtension::Clone() const { return std::make_unique<TGIFUnknownAppExtension>(*this); }

void TGIFUnknownAppExtension::LoadData(TGIFReader& reader)
{
    Blocks.clear();
    reader.ReadSubBlocks([this](std::span<const std::uint8_t> block) { Blocks.push_back({ { block.begin(), block.end() } }); });
}

// ---- Frames ----

const TGIFGraphicControlExtension* TGIFSubImage::GraphicControlExtension() const
{
    const TGIFGraphicControlExtension* found = nullptr;
    for (const auto& extension : Extensions) {
        if (extension->Label() != TGIFGraphicControlExtension::ExtensionLabel)
            continue;
        const auto* control = static_cast<const TGIFGraphicControlExtension*>(extension.get());
        if (control->Valid)
            found = control;
    }
    return found;
}

bool TGIFSubImage::Transparent() const
{
    const TGIFGraphicControlExtension* control = GraphicControlExtension();
    return control && control->Transparent();
}

int TGIFSubImage::TransparentColorIndex() const
{
    return Transparent() ? GraphicControlExtension()->TransparentColorIndex : -1;
}

void TGIFSubImage::LoadFromReader(TGIFReader& reader)
{
    // Extensions up to the image descriptor (or the trailer).
    std::uint8_t b = 0;
    bool have = reader.ReadByte(b);
    while (have && b != bsImageDescriptor && b != bsTrailer) {
        if (b != bsExtensionIntroducer) {
            reader.Warn(Str::GIFInvalidIntroducer);
            break;
        }
        reader.StepBack();
        std::unique_ptr<TGIFExtension> extension = CreateExtension(reader);
        extension->LoadFromReader(reader);
        Extensions.push_back(std::move(extension));
        have = reader.ReadByte(b);
    }
    if (have)
        reader.StepBack();

    const int next = reader.PeekByte();
    if (next < 0 || next == bsTrailer || next == 0)
        return; // extensions only, no pixels

    const auto descriptor = reader.ReadExact(10);
    Left = Word(descriptor, 1);
    Top = Word(descriptor, 3);
    Width = Word(descriptor, 5);
    Height = Word(descriptor, 7);
    Packed = std::uint8_t(descriptor[9]);
    if (Width == 0 || Height == 0) {
        Width = reader.ScreenWidth;
        Height = reader.ScreenHeight;
        reader.Warn(Str::GIFExceedsScreen);
    }
    if (Packed & 0x80)
        ColorMap.LoadFromReader(reader, Packed & 7);
    DecodePixels(reader);
}

namespace {

// Decodes a frame's LZW codes into `out` (width x height indexes, rows from the top); pixels
// the data does not reach take `fill`.
TGIFLzwDecoder::TResult DecodeFrame(std::span<const std::uint8_t> input, int codeSize, std::uint8_t fill, int width,
                                    int height, bool interlaced, std::vector<std::uint8_t>& out)
{
    const std::size_t count = std::size_t(width) * std::size_t(height);
    out.resize(count);
    TGIFLzwDecoder decoder;
    TGIFLzwDecoder::TResult result;
    if (count == 0)
        return { TGIFLzwDecoder::TStop::Filled, 0 };
    if (interlaced && height > 1) {
        std::vector<std::uint8_t> decoded(count);
        result = decoder.Decode(input, codeSize, decoded);
        std::fill(decoded.begin() + std::ptrdiff_t(result.Count), decoded.end(), fill);
        Deinterlace(decoded.data(), out.data(), width, height);
        return result;
    }
    result = decoder.Decode(input, codeSize, out);
    std::fill(out.begin() + std::ptrdiff_t(result.Count), out.end(), fill);
    return result;
}

} // namespace

void TGIFSubImage::DecodePixels(TGIFReader& reader)
{
    // Width and height are 16-bit, so their product cannot overflow 64 bits.
    const std::uint64_t count = std::uint64_t(Width) * std::uint64_t(Height);
    // Only the first frame with pixels is ever shown. The frames after it are decoded once to
    // check them, and keep just their compressed data: a few kilobytes of animation may
    // unfold into a hundred full-screen frames.
    const bool keep = !reader.HavePixels;
    if (count > MaxFramePixels || (keep && count > reader.PixelBudget))
        FailAllocation();
    if (keep)
        reader.PixelBudget -= count;

    // Pixels the data does not reach keep the transparent index, or 0.
    m_fill = Transparent() ? std::uint8_t(TransparentColorIndex()) : 0;
    std::vector<std::uint8_t>& out = keep ? m_pixels : reader.Scratch;

    std::uint8_t minCodeSize;
    const int codeSize = reader.ReadByte(minCodeSize) ? (minCodeSize & 31) : -1;
    if (codeSize >= 0)
        ReadCompressedData(reader, reader.Compressed);
    reader.HavePixels = reader.HavePixels || count > 0;
    if (codeSize < 0 || codeSize > TGIFLzwDecoder::MaxMinCodeSize) {
        // No data, or codes that could not fit into 12 bits: nothing here can be decoded.
        if (codeSize >= 0)
            reader.Warn(Str::GIFInvalidData);
        out.assign(std::size_t(count), m_fill);
        m_codeSize = -1;
    } else {
        const std::span<const std::uint8_t> input(reader.Compressed.data(),
                                                  reader.Compressed.size() - TGIFLzwDecoder::InputPadding);
        const TGIFLzwDecoder::TResult result = DecodeFrame(input, codeSize, m_fill, Width, Height, Interlaced(), out);
        if (result.Stop == TGIFLzwDecoder::TStop::UnderRun)
            reader.Warn(Str::GIFBitBufferUnderrun);
        m_codeSize = codeSize;
    }
    if (keep)
        return;
    m_compressed = reader.Compressed;
    m_pixelsDropped = count > 0;
}

const std::vector<std::uint8_t>& TGIFSubImage::Pixels() const
{
    if (!m_pixelsDropped || !m_pixels.empty())
        return m_pixels;
    // A later frame asked for after all: decode it again from its compressed data.
    if (m_codeSize < 0) {
        m_pixels.assign(std::size_t(Width) * std::size_t(Height), m_fill);
        return m_pixels;
    }
    const std::span<const std::uint8_t> input(m_compressed.data(), m_compressed.size() - TGIFLzwDecoder::InputPadding);
    DecodeFrame(input, m_codeSize, m_fill, Width, Height, Interlaced(), m_pixels);
    return m_pixels;
}

std::unique_ptr<TGIFSubImage> TGIFSubImage::Clone() const
{
    auto copy = std::make_unique<TGIFSubImage>();
    copy->Left = Left;
    copy->Top = Top;
    copy->Width = Width;
    copy->Height = Height;
    copy->Packed = Packed;
    copy->ColorMap = ColorMap;
    for (const auto& extension : Extensions)
        copy->Extensions.push_back(extension->Clone());
    copy->m_pixels = m_pixels;
    copy->m_compressed = m_compressed;
    copy->m_codeSize = m_codeSize;
    copy->m_fill = m_fill;
    copy->m_pixelsDropped = m_pixelsDropped;
    copy->m_bitmap = m_bitmap;
    copy->m_transparentBitmap = m_transparentBitmap;
    copy->m_bitmapDither = m_bitmapDither;
    return copy;
}

const QImage& TGIFSubImage::Bitmap(const TGIFColorMap& globalColorMap, bool dither, const TGIFWarningEvent& onWarning) const
{
    if (m_bitmapDither == int(dither))
        return m_bitmap;
    if (Empty())
        Fail(Str::GIFImageEmpty);
    const TGIFColorMap& map = ColorMap.Empty() ? globalColorMap : ColorMap;
    if (map.Empty())
        Fail(Str::GIFNoColorTable);

    QImage image(Width, Height, QImage::Format_RGB32);
    if (image.isNull())
        FailAllocation();
    const std::vector<std::uint8_t>& pixels = Pixels();
    const std::array<QRgb, 256> lookup = ColorLookup(map, pixels, onWarning);
    if (dither)
        DitherToColorCube(pixels.data(), lookup, image);
    else
        RenderPlain(pixels.data(), lookup, image);
    m_bitmap = image;
    m_transparentBitmap = QImage();
    m_bitmapDither = int(dither);
    return m_bitmap;
}

const QImage& TGIFSubImage::TransparentBitmap(const TGIFColorMap& globalColorMap, bool dither,
                                              const TGIFWarningEvent& onWarning) const
{
    const QImage& opaque = Bitmap(globalColorMap, dither, onWarning);
    if (!Transparent())
        return opaque;
    if (!m_transparentBitmap.isNull())
        return m_transparentBitmap;

    QImage image = opaque.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        FailAllocation();
    const std::uint8_t transparent = std::uint8_t(TransparentColorIndex());
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const std::uint8_t* row = Pixels().data() + std::size_t(y) * std::size_t(Width);
        for (int x = 0; x < Width; ++x) {
            if (row[x] == transparent)
                line[x] = 0;
        }
    }
    m_transparentBitmap = image;
    return m_transparentBitmap;
}

// ---- Picture ----

void TGIFImage::Clear()
{
    m_header = TGIFHeader {};
    m_globalColorMap.Clear();
    m_images.Clear();
}

void TGIFImage::LoadFromStream(TStream& stream)
{
    const std::size_t start = stream.Position();
    std::vector<std::byte> copy;
    std::span<const std::byte> data;
    if (const auto* memory = dynamic_cast<const TCustomMemoryStream*>(&stream)) {
        data = memory->RemainingMemory();
    } else {
        copy = stream.ReadRemaining();
        stream.SetPosition(start);
        data = copy;
    }

    Clear();
    TGIFReader reader(data, OnWarning);
    try {
        Read(reader);
    } catch (const std::bad_alloc&) {
        Clear();
        stream.SetPosition(start);
        FailAllocation();
    } catch (...) {
        Clear();
        stream.SetPosition(start);
        throw;
    }
    stream.SetPosition(start + reader.Bytes.Position());
}

void TGIFImage::LoadFromBytes(std::span<const std::byte> data)
{
    TCustomMemoryStream stream(data);
    LoadFromStream(stream);
}

void TGIFImage::Read(TGIFReader& reader)
{
    // Header: "GIF" and version, possibly behind a 4-byte length (as pictures stored in a
    // window layout are).
    auto head = reader.ReadExact(6);
    if (!IsGIFSignature(head)) {
        reader.Bytes.Seek(4);
        head = reader.ReadExact(6);
        if (!IsGIFSignature(head))
            Fail(Str::GIFInvalidSignature);
    }
    for (int i = 0; i < 3; ++i) {
        m_header.Signature[std::size_t(i)] = char(head[std::size_t(i)]);
        m_header.Version[std::size_t(i)] = char(head[std::size_t(i) + 3]);
    }

    const auto screen = reader.ReadExact(7);
    m_header.Width = Word(screen, 0);
    m_header.Height = Word(screen, 2);
    m_header.Packed = std::uint8_t(screen[4]);
    m_header.BackgroundColorIndex = std::uint8_t(screen[5]);
    m_header.AspectRatio = std::uint8_t(screen[6]);
    if (m_header.HasGlobalColorMap())
        m_globalColorMap.LoadFromReader(reader, m_header.ColorMapSizeField());
    reader.ScreenWidth = m_header.Width;
    reader.ScreenHeight = m_header.Height;

    // Frames, with zero bytes between blocks skipped. The end of the data ends the list.
    const auto nextBlock = [&reader](std::uint8_t& b) {
        while (reader.ReadByte(b)) {
            if (b != 0)
                return true;
        }
        return false;
    };
    std::uint8_t b = 0;
    bool have = nextBlock(b);
    while (have && b != bsTrailer) {
        reader.StepBack();
        if (b != bsExtensionIntroducer && b != bsImageDescriptor) {
            reader.Warn(Str::GIFUnknownBlock);
            have = false; // the trailer check below sees this byte
            break;
        }
        auto frame = std::make_unique<TGIFSubImage>();
        frame->LoadFromReader(reader);
        m_images.Add(std::move(frame));
        have = nextBlock(b);
    }
    if (have)
        reader.StepBack();

    // Trailer: anything else is reported, and the picture stays as read.
    if (reader.ReadByte(b) && b != bsTrailer)
        reader.Warn(Str::GIFInvalidTrailer);
}

const TGIFSubImage& TGIFImage::FirstFrame() const
{
    // Extensions without an image (a stray byte inside a frame's extension list ends that
    // list early, and comments may follow the last image) make frames without pixels; the
    // picture shows the first frame that has some.
    for (int i = 0; i < m_images.Count(); ++i) {
        if (!m_images[i].Empty())
            return m_images[i];
    }
    return m_images[0];
}

bool TGIFImage::ShouldDither() { return ScreenBitsPerPixel <= 8; }

void TGIFImage::Draw(TCanvas& canvas, const TRect& rect)
{
    if (m_images.Count() == 0 || rect.IsEmpty())
        return;
    const TGIFSubImage& frame = FirstFrame();
    const QImage& bitmap = frame.TransparentBitmap(m_globalColorMap, ShouldDither(), OnWarning);

    // The frame sits at its place on the logical screen, and the screen fills the rectangle.
    const std::int64_t screenWidth = m_header.Width > 0 ? m_header.Width : frame.Left + frame.Width;
    const std::int64_t screenHeight = m_header.Height > 0 ? m_header.Height : frame.Top + frame.Height;
    if (screenWidth <= 0 || screenHeight <= 0)
        return;
    const auto scaleX = [&](std::int64_t x) { return int(rect.Left + x * rect.Width() / screenWidth); };
    const auto scaleY = [&](std::int64_t y) { return int(rect.Top + y * rect.Height() / screenHeight); };
    const QRect target(QPoint(scaleX(frame.Left), scaleY(frame.Top)),
                       QPoint(scaleX(frame.Left + frame.Width) - 1, scaleY(frame.Top + frame.Height) - 1));
    if (target.isEmpty())
        return;

    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // A frame reaching beyond the logical screen is cut at the rectangle's edge.
    const QRect bounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    painter.setClipRect(bounds, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.drawImage(target, bitmap);
    painter.restore();
}

QImage TGIFImage::ToImage()
{
    if (m_images.Count() == 0)
        return QImage();
    const TGIFSubImage& frame = FirstFrame();
    const QImage& bitmap = frame.Bitmap(m_globalColorMap, ShouldDither(), OnWarning);
    if (frame.Left == 0 && frame.Top == 0 && frame.Width == m_header.Width && frame.Height == m_header.Height)
        return bitmap.copy();

    const std::uint64_t pixels = std::uint64_t(m_header.Width) * m_header.Height;
    if (pixels == 0)
        return QImage();
    if (pixels > MaxFramePixels)
        FailAllocation();
    QImage image(m_header.Width, m_header.Height, QImage::Format_RGB32);
    if (image.isNull())
        FailAllocation();
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.drawImage(QPoint(frame.Left, frame.Top), bitmap);
    painter.end();
    return image;
}

std::unique_ptr<TGraphic> TGIFImage::Clone() const
{
    auto copy = std::make_unique<TGIFImage>();
    copy->m_header = m_header;
    copy->m_globalColorMap = m_globalColorMap;
    for (int i = 0; i < m_images.Count(); ++i)
        copy->m_images.Add(m_images[i].Clone());
    copy->OnWarning = OnWarning;
    return copy;
}

void TGIFImage::RegisterFileFormat()
{
    TPicture::RegisterFileFormat("GIF", LoadStr(Str::GIFImage), [] { return std::make_unique<TGIFImage>(); });
}
