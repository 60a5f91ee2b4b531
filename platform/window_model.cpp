// The life of loaded windows: loading, the modal loop, closing, event
// dispatch and the event source. The state lives here; views only mirror it.
#include <map>
#include <vector>

#include "platform/assets.h"
#include "platform/fatal.h"
#include "platform/window_view.h"

namespace {

std::map<WindowId, std::unique_ptr<LoadedWindow>>& loadedWindows() {
    static std::map<WindowId, std::unique_ptr<LoadedWindow>> map;
    return map;
}

// Loaded windows in load order. Each window is modal over the one before it,
// so only the last takes user input.
std::vector<WindowId>& loadOrder() {
    static std::vector<WindowId> order;
    return order;
}

struct EventSource {
    ControlRef control;
    int depth = 0;  // handlers running, nested ones included
};
EventSource gSource;

std::unique_ptr<LoadedWindow> buildWindow(const WindowTemplate& source) {
    auto window = std::make_unique<LoadedWindow>();
    window->source = &source;
    window->id = source.id;
    ControlState& own = window->controls.emplace_back();
    own.rect = Rect{0, 0, source.width, source.height};
    own.text = source.title;
    for (int i = 0; i < source.controlCount; ++i) {
        const ControlTemplate& control = source.controls[i];
        ControlState& state = window->controls.emplace_back();
        state.source = &control;
        state.rect = control.rect;
        state.text = control.caption;
        state.tag = control.tag;
        state.visible = control.visible;
        state.disabled = control.disabled;
        state.picture = assetBytes(control.picture);
        state.hotPicture = assetBytes(control.hotPicture);
        state.disabledPicture = assetBytes(control.disabledPicture);
        state.interval = control.interval > 0 ? control.interval : 0;
    }
    return window;
}

// Whether user input may reach `control` of `window` now: the window is
// running, not closing, the innermost modal window, and both it and the
// control are visible and enabled.
bool takesInput(const LoadedWindow& window, ControlId control) {
    if (findLoadedWindow(window.id) != &window)
        return false;
    if (!window.running || window.closing)
        return false;
    if (loadOrder().empty() || loadOrder().back() != window.id)
        return false;
    if (!window.hasControl(control))
        return false;
    const ControlState& own = window.state(0);
    if (!own.visible || own.disabled)
        return false;
    const ControlState& state = window.state(control);
    return state.visible && !state.disabled;
}

bool isKind(const LoadedWindow& window, ControlId control, ControlKind kind) {
    return control >= 1 && window.hasControl(control) && window.kind(control) == kind;
}

}  // namespace

LoadedWindow::LoadedWindow() = default;
LoadedWindow::~LoadedWindow() = default;

LoadedWindow* findLoadedWindow(WindowId window) {
    auto found = loadedWindows().find(window);
    return found == loadedWindows().end() ? nullptr : found->second.get();
}

ControlId controlIdByName(const WindowTemplate& window, std::string_view name) {
    for (int i = 0; i < window.controlCount; ++i) {
        if (name == window.controls[i].name)
            return i + 1;
    }
    return -1;
}

void runEventHandler(Handler handler, ControlRef source) {
    if (handler == nullptr)
        return;
    EventSource saved = gSource;
    gSource.control = source;
    ++gSource.depth;
    handler();
    gSource = saved;
}

bool loadWindow(WindowId id, bool /*modal*/) {
    const WindowTemplate* source = findWindowTemplate(id);
    // Windows are addressed by id alone, so one id is one window at a time.
    if (source == nullptr || findLoadedWindow(id) != nullptr)
        return false;

    std::unique_ptr<LoadedWindow> built = buildWindow(*source);
    built->owner = loadOrder().empty() ? 0 : loadOrder().back();
    LoadedWindow& window = *built;
    loadedWindows()[id] = std::move(built);
    window.view = createWindowView(window);
    if (!window.view) {
        loadedWindows().erase(id);
        return false;
    }
    loadOrder().push_back(id);

    runEventHandler(source->onCreated, ControlRef{id, 0});
    window.running = true;
    window.view->runModal();
    window.running = false;
    window.closing = true;
    runEventHandler(source->onDestroy, ControlRef{id, 0});

    // Nested windows have closed before this one, so it is the last loaded;
    // erase by value all the same, in case a handler broke the nesting.
    std::erase(loadOrder(), id);
    window.view.reset();
    loadedWindows().erase(id);
    return true;
}

