// The buy-menu file on its bytes alone, for what the journeys do not reach:
// markers that are nearly markers, bytes that end lines, and line ends kept
// by a replaced line.
#include <gtest/gtest.h>

#include "quickbuy/buy_menu_file.h"

namespace {

TEST(BuyMenuFile, OnlyWholeLinesWithALineAfterThemAreMarkers) {
    const Text command = "\"Command\" \"znk_buy_wpn a;b;c;d;\"\r\n";
    for (const char* near : {"\t//WeaponPack1_command", "//weaponpack1_command",
                             "//WeaponPack1_command\t", "//WeaponPack6_command"}) {
        EXPECT_EQ(scanBuyMenuText(Text(near) + "\r\n" + command).packs[0].commandLine, 0) << near;
    }
    EXPECT_EQ(scanBuyMenuText("//WeaponPack1_command\r\n" + command).packs[0].commandList,
              "a;b;c;d;");
    // A marker ending the file has no line after it: writing "after" it would
    // join the text to the marker. With its line end, the empty last line is one.
    EXPECT_EQ(scanBuyMenuText("x\r\n//WeaponPack1_img2").packs[0].imageLines[1], 0);
    EXPECT_EQ(scanBuyMenuText("x\r\n//WeaponPack1_img2\r\n").packs[0].imageLines[1], 23);
    // The line after a command marker is its command line, whatever it holds.
    BuyMenuScan scan = scanBuyMenuText("//WeaponPack3_command\n//WeaponPack3_img1\nB\n");
    EXPECT_EQ(scan.packs[2].imageLines[0], 0);
    // An image marker right before another marker has no line: the image
    // written there would take the other marker's place.
    const Bytes adjacent = "//WeaponPack1_img2\n//WeaponPack2_command\n" + command;
    scan = scanBuyMenuText(adjacent);
    EXPECT_EQ(scan.packs[0].imageLines[1], 0);
    EXPECT_EQ(scan.packs[1].commandLine, 41);
    TextList slots(kPackSlots);
    slots[2] = "usp";
    EXPECT_EQ(buyMenuWithPack(adjacent, 1, slots), adjacent);
}

TEST(BuyMenuFile, ZeroAndEndOfTextBytesEndLinesAndTheScanGoesOn) {
    Bytes content = Bytes("junk\0//WeaponPack4_img1\x1A", 24) + "gfx\n//WeaponPack4_img2\nG\n";
    BuyMenuScan scan = scanBuyMenuText(content);
    EXPECT_EQ(scan.packs[3].imageLines[0], 24);
    EXPECT_EQ(scan.packs[3].imageLines[1], 47);
    Bytes saved = buyMenuWithPack(content, 4, TextList());
    EXPECT_EQ(saved, Bytes("junk\0//WeaponPack4_img1\x1A", 24) +
                         "\"image\" \"gfx/vgui/\"\n//WeaponPack4_img2\n\"image\" \"gfx/vgui/\"\n");
    // A GBK lead byte before a line feed does not swallow it.
    EXPECT_EQ(scanBuyMenuText("\xB0\n//WeaponPack5_img3\nx").packs[4].imageLines[2], 21);
}

TEST(BuyMenuFile, ReplaceLineAtKeepsTheLineEnd) {
    Bytes content = "a\r\nbb\ncc\r";
    EXPECT_TRUE(replaceLineAt(content, 3, "XYZ"));
    EXPECT_TRUE(replaceLineAt(content, 7, "Q"));
    EXPECT_TRUE(replaceLineAt(content, 9, "end"));
    EXPECT_EQ(content, "a\r\nXYZ\nQ\rend");
    EXPECT_FALSE(replaceLineAt(content, 13, "past"));
    EXPECT_FALSE(replaceLineAt(content, -1, "before"));
    EXPECT_EQ(content, "a\r\nXYZ\nQ\rend");
}

}  // namespace
