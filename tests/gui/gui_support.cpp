#include "gui_support.h"

#include <algorithm>

#include "core/window_ids.h"
#include "platform/win32/window_win32.h"

namespace gui {
namespace {

// The class of every launcher window (platform/win32/window_win32.cpp).
constexpr const wchar_t* kLauncherClass = L"ZnkLauncherWindow";
constexpr const wchar_t* kDialogClass = L"#32770";
// Synchronous reads give up on a launcher that does not answer.
constexpr UINT kSendTimeoutMs = 2000;

std::wstring gError;

bool fail(const std::wstring& why) {
    gError = why;
    return false;
}

HWND failWindow(const std::wstring& why) {
    gError = why;
    return nullptr;
}

std::wstring number(unsigned long long value) {
    return std::to_wstring(value);
}

std::wstring hex(const void* pointer) {
    wchar_t buffer[32];
    wsprintfW(buffer, L"%p", pointer);
    return buffer;
}

bool isWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

DWORD windowPid(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

// A named callback: on x86 an enumeration callback is __stdcall, which a lambda is not.
BOOL CALLBACK collectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> topLevelWindows() {
    std::vector<HWND> all;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&all));
    return all;
}

// The title as the window manager keeps it; never blocks on the launcher.
std::wstring windowTitle(HWND window) {
    wchar_t buffer[512];
    int length = GetWindowTextW(window, buffer, 512);
    return std::wstring(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

bool sendTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               result) != 0;
}

// A player can only act on a control that is enabled in a window that is enabled.
bool canTakeInput(HWND control) {
    if (control == nullptr || !IsWindow(control))
        return fail(L"no such control");
    HWND top = GetAncestor(control, GA_ROOT);
    if (!IsWindowEnabled(control))
        return fail(L"the control " + hex(control) + L" is disabled");
    if (top != nullptr && !IsWindowEnabled(top))
        return fail(L"the window of control " + hex(control) + L" is disabled");
    return true;
}

bool post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (PostMessageW(window, message, wParam, lParam))
        return true;
    return fail(L"PostMessage failed: error " + number(GetLastError()));
}

void removeTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                // The launcher hides SkinH_EL.dll; a test may leave a file read-only.
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

bool copyTree(const std::wstring& from, const std::wstring& to) {
    if (!CreateDirectoryW(to.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return fail(L"cannot make " + to);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((from + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return fail(L"cannot list " + from);
    bool ok = true;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        std::wstring source = from + L"\\" + name;
        std::wstring target = to + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ok = copyTree(source, target);
        } else if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) {
            ok = fail(L"cannot copy " + source);
        }
    } while (ok && FindNextFileW(search, &found));
    FindClose(search);
    return ok;
}

}  // namespace

const std::wstring& lastError() {
    return gError;
}

std::wstring hostPath(const char* path) {
    using DosName = WCHAR*(CDECL*)(const char*);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    FARPROC proc = kernel != nullptr ? GetProcAddress(kernel, "wine_get_dos_file_name") : nullptr;
    if (proc != nullptr && path[0] == '/') {
        // Through void(*)() because casting between unrelated function types warns.
        auto dosName = reinterpret_cast<DosName>(reinterpret_cast<void (*)()>(proc));
        if (WCHAR* dos = dosName(path)) {
            std::wstring result = dos;
            HeapFree(GetProcessHeap(), 0, dos);
            return result;
        }
    }
    std::wstring result = toWide(path, CP_UTF8);
    std::replace(result.begin(), result.end(), L'/', L'\\');
    return result;
}

bool displayAvailable() {
    if (!isWine())
        return true;
    return GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) > 1;
}

// ------------------------------------------------------------------ GameFolder

GameFolder::~GameFolder() {
    if (path_.empty() || keep_)
        return;
    // A game the launcher started (the stand-in shows itself for a few
    // seconds) keeps its exe until it ends.
    waitUntil(
        [&] {
            removeTree(path_);
            return GetFileAttributesW(path_.c_str()) == INVALID_FILE_ATTRIBUTES;
        },
        kWaitMs);
}

