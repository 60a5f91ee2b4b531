// The window contract's user on the native views: scripts start from a
// thread timer inside the native modal loop of their window and act through
// the controls' own messages, sent so that each returns once the handlers
// have run (a nested modal window runs its loop, and its script, inside). A
// watchdog closes what is left after some seconds: a loop that never ends
// fails the test instead of hanging it.
#include "driver.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <deque>
#include <map>

#include "platform/win32/wide.h"
#include "platform/window_view.h"

struct WindowDriver::State {
    std::map<WindowId, std::deque<Script>> scripts;
    std::vector<WindowId> created;  // loaded windows whose script has not run yet
    std::vector<WindowId> opened;
    std::vector<WindowId> leftOpen;
    UINT_PTR stepper = 0;
    UINT_PTR watchdog = 0;
    bool timedOut = false;
};

namespace {

WindowDriver::State* gState = nullptr;

HWND hwndOf(ControlRef ref) {
    return reinterpret_cast<HWND>(controlHandle(ref));
}

// What a person can reach: a control of one of these kinds (any, for none)
// that the model takes input for, shown and enabled on screen in an enabled
// window.
bool reachable(ControlRef ref, std::initializer_list<ControlKind> kinds = {}) {
    LoadedWindow* window = findLoadedWindow(ref.window);
    if (window == nullptr || !controlTakesInput(*window, ref.control))
        return false;
    if (kinds.size() > 0 &&
        (ref.control < 1 ||
         std::find(kinds.begin(), kinds.end(), window->kind(ref.control)) == kinds.end()))
        return false;
    HWND control = hwndOf(ref);
    return control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control) &&
           IsWindowEnabled(hwndOf({ref.window, 0}));
}

