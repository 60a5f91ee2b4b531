// The format decoders behind decodePicture, and what they share. Each decoder
// gets bytes whose signature already matched and fills a fresh Image.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/picture.h"

bool decodeJpeg(const uint8_t* data, size_t size, Image& out);
bool decodeBmp(const uint8_t* data, size_t size, Image& out);
bool decodeGif(const uint8_t* data, size_t size, Image& out);

// True when a picture of this size is within the caps of picture.h.
bool pictureSizeAllowed(int64_t width, int64_t height);
// Sizes `image` to width x height filled with `fill`; false (nothing
// allocated) when the size is not allowed.
bool allocateImage(Image& image, int64_t width, int64_t height, uint32_t fill);

inline uint32_t opaquePixel(uint32_t red, uint32_t green, uint32_t blue) {
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

// Little-endian fields of a byte range; the caller checks the range first.
inline uint32_t readU16(const uint8_t* p) {
    return p[0] | (uint32_t{p[1]} << 8);
}
inline uint32_t readU32(const uint8_t* p) {
    return p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}
// True when [offset, offset + count) lies inside a buffer of `size` bytes,
// without overflowing.
inline bool spanFits(size_t size, uint64_t offset, uint64_t count) {
    return offset <= size && count <= size - offset;
}
