// Reading znk_wpn.ini into the catalogue and its page tables, straight from a
// file: which lines make weapons and what each gets, and that odd files
// (read-only, held open by a writer, stray control bytes, more weapons than
// the tables were sized for, a second reading) still give a sound catalogue.
#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <string_view>
#include <vector>

#include "core/globals.h"
#include "platform/encoding.h"
#include "platform/files.h"
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

std::string numbered(const char* stem, int count, int id) {
    std::string lines;
    for (int i = 1; i <= count; ++i)
        lines += entry(stem + std::to_string(i), "m", id);
    return lines;
}

struct Weapon {
    Text display;
    Text model;
    int category;
    bool operator==(const Weapon&) const = default;
};

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

    static std::vector<Weapon> weapons() {
        std::vector<Weapon> all;
        for (int at = 1; at <= g.catalogue.catalogueCount; ++at) {
            all.push_back(
                {g.catalogue.displayName[at], g.catalogue.modelName[at], g.catalogue.category[at]});
        }
        return all;
    }
    static std::vector<int> pageStarts(int category) {
        std::vector<int> starts;
        for (int page = 1; page <= g.pages.pageCount[category]; ++page) {
            starts.push_back(g.pages.pageStart[category][page]);
        }
        return starts;
    }

    TempFolder folder;
};

TEST_F(CatalogueFile, LinesBecomeWeaponsOnlyWithTheirMarkersInOrder) {
    // A byte-order mark must not turn the first comment into a weapon.
    std::string file =
        "\xEF\xBB\xBF;[name]Hidden[model]hidden[p_sub]0[cswpn]28[damage]\r\n"
        "[name]AK47[model]ak47[p_sub]z[cswpn]28[damage]\n"
        "[name]Knife[model]knife[p_sub][cswpn]29[damage]\r\n"
        "[name]A[model]a[damage]\n"
        "[damage]1[name]Late[model]late[p_sub]0[cswpn]28\n"
        "[name]NoModel[model][damage]\n"
        "junk [name] Spaced [model] m4 [p_sub]0[cswpn] 22abc[damage]x[name]y\n"
        "[name]Id31[model]id31[p_sub]0[cswpn]31[damage]\n"
        "[name]Id60[model]id60[p_sub]0[cswpn]60[damage]\n\n" +
        entry(utf8(u8"沙漠之鹰"), utf8(u8"鹰"), 26) + "[name]Nade[model]he[p_sub]0[cswpn]4[damage]";
    ASSERT_TRUE(read(file));
    EXPECT_EQ(weapons(), (std::vector<Weapon>{
                             {"AK47", "ak47", kPrimary},
                             {"Knife", "knife", kMelee},
                             {"A", "", kNoCategory},
                             {" Spaced ", " m4 ", kPrimary},
                             {"Id31", "id31", kNoCategory},
                             {"Id60", "id60", kPrimary},
                             {"沙漠之鹰", "鹰", kSecondary},
                             {"Nade", "he", kHegrenade},
                         }));
    EXPECT_EQ(findWeaponByName("Knife"), 2);
    EXPECT_EQ(findWeaponByName("knife"), 0);

    // Shown in traditional script, names are converted once more; a model
    // name is a file key, not a caption, and stays as it was.
    g.languageSelector = kGbkToBig5;
    ASSERT_TRUE(read(file));
    EXPECT_EQ(g.catalogue.displayName[7], convertEncoding("沙漠之鹰", kGbkToBig5));
    EXPECT_NE(g.catalogue.displayName[7], "沙漠之鹰");
    EXPECT_EQ(g.catalogue.modelName[7], "鹰");
}

