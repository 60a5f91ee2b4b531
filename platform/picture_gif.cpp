// GIF: the first frame only, as a still picture. The LZW stream must deliver
// every pixel of that frame; what follows the frame (more frames, the trailer)
// is never read.
#include <algorithm>
#include <array>
#include <vector>

#include "platform/picture_formats.h"

namespace {

constexpr int kMaxCodes = 4096;

struct ColourTable {
    std::array<uint32_t, 256> colours{};
    int count = 0;
};

// Reads a colour table of 2^(bits + 1) entries at `pos`.
bool readColourTable(const uint8_t* data, size_t size, size_t& pos, int bits, ColourTable& table) {
    table.count = 2 << bits;
    if (!spanFits(size, pos, uint64_t{3} * table.count))
        return false;
    for (int i = 0; i < table.count; ++i) {
        const uint8_t* e = data + pos + i * 3;
        table.colours[i] = opaquePixel(e[0], e[1], e[2]);
    }
    pos += 3 * table.count;
    return true;
}

// Walks data sub-blocks (length byte, then that many bytes) up to the empty
// block that ends them, handing each block to `take`.
template <typename Take>
bool readSubBlocks(const uint8_t* data, size_t size, size_t& pos, Take take) {
    for (;;) {
        if (!spanFits(size, pos, 1))
            return false;
        const size_t length = data[pos++];
        if (length == 0)
            return true;
        if (!spanFits(size, pos, length))
            return false;
        take(data + pos, length);
        pos += length;
    }
}

// Expands the LZW code stream into exactly `total` palette indices.
bool decodeLzw(const std::vector<uint8_t>& stream, int minCodeSize, size_t total,
               std::vector<uint8_t>& indices) {
    if (minCodeSize < 1 || minCodeSize > 8)
        return false;
    // Codes land in `indices` one string at a time, so the vector grows with
    // what the stream really holds, not with what the header claims.
    indices.clear();
    indices.reserve(std::min<size_t>(total, stream.size() * 8));

    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    std::array<uint16_t, kMaxCodes> prefix{};
    std::array<uint8_t, kMaxCodes> suffix{};
    std::array<uint8_t, kMaxCodes> first{};
    std::array<uint16_t, kMaxCodes> length{};
    for (int i = 0; i < clear; ++i) {
        suffix[i] = first[i] = static_cast<uint8_t>(i);
        length[i] = 1;
    }
    int codeSize = minCodeSize + 1;
    int next = clear + 2;
    int previous = -1;

    uint32_t bitBuffer = 0;
    int bitCount = 0;
    size_t pos = 0;
    std::array<uint8_t, kMaxCodes> string{};
    while (indices.size() < total) {
        while (bitCount < codeSize && pos < stream.size()) {
            bitBuffer |= uint32_t{stream[pos++]} << bitCount;
            bitCount += 8;
        }
        if (bitCount < codeSize)
            return false;  // the stream ran dry
        const int code = static_cast<int>(bitBuffer & ((1u << codeSize) - 1));
        bitBuffer >>= codeSize;
        bitCount -= codeSize;

        if (code == clear) {
            codeSize = minCodeSize + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end)
            return false;  // ended before the frame was full
        if (previous < 0) {
            if (code >= clear)
                return false;
            indices.push_back(static_cast<uint8_t>(code));
            previous = code;
            continue;
        }
        if (code > next)
            return false;
        // A full table stays as it is until the encoder sends a clear code.
        if (next < kMaxCodes) {
            prefix[next] = static_cast<uint16_t>(previous);
            suffix[next] = code < next ? first[code] : first[previous];
            first[next] = first[previous];
            length[next] = static_cast<uint16_t>(length[previous] + 1);
            ++next;
            if (next == (1 << codeSize) && codeSize < 12)
                ++codeSize;
        }
        const int n = length[code];
        int c = code;
        for (int i = n - 1; i >= 0; --i) {
            string[i] = suffix[c];
            c = prefix[c];
        }
        const size_t room = total - indices.size();
        indices.insert(indices.end(), string.begin(), string.begin() + std::min<size_t>(n, room));
        previous = code;
    }
    return true;
}

// The row of the frame that the n-th decoded row belongs to: interlaced frames
// store every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
int64_t interlacedRow(int64_t n, int64_t height) {
    const int64_t starts[4] = {0, 4, 2, 1};
    const int64_t steps[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        const int64_t rows = (height - starts[pass] + steps[pass] - 1) / steps[pass];
        if (rows > 0 && n < rows)
            return starts[pass] + n * steps[pass];
        n -= std::max<int64_t>(rows, 0);
    }
    return height - 1;  // unreachable for n < height
}

}  // namespace

