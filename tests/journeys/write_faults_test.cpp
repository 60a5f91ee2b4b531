// Every operation of the launcher that changes a file, run once to count its
// file steps (creating the temporary file, each write, flush and replace,
// each rename and delete) and then once with each step failing. After every
// run each file it touches holds what it would hold had each of its changes
// been made whole or not at all, no temporary file is left, and the launcher
// goes on: a
// launch still starts the game, a window the player changes a file from says
// when the file did not take the change.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/window_ids.h"
#include "platform/registry.h"
#include "support/journey.h"

namespace {

using Contents = std::optional<std::string>;  // nullopt: no such file
constexpr const char* kConfigs = "cstrike\\addons\\amxmodx\\configs\\";

// A file of `key=value` lines after `head`, each key once.
std::string iniFile(const std::string& head,
                    const std::vector<std::pair<std::string, std::string>>& items) {
    std::string text = head;
    for (const auto& [key, value] : items)
        text += key + "=" + value + "\r\n";
    return text;
}

// The contents an INI file may be left with when `writes` are made one by
// one from `items`, each replacing its key's value where the key stands, and
// each either done whole or not at all; the last is all of them done.
std::vector<Contents> iniStates(const std::string& head,
                                const std::vector<std::pair<std::string, std::string>>& items,
                                const std::vector<std::pair<std::string, std::string>>& writes) {
    std::vector<Contents> states;
    for (unsigned done = 0; done < (1u << writes.size()); ++done) {
        auto now = items;
        for (size_t write = 0; write < writes.size(); ++write) {
            for (auto& item : now) {
                if ((done & (1u << write)) != 0 && item.first == writes[write].first)
                    item.second = writes[write].second;
            }
        }
        states.push_back(iniFile(head, now));
    }
    return states;
}

Contents contentsOf(const LauncherJourney& journey, const std::string& file) {
    return journey.folder.exists(file) ? Contents(journey.folder.read(file)) : std::nullopt;
}

std::vector<std::string> temporaryFiles(const LauncherJourney& journey) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(journey.folder.path())) {
        std::string name = entry.path().filename().string();
        if (name.find(".~") != std::string::npos && name.ends_with(".tmp"))
            found.push_back(name);
    }
    return found;
}

int refusals(const LauncherJourney& journey) {
    int count = 0;
    for (const RecordedMessageBox& shown : journey.system.messageBoxes) {
        count += shown.message.starts_with("文件无法写入：");
    }
    return count;
}

// A file an operation changes, with every contents it may be left with, the
// undisturbed run's last; when `rewritten`, that last one is whatever the
// undisturbed run leaves.
struct WatchedFile {
    std::string path;
    std::vector<Contents> states;
    bool rewritten = false;
};

struct Operation {
    const char* name;
    // Writes the game folder and queues what the player does.
    std::function<void(LauncherJourney&)> prepare;
    std::vector<WatchedFile> files;
    // What must hold after the run; `complete`: every file as the
    // undisturbed run leaves it.
    std::function<void(const LauncherJourney&, bool complete)> goesOn;
    bool writesSkinLibrary = false;
};

void mainWindowDoes(LauncherJourney& journey, std::function<void(OffscreenUser&)> actions) {
    journey.system.onWindow(MainWindow::kId, [actions](OffscreenUser& user) {
        actions(user);
        if (user.windowOpen())
            user.closeBox();
    });
}

// A window the player changes a file from tells him of each change the file
// refused; one whose change went through says nothing.
auto toldWhenRefused = [](const LauncherJourney& journey, bool complete) {
    if (complete)
        EXPECT_EQ(refusals(journey), 0);
    else
        EXPECT_GE(refusals(journey), 1);
};

