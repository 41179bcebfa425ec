#include "pictures/JPEGImage.h"

#include "base/Exceptions.h"
#include "base/Stream.h"
#include "paint/Canvas.h"
#include "paint/ColorData.h"

#include <csetjmp>
#include <cstdlib>
#include <cstdint>
#include <cstdio>
#include <span>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// The library's decoding buffers (coefficients of progressive files, the two-pass
// quantiser's full-image buffer) stay below this; beyond it the library raises its own error.
constexpr long MaxLibraryMemory = 1024L * 1024 * 1024;
constexpr int QuantisedColors = 236;

[[noreturn]] void RaiseJPEGError(int code) { RaiseRes<EJPEG>(Str::JPEGError, code); }

// The library's error manager with a place to jump back to. A fatal error jumps out of the
// library's C frames with longjmp (an exception must not cross them) and is raised as EJPEG
// once back in our own code.
struct TJPEGErrorManager {
    jpeg_error_mgr Pub;
    std::jmp_buf Jump;
};

void ErrorExit(j_common_ptr info)
{
    auto* manager = reinterpret_cast<TJPEGErrorManager*>(info->err);
    std::longjmp(manager->Jump, 1);
}

// Warnings and trace messages are of no use to anyone watching a toddler play.
void OutputMessage(j_common_ptr) {}
void EmitMessage(j_common_ptr, int) {}

// A decompressor reading from a buffer. Destroying it releases the library's memory, also
// after a fatal error.
class TDecompressor {
public:
    explicit TDecompressor(std::span<const std::byte> data)
    {
        m_info.err = jpeg_std_error(&m_error.Pub);
        m_error.Pub.error_exit = ErrorExit;
        m_error.Pub.output_message = OutputMessage;
        m_error.Pub.emit_message = EmitMessage;
        Run([&] {
            jpeg_create_decompress(&m_info);
            jpeg_mem_src(&m_info, reinterpret_cast<const unsigned char*>(data.data()), static_cast<unsigned long>(data.size()));
        });
        m_info.mem->max_memory_to_use = MaxLibraryMemory;
    }
    ~TDecompressor() { jpeg_destroy_decompress(&m_info); }
    TDecompressor(const TDecompressor&) = delete;
    TDecompressor& operator=(const TDecompressor&) = delete;

    jpeg_decompress_struct& Info() { return m_info; }

    // Runs library calls; a fatal error among them raises EJPEG with the message code. The
    // calls must keep no objects with destructors of their own, since a fatal error leaves
    // their frames by longjmp.
    template<typename Calls>
    void Run(Calls&& calls)
    {
        const int code = Guarded(calls);
        if (code != 0)
            RaiseJPEGError(code);
    }

private:
    template<typename Calls>
    int Guarded(Calls& calls)
    {
        if (setjmp(m_error.Jump) != 0)
            return m_error.Pub.msg_code != 0 ? m_error.Pub.msg_code : -1;
        calls();
        return 0;
    }

    // Zeroed, so destroying works even when creation itself failed.
    jpeg_decompress_struct m_info {};
    TJPEGErrorManager m_error {};
};

struct THeader {
    int Width { 0 };
    int Height { 0 };
    bool Grayscale { false };
    bool Progressive { false };
};

THeader ReadHeader(std::span<const std::byte> data)
{
    TDecompressor decompressor(data);
    jpeg_decompress_struct& info = decompressor.Info();
    THeader header;
    decompressor.Run([&] {
        jpeg_read_header(&info, TRUE);
        header.Progressive = jpeg_has_multiple_scans(&info);
    });
    header.Width = int(info.image_width);
    header.Height = int(info.image_height);
    header.Grayscale = info.jpeg_color_space == JCS_GRAYSCALE;
    return header;
}

// CMYK and YCCK files come out as CMYK; files written with the Adobe marker store the
// channels inverted.
void ConvertCMYKRow(const JSAMPLE* src, std::uint8_t* dst, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, src += 4, dst += 3) {
        const unsigned c = inverted ? src[0] : 255 - src[0];
        const unsigned m = inverted ? src[1] : 255 - src[1];
        const unsigned y = inverted ? src[2] : 255 - src[2];
        const unsigned k = inverted ? src[3] : 255 - src[3];
        dst[0] = std::uint8_t((c * k + 127) / 255);
        dst[1] = std::uint8_t((m * k + 127) / 255);
        dst[2] = std::uint8_t((y * k + 127) / 255);
    }
}

// The 216 colours of the 6 x 6 x 6 cube, for CMYK pictures on 8-bit screens: the library
// quantises only its own RGB and gray output.
QList<QRgb> ColorCube()
{
    QList<QRgb> colors;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colors.append(qRgb(r * 51, g * 51, b * 51));
    return colors;
}

