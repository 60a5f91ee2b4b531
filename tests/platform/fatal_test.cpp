#include <gtest/gtest.h>

#include "platform/fatal.h"
#include "platform/table.h"

TEST(FatalTest, ErrorTextWithAndWithoutNumber) {
    EXPECT_EQ(fatalErrorText(1, "数组成员引用下标超出定义范围"),
              "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n");
    EXPECT_EQ(fatalErrorText(0, "未找到指定标记的组件"),
              "运行时出错!\r\n\r\n错误信息：未找到指定标记的组件\r\n");
}

// The offscreen message box echoes itself to stderr in UTF-8, so the child's
// output can be matched; the Win32 box would wait for a user instead.
#ifndef _WIN32

namespace {
std::string utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}
}  // namespace

TEST(FatalDeathTest, BadTableIndexShowsNumberedErrorAndExitsMinusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Table<int> table(3);
    EXPECT_EXIT(table[0] = 1, ::testing::ExitedWithCode(255),
                utf8(u8"错误: 运行时出错!\r\n\r\n错误代码：4\r\n\r\n"
                     u8"错误信息：数组成员引用下标必须大于等于1"));
    EXPECT_EXIT(table[4] = 1, ::testing::ExitedWithCode(255),
                utf8(u8"错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围"));
    const Table<int> empty;
    EXPECT_EXIT((void)empty[1], ::testing::ExitedWithCode(255), utf8(u8"错误代码：1"));
    // The valid range still works after all that.
    table[3] = 7;
    EXPECT_EQ(table[3], 7);
}

TEST(FatalDeathTest, UnnumberedErrorHasNoCodeLine) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(fatalError(0, "未找到指定标记的组件"), ::testing::ExitedWithCode(255),
                utf8(u8"^错误: 运行时出错!\r\n\r\n错误信息：未找到指定标记的组件\r\n"));
}

#endif
