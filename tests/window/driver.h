// The user of the window-contract tests, on whichever backend the binary
// links: the offscreen driver acts through OffscreenUser inside the offscreen
// modal loop, the Win32 one through the native controls with the messages a
// person's input produces, from a thread timer inside the native modal loop.
// A script runs as the user while its window's loop runs; each action returns
// once the handlers it set off have run, and is refused (false) where a person
// could not act: a disabled or hidden control, a window that is closing or
// lies under a modal one, a control of another kind.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/window.h"

class WindowDriver {
  public:
    using Script = std::function<void()>;

    WindowDriver();
    ~WindowDriver();

    // The next load of `window` runs `script`. A window loaded without one is
    // closed with its close box at once, and so is one whose script left it
    // open (leftOpen lists those). Every test window's "created" handler
    // calls windowCreated.
    void onWindow(WindowId window, Script script);
    void windowCreated(WindowId window);
    const std::vector<WindowId>& leftOpen() const;
    // A loop that never ended was closed by force after some seconds.
    bool timedOut() const;

    bool click(ControlRef control);  // a check box ticks or unticks
    // Keystrokes appended at the end of an edit box, one character at a time.
    bool type(ControlRef edit, const Text& keys);
    bool paste(ControlRef edit, const Text& text);  // over the whole content
    bool chooseItem(ControlRef combo, int index);
    bool hover(ControlRef control);
    bool pressPicture(ControlRef pictureBox);
    bool pressEsc(WindowId window);
    bool closeBox(WindowId window);
    // Lets this much time pass with the loops running.
    void advanceClock(int milliseconds);

    bool windowOpen(WindowId window) const;  // loaded and not closing
    std::vector<Text> items(ControlRef combo) const;
    Text tipText(std::intptr_t control) const;

    // Capabilities: a virtual clock moves only with advanceClock, exactly;
    // the sounds played are known only where they are recorded.
    bool clockIsVirtual() const;
    long long clockMs() const;
    std::optional<std::vector<std::string>> soundsPlayed() const;

    struct State;  // each backend's own

  private:
    std::unique_ptr<State> state_;
};
