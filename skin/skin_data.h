// Our ".she" skin data (docs/skin-format.md): reading it and tinting it. Plain C++ with no
// OS header, so that the reader is tested and fuzzed natively.
#pragma once

#include <cstddef>
#include <cstdint>

enum SkinColorSlot {
    kSkinWindow,
    kSkinText,
    kSkinButton,
    kSkinButtonHot,
    kSkinButtonPressed,
    kSkinButtonText,
    kSkinDisabledText,
    kSkinBorder,
    kSkinTitleStart,
    kSkinTitleEnd,
    kSkinTitleText,
    kSkinEdit,
    kSkinEditText,
    kSkinAccent,
    kSkinColorCount
};

struct SkinColor {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const SkinColor&, const SkinColor&) = default;
};

inline constexpr uint16_t kSkinFlagDark = 1;
inline constexpr uint16_t kSkinFlagPaintButtons = 2;

inline constexpr size_t kSkinRecordSize = 176;
inline constexpr size_t kSkinMaxSize = 65536;

struct SkinTheme {
    char name[32] = {};
    uint16_t flags = 0;
    SkinColor colors[kSkinColorCount] = {};
    // Character height in pixels; 0 keeps the windows' own fonts.
    int fontHeight = 0;
    int fontWeight = 0;
    int fontCharset = 0;
    // UTF-16, zero-terminated; empty keeps the windows' own fonts.
    char16_t fontFace[32] = {};

    bool dark() const { return (flags & kSkinFlagDark) != 0; }
    bool paintsButtons() const { return (flags & kSkinFlagPaintButtons) != 0; }
    bool hasFont() const { return fontHeight > 0 && fontFace[0] != 0; }
};

// False, leaving *theme untouched, for anything that is not a complete, intact skin.
bool parseSkin(const unsigned char* data, size_t size, SkinTheme* theme);

// Hue in degrees (any value, taken modulo 360); saturation and brightness in percent,
// -100 to 100 (clamped). All three 0 leave the colours exactly as they are.
void tintSkin(SkinTheme* theme, int hue, int saturation, int brightness);
SkinColor tintColor(SkinColor color, int hue, int saturation, int brightness);

// CRC-32 as zlib computes it (reflected, polynomial 0xEDB88320).
uint32_t skinCrc32(const unsigned char* data, size_t size);
