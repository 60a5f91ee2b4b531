#include "skin/skin_engine.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/dpi.h"
#include "skin/frame_effects.h"
#include "skin/subclass.h"

namespace {

// Subclass ids: any value that other code of the process is unlikely to pick.
constexpr UINT_PTR kFrameSubclass = 0x5A4E4B31;
constexpr UINT_PTR kBackgroundSubclass = 0x5A4E4B32;
constexpr UINT_PTR kButtonSubclass = 0x5A4E4B33;

// Window properties the engine keeps on windows it has touched.
const wchar_t kHotProp[] = L"ZnkSkin.Hot";
const wchar_t kFontProp[] = L"ZnkSkin.Font";
const wchar_t kRescanProp[] = L"ZnkSkin.Rescan";
// Marks frames: comctl32 exports GetWindowSubclass by ordinal only, so it is not asked.
const wchar_t kFrameProp[] = L"ZnkSkin.Frame";

// The skin's font at one DPI.
struct ScaledFont {
    int dpi = 0;
    HFONT font = nullptr;
};
// Windows on monitors of a few DPIs at most.
constexpr int kScaledFonts = 8;

struct Engine {
    SkinTheme theme;
    bool aero = false;
    HHOOK hook = nullptr;
    HBRUSH windowBrush = nullptr;
    HBRUSH editBrush = nullptr;
    // The theme's font at each DPI asked for so far, made when first asked.
    ScaledFont fonts[kScaledFonts];
    UINT rescanMessage = 0;
    UINT repaintMessage = 0;
};

Engine& engine() {
    static Engine e;
    return e;
}

COLORREF color(SkinColorSlot slot) {
    SkinColor c = engine().theme.colors[slot];
    return RGB(c.r, c.g, c.b);
}

bool hasClass(HWND hwnd, const wchar_t* name) {
    wchar_t buffer[32];
    return GetClassNameW(hwnd, buffer, 32) > 0 && lstrcmpiW(buffer, name) == 0;
}

bool isFrameStyle(LONG style) {
    return (style & WS_CHILD) == 0 && (style & WS_CAPTION) == WS_CAPTION;
}

bool isPushButton(HWND hwnd) {
    if (!hasClass(hwnd, L"Button")) {
        return false;
    }
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    LONG type = style & BS_TYPEMASK;
    return (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) &&
           (style & (BS_BITMAP | BS_ICON)) == 0;
}

// A brush is a default when it paints the system colour the message would get unhandled.
bool isDefaultBrush(LRESULT result, int systemColor) {
    HBRUSH brush = reinterpret_cast<HBRUSH>(result);
    if (brush == nullptr || brush == GetSysColorBrush(systemColor)) {
        return true;
    }
    LOGBRUSH info;
    return GetObjectW(brush, sizeof info, &info) == sizeof info && info.lbStyle == BS_SOLID &&
           info.lbColor == GetSysColor(systemColor);
}

bool isHollowBrush(LRESULT result) {
    LOGBRUSH info;
    return result != 0 &&
           GetObjectW(reinterpret_cast<HBRUSH>(result), sizeof info, &info) == sizeof info &&
           info.lbStyle == BS_HOLLOW;
}

bool hasDefaultBackground(HWND hwnd) {
    ULONG_PTR brush = GetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND);
    return brush == COLOR_BTNFACE + 1 ||
           reinterpret_cast<HBRUSH>(brush) == GetSysColorBrush(COLOR_BTNFACE);
}

// Classes the program registered itself, as against the system's controls.
bool isProgramClass(HWND hwnd) {
    return GetClassLongPtrW(hwnd, GCLP_HMODULE) ==
           reinterpret_cast<ULONG_PTR>(GetModuleHandleW(nullptr));
}

