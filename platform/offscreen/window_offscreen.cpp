#include "platform/offscreen/window_offscreen.h"

#include <utility>

#include "platform/audio.h"
#include "platform/offscreen/user.h"

OffscreenView::OffscreenView(LoadedWindow& window)
    : window_(window), system_(OffscreenSystem::current()) {
    // Fake handles from a counter of the system, never 0, as native ones.
    for (size_t i = 0; i < window.controls.size(); ++i)
        handles_.push_back(++system_.lastHandle);
    for (ControlId control = 1; control <= window.controlCount(); ++control) {
        if (window.kind(control) == ControlKind::Timer)
            restartTimer(control);
    }
}

OffscreenView::~OffscreenView() {
    std::erase_if(system_.timersDue,
                  [this](const auto& timer) { return timer.first.first == window_.id; });
}

void OffscreenView::propertyChanged(ControlId control, int index) {
    if (control >= 1 && window_.kind(control) == ControlKind::Timer && index == kTimerInterval) {
        restartTimer(control);
    }
    // A picture button that turns disabled or hidden is no longer hot.
    if (control == hot_ && (index == kPropVisible || index == kPropDisabled))
        hot_ = 0;
}

// As a native timer: a new interval starts counting from now.
void OffscreenView::restartTimer(ControlId control) {
    TimerKey key{window_.id, control};
    int interval = window_.state(control).interval;
    if (interval > 0) {
        system_.timersDue[key] = system_.clockMs + interval;
    } else {
        system_.timersDue.erase(key);
    }
}

void OffscreenView::runModal() {
    WindowId id = window_.id;
    system_.openedWindows.push_back(id);
    if (window_.closing)
        return;
    std::deque<OffscreenScript>& queue = system_.windowScripts[id];
    if (!queue.empty()) {
        OffscreenScript script = std::move(queue.front());
        queue.pop_front();
        OffscreenUser user(id);
        script(user);
        if (!window_.closing)
            system_.leftOpenByScripts.push_back(id);
    }
    // The user closes what is left open. A window that a handler hid or
    // disabled refuses the close box, but the loop must end all the same.
    if (!window_.closing && !userRequestedClose(window_))
        closeWindow(ControlRef{id, 0});
}

std::intptr_t OffscreenView::nativeHandle(ControlId control) const {
    return control >= 0 && control < static_cast<int>(handles_.size()) ? handles_[control] : 0;
}

void OffscreenView::mouseOver(ControlId control) {
    bool isPictureButton = control >= 1 && window_.kind(control) == ControlKind::PictureButton;
    ControlId entered = isPictureButton ? control : 0;
    if (entered == hot_)
        return;
    hot_ = entered;
    if (entered != 0)
        playWaveAsset(window_.state(entered).source->hoverSound);
}

OffscreenView* offscreenView(WindowId window) {
    LoadedWindow* loaded = findLoadedWindow(window);
    // Every view on this backend is an OffscreenView.
    return loaded != nullptr ? static_cast<OffscreenView*>(loaded->view.get()) : nullptr;
}

std::unique_ptr<WindowView> createWindowView(LoadedWindow& window) {
    return std::make_unique<OffscreenView>(window);
}

void showBalloonTip(std::intptr_t handle, const Text& text, bool balloon, bool centred) {
    OffscreenSystem::current().balloonTips[handle] = RecordedBalloonTip{text, balloon, centred};
}
