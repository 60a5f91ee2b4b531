// Check box
// https://learn.microsoft.com/windows/win32/controls/button-types-and-styles#check-boxes
#include "platform/win32/window_win32.h"

namespace {

class CheckBox : public Win32Control {
  public:
    using Win32Control::Win32Control;

    bool create() override {
        CreateArgs args;
        args.className = L"BUTTON";
        // Not an automatic check box: the model owns the ticked state, and a
        // click only asks it to change.
        args.style = BS_CHECKBOX | BS_VCENTER | BS_MULTILINE;
        args.text = caption(state().text);
        if (!createControl(args))
            return false;
        showTick();
        return true;
    }

    void showProperty(int index) override {
        if (index == kCheckBoxCaption)
            SetWindowTextW(hwnd_, caption(state().text).c_str());
        if (index == kCheckBoxTicked)
            showTick();
    }

    void onCommand(WORD code) override {
        if (code != BN_CLICKED)
            return;
        userTicked(view_.window(), id_, !state().ticked);
        // Whatever the model made of it (also a refusal, or a handler that
        // ticked the box back) is what the box shows.
        showTick();
    }

  private:
    void showTick() {
        SendMessageW(hwnd_, BM_SETCHECK, state().ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
};

}  // namespace

std::unique_ptr<Win32Control> makeCheckBox(Win32WindowView& view, ControlId id) {
    return std::make_unique<CheckBox>(view, id);
}
