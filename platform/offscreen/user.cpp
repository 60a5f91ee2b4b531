#include "platform/offscreen/user.h"

#include <algorithm>

#include "platform/audio.h"
#include "platform/offscreen/window_offscreen.h"

namespace {

struct Target {
    LoadedWindow* window = nullptr;
    ControlId control = -1;

    bool valid() const { return window != nullptr && control >= 0; }
    bool is(ControlKind kind) const {
        return valid() && control >= 1 && window->kind(control) == kind;
    }
};

Target target(WindowId window, const OffscreenControl& control) {
    Target found{findLoadedWindow(window), -1};
    if (found.window != nullptr) {
        ControlId id = control.resolve(window);
        if (found.window->hasControl(id))
            found.control = id;
    }
    return found;
}

// The length of the last character of a GBK text: 2 when it ends in a
// double-byte pair.
size_t lastCharacterLength(const Text& text) {
    size_t last = 0;
    for (size_t i = 0; i < text.size(); i += last) {
        last = isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    }
    return last;
}

// The text property of each kind.
int textIndex(const Target& at) {
    if (at.control == 0)
        return kWindowTitle;
    switch (at.window->kind(at.control)) {
        case ControlKind::Button:
            return kButtonCaption;
        case ControlKind::CheckBox:
            return kCheckBoxCaption;
        default:
            return kLabelCaption;  // also the edit box's content
    }
}

}  // namespace

ControlId OffscreenControl::resolve(WindowId window) const {
    if (!byName_)
        return id_;
    const WindowTemplate* source = findWindowTemplate(window);
    return source != nullptr ? controlIdByName(*source, name_) : -1;
}

bool OffscreenUser::windowOpen() const {
    const LoadedWindow* window = findLoadedWindow(window_);
    return window != nullptr && !window->closing;
}

bool OffscreenUser::click(OffscreenControl control) {
    Target at = target(window_, control);
    if (!at.valid() || !controlTakesInput(*at.window, at.control))
        return false;
    if (at.is(ControlKind::CheckBox))
        return tick(control);
    if (at.is(ControlKind::PictureButton)) {
        playWaveAsset(at.window->state(at.control).source->clickSound);
    }
    return userClicked(*at.window, at.control);
}

bool OffscreenUser::type(OffscreenControl control, const Text& keys) {
    Target at = target(window_, control);
    if (!at.is(ControlKind::EditBox) || !controlTakesInput(*at.window, at.control))
        return false;
    bool integerOnly = at.window->state(at.control).source->integerOnly;
    for (size_t i = 0; i < keys.size(); ++i) {
        Text key(1, keys[i]);
        if (isLeadByte(static_cast<unsigned char>(keys[i])) && i + 1 < keys.size()) {
            key += keys[++i];
        }
        // A handler may have closed the window: later keys find it gone.
        LoadedWindow* window = findLoadedWindow(window_);
        if (window == nullptr)
            return false;
        Text content = window->state(at.control).text;
        if (key == "\b") {
            content.resize(content.size() - lastCharacterLength(content));
        } else if (integerOnly && (key.size() != 1 || !integerEditTakes(key[0]))) {
            continue;
        } else {
            content += key;
        }
        if (!userChangedText(*window, at.control, content))
            return false;
    }
    return true;
}

bool OffscreenUser::paste(OffscreenControl control, const Text& text) {
    Target at = target(window_, control);
    if (!at.is(ControlKind::EditBox))
        return false;
    if (!at.window->state(at.control).source->integerOnly) {
        return userChangedText(*at.window, at.control, text);
    }
    Text kept;
    for (size_t i = 0; i < text.size(); ++i) {
        if (isLeadByte(static_cast<unsigned char>(text[i]))) {
            ++i;  // both bytes of a double-byte character go
        } else if (integerEditTakes(text[i])) {
            kept += text[i];
        }
    }
    return userChangedText(*at.window, at.control, kept);
}

bool OffscreenUser::chooseItem(OffscreenControl combo, int index) {
    Target at = target(window_, combo);
    return at.is(ControlKind::ComboBox) && userSelectedItem(*at.window, at.control, index);
}

bool OffscreenUser::tick(OffscreenControl checkBox) {
    Target at = target(window_, checkBox);
    if (!at.is(ControlKind::CheckBox))
        return false;
    return userTicked(*at.window, at.control, !at.window->state(at.control).ticked);
}

bool OffscreenUser::hover(OffscreenControl control) {
    Target at = target(window_, control);
    if (!at.valid() || at.control == 0 || !controlTakesInput(*at.window, at.control)) {
        return false;
    }
    offscreenView(window_)->mouseOver(at.control);
    return userMouseMove(*at.window, at.control);
}

bool OffscreenUser::pressPicture(OffscreenControl control) {
    Target at = target(window_, control);
    return at.is(ControlKind::PictureBox) && userMouseDown(*at.window, at.control);
}

bool OffscreenUser::pressEsc() {
    LoadedWindow* window = findLoadedWindow(window_);
    return window != nullptr && userRequestedClose(*window);
}

bool OffscreenUser::closeBox() {
    return pressEsc();
}

void OffscreenUser::advanceClock(int milliseconds) {
    OffscreenSystem& system = OffscreenSystem::current();
    long long until = system.clockMs + std::max(milliseconds, 0);
    for (;;) {
        // The timer due first; ties go to the lower window and control id.
        auto next =
            std::min_element(system.timersDue.begin(), system.timersDue.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
        if (next == system.timersDue.end() || next->second > until)
            break;
        TimerKey key = next->first;
        system.clockMs = std::max(system.clockMs, next->second);
        LoadedWindow* window = findLoadedWindow(key.first);
        if (window == nullptr) {
            system.timersDue.erase(next);
            continue;
        }
        // Due again one interval on; the tick handler may change that.
        next->second += window->state(key.second).interval;
        timerTick(*window, key.second);
    }
    // A tick handler's own script may have let more time pass.
    system.clockMs = std::max(system.clockMs, until);
}

ControlRef OffscreenUser::ref(OffscreenControl control) const {
    Target at = target(window_, control);
    return at.valid() ? ControlRef{window_, at.control} : ControlRef{};
}

Text OffscreenUser::text(OffscreenControl control) const {
    return text(window_, control);
}

Text OffscreenUser::text(WindowId window, OffscreenControl control) const {
    Target at = target(window, control);
    return at.valid() ? getText(ControlRef{window, at.control}, textIndex(at)) : Text();
}

PropertyValue OffscreenUser::property(OffscreenControl control, int index) const {
    return property(window_, control, index);
}

PropertyValue OffscreenUser::property(WindowId window, OffscreenControl control, int index) const {
    Target at = target(window, control);
    return at.valid() ? getProperty(window, at.control, index) : PropertyValue(0);
}

std::vector<Text> OffscreenUser::items(OffscreenControl combo) const {
    return items(window_, combo);
}

std::vector<Text> OffscreenUser::items(WindowId window, OffscreenControl combo) const {
    Target at = target(window, combo);
    std::vector<Text> texts;
    if (!at.is(ControlKind::ComboBox))
        return texts;
    for (const ComboItem& item : at.window->state(at.control).items)
        texts.push_back(item.text);
    return texts;
}

bool OffscreenUser::isHot(OffscreenControl control) const {
    Target at = target(window_, control);
    const OffscreenView* view = offscreenView(window_);
    return at.valid() && view != nullptr && at.control != 0 && view->hotControl() == at.control;
}
