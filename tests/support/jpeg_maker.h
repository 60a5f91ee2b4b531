// JPEG files made on the spot with libjpeg's compressor, for tests that need a
// real camera-style picture without checking one in.
#pragma once

#include <cstdint>
#include <cstdio>  // jpeglib.h uses FILE without including it
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "platform/picture.h"

// 0xAARRGGBB for the pixel at x, y.
using PixelFunction = uint32_t (*)(int x, int y);

inline Bytes encodeJpeg(int width, int height, bool grey, bool progressive, PixelFunction pixel) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width) * info.input_components);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixel(x, static_cast<int>(info.next_scanline));
            if (grey) {
                row[x] = static_cast<JSAMPLE>(p & 0xFF);
            } else {
                row[x * 3] = static_cast<JSAMPLE>(p >> 16);
                row[x * 3 + 1] = static_cast<JSAMPLE>(p >> 8);
                row[x * 3 + 2] = static_cast<JSAMPLE>(p);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}
