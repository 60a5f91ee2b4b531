// Launching the game: what a launch leaves in the game folder (Save.ini, the
// bot file, the loading layout) and the programs it starts, in order.
#include <gtest/gtest.h>

#include "core/window_ids.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "support/journey.h"

namespace {

constexpr const char* kLayout = "cstrike\\resource\\LoadingDialogNoBanner.res";
constexpr const char* kBotFile = "cstrike\\addons\\amxmodx\\configs\\znk_launcher.cfg";
constexpr const char* kSave = "LauncherRes\\Data\\Save.ini";
constexpr const char* kVideo = "Software\\Valve\\Half-Life\\Settings\\";

// A layout of `count` lines, each <two tabs>"key<n>"<two tabs>"value<n>", with
// a final CR LF.
std::string layoutLines(int count) {
    std::string text;
    for (int n = 1; n <= count; ++n) {
        text += "\t\t\"key" + std::to_string(n) + "\"\t\t\"value" + std::to_string(n) + "\"\r\n";
    }
    return text;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

// The value of line n (1-based) of a rewritten layout.
std::string valueOf(const std::vector<std::string>& lines, int n) {
    const std::string& line = lines.at(n - 1);
    size_t close = line.rfind('"');
    size_t open = line.rfind('"', close - 1);
    return line.substr(open + 1, close - open - 1);
}

std::vector<std::string> commandLines(const LauncherJourney& journey) {
    std::vector<std::string> lines;
    for (const RecordedCommand& command : journey.system.commands) {
        lines.push_back(command.commandLine);
    }
    return lines;
}

void setScreen(LauncherJourney& journey, int width, int height) {
    journey.system.setRegistryNumber(kRootCurrentUser, std::string(kVideo) + "ScreenWidth", width);
    journey.system.setRegistryNumber(kRootCurrentUser, std::string(kVideo) + "ScreenHeight",
                                     height);
}

void activeMode(LauncherJourney& journey, const char* tag) {
    journey.folder.write(std::string("cstrike\\addons\\amxmodx\\configs\\plugins-") + tag + ".ini",
                         "");
}

// Starts the launcher and clicks one launch button; true if the window closed.
bool launch(LauncherJourney& journey, ControlId button,
            std::function<void(OffscreenUser&)> before = nullptr) {
    bool closed = false;
    journey.system.onWindow(MainWindow::kId, [&](OffscreenUser& user) {
        if (before)
            before(user);
        EXPECT_TRUE(user.click(button));
        closed = !user.windowOpen();
        if (!closed)
            user.closeBox();
    });
    journey.run();
    return closed;
}

TEST(Launch, OnTheSelectedMapPreparesTheFolderAndStartsInOrder) {
    LauncherJourney journey;
    activeMode(journey, "none");
    setScreen(journey, 1024, 768);
    std::string layout = layoutLines(356) + "\r\n\r\n";
    layout.replace(layout.find("\"value9\""), 8, "\"800\" // frame width");
    journey.folder.write(kLayout, layout);
    bool closed = launch(journey, MainWindow::按钮15, [](OffscreenUser& user) {
        user.tick(MainWindow::选择框1);
        user.paste(MainWindow::编辑框3, "12");
        user.chooseItem(MainWindow::组合框2, 2);
    });

    EXPECT_TRUE(closed);
    EXPECT_EQ(commandLines(journey),
              (std::vector<std::string>{"cmd /c copy/Y cstrike\\gfx\\loadingtga\\mode\\NO\\*.* "
                                        "cstrike\\gfx\\znk_loading\\*.* >nul",
                                        "cmd /c copy/Y cstrike\\gfx\\loadingtga\\maps\\dust2\\*.* "
                                        "cstrike\\gfx\\znk_loading\\*.* >nul",
                                        "cstrike.exe +map dust2.bsp +maxplayers 32"}));
    for (const RecordedCommand& command : journey.system.commands) {
        EXPECT_FALSE(command.waitForEnd);
        EXPECT_EQ(command.showMode, 2);
    }
    std::string bots = journey.folder.read(kBotFile);
    EXPECT_EQ(bots, "bot_quota 12 // Bot Numbers\r\nbot_difficulty 2 // Bot Difficult");
    EXPECT_EQ(bots.size(), 62u);
    EXPECT_EQ(journey.folder.read(kSave),
              "[Map]\r\ncontrolbot=1\r\nbotnum=12\r\nlastchoice=0\r\nbotdifficult=2\r\n");

    std::string rewritten = journey.folder.read(kLayout);
    std::vector<std::string> lines = splitLines(rewritten);
    ASSERT_EQ(lines.size(), 358u);  // the final CR LF is gone, the blank lines before it stay
    EXPECT_EQ(lines[8], "\t\t\"key9\"\t\t\"1024\"");  // the comment went with the old value
    EXPECT_EQ(valueOf(lines, 10), "768");
    std::vector<std::string> firstTile, lastTile;
    for (int n = 0; n < 4; ++n) {
        firstTile.push_back(valueOf(lines, 56 + n));
        lastTile.push_back(valueOf(lines, 221 + n));
    }
    EXPECT_EQ(firstTile, (std::vector<std::string>{"0", "0", "256", "256"}));
    EXPECT_EQ(lastTile, (std::vector<std::string>{"768", "512", "256", "256"}));
    EXPECT_EQ(valueOf(lines, 299), "892");
    // Lines the layout does not own are untouched.
    EXPECT_EQ(lines[54], "\t\t\"key55\"\t\t\"value55\"");
    EXPECT_EQ(lines[59], "\t\t\"key60\"\t\t\"value60\"");
    EXPECT_EQ(lines[355], "\t\t\"key356\"\t\t\"value356\"");
}

TEST(Launch, LayoutValuesForEachScreenSize) {
    struct Screen {
        int width, height;
        std::vector<std::string> values;  // wide, tall, lines 333, 334, 297, 298, 299
    };
    const Screen screens[] = {
        {640, 480, {"160", "160", "40", "441", "40", "463", "558"}},
        {800, 600, {"200", "200", "51", "552", "51", "574", "697"}},
        {1024, 768, {"256", "256", "65", "706", "65", "728", "892"}},
        {1280, 1024, {"320", "341", "81", "942", "81", "964", "1116"}},
        {1920, 1080, {"480", "360", "122", "993", "122", "1015", "1674"}},
        {0, 0, {"0", "0", "0", "0", "0", "22", "0"}},
    };
    for (const Screen& screen : screens) {
        SCOPED_TRACE(screen.width);
        LauncherJourney journey;
        if (screen.width != 0) {
            setScreen(journey, screen.width, screen.height);
        } else {
            // Missing, or not a number: both read as 0.
            journey.system.setRegistryText(kRootCurrentUser, std::string(kVideo) + "ScreenWidth",
                                           "1024");
        }
        journey.folder.write(kLayout, layoutLines(340));
        launch(journey, MainWindow::按钮14);
        std::vector<std::string> lines = splitLines(journey.folder.read(kLayout));
        std::vector<std::string> values;
        for (int n : {58, 59, 333, 334, 297, 298, 299}) {
            values.push_back(valueOf(lines, n));
        }
        EXPECT_EQ(values, screen.values);
        EXPECT_EQ(valueOf(lines, 9), std::to_string(screen.width));
    }
}

TEST(Launch, LayoutThatCannotBeRewrittenIsKept) {
    std::string noQuotes = layoutLines(340);
    const std::string quoted = "\t\t\"key297\"\t\t\"value297\"";
    noQuotes.replace(noQuotes.find(quoted), quoted.size(), "key297 value297");
    std::string zeroByte = layoutLines(340) + std::string("\0tail", 5);
    struct Case {
        const char* what;
        std::string layout;
    };
    const Case cases[] = {
        {"short", layoutLines(333)},
        {"line without quotes", noQuotes},
        {"zero byte", zeroByte},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LauncherJourney journey;
        setScreen(journey, 800, 600);
        journey.folder.write(kLayout, c.layout);
        bool closed = launch(journey, MainWindow::按钮15);
        EXPECT_TRUE(closed);
        EXPECT_EQ(journey.folder.read(kLayout), c.layout);
        EXPECT_EQ(commandLines(journey).size(), 3u);
        EXPECT_TRUE(journey.folder.exists(kSave));
    }

    // Without a layout file the launch goes on and makes none.
    LauncherJourney missing;
    EXPECT_TRUE(launch(missing, MainWindow::按钮15));
    EXPECT_FALSE(missing.folder.exists(kLayout));
    EXPECT_EQ(commandLines(missing).back(), "cstrike.exe +map dust2.bsp +maxplayers 32");
}

TEST(Launch, PlainLaunchStartsTheGameWithoutArguments) {
    LauncherJourney journey;
    activeMode(journey, "gd");
    journey.folder.write(kBotFile, "from an earlier launch");
    bool closed = launch(journey, MainWindow::按钮14);
    EXPECT_TRUE(closed);
    EXPECT_EQ(commandLines(journey),
              (std::vector<std::string>{"cmd /c copy/Y cstrike\\gfx\\loadingtga\\mode\\GD\\*.* "
                                        "cstrike\\gfx\\znk_loading\\*.* >nul",
                                        "cmd /c copy/Y cstrike\\gfx\\loadingtga\\maps\\dust2\\*.* "
                                        "cstrike\\gfx\\znk_loading\\*.* >nul",
                                        "cstrike"}));
    // Bot control off: the old bot file is gone and no new one is written.
    EXPECT_FALSE(journey.folder.exists(kBotFile));
    EXPECT_EQ(journey.folder.read(kSave),
              "[Map]\r\ncontrolbot=0\r\nbotnum=0\r\nlastchoice=0\r\nbotdifficult=0\r\n");
}

TEST(Launch, BotFileTakesTheControlsAsTheyAre) {
    // An empty count box and no difficulty (a saved index below the list).
    LauncherJourney journey;
    activeMode(journey, "td");
    journey.folder.write(kSave, "[Map]\r\ncontrolbot=1\r\nbotdifficult=-5\r\n");
    launch(journey, MainWindow::按钮15,
           [](OffscreenUser& user) { user.paste(MainWindow::编辑框3, ""); });
    EXPECT_EQ(journey.folder.read(kBotFile),
              "bot_quota  // Bot Numbers\r\nbot_difficulty -1 // Bot Difficult");
    EXPECT_EQ(journey.folder.read(kSave),
              "[Map]\r\ncontrolbot=1\r\nbotdifficult=-1\r\nbotnum=\r\nlastchoice=0\r\n");
}

TEST(Launch, BotCountIsKeptWithinZeroToThirtyOne) {
    LauncherJourney journey;
    std::vector<Text> shown;
    journey.system.onWindow(MainWindow::kId, [&](OffscreenUser& user) {
        for (const char* typed : {"45", "-3", "31", "7", "", "32"}) {
            user.paste(MainWindow::编辑框3, "");
            user.type(MainWindow::编辑框3, typed);
            shown.push_back(user.text(MainWindow::编辑框3));
        }
        user.closeBox();
    });
    journey.run();
    EXPECT_EQ(shown, (std::vector<Text>{"31", "0", "31", "7", "", "31"}));
}

TEST(Launch, WithoutAnyMapOnlyThePlainLaunchRuns) {
    LauncherJourney journey;
    journey.setMaps("[Name]\r\nghost=Ghost\r\n", {});
    bool refusedClosed = true;
    journey.system.onWindow(MainWindow::kId, [&](OffscreenUser& user) {
        user.click(MainWindow::按钮15);
        refusedClosed = !user.windowOpen();
        EXPECT_TRUE(journey.system.commands.empty());
        EXPECT_FALSE(journey.folder.exists(kSave));
        user.click(MainWindow::按钮14);
    });
    journey.run();
    EXPECT_FALSE(refusedClosed);
    ASSERT_EQ(journey.system.messageBoxes.size(), 1u);
    EXPECT_EQ(journey.system.messageBoxes[0].message,
              "地图列表中没有已安装的地图，无法在地图上启动游戏。");
    // No mode either: the mode copy takes the files right in the mode folder.
    EXPECT_EQ(commandLines(journey),
              (std::vector<std::string>{"cmd /c copy/Y cstrike\\gfx\\loadingtga\\mode\\\\*.* "
                                        "cstrike\\gfx\\znk_loading\\*.* >nul",
                                        "cstrike"}));
    EXPECT_EQ(journey.folder.read(kSave),
              "[Map]\r\ncontrolbot=0\r\nbotnum=0\r\nlastchoice=-1\r\nbotdifficult=0\r\n");
}

TEST(Launch, MapNamesReachTheCommandProcessorEscaped) {
    // 乛 is the GBK bytes 81 5E: its second byte is a caret that is no caret.
    const std::pair<const char*, const char*> maps[] = {
        {"a&b", "a^&b"},
        {"乛(x)%PATH%|y", "乛^(x^)^%PATH^%^|y"},
    };
    for (const auto& [name, escaped] : maps) {
        LauncherJourney journey;
        journey.setMaps(std::string(name) + "=Odd\r\n", {});
        journey.folder.write("cstrike\\maps\\other.bsp", "BSP");
        ASSERT_TRUE(writeWholeFile(journey.folder.path() + "\\cstrike\\maps\\" + name + ".bsp",
                                   Bytes("BSP")));
        launch(journey, MainWindow::按钮15);
        std::vector<std::string> lines = commandLines(journey);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[1], std::string("cmd /c copy/Y cstrike\\gfx\\loadingtga\\maps\\") +
                                escaped + "\\*.* cstrike\\gfx\\znk_loading\\*.* >nul");
        // The game is started directly: no command processor reads its line.
        EXPECT_EQ(lines[2], std::string("cstrike.exe +map ") + name + ".bsp +maxplayers 32");
    }
}

}  // namespace
