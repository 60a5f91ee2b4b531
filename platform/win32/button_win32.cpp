// Push button
// https://learn.microsoft.com/windows/win32/controls/buttons
#include "platform/win32/window_win32.h"

namespace {

class Button : public Win32Control {
  public:
    using Win32Control::Win32Control;

    bool create() override {
        CreateArgs args;
        args.className = L"BUTTON";
        // Long captions wrap instead of running out of the button.
        args.style = BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
        args.text = caption(state().text);
        return createControl(args);
    }

    void showProperty(int index) override {
        if (index == kButtonCaption)
            SetWindowTextW(hwnd_, caption(state().text).c_str());
    }

    void onCommand(WORD code) override {
        if (code == BN_CLICKED)
            userClicked(view_.window(), id_);
    }

    // Push buttons keep the system's colours; only the corners around a
    // button take the window's background.
    HBRUSH onColour(HDC) override { return solidBrush(view_.backColour()); }
};

}  // namespace

std::unique_ptr<Win32Control> makeButton(Win32WindowView& view, ControlId id) {
    return std::make_unique<Button>(view, id);
}
