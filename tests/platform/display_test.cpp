// Which code page a caption is shown in: with the traditional script chosen,
// only the texts the program converted are BIG5; the rest stay GBK.
#include <gtest/gtest.h>

#include "platform/display.h"
#include "platform/encoding.h"

namespace {

TEST(DisplayCodePage, OnlyConvertedTextsAreShownAsBig5) {
    setDisplayCodePage(kCodePageBig5);
    Text converted = convertEncoding("精英", kGbkToBig5);
    rememberDisplayText(converted);
    EXPECT_EQ(codePageOf(converted), kCodePageBig5);
    // A template caption or a name read from a file was never converted.
    EXPECT_EQ(codePageOf("BOT数量"), kCodePageGbk);
    EXPECT_EQ(codePageOf("炙热沙城2"), kCodePageGbk);

    // Shown as stored, everything is GBK.
    setDisplayCodePage(kCodePageGbk);
    EXPECT_EQ(codePageOf(converted), kCodePageGbk);
    rememberDisplayText("简单");
    EXPECT_EQ(codePageOf("简单"), kCodePageGbk);
}

}  // namespace
