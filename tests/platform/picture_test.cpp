#include "platform/picture.h"

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/jpeg_maker.h"

namespace {

Bytes fromHex(std::string_view hex) {
    Bytes bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return bytes;
}

void put16(Bytes& b, uint32_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>((v >> 8) & 0xFF);
}
void put32(Bytes& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) {
    return 0xFF000000u | r << 16 | g << 8 | b;
}

bool near(uint32_t pixel, uint32_t expected, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        if (std::abs(static_cast<int>((pixel >> shift) & 0xFF) -
                     static_cast<int>((expected >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

Image decoded(const Bytes& bytes) {
    Image image;
    EXPECT_TRUE(decodePicture(bytes, image));
    return image;
}

// Every cut of a picture file short of `needed` bytes must be refused.
void expectEveryCutRefused(const Bytes& file, size_t needed) {
    Image image;
    for (size_t n = 0; n < needed; ++n) {
        ASSERT_FALSE(decodePicture(file.substr(0, n), image)) << "cut at " << n << " of " << needed;
        ASSERT_TRUE(image.empty());
    }
}

// The picture behind the ImageMagick samples below: 5 x 10, each row its own
// colour, a right-hand column alternating white and blue, magenta at 0,0.
uint32_t samplePixel(int x, int y) {
    if (x == 0 && y == 0)
        return rgb(255, 0, 255);
    if (x == 4)
        return y % 2 ? rgb(0, 0, 255) : rgb(255, 255, 255);
    return rgb(y * 25, 255 - y * 25, 0);
}

// --- JPEG -----------------------------------------------------------------

uint32_t bannerPixel(int x, int y) {
    return rgb(x * 255 / 799, y * 255 / 399, 128);
}

TEST(PictureJpeg, DecodesColourGreyAndProgressiveFiles) {
    for (bool progressive : {false, true}) {
        const Image banner = decoded(encodeJpeg(800, 400, false, progressive, bannerPixel));
        ASSERT_EQ(banner.width, 800);
        ASSERT_EQ(banner.height, 400);
        for (auto [x, y] : {std::pair{0, 0}, {799, 0}, {0, 399}, {799, 399}, {400, 200}}) {
            EXPECT_TRUE(near(banner.at(x, y), bannerPixel(x, y), 6)) << x << "," << y;
        }
    }
    const Image grey = decoded(encodeJpeg(
        16, 8, true, false, [](int x, int) { return x < 8 ? rgb(0, 0, 40) : rgb(0, 0, 220); }));
    ASSERT_EQ(grey.width, 16);
    EXPECT_TRUE(near(grey.at(2, 3), rgb(40, 40, 40), 4));
    EXPECT_TRUE(near(grey.at(13, 3), rgb(220, 220, 220), 4));
}

TEST(PictureJpeg, ShowsAdobeCmykInItsTrueColours) {
    // ImageMagick: convert -size 8x8 xc:red -colorspace CMYK -strip cmyk.jpg
    const Image red = decoded(fromHex(
        "ffd8ffee000e41646f626500640000000002ffdb0043000302020302020303030304030304050805050404"
        "050a070706080c0a0c0c0b0a0b0b0d0e12100d0e110e0b0b1016101113141515150c0f1718161418121415"
        "14ffdb00430103040405040509050509140d0b0d14141414141414141414141414141414141414141414141"
        "41414141414141414141414141414141414141414141414141414ffc0001408000800080401110002110103"
        "1101041100ffc4001500010100000000000000000000000000000809ffc4001410010000000000000000000"
        "0000000000000ffc4001501010100000000000000000000000000000709ffc4001411010000000000000000"
        "0000000000000000ffda000e040100021103110400003f00441cd2a954dfffd9"));
    ASSERT_EQ(red.width, 8);
    EXPECT_TRUE(near(red.at(3, 3), rgb(255, 0, 0), 3));
}

TEST(PictureJpeg, RefusesCutOversizedAndForeignFiles) {
    for (bool progressive : {false, true}) {
        const Bytes file = encodeJpeg(16, 16, false, progressive, [](int x, int y) {
            return rgb(x * 16, y * 16, (x ^ y) * 16);
        });
        EXPECT_FALSE(decoded(file).empty());
        // Even a file that lacks only its end marker: libjpeg would invent the rest.
        expectEveryCutRefused(file, file.size());
    }

    // The frame header of an 8 x 8 file rewritten to claim a huge picture:
    // refused from the header alone, before anything is allocated.
    Bytes file = encodeJpeg(8, 8, false, false, bannerPixel);
    const size_t frame = file.find("\xFF\xC0");
    ASSERT_NE(frame, Bytes::npos);
    Image image;
    for (auto [w, h] : {std::pair{20000, 8}, {8000, 8000}, {65535, 65535}}) {
        file[frame + 5] = static_cast<char>(h >> 8);
        file[frame + 6] = static_cast<char>(h);
        file[frame + 7] = static_cast<char>(w >> 8);
        file[frame + 8] = static_cast<char>(w);
        EXPECT_FALSE(decodePicture(file, image)) << w << "x" << h;
    }

    // Garbage after a JPEG signature, and formats we do not read.
    EXPECT_FALSE(decodePicture(Bytes("\xFF\xD8\xFF\xE0garbage garbage", 18), image));
    EXPECT_FALSE(decodePicture(fromHex("89504e470d0a1a0a0000000d49484452"), image));
    EXPECT_FALSE(decodePicture(Bytes(), image));
    EXPECT_TRUE(image.empty());
}

// --- BMP ------------------------------------------------------------------

struct BmpSpec {
    uint32_t headerSize = 40;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t bits = 24;
    uint32_t compression = 0;
    std::vector<uint32_t> palette = {};  // 0xRRGGBB
    std::vector<uint32_t> masks = {};    // red, green, blue, alpha
};

Bytes bmpFile(const BmpSpec& s, const Bytes& pixels) {
    const bool core = s.headerSize == 12;
    const uint32_t entry = core ? 3 : 4;
    const uint32_t maskBytes = s.headerSize == 40 && s.compression == 3 ? 12 : 0;
    const uint32_t offset =
        14 + s.headerSize + maskBytes + static_cast<uint32_t>(s.palette.size()) * entry;
    Bytes b = "BM";
    put32(b, offset + static_cast<uint32_t>(pixels.size()));
    put32(b, 0);
    put32(b, offset);
    put32(b, s.headerSize);
    if (core) {
        put16(b, s.width);
        put16(b, s.height);
        put16(b, 1);
        put16(b, s.bits);
    } else {
        put32(b, s.width);
        put32(b, s.height);
        put16(b, 1);
        put16(b, s.bits);
        put32(b, s.compression);
        put32(b, static_cast<uint32_t>(pixels.size()));
        put32(b, 2835);
        put32(b, 2835);
        put32(b, static_cast<uint32_t>(s.palette.size()));
        put32(b, 0);
        for (size_t i = 0; i < 4 && b.size() < 14 + s.headerSize; ++i) {
            put32(b, i < s.masks.size() ? s.masks[i] : 0);
        }
        b.resize(14 + s.headerSize, '\0');
        for (size_t i = 0; i < maskBytes / 4; ++i)
            put32(b, s.masks[i]);
    }
    for (uint32_t c : s.palette) {
        b += static_cast<char>(c & 0xFF);
        b += static_cast<char>((c >> 8) & 0xFF);
        b += static_cast<char>(c >> 16);
        if (!core)
            b += '\0';
    }
    return b + pixels;
}

// 3 x 2, 24 bits: each row is 9 bytes plus 3 of padding.
const Bytes kBottomRow = fromHex("0000ff00ff00ff0000000000");  // red, green, blue
const Bytes kTopRow = fromHex("ffffff000000808080000000");     // white, black, grey

TEST(PictureBmp, ReadsRowOrdersDepthsAndHeaderKinds) {
    const Image bottomUp = decoded(bmpFile({.width = 3, .height = 2}, kBottomRow + kTopRow));
    const Image topDown = decoded(bmpFile({.width = 3, .height = -2}, kTopRow + kBottomRow));
    for (const Image& image : {bottomUp, topDown}) {
        ASSERT_EQ(image.width, 3);
        ASSERT_EQ(image.height, 2);
        EXPECT_EQ(image.pixels,
                  (std::vector<uint32_t>{rgb(255, 255, 255), rgb(0, 0, 0), rgb(128, 128, 128),
                                         rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255)}));
    }

    // The same 10 x 1 row of palette indices 0,1,0,1... in 1, 4 and 8 bits, in
    // Windows and OS/2 headers.
    const std::vector<uint32_t> twoColours = {0x102030, 0xA0B0C0};
    const std::vector<uint32_t> expected = {0xFF102030, 0xFFA0B0C0, 0xFF102030, 0xFFA0B0C0,
                                            0xFF102030, 0xFFA0B0C0, 0xFF102030, 0xFFA0B0C0,
                                            0xFF102030, 0xFFA0B0C0};
    const Bytes row1 = fromHex(
        "5540"
        "0000");
    const Bytes row4 = fromHex(
        "0101010101"
        "000000");
    const Bytes row8 = fromHex(
        "00010001000100010001"
        "0000");
    for (uint32_t header : {40u, 12u}) {
        for (auto [bits, row] : {std::pair{1u, row1}, {4u, row4}, {8u, row8}}) {
            const Image image = decoded(bmpFile({.headerSize = header,
                                                 .width = 10,
                                                 .height = 1,
                                                 .bits = bits,
                                                 .palette = twoColours},
                                                row));
            EXPECT_EQ(image.pixels, expected) << bits << " bits, header " << header;
        }
    }
    // An index beyond the colours stored shows black instead of reading past them.
    const Image stray = decoded(
        bmpFile({.width = 2, .height = 1, .bits = 8, .palette = twoColours}, fromHex("00070000")));
    EXPECT_EQ(stray.pixels, (std::vector<uint32_t>{0xFF102030, 0xFF000000}));
}

TEST(PictureBmp, ReadsBitFieldsAndAlpha) {
    // 16 bits 5-6-5: pure red, pure green.
    const Image rgb565 = decoded(bmpFile(
        {.width = 2, .height = 1, .bits = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F}},
        fromHex("00f8e007")));
    EXPECT_EQ(rgb565.pixels, (std::vector<uint32_t>{rgb(255, 0, 0), rgb(0, 255, 0)}));

    // 32 bits with a real alpha channel in a V5 header: half-transparent blue.
    const std::vector<uint32_t> argb = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    const Image alpha = decoded(bmpFile(
        {.headerSize = 124, .width = 1, .height = 1, .bits = 32, .compression = 3, .masks = argb},
        fromHex("ff000080")));
    EXPECT_EQ(alpha.pixels[0], 0x800000FFu);
    // The same with every alpha byte zero: meant opaque.
    const Image zeroAlpha = decoded(bmpFile(
        {.headerSize = 108, .width = 1, .height = 1, .bits = 32, .compression = 3, .masks = argb},
        fromHex("ff000000")));
    EXPECT_EQ(zeroAlpha.pixels[0], 0xFF0000FFu);
    // Plain 32 bits: the fourth byte is padding, whatever it holds.
    const Image plain =
        decoded(bmpFile({.width = 1, .height = 1, .bits = 32}, fromHex("00ff0012")));
    EXPECT_EQ(plain.pixels[0], rgb(0, 255, 0));
}

// ImageMagick's RLE8 of the sample picture (convert sample.ppm -type Palette
// -compress RLE bmp3:), with its palette cut to the 13 colours it uses. Its
// runs cover the row padding too, past the picture's right edge.
const std::vector<uint32_t> kSamplePalette = {0xe11e00, 0xc83700, 0xaf5000, 0x966900, 0x7d8200,
                                              0x649b00, 0x4bb400, 0x32cd00, 0x19e600, 0x00ff00,
                                              0x0000ff, 0xff00ff, 0xffffff};
const Bytes kSampleRle8 = fromHex(
    "0400010a030000000401010c030000000402010a030000000403010c030000000404010a030000000405010c"
    "030000000406010a030000000407010c030000000408010a03000000010b0309010c030000000001");

TEST(PictureBmp, ReadsRunLengthEncodedFiles) {
    const Bytes file =
        bmpFile({.width = 5, .height = 10, .bits = 8, .compression = 1, .palette = kSamplePalette},
                kSampleRle8);
    const Image sample = decoded(file);
    ASSERT_EQ(sample.width, 5);
    ASSERT_EQ(sample.height, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(sample.at(x, y), samplePixel(x, y)) << x << "," << y;
    }
    expectEveryCutRefused(file, file.size());

    // RLE4 by hand, 4 x 3: a run of 0,1,0,1 on the bottom row; a move right
    // by 1 and up by 1; an odd literal of three pixels 2,1,2 (padded); end.
    // Skipped pixels stay transparent.
    const Image rle4 = decoded(bmpFile({.width = 4,
                                        .height = 3,
                                        .bits = 4,
                                        .compression = 2,
                                        .palette = {0x000000, 0xFFFFFF, 0xFF0000}},
                                       fromHex("0401"
                                               "0000"
                                               "00020101"
                                               "0003"
                                               "2120"
                                               "0000"
                                               "0001")));
    const uint32_t k = rgb(0, 0, 0), w = rgb(255, 255, 255), r = rgb(255, 0, 0);
    EXPECT_EQ(rle4.pixels, (std::vector<uint32_t>{0, r, w, r, 0, 0, 0, 0, k, w, k, w}));
}

TEST(PictureBmp, RefusesCutCorruptAndOversizedFiles) {
    const Bytes file = bmpFile({.width = 3, .height = 2}, kBottomRow + kTopRow);
    expectEveryCutRefused(file, file.size());

    Image image;
    const auto refused = [&](const BmpSpec& spec, const Bytes& pixels) {
        return !decodePicture(bmpFile(spec, pixels), image) && image.empty();
    };
    // Sizes a few bytes cannot hold, or no one should hold.
    EXPECT_TRUE(refused({.width = 60000, .height = 60000}, Bytes(64, 'x')));
    EXPECT_TRUE(
        refused({.width = 9000, .height = 9000, .bits = 8, .compression = 1, .palette = {0}},
                fromHex("0001")));
    EXPECT_TRUE(refused({.width = 0, .height = 1}, Bytes(4, 'x')));
    EXPECT_TRUE(refused({.width = 1, .height = -2147483647 - 1}, Bytes(4, 'x')));
    // A mask with a hole in it, an unknown depth, an unknown compression, an
    // RLE stream that never ends, an RLE file stored top-down.
    EXPECT_TRUE(refused(
        {.width = 1, .height = 1, .bits = 32, .compression = 3, .masks = {0xF0F000, 0xFF00, 0xFF}},
        Bytes(4, 'x')));
    EXPECT_TRUE(refused({.width = 1, .height = 1, .bits = 7}, Bytes(4, 'x')));
    EXPECT_TRUE(refused({.width = 1, .height = 1, .compression = 4}, Bytes(4, 'x')));
    EXPECT_TRUE(refused({.width = 4, .height = 4, .bits = 8, .compression = 1, .palette = {0}},
                        fromHex("04000000040000000400")));
    EXPECT_TRUE(refused({.width = 1, .height = -1, .bits = 8, .compression = 1, .palette = {0}},
                        fromHex("01000001")));
    // Runs, literals and moves far past the edges are clipped, not written.
    const Image clipped = decoded(
        bmpFile({.width = 2, .height = 2, .bits = 8, .compression = 1, .palette = {0x00FF00}},
                fromHex("ff00"
                        "0002ffff"
                        "ff00"
                        "00030000"
                        "0000"
                        "0000"
                        "0001")));
    EXPECT_EQ(clipped.pixels, (std::vector<uint32_t>{0, 0, rgb(0, 255, 0), rgb(0, 255, 0)}));
}

// --- GIF ------------------------------------------------------------------

// A plain GIF encoder: one frame, LZW that clears its table when it is full.
Bytes lzw(const std::vector<uint8_t>& indices, int minCodeSize) {
    const int clear = 1 << minCodeSize;
    std::map<std::pair<int, uint8_t>, int> table;
    Bytes out;
    uint32_t bits = 0;
    int count = 0;
    int codeSize = minCodeSize + 1;
    int next = clear + 2;
    const auto emit = [&](int code) {
        bits |= static_cast<uint32_t>(code) << count;
        for (count += codeSize; count >= 8; count -= 8, bits >>= 8)
            out += static_cast<char>(bits);
    };
    emit(clear);
    int current = -1;
    for (uint8_t v : indices) {
        if (current < 0) {
            current = v;
            continue;
        }
        if (auto found = table.find({current, v}); found != table.end()) {
            current = found->second;
            continue;
        }
        emit(current);
        if (next < 4096) {
            if (next == (1 << codeSize) && codeSize < 12)
                ++codeSize;
            table[{current, v}] = next++;
        } else {
            emit(clear);
            table.clear();
            codeSize = minCodeSize + 1;
            next = clear + 2;
        }
        current = v;
    }
    emit(current);
    if (next == (1 << codeSize) && codeSize < 12)
        ++codeSize;
    emit(clear + 1);
    if (count > 0)
        out += static_cast<char>(bits);
    return out;
}

struct GifSpec {
    int screenWidth = 0;
    int screenHeight = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int paletteBits = 8;  // 2^paletteBits global colours
    int transparent = -1;
};

Bytes gifFile(const GifSpec& s, const std::vector<uint8_t>& indices) {
    Bytes b = "GIF89a";
    put16(b, s.screenWidth);
    put16(b, s.screenHeight);
    b += static_cast<char>(0xF0 | (s.paletteBits - 1));
    b += Bytes(2, '\0');
    for (int i = 0; i < (1 << s.paletteBits); ++i) {
        b += static_cast<char>(i);
        b += static_cast<char>(255 - i);
        b += static_cast<char>(i * 7);
    }
    if (s.transparent >= 0) {
        b += fromHex("21f90401000000");
        b[b.size() - 1] = static_cast<char>(s.transparent);
        b += '\0';
    }
    b += ',';
    put16(b, s.left);
    put16(b, s.top);
    put16(b, s.width);
    put16(b, s.height);
    b += '\0';
    const int minCodeSize = std::max(s.paletteBits, 2);
    b += static_cast<char>(minCodeSize);
    const Bytes data = lzw(indices, minCodeSize);
    for (size_t at = 0; at < data.size(); at += 255) {
        const Bytes block = data.substr(at, 255);
        b += static_cast<char>(block.size());
        b += block;
    }
    return b + Bytes(1, '\0') + ";";
}

uint32_t gifColour(int i) {
    return rgb(i, 255 - i, (i * 7) & 0xFF);
}

TEST(PictureGif, ReadsInterlacedTransparentFrame) {
    // ImageMagick: convert sample.ppm -interlace GIF -transparent magenta -strip
    const Bytes file = fromHex(
        "47494638396105000a00f30b00e11e00c83700af50009669007d8200649b004bb40032cd0019e60000ff00"
        "0000ffffffff00000000000000000000000021f9040100000c002c0000000005000a0040041e90a5b9820d"
        "abe8b28e3fcb200e0b62228aa11a0ae1128a200b0a60034a04003b");
    const Image sample = decoded(file);
    ASSERT_EQ(sample.width, 5);
    ASSERT_EQ(sample.height, 10);
    EXPECT_EQ(sample.at(0, 0) >> 24, 0u);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 5; ++x) {
            if (x != 0 || y != 0) {
                EXPECT_EQ(sample.at(x, y), samplePixel(x, y)) << x << "," << y;
            }
        }
    }
    // Whatever follows the first frame (here only the trailer) is not needed.
    expectEveryCutRefused(file, file.size() - 1);
    EXPECT_FALSE(decoded(file.substr(0, file.size() - 1)).empty());
}

TEST(PictureGif, ReadsLongCodeStreams) {
    // Noise in 256 colours fills the code table many times over (clear codes
    // at 12 bits); one flat colour makes the longest strings and the codes
    // that refer to themselves.
    std::vector<uint8_t> noise(300 * 103);
    uint32_t seed = 12345;
    for (uint8_t& v : noise) {
        seed = seed * 1103515245 + 12345;
        v = static_cast<uint8_t>((seed >> 16) % 7 == 0 ? 3 : seed >> 20);
    }
    const Image a = decoded(
        gifFile({.screenWidth = 300, .screenHeight = 103, .width = 300, .height = 103}, noise));
    ASSERT_EQ(a.width, 300);
    for (size_t i = 0; i < noise.size(); ++i)
        ASSERT_EQ(a.pixels[i], gifColour(noise[i])) << i;

    const std::vector<uint8_t> flat(640 * 200, 1);
    const Image b = decoded(gifFile(
        {.screenWidth = 640, .screenHeight = 200, .width = 640, .height = 200, .paletteBits = 1},
        flat));
    ASSERT_EQ(b.pixels.size(), flat.size());
    EXPECT_EQ(b.pixels.front(), gifColour(1));
    EXPECT_EQ(b.pixels.back(), gifColour(1));

    // A frame placed inside a larger screen, and one reaching past it.
    const Image inside = decoded(gifFile({.screenWidth = 4,
                                          .screenHeight = 3,
                                          .left = 1,
                                          .top = 1,
                                          .width = 2,
                                          .height = 2,
                                          .paletteBits = 2},
                                         {1, 2, 3, 1}));
    EXPECT_EQ(inside.pixels, (std::vector<uint32_t>{0, 0, 0, 0, 0, gifColour(1), gifColour(2), 0, 0,
                                                    gifColour(3), gifColour(1), 0}));
    const Image beyond = decoded(gifFile({.screenWidth = 1,
                                          .screenHeight = 1,
                                          .left = 2,
                                          .width = 1,
                                          .height = 1,
                                          .paletteBits = 2,
                                          .transparent = 0},
                                         {2}));
    EXPECT_EQ(beyond.width, 3);
    EXPECT_EQ(beyond.pixels, (std::vector<uint32_t>{0, 0, gifColour(2)}));
}

TEST(PictureGif, RefusesShortCorruptAndOversizedFrames) {
    Image image;
    const GifSpec spec{
        .screenWidth = 4, .screenHeight = 4, .width = 4, .height = 4, .paletteBits = 2};
    const std::vector<uint8_t> pixels = {0, 1, 2, 3, 3, 2, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1};
    const Bytes good = gifFile(spec, pixels);
    EXPECT_FALSE(decoded(good).empty());
    // Too few pixels in the stream (the frame claims 5 rows).
    const size_t descriptor = 13 + 12;  // after the header and 4 colours
    Bytes taller = good;
    taller[descriptor + 7] = 5;
    EXPECT_FALSE(decodePicture(taller, image));
    // Codes of 3 bits after the clear code (4): a first code that is no
    // colour (6), the end code (5) before the frame is full, and a code (7)
    // beyond the table after the literal 0.
    const size_t codeSize = descriptor + 10;
    const size_t data = codeSize + 2;
    for (auto [first, second] : {std::pair{0x34, 0}, {0x2C, 0}, {0xC4, 1}}) {
        Bytes bad = good;
        bad[data] = static_cast<char>(first);
        bad[data + 1] = static_cast<char>(bad[data + 1] | second);
        EXPECT_FALSE(decodePicture(bad, image)) << first;
    }
    // Code sizes GIF does not allow, and no colour table at all.
    for (char size : {'\0', '\1', '\x0C'}) {
        Bytes badSize = good;
        badSize[codeSize] = size;
        EXPECT_FALSE(decodePicture(badSize, image));
    }
    Bytes noPalette =
        fromHex("4749463839610100010000000021f90401000000002c00000000010001000002024401003b");
    EXPECT_FALSE(decodePicture(noPalette, image));
    // A huge frame from a few bytes.
    EXPECT_FALSE(decodePicture(gifFile({.screenWidth = 65535,
                                        .screenHeight = 65535,
                                        .width = 65535,
                                        .height = 65535,
                                        .paletteBits = 2},
                                       {0, 0}),
                               image));
    EXPECT_FALSE(decodePicture(gifFile({.screenWidth = 9000,
                                        .screenHeight = 9000,
                                        .width = 9000,
                                        .height = 9000,
                                        .paletteBits = 2},
                                       {0, 0}),
                               image));
    EXPECT_TRUE(image.empty());
}

// --- Geometry and pixels for the views --------------------------------------

std::string str(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
           "x" + std::to_string(r.height);
}

TEST(PictureDisplay, PlacesPicturesInTheirBoxes) {
    // A weapon picture in a quick-buy slot: the height ratio 40/103 is the
    // smaller; 300 * 40 / 103 = 116.5 rounds to 117, centred at (184 - 117) / 2.
    EXPECT_EQ(str(pictureDisplayRect(kPictureCentred, 300, 103, 184, 40)), "33,0 117x40");
    // The same picture in the pack editor's taller slot: now the width ratio.
    EXPECT_EQ(str(pictureDisplayRect(kPictureCentred, 300, 103, 184, 104)), "0,20 184x63");
    EXPECT_EQ(str(pictureDisplayRect(kPictureCentred, 300, 155, 184, 104)), "0,4 184x95");
    // Larger in one direction only still scales; smaller is never scaled up.
    EXPECT_EQ(str(pictureDisplayRect(kPictureCentred, 100, 300, 184, 104)), "74,0 35x104");
    EXPECT_EQ(str(pictureDisplayRect(kPictureCentred, 100, 30, 184, 40)), "42,5 100x30");
    EXPECT_EQ(str(pictureDisplayRect(kPictureCentred, 184, 40, 184, 40)), "0,0 184x40");
    // A sliver never vanishes.
    EXPECT_EQ(str(pictureDisplayRect(kPictureCentred, 10000, 1, 100, 100)), "0,49 100x1");
    // The banner fills its box; natural size sits at the corner, clipped by the view.
    EXPECT_EQ(str(pictureDisplayRect(kPictureStretch, 800, 400, 512, 176)), "0,0 512x176");
    EXPECT_EQ(str(pictureDisplayRect(kPictureNatural, 800, 400, 512, 176)), "0,0 800x400");
    EXPECT_EQ(str(pictureDisplayRect(7, 30, 20, 512, 176)), "0,0 30x20");
    EXPECT_EQ(str(pictureDisplayRect(kPictureCentred, 0, 0, 184, 40)), "0,0 0x0");
    EXPECT_EQ(str(pictureDisplayRect(kPictureCentred, 300, 103, 0, 40)), "0,0 0x0");
}

Image solid(int w, int h, std::vector<uint32_t> pixels) {
    Image image;
    image.width = w;
    image.height = h;
    image.pixels = std::move(pixels);
    return image;
}

TEST(PictureDisplay, ScalesWithoutDarkFringes) {
    const Image banner = decoded(encodeJpeg(800, 400, false, false, bannerPixel));
    const Image stretched = scaleImage(banner, 512, 176);
    ASSERT_EQ(stretched.width, 512);
    ASSERT_EQ(stretched.height, 176);
    EXPECT_TRUE(near(stretched.at(0, 0), banner.at(0, 0), 3));
    EXPECT_TRUE(near(stretched.at(511, 175), banner.at(799, 399), 3));

    // Shrinking averages every source pixel: fine stripes become grey, not
    // one stripe picked at random.
    const uint32_t k = rgb(0, 0, 0), w = rgb(255, 255, 255);
    const Image stripes = scaleImage(solid(8, 1, {k, w, k, w, k, w, k, w}), 2, 1);
    for (uint32_t p : stripes.pixels)
        EXPECT_TRUE(near(p, rgb(128, 128, 128), 1));
    // Growing blends neighbours and keeps the ends.
    const Image grown = scaleImage(solid(2, 1, {k, w}), 8, 1);
    EXPECT_EQ(grown.pixels.front(), k);
    EXPECT_EQ(grown.pixels.back(), w);
    for (int x = 1; x < 8; ++x)
        EXPECT_GE(grown.pixels[x] & 0xFF, grown.pixels[x - 1] & 0xFF);
    // Next to a transparent pixel, red stays red and only fades out.
    const Image edge = scaleImage(solid(4, 1, {0, 0, rgb(255, 0, 0), rgb(255, 0, 0)}), 3, 1);
    EXPECT_GT(edge.pixels[1] >> 24, 0u);
    EXPECT_LT(edge.pixels[1] >> 24, 255u);
    EXPECT_EQ(edge.pixels[1] & 0xFFFFFF, 0xFF0000u);

    EXPECT_TRUE(scaleImage(banner, 0, 10).empty());
    EXPECT_TRUE(scaleImage(Image(), 10, 10).empty());
    EXPECT_TRUE(scaleImage(banner, 100000, 100000).empty());
}

TEST(PictureDisplay, DerivesDisabledAndOpaquePictures) {
    const Image source = solid(3, 1, {rgb(255, 0, 0), rgb(0, 0, 0), 0x80FFFFFF});
    const Image disabled = disabledPicture(source);
    for (int x = 0; x < 3; ++x) {
        const uint32_t p = disabled.pixels[x];
        EXPECT_EQ(p >> 16 & 0xFF, p & 0xFF);
        EXPECT_EQ(p >> 8 & 0xFF, p & 0xFF);
        EXPECT_GE(p & 0xFF, 128u);  // lighter than any source colour
        EXPECT_EQ(p >> 24, source.pixels[x] >> 24);
    }
    EXPECT_LT(disabled.pixels[0] & 0xFF, disabled.pixels[2] & 0xFF);  // contrast survives

    const Image flat = compositeOnto(solid(3, 1, {0, rgb(10, 20, 30), 0x80FF0000}), 0x0000FF);
    EXPECT_EQ(flat.pixels,
              (std::vector<uint32_t>{rgb(0, 0, 255), rgb(10, 20, 30), rgb(128, 0, 127)}));
}

}  // namespace
