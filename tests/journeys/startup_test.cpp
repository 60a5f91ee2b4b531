// Start-up as the player meets it: the main window filled from the settings
// files, the skin library written out and attached, the music playing, and
// nothing written when the window is simply closed.
#include <gtest/gtest.h>

#include "core/window_ids.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "support/journey.h"

namespace {

struct MainWindowSeen {
    std::vector<Text> difficulties;
    std::vector<int> difficultyNumbers;
    Text armsCaption;
    int mapChoice = -2;
    int difficultyChoice = -2;
    bool botControl = false;
    Text botCount;
};

MainWindowSeen lookAtMainWindow(LauncherJourney& journey) {
    MainWindowSeen seen;
    journey.system.onWindow(MainWindow::kId, [&seen](OffscreenUser& user) {
        ControlRef difficulty = user.ref(MainWindow::组合框2);
        seen.difficulties = user.items(MainWindow::组合框2);
        for (int i = 0; i < comboItemCount(difficulty); ++i) {
            seen.difficultyNumbers.push_back(comboItemNumber(difficulty, i));
        }
        seen.armsCaption = user.text(MainWindow::按钮1);
        seen.mapChoice = std::get<int>(user.property(MainWindow::组合框1, kComboSelected));
        seen.difficultyChoice = std::get<int>(user.property(MainWindow::组合框2, kComboSelected));
        seen.botControl = std::get<int>(user.property(MainWindow::选择框1, kCheckBoxTicked)) != 0;
        seen.botCount = user.text(MainWindow::编辑框3);
        user.closeBox();
    });
    journey.run();
    return seen;
}

TEST(Startup, FirstStartShowsDefaultsAndWritesNothingOnClose) {
    LauncherJourney journey;
    MainWindowSeen seen = lookAtMainWindow(journey);

    EXPECT_EQ(seen.difficulties, (std::vector<Text>{"简单", "中等", "困难", "精英"}));
    EXPECT_EQ(seen.difficultyNumbers, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(seen.armsCaption, "手臂管理(NEW)");
    EXPECT_EQ(seen.difficultyChoice, 0);
    EXPECT_FALSE(seen.botControl);
    EXPECT_EQ(seen.botCount, "0");
    EXPECT_FALSE(journey.folder.exists("LauncherRes\\Data\\Save.ini"));

    // The music loops from the launcher's folder.
    ASSERT_FALSE(journey.system.playback.empty());
    EXPECT_EQ(journey.system.playback.front().files, (std::vector<std::string>{"mywpnbg.mp3"}));
    EXPECT_EQ(journey.system.playback.front().repeatCount, -1);
}

TEST(Startup, SkinLibraryWrittenHiddenOnceThenAttached) {
    LauncherJourney journey;
    lookAtMainWindow(journey);
    EXPECT_EQ(journey.folder.read("SkinH_EL.dll"), kJourneySkinLibrary);
    EXPECT_EQ(getAttributes(journey.folder.path() + "\\SkinH_EL.dll"), kAttrHidden);
    ASSERT_EQ(journey.system.skinCalls.size(), 2u);
    EXPECT_EQ(journey.system.skinCalls[0].exportName, "SkinH_AttachRes");
    EXPECT_EQ(journey.system.skinCalls[0].skin, kJourneySkin);
    EXPECT_EQ(journey.system.skinCalls[0].password, "");
    EXPECT_EQ(journey.system.skinCalls[1].exportName, "SkinH_SetAero");
    EXPECT_EQ(journey.system.skinCalls[1].aero, 1);

    // A library that is already there, whatever it holds, is left alone.
    LauncherJourney second;
    second.folder.write("SkinH_EL.dll", "someone else's library");
    lookAtMainWindow(second);
    EXPECT_EQ(second.folder.read("SkinH_EL.dll"), "someone else's library");
}

TEST(Startup, SavedChoicesAreRestoredWithinTheLists) {
    LauncherJourney journey;
    journey.folder.write(
        "LauncherRes\\Data\\Save.ini",
        "[Map]\r\nlastchoice=57\r\ncontrolbot=1\r\nbotnum=12abc\r\nbotdifficult=9\r\n");
    MainWindowSeen seen = lookAtMainWindow(journey);
    EXPECT_EQ(seen.mapChoice, 0);  // past the end of a one-map list: its last map
    EXPECT_EQ(seen.difficultyChoice, 3);
    EXPECT_TRUE(seen.botControl);
    EXPECT_EQ(seen.botCount, "12");
}

TEST(Startup, BuiltTextsAreShownInTraditionalScriptUnlessLangIsOne) {
    for (const char* lang : {"0", "2", "x1"}) {
        LauncherJourney journey;
        journey.setLanguage(lang);
        MainWindowSeen seen = lookAtMainWindow(journey);
        EXPECT_EQ(seen.armsCaption, convertEncoding("手臂管理(NEW)", kGbkToBig5)) << lang;
        EXPECT_EQ(seen.difficulties[3], convertEncoding("精英", kGbkToBig5)) << lang;
    }
    LauncherJourney blank;
    blank.setLanguage(" 1");
    EXPECT_EQ(lookAtMainWindow(blank).armsCaption, "手臂管理(NEW)");
}

TEST(StartupDeathTest, MissingSkinExportEndsWithTheFatalMessage) {
    EXPECT_EXIT(
        {
            LauncherJourney journey;
            journey.system.skinLibraryBroken = true;
            journey.run();
        },
        ::testing::ExitedWithCode(255), "SkinH_AttachRes");
}

}  // namespace
