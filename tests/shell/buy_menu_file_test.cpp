// The buy-menu file's markers and lines, on the bytes alone: what a scan
// finds, and that writing a pack changes its lines and nothing else.
#include <gtest/gtest.h>

#include "quickbuy/buy_menu_file.h"

namespace {

const Text kTail = "secammo;primammo;flash;flash;sgren;vesthelm;defuser";

TextList slots(std::initializer_list<const char*> names) {
    TextList list;
    for (const char* name : names)
        list.append(name);
    return list;
}

// Pack 2 laid out as the game's file has it (tabs, CR LF), with pack 1's
// command marker at the very start and a stray LF-only line.
const Bytes kTwoPacks =
    "//WeaponPack1_command\r\n"
    "\t\t\"Command\"\t\t\"znk_buy_wpn ak47;znk_buy_wpn deagle;znk_buy_wpn knife;"
    "znk_buy_wpn hegrenade;" +
    kTail +
    "\"\r\n"
    "\t\"WeaponPack2\"\n"
    "//WeaponPack2_img1\r\n"
    "\t\t\"image\"\t\t\"gfx/vgui/m4a1\"\r\n"
    "//WeaponPack2_command\r\n"
    "\t\t\"Command\"\t\t\"znk_buy_wpn m4a1;znk_buy_wpn usp;znk_buy_wpn knife;"
    "znk_buy_wpn hegrenade;" +
    kTail +
    "\"\r\n"
    "//WeaponPack2_img2\n"
    "\t\t\"image\"\t\t\"gfx/vgui/usp\"\n"
    "//WeaponPack2_img3\r\n"
    "\t\t\"image\"\t\t\"gfx/vgui/knife\"\r\n"
    "}\r\n";

long long offsetAfter(const Bytes& content, const Text& line) {
    size_t at = content.find(line);
    return at == Bytes::npos ? -1 : static_cast<long long>(at + line.size());
}

TEST(BuyMenuFile, ScanFindsEachPackLineAfterItsMarker) {
    BuyMenuScan scan = scanBuyMenuText(kTwoPacks);
    const PackLines& two = scan.packs[1];
    EXPECT_EQ(two.commandLine, offsetAfter(kTwoPacks, "//WeaponPack2_command\r\n"));
    EXPECT_EQ(two.imageLines[0], offsetAfter(kTwoPacks, "//WeaponPack2_img1\r\n"));
    EXPECT_EQ(two.imageLines[1], offsetAfter(kTwoPacks, "//WeaponPack2_img2\n"));
    EXPECT_EQ(two.imageLines[2], offsetAfter(kTwoPacks, "//WeaponPack2_img3\r\n"));
    // Indentation before the first quotation mark is no part of the value.
    EXPECT_EQ(two.commandList, "m4a1;usp;knife;hegrenade;" + kTail);
    EXPECT_EQ(scan.packs[0].commandList, "ak47;deagle;knife;hegrenade;" + kTail);
    EXPECT_EQ(scan.packs[0].imageLines[0], 0);
    EXPECT_EQ(scan.packs[4].commandLine, 0);
}

TEST(BuyMenuFile, OnlyExactWholeLinesAreMarkers) {
    const Text command = "\"Command\" \"znk_buy_wpn a;znk_buy_wpn b;znk_buy_wpn c;znk_buy_wpn d;\"";
    for (const char* near :
         {"//WeaponPack1_command ", "\t//WeaponPack1_command", "//weaponpack1_command",
          "//WeaponPack1_command\t", "//WeaponPack6_img1", "//WeaponPack1_img4",
          "//WeaponPack1_command//WeaponPack1_command"}) {
        BuyMenuScan scan = scanBuyMenuText(Text(near) + "\r\n" + command + "\r\n");
        EXPECT_EQ(scan.packs[0].commandLine, 0) << near;
        EXPECT_EQ(scan.packs[0].commandList, "") << near;
    }

    // A marker given twice counts where it is last; the line after a command
    // marker is its command line even when it looks like a marker.
    Bytes twice =
        "//WeaponPack3_img1\nA\n//WeaponPack3_command\n//WeaponPack3_img1\nB\n"
        "//WeaponPack3_img1\nC\n";
    BuyMenuScan scan = scanBuyMenuText(twice);
    EXPECT_EQ(scan.packs[2].imageLines[0], offsetAfter(twice, "B\n//WeaponPack3_img1\n"));

    // A marker that ends the file has no line after it: writing "after" it
    // would glue the text onto the marker.
    scan = scanBuyMenuText("x\r\n//WeaponPack1_img2");
    EXPECT_EQ(scan.packs[0].imageLines[1], 0);
    // A marker whose next line is empty at the end of the file still has one.
    scan = scanBuyMenuText("x\r\n//WeaponPack1_img2\r\n");
    EXPECT_EQ(scan.packs[0].imageLines[1], 23);
}

TEST(BuyMenuFile, ZeroAndEndOfTextBytesEndLinesAndTheScanGoesOn) {
    Bytes content = Bytes("junk\0//WeaponPack4_img1\x1A", 24) + "gfx\n//WeaponPack4_img2\nG\n";
    BuyMenuScan scan = scanBuyMenuText(content);
    EXPECT_EQ(scan.packs[3].imageLines[0], 24);
    EXPECT_EQ(scan.packs[3].imageLines[1], offsetAfter(content, "_img2\n"));
    // Double-byte characters before a marker do not hide it.
    scan = scanBuyMenuText("\xB0\x0A//WeaponPack5_img3\nx");
    EXPECT_EQ(scan.packs[4].imageLines[2], 21);
}

TEST(BuyMenuFile, CommandListsThatCannotNameFourSlotsReadAsEmpty) {
    EXPECT_EQ(commandListOf("\t\"Command\"\t\"znk_buy_wpn  m4a1 ;znk_buy_wpn usp;;x;tail\""),
              "m4a1;usp;;x;tail");
    // An empty first slot is still a slot.
    EXPECT_EQ(commandListOf("\"Command\" \";znk_buy_wpn usp;knife;he\""), ";usp;knife;he");
    EXPECT_EQ(commandListOf("\"Command\" \"znk_buy_wpn m4a1;znk_buy_wpn usp;knife\""), "");
    EXPECT_EQ(commandListOf("\"Command\" znk_buy_wpn m4a1;usp;knife;he;"), "");
    EXPECT_EQ(commandListOf(""), "");
}

TEST(BuyMenuFile, SavingAPackChangesItsFourLinesAndNoOtherByte) {
    Bytes saved = buyMenuWithPack(
        kTwoPacks, 2,
        slots({"m4a1_dark_knight", "deagle_gold", "katana", "holybomb", "equipment-not-written"}));
    Bytes expected = kTwoPacks;
    auto replace = [&](const Text& old, const Text& now) {
        expected.replace(expected.find(old), old.size(), now);
    };
    replace("\t\t\"image\"\t\t\"gfx/vgui/m4a1\"", "\"image\" \"gfx/vgui/m4a1_dark_knight\"");
    replace(
        "\t\t\"Command\"\t\t\"znk_buy_wpn m4a1;znk_buy_wpn usp;znk_buy_wpn knife;"
        "znk_buy_wpn hegrenade;" +
            kTail + "\"",
        "\"Command\" \"znk_buy_wpn m4a1_dark_knight;znk_buy_wpn deagle_gold;znk_buy_wpn katana;"
        "znk_buy_wpn holybomb;" +
            kTail + "\"");
    replace("\t\t\"image\"\t\t\"gfx/vgui/usp\"", "\"image\" \"gfx/vgui/deagle_gold\"");
    replace("\t\t\"image\"\t\t\"gfx/vgui/knife\"", "\"image\" \"gfx/vgui/katana\"");
    EXPECT_EQ(saved, expected);
    // Read back, the pack is what was saved; the other pack is untouched.
    BuyMenuScan scan = scanBuyMenuText(saved);
    EXPECT_EQ(scan.packs[1].commandList, "m4a1_dark_knight;deagle_gold;katana;holybomb;" + kTail);
    EXPECT_EQ(scan.packs[0].commandList, "ak47;deagle;knife;hegrenade;" + kTail);
    // Shorter names shrink the lines back; the file is as it began but for
    // the indentation of the four lines.
    Bytes back = buyMenuWithPack(saved, 2, slots({"m4a1", "usp", "knife", "hegrenade"}));
    EXPECT_EQ(scanBuyMenuText(back).packs[1].commandList,
              scanBuyMenuText(kTwoPacks).packs[1].commandList);
    EXPECT_EQ(back.size() + 4 * 3, kTwoPacks.size());
}

TEST(BuyMenuFile, EmptyAndMissingSlotsAreWrittenWithoutAName) {
    Bytes content = "//WeaponPack1_command\n\"Command\" \"\"\n//WeaponPack1_img1\nold\n";
    Bytes saved = buyMenuWithPack(content, 1, slots({"", "usp"}));
    EXPECT_EQ(saved,
              "//WeaponPack1_command\n\"Command\" \"znk_buy_wpn ;znk_buy_wpn usp;znk_buy_wpn ;"
              "znk_buy_wpn ;" +
                  kTail + "\"\n//WeaponPack1_img1\n\"image\" \"gfx/vgui/\"\n");
}

TEST(BuyMenuFile, NothingIsWrittenWhereNoMarkerIs) {
    // Only the image markers: the command line goes nowhere, least of all
    // over the start of the file.
    Bytes imagesOnly = "\"Command\" \"keep\"\r\n//WeaponPack5_img3\r\nold\r\n";
    EXPECT_EQ(buyMenuWithPack(imagesOnly, 5, slots({"a", "b", "c", "d"})),
              "\"Command\" \"keep\"\r\n//WeaponPack5_img3\r\n\"image\" \"gfx/vgui/c\"\r\n");
    // Only the command marker, at the end of the file with its line end.
    Bytes commandOnly = "head\n//WeaponPack5_command\n";
    EXPECT_EQ(buyMenuWithPack(commandOnly, 5, slots({"a", "b", "c", "d"})),
              "head\n//WeaponPack5_command\n\"Command\" \"znk_buy_wpn a;znk_buy_wpn b;"
              "znk_buy_wpn c;znk_buy_wpn d;" +
                  kTail + "\"");
    for (const Bytes& none : {Bytes(), Bytes("no markers\r\n"), kTwoPacks}) {
        EXPECT_EQ(buyMenuWithPack(none, 4, slots({"a", "b", "c", "d"})), none);
    }
    EXPECT_EQ(buyMenuWithPack(kTwoPacks, 0, slots({"a"})), kTwoPacks);
    EXPECT_EQ(buyMenuWithPack(kTwoPacks, 6, slots({"a"})), kTwoPacks);
}

TEST(BuyMenuFile, ReplaceLineAtKeepsTheLineEnd) {
    Bytes content = "a\r\nbb\ncc\r";
    EXPECT_TRUE(replaceLineAt(content, 3, "XYZ"));
    EXPECT_EQ(content, "a\r\nXYZ\ncc\r");
    EXPECT_TRUE(replaceLineAt(content, 7, "Q"));
    EXPECT_EQ(content, "a\r\nXYZ\nQ\r");
    EXPECT_TRUE(replaceLineAt(content, 9, "end"));
    EXPECT_EQ(content, "a\r\nXYZ\nQ\rend");
    EXPECT_FALSE(replaceLineAt(content, 13, "past"));
    EXPECT_FALSE(replaceLineAt(content, -1, "before"));
    EXPECT_EQ(content, "a\r\nXYZ\nQ\rend");
}

TEST(BuyMenuFile, OnlyPlainNamesFitAPackLine) {
    EXPECT_TRUE(fitsPackLine("ak47_dragon"));
    EXPECT_TRUE(fitsPackLine("\xB3\xE0\xC1\xFA"));
    for (const char* bad : {"", "a\"b", "a;quit", "a\tb", "a\rb"})
        EXPECT_FALSE(fitsPackLine(bad)) << bad;
}

}  // namespace