void closeWindow(ControlRef ref) {
    if (LoadedWindow* window = findLoadedWindow(ref.window))
        window->closing = true;
}

bool isWindowLoaded(WindowId window) {
    return findLoadedWindow(window) != nullptr;
}

ControlRef eventSourceControl() {
    if (gSource.depth == 0)
        fatalError(0, "“取事件组件”命令只能在事件处理子程序中使用");
    return gSource.control;
}

ControlRef findControlByTag(WindowId id, int tag) {
    if (const LoadedWindow* window = findLoadedWindow(id)) {
        for (ControlId control = 1; control <= window->controlCount(); ++control) {
            if (toInteger(window->state(control).tag) == tag)
                return ControlRef{id, control};
        }
    }
    fatalError(0, "未找到指定标记的组件");
}

std::intptr_t controlHandle(ControlRef ref) {
    const LoadedWindow* window = findLoadedWindow(ref.window);
    if (window == nullptr || !window->hasControl(ref.control) || !window->view)
        return 0;
    return window->view->nativeHandle(ref.control);
}

void addBalloonTip(std::intptr_t handle, const Text& text, bool balloon, bool centred) {
    if (handle == 0)
        return;
    showBalloonTip(handle, text, balloon, centred);
}

bool controlTakesInput(const LoadedWindow& window, ControlId control) {
    return takesInput(window, control);
}

bool userClicked(LoadedWindow& window, ControlId control) {
    if (control < 1 || !takesInput(window, control))
        return false;
    runEventHandler(window.state(control).source->onClick, ControlRef{window.id, control});
    return true;
}

bool userTicked(LoadedWindow& window, ControlId control, bool ticked) {
    if (!isKind(window, control, ControlKind::CheckBox) || !takesInput(window, control)) {
        return false;
    }
    window.controls[control].ticked = ticked;
    runEventHandler(window.state(control).source->onClick, ControlRef{window.id, control});
    return true;
}

bool userChangedText(LoadedWindow& window, ControlId control, const Text& text) {
    if (!isKind(window, control, ControlKind::EditBox) || !takesInput(window, control)) {
        return false;
    }
    window.controls[control].text = text;
    runEventHandler(window.state(control).source->onChange, ControlRef{window.id, control});
    return true;
}

bool userSelectedItem(LoadedWindow& window, ControlId control, int index) {
    if (!isKind(window, control, ControlKind::ComboBox) || !takesInput(window, control)) {
        return false;
    }
    if (index < 0 || index >= static_cast<int>(window.state(control).items.size()))
        return false;
    window.controls[control].selected = index;
    runEventHandler(window.state(control).source->onChange, ControlRef{window.id, control});
    return true;
}

bool userMouseDown(LoadedWindow& window, ControlId control) {
    if (control < 1 || !takesInput(window, control))
        return false;
    runEventHandler(window.state(control).source->onMouseDown, ControlRef{window.id, control});
    return true;
}

bool userMouseMove(LoadedWindow& window, ControlId control) {
    if (control < 1 || !takesInput(window, control))
        return false;
    runEventHandler(window.state(control).source->onMouseMove, ControlRef{window.id, control});
    return true;
}

bool timerTick(LoadedWindow& window, ControlId control) {
    // Timers are not input: every loaded window's timers tick, also while a
    // modal window lies over it, but none after its window began to close.
    if (findLoadedWindow(window.id) != &window || window.closing)
        return false;
    if (!isKind(window, control, ControlKind::Timer) || window.state(control).interval <= 0) {
        return false;
    }
    runEventHandler(window.state(control).source->onTick, ControlRef{window.id, control});
    return true;
}

bool userRequestedClose(LoadedWindow& window) {
    if (!takesInput(window, 0))
        return false;
    window.closing = true;
    return true;
}