bool GameFolder::create(const std::wstring& generated, const std::wstring& launcherExe) {
    static unsigned counter = 0;
    wchar_t temp[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH)
        return fail(L"no temporary folder");
    std::wstring base(temp, length);
    if (!base.empty() && base.back() == L'\\')
        base.pop_back();
    std::wstring folder = base + L"\\znk-gui-" + number(GetCurrentProcessId()) + L"-" +
                          number(GetTickCount64() % 100000) + L"-" + number(++counter);
    if (GetFileAttributesW(generated.c_str()) == INVALID_FILE_ATTRIBUTES)
        return fail(L"no generated game folder " + generated);
    path_ = folder;
    if (!copyTree(generated, folder))
        return false;
    if (!CopyFileW(launcherExe.c_str(), file(L"ZnkLauncher.exe").c_str(), FALSE))
        return fail(L"cannot copy " + launcherExe);
    return true;
}

bool GameFolder::exists(const std::wstring& relative) const {
    return attributes(relative) != INVALID_FILE_ATTRIBUTES;
}

DWORD GameFolder::attributes(const std::wstring& relative) const {
    return GetFileAttributesW(file(relative).c_str());
}

std::string GameFolder::read(const std::wstring& relative) const {
    return readFile(file(relative));
}

std::string readFile(const std::wstring& path) {
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(handle);
    return bytes;
}