// The window erases first, its own way; what came out in the system's button-face colour is
// erased again in the skin. A window that paints its own colour, such as a black one, keeps
// it. A frame that did not erase at all gets the skin; a child that did not is left alone,
// since it may mean to show its parent through.
LRESULT eraseInSkin(HWND hwnd, HDC dc, LRESULT erased, bool isFrame) {
    RECT clip;
    int kind = GetClipBox(dc, &clip);
    if (kind == ERROR || kind == NULLREGION) {
        return erased;
    }
    bool skin = erased == 0 && isFrame;
    if (erased != 0) {
        // Children are clipped out of the region, so probe a few points for one inside it.
        POINT probes[] = {{clip.left, clip.top},
                          {clip.right - 1, clip.bottom - 1},
                          {(clip.left + clip.right) / 2, (clip.top + clip.bottom) / 2},
                          {clip.right - 1, clip.top},
                          {clip.left, clip.bottom - 1}};
        for (const POINT& p : probes) {
            COLORREF pixel = GetPixel(dc, p.x, p.y);
            if (pixel != CLR_INVALID) {
                skin = pixel == GetNearestColor(dc, GetSysColor(COLOR_BTNFACE));
                break;
            }
        }
    }
    if (!skin) {
        return erased;
    }
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(dc, &rc, engine().windowBrush);
    return 1;
}

// The window has handled the colour message first; only what it left at the system's
// defaults takes the skin's colours, so a label with its own colour keeps it.
LRESULT recolor(HDC dc, LRESULT result, int systemBackground, SkinColorSlot back,
                SkinColorSlot fore, HBRUSH skinBrush) {
    bool defaultBrush = isDefaultBrush(result, systemBackground);
    if (!defaultBrush && !isHollowBrush(result)) {
        return result;
    }
    COLORREF text = GetTextColor(dc);
    if (text == GetSysColor(COLOR_WINDOWTEXT) || text == GetSysColor(COLOR_BTNTEXT)) {
        SetTextColor(dc, color(fore));
    }
    if (!defaultBrush) {
        return result;
    }
    SetBkColor(dc, color(back));
    return reinterpret_cast<LRESULT>(skinBrush);
}

// ------------------------------------------------------------------ fonts

// The theme's font for a window at `dpi`: its height is that of 96 DPI, scaled as the
// launcher scales its own. Null when the theme keeps the windows' fonts, or when a font
// cannot be made.
HFONT skinFont(int dpi) {
    Engine& e = engine();
    if (!e.theme.hasFont()) {
        return nullptr;
    }
    int slot = 0;
    for (; slot < kScaledFonts && e.fonts[slot].font != nullptr; ++slot) {
        if (e.fonts[slot].dpi == dpi) {
            return e.fonts[slot].font;
        }
    }
    if (slot == kScaledFonts) {
        // A ninth DPI: the windows there keep the font they have.
        return nullptr;
    }
    LOGFONTW lf = {};
    lf.lfHeight = -scaleToDpi(e.theme.fontHeight, dpi);
    lf.lfWeight = e.theme.fontWeight;
    lf.lfCharSet = static_cast<BYTE>(e.theme.fontCharset);
    lf.lfQuality = DEFAULT_QUALITY;
    for (int i = 0; i < LF_FACESIZE && e.theme.fontFace[i] != 0; ++i) {
        lf.lfFaceName[i] = static_cast<wchar_t>(e.theme.fontFace[i]);
    }
    e.fonts[slot] = ScaledFont{dpi, CreateFontIndirectW(&lf)};
    return e.fonts[slot].font;
}

// The system's default GUI font, also as a window made it anew for another DPI: the stock
// font's face, character set and weight at any height.
bool isDefaultGuiFont(HFONT font) {
    HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT);
    if (font == stock) {
        return true;
    }
    LOGFONTW given;
    LOGFONTW standard;
    if (font == nullptr || GetObjectW(font, sizeof given, &given) != sizeof given ||
        GetObjectW(stock, sizeof standard, &standard) != sizeof standard) {
        return false;
    }
    return lstrcmpiW(given.lfFaceName, standard.lfFaceName) == 0 &&
           given.lfCharSet == standard.lfCharSet && given.lfWeight == standard.lfWeight &&
           given.lfItalic == standard.lfItalic;
}

BOOL CALLBACK applyFontToChild(HWND child, LPARAM) {
    HFONT current = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
    HANDLE given = GetPropW(child, kFontProp);
    // Ours from an earlier skin or another DPI, none, or the system's default: the skin's
    // font at the window's DPI. A font the window chose itself stays.
    bool ours = given != nullptr && current == given;
    if (!ours && current != nullptr && !isDefaultGuiFont(current)) {
        return TRUE;
    }
    HFONT wanted = skinFont(windowDpi(child));
    if (wanted == nullptr) {
        if (ours) {
            RemovePropW(child, kFontProp);
            SendMessageW(child, WM_SETFONT,
                         reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        }
        return TRUE;
    }
    SetPropW(child, kFontProp, wanted);
    if (current != wanted) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(wanted), TRUE);
    }
    return TRUE;
}

