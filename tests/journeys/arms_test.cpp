// The arms manager and its two choosers over metahook.txt, opened from the
// main window as the player does, through the notice.
#include <gtest/gtest.h>

#include "core/window_ids.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "support/journey.h"

namespace {

const Text kOn = "已启用自定义手臂,点击关闭";
const Text kOff = "已关闭自定义手臂,点击开启";

// A plug-in's own file: a comment, other sections, LF and CRLF lines, and a
// last line without its line end.
const std::string kPluginFile =
    "// MetaHook settings\r\n"
    "[render]\r\n"
    "fov=90\n"
    "\r\n"
    "[Tattoo]\r\n"
    "; chosen in the launcher\r\n"
    "male=male_2\r\n"
    "enable = 0\n"
    "female=female_1\r\n"
    "\r\n"
    "[sound]\r\n"
    "volume=100";

class ArmsJourney : public LauncherJourney {
  public:
    ArmsJourney() {
        for (const char* sex : {"male", "female"}) {
            for (int model = 1; model <= 3; ++model) {
                Text name = Text(sex) + "_" + toText(model);
                folder.write("LauncherRes\\tattoo\\" + name + ".jpg", preview(name));
            }
        }
    }

    static Bytes preview(const Text& model) { return "JPEG of " + model; }

    // Opens the arms manager from the main window and runs `script` in it.
    void inManager(OffscreenScript script) {
        system.onWindow(MainWindow::kId, [](OffscreenUser& user) {
            user.click(MainWindow::按钮1);
            user.closeBox();
        });
        system.onWindow(ArmsManager::kId, std::move(script));
        run();
    }

