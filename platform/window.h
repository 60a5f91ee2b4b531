// The window model: windows built from templates, addressed by number, with
// every control's state owned here. A backend view (native Win32 windows, or
// in-memory views for tests) mirrors the state and feeds user input back.
#pragma once

#include <cstdint>
#include <variant>

#include "platform/text.h"
#include "platform/window_template.h"

// A control of a loaded window. Control id 0 is the window itself; the
// controls of a template are numbered 1..n front to back.
struct ControlRef {
    WindowId window = 0;
    ControlId control = 0;

    bool isNull() const { return window == 0; }
    bool operator==(const ControlRef&) const = default;
};

// Property indices. 0 to 7 are common to every kind.
inline constexpr int kPropLeft = 0;
inline constexpr int kPropTop = 1;
inline constexpr int kPropWidth = 2;
inline constexpr int kPropHeight = 3;
inline constexpr int kPropTag = 4;
inline constexpr int kPropVisible = 5;
inline constexpr int kPropDisabled = 6;
inline constexpr int kPropMouseCursor = 7;
// Kind-specific indices.
inline constexpr int kWindowTitle = 8;
inline constexpr int kLabelCaption = 8;
inline constexpr int kEditContent = 8;
inline constexpr int kTimerInterval = 8;
inline constexpr int kButtonCaption = 10;
inline constexpr int kPicture = 10;  // picture box: the image file's bytes
inline constexpr int kCheckBoxCaption = 11;
inline constexpr int kCheckBoxTicked = 18;
inline constexpr int kComboSelected = 19;
inline constexpr int kPictureButtonNormal = 15;

// A property value: integers and booleans as int, texts and pictures as bytes.
using PropertyValue = std::variant<int, Text>;

// Loads a window from its template and runs it as a modal window over the
// window whose loop is running, returning once it has closed. The "created"
// handler runs before the window is shown. Every window of this program is
// modal, so `modal` false is taken as true. False when the template is
// unknown, the window is already loaded, or it cannot be created.
bool loadWindow(WindowId window, bool modal = true);
// Marks the window that holds `ref` as closing: statements after the call
// still run, and the window's loop ends once the running handler returns. Its
// "about to be destroyed" handler runs as it goes.
void closeWindow(ControlRef ref);

PropertyValue getProperty(WindowId window, ControlId control, int index);
void setProperty(WindowId window, ControlId control, int index, const PropertyValue& value);
inline PropertyValue getProperty(ControlRef ref, int index) {
    return getProperty(ref.window, ref.control, index);
}
inline void setProperty(ControlRef ref, int index, const PropertyValue& value) {
    setProperty(ref.window, ref.control, index, value);
}
// Typed reads: a property of the other type reads as 0 or "".
Text getText(ControlRef ref, int index);
int getInt(ControlRef ref, int index);
inline bool getBool(ControlRef ref, int index) {
    return getInt(ref, index) != 0;
}

// Appends an item with its item number; the new 0-based index, -1 on failure.
int comboAddItem(ControlRef combo, const Text& text, int itemNumber = 0);
int comboItemNumber(ControlRef combo, int index);
int comboItemCount(ControlRef combo);

// Inside an event handler: the control that raised the event. Fatal outside.
ControlRef eventSourceControl();
// The first control in catalogue order whose tag reads as `tag`; fatal if none.
ControlRef findControlByTag(WindowId window, int tag);
// The native handle of a control (an HWND on Windows), 0 if not loaded.
std::intptr_t controlHandle(ControlRef ref);
// One shared tooltip window; a later call for the same control replaces its text.
void addBalloonTip(std::intptr_t handle, const Text& text, bool balloon, bool centred = false);

bool isWindowLoaded(WindowId window);
