// Picture box: an owner-drawn static that paints a decoded picture
// https://learn.microsoft.com/windows/win32/controls/static-control-styles
#include "platform/win32/painted_picture.h"
#include "platform/win32/window_win32.h"

namespace {

class PictureBox : public Win32Control {
  public:
    using Win32Control::Win32Control;

    bool create() override {
        CreateArgs args;
        args.style = SS_OWNERDRAW | SS_NOTIFY;  // SS_NOTIFY: the mouse reaches it
        args.subclass = true;
        if (!createControl(args))
            return false;
        picture_.setBytes(state().picture);
        return true;
    }

    void showProperty(int index) override {
        if (index == kPicture && picture_.setBytes(state().picture)) {
            InvalidateRect(hwnd_, nullptr, FALSE);
        }
    }

    bool onDrawItem(const DRAWITEMSTRUCT& item) override {
        FillRect(item.hDC, &item.rcItem, staticColours(item.hDC));
        picture_.paint(item.hDC, item.rcItem, source().displayMode, GetBkColor(item.hDC),
                       view_.dpi());
        return true;
    }

    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONDOWN) {
            userMouseDown(view_.window(), id_);
            return 0;
        }
        return Win32Control::onMessage(hwnd, message, wParam, lParam);
    }

  private:
    PaintedPicture picture_;
};

}  // namespace

std::unique_ptr<Win32Control> makePictureBox(Win32WindowView& view, ControlId id) {
    return std::make_unique<PictureBox>(view, id);
}
