// The map list on the real exe: without it the launcher says so and ends
// cleanly, music playing and all.
#include "gui_test.h"

namespace {

TEST_F(LauncherGuiTest, MissingMapListEndsWithItsMessage) {
    ASSERT_TRUE(
        game.create(gui::hostPath(ZNK_GUI_GAMES) + L"\\default", gui::hostPath(ZNK_LAUNCHER_EXE)))
        << why();
    ASSERT_TRUE(game.remove(L"LauncherRes\\Data\\Maps.ini")) << why();
    ASSERT_TRUE(launcher.start(game.path())) << why();

    HWND box = launcher.waitForMessageBox();
    ASSERT_NE(box, nullptr) << why();
    EXPECT_EQ(gui::messageBoxText(box), W("地图配置文件不存在,程序结束"));
    EXPECT_EQ(gui::text(box), W("信息："));
    EXPECT_EQ(launcher.findWindow(gui::mainWindowTitle()), nullptr);
    ASSERT_TRUE(gui::answerMessageBox(box, IDOK)) << why();
    DWORD exitCode = 1;
    ASSERT_TRUE(launcher.waitForExit(gui::kWaitMs, &exitCode)) << why();
    EXPECT_EQ(exitCode, 0u);
}

// A list the player made read-only is still read.
TEST_F(LauncherGuiTest, ReadOnlyMapListIsRead) {
    ASSERT_TRUE(
        game.create(gui::hostPath(ZNK_GUI_GAMES) + L"\\default", gui::hostPath(ZNK_LAUNCHER_EXE)))
        << why();
    ASSERT_TRUE(SetFileAttributesW(game.file(L"LauncherRes\\Data\\Maps.ini").c_str(),
                                   FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(launcher.start(game.path())) << why();
    HWND main = launcher.waitForMainWindow();
    ASSERT_NE(main, nullptr) << why() << fromWide(launcher.describe(), CP_UTF8);
    EXPECT_EQ(gui::comboItems(gui::control(main, MainWindow::组合框1)).size(), 12u);
}

}  // namespace
