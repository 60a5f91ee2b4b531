#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/text.h"

namespace {

std::vector<Text> items(const TextList& list) {
    return std::vector<Text>(list.begin(), list.end());
}

// A two-byte character whose second byte is the ASCII letter A, and one whose
// second byte is a: different characters that must never meet case folding.
const Text kLeadA = "\x81\x41";
const Text kLeadLowerA = "\x81\x61";

}  // namespace

TEST(TextTest, FindTextHonoursStartCaseAndDoubleByteCharacters) {
    EXPECT_EQ(findText("abcabc", "bc", 3), 5);
    EXPECT_EQ(findText("abcabc", "bc", -4), 2);
    EXPECT_EQ(findText("ABC", "bc"), -1);
    EXPECT_EQ(findText("ABC", "bc", 1, true), 2);
    EXPECT_EQ(findText("abc", ""), 1);
    EXPECT_EQ(findText("abc", "", 4), -1);

    // An ASCII text never matches the second byte of a Chinese character,
    // and case folding stops at ASCII letters.
    EXPECT_EQ(findText(kLeadA + "A", "A"), 3);
    EXPECT_EQ(findText(kLeadA, "A"), -1);
    EXPECT_EQ(findText("x" + kLeadA, kLeadLowerA, 1, true), -1);
    // A lead byte that ends the text is a broken character, not a crash.
    EXPECT_EQ(findText("a\x81", "b"), -1);
}

TEST(TextTest, ReplaceTextDeletesWholeCharactersOnly) {
    EXPECT_EQ(replaceText("a.bmp.bmp", ".bmp"), "a");
    EXPECT_EQ(replaceText("xaxbx", "x", "-", 1, 2), "-a-bx");
    EXPECT_EQ(replaceText("xaxbx", "x", "-", 2), "xa-b-");
    EXPECT_EQ(replaceText("xaXbx", "x", "", 1, -1, false), "ab");
    EXPECT_EQ(replaceText("abc", "b", "", 4), "abc");
    // "AA" straddling a character's second byte and the next letter is no match.
    EXPECT_EQ(replaceText(kLeadA + "A", "AA"), kLeadA + "A");
    EXPECT_EQ(replaceText(kLeadA + "AA", "AA"), kLeadA);
}

TEST(TextTest, SplitTextElementRules) {
    using V = std::vector<Text>;
    EXPECT_EQ(items(splitText("a,,b")), (V{"a", "", "b"}));
    EXPECT_EQ(items(splitText(",a")), (V{"", "a"}));
    EXPECT_EQ(items(splitText("a,")), (V{"a"}));
    EXPECT_EQ(items(splitText("ak47;deagle;", ";")), (V{"ak47", "deagle"}));
    EXPECT_EQ(items(splitText("a<>b<>", "<>")), (V{"a", "b"}));
    EXPECT_TRUE(splitText("").empty());
    EXPECT_EQ(items(splitText("a,b", "")), (V{"a,b"}));

    // The split stops once the count is reached and drops the rest; only an
    // omitted count means no limit.
    EXPECT_EQ(items(splitText("a,b,c", ",", 2)), (V{"a", "b"}));
    EXPECT_EQ(items(splitText("ab", ",", 1)), (V{"ab"}));
    EXPECT_TRUE(splitText("a,b", ",", 0).empty());
    EXPECT_TRUE(splitText("a,b", ",", -3).empty());

    // A delimiter byte that is the second byte of a character does not split.
    const Text semicolonTrail = "\x81;";
    EXPECT_EQ(items(splitText(semicolonTrail + "x;b", ";")), (V{semicolonTrail + "x", "b"}));
}

TEST(TextTest, RemoveAllSpacesKeepsTabsAndCharacters) {
    EXPECT_EQ(removeAllSpaces(" a\tb　c "), "a\tbc");
    // A space that is the second byte of a character belongs to it.
    EXPECT_EQ(removeAllSpaces("\x81 x"), "\x81 x");
    EXPECT_EQ(removeAllSpaces("x\xA1"), "x\xA1");
}

TEST(TextTest, ToIntegerReadsLikeAtoiAfterFullWidthMapping) {
    EXPECT_EQ(toInteger("12abc"), 12);
    EXPECT_EQ(toInteger(" -3"), -3);
    EXPECT_EQ(toInteger("\t\r\n+4"), 4);
    EXPECT_EQ(toInteger(""), 0);
    EXPECT_EQ(toInteger("x1"), 0);
    EXPECT_EQ(toInteger("- 1"), 0);
    EXPECT_EQ(toInteger("１２"), 12);
    EXPECT_EQ(toInteger("－５"), -5);
    EXPECT_EQ(toInteger("　7"), 7);
    EXPECT_EQ(toInteger("中1"), 0);

    // Out of range saturates instead of wrapping.
    EXPECT_EQ(toInteger("-2147483648"), INT_MIN);
    EXPECT_EQ(toInteger("2147483648"), INT_MAX);
    EXPECT_EQ(toInteger("-2147483649"), INT_MIN);
    EXPECT_EQ(toInteger(std::string(400, '9')), INT_MAX);
    EXPECT_EQ(toInteger("00000000000000000000042"), 42);
}

TEST(TextTest, ConversionsAndHelpers) {
    EXPECT_EQ(toText(INT_MIN), "-2147483648");
    EXPECT_EQ(toText(1.0 / 3.0), "0.3333333333333");
    EXPECT_EQ(toText(2.5e20), "2.5e+20");
    EXPECT_EQ(toText(Bytes("ab\0cd", 5)), "ab");
    EXPECT_EQ(zeroBytes(-2), Bytes());
    EXPECT_EQ(leftText("abc", -1), "");
    EXPECT_EQ(rightText("abc", 9), "abc");

    EXPECT_EQ(shiftLeft(1, 31), INT_MIN);
    EXPECT_EQ(shiftLeft(3, 31), INT_MIN);
    EXPECT_EQ(shiftLeft(5, 33), 10);
    EXPECT_EQ(shiftLeft(1, -1), INT_MIN);
    EXPECT_EQ(shiftLeft(-1, 1), -2);
}
