// gui_driver: one action on the launcher that is running on this desktop, per
// call, for scripts (scripts/demo, scripts/screenshots):
//
//     gui_driver wait-main [seconds]   waits for the main window
//     gui_driver show <window>         opens a window from the main window
//     gui_driver back                  closes every window above the main window
//     gui_driver close                 closes them all; waits for the launcher to end
//     gui_driver list                  the launcher's windows
//     gui_driver names                 the window names that `show` takes
//
// `wait-main` and `show` print the window's frame as WxH+X+Y, the geometry
// ImageMagick's import -crop takes. Exit status 0 on success; on failure 1
// with the reason on stderr. Nothing is started: the launcher is found by its
// main window's title.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gui_support.h"

namespace {

void print(FILE* stream, const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

int failed(const std::string& what) {
    print(stderr, "gui_driver: " + what + ": " + fromWide(gui::lastError(), CP_UTF8));
    return 1;
}

int usage() {
    print(stderr,
          "usage: gui_driver wait-main [seconds] | show <window> | back | close | list | names");
    return 2;
}

std::string geometry(HWND window) {
    RECT rect = gui::windowRect(window);
    return std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top) +
           "+" + std::to_string(rect.left) + "+" + std::to_string(rect.top);
}

// Whoever looks at the screen next sees the windows painted: the launcher has
// handled everything, and the X server has drawn it.
bool settled(const gui::Launcher& launcher) {
    if (!launcher.waitForIdle())
        return false;
    Sleep(200);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usage();
    std::string command = argv[1];

    if (command == "names") {
        for (const gui::WindowRoute& route : gui::windowRoutes()) {
            print(stdout, route.name);
        }
        return 0;
    }

    DWORD timeout = gui::kWaitMs;
    if (command == "wait-main" && argc >= 3)
        timeout = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10) * 1000);
    gui::Launcher launcher;
    if (!launcher.attach(timeout))
        return failed("no launcher");

    if (command == "wait-main") {
        HWND main = launcher.waitForMainWindow();
        if (main == nullptr || !settled(launcher))
            return failed("wait-main");
        print(stdout, geometry(main));
        return 0;
    }
    if (command == "show" && argc >= 3) {
        const gui::WindowRoute* route = gui::findRoute(std::string(argv[2]));
        if (route == nullptr) {
            print(stderr, std::string("gui_driver: no window named ") + argv[2] +
                              " (see gui_driver names)");
            return 2;
        }
        HWND shown = gui::openFromMain(launcher, route->window);
        if (shown == nullptr || !settled(launcher))
            return failed(std::string("show ") + route->name);
        print(stdout, geometry(shown));
        return 0;
    }
    if (command == "back")
        return gui::backToMain(launcher) ? 0 : failed("back");
    if (command == "close") {
        if (!gui::backToMain(launcher))
            return failed("close");
        HWND main = launcher.waitForMainWindow();
        DWORD exitCode = 0;
        if (main == nullptr || !gui::closeBox(main) ||
            !launcher.waitForExit(gui::kWaitMs, &exitCode))
            return failed("close");
        print(stdout, "exit code " + std::to_string(static_cast<int>(exitCode)));
        return 0;
    }
    if (command == "list") {
        print(stdout, fromWide(launcher.describe(), CP_UTF8));
        return 0;
    }
    return usage();
}
