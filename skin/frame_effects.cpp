#include "skin/frame_effects.h"

namespace {

// Attribute numbers of dwmapi.h; older SDKs lack the newer ones, so they are spelled here.
constexpr DWORD kDarkModeBefore20H1 = 19;
constexpr DWORD kDarkMode = 20;
constexpr DWORD kBorderColor = 34;
constexpr DWORD kCaptionColor = 35;
constexpr DWORD kTextColor = 36;
constexpr DWORD kBackdropType = 38;
constexpr int kBackdropAuto = 0;
constexpr int kBackdropMainWindow = 2;

using SetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
using IsCompositionEnabledFn = HRESULT(WINAPI*)(BOOL*);

struct Dwm {
    SetAttributeFn setAttribute = nullptr;
    IsCompositionEnabledFn isCompositionEnabled = nullptr;
};

FARPROC lookUp(HMODULE module, const char* name) {
    return GetProcAddress(module, name);
}

const Dwm& dwm() {
    static const Dwm loaded = [] {
        Dwm d;
        // From the system folder only: a dwmapi.dll beside the game must not be picked up.
        wchar_t path[MAX_PATH];
        UINT length = GetSystemDirectoryW(path, MAX_PATH);
        const wchar_t kName[] = L"\\dwmapi.dll";
        if (length == 0 || length + sizeof kName / sizeof kName[0] > MAX_PATH) {
            return d;
        }
        lstrcpyW(path + length, kName);
        HMODULE module = LoadLibraryW(path);
        if (module == nullptr) {
            return d;
        }
        d.setAttribute = reinterpret_cast<SetAttributeFn>(
            reinterpret_cast<void*>(lookUp(module, "DwmSetWindowAttribute")));
        d.isCompositionEnabled = reinterpret_cast<IsCompositionEnabledFn>(
            reinterpret_cast<void*>(lookUp(module, "DwmIsCompositionEnabled")));
        return d;
    }();
    return loaded;
}

bool setAttribute(HWND frame, DWORD attribute, const void* value, DWORD size) {
    const Dwm& d = dwm();
    return d.setAttribute != nullptr && SUCCEEDED(d.setAttribute(frame, attribute, value, size));
}

COLORREF colorRef(SkinColor c) {
    return RGB(c.r, c.g, c.b);
}

}  // namespace

bool frameEffectsAvailable() {
    const Dwm& d = dwm();
    BOOL enabled = FALSE;
    return d.isCompositionEnabled != nullptr && SUCCEEDED(d.isCompositionEnabled(&enabled)) &&
           enabled;
}

void applyFrameColors(HWND frame, const SkinTheme& theme) {
    BOOL dark = theme.dark() ? TRUE : FALSE;
    if (!setAttribute(frame, kDarkMode, &dark, sizeof dark)) {
        setAttribute(frame, kDarkModeBefore20H1, &dark, sizeof dark);
    }
    // Windows 11 draws the title bar in any colour; earlier systems refuse these three.
    COLORREF caption = colorRef(theme.colors[kSkinTitleStart]);
    COLORREF text = colorRef(theme.colors[kSkinTitleText]);
    COLORREF border = colorRef(theme.colors[kSkinBorder]);
    setAttribute(frame, kCaptionColor, &caption, sizeof caption);
    setAttribute(frame, kTextColor, &text, sizeof text);
    setAttribute(frame, kBorderColor, &border, sizeof border);
}

void applyFrameBackdrop(HWND frame, bool on) {
    int type = on ? kBackdropMainWindow : kBackdropAuto;
    setAttribute(frame, kBackdropType, &type, sizeof type);
}