std::vector<Operation> operations() {
    std::vector<Operation> all;

    const std::string saveHead = "[Map]\r\n";
    const std::string layout = [] {
        std::string text;
        for (int n = 1; n <= 340; ++n)
            text +=
                "\t\t\"key" + std::to_string(n) + "\"\t\t\"value" + std::to_string(n) + "\"\r\n";
        return text;
    }();
    const std::string botFile = std::string(kConfigs) + "znk_launcher.cfg";
    all.push_back(Operation{
        "launch: Save.ini, the bot file and the loading layout",
        [=](LauncherJourney& journey) {
            journey.setMaps("dust2=Dust II\r\naztec=Aztec\r\n", {"dust2", "aztec"});
            journey.folder.write("LauncherRes\\Data\\Save.ini",
                                 iniFile(saveHead, {{"controlbot", "0"},
                                                    {"botnum", "3"},
                                                    {"lastchoice", "0"},
                                                    {"botdifficult", "0"}}));
            journey.folder.write(botFile, "from an earlier launch");
            journey.folder.write("cstrike\\resource\\LoadingDialogNoBanner.res", layout);
            const std::string video = "Software\\Valve\\Half-Life\\Settings\\";
            journey.system.setRegistryNumber(kRootCurrentUser, video + "ScreenWidth", 1024);
            journey.system.setRegistryNumber(kRootCurrentUser, video + "ScreenHeight", 768);
            mainWindowDoes(journey, [](OffscreenUser& user) {
                user.tick(MainWindow::选择框1);
                user.paste(MainWindow::编辑框3, "7");
                user.chooseItem(MainWindow::组合框1, 1);
                user.chooseItem(MainWindow::组合框2, 2);
                EXPECT_TRUE(user.click(MainWindow::按钮15));
                EXPECT_FALSE(user.windowOpen());
            });
        },
        {{"LauncherRes\\Data\\Save.ini",
          iniStates(
              saveHead,
              {{"controlbot", "0"}, {"botnum", "3"}, {"lastchoice", "0"}, {"botdifficult", "0"}},
              {{"controlbot", "1"}, {"botnum", "7"}, {"lastchoice", "1"}, {"botdifficult", "2"}})},
         {botFile,
          {"from an earlier launch", std::nullopt,
           "bot_quota 7 // Bot Numbers\r\nbot_difficulty 2 // Bot Difficult"}},
         {"cstrike\\resource\\LoadingDialogNoBanner.res", {layout}, true}},
        [](const LauncherJourney& journey, bool) {
            ASSERT_EQ(journey.system.commands.size(), 3u);
            EXPECT_EQ(journey.system.commands.back().commandLine,
                      "cstrike.exe +map aztec.bsp +maxplayers 32");
        }});

    const char* const tags[] = {"none", "td", "zb1", "ze", "gd"};
    Operation modes{
        "mode choice: the plugin-list renames",
        [=](LauncherJourney& journey) {
            for (const char* tag : tags) {
                std::string state = std::string(tag) == "zb1" ? "plugins-" : "disabled-";
                journey.folder.write(kConfigs + state + tag + ".ini", tag);
            }
            journey.system.onWindow(ModeChooser::kId, [](OffscreenUser& user) {
                EXPECT_TRUE(user.click(ModeChooser::超级按钮5));
            });
            mainWindowDoes(
                journey, [](OffscreenUser& user) { EXPECT_TRUE(user.click(MainWindow::按钮13)); });
        },
        {},
        [=](const LauncherJourney& journey, bool) {
            // Each list keeps its contents under exactly one of its two names.
            for (const char* tag : tags) {
                Contents active =
                    contentsOf(journey, kConfigs + std::string("plugins-") + tag + ".ini");
                Contents inactive =
                    contentsOf(journey, kConfigs + std::string("disabled-") + tag + ".ini");
                EXPECT_NE(active.has_value(), inactive.has_value()) << tag;
                EXPECT_EQ(active ? active : inactive, Contents(tag));
            }
            EXPECT_EQ(journey.system.openedWindows,
                      (std::vector<int>{MainWindow::kId, ModeChooser::kId}));
        }};
    // zb1 is turned off and gd on; the others stay off (checked above).
    const std::string zb1 = "zb1", gd = "gd";
    modes.files = {{kConfigs + ("plugins-" + zb1) + ".ini", {zb1, std::nullopt}},
                   {kConfigs + ("disabled-" + zb1) + ".ini", {std::nullopt, zb1}},
                   {kConfigs + ("plugins-" + gd) + ".ini", {std::nullopt, gd}},
                   {kConfigs + ("disabled-" + gd) + ".ini", {gd, std::nullopt}}};
    all.push_back(modes);

    const std::string inventoryHead = "[My Weapons]\r\n";
    all.push_back(Operation{
        "warehouse: the switch, a category edit's start and a pick",
        [=](LauncherJourney& journey) {
            journey.folder.write(std::string(kConfigs) + "znk_wpn.ini",
                                 "[name]Knife[model]knife[p_sub]0[cswpn]29[damage]1\r\n");
            journey.folder.write(
                std::string(kConfigs) + "znk_precachewpn.ini",
                iniFile(inventoryHead, {{"LOADALLSHOPWEAPON", "0"}, {"KNIFES", "old,"}}));
            journey.system.onWindow(WeaponSelection::kId, [](OffscreenUser& user) {
                user.tick(WeaponSelection::cellCheckBox(1));
                user.click("PRI");
            });
            journey.system.onWindow(WarehouseEditor::kId, [](OffscreenUser& user) {
                user.advanceClock(3000);
                user.click("按钮2");
                user.chooseItem("组合框1", 2);
                user.click("PRI");
                user.closeBox();
            });
            mainWindowDoes(journey, [](OffscreenUser& user) { user.click(MainWindow::按钮2); });
        },
        {{std::string(kConfigs) + "znk_precachewpn.ini",
          iniStates(inventoryHead, {{"LOADALLSHOPWEAPON", "0"}, {"KNIFES", "old,"}},
                    {{"LOADALLSHOPWEAPON", "1"}, {"KNIFES", ""}, {"KNIFES", "knife,"}})}},
        toldWhenRefused});

    const std::string command =
        "\"Command\" \"znk_buy_wpn m4a1;znk_buy_wpn usp;znk_buy_wpn knife;znk_buy_wpn "
        "hegrenade;\"";
    const std::string buyMenu =
        "\"Resource/UI/MainBuyMenu.res\"\r\n{\r\n//WeaponPack2_command\r\n\t\t" + command +
        "\r\n//WeaponPack2_img1\r\n\t\t\"image\" \"gfx/vgui/m4a1\"\r\n}";
    // Saved without the indentation, and with the equipment the editor adds.
    std::string savedCommand = command;
    savedCommand.insert(savedCommand.size() - 1,
                        "secammo;primammo;flash;flash;sgren;vesthelm;defuser");
    const std::string savedMenu =
        "\"Resource/UI/MainBuyMenu.res\"\r\n{\r\n//WeaponPack2_command\r\n" + savedCommand +
        "\r\n//WeaponPack2_img1\r\n\"image\" \"gfx/vgui/m4a1\"\r\n}";
    all.push_back(Operation{
        "quick-buy: a pack saved",
        [=](LauncherJourney& journey) {
            journey.folder.write("cstrike\\resource\\UI\\MainBuyMenu.res", buyMenu);
            journey.system.onWindow(PackEditor::kId, [](OffscreenUser& user) {
                user.click(PackEditor::按钮2);
                // A refused save keeps the editor open; the player gives up.
                if (user.windowOpen())
                    user.click(PackEditor::按钮1);
            });
            journey.system.onWindow(QuickBuyEditor::kId, [](OffscreenUser& user) {
                user.click(QuickBuyEditor::packButton(2));
                user.click(QuickBuyEditor::按钮6);
            });
            mainWindowDoes(journey, [](OffscreenUser& user) { user.click(MainWindow::按钮3); });
        },
        {{"cstrike\\resource\\UI\\MainBuyMenu.res", {buyMenu, savedMenu}}},
        toldWhenRefused});

    const std::string tattoo = "[tattoo]\r\n";
    all.push_back(Operation{
        "arms: the switch and both choices in metahook.txt",
        [=](LauncherJourney& journey) {
            journey.folder.write(
                "metahook.txt",
                iniFile(tattoo, {{"enable", "0"}, {"male", "male_1"}, {"female", "female_1"}}));
            journey.system.onWindow(ArmChooser::kMaleId, [](OffscreenUser& user) {
                user.pressPicture(ArmChooser::图片框2);
            });
            journey.system.onWindow(ArmChooser::kFemaleId, [](OffscreenUser& user) {
                user.pressPicture(ArmChooser::图片框3);
            });
            journey.system.onWindow(ArmsManager::kId, [](OffscreenUser& user) {
                user.click(ArmsManager::按钮1);
                user.click(ArmsManager::按钮2);
                user.click(ArmsManager::按钮3);
                user.closeBox();
            });
            mainWindowDoes(journey, [](OffscreenUser& user) { user.click(MainWindow::按钮1); });
        },
        {{"metahook.txt",
          iniStates(tattoo, {{"enable", "0"}, {"male", "male_1"}, {"female", "female_1"}},
                    {{"enable", "1"}, {"male", "male_2"}, {"female", "female_3"}})}},
        toldWhenRefused});

    all.push_back(
        Operation{"start: the skin library written out",
                  [](LauncherJourney& journey) { mainWindowDoes(journey, [](OffscreenUser&) {}); },
                  {{"SkinH_EL.dll", {std::nullopt, kJourneySkinLibrary}}},
                  [](const LauncherJourney& journey, bool) {
                      EXPECT_EQ(journey.system.openedWindows, std::vector<int>{MainWindow::kId});
                      EXPECT_FALSE(journey.system.skinCalls.empty());
                  },
                  true});
    return all;
}

