// The scripted user of the offscreen backend. A script (OffscreenSystem::
// onWindow) gets one OffscreenUser for the window whose modal loop runs it and
// acts on that window as a person would: every action goes through the same
// model entry points as native input and is refused (false) where a person
// could not act: a disabled or hidden control, a window that is closing or
// lies under another modal window, an item that is not in the list.
#pragma once

#include <string_view>
#include <vector>

#include "platform/window.h"

// A control of the user's window, by template name or by control id.
class OffscreenControl {
  public:
    OffscreenControl(ControlId id) : id_(id) {}
    OffscreenControl(const char* name) : name_(name), byName_(true) {}
    OffscreenControl(std::string_view name) : name_(name), byName_(true) {}

    // The control id in `window`, -1 when there is no such control.
    ControlId resolve(WindowId window) const;

  private:
    ControlId id_ = -1;
    std::string_view name_;
    bool byName_ = false;
};

class OffscreenUser {
  public:
    explicit OffscreenUser(WindowId window) : window_(window) {}

    WindowId window() const { return window_; }
    // Loaded and not closing: the user can still see it.
    bool windowOpen() const;

    // Button or picture button (with its click sound); on a check box the
    // same as tick.
    bool click(OffscreenControl control);
    // Keystrokes into an edit box, appended at the end one character at a
    // time, each raising "content changed". An integer box ignores every
    // character but the digits and '-', as the native box does. '\b' erases
    // the last character.
    bool type(OffscreenControl control, const Text& keys);
    // Replaces the whole content at once (select all, paste); an integer box
    // keeps only the characters its filter takes, as the native one does.
    bool paste(OffscreenControl control, const Text& text);
    bool chooseItem(OffscreenControl combo, int index);
    // Toggles a check box, then raises clicked.
    bool tick(OffscreenControl checkBox);
    // Moves the mouse onto a control: label events, a picture button's hot
    // look and hover sound.
    bool hover(OffscreenControl control);
    // Left button down on a picture box.
    bool pressPicture(OffscreenControl control);
    bool pressEsc();
    bool closeBox();
    // Lets time pass: the timers of every loaded window tick in time order.
    void advanceClock(int milliseconds);

    // Reads; a missing window or control reads as 0 or "".
    ControlRef ref(OffscreenControl control) const;
    // The kind's text: title, caption or edit content.
    Text text(OffscreenControl control) const;
    Text text(WindowId window, OffscreenControl control) const;
    PropertyValue property(OffscreenControl control, int index) const;
    PropertyValue property(WindowId window, OffscreenControl control, int index) const;
    std::vector<Text> items(OffscreenControl combo) const;
    std::vector<Text> items(WindowId window, OffscreenControl combo) const;
    // Whether a picture button shows its hot look.
    bool isHot(OffscreenControl control) const;

  private:
    WindowId window_;
};
