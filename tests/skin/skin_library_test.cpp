// The built SkinH_EL.dll, loaded the way the launcher loads it, over real windows.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "skin/skin_data.h"
#include "skin_assets.h"

namespace {

using AttachRes = int(__stdcall*)(const unsigned char*, int, const char*, int, int, int);
using SetAero = int(__stdcall*)(int);

const COLORREF kRed = RGB(255, 0, 0);
HWND gRedLabel = nullptr;

// A frame that erases its own black background, like the mode chooser.
LRESULT CALLBACK blackFrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(reinterpret_cast<HDC>(wp), &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return 1;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// A window that leaves everything at the defaults except one label it colours red itself.
LRESULT CALLBACK testFrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lp) == gRedLabel) {
        SetTextColor(reinterpret_cast<HDC>(wp), kRed);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// Both classes have the default background brush; the black one paints over it itself.
HWND makeFrame(bool black = false) {
    static bool registered = [] {
        WNDCLASSW wc = {};
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpfnWndProc = testFrameProc;
        wc.lpszClassName = L"ZnkSkinTestFrame";
        bool plain = RegisterClassW(&wc) != 0;
        wc.lpfnWndProc = blackFrameProc;
        wc.lpszClassName = L"ZnkSkinTestBlackFrame";
        return plain && RegisterClassW(&wc) != 0;
    }();
    if (!registered) {
        return nullptr;
    }
    return CreateWindowExW(0, black ? L"ZnkSkinTestBlackFrame" : L"ZnkSkinTestFrame", L"frame",
                           WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

HWND makeChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int y) {
    HWND child = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, y, 120, 30,
                                 parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return child;
}

void pumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&msg);
    }
}

COLORREF rgb(SkinColor c) {
    return RGB(c.r, c.g, c.b);
}

struct Colours {
    COLORREF brush;
    COLORREF text;
};

// What the frame answers when one of its static children asks for its colours.
Colours askStaticColours(HWND frame, HWND child) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(
        frame, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child)));
    LOGBRUSH info = {};
    GetObjectW(brush, sizeof info, &info);
    Colours out{info.lbColor, GetTextColor(dc)};
    DeleteDC(dc);
    return out;
}

// The middle pixel of a window as it erases (or paints) itself into a bitmap.
COLORREF middlePixel(HWND hwnd, UINT message = WM_PRINTCLIENT) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, rc.right, rc.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(hwnd, message, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    COLORREF pixel = GetPixel(dc, rc.right / 2, rc.bottom / 2);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixel;
}

TEST(SkinLibrary, ThemesTheProcessWindows) {
    std::string path = hostPath(ZNK_SKIN_LIBRARY);
    std::wstring widePath(path.begin(), path.end());
    HMODULE library = LoadLibraryW(widePath.c_str());
    ASSERT_NE(library, nullptr) << path;
    auto attach = reinterpret_cast<AttachRes>(
        reinterpret_cast<void*>(GetProcAddress(library, "SkinH_AttachRes")));
    auto aero = reinterpret_cast<SetAero>(
        reinterpret_cast<void*>(GetProcAddress(library, "SkinH_SetAero")));
    ASSERT_NE(attach, nullptr);
    ASSERT_NE(aero, nullptr);

    std::vector<unsigned char> skin = readSkinAsset(9);
    SkinTheme theme;
    ASSERT_TRUE(parseSkin(skin.data(), skin.size(), &theme));
    int size = static_cast<int>(skin.size());

    // Bad data is refused before anything is hooked.
    std::vector<unsigned char> garbage(13192, 0xA5);
    EXPECT_EQ(attach(garbage.data(), static_cast<int>(garbage.size()), "", 0, 0, 0), 0);
    EXPECT_EQ(attach(nullptr, 100, "", 0, 0, 0), 0);
    EXPECT_EQ(attach(skin.data(), -1, "", 0, 0, 0), 0);
    EXPECT_EQ(attach(skin.data(), size - 1, nullptr, 0, 0, 0), 0);

    // A frame that exists before the skin is attached, as the launcher's main window does.
    HWND before = makeFrame();
    ASSERT_NE(before, nullptr);
    HWND plainLabel = makeChild(before, L"STATIC", L"plain", 0, 10);
    gRedLabel = makeChild(before, L"STATIC", L"red", 0, 50);
    HWND button = makeChild(before, L"BUTTON", L"", BS_PUSHBUTTON, 90);
    HWND black = makeFrame(true);
    Colours unskinned = askStaticColours(before, plainLabel);
    EXPECT_EQ(unskinned.brush, GetSysColor(COLOR_BTNFACE));

    ASSERT_EQ(attach(skin.data(), size, "", 0, 0, 0), 1);
    pumpMessages();

    Colours plain = askStaticColours(before, plainLabel);
    EXPECT_EQ(plain.brush, rgb(theme.colors[kSkinWindow]));
    EXPECT_EQ(plain.text, rgb(theme.colors[kSkinText]));
    Colours red = askStaticColours(before, gRedLabel);
    EXPECT_EQ(red.brush, rgb(theme.colors[kSkinWindow]));
    EXPECT_EQ(red.text, kRed) << "a colour the window chose is kept";
    EXPECT_EQ(middlePixel(button), rgb(theme.colors[kSkinButton]));
    EXPECT_EQ(middlePixel(before, WM_ERASEBKGND), rgb(theme.colors[kSkinWindow]));
    EXPECT_EQ(middlePixel(black, WM_ERASEBKGND), RGB(0, 0, 0)) << "its own colour is kept";

    // Windows made afterwards are taken on when they are created; default fonts follow the
    // skin once the creating code has returned to the message loop.
    HWND after = makeFrame();
    HWND laterLabel = makeChild(after, L"STATIC", L"later", 0, 10);
    pumpMessages();
    EXPECT_EQ(askStaticColours(after, laterLabel).brush, rgb(theme.colors[kSkinWindow]));
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(laterLabel, WM_GETFONT, 0, 0));
    EXPECT_NE(font, nullptr);
    EXPECT_NE(font, GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW lf = {};
    GetObjectW(font, sizeof lf, &lf);
    EXPECT_STREQ(lf.lfFaceName, L"Tahoma");

    // A second skin replaces the first, tint included.
    std::vector<unsigned char> other = readSkinAsset(14);
    SkinTheme otherTheme;
    ASSERT_TRUE(parseSkin(other.data(), other.size(), &otherTheme));
    tintSkin(&otherTheme, 40, 0, 0);
    ASSERT_EQ(attach(other.data(), static_cast<int>(other.size()), "", 40, 0, 0), 1);
    EXPECT_EQ(askStaticColours(before, plainLabel).brush, rgb(otherTheme.colors[kSkinWindow]));

    // The system may or may not compose effects (Wine does not); either answer is fine.
    int on = aero(1);
    EXPECT_TRUE(on == 0 || on == 1);
    EXPECT_EQ(aero(0), on);

    // The hooks point into the library, so it stays loaded even when freed.
    FreeLibrary(library);
    EXPECT_EQ(askStaticColours(before, plainLabel).brush, rgb(otherTheme.colors[kSkinWindow]));
    DestroyWindow(before);
    DestroyWindow(after);
    DestroyWindow(black);
    pumpMessages();
}

}  // namespace
