// Stands in for the game's cstrike.exe in demo folders and GUI tests: it records how it was
// started, shows that for a few seconds and ends. Each start appends one line to
// standin-log.txt beside the exe:
//
//     <command line, UTF-8> TAB <current directory, UTF-8> CR LF
//
// The exe is a GUI program, like the game, so that the launcher starts it the same way.
#include <windows.h>

#include "tools/standin/standin_support.h"

#include <string>

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kShowMilliseconds = 3000;

std::wstring currentDirectory() {
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring dir(size, L'\0');
    dir.resize(GetCurrentDirectoryW(size, dir.data()));
    return dir;
}

void appendLog(const std::wstring& commandLine, const std::wstring& directory) {
    appendToLog(L"standin-log.txt",
                fromWide(commandLine, CP_UTF8) + "\t" + fromWide(directory, CP_UTF8) + "\r\n");
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_TIMER:
            if (wp == kCloseTimer) {
                DestroyWindow(hwnd);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    std::wstring commandLine = GetCommandLineW();
    appendLog(commandLine, currentDirectory());

    WNDCLASSW wc = {};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"CstrikeStandIn";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"cstrike stand-in",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 520, 140, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 0;  // no display: the log line is what matters
    }
    HWND text = CreateWindowExW(0, L"EDIT", commandLine.c_str(),
                                WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                                10, 10, 490, 80, window, nullptr, instance, nullptr);
    SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    ShowWindow(window, show);
    SetTimer(window, kCloseTimer, kShowMilliseconds, nullptr);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
