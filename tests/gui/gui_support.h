// Drives the real ZnkLauncher.exe from another process, the way a player
// would: it copies a generated game folder, starts the launcher in it, finds
// its windows and controls, clicks, types, chooses and answers message boxes,
// and reads back what the windows show. Every wait is bounded, so a launcher
// that hangs or leaves a window open makes a test fail in seconds.
//
// Nothing here knows GoogleTest: calls report failure in their results, and
// the failing call leaves a reason in lastError() for the test to print. Both
// gui_tests and the command-line gui_driver use it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/window_template.h"

namespace gui {

// Long enough for a cold Wine process to show a window; a hang fails in this time.
inline constexpr DWORD kWaitMs = 10000;

// The reason the last failing call of this library gave.
const std::wstring& lastError();

// Texts: toWide and fromWide (platform/win32/wide.h), the launcher's own;
// GBK bytes are the launcher's texts, as the test sources' literals compile.
// A path of the build machine as this program sees it: under Wine a Unix path
// becomes its DOS name (Z:\...); on Windows it is taken as it is.
std::wstring hostPath(const char* path);
// Whether windows can be shown: under Wine that needs an X display.
bool displayAvailable();
// The whole file; empty when it cannot be read.
std::string readFile(const std::wstring& path);

// A game folder of one's own: a copy of a folder that tools/make_demo_game.py
// generated, with the launcher exe beside cstrike.exe. Removed on destruction.
class GameFolder {
  public:
    GameFolder() = default;
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    // Copies `generated` and `launcherExe` into a fresh temporary folder.
    bool create(const std::wstring& generated, const std::wstring& launcherExe);
    // Leaves the folder in place (for looking at it after a run).
    void keep() { keep_ = true; }

    const std::wstring& path() const { return path_; }
    std::wstring file(const std::wstring& relative) const { return path_ + L"\\" + relative; }
    bool exists(const std::wstring& relative) const;
    // INVALID_FILE_ATTRIBUTES when missing.
    DWORD attributes(const std::wstring& relative) const;
    std::string read(const std::wstring& relative) const;
    bool write(const std::wstring& relative, const std::string& bytes) const;
    bool remove(const std::wstring& relative) const;

  private:
    std::wstring path_;
    bool keep_ = false;
};

// One running launcher. A Launcher that started the process ends it on
// destruction if it still runs; one that attached to a running launcher
// leaves it alone.
class Launcher {
  public:
    Launcher() = default;
    ~Launcher();
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // Starts <folder>\ZnkLauncher.exe from the folder's parent, so that the
    // launcher has to find its own folder.
    bool start(const std::wstring& folder);
    // Takes the launcher that owns the main window on this desktop.
    bool attach(DWORD timeoutMs = kWaitMs);

    DWORD pid() const { return pid_; }
    bool running() const;
    // Waits for the process to end; false on timeout.
    bool waitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    // Ends the process at once and waits until it is gone.
    void terminate();
    // Waits until the launcher waits for input with nothing left to do, its
    // windows painted; false on timeout.
    bool waitForIdle(DWORD timeoutMs = kWaitMs) const;

    // The launcher's visible top-level windows of its own class.
    std::vector<HWND> windows() const;
    // The launcher window that takes input: the top of the modal chain.
    HWND activeWindow() const;
    HWND findWindow(const std::wstring& title) const;
    HWND waitForWindow(const std::wstring& title, DWORD timeoutMs = kWaitMs) const;
    HWND waitForMainWindow(DWORD timeoutMs = kWaitMs) const;
    // Waits until a launcher window other than `previous` takes input.
    HWND waitForActiveWindowOtherThan(HWND previous, DWORD timeoutMs = kWaitMs) const;
    // A visible message box (#32770) of the launcher.
    HWND findMessageBox() const;
    HWND waitForMessageBox(DWORD timeoutMs = kWaitMs) const;
    // Every visible window of the process with its class and title, for failure messages.
    std::wstring describe() const;

  private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    bool owned_ = false;
};

// The main window's title, as the system shows it.
std::wstring mainWindowTitle();

// Controls: the child window of a control of a launcher window.
HWND control(HWND window, ControlId id);

// Actions. Input is posted, never sent, so that a modal loop or a message box
// that the action starts cannot block the caller.
bool click(HWND button);  // also ticks or unticks a check box
bool choose(HWND combo, int index);
bool type(HWND edit, const std::wstring& characters);
bool press(HWND control);  // left mouse button down and up in its middle
bool pressEscape(HWND window);
bool closeBox(HWND window);
bool answerMessageBox(HWND box, int buttonId);

// Reads.
std::wstring text(HWND window);
std::wstring className(HWND window);
std::vector<std::wstring> comboItems(HWND combo);
int comboSelection(HWND combo);
bool ticked(HWND checkBox);
// The message text of a message box.
std::wstring messageBoxText(HWND box);
// The window that owns `window` (the one it is modal over), or null.
HWND owner(HWND window);
RECT windowRect(HWND window);

// Waits: true as soon as the condition holds, false after the timeout.
template <typename Condition>
bool waitUntil(Condition condition, DWORD timeoutMs = kWaitMs) {
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(20);
    }
}
// Hidden or destroyed.
bool waitForGone(HWND window, DWORD timeoutMs = kWaitMs);
bool waitForEnabled(HWND window, DWORD timeoutMs = kWaitMs);

// The ten windows and how a player reaches each from the main window.
enum class LauncherWindow {
    Main,
    ModeChooser,
    QuickBuyEditor,
    PackEditor,
    QuickBuyChooser,
    WarehouseEditor,
    WeaponSelection,
    ArmsManager,
    MaleArmChooser,
    FemaleArmChooser,
};

struct WindowRoute {
    LauncherWindow window;
    const char* name;  // file and command-line name: "mode-chooser"
    LauncherWindow opener;
    ControlId control;    // of the opener
    bool pressed;         // a picture pressed rather than a button clicked
    bool noticeFirst;     // a message box comes before the window
    bool waitForEnabled;  // the control is enabled by a timer of the opener
    const char* title;    // GBK, as the template gives it; null: set at creation
};

const std::vector<WindowRoute>& windowRoutes();
const WindowRoute* findRoute(LauncherWindow window);
const WindowRoute* findRoute(const std::string& name);

// Opens `target` from its opener, which must be the active window, and
// returns it; a notice box on the way is answered with OK. Null on failure.
HWND openFrom(const Launcher& launcher, HWND opener, LauncherWindow target);
// Opens `target` from the main window, opening every window on the way;
// `chain` gets the windows from the main window to the target.
HWND openFromMain(const Launcher& launcher, LauncherWindow target,
                  std::vector<HWND>* chain = nullptr);
// Closes windows with their close box until the main window is active.
bool backToMain(const Launcher& launcher);

}  // namespace gui
