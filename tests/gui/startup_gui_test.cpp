// The real exe in a generated game folder: start-up, the windows it opens
// modally, and its end.
#include <cstdlib>
#include <vector>

#include "gui_test.h"
#include "platform/win32/window_win32.h"
#include "shell/templates/templates.h"

namespace {

using gui::LauncherWindow;

// Encoded as the checks print them.
std::string utf8(const std::wstring& text) {
    return fromWide(text, CP_UTF8);
}

RECT workAreaOf(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

// Centred on the work area of the monitor that `reference` is on.
::testing::AssertionResult centredOnWorkArea(HWND window, HWND reference) {
    RECT area = workAreaOf(reference);
    RECT frame = gui::windowRect(window);
    long left = area.left + (area.right - area.left - (frame.right - frame.left)) / 2;
    long top = area.top + (area.bottom - area.top - (frame.bottom - frame.top)) / 2;
    if (std::abs(frame.left - left) <= 1 && std::abs(frame.top - top) <= 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "frame at (" << frame.left << ", " << frame.top << "), centred would be (" << left
           << ", " << top << ") on the work area (" << area.left << ", " << area.top << ")-("
           << area.right << ", " << area.bottom << ")";
}

// The skin engine marks every frame it has taken on.
bool skinned(HWND window) {
    return gui::waitUntil([&] { return GetPropW(window, L"ZnkSkin.Frame") != nullptr; });
}

TEST_F(LauncherGuiTest, StartsInAGameFolderWithItsMainWindowFilled) {
    ASSERT_TRUE(start());
    HWND main = launcher.waitForMainWindow();
    ASSERT_NE(main, nullptr) << why();

    // Outer size from the template, centred on the work area: scripts/test gives
    // the display a task bar, so that the work area is not the whole screen.
    RECT frame = gui::windowRect(main);
    EXPECT_EQ(frame.right - frame.left, 604);
    EXPECT_EQ(frame.bottom - frame.top, 691);
    RECT area = workAreaOf(main);
    ASSERT_NE(area.bottom - area.top, GetSystemMetrics(SM_CYSCREEN))
        << "no task bar on this display";
    EXPECT_TRUE(centredOnWorkArea(main, main));
    EXPECT_EQ(gui::owner(main), nullptr);
    EXPECT_EQ(utf8(gui::text(main)), utf8(W("CS:ZNK Launcher(Beta1.1) BY ZNK TEAM ")));

    // Every control where its template puts it, with its template caption
    // except the two that start-up writes.
    int placedControls = 0;
    for (int index = 0; index < kMainWindowTemplate.controlCount; ++index) {
        const ControlTemplate& source = kMainWindowTemplate.controls[index];
        SCOPED_TRACE(source.name);
        HWND child = GetDlgItem(main, kControlIdBase + index + 1);
        if (child == nullptr)
            continue;
        ++placedControls;
        RECT placed = gui::windowRect(child);
        MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed.left, source.rect.left);
        EXPECT_EQ(placed.top, source.rect.top);
        EXPECT_EQ(placed.right - placed.left, source.rect.width);
        // A closed drop-down list is as high as its selection field, which the system sizes.
        if (source.kind != ControlKind::ComboBox) {
            EXPECT_EQ(placed.bottom - placed.top, source.rect.height);
        }
        std::string caption = source.caption;
        if (index + 1 == MainWindow::按钮13)
            caption = "当前模式：生化模式I";
        switch (source.kind) {
            case ControlKind::Button:
            case ControlKind::Label:
            case ControlKind::TransparentLabel:
            case ControlKind::CheckBox:
                EXPECT_EQ(utf8(gui::text(child)), utf8(W(caption.c_str())));
                break;
            default:
                break;
        }
    }

    // Every control of this window has a child window of its own, so a lookup
    // that misses one is a fault rather than a control that is only painted.
    EXPECT_EQ(placedControls, kMainWindowTemplate.controlCount);

    HWND difficulty = gui::control(main, MainWindow::组合框2);
    ASSERT_NE(difficulty, nullptr) << why();
    std::vector<std::wstring> expected = {W("简单"), W("中等"), W("困难"), W("精英")};
    EXPECT_EQ(gui::comboItems(difficulty), expected);

    // A first start writes the skin library of its own machine type, hides it and uses it.
    DWORD skin = game.attributes(L"SkinH_EL.dll");
    ASSERT_NE(skin, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(skin & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(game.read(L"SkinH_EL.dll") == gui::readFile(gui::hostPath(ZNK_SKIN_LIBRARY)));
    EXPECT_TRUE(skinned(main));
}

// A player whose language file asks for traditional characters gets the
// texts the launcher builds converted; the system shows them in BIG5.
TEST_F(LauncherGuiTest, TraditionalLanguageShowsBuiltTextsConverted) {
    ASSERT_TRUE(start("traditional"));
    HWND main = launcher.waitForMainWindow();
    ASSERT_NE(main, nullptr) << why();
    std::vector<std::wstring> expected = {L"簡單", L"中等", L"困難", L"精英"};
    EXPECT_EQ(gui::comboItems(gui::control(main, MainWindow::组合框2)), expected);
    EXPECT_EQ(gui::text(gui::control(main, MainWindow::按钮1)), L"手臂管理(NEW)");
}

// Every window opens modal over the one that opened it, which stays
// disabled down to the main window; Esc and the close box both return.
TEST_F(LauncherGuiTest, EveryWindowOpensModalAndEscOrCloseBoxReturns) {
    ASSERT_TRUE(start());
    HWND main = launcher.waitForMainWindow();
    ASSERT_NE(main, nullptr) << why();

    // The arms manager comes after a notice box that keeps the main window disabled.
    ASSERT_TRUE(gui::click(gui::control(main, MainWindow::按钮1))) << why();
    HWND notice = launcher.waitForMessageBox();
    ASSERT_NE(notice, nullptr) << why();
    EXPECT_EQ(gui::messageBoxText(notice),
              W("由于CSO的手臂分short,long,org三种，目前MH只支持分析short，将在以后版本加入全部"
                "解析功能"));
    EXPECT_FALSE(IsWindowEnabled(main));
    EXPECT_EQ(launcher.findWindow(W("ZIZID手臂 管理器")), nullptr);
    ASSERT_TRUE(gui::answerMessageBox(notice, IDOK)) << why();
    HWND arms = launcher.waitForWindow(W("ZIZID手臂 管理器"));
    ASSERT_NE(arms, nullptr) << why();
    ASSERT_TRUE(gui::closeBox(arms)) << why();
    ASSERT_TRUE(gui::waitForGone(arms)) << why();

    int index = 0;
    for (const gui::WindowRoute& route : gui::windowRoutes()) {
        if (route.window == LauncherWindow::Main)
            continue;
        SCOPED_TRACE(route.name);
        std::vector<HWND> chain;
        HWND opened = gui::openFromMain(launcher, route.window, &chain);
        ASSERT_NE(opened, nullptr) << why();
        HWND opener = chain[chain.size() - 2];
        EXPECT_EQ(gui::owner(opened), opener);
        for (size_t below = 0; below + 1 < chain.size(); ++below) {
            EXPECT_FALSE(IsWindowEnabled(chain[below])) << "window " << below << " of the chain";
        }
        if (route.title != nullptr) {
            EXPECT_EQ(utf8(gui::text(opened)), utf8(W(route.title)));
        }
        EXPECT_TRUE(centredOnWorkArea(opened, opener));

        // Half the windows close with Esc first, the other half with the
        // close box; each is then opened again and closed the other way.
        for (int round = 0; round < 2; ++round) {
            bool escape = (index + round) % 2 == 0;
            ASSERT_TRUE(escape ? gui::pressEscape(opened) : gui::closeBox(opened)) << why();
            ASSERT_TRUE(gui::waitForGone(opened)) << (escape ? "Esc: " : "close box: ") << why();
            EXPECT_TRUE(gui::waitUntil([&] { return launcher.activeWindow() == opener; }))
                << utf8(launcher.describe());
            if (round == 0) {
                opened = gui::openFrom(launcher, opener, route.window);
                ASSERT_NE(opened, nullptr) << why();
            }
        }
        ASSERT_TRUE(gui::backToMain(launcher)) << why();
        ++index;
    }
    EXPECT_TRUE(launcher.running());
}

// Closing the main window, by its close box or by Esc, ends the program
// cleanly and changes no file: the choices are saved only by a launch.
TEST_F(LauncherGuiTest, ClosingTheMainWindowEndsWithZeroAndSavesNothing) {
    for (bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Esc" : "close box");
        gui::GameFolder folder;
        gui::Launcher run;
        ASSERT_TRUE(copyGame(folder));
        std::string language = folder.read(L"LauncherRes\\Data\\language.ini");
        ASSERT_TRUE(run.start(folder.path())) << why();
        HWND main = run.waitForMainWindow();
        ASSERT_NE(main, nullptr) << why();
        ASSERT_TRUE(escape ? gui::pressEscape(main) : gui::closeBox(main)) << why();
        DWORD exitCode = 1;
        ASSERT_TRUE(run.waitForExit(gui::kWaitMs, &exitCode)) << why();
        EXPECT_EQ(exitCode, 0u);
        EXPECT_FALSE(folder.exists(L"LauncherRes\\Data\\Save.ini"));
        EXPECT_FALSE(folder.exists(L"standin-log.txt"));
        EXPECT_EQ(folder.read(L"LauncherRes\\Data\\language.ini"), language);
    }
}

// A SkinH_EL.dll that this launcher cannot call is left exactly as it is, and
// the windows are skinned all the same, by a private copy of the launcher's own
// library: the library of the other machine type that a launcher of the other
// kind left there, a file that is no library, a program without the two
// exports, a folder of that name (where nothing can be written either).
TEST_F(LauncherGuiTest, UnusableSkinLibraryIsLeftAloneAndTheWindowsAreSkinned) {
    struct Case {
        const char* what;
        std::string bytes;
        bool folder;
        DWORD attributes;
    };
    const std::vector<Case> cases = {
        {"the other machine type's library", gui::readFile(gui::hostPath(ZNK_OTHER_SKIN_LIBRARY)),
         false, FILE_ATTRIBUTE_HIDDEN},
        {"no library", "not a library", false, FILE_ATTRIBUTE_READONLY},
        {"a program without the exports", gui::readFile(gui::hostPath(ZNK_CMD_STANDIN)), false,
         FILE_ATTRIBUTE_NORMAL},
        {"a folder", "", true, 0},
    };
    ASSERT_GT(cases[0].bytes.size(), 4096u) << ZNK_OTHER_SKIN_LIBRARY;
    for (const Case& unusable : cases) {
        SCOPED_TRACE(unusable.what);
        gui::GameFolder folder;
        gui::Launcher run;
        ASSERT_TRUE(copyGame(folder));
        std::wstring library = folder.file(L"SkinH_EL.dll");
        if (unusable.folder) {
            ASSERT_TRUE(CreateDirectoryW(library.c_str(), nullptr));
        } else {
            ASSERT_TRUE(folder.write(L"SkinH_EL.dll", unusable.bytes)) << why();
            ASSERT_TRUE(SetFileAttributesW(library.c_str(), unusable.attributes));
        }
        DWORD attributes = folder.attributes(L"SkinH_EL.dll");
        ASSERT_TRUE(run.start(folder.path())) << why();
        HWND main = run.waitForMainWindow();
        ASSERT_NE(main, nullptr) << why() << utf8(run.describe());
        EXPECT_EQ(run.findMessageBox(), nullptr) << utf8(run.describe());
        EXPECT_TRUE(skinned(main));
        EXPECT_EQ(folder.attributes(L"SkinH_EL.dll"), attributes);
        if (!unusable.folder) {
            EXPECT_TRUE(folder.read(L"SkinH_EL.dll") == unusable.bytes);
        }
    }
}

// A second start in the same folder (a double double-click) brings the
// running launcher's main window to the front and ends; one main window is left.
TEST_F(LauncherGuiTest, SecondStartBringsTheFirstToTheFrontAndEnds) {
    ASSERT_TRUE(start());
    HWND main = launcher.waitForMainWindow();
    ASSERT_NE(main, nullptr) << why();
    ASSERT_TRUE(launcher.waitForIdle()) << why();
    // Out of the way first, so that its coming back is the second start's doing.
    ShowWindowAsync(main, SW_MINIMIZE);
    ASSERT_TRUE(gui::waitUntil([&] { return IsIconic(main) != FALSE; }));

    gui::Launcher second;
    ASSERT_TRUE(second.start(game.path())) << why();
    DWORD exitCode = 1;
    ASSERT_TRUE(second.waitForExit(gui::kWaitMs, &exitCode)) << why();
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(gui::waitUntil([&] { return !IsIconic(main) && GetForegroundWindow() == main; }))
        << utf8(launcher.describe());
    EXPECT_EQ(launcher.windows(), std::vector<HWND>{main});
    EXPECT_TRUE(launcher.running());
}

}  // namespace
