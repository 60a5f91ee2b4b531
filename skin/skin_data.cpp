#include "skin/skin_data.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned char kMagic[4] = {'Z', 'S', 'H', 'E'};
constexpr uint16_t kVersion = 1;

// Field offsets of the fixed record.
constexpr size_t kVersionAt = 4;
constexpr size_t kFlagsAt = 6;
constexpr size_t kSizeAt = 8;
constexpr size_t kCrcAt = 12;
constexpr size_t kNameAt = 16;
constexpr size_t kColorsAt = 48;
constexpr size_t kFontHeightAt = 104;
constexpr size_t kFontWeightAt = 106;
constexpr size_t kFontCharsetAt = 108;
constexpr size_t kFontFaceAt = 112;

uint16_t read16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t read32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

struct Hsl {
    double h;  // 0..360
    double s;  // 0..1
    double l;  // 0..1
};

Hsl toHsl(SkinColor c) {
    double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    double hi = std::max({r, g, b}), lo = std::min({r, g, b});
    Hsl out{0, 0, (hi + lo) / 2};
    double d = hi - lo;
    if (d <= 0) {
        return out;
    }
    out.s = out.l > 0.5 ? d / (2 - hi - lo) : d / (hi + lo);
    if (hi == r) {
        out.h = (g - b) / d + (g < b ? 6 : 0);
    } else if (hi == g) {
        out.h = (b - r) / d + 2;
    } else {
        out.h = (r - g) / d + 4;
    }
    out.h *= 60;
    return out;
}

double hueChannel(double p, double q, double t) {
    if (t < 0)
        t += 1;
    if (t > 1)
        t -= 1;
    if (t < 1.0 / 6)
        return p + (q - p) * 6 * t;
    if (t < 1.0 / 2)
        return q;
    if (t < 2.0 / 3)
        return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

uint8_t toByte(double v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

SkinColor fromHsl(Hsl c) {
    if (c.s <= 0) {
        uint8_t v = toByte(c.l);
        return {v, v, v};
    }
    double q = c.l < 0.5 ? c.l * (1 + c.s) : c.l + c.s - c.l * c.s;
    double p = 2 * c.l - q;
    double h = c.h / 360;
    return {toByte(hueChannel(p, q, h + 1.0 / 3)), toByte(hueChannel(p, q, h)),
            toByte(hueChannel(p, q, h - 1.0 / 3))};
}

}  // namespace

uint32_t skinCrc32(const unsigned char* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

bool parseSkin(const unsigned char* data, size_t size, SkinTheme* theme) {
    if (data == nullptr || theme == nullptr || size < kSkinRecordSize || size > kSkinMaxSize) {
        return false;
    }
    if (!std::equal(kMagic, kMagic + 4, data) || read16(data + kVersionAt) != kVersion) {
        return false;
    }
    // The stated size must be the size handed over: a skin cut short or padded is not ours.
    if (read32(data + kSizeAt) != size ||
        read32(data + kCrcAt) != skinCrc32(data + kNameAt, size - kNameAt)) {
        return false;
    }
    SkinTheme out;
    std::copy(data + kNameAt, data + kNameAt + sizeof out.name, out.name);
    if (out.name[sizeof out.name - 1] != 0) {
        return false;
    }
    out.flags = read16(data + kFlagsAt);
    for (int i = 0; i < kSkinColorCount; ++i) {
        const unsigned char* p = data + kColorsAt + 4 * i;
        out.colors[i] = {p[0], p[1], p[2]};
    }
    out.fontHeight = read16(data + kFontHeightAt);
    out.fontWeight = read16(data + kFontWeightAt);
    out.fontCharset = data[kFontCharsetAt];
    if ((out.fontHeight != 0 && (out.fontHeight < 6 || out.fontHeight > 72)) ||
        out.fontWeight > 1000) {
        return false;
    }
    for (size_t i = 0; i < 32; ++i) {
        out.fontFace[i] = static_cast<char16_t>(read16(data + kFontFaceAt + 2 * i));
    }
    if (out.fontFace[31] != 0) {
        return false;
    }
    *theme = out;
    return true;
}

SkinColor tintColor(SkinColor color, int hue, int saturation, int brightness) {
    if (hue % 360 == 0 && saturation == 0 && brightness == 0) {
        return color;
    }
    double s = std::clamp(saturation, -100, 100) / 100.0;
    double b = std::clamp(brightness, -100, 100) / 100.0;
    Hsl c = toHsl(color);
    c.h = std::fmod(c.h + hue % 360 + 360, 360.0);
    c.s = std::clamp(c.s * (1 + s), 0.0, 1.0);
    c.l = b >= 0 ? c.l + (1 - c.l) * b : c.l * (1 + b);
    return fromHsl(c);
}

void tintSkin(SkinTheme* theme, int hue, int saturation, int brightness) {
    for (SkinColor& c : theme->colors) {
        c = tintColor(c, hue, saturation, brightness);
    }
}
