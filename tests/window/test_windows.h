// Two small windows for the window model's tests, and handlers that log
// their calls and run whatever a test hooks onto them.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/offscreen/system.h"
#include "platform/offscreen/user.h"
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
    图片框1,
    超级按钮1,
    时钟1,
    按钮2,
    标签2,
    标签3,
    分组框1,
    透明标签1,
};
}
namespace Child {
enum : ControlId { 按钮1 = 1, 标签1 };
}

// Every handler appends its name to `log`, then runs the hook of that name.
struct Hooks {
    std::vector<std::string> log;
    std::map<std::string, std::function<void()>> on;
};
Hooks& hooks();

// A fresh offscreen system and empty hooks for every test.
class WindowTest : public ::testing::Test {
  protected:
    WindowTest();
    ~WindowTest() override;

    OffscreenSystem system;
};

// The bytes of the test picture asset, zero bytes included.
extern const Bytes kTestPicture;
