// Expected BIG5 and Shift-JIS bytes were worked out by hand with the iconv and
// opencc commands, not with the generator, so a wrong table index or a wrong
// table shows here.
#include <gtest/gtest.h>

#include <string>

#include "platform/encoding.h"

namespace {

TEST(ConvertEncoding, LauncherCaptionsBecomeBig5Traditional) {
    EXPECT_EQ(convertEncoding("简单", kGbkToBig5), "\xC2\xB2\xB3\xE6");
    EXPECT_EQ(convertEncoding("中等", kGbkToBig5), "\xA4\xA4\xB5\xA5");
    EXPECT_EQ(convertEncoding("困难", kGbkToBig5), "\xA7\x78\xC3\xF8");
    EXPECT_EQ(convertEncoding("精英", kGbkToBig5), "\xBA\xEB\xAD\x5E");
    EXPECT_EQ(convertEncoding("手臂管理(NEW)", kGbkToBig5),
              "\xA4\xE2\xC1\x75\xBA\xDE\xB2\x7A"
              "(NEW)");
    EXPECT_EQ(convertEncoding("选择模式", kGbkToBig5), "\xBF\xEF\xBE\xDC\xBC\xD2\xA6\xA1");
    EXPECT_EQ(convertEncoding("仓库中没有此类武器！", kGbkToBig5),
              "\xAD\xDC\xAE\x77\xA4\xA4\xA8\x53\xA6\xB3\xA6\xB9\xC3\xFE\xAA\x5A\xBE\xB9\xA1\x49");
    EXPECT_EQ(convertEncoding("警告", kGbkToBig5), "\xC4\xB5\xA7\x69");
}

TEST(ConvertEncoding, GbkExtensionCharactersUseBothTrailRanges) {
    // GBK trail bytes below 0x80 (0x40, 0x66, 0x72, 0x63) and at 0x80 itself.
    const Text traditional = "這說時與點還們";
    EXPECT_EQ(convertEncoding(traditional, kGbkToBig5),
              "\xB3\x6F\xBB\xA1\xAE\xC9\xBB\x50\xC2\x49\xC1\xD9\xAD\xCC");
    EXPECT_EQ(convertEncoding(traditional, kGbkTraditionalToSimplified), "这说时与点还们");
    // BIG5 trail bytes below 0x80 and at 0xA1.
    EXPECT_EQ(convertEncoding("\xB3\x6F\xBB\xA1", kBig5ToGbk), "這說");
    EXPECT_EQ(convertEncoding("\xB3\x6F\xBB\xA1", kBig5ToGbkSimplified), "这说");
}

TEST(ConvertEncoding, AsciiAndOtherConversionNumbersLeaveTextAlone) {
    const Text ascii = "AK47 [name]\t~\\ 0x7F:\x7F";
    for (int conversion = 1; conversion <= 7; ++conversion) {
        EXPECT_EQ(convertEncoding(ascii, conversion), ascii) << conversion;
        EXPECT_EQ(convertEncoding("", conversion), "") << conversion;
    }
    const Text mixed = std::string("简单\x80\xFF\0x", 8) + "\xB8";
    for (int conversion : {kNoConversion, 0, -1, 8, 999}) {
        EXPECT_EQ(convertEncoding(mixed, conversion), mixed) << conversion;
    }
}

TEST(ConvertEncoding, BrokenGbkBytesPassUnchanged) {
    // A lone lead byte at the end must not be read past.
    EXPECT_EQ(convertEncoding("警\xB8", kGbkToBig5), "\xC4\xB5\xB8");
    EXPECT_EQ(convertEncoding("\xB8", kGbkSimplifiedToTraditional), "\xB8");
    // A lead byte before a byte that cannot be a trail byte is a byte of its
    // own, and the next byte is read afresh.
    EXPECT_EQ(convertEncoding("\x81"
                              "0警",
                              kGbkToBig5),
              "\x81"
              "0\xC4\xB5");
    EXPECT_EQ(convertEncoding("\x80警\xFF", kGbkToBig5), "\x80\xC4\xB5\xFF");
}

TEST(ConvertEncoding, BrokenBig5AndShiftJisBytesBecomeOneQuestionMarkEach) {
    // (ASCII letters are BIG5 trail bytes; digits are not.)
    EXPECT_EQ(convertEncoding("\xA4"
                              "0\xC4\xB5",
                              kBig5ToGbk),
              "?0警");
    EXPECT_EQ(convertEncoding("\xC4\xB5\xA4", kBig5ToGbk), "警?");
    EXPECT_EQ(convertEncoding("\x80\xFF", kBig5ToGbkSimplified), "??");
    EXPECT_EQ(convertEncoding("\x93\xFA\x81", kShiftJisToGbk), "日?");
    EXPECT_EQ(convertEncoding("\x81"
                              "1\xA0\xFD",
                              kShiftJisToGbk),
              "?1??");
}

TEST(ConvertEncoding, CharactersWithoutCounterpart) {
    // Neither kana nor 酶 exist in BIG5: "?" rather than unrelated bytes.
    EXPECT_EQ(convertEncoding("あ酶A", kGbkToBig5), "??A");
    // Inside GBK they simply stay.
    EXPECT_EQ(convertEncoding("あ酶A", kGbkSimplifiedToTraditional), "あ酶A");
    EXPECT_EQ(convertEncoding("あ酶A", kGbkTraditionalToSimplified), "あ酶A");
    // Chinese that Japanese code pages lack.
    EXPECT_EQ(convertEncoding("你", kGbkToShiftJis), "?");
}

TEST(ConvertEncoding, SimplifiedToTraditionalAndBackWithinGbk) {
    const Text simplified = "简单 中等 困难 选择模式 仓库中没有此类武器！警告 手臂管理(NEW)";
    const Text traditional = convertEncoding(simplified, kGbkSimplifiedToTraditional);
    EXPECT_EQ(traditional, "簡單 中等 困難 選擇模式 倉庫中沒有此類武器！警告 手臂管理(NEW)");
    EXPECT_EQ(convertEncoding(traditional, kGbkTraditionalToSimplified), simplified);
    // BIG5 to GBK keeps the traditional forms; the simplifying variant does not.
    const Text big5 = convertEncoding(simplified, kGbkToBig5);
    EXPECT_EQ(convertEncoding(big5, kBig5ToGbk), traditional);
    EXPECT_EQ(convertEncoding(big5, kBig5ToGbkSimplified), simplified);
}

TEST(ConvertEncoding, ShiftJisKana) {
    EXPECT_EQ(convertEncoding("カタカナ", kGbkToShiftJis), "\x83\x4A\x83\x5E\x83\x4A\x83\x69");
    EXPECT_EQ(convertEncoding("\x83\x4A\x83\x5E\x83\x4A\x83\x69", kShiftJisToGbk), "カタカナ");
    // Half-width katakana are single bytes in Shift-JIS; GBK has only the
    // full-width ones. A single byte must not swallow the character after it.
    EXPECT_EQ(convertEncoding("\xB6\xC0\x93\xFA", kShiftJisToGbk), "カタ日");
    // A simplified character goes to its Japanese form.
    EXPECT_EQ(convertEncoding("日本语", kGbkToShiftJis), "\x93\xFA\x96\x7B\x8C\xEA");
}

TEST(Utf8ToGbk, ConvertsChineseAndKeepsAscii) {
    EXPECT_EQ(utf8ToGbk("[name]AK47 \xE4\xB8\xAD\xE6\x96\x87[model]"), "[name]AK47 中文[model]");
    EXPECT_EQ(utf8ToGbk("\xE6\xAD\xA6\xE5\x99\xA8\xEF\xBC\x81"), "武器！");
    EXPECT_EQ(utf8ToGbk(""), "");
}

TEST(Utf8ToGbk, CharactersGbkCannotHoldBecomeOneQuestionMark) {
    EXPECT_EQ(utf8ToGbk("a\xF0\x9F\x98\x80"
                        "b"),
              "a?b");                                         // an emoji, two UTF-16 units
    EXPECT_EQ(utf8ToGbk("\xED\x95\x9C\xE4\xB8\xAD"), "?中");  // Hangul
}

TEST(Utf8ToGbk, InvalidUtf8GivesOneQuestionMarkPerBrokenSequence) {
    // Cut short by ASCII, by Chinese, by the end of the line.
    EXPECT_EQ(utf8ToGbk("\xE4\xB8"
                        "A"),
              "?A");
    EXPECT_EQ(utf8ToGbk("\xE4\xB8\xE4\xB8\xAD"), "?中");
    EXPECT_EQ(utf8ToGbk("A\xF0\x9F\x98"), "A?");
    // Bytes that never start a character, each on its own.
    EXPECT_EQ(utf8ToGbk("\x80"
                        "A\xFF\xFE"),
              "?A??");
    // Overlong forms, UTF-16 surrogates and values above U+10FFFF.
    EXPECT_EQ(utf8ToGbk("\xC0\xAF"), "??");
    EXPECT_EQ(utf8ToGbk("\xED\xA0\x80"
                        "A"),
              "???A");
    EXPECT_EQ(utf8ToGbk("\xF4\x90\x80\x80"), "????");
    EXPECT_EQ(utf8ToGbk("\xE4\xB8\xAD\xFF\xE6\x96\x87"), "中?文");
}

}  // namespace

