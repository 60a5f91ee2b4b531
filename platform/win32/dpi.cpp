#include "platform/win32/dpi.h"

namespace {

using GetDpiForSystemFn = UINT(WINAPI*)();
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
using EnableNonClientDpiScalingFn = BOOL(WINAPI*)(HWND);

constexpr int kMdtEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI of shellscalingapi.h

FARPROC user32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 != nullptr ? GetProcAddress(user32, name) : nullptr;
}

template <typename Function>
Function cast(FARPROC address) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

// shcore.dll from the system folder only, never one beside the game.
GetDpiForMonitorFn getDpiForMonitor() {
    static bool looked = false;
    static GetDpiForMonitorFn function = nullptr;
    if (looked)
        return function;
    looked = true;
    wchar_t path[MAX_PATH];
    const wchar_t kName[] = L"\\shcore.dll";
    UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + sizeof kName / sizeof kName[0] > MAX_PATH)
        return nullptr;
    lstrcpyW(path + length, kName);
    HMODULE shcore = LoadLibraryW(path);
    if (shcore != nullptr)
        function = cast<GetDpiForMonitorFn>(GetProcAddress(shcore, "GetDpiForMonitor"));
    return function;
}

bool plausible(UINT dpi) {
    return dpi >= 48 && dpi <= 960;
}

void scaleFont(LOGFONTW& font, int from, int to) {
    font.lfHeight = MulDiv(font.lfHeight, to, from);
}

}  // namespace

int scaleToDpi(int value, int dpi) {
    return dpi == kTemplateDpi ? value : MulDiv(value, dpi, kTemplateDpi);
}

int systemDpi() {
    static auto getDpiForSystem = cast<GetDpiForSystemFn>(user32Function("GetDpiForSystem"));
    if (getDpiForSystem != nullptr) {
        UINT dpi = getDpiForSystem();
        if (plausible(dpi))
            return static_cast<int>(dpi);
    }
    int dpi = kTemplateDpi;
    if (HDC screen = GetDC(nullptr)) {
        dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    return plausible(static_cast<UINT>(dpi)) ? dpi : kTemplateDpi;
}

int monitorDpi(HMONITOR monitor) {
    if (GetDpiForMonitorFn function = getDpiForMonitor()) {
        UINT x = 0;
        UINT y = 0;
        if (monitor != nullptr && SUCCEEDED(function(monitor, kMdtEffectiveDpi, &x, &y)) &&
            plausible(y)) {
            return static_cast<int>(y);
        }
    }
    return systemDpi();
}

int windowDpi(HWND window) {
    static auto getDpiForWindow = cast<GetDpiForWindowFn>(user32Function("GetDpiForWindow"));
    if (getDpiForWindow != nullptr && window != nullptr) {
        UINT dpi = getDpiForWindow(window);
        if (plausible(dpi))
            return static_cast<int>(dpi);
    }
    if (window != nullptr && getDpiForMonitor() != nullptr)
        return monitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
    return systemDpi();
}

RECT frameForDpi(DWORD style, DWORD exStyle, int dpi) {
    static auto adjustForDpi =
        cast<AdjustWindowRectExForDpiFn>(user32Function("AdjustWindowRectExForDpi"));
    RECT outer = {0, 0, 0, 0};
    int convertFrom = dpi;
    if (adjustForDpi == nullptr || !adjustForDpi(&outer, style, FALSE, exStyle, dpi)) {
        outer = RECT{0, 0, 0, 0};
        AdjustWindowRectEx(&outer, style, FALSE, exStyle);
        convertFrom = systemDpi();
    }
    RECT frame = {-outer.left, -outer.top, outer.right, outer.bottom};
    if (convertFrom != dpi) {
        frame.left = MulDiv(frame.left, dpi, convertFrom);
        frame.top = MulDiv(frame.top, dpi, convertFrom);
        frame.right = MulDiv(frame.right, dpi, convertFrom);
        frame.bottom = MulDiv(frame.bottom, dpi, convertFrom);
    }
    return frame;
}

bool nonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi) {
    static auto forDpi =
        cast<SystemParametersInfoForDpiFn>(user32Function("SystemParametersInfoForDpi"));
    metrics = NONCLIENTMETRICSW{};
    metrics.cbSize = sizeof metrics;
    if (forDpi != nullptr &&
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
        return true;
    }
    metrics = NONCLIENTMETRICSW{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return false;
    int from = systemDpi();
    if (from != dpi) {
        scaleFont(metrics.lfCaptionFont, from, dpi);
        scaleFont(metrics.lfSmCaptionFont, from, dpi);
        scaleFont(metrics.lfMenuFont, from, dpi);
        scaleFont(metrics.lfStatusFont, from, dpi);
        scaleFont(metrics.lfMessageFont, from, dpi);
    }
    return true;
}

void enableNonClientDpiScaling(HWND window) {
    static auto enable =
        cast<EnableNonClientDpiScalingFn>(user32Function("EnableNonClientDpiScaling"));
    if (enable != nullptr)
        enable(window);
}