void applyFonts(HWND frame) {
    EnumChildWindows(frame, applyFontToChild, 0);
}

// ------------------------------------------------------------------ push buttons

void paintButton(HWND hwnd, HDC dc) {
    const Engine& e = engine();
    RECT rc;
    GetClientRect(hwnd, &rc);
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    LRESULT state = SendMessageW(hwnd, BM_GETSTATE, 0, 0);
    LRESULT cues = SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0);
    bool enabled = IsWindowEnabled(hwnd) != FALSE;
    bool pushed = (state & BST_PUSHED) != 0;
    bool focused = (state & BST_FOCUS) != 0;
    bool hot = GetPropW(hwnd, kHotProp) != nullptr;
    bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    SkinColorSlot face = !enabled ? kSkinButton
                         : pushed ? kSkinButtonPressed
                         : hot    ? kSkinButtonHot
                                  : kSkinButton;

    // The rounded corners show whatever the parent paints behind its buttons.
    HBRUSH back = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(hwnd), WM_CTLCOLORBTN,
                                                        reinterpret_cast<WPARAM>(dc),
                                                        reinterpret_cast<LPARAM>(hwnd)));
    FillRect(dc, &rc, back != nullptr ? back : e.windowBrush);

    HBRUSH faceBrush = CreateSolidBrush(color(face));
    HPEN pen = CreatePen(PS_SOLID, 1, color(focused || isDefault ? kSkinAccent : kSkinBorder));
    HGDIOBJ oldBrush = SelectObject(dc, faceBrush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    // The corners, the text's margins and the focus mark are of 96 DPI, scaled like the
    // launcher's own lengths.
    const int dpi = windowDpi(hwnd);
    const int corner = scaleToDpi(6, dpi);
    RoundRect(dc, rc.left, rc.top, rc.right, rc.bottom, corner, corner);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(faceBrush);

    wchar_t shortText[256];
    int room = GetWindowTextLengthW(hwnd) + 1;
    wchar_t* text = shortText;
    if (room > 256) {
        text = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, room * sizeof(wchar_t)));
    }
    if (text == nullptr) {
        text = shortText;
        room = 256;
    }
    GetWindowTextW(hwnd, text, room);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color(enabled ? kSkinButtonText : kSkinDisabledText));
    RECT textRect = rc;
    InflateRect(&textRect, -scaleToDpi(4, dpi), -scaleToDpi(2, dpi));
    if (pushed) {
        OffsetRect(&textRect, scaleToDpi(1, dpi), scaleToDpi(1, dpi));
    }
    UINT format = DT_CENTER | ((cues & UISF_HIDEACCEL) != 0 ? DT_HIDEPREFIX : 0);
    if ((style & BS_MULTILINE) != 0) {
        RECT measured = textRect;
        DrawTextW(dc, text, -1, &measured, format | DT_WORDBREAK | DT_CALCRECT);
        int shift = ((textRect.bottom - textRect.top) - (measured.bottom - measured.top)) / 2;
        textRect.top += shift > 0 ? shift : 0;
        DrawTextW(dc, text, -1, &textRect, format | DT_WORDBREAK);
    } else {
        DrawTextW(dc, text, -1, &textRect, format | DT_VCENTER | DT_SINGLELINE);
    }
    if (oldFont != nullptr) {
        SelectObject(dc, oldFont);
    }
    if (focused && (cues & UISF_HIDEFOCUS) == 0) {
        RECT mark = rc;
        InflateRect(&mark, -scaleToDpi(3, dpi), -scaleToDpi(3, dpi));
        SetTextColor(dc, color(kSkinButtonText));
        SetBkColor(dc, color(face));
        DrawFocusRect(dc, &mark);
    }
    if (text != shortText) {
        HeapFree(GetProcessHeap(), 0, text);
    }
}

