// Group box
// https://learn.microsoft.com/windows/win32/controls/button-types-and-styles#group-boxes
#include "platform/win32/window_win32.h"

namespace {

class GroupBox : public Win32Control {
  public:
    using Win32Control::Win32Control;

    bool create() override {
        CreateArgs args;
        args.className = L"BUTTON";
        args.style = BS_GROUPBOX;
        // Only the frame and its caption are painted; what lies inside shows.
        args.exStyle = WS_EX_TRANSPARENT;
        args.text = caption(state().text);
        return createControl(args);
    }
};

}  // namespace

std::unique_ptr<Win32Control> makeGroupBox(Win32WindowView& view, ControlId id) {
    return std::make_unique<GroupBox>(view, id);
}
