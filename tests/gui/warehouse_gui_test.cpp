// The warehouse on the real exe: the editor reads the demo catalogue before
// it lets the picker open, the switch and a rifle edit over two pages reach
// znk_precachewpn.ini, and nothing else of the file moves.
#include <string>

#include "gui_test.h"

namespace {

using gui::LauncherWindow;

const wchar_t* const kInventory = L"cstrike\\addons\\amxmodx\\configs\\znk_precachewpn.ini";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST_F(LauncherGuiTest, WarehouseEditsRiflesOverTwoPagesAndTheSwitch) {
    ASSERT_TRUE(start());
    const std::string before = game.read(kInventory);
    ASSERT_NE(before.find("\r\nRIFLES=ak47,m4a1,awp,ak47_dragon,mp5,\r\n"), std::string::npos)
        << before;
    ASSERT_NE(launcher.waitForMainWindow(), nullptr) << why();

    HWND editor = gui::openFromMain(launcher, LauncherWindow::WarehouseEditor);
    ASSERT_NE(editor, nullptr) << why();
    HWND toggle = gui::control(editor, WarehouseEditor::按钮2);
    EXPECT_EQ(gui::text(toggle), W("点击开启仓库，加载仓库枪支，避免无法进入地图的问题"));
    ASSERT_TRUE(gui::click(toggle)) << why();
    EXPECT_TRUE(gui::waitUntil([&] {
        return gui::text(toggle) == W("点击关闭仓库，加载所有枪支，可能会载入游戏返回初始界面");
    }));
    const std::string switchedOn =
        replaced(before, "\r\nLOADALLSHOPWEAPON=0\r\n", "\r\nLOADALLSHOPWEAPON=1\r\n");
    EXPECT_EQ(game.read(kInventory), switchedOn);

    // The picker opens once the timer has read the catalogue and enabled PRI.
    HWND picker = gui::openFrom(launcher, editor, LauncherWindow::WeaponSelection);
    ASSERT_NE(picker, nullptr) << why();
    EXPECT_EQ(gui::text(gui::control(editor, WarehouseEditor::标签2)), W("武器读取成功！"));
    // The old rifles are gone as soon as the edit starts.
    EXPECT_EQ(
        game.read(kInventory),
        replaced(switchedOn, "\r\nRIFLES=ak47,m4a1,awp,ak47_dragon,mp5,\r\n", "\r\nRIFLES=\r\n"));

    HWND first = gui::control(picker, WeaponSelection::cellCheckBox(1));
    EXPECT_EQ(gui::text(first), W("AK-47"));
    ASSERT_TRUE(gui::click(first)) << why();
    EXPECT_TRUE(gui::waitUntil([&] { return !IsWindowEnabled(first); }));
    ASSERT_TRUE(gui::click(gui::control(picker, WeaponSelection::按钮3))) << why();
    HWND second = gui::control(picker, WeaponSelection::cellCheckBox(2));
    EXPECT_TRUE(gui::waitUntil([&] { return gui::text(second) == W("AUG"); }))
        << fromWide(gui::text(second), CP_UTF8);
    EXPECT_EQ(gui::text(gui::control(picker, WeaponSelection::cellCheckBox(8))), W("空"));
    ASSERT_TRUE(gui::click(second)) << why();
    EXPECT_TRUE(gui::waitUntil([&] {
        return gui::text(gui::control(picker, WeaponSelection::标签2)) == W("Total Select:2/50");
    }));

    ASSERT_TRUE(gui::click(gui::control(picker, WeaponSelection::PRI))) << why();
    HWND box = launcher.waitForMessageBox();
    ASSERT_NE(box, nullptr) << why();
    EXPECT_EQ(gui::messageBoxText(box), W("You have added these weapons:AK-47 AUG "));
    ASSERT_TRUE(gui::answerMessageBox(box, IDOK)) << why();
    ASSERT_TRUE(gui::waitForGone(picker)) << why();
    EXPECT_TRUE(gui::waitUntil([&] { return launcher.activeWindow() == editor; }))
        << fromWide(launcher.describe(), CP_UTF8);

    EXPECT_EQ(game.read(kInventory),
              replaced(switchedOn, "\r\nRIFLES=ak47,m4a1,awp,ak47_dragon,mp5,\r\n",
                       "\r\nRIFLES=ak47,aug,\r\n"));
}

}  // namespace
