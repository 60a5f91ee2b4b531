// The top-level window of a loaded window and its modal loop.
// https://learn.microsoft.com/windows/win32/winmsg/windows
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-isdialogmessagew
//
// The window is a plain window of our own class, not a dialog: it runs its own
// loop, and IsDialogMessageW gives it the dialog keyboard (Tab between the tab
// stops, Esc and Enter as IDCANCEL and IDOK). The dialog manager would also
// handle WM_NEXTDLGCTL and keep the focus across activations; this file does
// that itself.
#include "platform/win32/window_win32.h"

#include "platform/display.h"
#include "platform/win32/wide.h"

namespace {

ATOM registerWindowClass(WNDPROC proc) {
    static ATOM atom = 0;
    if (atom != 0)
        return atom;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    // The program icon, once the exe carries it; the system's default before.
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = kWindowClass;
    atom = RegisterClassExW(&windowClass);
    return atom;
}

// Focus as the dialog manager gives it: an edit box reached by the keyboard
// has its whole text selected.
void focusControl(HWND control) {
    if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
    SetFocus(control);
}

// WM_GETDPISCALEDSIZE (Windows 10 1703), which older headers lack: the size
// the window wants at a new DPI, asked before WM_DPICHANGED.
constexpr UINT kGetDpiScaledSize = 0x02E4;

}  // namespace

std::unique_ptr<WindowView> createWindowView(LoadedWindow& window) {
    auto view = std::make_unique<Win32WindowView>(window);
    if (!view->create())
        return nullptr;
    return view;
}