#ifdef _WIN32

#include <windows.h>

#include <vector>

#include "platform/win32/wide.h"

namespace {

// The conversion Windows itself makes, with nothing checked beforehand.
std::string systemUtf8ToGbk(const std::string& utf8) {
    return fromWide(toWide(utf8, CP_UTF8), 936, WC_COMPOSITECHECK);
}

bool runningUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

TEST(Utf8ToGbkSystem, WellFormedTextWithinUtf16UnitsMatchesTheSystem) {
    const std::vector<std::string> texts = {
        "AK47 [name] ~!@#$%^&*()_+",
        "\xE4\xB8\xAD\xE6\x96\x87",  // Chinese
        "a\xE4\xB8\xAD"
        "b \xE6\xAD\xA6\xE5\x99\xA8 c",  // mixed
        "\xEF\xBC\x81\xC2\xB7\xE3\x80\x81\xE3\x80\x8C\xE3\x80\x8D\xE2\x80\xA6\xE2\x80\x94\xC2\xB0",
        "\xE2\x82\xAC\xC2\xA5\xEE\x80\x80",      // euro, yen, private use
        "\xD0\x96\xD1\x91\xCE\xB1\xE3\x81\x82",  // Cyrillic, Greek, kana that GBK has
        "e\xCC\x81"
        "a\xCC\x80\xC3\xA9",  // combining accents are composed
        // Characters GBK lacks: Ukrainian i, Ghe with upturn, a umlaut,
        // no-break space, Hangul, a byte-order mark, U+FFFF.
        "\xD1\x96\xD2\x91\xC3\xA4\xC2\xA0\xED\x95\x9C\xEF\xBB\xBF\xEF\xBF\xBF",
    };
    for (const std::string& text : texts)
        EXPECT_EQ(utf8ToGbk(text), systemUtf8ToGbk(text)) << text;
}

// Where we count "?" our own way (docs/encoding-behaviour.md): one for a
// character beyond U+FFFF, and one per maximal ill-formed subpart. Broken
// input that Windows counts the same way must still match it.
TEST(Utf8ToGbkSystem, BrokenAndSupplementaryInput) {
    const std::vector<std::string> agreeing = {
        "\x80"
        "A",
        "\x80\xBF"
        "A",
        "\xE4\xB8"
        "A",
        "A\xE4\xB8",
        "A\xF0\x9F\x98",
        "\xE4\xB8\xE4\xB8\xAD",
        "\xC0\xAF"
        "A",
        "\xF5\x80\x80\x80"
        "A",
        "\xFF\xFE"
        "A",
        "\xE4\xB8\xAD\xFF\xE6\x96\x87",
    };
    for (const std::string& text : agreeing)
        EXPECT_EQ(utf8ToGbk(text), systemUtf8ToGbk(text)) << text;

    struct Difference {
        std::string utf8;
        std::string ours;
        std::string wine;
    };
    const std::vector<Difference> differences = {
        {"a\xF0\x9F\x98\x80"
         "b",
         "a?b", "a??b"},                  // emoji
        {"\xF0\xA0\x80\x80", "?", "??"},  // CJK extension B
        {"\xE0\x80\xAF"
         "A",
         "???A", "??A"},  // overlong, 3 bytes
        {"\xF0\x80\x80\xAF"
         "A",
         "????A", "???A"},  // overlong, 4 bytes
        {"\xED\xA0\x80"
         "A",
         "???A", "??A"},  // encoded surrogate
        {"\xED\xA0\xBD\xED\xB8\x80"
         "A",
         "??????A", "????A"},  // encoded surrogate pair
        {"\xF4\x90\x80\x80"
         "A",
         "????A", "???A"},  // above U+10FFFF
    };
    const bool wine = runningUnderWine();
    for (const Difference& item : differences) {
        EXPECT_EQ(utf8ToGbk(item.utf8), item.ours) << item.utf8;
        if (wine) {
            EXPECT_EQ(systemUtf8ToGbk(item.utf8), item.wine) << item.utf8;
        }
    }
}

}  // namespace

