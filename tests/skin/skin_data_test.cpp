#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "skin/skin_data.h"
#include "skin_assets.h"

namespace {

// Rewrites the size and checksum fields, so that a test reaches the checks behind them.
void reseal(std::vector<unsigned char>& skin) {
    uint32_t size = static_cast<uint32_t>(skin.size());
    uint32_t crc = skinCrc32(skin.data() + 16, skin.size() - 16);
    for (int i = 0; i < 4; ++i) {
        skin[8 + i] = static_cast<unsigned char>(size >> (8 * i));
        skin[12 + i] = static_cast<unsigned char>(crc >> (8 * i));
    }
}

bool parses(const std::vector<unsigned char>& skin) {
    SkinTheme theme;
    return parseSkin(skin.data(), skin.size(), &theme);
}

TEST(SkinData, ReadsEveryShippedSkin) {
    std::set<std::string> names;
    for (int number = 1; number <= 33; ++number) {
        std::vector<unsigned char> skin = readSkinAsset(number);
        SkinTheme theme;
        ASSERT_TRUE(parseSkin(skin.data(), skin.size(), &theme)) << "skin " << number;
        names.insert(theme.name);
        EXPECT_TRUE(theme.hasFont()) << "skin " << number;
    }
    EXPECT_EQ(names.size(), 33u) << "every skin has a name of its own";

    // The skin the launcher attaches: dark, with painted buttons and a readable contrast.
    SkinTheme nine;
    std::vector<unsigned char> skin = readSkinAsset(9);
    ASSERT_TRUE(parseSkin(skin.data(), skin.size(), &nine));
    EXPECT_TRUE(nine.dark());
    EXPECT_TRUE(nine.paintsButtons());
    EXPECT_EQ(nine.fontHeight, 13);
    EXPECT_EQ(nine.fontWeight, 400);
    EXPECT_EQ(std::u16string(nine.fontFace), u"Tahoma");
    SkinColor back = nine.colors[kSkinWindow], text = nine.colors[kSkinText];
    EXPECT_LT(back.r + back.g + back.b, 150);
    EXPECT_GT(text.r + text.g + text.b, 600);
}

TEST(SkinData, RefusesDamagedOrForeignData) {
    const std::vector<unsigned char> good = readSkinAsset(9);
    ASSERT_TRUE(parses(good));

    SkinTheme untouched;
    untouched.fontHeight = 77;
    std::vector<unsigned char> cut(good.begin(), good.end() - 1);
    EXPECT_FALSE(parseSkin(cut.data(), cut.size(), &untouched));
    EXPECT_EQ(untouched.fontHeight, 77) << "a refused skin leaves the theme as it was";

    // Any flipped bit, in the header or in the body, is caught.
    for (size_t at : {size_t{0}, size_t{4}, size_t{9}, size_t{13}, size_t{20}, size_t{60},
                      size_t{104}, good.size() - 1}) {
        std::vector<unsigned char> bad = good;
        bad[at] ^= 0x10;
        EXPECT_FALSE(parses(bad)) << "byte " << at;
    }
    std::vector<unsigned char> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(parses(longer)) << "the stated size is the size handed over";

    // Intact checksums over bad fields.
    std::vector<unsigned char> bad = good;
    std::memset(bad.data() + 16, 'A', 32);  // name without its terminating zero
    reseal(bad);
    EXPECT_FALSE(parses(bad));
    bad = good;
    bad[104] = 200;  // font height
    reseal(bad);
    EXPECT_FALSE(parses(bad));
    bad = good;
    for (size_t i = 112; i < 176; ++i)
        bad[i] = 'x';  // face without its terminating zero
    reseal(bad);
    EXPECT_FALSE(parses(bad));
    bad = good;
    bad[4] = 2;  // a version we do not know
    reseal(bad);
    EXPECT_FALSE(parses(bad));

    EXPECT_FALSE(parseSkin(nullptr, 176, &untouched));
    std::vector<unsigned char> garbage(13192, 0x5A);
    EXPECT_FALSE(parses(garbage));
    std::vector<unsigned char> huge(70000, 0);
    std::memcpy(huge.data(), good.data(), good.size());
    reseal(huge);
    EXPECT_FALSE(parses(huge));

    // A later minor version may append fields; this reader takes the record it knows.
    std::vector<unsigned char> extended = good;
    extended.resize(good.size() + 24, 0xEE);
    reseal(extended);
    SkinTheme theme;
    ASSERT_TRUE(parseSkin(extended.data(), extended.size(), &theme));
    EXPECT_EQ(std::u16string(theme.fontFace), u"Tahoma");
}

TEST(SkinData, TintsColours) {
    // No tint is no change at all, not a round trip through another colour model.
    for (int number = 1; number <= 33; ++number) {
        std::vector<unsigned char> skin = readSkinAsset(number);
        SkinTheme theme, tinted;
        ASSERT_TRUE(parseSkin(skin.data(), skin.size(), &theme));
        tinted = theme;
        tintSkin(&tinted, 0, 0, 0);
        tintSkin(&tinted, 360, 0, 0);
        for (int i = 0; i < kSkinColorCount; ++i) {
            EXPECT_EQ(tinted.colors[i], theme.colors[i]);
        }
    }
    const SkinColor red{255, 0, 0};
    EXPECT_EQ(tintColor(red, 120, 0, 0), (SkinColor{0, 255, 0}));
    EXPECT_EQ(tintColor(red, -120, 0, 0), (SkinColor{0, 0, 255}));
    EXPECT_EQ(tintColor(red, 0, 0, 100), (SkinColor{255, 255, 255}));
    EXPECT_EQ(tintColor(red, 0, 0, -100), (SkinColor{0, 0, 0}));
    EXPECT_EQ(tintColor(red, 0, 0, 500), tintColor(red, 0, 0, 100)) << "clamped";
    SkinColor grey = tintColor({200, 120, 40}, 0, -100, 0);
    EXPECT_EQ(grey.r, grey.g);
    EXPECT_EQ(grey.g, grey.b);
}

TEST(SkinData, ChecksumIsZlibs) {
    const char* check = "123456789";
    EXPECT_EQ(skinCrc32(reinterpret_cast<const unsigned char*>(check), 9), 0xCBF43926u);
}

}  // namespace