// The catalogue as the simplest reading of the file gives it: each line by
// readLine, converted whole, cut with findText and splitText.
std::vector<Weapon> readLineByLine(const std::string& path) {
    std::vector<Weapon> weapons;
    FileNumber file = openFile(path, kOpenRead);
    bool first = true;
    while (!atEndOfFile(file) && weapons.size() < static_cast<size_t>(kMaxWeapons)) {
        long long before = filePosition(file);
        Text line = readLine(file);
        if (filePosition(file) == before) {
            seekFile(file, kSeekCurrent, 1);
            continue;
        }
        if (first && line.starts_with("\xEF\xBB\xBF"))
            line.erase(0, 3);
        first = false;
        if (line.find("[name]") == Text::npos || line.find("[damage]") == Text::npos)
            continue;
        line = utf8ToGbk(line);
        int start = findText(line, "[name]");
        if (line[0] == ';' || start < 1)
            continue;
        Text rest = line.substr(static_cast<size_t>(start) + 5);
        int end = findText(rest, "[damage]");
        TextList names = splitText(end < 1 ? Text() : rest.substr(0, end - 1), "[model]");
        if (names.count() < 2)
            continue;
        Weapon weapon{names[1], "", kNoCategory};
        TextList models = splitText(names[2], "[p_sub]");
        if (models.count() >= 2) {
            weapon.model = models[1];
            TextList ids = splitText(models[2], "[cswpn]");
            if (ids.count() >= 2)
                weapon.category = categoryOfWeaponId(toInteger(ids[2]));
        }
        weapons.push_back(weapon);
    }
    closeFile(file);
    return weapons;
}

// Lines put together from markers, Chinese, a full-width 1, the euro sign
// (one byte in GBK), stray and broken bytes and line ends read the same as
// by the simplest reading.
TEST_F(CatalogueFile, AnyLinesReadAsLineByLine) {
    using namespace std::string_view_literals;
    std::vector<std::string> pieces;
    for (auto piece : std::views::split(
             "[name]|[model]|[p_sub]|[cswpn]|[damage]|[|name]|2|8|-| |;|\xEF\xBB\xBF|"
             "\xE4\xB8\xAD|\xEF\xBC\x91|\xE2\x82\xAC|\xFF|\xE4\xB8|e\xCC\x81|\r\n|\n|\0|\x1A|\r"sv,
             '|'))
        pieces.emplace_back(piece.begin(), piece.end());
    const auto kPieces = static_cast<unsigned>(pieces.size());
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::string file;
        unsigned state = seed;
        for (int i = 0; i < 60; ++i) {
            state = state * 1103515245u + 12345u;
            unsigned pick = (state >> 16) % (2 * kPieces);
            // Half the picks are one of the five markers, so that many lines hold weapons.
            file += pick < kPieces ? pieces[pick] : pieces[pick % 5];
        }
        ASSERT_TRUE(read(file));
        ASSERT_EQ(weapons(), readLineByLine(path())) << seed;
    }
}

// The id masks against the game's weapon numbers, for every id a mask can
// tell apart; knife and grenade are matched by their exact id.
TEST(WeaponIds, EveryIdFallsInItsCategory) {
    const std::vector<int> primary = {3,  5,  7,  8,  12, 13, 14, 15, 18,
                                      19, 20, 21, 22, 23, 24, 27, 28, 30};
    const std::vector<int> secondary = {1, 10, 11, 16, 17, 26};
    for (int id = 0; id < 64; ++id) {
        auto in = [id](const std::vector<int>& ids) {
            return std::find(ids.begin(), ids.end(), id % 32) != ids.end();
        };
        int expected = in(primary)     ? kPrimary
                       : in(secondary) ? kSecondary
                       : id == 29      ? kMelee
                       : id == 4       ? kHegrenade
                                       : kNoCategory;
        EXPECT_EQ(categoryOfWeaponId(id), expected) << id;
    }
}

