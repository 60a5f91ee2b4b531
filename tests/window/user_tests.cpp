// The scripted user: the edit box's filter, refused input, the timer clock,
// picture buttons and their sounds.
#include "test_windows.h"

namespace {

TEST_F(WindowTest, IntegerEditTakesDigitsAndMinusAndProgramChangesRaiseTheEvent) {
    std::vector<Text> seen;
    // The bot count clamp: a write of the box's own text raises the event
    // again, which then finds the value in range.
    hooks().on["parentEditChanged"] = [&] {
        ControlRef box = eventSourceControl();
        seen.push_back(getText(box, kEditContent));
        if (toInteger(getText(box, kEditContent)) < 0)
            setProperty(box, kEditContent, Text("0"));
        if (toInteger(getText(box, kEditContent)) > 31)
            setProperty(box, kEditContent, Text("31"));
    };
    system.onWindow(kParent, [&](OffscreenUser& user) {
        EXPECT_TRUE(user.type("编辑框1", "4a.5"));
        EXPECT_EQ(user.text("编辑框1"), "31");
        EXPECT_EQ(seen, (std::vector<Text>{"4", "45", "31"}));
        EXPECT_TRUE(user.type("编辑框1", "\b\b-中3"));
        EXPECT_EQ(user.text("编辑框1"), "0");
        EXPECT_TRUE(user.paste("编辑框1", "1中x-2"));
        EXPECT_EQ(user.text("编辑框1"), "1-2");
        EXPECT_FALSE(user.type("按钮1", "1"));
    });
    loadWindow(kParent);
}

TEST_F(WindowTest, DisabledOrHiddenControlsRefuseTheUser) {
    system.onWindow(kParent, [](OffscreenUser& user) {
        EXPECT_FALSE(user.click("按钮2"));
        setProperty(kParent, Parent::按钮2, kPropDisabled, 0);
        EXPECT_TRUE(user.click("按钮2"));
        setProperty(kParent, Parent::选择框1, kPropVisible, 0);
        EXPECT_FALSE(user.tick("选择框1"));
        EXPECT_FALSE(getBool(user.ref("选择框1"), kCheckBoxTicked));
        setProperty(kParent, Parent::选择框1, kPropVisible, 1);
        EXPECT_TRUE(user.click("选择框1"));
        EXPECT_TRUE(getBool(user.ref("选择框1"), kCheckBoxTicked));
        // A disabled window takes nothing, not even its close box.
        setProperty(kParent, 0, kPropDisabled, 1);
        EXPECT_FALSE(user.click("按钮1"));
        EXPECT_FALSE(user.closeBox());
        EXPECT_FALSE(user.click("没有"));
    });
    loadWindow(kParent);
    EXPECT_EQ(hooks().log, (std::vector<std::string>{"parentCreated", "parentDisabledClick",
                                                     "parentCheck", "parentDestroyed"}));
}

TEST_F(WindowTest, TimerTicksOnTheVirtualClockUntilStopped) {
    std::vector<long long> ticks;
    hooks().on["parentCreated"] = [] { setProperty(kParent, Parent::时钟1, kTimerInterval, 3000); };
    hooks().on["parentTick"] = [&] {
        EXPECT_EQ(eventSourceControl(), (ControlRef{kParent, Parent::时钟1}));
        ticks.push_back(system.clockMs);
        if (ticks.size() == 2)
            setProperty(kParent, Parent::时钟1, kTimerInterval, 0);
    };
    system.onWindow(kParent, [&](OffscreenUser& user) {
        user.advanceClock(2999);
        EXPECT_TRUE(ticks.empty());
        user.advanceClock(1);
        EXPECT_EQ(ticks, std::vector<long long>{3000});
        // A new interval counts from now; the parent's timer also ticks while
        // a modal window lies over it.
        hooks().on["parentClick"] = [] { loadWindow(kChild); };
        system.onWindow(kChild, [](OffscreenUser& child) { child.advanceClock(10000); });
        user.click("按钮1");
        EXPECT_EQ(ticks, (std::vector<long long>{3000, 6000}));
        EXPECT_EQ(system.clockMs, 13000);
        EXPECT_TRUE(system.timersDue.empty());
        user.advanceClock(60000);
        EXPECT_EQ(ticks.size(), 2u);
    });
    loadWindow(kParent);
}

TEST_F(WindowTest, PictureButtonHoverAndClickPlayTheirSounds) {
    system.onWindow(kParent, [](OffscreenUser& user) {
        EXPECT_TRUE(user.hover("超级按钮1"));
        EXPECT_TRUE(user.hover("超级按钮1"));  // still inside: no second sound
        EXPECT_TRUE(user.isHot("超级按钮1"));
        EXPECT_TRUE(user.hover("标签1"));
        EXPECT_FALSE(user.isHot("超级按钮1"));
        EXPECT_TRUE(user.click("超级按钮1"));
        EXPECT_TRUE(user.pressPicture("图片框1"));
        EXPECT_FALSE(user.pressPicture("按钮1"));
        setProperty(kParent, Parent::超级按钮1, kPropDisabled, 1);
        EXPECT_FALSE(user.hover("超级按钮1"));
        EXPECT_FALSE(user.click("超级按钮1"));
    });
    hooks().on["parentLabelMoved"] = [] {
        EXPECT_EQ(eventSourceControl(), (ControlRef{kParent, Parent::标签1}));
    };
    loadWindow(kParent);
    std::vector<std::string> sounds;
    for (const PlaybackCall& call : system.playback)
        sounds.push_back(call.files.at(0));
    EXPECT_EQ(sounds, (std::vector<std::string>{"hover.wav", "click.wav"}));
    EXPECT_EQ(hooks().log,
              (std::vector<std::string>{"parentCreated", "parentLabelMoved", "parentPictureButton",
                                        "parentPicturePressed", "parentDestroyed"}));
}

}  // namespace
