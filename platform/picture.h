// Pictures as the picture boxes and picture buttons show them: JPEG, BMP or GIF
// bytes decoded to plain pixels, and the geometry of the three display modes.
// Both backends share this code; the pictures come from the game folder, so
// every decoder treats its input as hostile: bad bytes give false, never a
// crash, a hang or a huge allocation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/text.h"
#include "platform/window_template.h"

// 0xAARRGGBB per pixel, rows top-down. In memory on a little-endian machine
// this is B, G, R, A: a top-down 32-bit DIB as it is.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    bool empty() const { return width <= 0 || height <= 0; }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// What decodePicture accepts at most. The launcher's own pictures are far
// smaller (the banner is 800 x 400); the caps keep a hostile file from asking
// for gigabytes.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr int64_t kMaxPicturePixels = int64_t{1} << 25;  // 128 MiB of pixels
inline constexpr size_t kMaxPictureFileBytes = size_t{64} << 20;

// Detects the format by its signature (not by a file name) and decodes the
// first picture: JPEG (baseline and progressive; grey, colour and CMYK), BMP
// (1, 4, 8, 16, 24 and 32 bits; uncompressed, RLE4, RLE8 and bit fields) or
// GIF (first frame; transparency gives alpha 0). A corrupt, truncated or
// oversized file gives false and leaves `out` empty.
bool decodePicture(const Bytes& bytes, Image& out);

// Display modes of a picture box.
inline constexpr int kPictureNatural = 0;  // natural size at the top-left corner
inline constexpr int kPictureStretch = 1;  // stretched to fill the box
inline constexpr int kPictureCentred = 2;  // centred, scaled down (never up) keeping its shape

// Where a picture lands inside its box, in box coordinates. Natural size may
// reach past the box (the view clips it). In the centred mode a picture larger
// than the box in either direction is scaled by the smaller of the two ratios;
// the scaled size is rounded to the nearest pixel (never below 1) and the
// offsets are (box - size) / 2 rounded down. An unknown mode shows the natural
// size; an empty picture gives an empty rectangle.
Rect pictureDisplayRect(int mode, int pictureWidth, int pictureHeight, int boxWidth, int boxHeight);

// Resamples to exactly width x height: area averaging along an axis that
// shrinks, bilinear along one that grows, with alpha premultiplied so that
// transparent pixels do not bleed dark edges. Empty when either size is not
// positive or the result would exceed the caps above.
Image scaleImage(const Image& image, int width, int height);

// The look of a picture button without a disabled picture of its own: grey,
// lightened toward white, alpha kept.
Image disabledPicture(const Image& image);

// Blends every pixel over a solid 0xRRGGBB background and makes it opaque, for
// drawing paths that ignore alpha (StretchDIBits, SetDIBitsToDevice).
Image compositeOnto(const Image& image, uint32_t background);