TEST_F(CatalogueFile, PagesHoldFifteenWeaponsOfACategory) {
    // Primaries and pistols alternate, so page starts are whole-catalogue positions.
    std::string file;
    for (int i = 1; i <= 31; ++i) {
        file += entry("P", "p", 28) + (i <= 16 ? entry("S", "s", 26) : "");
    }
    ASSERT_TRUE(read(file + numbered("K", 15, 29)));
    EXPECT_EQ(pageStarts(kPrimary), (std::vector<int>{1, 31, 47}));  // 31 weapons
    EXPECT_EQ(pageStarts(kSecondary), (std::vector<int>{1, 32}));    // 16
    EXPECT_EQ(pageStarts(kMelee), (std::vector<int>{1}));            // 15
    EXPECT_EQ(pageStarts(kHegrenade), (std::vector<int>{1}));        // none

    ASSERT_TRUE(read(""));
    EXPECT_EQ(g.catalogue.catalogueCount, 0);
    EXPECT_EQ(pageStarts(kPrimary), (std::vector<int>{1}));
}

TEST_F(CatalogueFile, MoreWeaponsThanTheTablesWereSizedForAreAllKept) {
    ASSERT_TRUE(read(numbered("P", 400, 28) + numbered("S", 100, 26) + numbered("K", 40, 29) +
                     numbered("G", 40, 4) + numbered("C", 120, 6)));
    EXPECT_EQ(g.catalogue.catalogueCount, 700);
    EXPECT_EQ(g.catalogue.displayName[700], "C120");
    EXPECT_EQ(g.pages.pageCount[kPrimary], 27);
    EXPECT_EQ(g.pages.pageStart[kPrimary][27], 391);
    EXPECT_EQ(g.pages.pageStart[kSecondary][7], 491);
    EXPECT_EQ(g.pages.pageStart[kMelee][3], 531);
    EXPECT_EQ(g.pages.pageStart[kHegrenade][3], 571);

    // A second reading shows nothing of the first where a line lacks its
    // model or weapon id.
    ASSERT_TRUE(read("[name]A[model]a[damage]\n[name]B[model]b[p_sub]0[damage]\n"));
    EXPECT_EQ(weapons(), (std::vector<Weapon>{{"A", "", kNoCategory}, {"B", "b", kNoCategory}}));
    EXPECT_EQ(g.pages.pageCount[kPrimary], 1);
}

// 0x00 and 0x1A end a line like a line feed and the reading goes on after
// them, also while another program holds the file open for writing.
TEST_F(CatalogueFile, StrayBytesEndALineAndTheReadingGoesOn) {
    std::string file = std::string("\0", 1) + entry("One", "one", 28) + std::string("\0\0", 2) +
                       "[name]Two[model]two[p_sub]0[cswpn]28[damage]\x1A" +
                       entry("Three", "t", 28) + "\x1A";
    for (bool heldByWriter : {false, true}) {
        folder.write("znk_wpn.ini", file);
        FileNumber writer = heldByWriter ? openFile(path(), kOpenReadWrite, kShareReadWrite) : 0;
        ASSERT_TRUE(loadCatalogueFile(path()));
        closeFile(writer);
        ASSERT_EQ(g.catalogue.catalogueCount, 3) << heldByWriter;
        EXPECT_EQ(g.catalogue.displayName[3], "Three");
    }
}

TEST_F(CatalogueFile, ReadOnlyFileReadsAndOnlyAMissingOneFails) {
    folder.write("znk_wpn.ini", entry("Locked", "locked", 28));
    ASSERT_TRUE(setAttributes(path(), kAttrReadOnly));
    ASSERT_TRUE(loadCatalogueFile(path()));
    EXPECT_EQ(g.catalogue.modelName[1], "locked");
    // Left closed: nobody else holds it open.
    FileNumber alone = openFile(path(), kOpenRead, kShareExclusive);
    EXPECT_NE(alone, 0);
    closeFile(alone);

    ASSERT_TRUE(setAttributes(path(), 0));
    ASSERT_TRUE(deleteFile(path()));
    EXPECT_FALSE(loadCatalogueFile(path()));
    EXPECT_EQ(g.catalogue.catalogueCount, 1);  // untouched by a failed reading
}

}  // namespace
