// The program's one tooltip window
// https://learn.microsoft.com/windows/win32/controls/tooltip-controls
#include "platform/win32/window_win32.h"

#include <commctrl.h>

#include <map>
#include <string>

#include "platform/display.h"
#include "platform/win32/wide.h"

namespace {

// Wide enough for a mode's tip of a few lines; longer lines wrap, and the
// tips' own line breaks are kept.
constexpr int kMaxTipWidth = 480;

HWND gTooltip = nullptr;
// The DPI the tooltip's font and width are made for: the system's until a tip
// for a window at another DPI comes.
int gTooltipDpi = 0;
HFONT gTooltipFont = nullptr;
// The text of each tool. A label's mouse-move handler sets its tip on every
// move; the same text again must not make the shown tip flicker.
std::map<HWND, std::wstring> gTips;

HWND tooltipWindow(bool balloon) {
    if (gTooltip != nullptr && !IsWindow(gTooltip))
        gTooltip = nullptr;
    if (gTooltip == nullptr) {
        gTips.clear();
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
        // No owner: the window outlives whichever launcher window asked first.
        gTooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        if (gTooltip == nullptr)
            return nullptr;
        gTooltipDpi = systemDpi();
        SendMessageW(gTooltip, TTM_SETMAXTIPWIDTH, 0, scaleToDpi(kMaxTipWidth, gTooltipDpi));
    }
    LONG_PTR style = GetWindowLongPtrW(gTooltip, GWL_STYLE);
    LONG_PTR wanted = balloon ? (style | TTS_BALLOON) : (style & ~LONG_PTR{TTS_BALLOON});
    if (wanted != style)
        SetWindowLongPtrW(gTooltip, GWL_STYLE, wanted);
    return gTooltip;
}

// One tooltip serves every window, so it takes the DPI of the control whose
// tip it shows: the status font the system gives tooltips, at that DPI.
void fitTooltipToDpi(HWND tooltip, int dpi) {
    if (dpi == gTooltipDpi)
        return;
    NONCLIENTMETRICSW metrics;
    if (!nonClientMetricsForDpi(metrics, dpi))
        return;
    HFONT font = CreateFontIndirectW(&metrics.lfStatusFont);
    if (font == nullptr)
        return;
    SendMessageW(tooltip, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (gTooltipFont != nullptr)
        DeleteObject(gTooltipFont);
    gTooltipFont = font;
    gTooltipDpi = dpi;
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, scaleToDpi(kMaxTipWidth, dpi));
}

TTTOOLINFOW toolFor(HWND control) {
    TTTOOLINFOW tool{};
    // The version 5 size: the program runs without a manifest.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

}  // namespace

void showBalloonTip(std::intptr_t handle, const Text& text, bool balloon, bool centred) {
    HWND control = reinterpret_cast<HWND>(handle);
    if (!IsWindow(control))
        return;
    HWND tooltip = tooltipWindow(balloon);
    if (tooltip == nullptr)
        return;
    fitTooltipToDpi(tooltip, windowDpi(control));
    std::wstring tip = toWide(text, static_cast<unsigned>(codePageOf(text)));
    auto known = gTips.find(control);
    if (known != gTips.end() && known->second == tip)
        return;
    gTips[control] = tip;
    // The probe carries no text buffer: TTM_GETTOOLINFOW would copy the old
    // text into it.
    TTTOOLINFOW tool = toolFor(control);
    if (SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) {
        tool.lpszText = tip.data();
        SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    tool = toolFor(control);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | (centred ? TTF_CENTERTIP : 0);
    tool.lpszText = tip.data();
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void forgetBalloonTip(HWND control) {
    gTips.erase(control);
    if (gTooltip == nullptr || !IsWindow(gTooltip))
        return;
    TTTOOLINFOW tool = toolFor(control);
    SendMessageW(gTooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}
