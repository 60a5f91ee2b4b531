// JPEG through libjpeg(-turbo). libjpeg reports fatal errors by calling
// error_exit, which by default ends the process; ours jumps back here instead.
// Between setjmp and any longjmp this file holds no C++ object that needs
// destroying: only the caller's Image, which is left in a valid state and
// cleared on failure.
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/picture_formats.h"

namespace {

// A hostile progressive file can hold thousands of tiny scans, each of which
// costs a pass over the whole picture.
constexpr int kMaxScans = 500;
// libjpeg's own working memory (coefficient buffers of progressive files).
constexpr long kMaxDecoderMemory = 512L << 20;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void failDecoding(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void onMessage(j_common_ptr info, int level) {
    // libjpeg makes up the rest of a truncated file as grey and only warns.
    // A cut-off file is a broken picture to us, and stopping here also spares
    // us decoding a huge made-up picture from a few bytes. Other warnings
    // (stray bytes between markers and the like) are harmless and ignored.
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        failDecoding(info);
    }
}

void ignoreOutput(j_common_ptr) {}

void onProgress(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans) {
        failDecoding(info);
    }
}

void storeRow(const JSAMPLE* row, const jpeg_decompress_struct& info, uint32_t* target) {
    const JDIMENSION width = info.output_width;
    switch (info.out_color_space) {
        case JCS_GRAYSCALE:
            for (JDIMENSION x = 0; x < width; ++x)
                target[x] = opaquePixel(row[x], row[x], row[x]);
            break;
        case JCS_CMYK:
            for (JDIMENSION x = 0; x < width; ++x) {
                uint32_t c = row[x * 4], m = row[x * 4 + 1], y = row[x * 4 + 2], k = row[x * 4 + 3];
                // Adobe's writers (and everyone who follows them) store CMYK
                // inverted: 255 means no ink.
                if (!info.saw_Adobe_marker) {
                    c = 255 - c;
                    m = 255 - m;
                    y = 255 - y;
                    k = 255 - k;
                }
                target[x] =
                    opaquePixel((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
            }
            break;
        default:
            for (JDIMENSION x = 0; x < width; ++x) {
                target[x] = opaquePixel(row[x * 3], row[x * 3 + 1], row[x * 3 + 2]);
            }
    }
}

}  // namespace

bool decodeJpeg(const uint8_t* data, size_t size, Image& out) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    // Zeroed first so that an error inside jpeg_create_decompress still leaves
    // a struct that jpeg_destroy_decompress can take.
    std::memset(&info, 0, sizeof info);
    std::memset(&progress, 0, sizeof progress);
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = failDecoding;
    errors.base.emit_message = onMessage;
    errors.base.output_message = ignoreOutput;
    progress.progress_monitor = onProgress;

    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        out = Image();
        return false;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kMaxDecoderMemory;
    info.progress = &progress;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);

    switch (info.jpeg_color_space) {
        case JCS_GRAYSCALE:
            info.out_color_space = JCS_GRAYSCALE;
            break;
        case JCS_CMYK:
        case JCS_YCCK:
            info.out_color_space = JCS_CMYK;
            break;
        default:
            // RGB and YCbCr; anything else fails in jpeg_start_decompress.
            info.out_color_space = JCS_RGB;
    }
    if (!pictureSizeAllowed(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    const int expected = info.out_color_space == JCS_GRAYSCALE ? 1
                         : info.out_color_space == JCS_CMYK    ? 4
                                                               : 3;
    if (info.output_components != expected ||
        !pictureSizeAllowed(info.output_width, info.output_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    // Rows are added as they are decoded: a few bytes that claim a huge
    // picture fail at their end before much memory is touched.
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.pixels.reserve(static_cast<size_t>(out.width) * out.height);
    // The row buffer lives in libjpeg's pool, which jpeg_destroy_decompress frees.
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height) {
        if (jpeg_read_scanlines(&info, row, 1) != 1) {
            break;
        }
        out.pixels.resize(out.pixels.size() + out.width);
        storeRow(row[0], info, &out.pixels[out.pixels.size() - out.width]);
    }
    // Reads on to the end-of-image marker, so a file cut anywhere is caught.
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}
