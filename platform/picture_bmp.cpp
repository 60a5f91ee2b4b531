// Windows and OS/2 bitmaps. Every field is checked against the file before it
// is used: map previews are user files and may be anything.
#include <array>
#include <bit>
#include <cstdlib>

#include "platform/picture_formats.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;  // OS/2 1.x and BITMAPCOREHEADER
constexpr uint32_t kInfoHeaderSize = 40;

constexpr uint32_t kRgb = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitFields = 3;

// One colour channel of a 16- or 32-bit pixel, described by its mask.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    // False for a mask whose bits are not contiguous.
    bool set(uint32_t m) {
        mask = m;
        if (m == 0)
            return true;
        shift = std::countr_zero(m);
        bits = std::popcount(m);
        return std::countr_one(m >> shift) == bits;
    }
    uint32_t value(uint32_t pixel, uint32_t missing) const {
        if (mask == 0)
            return missing;
        const uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8)
            return v >> (bits - 8);
        const uint32_t max = (1u << bits) - 1;
        return (v * 255 + max / 2) / max;
    }
};

struct Header {
    int64_t width = 0;
    int64_t height = 0;  // negative: rows stored top-down
    uint32_t bits = 0;
    uint32_t compression = kRgb;
    uint32_t coloursUsed = 0;
    uint32_t paletteEntrySize = 4;
    Channel red, green, blue, alpha;
    bool hasAlpha = false;
};

bool readHeader(const uint8_t* data, size_t size, uint32_t headerSize, Header& h) {
    const uint8_t* p = data + kFileHeaderSize;
    if (headerSize == kCoreHeaderSize) {
        h.width = readU16(p + 4);
        h.height = readU16(p + 6);
        h.bits = readU16(p + 10);
        h.paletteEntrySize = 3;
        return true;
    }
    // BITMAPINFOHEADER and its successors (V2 52, V3 56, V4 108, V5 124) share
    // the first 40 bytes, and so does the OS/2 2.x header (64), whose
    // compression numbers 3 and 4 mean something else and are refused below.
    if (headerSize != kInfoHeaderSize && headerSize != 52 && headerSize != 56 && headerSize != 64 &&
        headerSize != 108 && headerSize != 124) {
        return false;
    }
    h.width = static_cast<int32_t>(readU32(p + 4));
    h.height = static_cast<int32_t>(readU32(p + 8));
    h.bits = readU16(p + 14);
    h.compression = readU32(p + 16);
    h.coloursUsed = readU32(p + 32);
    if (headerSize == 64 && h.compression > kRle4)
        return false;

    if (h.compression == kBitFields) {
        // The masks follow a plain 40-byte header and are part of the longer ones.
        const uint64_t masks = kFileHeaderSize + kInfoHeaderSize;
        const uint64_t maskBytes = headerSize == kInfoHeaderSize ? 12 : 0;
        if (!spanFits(size, masks, maskBytes))
            return false;
        if (!h.red.set(readU32(data + masks)) || !h.green.set(readU32(data + masks + 4)) ||
            !h.blue.set(readU32(data + masks + 8))) {
            return false;
        }
        if (headerSize >= 56) {
            if (!h.alpha.set(readU32(data + masks + 12)))
                return false;
            h.hasAlpha = h.alpha.mask != 0;
        }
    } else if (h.bits == 16) {
        h.red.set(0x7C00);
        h.green.set(0x03E0);
        h.blue.set(0x001F);
    } else if (h.bits == 32) {
        // Like GDI, a plain 32-bit bitmap's fourth byte is not alpha.
        h.red.set(0xFF0000);
        h.green.set(0xFF00);
        h.blue.set(0xFF);
    }
    return true;
}

bool formatSupported(const Header& h) {
    switch (h.compression) {
        case kRgb:
            return h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 16 || h.bits == 24 ||
                   h.bits == 32;
        case kRle8:
            return h.bits == 8 && h.height > 0;  // RLE is bottom-up only
        case kRle4:
            return h.bits == 4 && h.height > 0;
        case kBitFields:
            return h.bits == 16 || h.bits == 32;
        default:
            return false;
    }
}

using Palette = std::array<uint32_t, 256>;

// Pixels of a paletted row, one index per pixel.
uint32_t paletteIndex(const uint8_t* row, int64_t x, uint32_t bits) {
    switch (bits) {
        case 1:
            return (row[x / 8] >> (7 - x % 8)) & 1;
        case 4:
            return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F;
        default:
            return row[x];
    }
}

