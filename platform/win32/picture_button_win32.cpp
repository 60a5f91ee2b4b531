// Picture button: an owner-drawn button with a picture per state
// https://learn.microsoft.com/windows/win32/controls/button-styles (BS_OWNERDRAW)
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-trackmouseevent
#include "platform/audio.h"
#include "platform/win32/painted_picture.h"
#include "platform/win32/window_win32.h"

namespace {

// The look under the mouse and with the keyboard focus; the normal background
// is the control's own.
constexpr int kHotBackground = 0x0060C0;
constexpr int kFocusBackground = 0xECECEC;

class PictureButton : public Win32Control {
  public:
    using Win32Control::Win32Control;

    bool create() override {
        CreateArgs args;
        args.className = L"BUTTON";
        args.style = BS_OWNERDRAW;
        args.subclass = true;
        if (!createControl(args))
            return false;
        hot_.setBytes(state().hotPicture);
        showNormalPicture();
        return true;
    }

    void showProperty(int index) override {
        if (index == kPictureButtonNormal && showNormalPicture()) {
            InvalidateRect(hwnd_, nullptr, FALSE);
        }
    }

    void onCommand(WORD code) override {
        // A quick second click arrives as a double click on an owner-drawn button.
        if (code != BN_CLICKED && code != BN_DOUBLECLICKED)
            return;
        LoadedWindow& window = view_.window();
        if (controlTakesInput(window, id_))
            playWaveAsset(source().clickSound);
        userClicked(window, id_);
    }

    bool onDrawItem(const DRAWITEMSTRUCT& item) override {
        HDC dc = item.hDC;
        RECT box = item.rcItem;
        bool pressed = (item.itemState & ODS_SELECTED) != 0;
        bool disabled = (item.itemState & ODS_DISABLED) != 0;
        COLORREF back = backColour();
        if (hovering_ && !disabled) {
            back = colourRef(kHotBackground);
        } else if (item.itemState & ODS_FOCUS) {
            back = colourRef(kFocusBackground);
        }
        FillRect(dc, &box, solidBrush(back));

        PaintedPicture* picture = &normal_;
        if (disabled) {
            picture = &disabled_;
        } else if (hovering_ && !hot_.empty()) {
            picture = &hot_;
        }
        RECT inside = box;
        const int step = view_.scaled(1);
        InflateRect(&inside, -step, -step);
        if (pressed)
            OffsetRect(&inside, step, step);
        picture->paint(dc, inside, kPictureCentred, back, view_.dpi());

        // Flat: a one-pixel frame, sunken while pushed; never a focus mark.
        if (pressed) {
            DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
        } else {
            FrameRect(dc, &box, solidBrush(GetSysColor(COLOR_BTNSHADOW)));
        }
        return true;
    }

    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MOUSEMOVE && !hovering_) {
            hovering_ = true;
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
            TrackMouseEvent(&track);
            InvalidateRect(hwnd, nullptr, FALSE);
            if (controlTakesInput(view_.window(), id_))
                playWaveAsset(source().hoverSound);
        } else if (message == WM_MOUSELEAVE) {
            hovering_ = false;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return Win32Control::onMessage(hwnd, message, wParam, lParam);
    }

  private:
    // The disabled look follows the normal picture unless it has its own.
    bool showNormalPicture() {
        if (!normal_.setBytes(state().picture))
            return false;
        if (!state().disabledPicture.empty()) {
            disabled_.setBytes(state().disabledPicture);
        } else {
            disabled_.setImage(normal_.empty() ? Image() : disabledPicture(normal_.image()));
        }
        return true;
    }

    PaintedPicture normal_;
    PaintedPicture hot_;
    PaintedPicture disabled_;
    bool hovering_ = false;
};

}  // namespace

std::unique_ptr<Win32Control> makePictureButton(Win32WindowView& view, ControlId id) {
    return std::make_unique<PictureButton>(view, id);
}
