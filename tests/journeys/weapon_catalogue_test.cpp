// Reading znk_wpn.ini into the catalogue and its page tables, straight from a
// file: which lines make weapons, what each weapon gets, and that odd files
// (read-only, stray control bytes, more weapons than the tables were sized
// for, a second reading) still give a sound catalogue.
#include <gtest/gtest.h>

#include <map>

#include "platform/encoding.h"
#include "platform/files.h"
#include "shell/globals.h"
#include "support/temp_folder.h"
#include "weapons/catalogue.h"

namespace {

std::string utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

std::string entry(const std::string& display, const std::string& model, int id) {
    return "[name]" + display + "[model]" + model + "[p_sub]0[cswpn]" + std::to_string(id) +
           "[damage]1.0[clip]30\r\n";
}

class CatalogueFile : public ::testing::Test {
  protected:
    void SetUp() override {
        createGlobalTables();
        g.languageSelector = kNoConversion;
    }
    void TearDown() override { releaseGlobalTables(); }

    bool read(const std::string& bytes) {
        folder.write("znk_wpn.ini", bytes);
        return loadCatalogueFile(path());
    }
    std::string path() const { return folder.path() + "/znk_wpn.ini"; }

    struct Weapon {
        Text display;
        Text model;
        int category;
        bool operator==(const Weapon&) const = default;
    };
    std::vector<Weapon> weapons() const {
        std::vector<Weapon> all;
        for (int position = 1; position <= g.catalogue.catalogueCount; ++position) {
            all.push_back({g.catalogue.displayName[position], g.catalogue.modelName[position],
                           g.catalogue.category[position]});
        }
        return all;
    }
    std::vector<int> pageStarts(int category) const {
        std::vector<int> starts;
        for (int page = 1; page <= g.pages.pageCount[category]; ++page) {
            starts.push_back(g.pages.pageStart[category][page]);
        }
        return starts;
    }

