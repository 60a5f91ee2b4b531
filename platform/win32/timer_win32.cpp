// Timer: a window timer of the control's window, identified by the control
// https://learn.microsoft.com/windows/win32/winmsg/using-timers
#include "platform/win32/window_win32.h"

namespace {

class Timer : public Win32Control {
  public:
    using Win32Control::Win32Control;

    // No window of its own: WM_TIMER reaches the top-level window, which
    // hands the tick to the model.
    bool create() override {
        schedule();
        return true;
    }

    void showProperty(int index) override {
        if (index == kTimerInterval)
            schedule();
    }

    void showCommon(int) override {}

  private:
    // Setting the interval again restarts the count, as SetTimer does.
    void schedule() {
        UINT_PTR timerId = static_cast<UINT_PTR>(kControlIdBase + id_);
        if (state().interval > 0) {
            SetTimer(view_.hwnd(), timerId, static_cast<UINT>(state().interval), nullptr);
        } else {
            KillTimer(view_.hwnd(), timerId);
        }
    }
};

}  // namespace

std::unique_ptr<Win32Control> makeTimer(Win32WindowView& view, ControlId id) {
    return std::make_unique<Timer>(view, id);
}