bool GameFolder::write(const std::wstring& relative, const std::string& bytes) const {
    HANDLE handle = CreateFileW(file(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return fail(L"cannot write " + relative);
    DWORD written = 0;
    bool ok =
        WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    CloseHandle(handle);
    return ok || fail(L"short write to " + relative);
}

bool GameFolder::remove(const std::wstring& relative) const {
    SetFileAttributesW(file(relative).c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileW(file(relative).c_str()) || fail(L"cannot delete " + relative);
}

// ------------------------------------------------------------------ Launcher

Launcher::~Launcher() {
    if (owned_)
        terminate();
    if (process_ != nullptr)
        CloseHandle(process_);
}

bool Launcher::start(const std::wstring& folder) {
    std::wstring exe = folder + L"\\ZnkLauncher.exe";
    std::wstring parent = folder.substr(0, folder.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        parent.c_str(), &startup, &info)) {
        return fail(L"cannot start " + exe + L": error " + number(GetLastError()));
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
    owned_ = true;
    return true;
}

bool Launcher::attach(DWORD timeoutMs) {
    std::wstring title = mainWindowTitle();
    HWND main = nullptr;
    waitUntil(
        [&] {
            for (HWND window : topLevelWindows()) {
                if (IsWindowVisible(window) && className(window) == kLauncherClass &&
                    windowTitle(window) == title) {
                    main = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    if (main == nullptr)
        return fail(L"no launcher main window on this desktop");
    pid_ = windowPid(main);
    process_ =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, pid_);
    owned_ = false;
    return process_ != nullptr || fail(L"cannot open the launcher's process");
}

bool Launcher::running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Launcher::waitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (process_ == nullptr)
        return fail(L"no launcher process");
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0)
        return fail(L"the launcher is still running after " + number(timeoutMs) + L" ms\n" +
                    describe());
    if (exitCode != nullptr)
        GetExitCodeProcess(process_, exitCode);
    return true;
}

void Launcher::terminate() {
    if (running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
}

bool Launcher::waitForIdle(DWORD timeoutMs) const {
    if (process_ == nullptr)
        return fail(L"no launcher process");
    if (WaitForInputIdle(process_, timeoutMs) != 0)
        return fail(L"the launcher did not settle within " + number(timeoutMs) + L" ms");
    return true;
}

std::vector<HWND> Launcher::windows() const {
    std::vector<HWND> own;
    for (HWND window : topLevelWindows()) {
        if (windowPid(window) == pid_ && IsWindowVisible(window) &&
            className(window) == kLauncherClass) {
            own.push_back(window);
        }
    }
    return own;
}

HWND Launcher::activeWindow() const {
    // Top of the z-order first: a modal window lies above the one it is modal over.
    for (HWND window : windows()) {
        if (IsWindowEnabled(window))
            return window;
    }
    return nullptr;
}

HWND Launcher::findWindow(const std::wstring& title) const {
    for (HWND window : windows()) {
        if (windowTitle(window) == title)
            return window;
    }
    return nullptr;
}

HWND Launcher::waitForWindow(const std::wstring& title, DWORD timeoutMs) const {
    HWND found = nullptr;
    if (waitUntil([&] { return (found = findWindow(title)) != nullptr || !running(); },
                  timeoutMs) &&
        found != nullptr) {
        return found;
    }
    return failWindow(L"no window \"" + title + L"\" within " + number(timeoutMs) + L" ms" +
                      (running() ? L"" : L" (the launcher has ended)") + L"\n" + describe());
}

HWND Launcher::waitForMainWindow(DWORD timeoutMs) const {
    return waitForWindow(mainWindowTitle(), timeoutMs);
}

HWND Launcher::waitForActiveWindowOtherThan(HWND previous, DWORD timeoutMs) const {
    HWND found = nullptr;
    if (waitUntil(
            [&] {
                found = activeWindow();
                return (found != nullptr && found != previous) || !running();
            },
            timeoutMs) &&
        found != nullptr && found != previous) {
        return found;
    }
    return failWindow(L"no new window took input within " + number(timeoutMs) + L" ms\n" +
                      describe());
}

HWND Launcher::findMessageBox() const {
    for (HWND window : topLevelWindows()) {
        if (windowPid(window) == pid_ && IsWindowVisible(window) &&
            className(window) == kDialogClass) {
            return window;
        }
    }
    return nullptr;
}

HWND Launcher::waitForMessageBox(DWORD timeoutMs) const {
    HWND found = nullptr;
    if (waitUntil([&] { return (found = findMessageBox()) != nullptr || !running(); }, timeoutMs) &&
        found != nullptr) {
        return found;
    }
    return failWindow(L"no message box within " + number(timeoutMs) + L" ms\n" + describe());
}

std::wstring Launcher::describe() const {
    std::wstring out = L"windows of process " + number(pid_) + L":";
    bool any = false;
    for (HWND window : topLevelWindows()) {
        if (windowPid(window) != pid_ || !IsWindowVisible(window))
            continue;
        any = true;
        RECT rect = windowRect(window);
        out += L"\n  " + className(window) + L" \"" + windowTitle(window) + L"\" " +
               (IsWindowEnabled(window) ? L"enabled" : L"disabled") + L" at " + number(rect.left) +
               L"," + number(rect.top) + L" size " + number(rect.right - rect.left) + L"x" +
               number(rect.bottom - rect.top);
        if (className(window) == kDialogClass)
            out += L": \"" + messageBoxText(window) + L"\"";
    }
    if (!any)
        out += L" none visible";
    return out;
}

std::wstring mainWindowTitle() {
    return toWide("CS:ZNK Launcher(Beta1.1) BY ZNK TEAM ");
}

// ------------------------------------------------------------------ controls

HWND control(HWND window, ControlId id) {
    HWND child = GetDlgItem(window, kControlIdBase + id);
    if (child == nullptr)
        return failWindow(L"no control " + number(id) + L" in window \"" + windowTitle(window) +
                          L"\"");
    return child;
}

bool click(HWND button) {
    return canTakeInput(button) && post(button, BM_CLICK, 0, 0);
}

bool choose(HWND combo, int index) {
    if (!canTakeInput(combo))
        return false;
    DWORD_PTR result = 0;
    if (!sendTimeout(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, &result) ||
        static_cast<int>(result) != index) {
        return fail(L"the list has no item " + number(index));
    }
    // What the list tells its parent when the player picks an item.
    int id = GetDlgCtrlID(combo);
    return post(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                reinterpret_cast<LPARAM>(combo));
}

bool type(HWND edit, const std::wstring& characters) {
    if (!canTakeInput(edit))
        return false;
    for (wchar_t c : characters) {
        if (!post(edit, WM_CHAR, c, 1))
            return false;
    }
    return true;
}

bool press(HWND target) {
    if (!canTakeInput(target))
        return false;
    RECT client;
    GetClientRect(target, &client);
    LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
    return post(target, WM_LBUTTONDOWN, MK_LBUTTON, middle) &&
           post(target, WM_LBUTTONUP, 0, middle);
}

bool pressEscape(HWND window) {
    if (!canTakeInput(window))
        return false;
    // The key goes where the keyboard focus is, as a real key would; the
    // window's own loop decides whether the control takes it.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = window;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
        info.hwndFocus != nullptr && IsChild(window, info.hwndFocus)) {
        target = info.hwndFocus;
    }
    UINT scan = MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC);
    return post(target, WM_KEYDOWN, VK_ESCAPE, 1 | (scan << 16)) &&
           post(target, WM_KEYUP, VK_ESCAPE, 1 | (scan << 16) | 0xC0000000u);
}

bool closeBox(HWND window) {
    // What the close box does: a system command that DefWindowProc turns into WM_CLOSE.
    return canTakeInput(window) && post(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool answerMessageBox(HWND box, int buttonId) {
    HWND button = GetDlgItem(box, buttonId);
    if (button == nullptr)
        return fail(L"the message box has no button " + number(buttonId));
    return post(button, BM_CLICK, 0, 0);
}

std::wstring text(HWND window) {
    DWORD_PTR length = 0;
    if (!sendTimeout(window, WM_GETTEXTLENGTH, 0, 0, &length))
        return {};
    std::wstring buffer(length + 1, L'\0');
    DWORD_PTR got = 0;
    if (!sendTimeout(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                     &got)) {
        return {};
    }
    buffer.resize(std::min<size_t>(got, length));
    return buffer;
}

std::wstring className(HWND window) {
    wchar_t buffer[256];
    int length = GetClassNameW(window, buffer, 256);
    return std::wstring(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

std::vector<std::wstring> comboItems(HWND combo) {
    std::vector<std::wstring> items;
    DWORD_PTR count = 0;
    if (!sendTimeout(combo, CB_GETCOUNT, 0, 0, &count))
        return items;
    for (int index = 0; index < static_cast<int>(count); ++index) {
        DWORD_PTR length = 0;
        sendTimeout(combo, CB_GETLBTEXTLEN, index, 0, &length);
        std::wstring item(length + 1, L'\0');
        DWORD_PTR got = 0;
        sendTimeout(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()), &got);
        item.resize(std::min<size_t>(got, length));
        items.push_back(item);
    }
    return items;
}

int comboSelection(HWND combo) {
    DWORD_PTR selected = static_cast<DWORD_PTR>(CB_ERR);
    sendTimeout(combo, CB_GETCURSEL, 0, 0, &selected);
    return static_cast<int>(selected);
}

bool ticked(HWND checkBox) {
    DWORD_PTR state = 0;
    return sendTimeout(checkBox, BM_GETCHECK, 0, 0, &state) && state == BST_CHECKED;
}

std::wstring messageBoxText(HWND box) {
    // The message is the static control with text; the icon's static has none.
    std::wstring message;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(className(child).c_str(), L"Static") == 0) {
            std::wstring part = text(child);
            if (!part.empty())
                message += part;
        }
    }
    return message;
}

HWND owner(HWND window) {
    return GetWindow(window, GW_OWNER);
}

RECT windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

bool waitForGone(HWND window, DWORD timeoutMs) {
    if (waitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs))
        return true;
    return fail(L"the window \"" + windowTitle(window) + L"\" is still shown after " +
                number(timeoutMs) + L" ms");
}

bool waitForEnabled(HWND window, DWORD timeoutMs) {
    if (waitUntil([&] { return IsWindowEnabled(window) != FALSE; }, timeoutMs))
        return true;
    return fail(L"the control " + hex(window) + L" is still disabled after " + number(timeoutMs) +
                L" ms");
}

// ------------------------------------------------------------------ routes

const std::vector<WindowRoute>& windowRoutes() {
    using W = LauncherWindow;
    static const std::vector<WindowRoute> routes = {
        {W::Main, "main-window", W::Main, 0, false, false, false,
         "CS:ZNK Launcher(Beta1.1) BY ZNK TEAM "},
        {W::ModeChooser, "mode-chooser", W::Main, MainWindow::按钮13, false, false, false,
         "选择模式"},
        {W::QuickBuyEditor, "quick-buy-editor", W::Main, MainWindow::按钮3, false, false, false,
         "快速购买菜单编辑"},
        {W::PackEditor, "pack-editor", W::QuickBuyEditor, QuickBuyEditor::packButton(1), false,
         false, false, nullptr},
        {W::QuickBuyChooser, "quick-buy-chooser", W::PackEditor, PackEditor::图片框2, true, false,
         false, ""},
        {W::WarehouseEditor, "warehouse-editor", W::Main, MainWindow::按钮2, false, false, false,
         "ZNK Wpn MyWeapon Editor By ZNK TEAM"},
        {W::WeaponSelection, "weapon-selection", W::WarehouseEditor, WarehouseEditor::PRI, false,
         false, true, ""},
        {W::ArmsManager, "arms-manager", W::Main, MainWindow::按钮1, false, true, false,
         "ZIZID手臂 管理器"},
        {W::MaleArmChooser, "male-arm-chooser", W::ArmsManager, ArmsManager::按钮2, false, false,
         false, "ZIZID 手臂选择-男"},
        {W::FemaleArmChooser, "female-arm-chooser", W::ArmsManager, ArmsManager::按钮3, false,
         false, false, "ZIZID 手臂选择-女"},
    };
    return routes;
}

const WindowRoute* findRoute(LauncherWindow window) {
    for (const WindowRoute& route : windowRoutes()) {
        if (route.window == window)
            return &route;
    }
    return nullptr;
}

const WindowRoute* findRoute(const std::string& name) {
    for (const WindowRoute& route : windowRoutes()) {
        if (name == route.name)
            return &route;
    }
    return nullptr;
}

HWND openFrom(const Launcher& launcher, HWND opener, LauncherWindow target) {
    const WindowRoute* route = findRoute(target);
    if (route == nullptr || target == LauncherWindow::Main)
        return failWindow(L"the main window is not opened from another window");
    HWND trigger = control(opener, route->control);
    if (trigger == nullptr)
        return nullptr;
    // The warehouse editor enables its button once its timer has read the catalogue.
    if (route->waitForEnabled && !waitForEnabled(trigger))
        return nullptr;
    if (!(route->pressed ? press(trigger) : click(trigger)))
        return nullptr;
    if (route->noticeFirst) {
        HWND box = launcher.waitForMessageBox();
        if (box == nullptr || !answerMessageBox(box, IDOK) || !waitForGone(box))
            return nullptr;
    }
    return launcher.waitForActiveWindowOtherThan(opener);
}

HWND openFromMain(const Launcher& launcher, LauncherWindow target, std::vector<HWND>* chain) {
    std::vector<LauncherWindow> steps;
    for (LauncherWindow at = target; at != LauncherWindow::Main; at = findRoute(at)->opener) {
        steps.insert(steps.begin(), at);
    }
    HWND current = launcher.waitForMainWindow();
    if (current == nullptr)
        return nullptr;
    if (chain != nullptr)
        chain->assign(1, current);
    for (LauncherWindow step : steps) {
        current = openFrom(launcher, current, step);
        if (current == nullptr) {
            gError = L"opening " + toWide(findRoute(step)->name) + L": " + gError;
            return nullptr;
        }
        if (chain != nullptr)
            chain->push_back(current);
    }
    return current;
}

bool backToMain(const Launcher& launcher) {
    HWND main = launcher.waitForMainWindow();
    if (main == nullptr)
        return false;
    for (int step = 0; step < 12; ++step) {
        if (HWND box = launcher.findMessageBox()) {
            if (!answerMessageBox(box, IDOK) || !waitForGone(box))
                return false;
            continue;
        }
        HWND active = nullptr;
        waitUntil([&] { return (active = launcher.activeWindow()) != nullptr; });
        if (active == nullptr)
            return fail(L"no launcher window takes input\n" + launcher.describe());
        if (active == main)
            return true;
        if (!closeBox(active) || !waitForGone(active))
            return false;
    }
    return fail(L"windows keep opening\n" + launcher.describe());
}

}  // namespace gui
