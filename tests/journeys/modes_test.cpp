// Game modes as the player meets them: the mode found at start, the chooser
// that renames the plugin lists, the caption of the mode button and the tip.
#include <gtest/gtest.h>

#include <map>

#include "core/globals.h"
#include "core/window_ids.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "support/journey.h"

namespace {

const char* const kTags[] = {"none", "td", "zb1", "ze", "gd"};
const char* const kCaptions[] = {"当前模式：竞技模式", "当前模式：团队决战模式",
                                 "当前模式：生化模式I", "当前模式：生化大逃杀",
                                 "当前模式：枪王决战模式"};

std::string configs(const std::string& name) {
    return "cstrike\\addons\\amxmodx\\configs\\" + name;
}

// Writes the plugin lists named "<state>-<tag>.ini", each holding its own name.
void writeLists(LauncherJourney& journey, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        journey.folder.write(configs(name), name);
    }
}

// Every plugin list in the folder: file name -> content.
std::map<std::string, std::string> listsIn(LauncherJourney& journey) {
    std::map<std::string, std::string> lists;
    for (const char* tag : kTags) {
        for (const char* state : {"plugins-", "disabled-"}) {
            std::string name = std::string(state) + tag + ".ini";
            if (journey.folder.exists(configs(name)))
                lists[name] = journey.folder.read(configs(name));
        }
    }
    return lists;
}

// The state of a normal installation: mode `active` on, the other four off.
void installWithActiveMode(LauncherJourney& journey, int active) {
    for (int mode = 1; mode <= 5; ++mode) {
        std::string state = mode == active ? "plugins-" : "disabled-";
        writeLists(journey, {(state + kTags[mode - 1] + ".ini").c_str()});
    }
}

struct StartSeen {
    int mode = -1;
    Text caption;
};

StartSeen startAndClose(LauncherJourney& journey) {
    StartSeen seen;
    journey.system.onWindow(MainWindow::kId, [&](OffscreenUser& user) {
        seen.mode = g.currentMode;
        seen.caption = user.text(MainWindow::按钮13);
        user.hover(MainWindow::标签1);
        user.closeBox();
    });
    journey.run();
    return seen;
}

TEST(Modes, DetectionAtStart) {
    {
        // A normal installation: its mode is shown and every list keeps its name.
        LauncherJourney journey;
        installWithActiveMode(journey, 3);
        auto before = listsIn(journey);
        StartSeen seen = startAndClose(journey);
        EXPECT_EQ(seen.mode, 3);
        EXPECT_EQ(seen.caption, "当前模式：生化模式I");
        EXPECT_EQ(listsIn(journey), before);
    }
    {
        // Two active lists: mode 1's renames turn the second off before it is tested.
        LauncherJourney journey;
        writeLists(journey, {"plugins-none.ini", "plugins-td.ini"});
        StartSeen seen = startAndClose(journey);
        EXPECT_EQ(seen.mode, 1);
        EXPECT_EQ(listsIn(journey),
                  (std::map<std::string, std::string>{{"plugins-none.ini", "plugins-none.ini"},
                                                      {"disabled-td.ini", "plugins-td.ini"}}));
    }
    {
        // The same, but td's inactive name is taken: its list stays active, so mode 2
        // is found too and wins, turning mode 1 off again.
        LauncherJourney journey;
        writeLists(journey, {"plugins-none.ini", "plugins-td.ini", "disabled-td.ini"});
        StartSeen seen = startAndClose(journey);
        EXPECT_EQ(seen.mode, 2);
        EXPECT_EQ(listsIn(journey),
                  (std::map<std::string, std::string>{{"disabled-none.ini", "plugins-none.ini"},
                                                      {"plugins-td.ini", "plugins-td.ini"},
                                                      {"disabled-td.ini", "disabled-td.ini"}}));
    }
    {
        // No active list: no mode, the design caption, and no tip to show.
        LauncherJourney journey;
        writeLists(journey, {"disabled-none.ini", "disabled-gd.ini"});
        journey.folder.write("LauncherRes\\Data\\ModeTip\\Tip_0.txt", "never shown");
        StartSeen seen = startAndClose(journey);
        EXPECT_EQ(seen.mode, 0);
        EXPECT_EQ(seen.caption, "模式");
        EXPECT_TRUE(journey.system.balloonTips.empty());
    }
    {
        // The caption is a built text: traditional script unless lang is 1.
        LauncherJourney journey;
        journey.setLanguage("0");
        installWithActiveMode(journey, 5);
        EXPECT_EQ(startAndClose(journey).caption,
                  convertEncoding("当前模式：枪王决战模式", kGbkToBig5));
    }
}

