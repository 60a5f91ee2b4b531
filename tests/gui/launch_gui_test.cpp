// The two launches on the real exe: what they leave in the game folder, the
// copies and the game they start, in order, and the end of the launcher.
// The stand-in cmd.exe beside the launcher is the "cmd" its copy commands
// find first; it logs each start and performs the copy.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "gui_test.h"

namespace {

constexpr const wchar_t* kVideoKey = L"Software\\Valve\\Half-Life\\Settings";

// The screen size the game keeps in the registry, for the length of a test.
class ScreenSetting {
  public:
    ScreenSetting(DWORD width, DWORD height) {
        RegCreateKeyExW(HKEY_CURRENT_USER, kVideoKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr);
        RegSetValueExW(key_, L"ScreenWidth", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&width),
                       sizeof width);
        RegSetValueExW(key_, L"ScreenHeight", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&height),
                       sizeof height);
    }
    ~ScreenSetting() {
        RegDeleteValueW(key_, L"ScreenWidth");
        RegDeleteValueW(key_, L"ScreenHeight");
        RegCloseKey(key_);
    }

  private:
    HKEY key_ = nullptr;
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        result.push_back(text.substr(start, end - start));
    }
    if (start < text.size())
        result.push_back(text.substr(start));
    return result;
}

// The quoted value at the end of a layout line.
std::string valueOf(const std::string& line) {
    size_t close = line.rfind('"');
    size_t open =
        close == std::string::npos || close == 0 ? std::string::npos : line.rfind('"', close - 1);
    return open == std::string::npos ? line : line.substr(open + 1, close - open - 1);
}

unsigned long long ticks(const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The copies the stand-in cmd.exe saw, in the order they were started.
std::vector<std::pair<unsigned long long, std::string>> copiesStarted(const gui::GameFolder& game) {
    std::vector<std::pair<unsigned long long, std::string>> copies;
    for (const std::string& line : lines(game.read(L"cmd-standin-log.txt"))) {
        size_t tab = line.find('\t');
        copies.emplace_back(std::stoull(line.substr(0, tab)), line.substr(tab + 1));
    }
    std::sort(copies.begin(), copies.end());
    return copies;
}

// When the cstrike stand-in started, from its window while it is still shown.
unsigned long long gameStartTime() {
    HWND window = nullptr;
    gui::waitUntil([&] { return (window = FindWindowW(L"CstrikeStandIn", nullptr)) != nullptr; });
    DWORD pid = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &pid) == 0)
        return 0;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr)
        return 0;
    FILETIME created{}, exited{}, kernel{}, user{};
    bool known = GetProcessTimes(process, &created, &exited, &kernel, &user);
    CloseHandle(process);
    return known ? ticks(created) : 0;
}

class LaunchGuiTest : public LauncherGuiTest {
  protected:
    // A copy of the default folder with the stand-in cmd.exe beside the launcher.
    ::testing::AssertionResult prepare() {
        if (!game.create(gui::hostPath(ZNK_GUI_GAMES) + L"\\default",
                         gui::hostPath(ZNK_LAUNCHER_EXE)) ||
            !CopyFileW(gui::hostPath(ZNK_CMD_STANDIN).c_str(), game.file(L"cmd.exe").c_str(),
                       FALSE)) {
            return ::testing::AssertionFailure() << "cannot prepare the game folder: " << why();
        }
        return ::testing::AssertionSuccess();
    }

    // Waits for the launcher to end by itself after a launch, and for the
    // programs it started to log.
    void expectEndedAndStarted(size_t copies) {
        DWORD exitCode = 1;
        ASSERT_TRUE(launcher.waitForExit(gui::kWaitMs, &exitCode)) << why();
        EXPECT_EQ(exitCode, 0u);
        EXPECT_TRUE(gui::waitUntil([&] {
            return lines(game.read(L"cmd-standin-log.txt")).size() >= copies &&
                   game.exists(L"standin-log.txt");
        })) << "copies logged: "
            << lines(game.read(L"cmd-standin-log.txt")).size();
    }
};

