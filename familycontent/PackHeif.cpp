#include "familycontent/PackHeif.h"

#include "familycontent/ContentError.h"

#include <libheif/heif.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

std::string Unreadable()
{
    return FillText(TContentText::tr("this photo could not be read. Save it as JPEG and try again."));
}

} // namespace

bool IsHeifFile(const QByteArray& file)
{
    if (file.size() < 12 || file.mid(4, 4) != "ftyp")
        return false;
    const heif_filetype_result type = heif_check_filetype(reinterpret_cast<const std::uint8_t*>(file.constData()),
                                                          int(std::min<qsizetype>(file.size(), 64)));
    return type == heif_filetype_yes_supported || type == heif_filetype_yes_unsupported;
}

QImage DecodeHeif(const QByteArray& file, long long maxPixels)
{
    const std::unique_ptr<heif_context, void (*)(heif_context*)> context(heif_context_alloc(), heif_context_free);
    if (!context || heif_context_read_from_memory_without_copy(context.get(), file.constData(), std::size_t(file.size()),
                                                               nullptr).code != heif_error_Ok)
        throw std::runtime_error(Unreadable());
    heif_image_handle* rawHandle = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &rawHandle).code != heif_error_Ok)
        throw std::runtime_error(Unreadable());
    const std::unique_ptr<heif_image_handle, void (*)(const heif_image_handle*)> handle(rawHandle, heif_image_handle_release);
    const int width = heif_image_handle_get_width(handle.get());
    const int height = heif_image_handle_get_height(handle.get());
    if (width <= 0 || height <= 0)
        throw std::runtime_error(Unreadable());
    if ((long long)width * height > maxPixels)
        throw std::runtime_error(
            FillText(TContentText::tr("this photo is too large (%1 x %2 pixels). Save a smaller copy as JPEG and try again."),
                     std::to_string(width), std::to_string(height)));
    const bool alpha = heif_image_handle_has_alpha_channel(handle.get()) != 0;
    const std::unique_ptr<heif_decoding_options, void (*)(heif_decoding_options*)> options(heif_decoding_options_alloc(),
                                                                                         heif_decoding_options_free);
    options->convert_hdr_to_8bit = 1;
    heif_image* rawImage = nullptr;
    if (heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get()).code
        != heif_error_Ok)
        throw std::runtime_error(Unreadable());
    const std::unique_ptr<heif_image, void (*)(const heif_image*)> image(rawImage, heif_image_release);
    int stride = 0;
    const std::uint8_t* pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int shownWidth = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int shownHeight = heif_image_get_height(image.get(), heif_channel_interleaved);
    if (!pixels || shownWidth <= 0 || shownHeight <= 0)
        throw std::runtime_error(Unreadable());
    const QImage view(pixels, shownWidth, shownHeight, stride, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    return view.convertToFormat(QImage::Format_ARGB32);
}
