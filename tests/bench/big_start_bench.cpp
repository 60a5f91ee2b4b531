// How long the launcher takes from process start to a main window that is
// shown and waits for input, against a bare program that opens one empty
// window, measured the same way in the same game folder. The two alternate so
// that a machine that slows down during the run slows both. Prints the
// medians and their ratio; asserts nothing. With --big, a copy of the same
// folder with the largest files a game folder may hold written over it
// (support/big_inputs.h) is timed in the same rounds, against the normal one.
//
//     big_start_bench [runs] [--big] (default 10 of each; needs gui-games/default,
//                                     which the GUI tests' fixture generates)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "gui_support.h"
#include "started_window.h"
#include "support/big_inputs.h"

namespace {

using bench::median;
using bench::nowMilliseconds;

// Milliseconds from CreateProcess to the window `title` of the new process
// being visible with the process idle; a negative value when it never was.
double timeStart(const std::wstring& exe, const std::wstring& folder, const wchar_t* title) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    double started = nowMilliseconds();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        std::fwprintf(stderr, L"cannot start %ls: error %lu\n", exe.c_str(), GetLastError());
        return -1;
    }
    CloseHandle(info.hThread);
    WaitForInputIdle(info.hProcess, gui::kWaitMs);
    HWND window = nullptr;
    gui::waitUntil(
        [&] {
            window = bench::visibleWindowOf(info.dwProcessId, title);
            return window != nullptr;
        },
        gui::kWaitMs);
    // The window may show before the process has gone idle for good.
    WaitForInputIdle(info.hProcess, gui::kWaitMs);
    double elapsed = nowMilliseconds() - started;

    // Closed the way a player closes it, so that the next run finds nothing left behind.
    if (window != nullptr)
        PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, gui::kWaitMs) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, gui::kWaitMs);
    }
    CloseHandle(info.hProcess);
    return window != nullptr ? elapsed : -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
    bool withBig = argc > 2 && std::wcscmp(argv[2], L"--big") == 0;
    gui::GameFolder game;
    gui::GameFolder bigGame;
    const std::wstring generated = gui::hostPath(ZNK_GUI_GAMES) + L"\\default";
    bool made = game.create(generated, gui::hostPath(ZNK_LAUNCHER_EXE));
    if (made && withBig) {
        made = bigGame.create(generated, gui::hostPath(ZNK_LAUNCHER_EXE));
        bigInputs::write([&](const std::string& file, const std::string& bytes) {
            made = bigGame.write(std::wstring(file.begin(), file.end()), bytes) && made;
        });
    }
    if (!made) {
        std::fwprintf(stderr, L"%ls\n", gui::lastError().c_str());
        return 1;
    }
    std::wstring launcher = game.file(L"ZnkLauncher.exe");
    std::wstring bare = gui::hostPath(ZNK_BARE_WINDOW_EXE);
    std::wstring title = gui::mainWindowTitle();

    // One unmeasured start of each: the launcher's first start writes its skin
    // library, and both load their DLLs cold.
    if (timeStart(launcher, game.path(), title.c_str()) < 0 ||
        timeStart(bare, game.path(), L"Bare window") < 0) {
        std::fwprintf(stderr, L"a warm-up start showed no window\n");
        return 1;
    }
    if (withBig && timeStart(bigGame.file(L"ZnkLauncher.exe"), bigGame.path(), title.c_str()) < 0) {
        std::fwprintf(stderr, L"the big folder's warm-up start showed no window\n");
        return 1;
    }
    std::vector<double> launcherTimes;
    std::vector<double> bareTimes;
    std::vector<double> bigTimes;
    for (int run = 0; run < runs; ++run) {
        double launcherTime = timeStart(launcher, game.path(), title.c_str());
        double bareTime = timeStart(bare, game.path(), L"Bare window");
        double bigTime =
            withBig ? timeStart(bigGame.file(L"ZnkLauncher.exe"), bigGame.path(), title.c_str())
                    : 0;
        if (launcherTime < 0 || bareTime < 0 || bigTime < 0) {
            std::fwprintf(stderr, L"run %d showed no window\n", run + 1);
            return 1;
        }
        launcherTimes.push_back(launcherTime);
        bareTimes.push_back(bareTime);
        bigTimes.push_back(bigTime);
        std::printf("run %2d: launcher %7.1f ms, bare window %7.1f ms", run + 1, launcherTime,
                    bareTime);
        std::printf(withBig ? ", big folder %7.1f ms\n" : "\n", bigTime);
    }
    double launcherMedian = median(launcherTimes);
    double bareMedian = median(bareTimes);
    std::printf("median of %d: launcher %.1f ms, bare window %.1f ms, ratio %.2f\n", runs,
                launcherMedian, bareMedian, launcherMedian / bareMedian);
    if (withBig) {
        std::printf("big folder %.1f ms, %.2f x the normal start\n", median(bigTimes),
                    median(bigTimes) / launcherMedian);
    }
    return 0;
}
