// The live state of loaded windows, shared by the portable model and the
// backend views. Views read it freely and never write it: user input goes
// back through the functions of platform/window_view.h.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/window.h"

class WindowView;

struct ComboItem {
    Text text;
    int number = 0;  // the item number given to comboAddItem
};

// One control's state. Entry 0 of a window's list is the window itself
// (source null; rect is its position and outer size, text its title).
struct ControlState {
    const ControlTemplate* source = nullptr;
    Rect rect;
    Text text;  // title, caption or edit content, whichever the kind has
    Text tag;
    bool visible = true;
    bool disabled = false;
    int mouseCursor = 0;
    Bytes picture;          // picture box, or a picture button's normal picture
    Bytes hotPicture;       // picture button; empty: the normal picture is shown
    Bytes disabledPicture;  // picture button; empty: derived from the normal one
    bool ticked = false;    // check box
    std::vector<ComboItem> items;
    int selected = -1;  // combo box, 0-based, -1 for none
    int interval = 0;   // timer, milliseconds; 0 stopped

    bool isWindow() const { return source == nullptr; }
};

struct LoadedWindow {
    const WindowTemplate* source = nullptr;
    WindowId id = 0;
    // The window whose modal loop was running when this one was loaded (its
    // owner while it is shown), 0 for the first window.
    WindowId owner = 0;
    std::vector<ControlState> controls;
    // Set by closeWindow or the user; the window's loop ends once the running
    // handler has returned.
    bool closing = false;
    // True while the view's modal loop runs (from show to close).
    bool running = false;
    std::unique_ptr<WindowView> view;

    LoadedWindow();
    ~LoadedWindow();
    LoadedWindow(const LoadedWindow&) = delete;
    LoadedWindow& operator=(const LoadedWindow&) = delete;

    int controlCount() const { return static_cast<int>(controls.size()) - 1; }
    bool hasControl(ControlId control) const {
        return control >= 0 && control < static_cast<int>(controls.size());
    }
    const ControlState& state(ControlId control) const { return controls[control]; }
    // The control's kind; only meaningful for control ids 1..controlCount().
    ControlKind kind(ControlId control) const { return controls[control].source->kind; }
};

// The loaded window with this id, or null.
LoadedWindow* findLoadedWindow(WindowId window);
// The id of the control called `name` in the template (names are unique
// within a window), or -1.
ControlId controlIdByName(const WindowTemplate& window, std::string_view name);

// Runs `handler` (if any) with `source` as the event source and restores the
// previous source afterwards, so that handlers nest. Used inside the model.
void runEventHandler(Handler handler, ControlRef source);
