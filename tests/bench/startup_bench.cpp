// How long programs take from process start to a main window that is ready
// (shown, the process waiting for input) and to one that is painted (no part
// of it or of its controls waiting to be drawn), and their working set then.
// The programs alternate, run after run, so that a machine that slows down
// during the run slows all of them; one unmeasured start of each comes first.
// Prints the medians; asserts nothing. scripts/bench runs it.
//
//     startup_bench runs label=exe=title [label=exe=title ...]
//
// Each program starts in its exe's own folder (a launcher needs its game
// folder there) and is closed the way a player closes it.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "started_window.h"

namespace {

using bench::median;
using bench::nowMilliseconds;

constexpr DWORD kWaitMs = 20000;

template <typename Condition>
bool waitUntil(Condition condition) {
    double until = nowMilliseconds() + kWaitMs;
    while (!condition()) {
        if (nowMilliseconds() > until)
            return false;
        Sleep(1);
    }
    return true;
}

struct Program {
    std::wstring label;
    std::wstring exe;
    std::wstring title;
    std::vector<double> ready, painted, workingSet;
};

BOOL CALLBACK findUnpainted(HWND window, LPARAM parameter) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(parameter) = true;
        return FALSE;
    }
    return TRUE;
}

bool painted(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool unpainted = false;
    EnumChildWindows(window, findUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

// One start of `program`; false when its window never showed.
bool timeStart(Program& program, bool record) {
    std::wstring folder = program.exe.substr(0, program.exe.find_last_of(L"\\/"));
    std::wstring commandLine = L"\"" + program.exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    double started = nowMilliseconds();
    if (!CreateProcessW(program.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, folder.c_str(), &startup, &info)) {
        std::fwprintf(stderr, L"cannot start %ls: error %lu\n", program.exe.c_str(),
                      GetLastError());
        return false;
    }
    CloseHandle(info.hThread);
    WaitForInputIdle(info.hProcess, kWaitMs);
    HWND window = nullptr;
    waitUntil([&] {
        window = bench::visibleWindowOf(info.dwProcessId, program.title.c_str());
        return window != nullptr;
    });
    // The window may show before the process has gone idle for good.
    WaitForInputIdle(info.hProcess, kWaitMs);
    double ready = nowMilliseconds() - started;
    bool drawn = window != nullptr && waitUntil([&] { return painted(window); });
    // Back in its message loop once the last paint has been handled.
    DWORD_PTR result = 0;
    if (drawn)
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &result);
    double paintedAt = nowMilliseconds() - started;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory);

    if (window != nullptr)
        PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, kWaitMs) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, kWaitMs);
    }
    CloseHandle(info.hProcess);
    if (!drawn)
        return false;
    if (record) {
        program.ready.push_back(ready);
        program.painted.push_back(paintedAt);
        program.workingSet.push_back(static_cast<double>(memory.WorkingSetSize) / 1048576.0);
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: startup_bench runs label=exe=title ...\n");
        return 2;
    }
    int runs = std::max(1, _wtoi(argv[1]));
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        std::wstring spec = argv[i];
        size_t first = spec.find(L'=');
        size_t second = spec.find(L'=', first + 1);
        if (first == std::wstring::npos || second == std::wstring::npos) {
            std::fwprintf(stderr, L"not label=exe=title: %ls\n", argv[i]);
            return 2;
        }
        programs.push_back(Program{spec.substr(0, first),
                                   spec.substr(first + 1, second - first - 1),
                                   spec.substr(second + 1),
                                   {},
                                   {},
                                   {}});
    }
    for (Program& program : programs) {
        if (!timeStart(program, false)) {
            std::fwprintf(stderr, L"%ls: the warm-up start showed no painted window\n",
                          program.label.c_str());
            return 1;
        }
    }
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            if (!timeStart(program, true)) {
                std::fwprintf(stderr, L"%ls: run %d showed no painted window\n",
                              program.label.c_str(), run + 1);
                return 1;
            }
        }
    }
    std::wprintf(L"%-22ls %10ls %12ls %10ls\n", L"median of runs", L"ready ms", L"painted ms",
                 L"WS MiB");
    for (const Program& program : programs) {
        std::wprintf(L"%-22ls %10.1f %12.1f %10.1f\n", program.label.c_str(), median(program.ready),
                     median(program.painted), median(program.workingSet));
    }
    std::fflush(stdout);
    return 0;
}