void decodeRows(const uint8_t* pixels, uint64_t stride, const Header& h, const Palette& palette,
                Image& out) {
    const int64_t rows = std::llabs(h.height);
    for (int64_t r = 0; r < rows; ++r) {
        const uint8_t* row = pixels + r * stride;
        const int64_t y = h.height < 0 ? r : rows - 1 - r;
        uint32_t* target = &out.pixels[static_cast<size_t>(y * h.width)];
        for (int64_t x = 0; x < h.width; ++x) {
            switch (h.bits) {
                case 24:
                    target[x] = opaquePixel(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
                    break;
                case 16:
                case 32: {
                    const uint32_t v = h.bits == 16 ? readU16(row + x * 2) : readU32(row + x * 4);
                    target[x] = (h.alpha.value(v, 255) << 24) | (h.red.value(v, 0) << 16) |
                                (h.green.value(v, 0) << 8) | h.blue.value(v, 0);
                    break;
                }
                default:
                    target[x] = palette[paletteIndex(row, x, h.bits)];
            }
        }
    }
    if (h.hasAlpha) {
        // Many writers declare an alpha mask and leave it zero: such a picture
        // is meant to be opaque, not invisible.
        bool anyAlpha = false;
        for (uint32_t p : out.pixels)
            anyAlpha = anyAlpha || (p >> 24) != 0;
        if (!anyAlpha) {
            for (uint32_t& p : out.pixels)
                p |= 0xFF000000u;
        }
    }
}

// RLE4 and RLE8. Pixels the stream skips stay transparent. The stream must end
// with its end-of-bitmap code: a file cut short is refused, not half shown.
bool decodeRle(const uint8_t* data, size_t size, uint64_t offset, const Header& h,
               const Palette& palette, Image& out) {
    const int64_t width = h.width;
    const int64_t height = h.height;
    int64_t x = 0;
    int64_t y = 0;  // counted from the bottom row
    auto put = [&](uint32_t index) {
        if (x < width && y < height) {
            out.pixels[static_cast<size_t>((height - 1 - y) * width + x)] = palette[index];
        }
        // Saturate: a long run of skips must not overflow the cursor.
        if (x < width)
            ++x;
    };
    const bool four = h.compression == kRle4;
    uint64_t pos = offset;
    for (;;) {
        if (!spanFits(size, pos, 2))
            return false;
        const uint32_t count = data[pos];
        const uint32_t value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            for (uint32_t i = 0; i < count; ++i) {
                put(four ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            }
            continue;
        }
        switch (value) {
            case 0:  // end of line
                x = 0;
                y = std::min(y + 1, height);
                break;
            case 1:  // end of bitmap
                return true;
            case 2:  // move right and up
                if (!spanFits(size, pos, 2))
                    return false;
                x = std::min<int64_t>(x + data[pos], width);
                y = std::min<int64_t>(y + data[pos + 1], height);
                pos += 2;
                break;
            default: {  // `value` literal pixels, padded to an even byte count
                const uint64_t bytes = four ? (value + 1) / 2 : value;
                if (!spanFits(size, pos, bytes + (bytes & 1)))
                    return false;
                for (uint32_t i = 0; i < value; ++i) {
                    const uint8_t b = data[pos + (four ? i / 2 : i)];
                    put(four ? (i % 2 == 0 ? b >> 4 : b & 0x0F) : b);
                }
                pos += bytes + (bytes & 1);
            }
        }
    }
}

}  // namespace

bool decodeBmp(const uint8_t* data, size_t size, Image& out) {
    if (!spanFits(size, 0, kFileHeaderSize + 4))
        return false;
    const uint32_t pixelOffset = readU32(data + 10);
    const uint32_t headerSize = readU32(data + kFileHeaderSize);
    if (!spanFits(size, kFileHeaderSize, headerSize))
        return false;

    Header h;
    if (!readHeader(data, size, headerSize, h) || !formatSupported(h))
        return false;
    if (h.width <= 0 || h.height == 0 || !pictureSizeAllowed(h.width, std::llabs(h.height))) {
        return false;
    }

    // Indices past the colours a file lists show black, as GDI shows them.
    Palette palette;
    palette.fill(opaquePixel(0, 0, 0));
    if (h.bits <= 8) {
        uint64_t start = uint64_t{kFileHeaderSize} + headerSize;
        if (headerSize == kInfoHeaderSize && h.compression == kBitFields)
            start += 12;
        uint64_t entries = h.coloursUsed == 0 ? (1u << h.bits) : h.coloursUsed;
        entries = std::min<uint64_t>(entries, 1u << h.bits);
        // Some writers count more colours than they store before the pixels.
        if (pixelOffset >= start) {
            entries = std::min<uint64_t>(entries, (pixelOffset - start) / h.paletteEntrySize);
        }
        if (!spanFits(size, start, entries * h.paletteEntrySize))
            return false;
        for (uint64_t i = 0; i < entries; ++i) {
            const uint8_t* e = data + start + i * h.paletteEntrySize;
            palette[i] = opaquePixel(e[2], e[1], e[0]);
        }
    }

    if (pixelOffset < kFileHeaderSize + headerSize || pixelOffset >= size)
        return false;
    if (h.compression == kRle8 || h.compression == kRle4) {
        if (!allocateImage(out, h.width, h.height, 0))
            return false;
        return decodeRle(data, size, pixelOffset, h, palette, out);
    }
    const uint64_t stride = ((static_cast<uint64_t>(h.width) * h.bits + 31) / 32) * 4;
    const uint64_t rows = static_cast<uint64_t>(std::llabs(h.height));
    // Checked before allocating, so a tiny file cannot claim a huge picture.
    if (!spanFits(size, pixelOffset, stride * rows))
        return false;
    if (!allocateImage(out, h.width, rows, 0))
        return false;
    decodeRows(data + pixelOffset, stride, h, palette, out);
    return true;
}