// The standard button draws some state changes at once, outside WM_PAINT; after each of
// these it is painted again in the skin.
bool drawsOutsidePaint(UINT msg) {
    switch (msg) {
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case WM_SETTEXT:
        case WM_ENABLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CAPTURECHANGED:
        case WM_UPDATEUISTATE:
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK buttonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    Engine& e = engine();
    if (msg == WM_NCDESTROY) {
        RemovePropW(hwnd, kHotProp);
        removeSubclass(hwnd, buttonProc, id);
        return defSubclassProc(hwnd, msg, wp, lp);
    }
    if (!e.theme.paintsButtons() || !isPushButton(hwnd)) {
        return defSubclassProc(hwnd, msg, wp, lp);
    }
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            paintButton(hwnd, dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            paintButton(hwnd, reinterpret_cast<HDC>(wp));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            if (GetPropW(hwnd, kHotProp) == nullptr) {
                SetPropW(hwnd, kHotProp, reinterpret_cast<HANDLE>(1));
                TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, hwnd, 0};
                TrackMouseEvent(&track);
                InvalidateRect(hwnd, nullptr, FALSE);
            }
            break;
        case WM_MOUSELEAVE:
            RemovePropW(hwnd, kHotProp);
            InvalidateRect(hwnd, nullptr, FALSE);
            break;
        default:
            if (msg == e.repaintMessage) {
                RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                return 0;
            }
            break;
    }
    if (!drawsOutsidePaint(msg) && !(msg == WM_MOUSEMOVE && GetCapture() == hwnd)) {
        return defSubclassProc(hwnd, msg, wp, lp);
    }
    if (msg == WM_LBUTTONUP || msg == WM_KEYUP) {
        // The click runs inside this call and may open a modal window: the posted repaint
        // reaches the button through that window's message loop.
        PostMessageW(hwnd, e.repaintMessage, 0, 0);
    }
    LRESULT result = defSubclassProc(hwnd, msg, wp, lp);
    if (IsWindow(hwnd)) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    return result;
}

// ------------------------------------------------------------------ backgrounds and frames

LRESULT CALLBACK backgroundProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    if (msg == WM_ERASEBKGND) {
        return eraseInSkin(hwnd, reinterpret_cast<HDC>(wp), defSubclassProc(hwnd, msg, wp, lp),
                           false);
    }
    if (msg == WM_NCDESTROY) {
        removeSubclass(hwnd, backgroundProc, id);
    }
    return defSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK frameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    Engine& e = engine();
    switch (msg) {
        case WM_ERASEBKGND:
            return eraseInSkin(hwnd, reinterpret_cast<HDC>(wp), defSubclassProc(hwnd, msg, wp, lp),
                               true);
        case WM_CTLCOLORDLG: {
            LRESULT result = defSubclassProc(hwnd, msg, wp, lp);
            return isDefaultBrush(result, COLOR_BTNFACE) ? reinterpret_cast<LRESULT>(e.windowBrush)
                                                         : result;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return recolor(reinterpret_cast<HDC>(wp), defSubclassProc(hwnd, msg, wp, lp),
                           COLOR_BTNFACE, kSkinWindow, kSkinText, e.windowBrush);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return recolor(reinterpret_cast<HDC>(wp), defSubclassProc(hwnd, msg, wp, lp),
                           COLOR_WINDOW, kSkinEdit, kSkinEditText, e.editBrush);
        case WM_DPICHANGED: {
            // The window lays itself out again and gives its controls fonts for the new DPI;
            // those that had the skin's get it again at that DPI.
            LRESULT result = defSubclassProc(hwnd, msg, wp, lp);
            applyFonts(hwnd);
            return result;
        }
        case WM_SHOWWINDOW: {
            LRESULT result = defSubclassProc(hwnd, msg, wp, lp);
            if (wp) {
                applyFonts(hwnd);
            }
            return result;
        }
        case WM_NCDESTROY:
            RemovePropW(hwnd, kRescanProp);
            RemovePropW(hwnd, kFrameProp);
            removeSubclass(hwnd, frameProc, id);
            break;
        default:
            if (msg == e.rescanMessage) {
                RemovePropW(hwnd, kRescanProp);
                applyFonts(hwnd);
                return 0;
            }
            break;
    }
    return defSubclassProc(hwnd, msg, wp, lp);
}

bool isOurFrame(HWND hwnd) {
    return hwnd != nullptr && GetPropW(hwnd, kFrameProp) != nullptr;
}