    TempFolder folder;
};

TEST_F(CatalogueFile, LinesBecomeWeaponsOnlyWithTheirMarkersInOrder) {
    ASSERT_TRUE(
        read("; [name]Hidden[model]hidden[p_sub]0[cswpn]28[damage]1\r\n"
             ";[name]Hidden[model]hidden[p_sub]0[cswpn]28[damage]1\n"
             "[name]AK47[model]ak47[p_sub]z[cswpn]28[damage]\n"
             "[name]Knife[model]knife[p_sub][cswpn]29[damage]\r\n"
             "[name]A[model]a[damage]\n"
             "[damage]1[name]Late[model]late[p_sub]0[cswpn]28\n"
             "[name]NoModel[model][damage]\n"
             "[name]NoDamage[model]nd[p_sub]0[cswpn]28\n"
             "junk before [name] Spaced [model] m4 [p_sub]0[cswpn] 22abc[damage]x[name]y\n"
             "[name]Id31[model]id31[p_sub]0[cswpn]31[damage]\n"
             "[name]Id60[model]id60[p_sub]0[cswpn]60[damage]\n"
             "\n" +
             utf8(u8"[name]沙漠之鹰[model]deagle[p_sub]0[cswpn]26[damage]") +
             "\n[name]Nade[model]he[p_sub]0[cswpn]4[damage]"));
    EXPECT_EQ(weapons(), (std::vector<Weapon>{
                             {"AK47", "ak47", kPrimary},
                             {"Knife", "knife", kMelee},
                             {"A", "", kNoCategory},
                             {" Spaced ", " m4 ", kPrimary},
                             {"Id31", "id31", kNoCategory},
                             {"Id60", "id60", kPrimary},
                             {"沙漠之鹰", "deagle", kSecondary},
                             {"Nade", "he", kHegrenade},
                         }));
    EXPECT_EQ(findWeaponByName("Knife"), 2);
    EXPECT_EQ(findWeaponByName("knife"), 0);
}

TEST_F(CatalogueFile, ChineseNamesAreShownInTheDisplayScript) {
    std::string file = entry(utf8(u8"加特林"), "gatling", 20);
    ASSERT_TRUE(read(file));
    EXPECT_EQ(g.catalogue.displayName[1], "加特林");

    g.languageSelector = kGbkToBig5;
    ASSERT_TRUE(read(file + entry(utf8(u8"军刀"), utf8(u8"刀"), 29)));
    EXPECT_EQ(g.catalogue.displayName[1], convertEncoding("加特林", kGbkToBig5));
    EXPECT_NE(g.catalogue.displayName[1], "加特林");
    // A model name is a file key, not a caption: never converted.
    EXPECT_EQ(g.catalogue.modelName[2], "刀");
}

// The id masks against the game's weapon numbers, all 64 of the ids a mask
// can tell apart.
TEST(WeaponIds, EveryIdFallsInItsCategory) {
    std::map<int, int> named = {
        {3, kPrimary},    {5, kPrimary},    {7, kPrimary},    {8, kPrimary},    {12, kPrimary},
        {13, kPrimary},   {14, kPrimary},   {15, kPrimary},   {18, kPrimary},   {19, kPrimary},
        {20, kPrimary},   {21, kPrimary},   {22, kPrimary},   {23, kPrimary},   {24, kPrimary},
        {27, kPrimary},   {28, kPrimary},   {30, kPrimary},   {1, kSecondary},  {10, kSecondary},
        {11, kSecondary}, {16, kSecondary}, {17, kSecondary}, {26, kSecondary}, {29, kMelee},
        {4, kHegrenade}};
    for (int id = 0; id < 64; ++id) {
        int low = id % 32;
        int expected = named.count(low) != 0 ? named[low] : kNoCategory;
        // Knife and grenade are matched by their exact id, not modulo 32.
        if (id >= 32 && (expected == kMelee || expected == kHegrenade))
            expected = kNoCategory;
        EXPECT_EQ(categoryOfWeaponId(id), expected) << id;
    }
    EXPECT_EQ(textBetween("a[x]b[y]c[y]", "[x]", "[y]"), "b");
    EXPECT_EQ(textBetween("[y]b[x]", "[x]", "[y]"), "");
}

TEST_F(CatalogueFile, PagesHoldFifteenWeaponsOfACategory) {
    // Positions: primaries interleaved with pistols so that page starts are
    // positions in the whole catalogue.
    std::string file;
    for (int i = 1; i <= 31; ++i) {
        file += entry("P" + std::to_string(i), "p" + std::to_string(i), 28);
        if (i <= 16)
            file += entry("S" + std::to_string(i), "s" + std::to_string(i), 26);
    }
    for (int i = 1; i <= 15; ++i) {
        file += entry("K" + std::to_string(i), "k" + std::to_string(i), 29);
    }
    ASSERT_TRUE(read(file));
    // 31 primaries: three pages; the 16th primary is at 31, the 31st at 47.
    EXPECT_EQ(pageStarts(kPrimary), (std::vector<int>{1, 31, 47}));
    // 16 pistols: the second page starts at the 16th (position 32).
    EXPECT_EQ(pageStarts(kSecondary), (std::vector<int>{1, 32}));
    EXPECT_EQ(pageStarts(kMelee), (std::vector<int>{1}));
    EXPECT_EQ(pageStarts(kHegrenade), (std::vector<int>{1}));

    ASSERT_TRUE(read(""));
    EXPECT_EQ(g.catalogue.catalogueCount, 0);
    for (int category = 1; category <= 4; ++category) {
        EXPECT_EQ(pageStarts(category), (std::vector<int>{1}));
    }
}

TEST_F(CatalogueFile, MoreWeaponsThanTheTablesWereSizedForAreAllKept) {
    std::string file;
    for (int i = 1; i <= 700; ++i) {
        int id = i <= 400 ? 28 : (i <= 500 ? 26 : (i <= 540 ? 29 : (i <= 580 ? 4 : 6)));
        file += entry("W" + std::to_string(i), "w" + std::to_string(i), id);
    }
    ASSERT_TRUE(read(file));
    EXPECT_EQ(g.catalogue.catalogueCount, 700);
    EXPECT_EQ(g.catalogue.modelName[700], "w700");
    EXPECT_EQ(g.pages.pageCount[kPrimary], 27);  // 400 weapons
    EXPECT_EQ(g.pages.pageStart[kPrimary][27], 391);
    EXPECT_EQ(g.pages.pageCount[kSecondary], 7);
    EXPECT_EQ(g.pages.pageStart[kSecondary][7], 491);
    EXPECT_EQ(g.pages.pageCount[kMelee], 3);
    EXPECT_EQ(g.pages.pageStart[kMelee][3], 531);
    EXPECT_EQ(g.pages.pageCount[kHegrenade], 3);
    EXPECT_EQ(g.pages.pageStart[kHegrenade][3], 571);

    // A smaller file afterwards: the counts follow it.
    ASSERT_TRUE(read(entry("One", "one", 28)));
    EXPECT_EQ(g.catalogue.catalogueCount, 1);
    EXPECT_EQ(g.pages.pageCount[kPrimary], 1);
}

// 0x00 and 0x1A end a line like a line feed and the reading goes on after
// them, whether the file is read whole or, while another program has it open
// for writing, line by line.
TEST_F(CatalogueFile, StrayBytesEndALineAndTheReadingGoesOn) {
    std::string file = std::string("\0", 1) + entry("One", "one", 28) + std::string("\0\0", 2) +
                       entry("Two", "two", 28) +
                       "[name]Three[model]three[p_sub]0[cswpn]28[damage]\x1A" +
                       entry("Four", "four", 28) + "\x1A";
    for (bool heldByWriter : {false, true}) {
        folder.write("znk_wpn.ini", file);
        FileNumber writer = heldByWriter ? openFile(path(), kOpenReadWrite, kShareReadWrite) : 0;
        ASSERT_TRUE(loadCatalogueFile(path()));
        closeFile(writer);
        std::vector<Text> names;
        for (const Weapon& weapon : weapons())
            names.push_back(weapon.display);
        EXPECT_EQ(names, (std::vector<Text>{"One", "Two", "Three", "Four"})) << heldByWriter;
    }
}

TEST_F(CatalogueFile, ReadOnlyFileReadsAndOnlyAMissingOneFails) {
    folder.write("znk_wpn.ini", entry("Locked", "locked", 28));
    ASSERT_TRUE(setAttributes(path(), kAttrReadOnly));
    ASSERT_TRUE(loadCatalogueFile(path()));
    EXPECT_EQ(g.catalogue.modelName[1], "locked");
    // Reading leaves it as it was, and closed: nobody else holds it open.
    EXPECT_EQ(getAttributes(path()), kAttrReadOnly);
    FileNumber alone = openFile(path(), kOpenRead, kShareExclusive);
    EXPECT_NE(alone, 0);
    closeFile(alone);

    ASSERT_TRUE(setAttributes(path(), 0));
    ASSERT_TRUE(deleteFile(path()));
    EXPECT_FALSE(loadCatalogueFile(path()));
    EXPECT_EQ(g.catalogue.catalogueCount, 1);  // untouched by a failed reading
}

TEST_F(CatalogueFile, ByteOrderMarkKeepsTheFirstLineAComment) {
    ASSERT_TRUE(
        read("\xEF\xBB\xBF;" + entry("Hidden", "hidden", 28) + entry("Shown", "shown", 28)));
    ASSERT_EQ(g.catalogue.catalogueCount, 1);
    EXPECT_EQ(g.catalogue.displayName[1], "Shown");
}

// A later reading in the same run must not show what an earlier one left at
// a position whose line lacks its model or weapon id.
TEST_F(CatalogueFile, SecondReadingLeavesNothingOfTheFirst) {
    ASSERT_TRUE(read(entry("AK47", "ak47", 28) + entry("M4A1", "m4a1", 22)));
    ASSERT_TRUE(read("[name]A[model]a[damage]\n[name]B[model]b[p_sub]0[damage]\n"));
    EXPECT_EQ(weapons(), (std::vector<Weapon>{{"A", "", kNoCategory}, {"B", "b", kNoCategory}}));
    EXPECT_EQ(g.pages.pageCount[kPrimary], 1);
}

}  // namespace
