// Two small windows for the window contract, and handlers that log their
// calls and run whatever a test hooks onto them. The same tests run against
// the offscreen views and, under Wine, the native ones (driver.h).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "driver.h"
#include "platform/window.h"

inline constexpr WindowId kParent = 101;
inline constexpr WindowId kChild = 102;

namespace Parent {
enum : ControlId {
    按钮1 = 1,
    标签1,
    编辑框1,
    组合框1,
    选择框1,
    图片框1,  // the 2 x 2 picture, stretched
    超级按钮1,
    时钟1,
    按钮2,  // disabled at start
    标签2,  // tag 7
    标签3,  // tag 7
    分组框1,
    透明标签1,
    图片框2,  // the red 300 x 103 banner, centred and scaled down in a blue box
};
}
namespace Child {
enum : ControlId { 按钮1 = 1, 标签1 };
}

// Every handler appends its name to `log`, then runs the hook of that name.
struct Hooks {
    std::vector<std::string> log;
    std::map<std::string, std::function<void()>> on;
    WindowDriver* driver = nullptr;
};
Hooks& hooks();

// Fresh hooks, templates and assets for every test, and its user.
class WindowTest : public ::testing::Test {
  protected:
    WindowTest();
    ~WindowTest() override;

    WindowDriver driver;
};

// The bytes of the parent's picture asset: a 2 x 2 BMP, red and green over
// blue and white.
extern const Bytes kTestPicture;
// The parent's template, whose rectangles the native views must keep.
extern const WindowTemplate kParentWindow;
