// Loading, nesting and closing windows; the event source; tags and handles.
#include <gmock/gmock.h>

#include "platform/window_model.h"
#include "test_windows.h"

namespace {

std::string utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

TEST_F(WindowTest, NestedModalWindowRestoresTheEventSourceOfItsOpener) {
    ControlRef sourceAfterChild;
    hooks().on["parentClick"] = [&] {
        EXPECT_TRUE(loadWindow(kChild, true));
        sourceAfterChild = eventSourceControl();
        hooks().log.push_back("child returned");
    };
    hooks().on["childCreated"] = [] {
        EXPECT_EQ(eventSourceControl(), (ControlRef{kChild, 0}));
        EXPECT_EQ(findLoadedWindow(kChild)->owner, kParent);
    };
    hooks().on["childClick"] = [] {
        EXPECT_EQ(eventSourceControl(), (ControlRef{kChild, Child::按钮1}));
        closeWindow(eventSourceControl());
    };
    system.onWindow(kParent, [](OffscreenUser& user) {
        EXPECT_TRUE(user.click("按钮1"));
        user.closeBox();
    });
    system.onWindow(kChild, [](OffscreenUser& user) {
        // The window beneath a modal window takes no input.
        EXPECT_FALSE(OffscreenUser(kParent).click("按钮1"));
        EXPECT_TRUE(user.click(Child::按钮1));
    });

    EXPECT_TRUE(loadWindow(kParent, true));

    EXPECT_EQ(sourceAfterChild, (ControlRef{kParent, Parent::按钮1}));
    EXPECT_EQ(system.openedWindows, (std::vector<int>{kParent, kChild}));
    EXPECT_THAT(hooks().log,
                testing::ElementsAre("parentCreated", "parentClick", "childCreated", "childClick",
                                     "childDestroyed", "child returned", "parentDestroyed"));
}

TEST_F(WindowTest, CloseTakesEffectAfterTheHandlerReturns) {
    hooks().on["parentClick"] = [] { loadWindow(kChild); };
    hooks().on["childClick"] = [] {
        closeWindow(ControlRef{kChild, Child::标签1});
        // Still loaded and writable until the handler returns.
        EXPECT_TRUE(isWindowLoaded(kChild));
        setProperty(kChild, Child::标签1, kLabelCaption, Text("仍在"));
        setProperty(kParent, Parent::标签1, kLabelCaption, Text("已关闭"));
    };
    hooks().on["childDestroyed"] = [] {
        EXPECT_EQ(getText({kChild, Child::标签1}, kLabelCaption), "仍在");
    };
    system.onWindow(kParent, [](OffscreenUser& user) {
        user.click("按钮1");
        EXPECT_EQ(user.text("标签1"), "已关闭");
        EXPECT_FALSE(isWindowLoaded(kChild));
        EXPECT_TRUE(user.windowOpen());
        user.pressEsc();
    });
    system.onWindow(kChild, [](OffscreenUser& user) {
        EXPECT_TRUE(user.click("按钮1"));
        EXPECT_FALSE(user.windowOpen());
        EXPECT_FALSE(user.click("按钮1"));  // the loop has ended
    });
    loadWindow(kParent);
    EXPECT_TRUE(system.leftOpenByScripts.empty());
    EXPECT_EQ(hooks().log.back(), "parentDestroyed");
}

TEST_F(WindowTest, LoadingEdgeCases) {
    EXPECT_FALSE(loadWindow(999));
    // A window closed by its own "created" handler never waits for the user
    // but still says goodbye; a window that is loaded cannot be loaded again.
    hooks().on["childCreated"] = [] {
        EXPECT_FALSE(loadWindow(kChild));
        closeWindow({kChild, 0});
    };
    system.onWindow(kChild, [](OffscreenUser&) { ADD_FAILURE() << "script ran"; });
    EXPECT_TRUE(loadWindow(kChild));
    EXPECT_EQ(hooks().log, (std::vector<std::string>{"childCreated", "childDestroyed"}));
    // Without a script the user closes the window at once.
    hooks().on.clear();
    system.windowScripts.clear();
    EXPECT_TRUE(loadWindow(kChild));
    EXPECT_FALSE(isWindowLoaded(kChild));
    // A script that forgets to close is noticed.
    system.onWindow(kChild, [](OffscreenUser&) {});
    loadWindow(kChild);
    EXPECT_EQ(system.leftOpenByScripts, std::vector<int>{kChild});
}

TEST_F(WindowTest, FindControlByTagReturnsTheFirstInCatalogueOrder) {
    hooks().on["parentCreated"] = [] {
        EXPECT_EQ(findControlByTag(kParent, 7), (ControlRef{kParent, Parent::标签2}));
        setProperty(kParent, Parent::按钮2, kPropTag, 7);
        EXPECT_EQ(findControlByTag(kParent, 7), (ControlRef{kParent, Parent::按钮2}));
        setProperty(kParent, Parent::图片框1, kPropTag, Text("601"));
        EXPECT_EQ(findControlByTag(kParent, 601), (ControlRef{kParent, Parent::图片框1}));
    };
    loadWindow(kParent);
}

TEST_F(WindowTest, MisusesEndTheProcessWithTheFatalError) {
    EXPECT_EXIT(eventSourceControl(), testing::ExitedWithCode(255),
                testing::HasSubstr(utf8(u8"“取事件组件”命令只能在事件处理子程序中使用")));
    hooks().on["parentCreated"] = [] { findControlByTag(kParent, 42); };
    EXPECT_EXIT(loadWindow(kParent), testing::ExitedWithCode(255),
                testing::HasSubstr(utf8(u8"未找到指定标记的组件")));
}

TEST_F(WindowTest, HandlesAndBalloonTips) {
    std::intptr_t label = 0;
    hooks().on["parentCreated"] = [&] {
        label = controlHandle({kParent, Parent::标签1});
        EXPECT_NE(label, 0);
        EXPECT_NE(label, controlHandle({kParent, Parent::按钮1}));
        EXPECT_EQ(controlHandle({kParent, 99}), 0);
        addBalloonTip(label, "旧", true);
        addBalloonTip(label, "新", true, false);
        addBalloonTip(0, "无", true);
    };
    loadWindow(kParent);
    EXPECT_EQ(controlHandle({kParent, Parent::标签1}), 0);
    ASSERT_EQ(system.balloonTips.size(), 1u);
    EXPECT_EQ(system.balloonTips[label].text, "新");
    EXPECT_TRUE(system.balloonTips[label].balloon);
}

}  // namespace