QImage Decode(std::span<const std::byte> data, bool eightBit, int scaleDenominator)
{
    TDecompressor decompressor(data);
    jpeg_decompress_struct& info = decompressor.Info();
    decompressor.Run([&] { jpeg_read_header(&info, TRUE); });

    info.scale_num = 1;
    info.scale_denom = unsigned(scaleDenominator);
    info.do_block_smoothing = TRUE;
    info.dct_method = JDCT_ISLOW; // the best-quality transform
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    const bool gray = info.jpeg_color_space == JCS_GRAYSCALE;
    info.out_color_space = cmyk ? JCS_CMYK : gray ? JCS_GRAYSCALE : JCS_RGB;
    // The library quantises three-channel output with its two-pass quantiser and gray output
    // with its one-pass quantiser; CMYK output is reduced after conversion below.
    const bool quantise = (eightBit || gray) && !cmyk;
    if (quantise) {
        info.quantize_colors = TRUE;
        info.desired_number_of_colors = QuantisedColors;
        info.two_pass_quantize = TRUE;
        info.dither_mode = JDITHER_FS;
    }
    decompressor.Run([&] { jpeg_calc_output_dimensions(&info); });
    if (std::uint64_t(info.output_width) * info.output_height > MaxJPEGPixels)
        RaiseJPEGError(JERR_IMAGE_TOO_BIG);

    decompressor.Run([&] { jpeg_start_decompress(&info); });
    const JDIMENSION width = info.output_width;
    QImage image(int(width), int(info.output_height), quantise ? QImage::Format_Indexed8 : QImage::Format_RGB888);
    if (image.isNull())
        RaiseRes<EOutOfMemory>(Str::OutOfMemory);
    if (quantise) {
        QList<QRgb> colors;
        for (int i = 0; i < info.actual_number_of_colors; ++i) {
            if (info.out_color_components == 1)
                colors.append(qRgb(info.colormap[0][i], info.colormap[0][i], info.colormap[0][i]));
            else
                colors.append(qRgb(info.colormap[0][i], info.colormap[1][i], info.colormap[2][i]));
        }
        image.setColorTable(colors);
    }

    std::vector<JSAMPLE> cmykRow(cmyk ? std::size_t(width) * 4 : 0);
    const bool inverted = info.saw_Adobe_marker;
    decompressor.Run([&] {
        while (info.output_scanline < info.output_height) {
            const int y = int(info.output_scanline);
            JSAMPROW row = cmyk ? cmykRow.data() : image.scanLine(y);
            if (jpeg_read_scanlines(&info, &row, 1) != 1)
                break;
            if (cmyk)
                ConvertCMYKRow(cmykRow.data(), image.scanLine(y), width, inverted);
        }
        jpeg_finish_decompress(&info);
    });
    if (cmyk && eightBit)
        image = image.convertToFormat(QImage::Format_Indexed8, ColorCube(), Qt::DiffuseDither);
    return image;
}

} // namespace

TJPEGImage::TJPEGImage()
    : m_pixelFormat(ScreenBitsPerPixel <= 8 ? TJPEGPixelFormat::jf8Bit : TJPEGPixelFormat::jf24Bit)
{
}

void TJPEGImage::LoadFromStream(TStream& stream)
{
    const std::size_t start = stream.Position();
    std::vector<std::byte> data = stream.ReadRemaining();
    THeader header;
    if (!data.empty()) {
        try {
            header = ReadHeader(data);
        } catch (...) {
            stream.SetPosition(start);
            throw;
        }
    }
    m_data = std::move(data);
    m_width = header.Width;
    m_height = header.Height;
    m_grayscale = header.Grayscale;
    m_progressive = header.Progressive;
    m_bitmap = QImage();
    m_bitmapScale = 1;
}

int JPEGScaleFor(int width, int height, int targetWidth, int targetHeight)
{
    // The picture decoded at 1/d still has at least as many pixels as the target each way,
    // so scaling down from it looks the same as from the whole picture.
    for (int denominator : { 8, 4, 2 }) {
        const int scaledWidth = (width + denominator - 1) / denominator;
        const int scaledHeight = (height + denominator - 1) / denominator;
        if (scaledWidth >= targetWidth && scaledHeight >= targetHeight)
            return denominator;
    }
    return 1;
}

void TJPEGImage::DecodeIfNeeded(int scaleDenominator)
{
    // A bitmap decoded at this scale or a finer one serves.
    if (m_data.empty() || (!m_bitmap.isNull() && m_bitmapScale <= scaleDenominator))
        return;
    m_bitmap = QImage(); // free the coarser bitmap before the finer one is made
    m_bitmap = Decode(m_data, m_pixelFormat == TJPEGPixelFormat::jf8Bit, scaleDenominator);
    m_bitmapScale = scaleDenominator;
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect)
{
    if (Empty())
        return;
    // A phone photo of a hundred megapixels drawn a few hundred pixels wide is decoded at an
    // eighth of its size: a fraction of the time, a sixty-fourth of the memory.
    DecodeIfNeeded(JPEGScaleFor(m_width, m_height, std::abs(rect.Right - rect.Left), std::abs(rect.Bottom - rect.Top)));
    canvas.StretchDrawImage(rect, m_bitmap);
}

QImage TJPEGImage::ToImage()
{
    DecodeIfNeeded(1);
    return m_bitmap;
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const { return std::make_unique<TJPEGImage>(*this); }

void TJPEGImage::SetPixelFormat(TJPEGPixelFormat format)
{
    if (format == m_pixelFormat)
        return;
    m_pixelFormat = format;
    m_bitmap = QImage();
    m_bitmapScale = 1;
}

void RegisterJPEGFileFormats()
{
    auto factory = [] { return std::unique_ptr<TGraphic>(std::make_unique<TJPEGImage>()); };
    TPicture::RegisterFileFormat("jpeg", LoadStr(Str::JPEGImageFile), factory);
    TPicture::RegisterFileFormat("jpg", LoadStr(Str::JPEGImageFile), factory);
}
