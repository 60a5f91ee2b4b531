// The launcher's controls draw their Chinese texts with the default GUI font,
// which reaches a Chinese font through the system's font linking, on any
// display language. Under Wine that needs a Chinese font known under a name
// the linking looks for (scripts/lib/wine-env.sh sets the prefix up); without
// it every Chinese character is drawn as the same empty box, which no text
// read-back can see.
#include <windows.h>

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr int kSize = 48;

// The pixels of one character drawn black on white with the default GUI font.
std::vector<std::uint32_t> drawn(const wchar_t* character) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = -kSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT area = {0, 0, kSize, kSize};
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, character, -1, &area, DT_NOPREFIX | DT_SINGLELINE);
    GdiFlush();
    auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> copy(pixels, pixels + kSize * kSize);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return copy;
}

bool blank(const std::vector<std::uint32_t>& pixels) {
    for (std::uint32_t pixel : pixels) {
        if ((pixel & 0xFFFFFF) != 0xFFFFFF)
            return false;
    }
    return true;
}

TEST(GuiFonts, DefaultGuiFontDrawsChineseCharactersApart) {
    std::vector<std::uint32_t> first = drawn(L"简");
    std::vector<std::uint32_t> second = drawn(L"难");
    EXPECT_FALSE(blank(first));
    EXPECT_NE(first, second) << "Chinese characters are drawn as boxes: no Chinese font is "
                                "linked to the default GUI font";
}

}  // namespace
