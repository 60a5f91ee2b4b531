// The catalogue of window templates and built-in assets. Both are program
// data that the shell registers once at start; tests register their own.
#include <map>
#include <string>

#include "platform/window_template.h"

namespace {

std::map<WindowId, const WindowTemplate*>& templates() {
    static std::map<WindowId, const WindowTemplate*> map;
    return map;
}

std::map<std::string, Asset, std::less<>>& assets() {
    static std::map<std::string, Asset, std::less<>> map;
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

// Asset names compare without regard to ASCII case, as Windows compares
// resource names.
static std::string assetKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

void registerAsset(std::string_view name, Asset asset) {
    if (name.empty())
        return;
    assets()[assetKey(name)] = asset;
}

Asset findAsset(std::string_view name) {
    auto found = assets().find(assetKey(name));
    return found == assets().end() ? Asset{} : found->second;
}
