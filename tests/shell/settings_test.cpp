#include <gtest/gtest.h>

#include "core/settings.h"
#include "platform/encoding.h"
#include "support/temp_folder.h"

TEST(SettingsTest, LanguageSelector) {
    TempFolder folder;
    EXPECT_EQ(readLanguageSelector(), kGbkToBig5) << "without language.ini";

    const struct {
        const char* lang;
        int selector;
    } cases[] = {
        {"1", kNoConversion},  {" 1", kNoConversion},    {"1x", kNoConversion},
        {"１", kNoConversion}, {"\"1\"", kNoConversion}, {"x1", kGbkToBig5},
        {"0", kGbkToBig5},     {"2", kGbkToBig5},        {"", kGbkToBig5},
    };
    for (const auto& c : cases) {
        folder.write("LauncherRes\\Data\\language.ini",
                     std::string("[Language]\r\nlang=") + c.lang);
        EXPECT_EQ(readLanguageSelector(), c.selector) << "lang=" << c.lang;
    }
}

TEST(SettingsTest, FirstStartThenFirstSave) {
    TempFolder folder;
    folder.write("LauncherRes\\Data\\language.ini", "[Language]\r\nlang=1\r\n");

    SavedChoices defaults = readSavedChoices();
    EXPECT_EQ(defaults.lastChoice, 0);
    EXPECT_FALSE(defaults.controlBot);
    EXPECT_EQ(defaults.botNum, "0");
    EXPECT_EQ(defaults.botDifficulty, 0);

    EXPECT_TRUE(saveChoices({-1, true, "12", 3}));
    EXPECT_EQ(folder.read("LauncherRes\\Data\\Save.ini"),
              "[Map]\r\ncontrolbot=1\r\nbotnum=12\r\nlastchoice=-1\r\nbotdifficult=3\r\n");

    SavedChoices saved = readSavedChoices();
    EXPECT_EQ(saved.lastChoice, -1);
    EXPECT_TRUE(saved.controlBot);
    EXPECT_EQ(saved.botNum, "12");
    EXPECT_EQ(saved.botDifficulty, 3);
}

TEST(SettingsTest, HandEditedValuesAreReadAsNumbers) {
    TempFolder folder;
    folder.write("LauncherRes\\Data\\Save.ini",
                 "[Map]\r\nlastchoice=57\r\ncontrolbot=2\r\nbotnum=12abc\r\nbotdifficult= 9\r\n");
    SavedChoices choices = readSavedChoices();
    EXPECT_EQ(choices.lastChoice, 57);
    EXPECT_FALSE(choices.controlBot);
    EXPECT_EQ(choices.botNum, "12");
    EXPECT_EQ(choices.botDifficulty, 9);

    folder.write("LauncherRes\\Data\\Save.ini", "[Map]\r\ncontrolbot=1\r\nbotnum=abc\r\n");
    choices = readSavedChoices();
    EXPECT_TRUE(choices.controlBot);
    EXPECT_EQ(choices.botNum, "0");
}

TEST(SettingsTest, SaveKeepsEveryOtherByte) {
    TempFolder folder;
    const std::string before =
        "; written by hand\n"
        "[Other]\n"
        "lastchoice=keep\n"
        "\n"
        "[MAP]\n"
        "botdifficult = 1\n"
        "extra=\"x\"\n"
        "lastchoice=2\n"
        "\n"
        "[Tail]\r\n"
        "z=1";
    folder.write("LauncherRes\\Data\\Save.ini", before);
    EXPECT_TRUE(saveChoices({4, false, "", 0}));
    EXPECT_EQ(folder.read("LauncherRes\\Data\\Save.ini"),
              "; written by hand\n"
              "[Other]\n"
              "lastchoice=keep\n"
              "\n"
              "[MAP]\n"
              "botdifficult=0\n"
              "extra=\"x\"\n"
              "lastchoice=4\n"
              "controlbot=0\r\n"
              "botnum=\r\n"
              "\n"
              "[Tail]\r\n"
              "z=1");
}