bool decodeGif(const uint8_t* data, size_t size, Image& out) {
    if (!spanFits(size, 0, 13))
        return false;
    const int64_t screenWidth = readU16(data + 6);
    const int64_t screenHeight = readU16(data + 8);
    const uint8_t screenFlags = data[10];
    size_t pos = 13;
    ColourTable global;
    if ((screenFlags & 0x80) && !readColourTable(data, size, pos, screenFlags & 7, global)) {
        return false;
    }

    int transparent = -1;
    for (;;) {
        if (!spanFits(size, pos, 1))
            return false;
        const uint8_t introducer = data[pos++];
        if (introducer == 0x21) {  // extension
            if (!spanFits(size, pos, 1))
                return false;
            const uint8_t label = data[pos++];
            bool firstBlock = true;
            const bool ok = readSubBlocks(data, size, pos, [&](const uint8_t* block, size_t n) {
                // Graphic control: flags, delay (2 bytes), transparent index.
                if (label == 0xF9 && firstBlock && n >= 4) {
                    transparent = (block[0] & 1) ? block[3] : -1;
                }
                firstBlock = false;
            });
            if (!ok)
                return false;
        } else if (introducer == 0x2C) {  // image descriptor
            break;
        } else {
            return false;  // the trailer before any frame, or garbage
        }
    }

    if (!spanFits(size, pos, 9))
        return false;
    const int64_t left = readU16(data + pos);
    const int64_t top = readU16(data + pos + 2);
    const int64_t width = readU16(data + pos + 4);
    const int64_t height = readU16(data + pos + 6);
    const uint8_t flags = data[pos + 8];
    pos += 9;
    ColourTable local;
    if ((flags & 0x80) && !readColourTable(data, size, pos, flags & 7, local))
        return false;
    const ColourTable& colours = (flags & 0x80) ? local : global;
    if (colours.count == 0)
        return false;

    // A frame reaching past the logical screen widens the picture rather than
    // losing its edge.
    const int64_t canvasWidth = std::max(screenWidth, left + width);
    const int64_t canvasHeight = std::max(screenHeight, top + height);
    if (width == 0 || height == 0 || !pictureSizeAllowed(canvasWidth, canvasHeight))
        return false;

    if (!spanFits(size, pos, 1))
        return false;
    const int minCodeSize = data[pos++];
    std::vector<uint8_t> stream;
    if (!readSubBlocks(data, size, pos, [&](const uint8_t* block, size_t n) {
            stream.insert(stream.end(), block, block + n);
        })) {
        return false;
    }
    std::vector<uint8_t> indices;
    if (!decodeLzw(stream, minCodeSize, static_cast<size_t>(width * height), indices)) {
        return false;
    }

    if (!allocateImage(out, canvasWidth, canvasHeight, 0))
        return false;
    const bool interlaced = flags & 0x40;
    for (int64_t n = 0; n < height; ++n) {
        const int64_t y = top + (interlaced ? interlacedRow(n, height) : n);
        const uint8_t* row = &indices[static_cast<size_t>(n * width)];
        uint32_t* target = &out.pixels[static_cast<size_t>(y * canvasWidth + left)];
        for (int64_t x = 0; x < width; ++x) {
            const int index = row[x];
            if (index == transparent)
                continue;
            target[x] = index < colours.count ? colours.colours[index] : opaquePixel(0, 0, 0);
        }
    }
    return true;
}