    Text file() const { return folder.read("metahook.txt"); }
};

Text picture(OffscreenUser& user, OffscreenControl control) {
    return std::get<Text>(user.property(control, kPicture));
}

TEST(Arms, OnlyOneMeansOnAndTheToggleFlipsBothWays) {
    for (const char* enable : {"2", " ", "abc"}) {
        ArmsJourney journey;
        journey.folder.write("metahook.txt", std::string("[tattoo]\r\nenable=") + enable + "\r\n");
        journey.inManager([&](OffscreenUser& user) {
            EXPECT_EQ(user.text(ArmsManager::按钮1), kOff) << enable;
            user.click(ArmsManager::按钮1);
            EXPECT_EQ(user.text(ArmsManager::按钮1), kOn);
            EXPECT_EQ(journey.file(), "[tattoo]\r\nenable=1\r\n") << enable;
            user.click(ArmsManager::按钮1);
            EXPECT_EQ(user.text(ArmsManager::按钮1), kOff);
            EXPECT_EQ(journey.file(), "[tattoo]\r\nenable=0\r\n") << enable;
            user.closeBox();
        });
    }
}

TEST(Arms, ToggleWorksInTraditionalScript) {
    ArmsJourney journey;
    journey.setLanguage("0");
    journey.folder.write("metahook.txt", "[tattoo]\r\nenable=1\r\n");
    journey.inManager([&](OffscreenUser& user) {
        EXPECT_EQ(user.text(ArmsManager::按钮1), convertEncoding(kOn, kGbkToBig5));
        EXPECT_EQ(user.text(ArmsManager::标签2), convertEncoding("女手臂自定义", kGbkToBig5));
        user.click(ArmsManager::按钮1);
        EXPECT_EQ(user.text(ArmsManager::按钮1), convertEncoding(kOff, kGbkToBig5));
        EXPECT_EQ(journey.file(), "[tattoo]\r\nenable=0\r\n");
        user.click(ArmsManager::按钮1);
        EXPECT_EQ(journey.file(), "[tattoo]\r\nenable=1\r\n");
        user.closeBox();
    });
    EXPECT_EQ(journey.system.messageBoxes.at(0).message,
              convertEncoding("由于CSO的手臂分short,long,org三种，目前MH只支持分析short，"
                              "将在以后版本加入全部解析功能",
                              kGbkToBig5));
}

TEST(Arms, ChoosingAModelWritesOnlyItsKeyAndEveryOtherByteStays) {
    ArmsJourney journey;
    journey.folder.write("metahook.txt", kPluginFile);
    journey.system.onWindow(ArmChooser::kFemaleId, [](OffscreenUser& user) {
        EXPECT_EQ(picture(user, ArmChooser::图片框1), ArmsJourney::preview("female_1"));
        EXPECT_EQ(picture(user, ArmChooser::图片框3), ArmsJourney::preview("female_3"));
        user.pressPicture(ArmChooser::图片框3);
        EXPECT_FALSE(user.windowOpen());
    });
    journey.system.onWindow(ArmChooser::kMaleId, [](OffscreenUser& user) {
        EXPECT_EQ(picture(user, ArmChooser::图片框2), ArmsJourney::preview("male_2"));
        user.pressPicture(ArmChooser::图片框1);
    });
    std::string afterFemale;
    journey.inManager([&](OffscreenUser& user) {
        EXPECT_EQ(user.text(ArmsManager::按钮1), kOff);
        EXPECT_EQ(user.text(ArmsManager::标签1), "男手臂自定义");
        EXPECT_EQ(picture(user, ArmsManager::图片框1), ArmsJourney::preview("male_2"));
        EXPECT_EQ(picture(user, ArmsManager::图片框2), ArmsJourney::preview("female_1"));
        user.click(ArmsManager::按钮3);
        EXPECT_TRUE(user.windowOpen());
        EXPECT_EQ(picture(user, ArmsManager::图片框2), ArmsJourney::preview("female_3"));
        afterFemale = journey.file();
        user.click(ArmsManager::按钮2);
        EXPECT_EQ(picture(user, ArmsManager::图片框1), ArmsJourney::preview("male_1"));
        user.click(ArmsManager::按钮1);
        user.closeBox();
    });

    std::string expected = kPluginFile;
    expected.replace(expected.find("female=female_1"), 15, "female=female_3");
    EXPECT_EQ(afterFemale, expected);
    expected.replace(expected.find("male=male_2"), 11, "male=male_1");
    expected.replace(expected.find("enable = 0"), 10, "enable=1");
    EXPECT_EQ(journey.file(), expected);
}

TEST(Arms, MissingFileShowsNothingUntilTheFirstChange) {
    ArmsJourney journey;
    journey.inManager([&](OffscreenUser& user) {
        EXPECT_EQ(user.text(ArmsManager::按钮1), kOff);
        EXPECT_EQ(picture(user, ArmsManager::图片框1), "");
        EXPECT_EQ(picture(user, ArmsManager::图片框2), "");
        EXPECT_FALSE(journey.folder.exists("metahook.txt"));
        user.click(ArmsManager::按钮1);
        EXPECT_EQ(journey.file(), "[tattoo]\r\nenable=1\r\n");
        user.closeBox();
    });

    // A choice creates the file just as well; Esc in a chooser changes nothing.
    ArmsJourney second;
    second.system.onWindow(ArmChooser::kMaleId, [](OffscreenUser& user) { user.pressEsc(); });
    second.system.onWindow(ArmChooser::kFemaleId,
                           [](OffscreenUser& user) { user.pressPicture(ArmChooser::图片框2); });
    second.inManager([&](OffscreenUser& user) {
        user.click(ArmsManager::按钮2);
        EXPECT_FALSE(second.folder.exists("metahook.txt"));
        user.click(ArmsManager::按钮3);
        EXPECT_EQ(picture(user, ArmsManager::图片框2), ArmsJourney::preview("female_2"));
        EXPECT_EQ(picture(user, ArmsManager::图片框1), "");
        user.closeBox();
    });
    EXPECT_EQ(second.file(), "[tattoo]\r\nfemale=female_2\r\n");
}

TEST(Arms, RefusedWriteKeepsTheCaptionTrue) {
    ArmsJourney journey;
    journey.folder.write("metahook.txt", "[tattoo]\r\nenable=1\r\nmale=male_2\r\n");
    Text metahook = journey.folder.path() + "\\metahook.txt";
    ASSERT_TRUE(setAttributes(metahook, kAttrReadOnly));
    journey.system.onWindow(ArmChooser::kMaleId,
                            [](OffscreenUser& user) { user.pressPicture(ArmChooser::图片框3); });
    journey.inManager([&](OffscreenUser& user) {
        user.click(ArmsManager::按钮1);
        EXPECT_EQ(user.text(ArmsManager::按钮1), kOn);
        user.click(ArmsManager::按钮2);
        EXPECT_EQ(picture(user, ArmsManager::图片框1), ArmsJourney::preview("male_2"));
        user.closeBox();
    });
    setAttributes(metahook, 0);
    EXPECT_EQ(journey.file(), "[tattoo]\r\nenable=1\r\nmale=male_2\r\n");
    // The notice before the manager, then the switch's and the choice's refusals.
    ASSERT_EQ(journey.system.messageBoxes.size(), 3u);
    for (size_t shown = 1; shown < 3; ++shown) {
        EXPECT_EQ(journey.system.messageBoxes[shown].message,
                  "文件无法写入：metahook.txt\n请检查该文件是否为只读。");
    }
}

TEST(Arms, ModelValuesThatNamePathsShowNoPreview) {
    ArmsJourney journey;
    journey.folder.write("LauncherRes\\private.jpg", "not an arms preview");
    journey.folder.write("metahook.txt", "[tattoo]\r\nmale=..\\private\r\nfemale=../private\r\n");
    journey.inManager([](OffscreenUser& user) {
        EXPECT_EQ(picture(user, ArmsManager::图片框1), "");
        EXPECT_EQ(picture(user, ArmsManager::图片框2), "");
        user.closeBox();
    });
}

}  // namespace
