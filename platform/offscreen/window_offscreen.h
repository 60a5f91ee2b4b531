// The in-memory view of a loaded window. It has no pixels: the model's state
// is all there is to see, so the view keeps only what a native window would
// keep on its own (handles, the running timers, the picture button under the
// mouse) and runs the scripted user as its modal loop.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/offscreen/system.h"
#include "platform/window_view.h"

class OffscreenView : public WindowView {
  public:
    explicit OffscreenView(LoadedWindow& window);
    ~OffscreenView() override;

    void propertyChanged(ControlId control, int index) override;
    void comboItemAdded(ControlId, int) override {}
    void runModal() override;
    std::intptr_t nativeHandle(ControlId control) const override;

    // The picture button under the mouse (0: none). Entering one shows its
    // hot picture and plays its hover sound.
    ControlId hotControl() const { return hot_; }
    void mouseOver(ControlId control);

  private:
    void restartTimer(ControlId control);

    LoadedWindow& window_;
    OffscreenSystem& system_;
    std::vector<std::intptr_t> handles_;
    ControlId hot_ = 0;
};

// The view of a loaded window on this backend, or null when not loaded.
OffscreenView* offscreenView(WindowId window);
