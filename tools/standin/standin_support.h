// What the stand-in programs of the demo folder and the GUI tests share: they
// log how they were started into a file beside themselves, in UTF-8.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/wide.h"

// The folder of the running program, whatever the length of its path.
inline std::wstring exeFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return L".";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

// Appends `line` to the log file `name` beside the exe in one write with
// FILE_APPEND_DATA, so that two quick starts never mix their lines.
inline void appendToLog(const wchar_t* name, const std::string& line) {
    std::wstring path = exeFolder() + L"\\" + name;
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}
