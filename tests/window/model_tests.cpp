// Loading, nesting and closing windows; the event source; tags and handles.
#include <gmock/gmock.h>

#include "platform/window_model.h"
#include "test_windows.h"

namespace {

const ControlRef kParentButton{kParent, Parent::按钮1};
const ControlRef kChildButton{kChild, Child::按钮1};

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
        EXPECT_EQ(eventSourceControl(), kChildButton);
        closeWindow(eventSourceControl());
    };
    driver.onWindow(kParent, [&] {
        EXPECT_TRUE(driver.click(kParentButton));
        driver.closeBox(kParent);
    });
    driver.onWindow(kChild, [&] {
        // The window beneath a modal window takes no input.
        EXPECT_FALSE(driver.click(kParentButton));
        EXPECT_TRUE(driver.click(kChildButton));
    });

    EXPECT_TRUE(loadWindow(kParent, true));

    EXPECT_EQ(sourceAfterChild, kParentButton);
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
    driver.onWindow(kParent, [&] {
        driver.click(kParentButton);
        EXPECT_EQ(getText({kParent, Parent::标签1}, kLabelCaption), "已关闭");
        EXPECT_FALSE(isWindowLoaded(kChild));
        EXPECT_TRUE(driver.windowOpen(kParent));
        driver.pressEsc(kParent);
    });
    driver.onWindow(kChild, [&] {
        EXPECT_TRUE(driver.click(kChildButton));
        EXPECT_FALSE(driver.windowOpen(kChild));
        EXPECT_FALSE(driver.click(kChildButton));  // the loop is ending
    });
    loadWindow(kParent);
    EXPECT_TRUE(driver.leftOpen().empty());
    EXPECT_EQ(hooks().log.back(), "parentDestroyed");
}

TEST_F(WindowTest, LoadingEdgeCases) {
    EXPECT_FALSE(loadWindow(999));
    // Without a script the user closes the window at once.
    EXPECT_TRUE(loadWindow(kChild));
    EXPECT_FALSE(isWindowLoaded(kChild));
    // A script that forgets to close is noticed.
    driver.onWindow(kChild, [] {});
    loadWindow(kChild);
    EXPECT_EQ(driver.leftOpen(), std::vector<int>{kChild});
    // A window closed by its own "created" handler never waits for the user
    // but still says goodbye; a window that is loaded cannot be loaded again.
    hooks().log.clear();
    hooks().on["childCreated"] = [] {
        EXPECT_FALSE(loadWindow(kChild));
        closeWindow({kChild, 0});
    };
    driver.onWindow(kChild, [] { ADD_FAILURE() << "script ran"; });
    EXPECT_TRUE(loadWindow(kChild));
    EXPECT_EQ(hooks().log, (std::vector<std::string>{"childCreated", "childDestroyed"}));
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

// The offscreen message box echoes itself to stderr; the Win32 one would
// wait for a user.
#ifndef _WIN32
TEST_F(WindowTest, MisusesEndTheProcessWithTheFatalError) {
    auto utf8 = [](const char8_t* text) {
        return std::string(reinterpret_cast<const char*>(text));
    };
    EXPECT_EXIT(eventSourceControl(), testing::ExitedWithCode(255),
                testing::HasSubstr(utf8(u8"“取事件组件”命令只能在事件处理子程序中使用")));
    hooks().on["parentCreated"] = [] { findControlByTag(kParent, 42); };
    EXPECT_EXIT(loadWindow(kParent), testing::ExitedWithCode(255),
                testing::HasSubstr(utf8(u8"未找到指定标记的组件")));
}
#endif

TEST_F(WindowTest, HandlesAndBalloonTips) {
    std::intptr_t label = 0;
    hooks().on["parentCreated"] = [&] {
        label = controlHandle({kParent, Parent::标签1});
        EXPECT_NE(label, 0);
        EXPECT_NE(label, controlHandle(kParentButton));
        EXPECT_EQ(controlHandle({kParent, 99}), 0);
        // One tool per control: a second tip replaces the first.
        addBalloonTip(label, "旧", true);
        addBalloonTip(label, "新", true, false);
        addBalloonTip(0, "无", true);
    };
    driver.onWindow(kParent, [&] {
        EXPECT_EQ(driver.tipText(label), "新");
        driver.closeBox(kParent);
    });
    loadWindow(kParent);
    EXPECT_EQ(controlHandle({kParent, Parent::标签1}), 0);
}

}  // namespace
