// The quick-buy editor on the real exe over the generated buy-menu file: a
// pack edited through the weapon chooser and saved while the editor holds the
// file open, a save the file refuses, and the file let go on the way out.
#include <string>

#include "gui_test.h"

namespace {

using gui::LauncherWindow;

const wchar_t* const kBuyMenu = L"cstrike\\resource\\UI\\MainBuyMenu.res";
const std::string kTail = "secammo;primammo;flash;flash;sgren;vesthelm;defuser";

// `file` with the line after the (CR LF) marker line replaced.
std::string withLineAfter(std::string file, const std::string& marker, const std::string& line) {
    size_t start = file.find(marker + "\r\n");
    if (start == std::string::npos)
        return "no " + marker;
    start += marker.size() + 2;
    return file.replace(start, file.find("\r\n", start) - start, line);
}

// Whether anyone holds the file open: an open that shares nothing fails then.
bool held(const gui::GameFolder& game) {
    HANDLE file = CreateFileW(game.file(kBuyMenu).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(file);
    return false;
}

TEST_F(LauncherGuiTest, PackEditedThroughTheChooserIsSavedIntoTheBuyMenuFile) {
    ASSERT_TRUE(start());
    const std::string before = game.read(kBuyMenu);
    ASSERT_NE(before.find("//WeaponPack3_command\r\n"), std::string::npos) << before;

    HWND editor = gui::openFromMain(launcher, LauncherWindow::QuickBuyEditor);
    ASSERT_NE(editor, nullptr) << why();
    EXPECT_TRUE(held(game));
    ASSERT_TRUE(gui::click(gui::control(editor, QuickBuyEditor::packButton(3)))) << why();
    HWND pack = launcher.waitForActiveWindowOtherThan(editor);
    ASSERT_NE(pack, nullptr) << why();
    EXPECT_EQ(gui::text(pack), W("正在编辑快速购买栏[3]"));

    // The demo inventory's rifles: ak47, m4a1, awp, ak47_dragon, mp5.
    HWND chooser = gui::openFrom(launcher, pack, LauncherWindow::QuickBuyChooser);
    ASSERT_NE(chooser, nullptr) << why();
    EXPECT_EQ(gui::text(gui::control(chooser, QuickBuyChooser::cellLabel(2))), W("M4A1"));
    EXPECT_TRUE(IsWindowVisible(gui::control(chooser, QuickBuyChooser::cellPicture(5))));
    EXPECT_FALSE(IsWindowVisible(gui::control(chooser, QuickBuyChooser::cellPicture(6))));
    ASSERT_TRUE(gui::press(gui::control(chooser, QuickBuyChooser::cellPicture(2)))) << why();
    ASSERT_TRUE(gui::waitForGone(chooser)) << why();
    ASSERT_TRUE(gui::waitUntil([&] { return launcher.activeWindow() == pack; }))
        << fromWide(launcher.describe(), CP_UTF8);
    EXPECT_EQ(game.read(kBuyMenu), before);

    // Made read-only under the editor, the file refuses the save and stays
    // as it was; the pack editor stays open with the choice.
    ASSERT_TRUE(SetFileAttributesW(game.file(kBuyMenu).c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(gui::click(gui::control(pack, PackEditor::按钮2))) << why();
    ASSERT_TRUE(launcher.waitForIdle()) << why();
    EXPECT_EQ(game.read(kBuyMenu), before);
    EXPECT_TRUE(IsWindowVisible(pack));

    ASSERT_TRUE(SetFileAttributesW(game.file(kBuyMenu).c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(gui::click(gui::control(pack, PackEditor::按钮2))) << why();
    ASSERT_TRUE(gui::waitForGone(pack)) << why();
    ASSERT_TRUE(gui::waitUntil([&] { return launcher.activeWindow() == editor; }))
        << fromWide(launcher.describe(), CP_UTF8);

    std::string expected =
        withLineAfter(before, "//WeaponPack3_command",
                      "\"Command\" \"znk_buy_wpn m4a1;znk_buy_wpn deagle;znk_buy_wpn axe;"
                      "znk_buy_wpn hegrenade;" +
                          kTail + "\"");
    expected = withLineAfter(expected, "//WeaponPack3_img1", "\"image\" \"gfx/vgui/m4a1\"");
    expected = withLineAfter(expected, "//WeaponPack3_img2", "\"image\" \"gfx/vgui/deagle\"");
    expected = withLineAfter(expected, "//WeaponPack3_img3", "\"image\" \"gfx/vgui/axe\"");
    EXPECT_EQ(game.read(kBuyMenu), expected);
    // The file was replaced under the editor, and the editor holds the new one.
    EXPECT_TRUE(held(game));

    ASSERT_TRUE(gui::click(gui::control(editor, QuickBuyEditor::按钮6))) << why();
    ASSERT_TRUE(gui::waitForGone(editor)) << why();
    EXPECT_TRUE(gui::waitUntil([&] { return !held(game); }));
    EXPECT_EQ(game.read(kBuyMenu), expected);
}

}  // namespace
