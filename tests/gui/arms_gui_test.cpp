// The arms manager on the real exe: opened through its notice, the switch and
// a male arm chosen in its chooser each reach metahook.txt at once, and
// nothing else of the plug-in's file moves.
#include <string>

#include "gui_test.h"

namespace {

using gui::LauncherWindow;

const char* const kOn = "已启用自定义手臂,点击关闭";
const char* const kOff = "已关闭自定义手臂,点击开启";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST_F(LauncherGuiTest, ArmsSwitchAndMaleChoiceAreWrittenToMetahookTxt) {
    ASSERT_TRUE(start());
    const std::string before = game.read(L"metahook.txt");
    ASSERT_NE(before.find("\nenable=1\r\n"), std::string::npos) << before;
    ASSERT_NE(before.find("\nmale=male_1\r\n"), std::string::npos) << before;
    ASSERT_NE(launcher.waitForMainWindow(), nullptr) << why();

    HWND arms = gui::openFromMain(launcher, LauncherWindow::ArmsManager);
    ASSERT_NE(arms, nullptr) << why();
    HWND toggle = gui::control(arms, ArmsManager::按钮1);
    ASSERT_NE(toggle, nullptr) << why();
    EXPECT_EQ(gui::text(toggle), W(kOn));

    ASSERT_TRUE(gui::click(toggle)) << why();
    EXPECT_TRUE(gui::waitUntil([&] { return gui::text(toggle) == W(kOff); }));
    const std::string switchedOff = replaced(before, "\nenable=1\r\n", "\nenable=0\r\n");
    EXPECT_EQ(game.read(L"metahook.txt"), switchedOff);

    HWND chooser = gui::openFrom(launcher, arms, LauncherWindow::MaleArmChooser);
    ASSERT_NE(chooser, nullptr) << why();
    ASSERT_TRUE(gui::press(gui::control(chooser, ArmChooser::图片框3))) << why();
    ASSERT_TRUE(gui::waitForGone(chooser)) << why();
    EXPECT_TRUE(gui::waitUntil([&] { return launcher.activeWindow() == arms; }))
        << fromWide(launcher.describe(), CP_UTF8);
    EXPECT_EQ(game.read(L"metahook.txt"),
              replaced(switchedOff, "\nmale=male_1\r\n", "\nmale=male_3\r\n"));
    EXPECT_EQ(gui::text(toggle), W(kOff));
}

}  // namespace