TEST_F(LaunchGuiTest, LaunchOnTheMapCopiesTheImagesThenStartsTheGame) {
    ASSERT_TRUE(prepare());
    // Mode 1 active and a map dust2 with its loading images.
    const std::wstring configs = L"cstrike\\addons\\amxmodx\\configs\\";
    ASSERT_TRUE(MoveFileW(game.file(configs + L"plugins-zb1.ini").c_str(),
                          game.file(configs + L"disabled-zb1.ini").c_str()));
    ASSERT_TRUE(MoveFileW(game.file(configs + L"disabled-none.ini").c_str(),
                          game.file(configs + L"plugins-none.ini").c_str()));
    ASSERT_TRUE(game.write(L"LauncherRes\\Data\\Maps.ini", "[Name]\r\ndust2=Dust II\r\n"));
    ASSERT_TRUE(game.write(L"cstrike\\maps\\dust2.bsp", "BSP"));
    CreateDirectoryW(game.file(L"cstrike\\gfx\\loadingtga\\maps\\dust2").c_str(), nullptr);
    ASSERT_TRUE(game.write(L"cstrike\\gfx\\loadingtga\\maps\\dust2\\loading01.tga", "dust2 tile"));
    ScreenSetting screen(1024, 768);

    ASSERT_TRUE(launcher.start(game.path())) << why();
    HWND main = launcher.waitForMainWindow();
    ASSERT_NE(main, nullptr) << why();
    ASSERT_TRUE(gui::click(gui::control(main, MainWindow::选择框1))) << why();
    HWND botCount = gui::control(main, MainWindow::编辑框3);
    PostMessageW(botCount, EM_SETSEL, 0, -1);  // typing replaces the "0" shown
    ASSERT_TRUE(gui::type(botCount, L"12")) << why();
    ASSERT_TRUE(gui::choose(gui::control(main, MainWindow::组合框2), 2)) << why();
    ASSERT_TRUE(gui::waitUntil([&] {
        return gui::ticked(gui::control(main, MainWindow::选择框1)) && gui::text(botCount) == L"12";
    }));
    ASSERT_TRUE(gui::click(gui::control(main, MainWindow::按钮15))) << why();
    expectEndedAndStarted(2);

    auto copies = copiesStarted(game);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(
        copies[0].second,
        "cmd /c copy/Y cstrike\\gfx\\loadingtga\\mode\\NO\\*.* cstrike\\gfx\\znk_loading\\*.* "
        ">nul");
    EXPECT_EQ(copies[1].second,
              "cmd /c copy/Y cstrike\\gfx\\loadingtga\\maps\\dust2\\*.* "
              "cstrike\\gfx\\znk_loading\\*.* >nul");
    unsigned long long gameStarted = gameStartTime();
    EXPECT_GT(gameStarted, copies[1].first) << "the game started before the map copy";

    // The game: started by itself in the launcher's folder, on the map.
    std::vector<std::string> game_log = lines(game.read(L"standin-log.txt"));
    ASSERT_EQ(game_log.size(), 1u);
    EXPECT_EQ(game_log[0].substr(0, game_log[0].find('\t')),
              "cstrike.exe +map dust2.bsp +maxplayers 32");
    EXPECT_EQ(game_log[0].substr(game_log[0].find('\t') + 1), fromWide(game.path(), CP_UTF8));

    // The copies took the mode's and the map's images.
    EXPECT_EQ(game.read(L"cstrike\\gfx\\znk_loading\\loading01.tga"), "dust2 tile");
    EXPECT_TRUE(game.exists(L"cstrike\\gfx\\znk_loading\\mode_icon.tga"));

    EXPECT_EQ(game.read(L"LauncherRes\\Data\\Save.ini"),
              "[Map]\r\ncontrolbot=1\r\nbotnum=12\r\nlastchoice=0\r\nbotdifficult=2\r\n");
    EXPECT_EQ(game.read(L"cstrike\\addons\\amxmodx\\configs\\znk_launcher.cfg"),
              "bot_quota 12 // Bot Numbers\r\nbot_difficulty 2 // Bot Difficult");

    std::string layout = game.read(L"cstrike\\resource\\LoadingDialogNoBanner.res");
    std::vector<std::string> layoutLines = lines(layout);
    ASSERT_GE(layoutLines.size(), 334u);
    EXPECT_NE(layout.substr(layout.size() - 2), "\r\n");
    std::vector<std::string> values;
    for (int n : {9, 10, 56, 57, 58, 59, 221, 222, 223, 224, 297, 298, 299, 333, 334}) {
        values.push_back(valueOf(layoutLines[n - 1]));
    }
    EXPECT_EQ(values, (std::vector<std::string>{"1024", "768", "0", "0", "256", "256", "768", "512",
                                                "256", "256", "65", "728", "892", "65", "706"}));
}

TEST_F(LaunchGuiTest, PlainLaunchStartsTheGameWithoutArguments) {
    ASSERT_TRUE(prepare());
    ASSERT_TRUE(launcher.start(game.path())) << why();
    HWND main = launcher.waitForMainWindow();
    ASSERT_NE(main, nullptr) << why();
    ASSERT_TRUE(gui::click(gui::control(main, MainWindow::按钮14))) << why();
    expectEndedAndStarted(2);

    std::vector<std::string> game_log = lines(game.read(L"standin-log.txt"));
    ASSERT_EQ(game_log.size(), 1u);
    EXPECT_EQ(game_log[0].substr(0, game_log[0].find('\t')), "cstrike");
    // The demo folder's mode 3 and its first map.
    auto copies = copiesStarted(game);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_NE(copies[0].second.find("\\mode\\ZM3\\*.* "), std::string::npos) << copies[0].second;
    EXPECT_NE(copies[1].second.find("\\maps\\de_dust2\\*.* "), std::string::npos)
        << copies[1].second;
    EXPECT_FALSE(game.exists(L"cstrike\\addons\\amxmodx\\configs\\znk_launcher.cfg"));
}

}  // namespace
