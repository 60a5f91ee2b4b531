// The window contract's user on the offscreen backend: the scripted user of
// a fresh offscreen system, which runs each script inside the window's loop.
#include "driver.h"

#include "platform/offscreen/system.h"
#include "platform/offscreen/user.h"

struct WindowDriver::State {
    OffscreenSystem system;
};

WindowDriver::WindowDriver() : state_(std::make_unique<State>()) {}
WindowDriver::~WindowDriver() = default;

void WindowDriver::onWindow(WindowId window, Script script) {
    state_->system.onWindow(window, [script](OffscreenUser&) { script(); });
}
void WindowDriver::windowCreated(WindowId) {}
const std::vector<WindowId>& WindowDriver::leftOpen() const {
    return state_->system.leftOpenByScripts;
}
bool WindowDriver::timedOut() const {
    return false;
}

bool WindowDriver::click(ControlRef control) {
    return OffscreenUser(control.window).click(control.control);
}
bool WindowDriver::type(ControlRef edit, const Text& keys) {
    return OffscreenUser(edit.window).type(edit.control, keys);
}
bool WindowDriver::paste(ControlRef edit, const Text& text) {
    return OffscreenUser(edit.window).paste(edit.control, text);
}
bool WindowDriver::chooseItem(ControlRef combo, int index) {
    return OffscreenUser(combo.window).chooseItem(combo.control, index);
}
bool WindowDriver::hover(ControlRef control) {
    return OffscreenUser(control.window).hover(control.control);
}
bool WindowDriver::pressPicture(ControlRef pictureBox) {
    return OffscreenUser(pictureBox.window).pressPicture(pictureBox.control);
}
bool WindowDriver::pressEsc(WindowId window) {
    return OffscreenUser(window).pressEsc();
}
bool WindowDriver::closeBox(WindowId window) {
    return OffscreenUser(window).closeBox();
}
void WindowDriver::advanceClock(int milliseconds) {
    OffscreenUser(0).advanceClock(milliseconds);
}

bool WindowDriver::windowOpen(WindowId window) const {
    return OffscreenUser(window).windowOpen();
}
std::vector<Text> WindowDriver::items(ControlRef combo) const {
    return OffscreenUser(combo.window).items(combo.control);
}
Text WindowDriver::tipText(std::intptr_t control) const {
    auto tip = state_->system.balloonTips.find(control);
    return tip == state_->system.balloonTips.end() ? Text() : tip->second.text;
}

bool WindowDriver::clockIsVirtual() const {
    return true;
}
long long WindowDriver::clockMs() const {
    return state_->system.clockMs;
}
std::optional<std::vector<std::string>> WindowDriver::soundsPlayed() const {
    std::vector<std::string> sounds;
    for (const PlaybackCall& call : state_->system.playback) {
        if (call.kind == PlaybackCall::Wave)
            sounds.push_back(call.files.at(0));
    }
    return sounds;
}