TEST(Modes, ChoosingEachModeRenamesTheListsAndRestartsTheMusic) {
    for (int chosen = 1; chosen <= 5; ++chosen) {
        SCOPED_TRACE(chosen);
        LauncherJourney journey;
        installWithActiveMode(journey, 3);
        journey.folder.write("LauncherRes\\picture\\mod_bg_none.jpg", "none picture");
        journey.folder.write("LauncherRes\\picture\\mod_bg_zb1.jpg", "zb1 picture");
        const ControlId buttons[] = {ModeChooser::超级按钮1, ModeChooser::超级按钮2,
                                     ModeChooser::超级按钮3, ModeChooser::超级按钮4,
                                     ModeChooser::超级按钮5};
        bool musicWhileOpen = true;
        Text title, pictureNone, pictureTd, pictureZb1;
        journey.system.onWindow(ModeChooser::kId, [&](OffscreenUser& user) {
            musicWhileOpen = journey.system.music.playing;
            title = user.text(ModeChooser::标签1);
            pictureNone = std::get<Text>(user.property(buttons[0], kPictureButtonNormal));
            pictureTd = std::get<Text>(user.property(buttons[1], kPictureButtonNormal));
            pictureZb1 = std::get<Text>(user.property(buttons[2], kPictureButtonNormal));
            EXPECT_TRUE(user.click(buttons[chosen - 1]));
            EXPECT_FALSE(user.windowOpen());
        });
        Text caption;
        bool musicAfter = false;
        journey.system.onWindow(MainWindow::kId, [&](OffscreenUser& user) {
            EXPECT_TRUE(user.click(MainWindow::按钮13));
            caption = user.text(MainWindow::按钮13);
            musicAfter = journey.system.music.playing;
            user.closeBox();
        });
        journey.run();

        EXPECT_FALSE(musicWhileOpen);
        EXPECT_TRUE(musicAfter);
        EXPECT_EQ(journey.system.music.files, (std::vector<std::string>{"mywpnbg.mp3"}));
        EXPECT_EQ(journey.system.music.repeatCount, -1);
        EXPECT_EQ(title, "模式选择");
        EXPECT_EQ(pictureNone, "none picture");
        EXPECT_EQ(pictureTd, "");  // no file: an empty picture
        EXPECT_EQ(pictureZb1, "zb1 picture");
        EXPECT_EQ(caption, kCaptions[chosen - 1]);

        // Exactly the chosen mode's list is active; every list kept its content.
        std::map<std::string, std::string> expected;
        for (int mode = 1; mode <= 5; ++mode) {
            std::string state = mode == chosen ? "plugins-" : "disabled-";
            std::string written =
                (mode == 3 ? "plugins-" : "disabled-") + std::string(kTags[mode - 1]) + ".ini";
            expected[state + kTags[mode - 1] + ".ini"] = written;
        }
        EXPECT_EQ(listsIn(journey), expected);
    }
}

TEST(Modes, ClosingTheChooserKeepsTheModeAndRestartsTheMusic) {
    LauncherJourney journey;
    installWithActiveMode(journey, 2);
    auto before = listsIn(journey);
    journey.system.onWindow(ModeChooser::kId, [](OffscreenUser& user) { user.closeBox(); });
    journey.system.onWindow(ModeChooser::kId, [](OffscreenUser& user) { user.pressEsc(); });
    int mode = 0;
    Text caption;
    journey.system.onWindow(MainWindow::kId, [&](OffscreenUser& user) {
        user.click(MainWindow::按钮13);
        user.click(MainWindow::按钮13);
        mode = g.currentMode;
        caption = user.text(MainWindow::按钮13);
        user.closeBox();
    });
    journey.run();
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(caption, "当前模式：团队决战模式");
    EXPECT_EQ(listsIn(journey), before);

    // Start, then per opening: stop, start again.
    std::vector<PlaybackCall::Kind> kinds;
    for (const PlaybackCall& call : journey.system.playback) {
        if (call.kind != PlaybackCall::Wave)
            kinds.push_back(call.kind);
    }
    EXPECT_EQ(kinds, (std::vector<PlaybackCall::Kind>{PlaybackCall::PlayMp3, PlaybackCall::Stop,
                                                      PlaybackCall::PlayMp3, PlaybackCall::Stop,
                                                      PlaybackCall::PlayMp3}));
}

TEST(Modes, TipFollowsTheCurrentMode) {
    LauncherJourney journey;
    installWithActiveMode(journey, 2);
    journey.folder.write("LauncherRes\\Data\\ModeTip\\Tip_2.txt",
                         std::string("团队决战\0hidden part", 20));
    journey.folder.write("LauncherRes\\Data\\ModeTip\\Tip_4.txt", "生化大逃杀");
    journey.system.onWindow(ModeChooser::kId,
                            [](OffscreenUser& user) { user.click(ModeChooser::超级按钮4); });
    std::vector<RecordedBalloonTip> tips;
    journey.system.onWindow(MainWindow::kId, [&](OffscreenUser& user) {
        std::intptr_t label = controlHandle(user.ref(MainWindow::标签1));
        auto tipNow = [&] {
            auto found = journey.system.balloonTips.find(label);
            return found == journey.system.balloonTips.end() ? RecordedBalloonTip{} : found->second;
        };
        user.hover(MainWindow::标签1);
        tips.push_back(tipNow());
        user.click(MainWindow::按钮13);
        user.hover(MainWindow::标签1);
        tips.push_back(tipNow());
        user.closeBox();
    });
    journey.run();
    ASSERT_EQ(tips.size(), 2u);
    EXPECT_EQ(tips[0].text, "团队决战");  // up to the zero byte, as stored
    EXPECT_TRUE(tips[0].balloon);
    EXPECT_FALSE(tips[0].centred);
    EXPECT_EQ(tips[1].text, "生化大逃杀");
}

}  // namespace
