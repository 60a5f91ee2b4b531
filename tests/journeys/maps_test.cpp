// The map list: which lines of Maps.ini become entries, the preview of the
// selected map, and a list file that is missing or awkward.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "core/globals.h"
#include "core/window_ids.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "support/journey.h"

namespace {

struct MapListSeen {
    std::vector<Text> items;
    std::vector<int> numbers;
    std::vector<Text> fileNames;
    int selected = -2;
    Text preview;
};

// Starts the launcher, optionally picks a map, looks at the list and closes.
MapListSeen lookAtMapList(LauncherJourney& journey, int choose = -1) {
    MapListSeen seen;
    journey.system.onWindow(MainWindow::kId, [&](OffscreenUser& user) {
        if (choose >= 0) {
            EXPECT_TRUE(user.chooseItem(MainWindow::组合框1, choose));
        }
        ControlRef list = user.ref(MainWindow::组合框1);
        seen.items = user.items(MainWindow::组合框1);
        for (int i = 0; i < comboItemCount(list); ++i) {
            seen.numbers.push_back(comboItemNumber(list, i));
            seen.fileNames.push_back(g.mapFileNames[i + 1]);
        }
        seen.selected = std::get<int>(user.property(MainWindow::组合框1, kComboSelected));
        seen.preview = std::get<Text>(user.property(MainWindow::图片框2, kPicture));
        user.closeBox();
    });
    // A list the launcher refused would end the process here with exit code
    // 0, which the tests' main reports as a failure.
    journey.run();
    return seen;
}

TEST(Maps, LinesBecomeEntriesOfInstalledMaps) {
    LauncherJourney journey;
    journey.setMaps(
        "[Name]\r\n"
        "  de_dust2 = Dust II  \r\n"  // blanks anywhere go
        "dust2=\r\n"                  // one piece only
        "=Nameless\r\n"               // no file called .bsp
        "a=b=c\r\n"                   // pieces after the second are ignored
        "\r\n"
        "cs_office=办　公\r\n"  // a full-width blank goes too
        " [Name]\r\n"           // not the header, and no '='
        "[Maps]\r\n"
        "missing=Not installed\r\n"
        "zm_city=Zombie City\r\n"  // installed in cstrike_schinese only
        "a=Again\n",               // a line feed alone ends a line; duplicates stay
        {"de_dust2", "a", "cs_office"});
    journey.folder.write("cstrike_schinese\\maps\\zm_city.bsp", "BSP");
    MapListSeen seen = lookAtMapList(journey);
    EXPECT_EQ(seen.items, (std::vector<Text>{"DustII", "b", "办公", "ZombieCity", "Again"}));
    EXPECT_EQ(seen.fileNames, (std::vector<Text>{"de_dust2", "a", "cs_office", "zm_city", "a"}));
    EXPECT_EQ(seen.numbers, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(seen.selected, 0);
}

// A name is a level file of a map folder as Windows finds one: without
// regard to ASCII case, never through a wildcard or into another folder.
TEST(Maps, OnlyNamesOfLevelFilesInTheMapFoldersAreInstalledMaps) {
    LauncherJourney journey;
    // A broken double-byte character ("\xA1 ") matches no level file either.
    journey.setMaps(
        "*=Any map\r\nde_*=Some dust\r\nde_dust?=One dust\r\nde_dust\xA1 =Broken\r\n"
        "de_dust2=Dust\r\nDE_DUST2=Loud "
        "dust\r\nsub\\de_nuke=Nested\r\n..\\maps\\de_dust2=Around\r\n",
        {"de_dust2", "sub\\de_nuke"});
    MapListSeen seen = lookAtMapList(journey);
    EXPECT_EQ(seen.fileNames, (std::vector<Text>{"de_dust2", "DE_DUST2"}));
}

TEST(Maps, PreviewFallsBackToKengdieThenToNothing) {
    LauncherJourney journey;
    journey.setMaps("dust2=Dust\r\ninferno=Inferno\r\n", {"dust2", "inferno"});
    journey.folder.write("LauncherRes\\Data\\Maps\\dust2_cso.bmp", "dust2 preview");
    journey.folder.write("LauncherRes\\Data\\Maps\\kengdie.bmp", "no preview");
    EXPECT_EQ(lookAtMapList(journey).preview, "dust2 preview");
    EXPECT_EQ(lookAtMapList(journey, 1).preview, "no preview");

    LauncherJourney bare;
    bare.setMaps("dust2=Dust\r\ninferno=Inferno\r\n", {"dust2", "inferno"});
    EXPECT_EQ(lookAtMapList(bare, 1).preview, "");
}

TEST(Maps, AwkwardListFiles) {
    {
        // A write-protected list is read all the same.
        LauncherJourney journey;
        journey.setMaps("dust2=Dust\r\n", {"dust2"});
        ASSERT_TRUE(
            setAttributes(journey.folder.path() + "\\LauncherRes\\Data\\Maps.ini", kAttrReadOnly));
        EXPECT_EQ(lookAtMapList(journey).items, (std::vector<Text>{"Dust"}));
        EXPECT_TRUE(journey.system.messageBoxes.empty());
    }
    for (char stop : {'\0', '\x1a'}) {
        // The list ends at a zero or Ctrl-Z byte instead of reading there for ever.
        LauncherJourney journey;
        journey.setMaps(std::string("dust2=Dust\r\nnuke=Nu") + stop + "ke\r\ninferno=Inferno\r\n",
                        {"dust2", "nuke", "inferno"});
        MapListSeen seen = lookAtMapList(journey);
        EXPECT_EQ(seen.items, (std::vector<Text>{"Dust", "Nu"})) << int(stop);
    }
    {
        // Past the 200 maps the table was made for, every map is kept.
        LauncherJourney journey;
        std::string list;
        for (int n = 1; n <= 250; ++n) {
            list += "m" + std::to_string(n) + "=Map " + std::to_string(n) + "\r\n";
            journey.folder.write("cstrike\\maps\\m" + std::to_string(n) + ".bsp", "BSP");
        }
        journey.setMaps(list, {});
        MapListSeen seen = lookAtMapList(journey, 249);
        ASSERT_EQ(seen.items.size(), 250u);
        EXPECT_EQ(seen.items[249], "Map250");
        EXPECT_EQ(seen.fileNames[249], "m250");
        EXPECT_EQ(seen.numbers[249], 250);
    }
}

TEST(Maps, ListWithoutInstalledMapsHasNoSelectionAndNoPreview) {
    LauncherJourney journey;
    journey.setMaps("[Name]\r\nghost=Ghost\r\n", {});
    journey.folder.write("LauncherRes\\Data\\Maps\\kengdie.bmp", "no preview");
    journey.folder.write("LauncherRes\\Data\\Save.ini", "[Map]\r\nlastchoice=-1\r\n");
    MapListSeen seen = lookAtMapList(journey);
    EXPECT_TRUE(seen.items.empty());
    EXPECT_EQ(seen.selected, -1);
    EXPECT_EQ(seen.preview, "");
}

TEST(Maps, SavedChoiceBelowTheListSelectsTheFirstMap) {
    for (const char* saved : {"-1", "-7"}) {
        LauncherJourney journey;
        journey.setMaps("dust2=Dust\r\ninferno=Inferno\r\n", {"dust2", "inferno"});
        journey.folder.write("LauncherRes\\Data\\Maps\\dust2_cso.bmp", "dust2 preview");
        journey.folder.write("LauncherRes\\Data\\Save.ini",
                             std::string("[Map]\r\nlastchoice=") + saved + "\r\n");
        MapListSeen seen = lookAtMapList(journey);
        EXPECT_EQ(seen.selected, 0) << saved;
        EXPECT_EQ(seen.preview, "dust2 preview") << saved;
    }
}

// The message is checked in the ending process itself, where it was recorded.
LauncherJourney* gEnding = nullptr;
bool gMainWindowShown = false;

void reportMessageAtExit() {
    const auto& boxes = gEnding->system.messageBoxes;
    bool expected = boxes.size() == 1 && boxes[0].message == "地图配置文件不存在,程序结束" &&
                    boxes[0].flags == kMbOk && boxes[0].caption == "信息：" && !gMainWindowShown;
    std::fprintf(stderr, expected ? "map list message shown\n" : "unexpected messages\n");
}

TEST(MapsDeathTest, MissingListEndsTheProgramWithItsMessage) {
    EXPECT_EXIT(
        {
            LauncherJourney journey;
            journey.folder.write("LauncherRes\\Data\\Maps.ini", "");
            deleteFile(journey.folder.path() + "\\LauncherRes\\Data\\Maps.ini");
            gEnding = &journey;
            std::atexit(reportMessageAtExit);
            journey.system.onWindow(MainWindow::kId,
                                    [](OffscreenUser&) { gMainWindowShown = true; });
            journey.run();
        },
        ::testing::ExitedWithCode(0), "map list message shown");
}

}  // namespace
