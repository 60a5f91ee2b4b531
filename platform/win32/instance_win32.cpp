// The first launcher of a folder holds a named file mapping, in the session's
// own namespace, that carries its process id; the system drops it when that
// process ends, however it ends. A later launcher of the folder finds the
// mapping, brings the first one's window to the front and ends.
// https://learn.microsoft.com/windows/win32/memory/creating-named-shared-memory
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-setforegroundwindow
#include "platform/instance.h"

#include <windows.h>

#include "platform/files.h"
#include "platform/win32/name_hash.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_win32.h"

namespace {

// How long a second launcher waits for the first one's window: the two may
// have been started by one double double-click.
constexpr DWORD kWaitForFirstMs = 10000;

// Held for the whole run.
HANDLE gClaim = nullptr;

// One name for the folder however it is reached: in full, in capitals.
std::wstring claimName() {
    std::wstring folder = toWidePath(runDirectory());
    DWORD length = GetLongPathNameW(folder.c_str(), nullptr, 0);
    if (length > 0) {
        std::wstring longFolder(length, L'\0');
        length = GetLongPathNameW(folder.c_str(), longFolder.data(), length);
        if (length > 0 && length < longFolder.size()) {
            longFolder.resize(length);
            folder = longFolder;
        }
    }
    CharUpperBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    return L"Local\\ZnkLauncher-" + nameHash(folder.data(), folder.size());
}

struct WindowSearch {
    DWORD process = 0;
    HWND found = nullptr;
};

// The main window: the launcher window that no other window owns.
BOOL CALLBACK findMainWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[32] = {};
    if (process == search->process && GetWindow(window, GW_OWNER) == nullptr &&
        GetClassNameW(window, className, 32) > 0 && lstrcmpW(className, kWindowClass) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The window that takes the first launcher's input, once it shows one: its
// main window, or the window open modally over it.
HWND waitForFirstWindow(const volatile DWORD* firstProcess) {
    ULONGLONG deadline = GetTickCount64() + kWaitForFirstMs;
    do {
        WindowSearch search;
        search.process = *firstProcess;
        if (search.process != 0)
            EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            HWND active = GetLastActivePopup(search.found);
            if (active != nullptr && IsWindowVisible(active))
                return active;
            if (IsWindowVisible(search.found))
                return search.found;
        }
        Sleep(50);
    } while (GetTickCount64() < deadline);
    return nullptr;
}

// Asynchronous where it acts on the other process: a busy first launcher must
// not hold this one.
void bringToFront(HWND window) {
    HWND main = GetAncestor(window, GA_ROOTOWNER);
    if (main != nullptr && IsIconic(main))
        ShowWindowAsync(main, SW_RESTORE);
    SetForegroundWindow(window);
}

}  // namespace

bool claimLauncherFolder() {
    if (gClaim != nullptr)
        return true;
    HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(DWORD), claimName().c_str());
    if (mapping == nullptr)
        return true;  // no claim to be had: run rather than refuse
    bool first = GetLastError() != ERROR_ALREADY_EXISTS;
    auto* firstProcess = static_cast<volatile DWORD*>(
        MapViewOfFile(mapping, first ? FILE_MAP_WRITE : FILE_MAP_READ, 0, 0, sizeof(DWORD)));
    if (first) {
        if (firstProcess != nullptr) {
            *firstProcess = GetCurrentProcessId();
            UnmapViewOfFile(const_cast<DWORD*>(firstProcess));
        }
        gClaim = mapping;
        return true;
    }
    if (firstProcess != nullptr) {
        if (HWND window = waitForFirstWindow(firstProcess))
            bringToFront(window);
        UnmapViewOfFile(const_cast<DWORD*>(firstProcess));
    }
    CloseHandle(mapping);
    return false;
}
