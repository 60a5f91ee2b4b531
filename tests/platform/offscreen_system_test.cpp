// The offscreen processes, registry and sounds, as the tests rely on them.
#ifndef _WIN32

#include "platform/audio.h"
#include "platform/offscreen/system.h"
#include "platform/process.h"
#include "platform/registry.h"

#include <gtest/gtest.h>

namespace {

TEST(OffscreenProcess, ShowModesAreClampedAndFailuresReported) {
    OffscreenSystem system;
    EXPECT_TRUE(runCommandLine("cstrike.exe +map de_dust2.bsp", false, 9));
    EXPECT_TRUE(runCommandLine("cmd /c copy a b", true, 0));
    EXPECT_TRUE(runCommandLine("x"));
    system.failCommands = true;
    EXPECT_FALSE(runCommandLine("y", false, 3));
    ASSERT_EQ(system.commands.size(), 4u);
    EXPECT_EQ(system.commands[0].showMode, 6);
    EXPECT_EQ(system.commands[0].commandLine, "cstrike.exe +map de_dust2.bsp");
    EXPECT_EQ(system.commands[1].showMode, 1);
    EXPECT_TRUE(system.commands[1].waitForEnd);
    EXPECT_EQ(system.commands[2].showMode, kShowNormal);
    EXPECT_FALSE(system.commands[3].started);
}

TEST(OffscreenRegistry, OnlyNumbersAreRead) {
    OffscreenSystem system;
    const Text width = "Software\\Valve\\Half-Life\\Settings\\ScreenWidth";
    system.setRegistryNumber(kRootCurrentUser, width, 1024);
    system.setRegistryText(kRootCurrentUser, "Software\\Valve\\Half-Life\\Settings\\ScreenHeight",
                           "768");
    EXPECT_EQ(readRegistryNumber(kRootCurrentUser, width), 1024);
    EXPECT_EQ(readRegistryNumber(0, "SOFTWARE\\valve\\Half-Life\\Settings\\screenwidth"), 1024);
    EXPECT_EQ(readRegistryNumber(kRootLocalMachine, width, -1), -1);
    EXPECT_EQ(readRegistryNumber(3, "Software\\Valve\\Half-Life\\Settings\\ScreenHeight", 5), 5);
    EXPECT_EQ(readRegistryNumber(3, "Software\\Valve\\Half-Life\\Settings", 6), 6);
    // Trail bytes of GBK characters are not letters to fold: these are two
    // different names.
    system.setRegistryNumber(3, "Key\\\x81Z", 1);
    system.setRegistryNumber(3, "Key\\\x81z", 2);
    EXPECT_EQ(readRegistryNumber(3, "Key\\\x81Z"), 1);
    EXPECT_EQ(readRegistryNumber(3, "Key\\\x81z"), 2);
    system.setRegistryNumber(kRootUsers, "TopLevel", 9);
    EXPECT_EQ(readRegistryNumber(kRootUsers, "toplevel"), 9);
}

TEST(OffscreenAudio, RepeatCountsAndReplacement) {
    OffscreenSystem system;
    playMp3(1, {"mywpnbg.mp3"});
    EXPECT_EQ(system.music.repeatCount, 1);
    playMp3(-1, {"", "a.mp3"});
    EXPECT_TRUE(system.music.playing);
    EXPECT_EQ(system.music.repeatCount, -1);
    EXPECT_EQ(system.music.files, std::vector<std::string>{"a.mp3"});
    playMp3(-5, {"b.mp3"});
    EXPECT_EQ(system.music.repeatCount, -1);
    EXPECT_EQ(system.music.files, std::vector<std::string>{"b.mp3"});
    playMp3(0, {"c.mp3"});
    EXPECT_FALSE(system.music.playing);
    playMp3(2, {""});
    EXPECT_FALSE(system.music.playing);
    TextList list;
    list.append("d.mp3");
    playMp3(3, list);
    EXPECT_EQ(system.music.files, std::vector<std::string>{"d.mp3"});
    stopPlayback();
    EXPECT_FALSE(system.music.playing);
    ASSERT_EQ(system.playback.size(), 7u);
    EXPECT_EQ(system.playback[3].repeatCount, 0);
    EXPECT_EQ(system.playback[6].kind, PlaybackCall::Stop);
}

}  // namespace

#endif  // _WIN32
