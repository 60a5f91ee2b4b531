// What the user does: the edit box's filter, refused input, timers, picture
// buttons and their sounds.
#include "test_windows.h"

namespace {

const ControlRef kEdit{kParent, Parent::编辑框1};
const ControlRef kCheck{kParent, Parent::选择框1};

TEST_F(WindowTest, IntegerEditTakesDigitsAndMinusAndProgramChangesRaiseTheEvent) {
    std::vector<Text> seen;
    // The bot count clamp: a write of the box's own text raises the event
    // again, which then finds the value in range, and only once.
    hooks().on["parentEditChanged"] = [&] {
        ControlRef box = eventSourceControl();
        seen.push_back(getText(box, kEditContent));
        if (toInteger(getText(box, kEditContent)) < 0)
            setProperty(box, kEditContent, Text("0"));
        if (toInteger(getText(box, kEditContent)) > 31)
            setProperty(box, kEditContent, Text("31"));
    };
    driver.onWindow(kParent, [&] {
        EXPECT_TRUE(driver.type(kEdit, "4a.5"));
        EXPECT_EQ(getText(kEdit, kEditContent), "31");
        EXPECT_EQ(seen, (std::vector<Text>{"4", "45", "31"}));
        EXPECT_TRUE(driver.type(kEdit, "\b\b-中3"));
        EXPECT_EQ(getText(kEdit, kEditContent), "0");
        EXPECT_TRUE(driver.paste(kEdit, "1中x-2"));
        EXPECT_EQ(getText(kEdit, kEditContent), "1-2");
        EXPECT_FALSE(driver.type({kParent, Parent::按钮1}, "1"));
        driver.closeBox(kParent);
    });
    loadWindow(kParent);
}

TEST_F(WindowTest, DisabledOrHiddenControlsRefuseTheUser) {
    driver.onWindow(kParent, [&] {
        EXPECT_FALSE(driver.click({kParent, Parent::按钮2}));
        setProperty(kParent, Parent::按钮2, kPropDisabled, 0);
        EXPECT_TRUE(driver.click({kParent, Parent::按钮2}));
        setProperty(kCheck, kPropVisible, 0);
        EXPECT_FALSE(driver.click(kCheck));
        EXPECT_FALSE(getBool(kCheck, kCheckBoxTicked));
        setProperty(kCheck, kPropVisible, 1);
        EXPECT_TRUE(driver.click(kCheck));
        EXPECT_TRUE(getBool(kCheck, kCheckBoxTicked));
        // A disabled window takes nothing, not even its close box.
        setProperty(kParent, 0, kPropDisabled, 1);
        EXPECT_FALSE(driver.click({kParent, Parent::按钮1}));
        EXPECT_FALSE(driver.closeBox(kParent));
        EXPECT_FALSE(driver.click({kParent, 99}));
    });
    loadWindow(kParent);
    EXPECT_EQ(hooks().log, (std::vector<std::string>{"parentCreated", "parentDisabledClick",
                                                     "parentCheck", "parentDestroyed"}));
}

// Ticks come at the interval until the timer is stopped, also while a modal
// window lies over the timer's own. On a virtual clock the times are exact.
TEST_F(WindowTest, TimerTicksUntilStoppedAlsoUnderAModalWindow) {
    constexpr int kInterval = 60;
    std::vector<long long> ticks;
    long long started = 0;
    hooks().on["parentCreated"] = [&] {
        setProperty(kParent, Parent::时钟1, kTimerInterval, kInterval);
        started = driver.clockMs();
    };
    hooks().on["parentTick"] = [&] {
        EXPECT_EQ(eventSourceControl(), (ControlRef{kParent, Parent::时钟1}));
        ticks.push_back(driver.clockMs() - started);
        if (ticks.size() == 2)
            setProperty(kParent, Parent::时钟1, kTimerInterval, 0);
    };
    hooks().on["parentClick"] = [] { loadWindow(kChild); };
    driver.onWindow(kChild, [&] {
        driver.advanceClock(kInterval * 5);
        driver.closeBox(kChild);
    });
    driver.onWindow(kParent, [&] {
        if (driver.clockIsVirtual()) {
            driver.advanceClock(kInterval - 1);
            EXPECT_TRUE(ticks.empty());
        }
        driver.click({kParent, Parent::按钮1});
        EXPECT_EQ(ticks.size(), 2u);
        driver.advanceClock(kInterval * 5);
        EXPECT_EQ(ticks.size(), 2u);
        driver.closeBox(kParent);
    });
    loadWindow(kParent);
    if (driver.clockIsVirtual()) {
        EXPECT_EQ(ticks, (std::vector<long long>{kInterval, 2 * kInterval}));
    }
}

TEST_F(WindowTest, PictureButtonsAndPicturesTakeTheMouse) {
    const ControlRef button{kParent, Parent::超级按钮1};
    hooks().on["parentLabelMoved"] = [] {
        EXPECT_EQ(eventSourceControl(), (ControlRef{kParent, Parent::标签1}));
    };
    driver.onWindow(kParent, [&] {
        EXPECT_TRUE(driver.hover(button));
        EXPECT_TRUE(driver.hover(button));  // still inside: no second sound
        EXPECT_TRUE(driver.hover({kParent, Parent::标签1}));
        EXPECT_TRUE(driver.click(button));
        EXPECT_TRUE(driver.pressPicture({kParent, Parent::图片框1}));
        EXPECT_FALSE(driver.pressPicture({kParent, Parent::按钮1}));
        setProperty(button, kPropDisabled, 1);
        EXPECT_FALSE(driver.hover(button));
        EXPECT_FALSE(driver.click(button));
        driver.closeBox(kParent);
    });
    loadWindow(kParent);
    if (auto sounds = driver.soundsPlayed()) {
        EXPECT_EQ(*sounds, (std::vector<std::string>{"hover.wav", "click.wav"}));
    }
    EXPECT_EQ(hooks().log,
              (std::vector<std::string>{"parentCreated", "parentLabelMoved", "parentPictureButton",
                                        "parentPicturePressed", "parentDestroyed"}));
}

}  // namespace
