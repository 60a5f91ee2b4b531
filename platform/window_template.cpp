// The catalogue of window templates: program data that the shell registers
// once at start; tests register their own.
#include "platform/window_template.h"

#include <map>

namespace {

std::map<WindowId, const WindowTemplate*>& templates() {
    static std::map<WindowId, const WindowTemplate*> map;
    return map;
}

}  // namespace

void registerWindowTemplate(const WindowTemplate* window) {
    if (window == nullptr)
        return;
    templates()[window->id] = window;
}

const WindowTemplate* findWindowTemplate(WindowId window) {
    auto found = templates().find(window);
    return found == templates().end() ? nullptr : found->second;
}
