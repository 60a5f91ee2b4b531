#include "platform/picture.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "platform/picture_formats.h"

bool pictureSizeAllowed(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

bool allocateImage(Image& image, int64_t width, int64_t height, uint32_t fill) {
    if (!pictureSizeAllowed(width, height))
        return false;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.assign(static_cast<size_t>(width * height), fill);
    return true;
}

bool decodePicture(const Bytes& bytes, Image& out) {
    out = Image();
    const size_t size = bytes.size();
    if (size > kMaxPictureFileBytes)
        return false;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());

    Image decoded;
    bool ok = false;
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) {
        ok = decodeJpeg(data, size, decoded);
    } else if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        ok = decodeBmp(data, size, decoded);
    } else if (size >= 6 &&
               (std::memcmp(data, "GIF87a", 6) == 0 || std::memcmp(data, "GIF89a", 6) == 0)) {
        ok = decodeGif(data, size, decoded);
    }
    if (!ok || decoded.empty())
        return false;
    out = std::move(decoded);
    return true;
}

Rect pictureDisplayRect(int mode, int pictureWidth, int pictureHeight, int boxWidth,
                        int boxHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return Rect{};
    const int64_t boxW = std::max(boxWidth, 0);
    const int64_t boxH = std::max(boxHeight, 0);
    switch (mode) {
        case kPictureStretch:
            return Rect{0, 0, static_cast<int>(boxW), static_cast<int>(boxH)};
        case kPictureCentred: {
            int64_t w = pictureWidth;
            int64_t h = pictureHeight;
            if (w > boxW || h > boxH) {
                if (boxW == 0 || boxH == 0)
                    return Rect{};
                // Compare the ratios boxH / h and boxW / w exactly, in integers,
                // so that a tie or a near tie cannot tip a side past the box.
                if (w * boxH <= h * boxW) {
                    w = (2 * w * boxH + h) / (2 * h);
                    h = boxH;
                } else {
                    h = (2 * h * boxW + w) / (2 * w);
                    w = boxW;
                }
                w = std::max<int64_t>(w, 1);
                h = std::max<int64_t>(h, 1);
            }
            return Rect{static_cast<int>((boxW - w) / 2), static_cast<int>((boxH - h) / 2),
                        static_cast<int>(w), static_cast<int>(h)};
        }
        default:
            return Rect{0, 0, pictureWidth, pictureHeight};
    }
}

namespace {

// The source pixels that make up one destination pixel along one axis, with
// weights that sum to 1.
struct Taps {
    std::vector<int> first;   // per destination pixel: index of its first tap
    std::vector<int> count;   // per destination pixel: number of taps
    std::vector<int> source;  // per tap
    std::vector<float> weight;
};

Taps buildTaps(int sourceSize, int targetSize) {
    Taps taps;
    taps.first.resize(targetSize);
    taps.count.resize(targetSize);
    const double scale = static_cast<double>(sourceSize) / targetSize;
    for (int i = 0; i < targetSize; ++i) {
        taps.first[i] = static_cast<int>(taps.source.size());
        if (targetSize >= sourceSize) {
            // Growing: the two nearest source pixels, centres aligned.
            double centre = (i + 0.5) * scale - 0.5;
            centre = std::clamp(centre, 0.0, static_cast<double>(sourceSize - 1));
            const int left = static_cast<int>(centre);
            const int right = std::min(left + 1, sourceSize - 1);
            const double fraction = centre - left;
            taps.source.push_back(left);
            taps.weight.push_back(static_cast<float>(1.0 - fraction));
            if (right != left && fraction > 0) {
                taps.source.push_back(right);
                taps.weight.push_back(static_cast<float>(fraction));
            }
        } else {
            // Shrinking: every source pixel the destination pixel covers,
            // weighted by how much of it is covered.
            const double begin = i * scale;
            const double end = std::min((i + 1) * scale, static_cast<double>(sourceSize));
            const int last = std::min(static_cast<int>(std::ceil(end)), sourceSize);
            for (int s = static_cast<int>(begin); s < last; ++s) {
                const double covered =
                    std::min(end, s + 1.0) - std::max(begin, static_cast<double>(s));
                if (covered <= 0)
                    continue;
                taps.source.push_back(s);
                taps.weight.push_back(static_cast<float>(covered / scale));
            }
        }
        taps.count[i] = static_cast<int>(taps.source.size()) - taps.first[i];
    }
    return taps;
}

// Premultiplied channels as floats, 4 per pixel: alpha, red, green, blue.
using Plane = std::vector<float>;

uint32_t channel(float value) {
    return static_cast<uint32_t>(std::clamp(value, 0.0f, 255.0f) + 0.5f);
}

}  // namespace

