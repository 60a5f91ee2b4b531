// The seam between the portable window model and a backend. The model owns
// every control's state (platform/window_model.h); a view shows one loaded
// window, mirrors the state it is told about, runs the window's modal loop and
// reports user input back through the user* functions below. Each backend
// (platform/win32, platform/offscreen) implements createWindowView and
// showBalloonTip once.
//
// Life of a window, as the model drives it:
//   1. loadWindow builds the LoadedWindow state from the template, then calls
//      createWindowView. The view creates its window and every control from
//      that state, hidden. Native handles must exist from here on: a "created"
//      handler may ask for controlHandle.
//   2. The model runs the "created" handler; every change it makes is passed
//      on through propertyChanged / comboItemAdded.
//   3. The model calls runModal. The view shows the window modal over
//      window.owner (the owner takes no input meanwhile) and dispatches input
//      until window.closing is set. It must test the flag before every wait,
//      since a handler (even the "created" one) may have set it; the flag is
//      only ever set during a call into the model, so testing it after each
//      dispatched message is enough to end the loop right after the handler
//      that closed the window has returned. runModal hides the window and gives
//      the owner its input back before it returns.
//   4. The model runs the "about to be destroyed" handler (the window is still
//      loaded), then destroys the view (its destructor destroys the native
//      window), then forgets the state.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/window_model.h"

class WindowView {
  public:
    virtual ~WindowView() = default;

    // The model changed one property of a control (control 0: the window);
    // read the new value from the LoadedWindow and show it. `index` is a
    // property index of platform/window.h. Mirroring must not raise events:
    // a view ignores the notifications its own native changes cause (such as
    // EN_CHANGE after setting an edit box's text); the model itself raises
    // the events that a program's change causes.
    virtual void propertyChanged(ControlId control, int index) = 0;
    // A combo box got a new item at `index` (items are only ever appended).
    virtual void comboItemAdded(ControlId control, int index) = 0;
    // Shows the window and runs its modal loop as described above.
    virtual void runModal() = 0;
    // The native handle of a control (an HWND on Windows), 0 for none.
    virtual std::intptr_t nativeHandle(ControlId control) const = 0;
};

// Creates the view of a freshly built window (step 1); null on failure, which
// makes loadWindow return false. The view keeps the reference: the
// LoadedWindow outlives its view.
std::unique_ptr<WindowView> createWindowView(LoadedWindow& window);

// The one shared tooltip window of the program: attach `text` to the control
// with this native handle (never 0), replacing an earlier text for it.
void showBalloonTip(std::intptr_t handle, const Text& text, bool balloon, bool centred);

// User input. The model updates its state first, then runs the bound handler
// with the control as event source. Each returns false when the model refused
// the input: the window is closing or is not the innermost running modal
// window, or the control (or the window) is disabled or invisible, or the
// control id or item index is out of range. Timers are exempt from the
// modality rule: every loaded window's timers tick.
//
// Whether the model would take user input for this control now (the checks
// above), for a view that acts before it reports, such as playing a sound.
bool controlTakesInput(const LoadedWindow& window, ControlId control);
// Button or picture button clicked (the view plays a picture button's click
// sound itself).
bool userClicked(LoadedWindow& window, ControlId control);
// Check box clicked: the new ticked state, then the clicked event.
bool userTicked(LoadedWindow& window, ControlId control, bool ticked);
// Edit box: the whole new content, then the content-changed event.
bool userChangedText(LoadedWindow& window, ControlId control, const Text& text);
// Combo box: the new 0-based selection, then the item-selected event.
bool userSelectedItem(LoadedWindow& window, ControlId control, int index);
// Left button pressed on a picture box.
bool userMouseDown(LoadedWindow& window, ControlId control);
// Mouse moved over a label (a picture button's hot look and hover sound are
// the view's own business).
bool userMouseMove(LoadedWindow& window, ControlId control);
// A timer's interval has elapsed.
bool timerTick(LoadedWindow& window, ControlId control);
// Close box, system menu Close, or Esc not taken by the focused control.
bool userRequestedClose(LoadedWindow& window);

// The keyboard filter of an integer edit box (ControlTemplate::integerOnly):
// the characters a user may type. Control keys are not filtered.
inline bool integerEditTakes(char ch) {
    return (ch >= '0' && ch <= '9') || ch == '-';
}
