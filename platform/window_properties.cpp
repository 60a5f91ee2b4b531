// Property reads and writes by index, and the combo box's item list. Values
// of the other type are converted as the program's own texts are (toInteger,
// toText), so a caller that writes "3" to an integer property gets 3.
#include "platform/window_view.h"

namespace {

enum class Slot { None, Text, Picture, Ticked, Selected, Interval };

// Where a kind keeps its property `index` (8 and above).
Slot kindSlot(const LoadedWindow& window, ControlId control, int index) {
    if (control == 0)
        return index == kWindowTitle ? Slot::Text : Slot::None;
    switch (window.kind(control)) {
        case ControlKind::Label:
        case ControlKind::TransparentLabel:
            return index == kLabelCaption ? Slot::Text : Slot::None;
        case ControlKind::EditBox:
            return index == kEditContent ? Slot::Text : Slot::None;
        case ControlKind::Timer:
            return index == kTimerInterval ? Slot::Interval : Slot::None;
        case ControlKind::Button:
            return index == kButtonCaption ? Slot::Text : Slot::None;
        case ControlKind::PictureBox:
            return index == kPicture ? Slot::Picture : Slot::None;
        case ControlKind::PictureButton:
            return index == kPictureButtonNormal ? Slot::Picture : Slot::None;
        case ControlKind::CheckBox:
            if (index == kCheckBoxCaption)
                return Slot::Text;
            return index == kCheckBoxTicked ? Slot::Ticked : Slot::None;
        case ControlKind::ComboBox:
            return index == kComboSelected ? Slot::Selected : Slot::None;
        case ControlKind::GroupBox:
            return Slot::None;
    }
    return Slot::None;
}

int asInt(const PropertyValue& value) {
    if (const int* number = std::get_if<int>(&value))
        return *number;
    return toInteger(std::get<Text>(value));
}

Text asText(const PropertyValue& value) {
    if (const Text* text = std::get_if<Text>(&value))
        return *text;
    return toText(std::get<int>(value));
}

LoadedWindow* windowWithControl(WindowId id, ControlId control) {
    LoadedWindow* window = findLoadedWindow(id);
    return window != nullptr && window->hasControl(control) ? window : nullptr;
}

bool isCombo(const LoadedWindow* window, ControlId control) {
    return window != nullptr && control >= 1 && window->kind(control) == ControlKind::ComboBox;
}

// Writes one of the slots 8 and above; false when nothing changed.
bool writeKindSlot(LoadedWindow& window, ControlId control, Slot slot, const PropertyValue& value) {
    ControlState& state = window.controls[control];
    switch (slot) {
        case Slot::Text:
            if (state.text == asText(value))
                return false;
            state.text = asText(value);
            return true;
        case Slot::Picture:
            // A number is no picture: the write is dropped rather than stored
            // as the digits' bytes.
            if (!std::holds_alternative<Text>(value))
                return false;
            state.picture = std::get<Text>(value);
            return true;
        case Slot::Ticked:
            state.ticked = asInt(value) != 0;
            return true;
        case Slot::Selected: {
            // As the native list does: an index outside the list selects nothing.
            int index = asInt(value);
            state.selected =
                index >= 0 && index < static_cast<int>(state.items.size()) ? index : -1;
            return true;
        }
        case Slot::Interval:
            state.interval = asInt(value) > 0 ? asInt(value) : 0;
            return true;
        case Slot::None:
            return false;
    }
    return false;
}

bool writeCommon(ControlState& state, int index, const PropertyValue& value) {
    switch (index) {
        case kPropLeft:
            state.rect.left = asInt(value);
            return true;
        case kPropTop:
            state.rect.top = asInt(value);
            return true;
        case kPropWidth:
            state.rect.width = asInt(value) > 0 ? asInt(value) : 0;
            return true;
        case kPropHeight:
            state.rect.height = asInt(value) > 0 ? asInt(value) : 0;
            return true;
        case kPropTag:
            state.tag = asText(value);
            return true;
        case kPropVisible:
            state.visible = asInt(value) != 0;
            return true;
        case kPropDisabled:
            state.disabled = asInt(value) != 0;
            return true;
        case kPropMouseCursor:
            state.mouseCursor = asInt(value);
            return true;
        default:
            return false;
    }
}

}  // namespace

PropertyValue getProperty(WindowId id, ControlId control, int index) {
    const LoadedWindow* window = windowWithControl(id, control);
    if (window == nullptr)
        return 0;
    const ControlState& state = window->state(control);
    switch (index) {
        case kPropLeft:
            return state.rect.left;
        case kPropTop:
            return state.rect.top;
        case kPropWidth:
            return state.rect.width;
        case kPropHeight:
            return state.rect.height;
        case kPropTag:
            return state.tag;
        case kPropVisible:
            return state.visible ? 1 : 0;
        case kPropDisabled:
            return state.disabled ? 1 : 0;
        case kPropMouseCursor:
            return state.mouseCursor;
        default:
            break;
    }
    switch (kindSlot(*window, control, index)) {
        case Slot::Text:
            return state.text;
        case Slot::Picture:
            return state.picture;
        case Slot::Ticked:
            return state.ticked ? 1 : 0;
        case Slot::Selected:
            return state.selected;
        case Slot::Interval:
            return state.interval;
        case Slot::None:
            break;
    }
    return 0;
}

void setProperty(WindowId id, ControlId control, int index, const PropertyValue& value) {
    LoadedWindow* window = windowWithControl(id, control);
    if (window == nullptr)
        return;
    Slot slot = index <= kPropMouseCursor ? Slot::None : kindSlot(*window, control, index);
    bool changed = index <= kPropMouseCursor ? writeCommon(window->controls[control], index, value)
                                             : writeKindSlot(*window, control, slot, value);
    if (!changed)
        return;
    if (window->view)
        window->view->propertyChanged(control, index);
    // A program's change of an edit box's text raises "content changed" as
    // typing does (handlers rely on it, as the bot-count clamp does). Only a
    // real change raises it, so a handler that writes back the text it found
    // cannot recurse without end.
    if (slot == Slot::Text && control >= 1 && window->kind(control) == ControlKind::EditBox) {
        runEventHandler(window->state(control).source->onChange, ControlRef{id, control});
    }
}

Text getText(ControlRef ref, int index) {
    PropertyValue value = getProperty(ref, index);
    const Text* text = std::get_if<Text>(&value);
    return text != nullptr ? *text : Text();
}

int getInt(ControlRef ref, int index) {
    PropertyValue value = getProperty(ref, index);
    const int* number = std::get_if<int>(&value);
    return number != nullptr ? *number : 0;
}

int comboAddItem(ControlRef combo, const Text& text, int itemNumber) {
    LoadedWindow* window = windowWithControl(combo.window, combo.control);
    if (!isCombo(window, combo.control))
        return -1;
    std::vector<ComboItem>& items = window->controls[combo.control].items;
    items.push_back(ComboItem{text, itemNumber});
    int index = static_cast<int>(items.size()) - 1;
    if (window->view)
        window->view->comboItemAdded(combo.control, index);
    return index;
}

int comboItemNumber(ControlRef combo, int index) {
    const LoadedWindow* window = windowWithControl(combo.window, combo.control);
    if (!isCombo(window, combo.control))
        return 0;
    const std::vector<ComboItem>& items = window->state(combo.control).items;
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index].number : 0;
}

int comboItemCount(ControlRef combo) {
    const LoadedWindow* window = windowWithControl(combo.window, combo.control);
    if (!isCombo(window, combo.control))
        return 0;
    return static_cast<int>(window->state(combo.control).items.size());
}