void takeOnFrame(HWND hwnd) {
    Engine& e = engine();
    if (!isOurFrame(hwnd)) {
        if (!setSubclass(hwnd, frameProc, kFrameSubclass, 0)) {
            return;
        }
        SetPropW(hwnd, kFrameProp, reinterpret_cast<HANDLE>(1));
    }
    applyFrameColors(hwnd, e.theme);
    if (e.aero) {
        applyFrameBackdrop(hwnd, true);
    }
}

void takeOnChild(HWND hwnd) {
    if (isPushButton(hwnd)) {
        setSubclass(hwnd, buttonProc, kButtonSubclass, 0);
    } else if ((hasDefaultBackground(hwnd) || isProgramClass(hwnd)) &&
               (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT) == 0) {
        setSubclass(hwnd, backgroundProc, kBackgroundSubclass, 0);
    }
}

// A new child's font is known only once its creator has set it, so the frame looks at its
// children again when the creating code has returned to the message loop.
void scheduleFontRescan(HWND parent) {
    HWND root = parent != nullptr ? GetAncestor(parent, GA_ROOT) : nullptr;
    if (isOurFrame(root) && GetPropW(root, kRescanProp) == nullptr) {
        SetPropW(root, kRescanProp, reinterpret_cast<HANDLE>(1));
        PostMessageW(root, engine().rescanMessage, 0, 0);
    }
}

LRESULT CALLBACK cbtProc(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND) {
        HWND hwnd = reinterpret_cast<HWND>(wp);
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lp)->lpcs;
        if (isFrameStyle(create->style)) {
            takeOnFrame(hwnd);
        } else if ((create->style & WS_CHILD) != 0) {
            takeOnChild(hwnd);
            scheduleFontRescan(create->hwndParent);
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

BOOL CALLBACK takeOnExistingChild(HWND child, LPARAM) {
    takeOnChild(child);
    return TRUE;
}

BOOL CALLBACK takeOnExistingWindow(HWND hwnd, LPARAM) {
    if (isFrameStyle(GetWindowLongW(hwnd, GWL_STYLE))) {
        takeOnFrame(hwnd);
        EnumChildWindows(hwnd, takeOnExistingChild, 0);
        applyFonts(hwnd);
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    return TRUE;
}

BOOL CALLBACK backdropForWindow(HWND hwnd, LPARAM on) {
    if (isFrameStyle(GetWindowLongW(hwnd, GWL_STYLE))) {
        applyFrameBackdrop(hwnd, on != 0);
    }
    return TRUE;
}

// Hooks and subclasses point into this library: once they exist it must never unload.
void pinLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(reinterpret_cast<void*>(&cbtProc)), &self);
}

}  // namespace

bool attachSkin(const SkinTheme& theme) {
    Engine& e = engine();
    if (e.hook == nullptr) {
        e.rescanMessage = RegisterWindowMessageW(L"ZnkSkin.Rescan");
        e.repaintMessage = RegisterWindowMessageW(L"ZnkSkin.Repaint");
        e.hook = SetWindowsHookExW(WH_CBT, cbtProc, nullptr, GetCurrentThreadId());
        if (e.hook == nullptr) {
            return false;
        }
        pinLibrary();
    }
    HBRUSH oldWindowBrush = e.windowBrush;
    HBRUSH oldEditBrush = e.editBrush;
    ScaledFont oldFonts[kScaledFonts];
    for (int i = 0; i < kScaledFonts; ++i) {
        oldFonts[i] = e.fonts[i];
        e.fonts[i] = ScaledFont{};
    }
    e.theme = theme;
    e.windowBrush = CreateSolidBrush(color(kSkinWindow));
    e.editBrush = CreateSolidBrush(color(kSkinEdit));
    EnumThreadWindows(GetCurrentThreadId(), takeOnExistingWindow, 0);
    // Every window now paints with the new objects; the old ones can go.
    if (oldWindowBrush != nullptr) {
        DeleteObject(oldWindowBrush);
    }
    if (oldEditBrush != nullptr) {
        DeleteObject(oldEditBrush);
    }
    for (const ScaledFont& old : oldFonts) {
        if (old.font != nullptr) {
            DeleteObject(old.font);
        }
    }
    return true;
}

bool setSkinAero(bool on) {
    engine().aero = on;
    EnumThreadWindows(GetCurrentThreadId(), backdropForWindow, on ? 1 : 0);
    return frameEffectsAvailable();
}
