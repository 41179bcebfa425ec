#include "tests/support/GIFTestData.h"

#include <algorithm>
#include <gif_lib.h>

#include <algorithm>
#include <map>
#include <random>
#include <stdexcept>
#include <utility>

namespace giftest {

TBuilder& TBuilder::Add(std::initializer_list<int> bytes)
{
    for (int b : bytes)
        Data.push_back(std::uint8_t(b));
    return *this;
}

TBuilder& TBuilder::Add(const TBytes& bytes)
{
    Data.insert(Data.end(), bytes.begin(), bytes.end());
    return *this;
}

TBuilder& TBuilder::Word(int value) { return Add({ value & 0xFF, (value >> 8) & 0xFF }); }

TBuilder& TBuilder::Text(const std::string& text)
{
    Data.insert(Data.end(), text.begin(), text.end());
    return *this;
}

namespace {

struct TBitWriter {
    TBytes Data;
    std::uint64_t Buffer { 0 };
    unsigned Bits { 0 };
    void Put(unsigned code, unsigned width)
    {
        Buffer |= std::uint64_t(code) << Bits;
        Bits += width;
        while (Bits >= 8) {
            Data.push_back(std::uint8_t(Buffer));
            Buffer >>= 8;
            Bits -= 8;
        }
    }
    TBytes Finish()
    {
        if (Bits > 0)
            Data.push_back(std::uint8_t(Buffer));
        Bits = 0;
        Buffer = 0;
        return Data;
    }
};

} // namespace

TBytes PackCodes(std::initializer_list<std::pair<unsigned, unsigned>> codeAndWidth)
{
    TBitWriter writer;
    for (const auto& [code, width] : codeAndWidth)
        writer.Put(code, width);
    return writer.Finish();
}

TBytes LzwEncode(std::span<const std::uint8_t> pixels, int minCodeSize, bool clearWhenFull)
{
    const unsigned clear = 1u << minCodeSize;
    TBitWriter writer;
    std::map<std::pair<unsigned, std::uint8_t>, unsigned> dictionary;
    unsigned nextEntry = clear + 2;
    // The decoder's state, which decides the width of each code.
    unsigned width = minCodeSize + 1;
    unsigned limit = clear * 2;
    unsigned decoderNext = clear + 2;
    bool decoderFirst = true;

    const auto emitClear = [&] {
        writer.Put(clear, width);
        width = minCodeSize + 1;
        limit = clear * 2;
        decoderNext = clear + 2;
        decoderFirst = true;
        dictionary.clear();
        nextEntry = clear + 2;
    };
    const auto emit = [&](unsigned code) {
        writer.Put(code, width);
        if (decoderFirst) {
            decoderFirst = false;
            return;
        }
        if (decoderNext < 4096) {
            ++decoderNext;
            if (decoderNext >= limit && limit < 4096) {
                limit *= 2;
                ++width;
            }
        }
    };

    emitClear();
    int current = -1;
    for (std::uint8_t p : pixels) {
        if (current < 0) {
            current = p;
            continue;
        }
        const auto found = dictionary.find({ unsigned(current), p });
        if (found != dictionary.end()) {
            current = int(found->second);
            continue;
        }
        emit(unsigned(current));
        if (nextEntry < 4096) {
            dictionary[{ unsigned(current), p }] = nextEntry++;
        } else if (clearWhenFull) {
            emitClear();
        }
        current = p;
    }
    if (current >= 0)
        emit(unsigned(current));
    writer.Put(clear + 1, width);
    return writer.Finish();
}

TBytes SubBlocks(const TBytes& data, int blockSize)
{
    TBytes out;
    for (std::size_t i = 0; i < data.size(); i += std::size_t(blockSize)) {
        const std::size_t n = std::min(std::size_t(blockSize), data.size() - i);
        out.push_back(std::uint8_t(n));
        out.insert(out.end(), data.begin() + std::ptrdiff_t(i), data.begin() + std::ptrdiff_t(i + n));
    }
    out.push_back(0);
    return out;
}

namespace {

int WriteToVector(GifFileType* file, const GifByteType* data, int length)
{
    auto* out = static_cast<TBytes*>(file->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

struct TReadState {
    const TBytes* Data;
    std::size_t Position;
};

int ReadFromVector(GifFileType* file, GifByteType* data, int length)
{
    auto* state = static_cast<TReadState*>(file->UserData);
    const std::size_t n = std::min(std::size_t(length), state->Data->size() - state->Position);
    std::copy_n(state->Data->data() + state->Position, n, data);
    state->Position += n;
    return int(n);
}

ColorMapObject* MakeMap(int colors, unsigned seed)
{
    std::vector<GifColorType> entries(static_cast<std::size_t>(colors));
    std::mt19937 random(seed);
    for (auto& e : entries) {
        e.Red = GifByteType(random());
        e.Green = GifByteType(random());
        e.Blue = GifByteType(random());
    }
    return GifMakeMapObject(colors, entries.data());
}

} // namespace

TBytes GiflibEncode(int screenWidth, int screenHeight, int globalColors, const std::vector<TGiflibFrame>& frames)
{
    TBytes out;
    int error = 0;
    GifFileType* file = EGifOpen(&out, WriteToVector, &error);
    if (!file)
        throw std::runtime_error("EGifOpen failed");
    EGifSetGifVersion(file, true);
    ColorMapObject* global = globalColors > 0 ? MakeMap(globalColors, 1) : nullptr;
    bool ok = EGifPutScreenDesc(file, screenWidth, screenHeight, 8, 0, global) == GIF_OK;
    for (const TGiflibFrame& frame : frames) {
        if (frame.TransparentIndex >= 0) {
            const GifByteType control[4] = { 0x01, 0, 0, GifByteType(frame.TransparentIndex) };
            ok = ok && EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, 4, control) == GIF_OK;
        }
        ColorMapObject* local = frame.LocalColors > 0 ? MakeMap(frame.LocalColors, 2) : nullptr;
        ok = ok && EGifPutImageDesc(file, frame.Left, frame.Top, frame.Width, frame.Height, frame.Interlaced, local) == GIF_OK;
        if (local)
            GifFreeMapObject(local);
        std::vector<int> rows;
        if (frame.Interlaced) {
            static constexpr int start[4] = { 0, 4, 2, 1 };
            static constexpr int step[4] = { 8, 8, 4, 2 };
            for (int pass = 0; pass < 4; ++pass)
                for (int y = start[pass]; y < frame.Height; y += step[pass])
                    rows.push_back(y);
        } else {
            for (int y = 0; y < frame.Height; ++y)
                rows.push_back(y);
        }
        for (int y : rows) {
            auto* line = const_cast<GifPixelType*>(frame.Pixels.data() + std::size_t(y) * std::size_t(frame.Width));
            ok = ok && EGifPutLine(file, line, frame.Width) == GIF_OK;
        }
    }
    ok = EGifCloseFile(file, &error) == GIF_OK && ok;
    if (global)
        GifFreeMapObject(global);
    if (!ok)
        throw std::runtime_error("giflib could not encode");
    return out;
}

std::vector<TBytes> GiflibDecode(const TBytes& gif)
{
    TReadState state { &gif, 0 };
    int error = 0;
    GifFileType* file = DGifOpen(&state, ReadFromVector, &error);
    if (!file)
        throw std::runtime_error("DGifOpen failed");
    std::vector<TBytes> frames;
    if (DGifSlurp(file) == GIF_OK) {
        for (int i = 0; i < file->ImageCount; ++i) {
            const SavedImage& image = file->SavedImages[i];
            const std::size_t n = std::size_t(image.ImageDesc.Width) * std::size_t(image.ImageDesc.Height);
            frames.emplace_back(image.RasterBits, image.RasterBits + n);
        }
    }
    DGifCloseFile(file, &error);
    return frames;
}

TBytes PatternPixels(int width, int height, int colors, unsigned seed)
{
    std::mt19937 random(seed);
    TBytes pixels(std::size_t(width) * std::size_t(height));
    std::size_t i = 0;
    while (i < pixels.size()) {
        const std::uint8_t value = std::uint8_t(random() % unsigned(colors));
        // Half runs of up to 40 pixels, half single noisy pixels.
        const std::size_t run = (random() % 2) ? 1 + random() % 40 : 1;
        for (std::size_t j = 0; j < run && i < pixels.size(); ++j)
            pixels[i++] = value;
    }
    return pixels;
}

std::span<const std::byte> AsBytes(const TBytes& data)
{
    return { reinterpret_cast<const std::byte*>(data.data()), data.size() };
}

} // namespace giftest
