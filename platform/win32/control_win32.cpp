// The plumbing every control shares: creation, the common properties, colours,
// fonts and the subclass that hands a child's own messages to its object.
// Subclassing is the classic GWLP_WNDPROC swap, which every comctl32 version
// supports (the program carries no manifest, so it gets the version 5 controls).
// https://learn.microsoft.com/windows/win32/winmsg/about-window-procedures#window-subclassing
#include <map>
#include <string>
#include <tuple>

#include "platform/display.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_win32.h"

namespace {

struct Subclass {
    Win32Control* control = nullptr;
    WNDPROC original = nullptr;
};

constexpr const wchar_t* kSubclassProp = L"ZnkControl";

LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* subclass = static_cast<Subclass*>(GetPropW(hwnd, kSubclassProp));
    if (subclass == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    WNDPROC original = subclass->original;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(hwnd, kSubclassProp);
        delete subclass;
        return CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    return subclass->control->onMessage(hwnd, message, wParam, lParam);
}

}  // namespace

const ControlState& Win32Control::state() const {
    return view_.window().state(id_);
}

bool Win32Control::createControl(const CreateArgs& args) {
    const ControlState& own = state();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | args.style;
    if (own.visible)
        style |= WS_VISIBLE;
    if (own.disabled)
        style |= WS_DISABLED;
    if (source().tabStop)
        style |= WS_TABSTOP;
    extraHeight_ = args.extraHeight;
    Rect at = view_.scaled(own.rect);
    hwnd_ = CreateWindowExW(args.exStyle, args.className, args.text.c_str(), style, at.left, at.top,
                            at.width, at.height + view_.scaled(extraHeight_), view_.hwnd(),
                            reinterpret_cast<HMENU>(INT_PTR{kControlIdBase + id_}),
                            GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr)
        return false;
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    if (args.subclass) {
        auto* subclass = new Subclass{this, nullptr};
        SetPropW(hwnd_, kSubclassProp, subclass);
        subclass->original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassProc)));
    }
    return true;
}

LRESULT Win32Control::onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* subclass = static_cast<Subclass*>(GetPropW(hwnd, kSubclassProp));
    return CallWindowProcW(subclass->original, hwnd, message, wParam, lParam);
}

void Win32Control::showCommon(int index) {
    const ControlState& own = state();
    switch (index) {
        case kPropLeft:
        case kPropTop:
        case kPropWidth:
        case kPropHeight:
            redrawBeneath();
            place();
            break;
        case kPropVisible:
            ShowWindow(hwnd_, own.visible ? SW_SHOWNA : SW_HIDE);
            if (!own.visible)
                redrawBeneath();
            break;
        case kPropDisabled:
            EnableWindow(hwnd_, !own.disabled);
            break;
        default:
            // The tag is the model's alone; the mouse cursor index is kept by
            // the model but no window of this program sets one.
            break;
    }
}

void Win32Control::place() const {
    Rect at = view_.scaled(state().rect);
    SetWindowPos(hwnd_, nullptr, at.left, at.top, at.width, at.height + view_.scaled(extraHeight_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT Win32Control::font() const {
    return fontFor(source().font, view_.dpi());
}

void Win32Control::dpiChanged() {
    if (hwnd_ == nullptr)
        return;
    place();
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
}

std::wstring Win32Control::caption(const Text& text) {
    return toWide(text, static_cast<unsigned>(codePageOf(text)));
}

COLORREF Win32Control::textColour() const {
    int rgb = source().textColour;
    return rgb == kDefaultColour ? GetSysColor(COLOR_BTNTEXT) : colourRef(rgb);
}

COLORREF Win32Control::backColour() const {
    int rgb = source().backColour;
    return rgb == kDefaultColour ? view_.backColour() : colourRef(rgb);
}

HBRUSH Win32Control::backBrush() const {
    return solidBrush(backColour());
}

HBRUSH Win32Control::onColour(HDC dc) {
    SetTextColor(dc, textColour());
    SetBkColor(dc, backColour());
    return backBrush();
}

HBRUSH Win32Control::staticColours(HDC dc) {
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(hwnd_), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(hwnd_)));
    return brush != nullptr ? brush : onColour(dc);
}

void Win32Control::redrawBeneath() const {
    if (hwnd_ == nullptr)
        return;
    RECT area;
    GetWindowRect(hwnd_, &area);
    MapWindowPoints(HWND_DESKTOP, view_.hwnd(), reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(view_.hwnd(), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

namespace {

// The default GUI font at `dpi`. The stock font is made for the system DPI, so
// its height there is taken back to 96 DPI and scaled like any template font;
// at the system DPI it is the stock font itself.
HFONT defaultGuiFont(int dpi) {
    auto stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    static int system = systemDpi();
    if (dpi == system)
        return stock;
    static std::map<int, HFONT> fonts;
    auto found = fonts.find(dpi);
    if (found != fonts.end())
        return found->second;
    LOGFONTW font{};
    HFONT created = nullptr;
    if (GetObjectW(stock, sizeof font, &font) == sizeof font) {
        font.lfHeight = scaleToDpi(MulDiv(font.lfHeight, kTemplateDpi, system), dpi);
        font.lfWidth = 0;
        created = CreateFontIndirectW(&font);
    }
    fonts[dpi] = created != nullptr ? created : stock;
    return fonts[dpi];
}

}  // namespace

HFONT fontFor(const FontSpec& font, int dpi) {
    if (font.height <= 0)
        return defaultGuiFont(dpi);
    const int height = scaleToDpi(font.height, dpi);
    using Key = std::tuple<int, int, int, std::string>;
    static std::map<Key, HFONT> fonts;
    Key key{height, font.weight, font.charset, font.face ? font.face : ""};
    auto found = fonts.find(key);
    if (found != fonts.end())
        return found->second;
    // A negative height asks for the character height, as the templates give
    // it; an empty face lets the font mapper pick the character set's default.
    // Face names are GBK like every other text of the program.
    std::wstring face = toWide(std::get<3>(key), 936);
    HFONT created =
        CreateFontW(-height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                    static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    if (created == nullptr)
        created = defaultGuiFont(dpi);
    fonts[key] = created;
    return created;
}

HBRUSH solidBrush(COLORREF colour) {
    static std::map<COLORREF, HBRUSH> brushes;
    auto found = brushes.find(colour);
    if (found != brushes.end())
        return found->second;
    HBRUSH brush = CreateSolidBrush(colour);
    brushes[colour] = brush;
    return brush;
}