#endif

#ifndef _WIN32

#include <iconv.h>

namespace {

// glibc's conversion, as the offscreen build makes it: "?" for a character
// that CP936 lacks.
std::string systemUtf8ToGbk(const std::string& utf8) {
    iconv_t converter = iconv_open("CP936", "UTF-8");
    char out[16];
    char* in = const_cast<char*>(utf8.data());
    char* to = out;
    size_t inLeft = utf8.size();
    size_t outLeft = sizeof out;
    size_t result = iconv(converter, &in, &inLeft, &to, &outLeft);
    iconv_close(converter);
    return result == static_cast<size_t>(-1) ? "?" : std::string(out, to);
}

}  // namespace

#endif

namespace {

// Every character up to U+FFFF converts as the system converts it alone: the
// first time, when the reader learns it, and again from what it learnt.
TEST(Utf8ToGbkSystem, EveryCharacterConvertsAsTheSystemConvertsIt) {
    for (unsigned code = 1; code <= 0xFFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        std::string utf8;
        if (code < 0x80) {
            utf8 = std::string(1, static_cast<char>(code));
        } else if (code < 0x800) {
            utf8 = {static_cast<char>(0xC0 | code >> 6), static_cast<char>(0x80 | (code & 0x3F))};
        } else {
            utf8 = {static_cast<char>(0xE0 | code >> 12),
                    static_cast<char>(0x80 | (code >> 6 & 0x3F)),
                    static_cast<char>(0x80 | (code & 0x3F))};
        }
        const std::string expected = systemUtf8ToGbk(utf8);
        ASSERT_EQ(utf8ToGbk(utf8), expected) << std::hex << code;
        ASSERT_EQ(utf8ToGbk(utf8), expected) << std::hex << code;
    }
}

}  // namespace