Win32WindowView::~Win32WindowView() {
    if (hwnd_ == nullptr)
        return;
    for (const auto& control : controls_) {
        if (control && control->hwnd())
            forgetBalloonTip(control->hwnd());
    }
    // From here on the window's messages no longer reach this object.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

bool Win32WindowView::create() {
    const WindowTemplate& source = *window_.source;
    if (registerWindowClass(windowProc) == 0)
        return false;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
    if (source.minimizeBox)
        style |= WS_MINIMIZEBOX;
    if (source.maximizeBox)
        style |= WS_MAXIMIZEBOX;
    // Owned by the window it is modal over, so it stays above it; still a
    // task-bar button of its own.
    const Rect& size = window_.state(0).rect;
    std::wstring title =
        toWide(window_.state(0).text, static_cast<unsigned>(codePageOf(window_.state(0).text)));
    if (!CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, kWindowClass, title.c_str(), style,
                         CW_USEDEFAULT, CW_USEDEFAULT, size.width, size.height, ownerHwnd(),
                         nullptr, GetModuleHandleW(nullptr), this)) {
        return false;
    }
    // Laid out for the DPI of the monitor the system put it on; runModal
    // moves it to its owner's monitor, which may ask for another.
    dpi_ = windowDpi(hwnd_);
    fitToDpi();

    controls_.resize(window_.controls.size());
    for (ControlId id = 1; id <= window_.controlCount(); ++id) {
        std::unique_ptr<Win32Control> control;
        switch (window_.kind(id)) {
            case ControlKind::Button:
                control = makeButton(*this, id);
                break;
            case ControlKind::Label:
            case ControlKind::TransparentLabel:
                control = makeLabel(*this, id);
                break;
            case ControlKind::EditBox:
                control = makeEditBox(*this, id);
                break;
            case ControlKind::ComboBox:
                control = makeComboBox(*this, id);
                break;
            case ControlKind::CheckBox:
                control = makeCheckBox(*this, id);
                break;
            case ControlKind::GroupBox:
                control = makeGroupBox(*this, id);
                break;
            case ControlKind::PictureBox:
                control = makePictureBox(*this, id);
                break;
            case ControlKind::PictureButton:
                control = makePictureButton(*this, id);
                break;
            case ControlKind::Timer:
                control = makeTimer(*this, id);
                break;
        }
        if (!control || !control->create())
            return false;
        controls_[id] = std::move(control);
    }
    // Front to back is list order, and so is the tab order, which follows the
    // z-order. A group frame goes behind everything: it surrounds controls
    // and must not hide them, wherever the list puts it.
    for (const auto& control : controls_) {
        if (control && control->hwnd()) {
            SetWindowPos(control->hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    for (const auto& control : controls_) {
        if (control && control->hwnd() && window_.kind(control->id()) == ControlKind::GroupBox) {
            SetWindowPos(control->hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    return true;
}

HWND Win32WindowView::ownerHwnd() const {
    const LoadedWindow* owner = findLoadedWindow(window_.owner);
    if (owner == nullptr || !owner->view)
        return nullptr;
    return reinterpret_cast<HWND>(owner->view->nativeHandle(0));
}

COLORREF Win32WindowView::backColour() const {
    int rgb = window_.source->backColour;
    return rgb == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : colourRef(rgb);
}

std::intptr_t Win32WindowView::nativeHandle(ControlId control) const {
    if (control == 0)
        return reinterpret_cast<std::intptr_t>(hwnd_);
    if (control < 0 || control >= static_cast<int>(controls_.size()) || !controls_[control]) {
        return 0;
    }
    return reinterpret_cast<std::intptr_t>(controls_[control]->hwnd());
}

void Win32WindowView::propertyChanged(ControlId control, int index) {
    if (control == 0) {
        const ControlState& own = window_.state(0);
        switch (index) {
            case kWindowTitle:
                SetWindowTextW(
                    hwnd_, toWide(own.text, static_cast<unsigned>(codePageOf(own.text))).c_str());
                break;
            case kPropLeft:
            case kPropTop:
                SetWindowPos(hwnd_, nullptr, scaled(own.rect.left), scaled(own.rect.top), 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                break;
            case kPropWidth:
            case kPropHeight:
                fitToDpi();
                break;
            case kPropVisible:
                // Before the loop runs the window is hidden whatever the model says.
                if (window_.running)
                    ShowWindow(hwnd_, own.visible ? SW_SHOW : SW_HIDE);
                break;
            case kPropDisabled:
                EnableWindow(hwnd_, !own.disabled);
                break;
            default:
                break;
        }
        return;
    }
    Win32Control* target = controlFromId(kControlIdBase + control);
    if (target == nullptr)
        return;
    if (index <= kPropMouseCursor) {
        target->showCommon(index);
    } else {
        target->showProperty(index);
    }
}

void Win32WindowView::comboItemAdded(ControlId control, int index) {
    if (Win32Control* target = controlFromId(kControlIdBase + control)) {
        target->comboItemAdded(index);
    }
}

Rect Win32WindowView::scaled(const Rect& rect) const {
    return Rect{scaled(rect.left), scaled(rect.top), scaled(rect.width), scaled(rect.height)};
}

SIZE Win32WindowView::outerSize(int dpi) const {
    const Rect& size = window_.state(0).rect;
    if (dpi == kTemplateDpi)
        return SIZE{size.width, size.height};
    auto style = static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE));
    auto exStyle = static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE));
    RECT templateFrame = frameForDpi(style, exStyle, kTemplateDpi);
    int clientWidth = size.width - templateFrame.left - templateFrame.right;
    int clientHeight = size.height - templateFrame.top - templateFrame.bottom;
    // At the window's own DPI the frame is the one it has: on Windows 8.1 that
    // is the system DPI's, whatever the monitor's. At another (asked before a
    // change of monitor, on Windows 10) it is the system's answer for that DPI.
    SIZE frame{};
    RECT outer;
    RECT client;
    if (dpi == dpi_ && !IsIconic(hwnd_) && GetWindowRect(hwnd_, &outer) &&
        GetClientRect(hwnd_, &client)) {
        frame =
            SIZE{outer.right - outer.left - client.right, outer.bottom - outer.top - client.bottom};
    } else {
        RECT sides = frameForDpi(style, exStyle, dpi);
        frame = SIZE{sides.left + sides.right, sides.top + sides.bottom};
    }
    return SIZE{scaleToDpi(clientWidth > 0 ? clientWidth : 0, dpi) + frame.cx,
                scaleToDpi(clientHeight > 0 ? clientHeight : 0, dpi) + frame.cy};
}

void Win32WindowView::fitToDpi() {
    SIZE outer = outerSize(dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moved to a monitor of another DPI (or the system's scale changed): the
// system's rectangle, which WM_GETDPISCALEDSIZE made the right size where the
// system asks for it, or else the window's own size at the new DPI, and every
// control laid out again.
void Win32WindowView::onDpiChanged(int dpi, const RECT* suggested) {
    dpi_ = dpi;
    if (suggested != nullptr) {
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        fitToDpi();
    }
    for (const auto& control : controls_) {
        if (control)
            control->dpiChanged();
    }
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Centred on the work area (the screen less the task bar and docked bars) of
// the monitor the window opens on: that of the window it is modal over, or for
// the main window the one the system placed it on. A window larger than the
// area keeps its title bar inside it.
void Win32WindowView::centreOnWorkArea() {
    HWND owner = ownerHwnd();
    HMONITOR monitor =
        MonitorFromWindow(owner != nullptr ? owner : hwnd_, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (GetMonitorInfoW(monitor, &info))
        area = info.rcWork;
    // A monitor of another DPI lays the window out again once it is there
    // (WM_DPICHANGED, or here for a hidden window that the system moved
    // without one), which changes its size: then it is centred once more.
    for (int pass = 0; pass < 2; ++pass) {
        int before = dpi_;
        RECT frame;
        GetWindowRect(hwnd_, &frame);
        int left = area.left + (area.right - area.left - (frame.right - frame.left)) / 2;
        int top = area.top + (area.bottom - area.top - (frame.bottom - frame.top)) / 2;
        SetWindowPos(hwnd_, nullptr, left > area.left ? left : area.left,
                     top > area.top ? top : area.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        int now = windowDpi(hwnd_);
        if (now != dpi_)
            onDpiChanged(now, nullptr);
        if (dpi_ == before)
            break;
    }
}

void Win32WindowView::focusFirstTabStop() {
    HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (first != nullptr && IsChild(hwnd_, first)) {
        focusControl(first);
    } else {
        // Esc still reaches the window through IsDialogMessageW.
        SetFocus(hwnd_);
    }
}

void Win32WindowView::runModal() {
    HWND owner = ownerHwnd();
    if (owner != nullptr)
        EnableWindow(owner, FALSE);
    centreOnWorkArea();
    if (window_.state(0).visible) {
        ShowWindow(hwnd_, SW_SHOW);
        UpdateWindow(hwnd_);
        SetForegroundWindow(hwnd_);
        focusFirstTabStop();
    }

    // The model sets `closing` only while one of its calls runs, so testing it
    // before each wait ends the loop right after the handler that closed the
    // window, even when that was the "created" handler.
    MSG message;
    while (!window_.closing) {
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT belongs to the outermost loop: pass it on.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0)
            break;
        if (!IsDialogMessageW(hwnd_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    // The owner takes input again before this window hides, so that the
    // system activates it rather than some other program's window; an owner
    // that the program disabled itself stays disabled.
    if (owner != nullptr) {
        const LoadedWindow* ownerWindow = findLoadedWindow(window_.owner);
        EnableWindow(owner, ownerWindow == nullptr || !ownerWindow->state(0).disabled);
    }
    ShowWindow(hwnd_, SW_HIDE);
    if (owner != nullptr)
        SetActiveWindow(owner);
}

Win32Control* Win32WindowView::controlFromId(int childId) const {
    int index = childId - kControlIdBase;
    if (index < 1 || index >= static_cast<int>(controls_.size()))
        return nullptr;
    return controls_[index].get();
}

Win32Control* Win32WindowView::controlFromHwnd(HWND child) const {
    if (child == nullptr || GetParent(child) != hwnd_)
        return nullptr;
    Win32Control* control = controlFromId(GetDlgCtrlID(child));
    return control != nullptr && control->hwnd() == child ? control : nullptr;
}

void Win32WindowView::onCommand(WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    if (Win32Control* control = controlFromHwnd(reinterpret_cast<HWND>(lParam))) {
        if (control->id() + kControlIdBase == id)
            control->onCommand(HIWORD(wParam));
        return;
    }
    if (id == IDCANCEL) {
        // Esc that the focused control did not take.
        userRequestedClose(window_);
    } else if (id == IDOK) {
        // Enter on a focused push button presses it, as in a dialog.
        Win32Control* focused = controlFromHwnd(GetFocus());
        if (focused != nullptr && focused->id() >= 1) {
            ControlKind kind = window_.kind(focused->id());
            if (kind == ControlKind::Button || kind == ControlKind::PictureButton) {
                SendMessageW(focused->hwnd(), BM_CLICK, 0, 0);
            }
        }
    }
}

LRESULT CALLBACK Win32WindowView::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* view =
            static_cast<Win32WindowView*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        view->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
        enableNonClientDpiScaling(hwnd);
    }
    auto* view = reinterpret_cast<Win32WindowView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (view == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return view->onMessage(message, wParam, lParam);
}

LRESULT Win32WindowView::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return 0;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            Win32Control* control = controlFromHwnd(item.hwndItem);
            if (control != nullptr && control->onDrawItem(item))
                return TRUE;
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            if (Win32Control* control = controlFromHwnd(reinterpret_cast<HWND>(lParam))) {
                if (HBRUSH brush = control->onColour(reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            break;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, solidBrush(backColour()));
            return 1;
        }
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case kGetDpiScaledSize: {
            SIZE outer = outerSize(static_cast<int>(wParam));
            *reinterpret_cast<SIZE*>(lParam) = outer;
            return TRUE;
        }
        case WM_TIMER:
            timerTick(window_, static_cast<ControlId>(wParam) - kControlIdBase);
            return 0;
        case WM_CLOSE:
            // Close box and system menu: the model decides, the loop ends.
            userRequestedClose(window_);
            return 0;
        case WM_NEXTDLGCTL: {
            HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                         : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
            if (target != nullptr)
                focusControl(target);
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(hwnd_, focus))
                    lastFocus_ = focus;
            } else if (!HIWORD(wParam)) {
                if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) &&
                    IsWindowVisible(lastFocus_)) {
                    SetFocus(lastFocus_);
                } else {
                    focusFirstTabStop();
                }
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}
