#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include <jpeglib.h>

// Compresses a picture with the JPEG library itself, a row at a time, so tests and benchmarks
// can make pictures of any size without holding their pixels. `row(y, samples)` fills row y:
// `components` samples a pixel (3 for RGB, 1 for grayscale, 4 for CMYK, which the library
// writes with an Adobe marker, as print software does).
inline std::vector<std::byte> EncodeJPEGRows(int width, int height, int components, int quality, bool progressive,
                                             const std::function<void(int y, JSAMPLE* samples)>& row)
{
    jpeg_compress_struct info {};
    jpeg_error_mgr error {};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> samples(std::size_t(width) * std::size_t(components));
    while (info.next_scanline < info.image_height) {
        row(int(info.next_scanline), samples.data());
        JSAMPROW pointer = samples.data();
        jpeg_write_scanlines(&info, &pointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::byte> bytes(size);
    std::memcpy(bytes.data(), buffer, size);
    std::free(buffer);
    return bytes;
}