Image scaleImage(const Image& image, int width, int height) {
    Image scaled;
    if (image.empty() || image.pixels.size() != static_cast<size_t>(image.width) * image.height ||
        !pictureSizeAllowed(width, height)) {
        return scaled;
    }
    if (width == image.width && height == image.height)
        return image;

    const int sw = image.width;
    const int sh = image.height;
    Plane source(static_cast<size_t>(sw) * sh * 4);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        const uint32_t p = image.pixels[i];
        const float a = static_cast<float>(p >> 24);
        source[i * 4] = a;
        source[i * 4 + 1] = static_cast<float>((p >> 16) & 0xFF) * a / 255.0f;
        source[i * 4 + 2] = static_cast<float>((p >> 8) & 0xFF) * a / 255.0f;
        source[i * 4 + 3] = static_cast<float>(p & 0xFF) * a / 255.0f;
    }

    const Taps across = buildTaps(sw, width);
    Plane rows(static_cast<size_t>(width) * sh * 4, 0.0f);
    for (int y = 0; y < sh; ++y) {
        const float* in = &source[static_cast<size_t>(y) * sw * 4];
        float* out = &rows[static_cast<size_t>(y) * width * 4];
        for (int x = 0; x < width; ++x) {
            for (int t = across.first[x]; t < across.first[x] + across.count[x]; ++t) {
                const float* p = in + static_cast<size_t>(across.source[t]) * 4;
                const float w = across.weight[t];
                for (int c = 0; c < 4; ++c)
                    out[x * 4 + c] += p[c] * w;
            }
        }
    }

    const Taps down = buildTaps(sh, height);
    scaled.width = width;
    scaled.height = height;
    scaled.pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float sum[4] = {0, 0, 0, 0};
            for (int t = down.first[y]; t < down.first[y] + down.count[y]; ++t) {
                const float* p = &rows[(static_cast<size_t>(down.source[t]) * width + x) * 4];
                const float w = down.weight[t];
                for (int c = 0; c < 4; ++c)
                    sum[c] += p[c] * w;
            }
            const uint32_t a = channel(sum[0]);
            uint32_t pixel = 0;
            if (a > 0) {
                const float unpremultiply = 255.0f / sum[0];
                pixel = (a << 24) | (channel(sum[1] * unpremultiply) << 16) |
                        (channel(sum[2] * unpremultiply) << 8) | channel(sum[3] * unpremultiply);
            }
            scaled.pixels[static_cast<size_t>(y) * width + x] = pixel;
        }
    }
    return scaled;
}

Image disabledPicture(const Image& image) {
    Image grey = image;
    for (uint32_t& p : grey.pixels) {
        const uint32_t luma =
            (((p >> 16) & 0xFF) * 299 + ((p >> 8) & 0xFF) * 587 + (p & 0xFF) * 114 + 500) / 1000;
        // Half-way to white: the picture stays readable but plainly inactive.
        const uint32_t v = 128 + luma / 2;
        p = (p & 0xFF000000u) | (v << 16) | (v << 8) | v;
    }
    return grey;
}

Image compositeOnto(const Image& image, uint32_t background) {
    Image flat = image;
    for (uint32_t& p : flat.pixels) {
        const uint32_t a = p >> 24;
        uint32_t result = 0xFF000000u;
        for (int shift = 0; shift <= 16; shift += 8) {
            const uint32_t fg = (p >> shift) & 0xFF;
            const uint32_t bg = (background >> shift) & 0xFF;
            result |= ((fg * a + bg * (255 - a) + 127) / 255) << shift;
        }
        p = result;
    }
    return flat;
}