// Every journey but the skin library's starts with the library in place, so
// that its steps are only that operation's.
void runOperation(const Operation& operation, LauncherJourney& journey) {
    if (!operation.writesSkinLibrary)
        journey.folder.write("SkinH_EL.dll", kJourneySkinLibrary);
    operation.prepare(journey);
    journey.system.fileSteps = 0;
    journey.run();
}

}  // namespace

TEST(WriteFaults, EveryStepOfEveryFileChangeFailsCleanly) {
    for (Operation operation : operations()) {
        SCOPED_TRACE(operation.name);
        long long steps = 0;
        {
            LauncherJourney journey;
            runOperation(operation, journey);
            steps = journey.system.fileSteps;
            for (WatchedFile& file : operation.files) {
                if (file.rewritten)
                    file.states.push_back(contentsOf(journey, file.path));
                EXPECT_NE(file.states.front(), file.states.back()) << file.path;
                EXPECT_EQ(contentsOf(journey, file.path), file.states.back()) << file.path;
            }
            EXPECT_TRUE(temporaryFiles(journey).empty());
            operation.goesOn(journey, true);
        }
        ASSERT_GT(steps, 0);
        for (long long step = 1; step <= steps; ++step) {
            SCOPED_TRACE("failing step " + std::to_string(step) + " of " + std::to_string(steps));
            LauncherJourney journey;
            journey.system.failFileStep = step;
            runOperation(operation, journey);
            bool complete = true;
            for (const WatchedFile& file : operation.files) {
                Contents now = contentsOf(journey, file.path);
                const std::vector<Contents>& states = file.states;
                EXPECT_NE(std::find(states.begin(), states.end(), now), states.end())
                    << file.path << ": " << now.value_or("(none)");
                complete = complete && now == states.back();
            }
            EXPECT_EQ(temporaryFiles(journey), std::vector<std::string>{});
            operation.goesOn(journey, complete);
        }
    }
}