// Runs the messages waiting, as the modal loop of `window` would.
void pump(WindowId window) {
    MSG message;
    HWND top = hwndOf({window, 0});
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (top == nullptr || !IsDialogMessageW(top, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

bool closing(WindowId id) {
    return !isWindowLoaded(id) || findLoadedWindow(id)->closing;
}

// The last window created whose loop now runs gets its script, once.
void CALLBACK step(HWND, UINT, UINT_PTR, DWORD) {
    WindowDriver::State& state = *gState;
    std::erase_if(state.created, [](WindowId id) { return !isWindowLoaded(id); });
    for (auto at = state.created.rbegin(); at != state.created.rend(); ++at) {
        WindowId id = *at;
        if (!findLoadedWindow(id)->running || closing(id))
            continue;
        state.created.erase(std::next(at).base());
        if (!state.scripts[id].empty()) {
            WindowDriver::Script script = std::move(state.scripts[id].front());
            state.scripts[id].pop_front();
            script();
            if (!closing(id))
                state.leftOpen.push_back(id);
        }
        // A window that a script disabled refuses its close box; its loop
        // must end all the same.
        if (!closing(id)) {
            SendMessageW(hwndOf({id, 0}), WM_CLOSE, 0, 0);
            closeWindow({id, 0});
        }
        return;
    }
}

void CALLBACK watchdog(HWND, UINT, UINT_PTR, DWORD) {
    gState->timedOut = true;
    for (WindowId id : gState->opened) {
        if (isWindowLoaded(id))
            closeWindow({id, 0});
    }
}

bool putOnClipboard(const std::wstring& text) {
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory != nullptr) {
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
            GlobalFree(memory);
    }
    CloseClipboard();
    return memory != nullptr;
}

}  // namespace

WindowDriver::WindowDriver() : state_(std::make_unique<State>()) {
    gState = state_.get();
    state_->stepper = SetTimer(nullptr, 0, 20, step);
    state_->watchdog = SetTimer(nullptr, 0, 10000, watchdog);
}

WindowDriver::~WindowDriver() {
    KillTimer(nullptr, state_->stepper);
    KillTimer(nullptr, state_->watchdog);
    gState = nullptr;
}

void WindowDriver::onWindow(WindowId window, Script script) {
    state_->scripts[window].push_back(std::move(script));
}
void WindowDriver::windowCreated(WindowId window) {
    state_->opened.push_back(window);
    std::erase(state_->created, window);
    state_->created.push_back(window);
}
const std::vector<WindowId>& WindowDriver::leftOpen() const {
    return state_->leftOpen;
}
bool WindowDriver::timedOut() const {
    return state_->timedOut;
}

bool WindowDriver::click(ControlRef control) {
    if (!reachable(control,
                   {ControlKind::Button, ControlKind::PictureButton, ControlKind::CheckBox}))
        return false;
    SendMessageW(hwndOf(control), BM_CLICK, 0, 0);
    return true;
}

bool WindowDriver::type(ControlRef edit, const Text& keys) {
    if (!reachable(edit, {ControlKind::EditBox}))
        return false;
    HWND box = hwndOf(edit);
    SetFocus(box);
    for (wchar_t key : toWide(keys)) {
        LRESULT end = GetWindowTextLengthW(box);
        SendMessageW(box, EM_SETSEL, end, end);
        SendMessageW(box, WM_CHAR, key, 1);
    }
    return true;
}

bool WindowDriver::paste(ControlRef edit, const Text& text) {
    if (!reachable(edit, {ControlKind::EditBox}) || !putOnClipboard(toWide(text)))
        return false;
    SetFocus(hwndOf(edit));
    SendMessageW(hwndOf(edit), EM_SETSEL, 0, -1);
    SendMessageW(hwndOf(edit), WM_PASTE, 0, 0);
    return true;
}

bool WindowDriver::chooseItem(ControlRef combo, int index) {
    HWND list = hwndOf(combo);
    if (!reachable(combo, {ControlKind::ComboBox}) || index < 0 ||
        index >= SendMessageW(list, CB_GETCOUNT, 0, 0))
        return false;
    SendMessageW(list, CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return true;
}

bool WindowDriver::hover(ControlRef control) {
    if (!reachable(control))
        return false;
    SendMessageW(hwndOf(control), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    return true;
}

bool WindowDriver::pressPicture(ControlRef pictureBox) {
    if (!reachable(pictureBox, {ControlKind::PictureBox}))
        return false;
    SendMessageW(hwndOf(pictureBox), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    SendMessageW(hwndOf(pictureBox), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    return true;
}

// Esc reaches the window through its dialog handling: it is posted to the
// focused control, and the loop's messages are run.
bool WindowDriver::pressEsc(WindowId window) {
    HWND top = hwndOf({window, 0});
    if (!reachable({window, 0}))
        return false;
    HWND target = IsChild(top, GetFocus()) ? GetFocus() : top;
    PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(target, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    pump(window);
    return true;
}

bool WindowDriver::closeBox(WindowId window) {
    if (!reachable({window, 0}))
        return false;
    SendMessageW(hwndOf({window, 0}), WM_CLOSE, 0, 0);
    return true;
}

void WindowDriver::advanceClock(int milliseconds) {
    WindowId innermost = 0;
    for (WindowId id : state_->opened)
        innermost = windowOpen(id) ? id : innermost;
    ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(std::max(milliseconds, 0));
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        pump(innermost);
    }
}

bool WindowDriver::windowOpen(WindowId window) const {
    return !closing(window);
}

std::vector<Text> WindowDriver::items(ControlRef combo) const {
    std::vector<Text> shown;
    HWND list = hwndOf(combo);
    for (LRESULT i = 0; list != nullptr && i < SendMessageW(list, CB_GETCOUNT, 0, 0); ++i) {
        std::wstring item(static_cast<size_t>(SendMessageW(list, CB_GETLBTEXTLEN, i, 0)), L'\0');
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        shown.push_back(fromWide(item));
    }
    return shown;
}

namespace {

// A named callback: on x86 an enumeration callback is __stdcall, which a lambda is not.
BOOL CALLBACK keepTooltip(HWND hwnd, LPARAM found) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    bool isTooltip = lstrcmpiW(name, TOOLTIPS_CLASSW) == 0;
    if (isTooltip)
        *reinterpret_cast<HWND*>(found) = hwnd;
    return isTooltip ? FALSE : TRUE;
}

}  // namespace

// The program's one tooltip window belongs to this thread.
Text WindowDriver::tipText(std::intptr_t control) const {
    HWND tooltip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), keepTooltip, reinterpret_cast<LPARAM>(&tooltip));
    wchar_t text[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = GetParent(reinterpret_cast<HWND>(control));
    tool.uId = static_cast<UINT_PTR>(control);
    tool.lpszText = text;
    if (tooltip != nullptr)
        SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return fromWide(text);
}

bool WindowDriver::clockIsVirtual() const {
    return false;
}
long long WindowDriver::clockMs() const {
    return static_cast<long long>(GetTickCount64());
}
std::optional<std::vector<std::string>> WindowDriver::soundsPlayed() const {
    return std::nullopt;
}
