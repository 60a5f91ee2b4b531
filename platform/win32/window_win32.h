// The native views of the window model: one top-level window per loaded
// window, one real child window per control. Shared by the control files of
// this folder; nothing outside platform/win32 includes it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/dpi.h"
#include "platform/window_view.h"

class Win32WindowView;

// Control ids of the child windows: the model's control id plus this base,
// clear of IDOK and IDCANCEL, which IsDialogMessageW sends for Enter and Esc.
inline constexpr int kControlIdBase = 1000;

// The class of every top-level window of the launcher.
inline constexpr const wchar_t* kWindowClass = L"ZnkLauncherWindow";

// One control of a window. The base holds the child window and the shared
// plumbing; each kind overrides what it needs.
class Win32Control {
  public:
    Win32Control(Win32WindowView& view, ControlId id) : view_(view), id_(id) {}
    virtual ~Win32Control() = default;
    Win32Control(const Win32Control&) = delete;
    Win32Control& operator=(const Win32Control&) = delete;

    // Creates the native control from the model's state; false on failure.
    virtual bool create() = 0;
    // Shows a kind-specific property (index 8 and above) as the model holds it.
    virtual void showProperty(int index) { (void)index; }
    // Shows one of the common properties 0 to 7.
    virtual void showCommon(int index);
    virtual void comboItemAdded(int index) { (void)index; }
    // The window has moved to another DPI: the control takes its place, its
    // font and whatever else it sizes at the new one.
    virtual void dpiChanged();
    // WM_COMMAND notification code from the child window.
    virtual void onCommand(WORD code) { (void)code; }
    virtual bool onDrawItem(const DRAWITEMSTRUCT& item) {
        (void)item;
        return false;
    }
    // WM_CTLCOLOR*: the brush to paint with, or null for the default colours.
    virtual HBRUSH onColour(HDC dc);
    // Messages of the child window itself, for kinds created with a subclass.
    virtual LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd() const { return hwnd_; }
    ControlId id() const { return id_; }
    const ControlState& state() const;
    const ControlTemplate& source() const { return *state().source; }

  protected:
    // Creation arguments with the defaults most kinds take.
    struct CreateArgs {
        const wchar_t* className = L"STATIC";
        DWORD style = 0;
        DWORD exStyle = 0;
        std::wstring text;
        // Extra pixels below the model's height (a drop-down list's list), in
        // template pixels like the rectangle.
        int extraHeight = 0;
        // Route the child's own messages through onMessage.
        bool subclass = false;
    };
    // The shared creation: position, id, visibility, enabled state, tab stop,
    // clipping, font and optional subclass.
    bool createControl(const CreateArgs& args);

    // Puts the child window where the model's rectangle lands at the window's DPI.
    void place() const;
    // The control's font at the window's DPI.
    HFONT font() const;

    // The caption as the display code page shows it.
    static std::wstring caption(const Text& text);
    // Text colour (COLORREF) and background brush of this control: its own
    // colours, or black text on the window's background.
    COLORREF textColour() const;
    COLORREF backColour() const;
    HBRUSH backBrush() const;
    // The colours an owner-drawn static paints with, asked of the window with
    // WM_CTLCOLORSTATIC as a system static asks: the text and background
    // colours end up in `dc`, the background brush is returned. A skin that
    // recolours the window's controls thereby recolours these too.
    HBRUSH staticColours(HDC dc);
    // Repaints the window's area under this control, for kinds that paint
    // without a background of their own.
    void redrawBeneath() const;

    Win32WindowView& view_;
    ControlId id_;
    HWND hwnd_ = nullptr;
    int extraHeight_ = 0;
};

class Win32WindowView : public WindowView {
  public:
    explicit Win32WindowView(LoadedWindow& window) : window_(window) {}
    ~Win32WindowView() override;

    bool create();

    void propertyChanged(ControlId control, int index) override;
    void comboItemAdded(ControlId control, int index) override;
    void runModal() override;
    std::intptr_t nativeHandle(ControlId control) const override;

    LoadedWindow& window() { return window_; }
    const LoadedWindow& window() const { return window_; }
    HWND hwnd() const { return hwnd_; }
    COLORREF backColour() const;

    // The DPI the window is laid out for, and a template length or rectangle
    // at it. Behaviour code and the model see template pixels only.
    int dpi() const { return dpi_; }
    int scaled(int length) const { return scaleToDpi(length, dpi_); }
    Rect scaled(const Rect& rect) const;

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    Win32Control* controlFromId(int childId) const;
    Win32Control* controlFromHwnd(HWND child) const;
    HWND ownerHwnd() const;
    void centreOnWorkArea();
    // The outer size for the model's outer size at `dpi`: the client area the
    // template's frame leaves at 96 DPI, scaled, in the frame the system gives
    // at `dpi`. At 96 DPI the model's size itself.
    SIZE outerSize(int dpi) const;
    void fitToDpi();
    void onDpiChanged(int dpi, const RECT* suggested);
    void focusFirstTabStop();
    void onCommand(WPARAM wParam, LPARAM lParam);

    LoadedWindow& window_;
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
    int dpi_ = kTemplateDpi;
    // Index i holds control i; entry 0 (the window) stays null.
    std::vector<std::unique_ptr<Win32Control>> controls_;
};

// The controls of each kind (one file each).
std::unique_ptr<Win32Control> makeButton(Win32WindowView& view, ControlId id);
std::unique_ptr<Win32Control> makeLabel(Win32WindowView& view, ControlId id);
std::unique_ptr<Win32Control> makeEditBox(Win32WindowView& view, ControlId id);
std::unique_ptr<Win32Control> makeComboBox(Win32WindowView& view, ControlId id);
std::unique_ptr<Win32Control> makeCheckBox(Win32WindowView& view, ControlId id);
std::unique_ptr<Win32Control> makeGroupBox(Win32WindowView& view, ControlId id);
std::unique_ptr<Win32Control> makePictureBox(Win32WindowView& view, ControlId id);
std::unique_ptr<Win32Control> makePictureButton(Win32WindowView& view, ControlId id);
std::unique_ptr<Win32Control> makeTimer(Win32WindowView& view, ControlId id);

// Shared GDI objects, kept for the whole run: a font per font spec and DPI
// (the default GUI font for none) and a solid brush per colour.
HFONT fontFor(const FontSpec& font, int dpi);
HBRUSH solidBrush(COLORREF colour);
// 0xRRGGBB as a COLORREF (0x00BBGGRR).
inline COLORREF colourRef(int rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Drops the tooltip of a control that is about to be destroyed.
void forgetBalloonTip(HWND control);
