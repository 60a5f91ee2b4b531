// What the start-up benches share: a millisecond clock, the search for the
// window a started process shows, and the median of their timings.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cwchar>
#include <vector>

namespace bench {

inline double nowMilliseconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct WantedWindow {
    DWORD pid;
    const wchar_t* title;
    HWND window;
};

inline BOOL CALLBACK matchWantedWindow(HWND window, LPARAM parameter) {
    auto* wanted = reinterpret_cast<WantedWindow*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != wanted->pid || !IsWindowVisible(window))
        return TRUE;
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (std::wcscmp(text, wanted->title) != 0)
        return TRUE;
    wanted->window = window;
    return FALSE;
}

// The visible top-level window of process `pid` titled `title`, or nullptr.
inline HWND visibleWindowOf(DWORD pid, const wchar_t* title) {
    WantedWindow wanted{pid, title, nullptr};
    EnumWindows(matchWantedWindow, reinterpret_cast<LPARAM>(&wanted));
    return wanted.window;
}

// The middle value, or the mean of the two middle ones.
inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace bench
