// Starting programs: CreateProcessW
// https://learn.microsoft.com/windows/win32/api/processthreadsapi/nf-processthreadsapi-createprocessw
#include "platform/process.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/failures.h"
#include "platform/win32/wide.h"

namespace {

WORD showCommandFor(int showMode) {
    if (showMode <= 0)
        showMode = kShowHidden;
    if (showMode > kShowMinNoActivate)
        showMode = kShowMinNoActivate;
    switch (showMode) {
        case kShowHidden:
            return SW_HIDE;
        case kShowNormal:
            return SW_SHOWNORMAL;
        case kShowMinimized:
            return SW_SHOWMINIMIZED;
        case kShowMaximized:
            return SW_SHOWMAXIMIZED;
        case kShowNoActivate:
            return SW_SHOWNOACTIVATE;
        default:
            return SW_SHOWMINNOACTIVE;
    }
}

}  // namespace

bool runCommandLine(const Text& commandLine, bool waitForEnd, int showMode) {
    // CreateProcessW may write into the command line, so it gets its own
    // zero-terminated copy.
    std::wstring line = toWide(commandLine, 936);
    if (line.empty()) {
        recordFailure("start", commandLine, "no command line");
        return false;
    }
    line.push_back(L'\0');

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showCommandFor(showMode);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        recordFailure("start", commandLine);
        return false;
    }
    if (waitForEnd) {
        WaitForSingleObject(process.hProcess, INFINITE);
    } else {
        // Fails at once for a console program, which is fine: there is no
        // input queue to wait for.
        WaitForInputIdle(process.hProcess, 1000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// Like fatalError's end: destroying windows and static objects from inside a
// handler would run their code in the middle of what they were doing.
void endProgram(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
