// The quick-buy editor over a buy-menu file laid out as the game's is: the
// editor opened from the main window, a pack opened, slots filled through
// the weapon chooser from the inventory, and the pack saved or dropped.
#include <gtest/gtest.h>

#include "core/window_ids.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "support/journey.h"

namespace {

using QuickBuyChooser::cellLabel;
using QuickBuyChooser::cellPicture;

const char* const kBuyMenu = "cstrike\\resource\\UI\\MainBuyMenu.res";
const char* const kInventory = "cstrike\\addons\\amxmodx\\configs\\znk_precachewpn.ini";
const Text kTail = "secammo;primammo;flash;flash;sgren;vesthelm;defuser";

const char* const kPacks[5][4] = {
    {"ak47", "deagle", "knife", "hegrenade"},   {"m4a1", "usp", "knife", "hegrenade"},
    {"awp", "deagle", "axe", "hegrenade"},      {"mp5", "glock18", "knife", "hegrenade"},
    {"ak47_dragon", "usp", "axe", "hegrenade"},
};

Text commandOf(const char* const weapons[4]) {
    Text command;
    for (int slot = 0; slot < 4; ++slot)
        command += Text("znk_buy_wpn ") + weapons[slot] + ";";
    return command + kTail;
}

// The game's layout: tab-indented, CR LF, with an LF-only line in every image
// block and no line end after the closing brace.
Bytes gameBuyMenu() {
    Bytes file = "\"Resource/UI/MainBuyMenu.res\"\r\n{\r\n";
    for (int pack = 1; pack <= 5; ++pack) {
        Text n = toText(pack);
        file += "\t\"WeaponPack" + n + "\"\r\n\t{\r\n\t\t\"labelText\"\t\t\"&S 快速购买\"\r\n";
        file += "//WeaponPack" + n + "_command\r\n";
        file += "\t\t\"Command\"\t\t\"" + commandOf(kPacks[pack - 1]) + "\"\r\n\t}\r\n";
        for (int slot = 1; slot <= 3; ++slot) {
            Text k = toText(slot);
            file += "\t\"WeaponPack" + n + "_img" + k + "\"\r\n\t{\n";
            file += "//WeaponPack" + n + "_img" + k + "\r\n";
            file += "\t\t\"image\"\t\t\"gfx/vgui/" + Text(kPacks[pack - 1][slot - 1]) + "\"\r\n";
            file += "\t\t\"scaleImage\"\t\t\"1\"\r\n\t}\r\n";
        }
    }
    return file + "}";
}

// `file` with the line after `marker` (a CR LF line) replaced.
Bytes withLineAfter(Bytes file, const Text& marker, const Text& line) {
    size_t start = file.find(marker + "\r\n") + marker.size() + 2;
    file.replace(start, file.find("\r\n", start) - start, line);
    return file;
}

Bytes withPack(Bytes file, int pack, const char* const weapons[4]) {
    Text marker = "//WeaponPack" + toText(pack);
    file = withLineAfter(file, marker + "_command", "\"Command\" \"" + commandOf(weapons) + "\"");
    for (int slot = 1; slot <= 3; ++slot) {
        file = withLineAfter(file, marker + "_img" + toText(slot),
                             "\"image\" \"gfx/vgui/" + Text(weapons[slot - 1]) + "\"");
    }
    return file;
}

std::string utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

Bytes weaponPicture(const Text& model) {
    return "JPEG of " + model;
}

Text picture(const OffscreenUser& user, WindowId window, OffscreenControl control) {
    return std::get<Text>(user.property(window, control, kPicture));
}

// Whether a slot shows a weapon's picture rather than its placeholder.
bool showsWeapon(const OffscreenUser& user, WindowId window, OffscreenControl control) {
    return picture(user, window, control).starts_with("JPEG of ");
}

class QuickBuyJourney : public LauncherJourney {
  public:
    QuickBuyJourney() {
        folder.write(kBuyMenu, gameBuyMenu());
        // m4a1 twice: the chooser names a model after its later entry.
        folder.write("cstrike\\addons\\amxmodx\\configs\\znk_wpn.ini",
                     utf8(u8"[name]M4A1 旧款[model]m4a1[p_sub]0[cswpn]22[damage]1\r\n"
                          u8"[name]AK-47[model]ak47[p_sub]0[cswpn]28[damage]1\r\n"
                          u8"[name]M4A1 卡宾枪[model]m4a1[p_sub]1[cswpn]22[damage]1\r\n"
                          u8"[name]USP[model]usp[p_sub]0[cswpn]16[damage]1\r\n"));
        setInventory("RIFLES=m4a1,ak47,\r\nPISTOLS=usp,\r\nHEGRENADES=\r\n");
        for (const char* model : {"ak47", "m4a1", "awp", "mp5", "ak47_dragon", "deagle", "usp",
                                  "glock18", "knife", "axe", "hegrenade"}) {
            folder.write(std::string("wpnpics\\") + model + ".jpg", weaponPicture(model));
        }
    }

    void setInventory(const std::string& items) {
        folder.write(kInventory, "[My Weapons]\r\nLOADALLSHOPWEAPON=0\r\n" + items);
    }

    // Opens the editor from the main window as the player does and runs
    // `script` in it.
    void inEditor(OffscreenScript script) {
        system.onWindow(MainWindow::kId, [](OffscreenUser& user) {
            EXPECT_TRUE(user.click(MainWindow::按钮3));
            user.closeBox();
        });
        system.onWindow(QuickBuyEditor::kId, std::move(script));
        run();
    }
    void inPackEditor(OffscreenScript script) {
        system.onWindow(PackEditor::kId, std::move(script));
    }
    void inChooser(OffscreenScript script) {
        system.onWindow(QuickBuyChooser::kId, std::move(script));
    }

    Bytes buyMenu() const { return folder.read(kBuyMenu); }
    Text buyMenuPath() const { return folder.path() + "\\" + kBuyMenu; }

    // Whether someone holds the file: an exclusive open fails while anyone does.
    bool buyMenuHeld() const {
        FileNumber file = openFile(buyMenuPath(), kOpenRead, kShareExclusive);
        closeFile(file);
        return file == 0;
    }
};

// Picks the cell showing `model` (by its tag) in the chooser.
void pickModel(OffscreenUser& user, const Text& model) {
    for (int cell = 1; cell <= 20; ++cell) {
        if (std::get<Text>(user.property(cellLabel(cell), kPropTag)) == model) {
            EXPECT_TRUE(user.pressPicture(cellPicture(cell)));
            return;
        }
    }
    ADD_FAILURE() << "no cell offers " << model;
}

TEST(QuickBuy, EditingAPackThroughTheChooserRewritesItsFourLinesAndNothingElse) {
    QuickBuyJourney journey;
    journey.inChooser([](OffscreenUser& user) {
        EXPECT_EQ(user.text(0), "");
        EXPECT_EQ(user.text(cellLabel(1)), "M4A1 卡宾枪");
        EXPECT_EQ(user.text(cellLabel(2)), "AK-47");
        EXPECT_EQ(picture(user, user.window(), cellPicture(2)), weaponPicture("ak47"));
        for (int cell = 1; cell <= 20; ++cell) {
            EXPECT_EQ(std::get<int>(user.property(cellPicture(cell), kPropVisible)), cell <= 2);
            EXPECT_EQ(std::get<int>(user.property(cellLabel(cell), kPropVisible)), cell <= 2);
        }
        EXPECT_TRUE(user.pressPicture(cellPicture(2)));
        EXPECT_FALSE(user.windowOpen());
    });
    journey.inPackEditor([&](OffscreenUser& user) {
        EXPECT_EQ(user.text(0), "正在编辑快速购买栏[3]");
        EXPECT_EQ(picture(user, PackEditor::kId, PackEditor::图片框2), weaponPicture("awp"));
        EXPECT_EQ(picture(user, PackEditor::kId, PackEditor::图片框5), weaponPicture("hegrenade"));
        EXPECT_TRUE(user.pressPicture(PackEditor::图片框2));
        EXPECT_EQ(picture(user, PackEditor::kId, PackEditor::图片框2), weaponPicture("ak47"));
        // Nothing reaches the file before "保存".
        EXPECT_EQ(journey.buyMenu(), gameBuyMenu());
        EXPECT_TRUE(user.click(PackEditor::按钮2));
        EXPECT_FALSE(user.windowOpen());
    });
    journey.inEditor([&](OffscreenUser& user) {
        EXPECT_EQ(picture(user, user.window(), QuickBuyEditor::packSlot(3, 1)),
                  weaponPicture("awp"));
        EXPECT_EQ(picture(user, user.window(), QuickBuyEditor::packSlot(3, 4)),
                  weaponPicture("hegrenade"));
        EXPECT_TRUE(journey.buyMenuHeld());

        EXPECT_TRUE(user.click(QuickBuyEditor::packButton(3)));
        // The editor shows the saved pack, and holds the file again.
        EXPECT_EQ(picture(user, user.window(), QuickBuyEditor::packSlot(3, 1)),
                  weaponPicture("ak47"));
        EXPECT_TRUE(journey.buyMenuHeld());
        EXPECT_TRUE(user.click(QuickBuyEditor::按钮6));
        EXPECT_FALSE(user.windowOpen());
        EXPECT_FALSE(journey.buyMenuHeld());
    });

    const char* const saved[4] = {"ak47", "deagle", "axe", "hegrenade"};
    EXPECT_EQ(journey.buyMenu(), withPack(gameBuyMenu(), 3, saved));
}

TEST(QuickBuy, CancelEscAndTheCloseBoxLeaveTheFileByteForByte) {
    QuickBuyJourney journey;
    journey.setLanguage("0");
    for (int choice = 0; choice < 2; ++choice)
        journey.inChooser([](OffscreenUser& user) { pickModel(user, "usp"); });
    journey.inPackEditor([&](OffscreenUser& user) {
        EXPECT_EQ(user.text(0), convertEncoding("正在编辑快速购买栏[1]", kGbkToBig5));
        EXPECT_EQ(user.text(PackEditor::按钮1), convertEncoding("取消", kGbkToBig5));
        EXPECT_TRUE(user.pressPicture(PackEditor::图片框3));
        EXPECT_EQ(picture(user, PackEditor::kId, PackEditor::图片框3), weaponPicture("usp"));
        EXPECT_TRUE(user.click(PackEditor::按钮1));
        EXPECT_FALSE(user.windowOpen());
    });
    journey.inPackEditor([&](OffscreenUser& user) {
        // The pack opens again as the file has it: the dropped choice is gone.
        EXPECT_EQ(picture(user, PackEditor::kId, PackEditor::图片框3), weaponPicture("deagle"));
        EXPECT_TRUE(user.pressPicture(PackEditor::图片框3));
        EXPECT_TRUE(user.pressEsc());
    });
    journey.inEditor([&](OffscreenUser& user) {
        EXPECT_EQ(user.text(QuickBuyEditor::packLabel(1)),
                  convertEncoding("快速购买S", kGbkToBig5));
        EXPECT_TRUE(user.click(QuickBuyEditor::packButton(1)));
        EXPECT_TRUE(user.click(QuickBuyEditor::packButton(1)));
        EXPECT_TRUE(journey.buyMenuHeld());
        user.closeBox();
    });
    EXPECT_EQ(journey.buyMenu(), gameBuyMenu());
    // Closed by its close box, the editor let the file go all the same.
    EXPECT_FALSE(journey.buyMenuHeld());
}

TEST(QuickBuy, ChooserOffersUpToTwentyOwnedWeaponsOfTheSlotsCategory) {
    QuickBuyJourney journey;
    std::string rifles = "RIFLES=";
    for (int n = 1; n <= 25; ++n)
        rifles += "r" + std::to_string(n) + (n == 3 ? ",," : n == 4 ? ", " : ",");
    // Names the buy-menu file could not hold are not offered.
    journey.setInventory(rifles + "bad\"name,a;quit,\r\nPISTOLS=usp,\r\nKNIFES=\r\n");
    journey.inChooser([](OffscreenUser& user) {
        for (int cell = 1; cell <= 20; ++cell) {
            Text model = "r" + toText(cell);
            EXPECT_EQ(std::get<Text>(user.property(cellLabel(cell), kPropTag)), model);
            // Not in the catalogue: the caption is the model's own name.
            EXPECT_EQ(user.text(cellLabel(cell)), model);
            EXPECT_EQ(std::get<int>(user.property(cellPicture(cell), kPropVisible)), 1);
        }
        EXPECT_TRUE(user.pressPicture(cellPicture(20)));
    });
    journey.inChooser([](OffscreenUser&) { ADD_FAILURE() << "no knives are owned"; });
    journey.inChooser([](OffscreenUser&) { ADD_FAILURE() << "no grenades are owned"; });
    journey.inPackEditor([&](OffscreenUser& user) {
        EXPECT_TRUE(user.pressPicture(PackEditor::图片框2));
        // An empty or missing category warns, and the chooser never shows.
        EXPECT_TRUE(user.pressPicture(PackEditor::图片框4));
        EXPECT_TRUE(user.pressPicture(PackEditor::图片框5));
        EXPECT_TRUE(user.windowOpen());
        user.click(PackEditor::按钮2);
    });
    journey.inEditor([](OffscreenUser& user) {
        EXPECT_TRUE(user.click(QuickBuyEditor::packButton(5)));
        user.click(QuickBuyEditor::按钮6);
    });

    ASSERT_EQ(journey.system.messageBoxes.size(), 2u);
    for (const RecordedMessageBox& box : journey.system.messageBoxes) {
        EXPECT_EQ(box.message, "仓库中没有此类武器！");
        EXPECT_EQ(box.caption, "警告");
        EXPECT_EQ(box.flags, 48);
    }
    const char* const saved[4] = {"r20", "usp", "axe", "hegrenade"};
    EXPECT_EQ(journey.buyMenu(), withPack(gameBuyMenu(), 5, saved));
}

// Pack 1 lacks its command marker, pack 2 its image markers (and its first
// slot is empty), pack 3's command line names only two slots, pack 4's has
// no quoted value, pack 5's command marker has a trailing blank; pack 1's
// image marker opens the file.
Bytes brokenBuyMenu() {
    return "//WeaponPack1_img1\r\nold image 1\r\n"
           "//WeaponPack1_img2\r\nold image 2\r\n"
           "//WeaponPack2_command\r\n\t\"Command\"\t\";znk_buy_wpn usp;"
           "znk_buy_wpn knife;znk_buy_wpn hegrenade;\"\r\n"
           "//WeaponPack3_command\r\n\"Command\" \"znk_buy_wpn awp;znk_buy_wpn deagle\"\r\n"
           "//WeaponPack3_img3\r\nold image 3.3\r\n"
           "//WeaponPack4_command\r\n\"Command\" znk_buy_wpn mp5;a;b;c;\r\n"
           "//WeaponPack5_command \r\n\"Command\" \"znk_buy_wpn ak47;a;b;c;\"\r\n";
}

TEST(QuickBuy, BrokenPacksShowEmptyAndSaveOnlyWhereTheirMarkersAre) {
    QuickBuyJourney journey;
    journey.folder.write(kBuyMenu, brokenBuyMenu());
    journey.inChooser([](OffscreenUser& user) { pickModel(user, "ak47"); });
    journey.inPackEditor([&](OffscreenUser& user) {
        EXPECT_FALSE(showsWeapon(user, PackEditor::kId, PackEditor::图片框2));
        EXPECT_TRUE(user.pressPicture(PackEditor::图片框2));
        user.click(PackEditor::按钮2);
    });
    journey.inPackEditor([&](OffscreenUser& user) { user.click(PackEditor::按钮2); });
    journey.inChooser([](OffscreenUser& user) { pickModel(user, "usp"); });
    journey.inPackEditor([&](OffscreenUser& user) {
        // A slot chosen in a pack that named none: the others are written empty.
        EXPECT_TRUE(user.pressPicture(PackEditor::图片框3));
        user.click(PackEditor::按钮2);
    });
    journey.inPackEditor([&](OffscreenUser& user) { user.click(PackEditor::按钮2); });
    journey.inEditor([&](OffscreenUser& user) {
        // Pack 2 reads well without its image markers, its empty slot shows
        // no weapon; the other packs show nothing.
        EXPECT_EQ(picture(user, user.window(), QuickBuyEditor::packSlot(2, 2)),
                  weaponPicture("usp"));
        for (int pack = 1; pack <= 5; ++pack) {
            EXPECT_FALSE(showsWeapon(user, user.window(), QuickBuyEditor::packSlot(pack, 1)))
                << pack;
            if (pack != 4) {
                EXPECT_TRUE(user.click(QuickBuyEditor::packButton(pack)));
            }
        }
        user.click(QuickBuyEditor::按钮6);
    });

    Bytes expected = brokenBuyMenu();
    auto replace = [&](const Text& old, const Text& now) {
        size_t at = expected.find(old);
        ASSERT_NE(at, Bytes::npos) << old;
        expected.replace(at, old.size(), now);
    };
    replace("old image 1", "\"image\" \"gfx/vgui/ak47\"");
    replace("old image 2", "\"image\" \"gfx/vgui/\"");
    // Written back without its indentation, the empty slot as the command word alone.
    replace("\t\"Command\"\t\";znk_buy_wpn usp;znk_buy_wpn knife;znk_buy_wpn hegrenade;\"",
            "\"Command\" \"znk_buy_wpn ;znk_buy_wpn usp;znk_buy_wpn knife;znk_buy_wpn hegrenade;" +
                kTail + "\"");
    replace("\"Command\" \"znk_buy_wpn awp;znk_buy_wpn deagle\"",
            "\"Command\" \"znk_buy_wpn ;znk_buy_wpn usp;znk_buy_wpn ;znk_buy_wpn ;" + kTail + "\"");
    replace("old image 3.3", "\"image\" \"gfx/vgui/\"");
    EXPECT_EQ(journey.buyMenu(), expected);
}

// A write-protected file is read like any other; a save into it says why
// it failed and keeps the player's choices open until the file takes them.
TEST(QuickBuy, AWriteProtectedFileShowsItsPacksAndRefusesTheSaveAloud) {
    QuickBuyJourney journey;
    const char* const saved[4] = {"ak47", "glock18", "knife", "hegrenade"};
    const Bytes saveTarget = withPack(gameBuyMenu(), 4, saved);
    ASSERT_TRUE(setAttributes(journey.buyMenuPath(), kAttrReadOnly));
    journey.inChooser([](OffscreenUser& user) { pickModel(user, "ak47"); });
    journey.inPackEditor([&](OffscreenUser& user) {
        EXPECT_TRUE(user.pressPicture(PackEditor::图片框2));
        EXPECT_TRUE(user.click(PackEditor::按钮2));
        EXPECT_EQ(journey.buyMenu(), gameBuyMenu());
        EXPECT_TRUE(user.windowOpen());
        ASSERT_EQ(journey.system.messageBoxes.size(), 1u);
        EXPECT_EQ(journey.system.messageBoxes[0].message,
                  "文件无法写入：cstrike\\resource\\UI\\MainBuyMenu.res\n请检查该文件是否为只读。");
        EXPECT_EQ(picture(user, QuickBuyEditor::kId, QuickBuyEditor::packSlot(4, 1)),
                  weaponPicture("mp5"));
        EXPECT_TRUE(journey.buyMenuHeld());
        // Writable again, the same choices save.
        ASSERT_TRUE(setAttributes(journey.buyMenuPath(), 0));
        EXPECT_TRUE(user.click(PackEditor::按钮2));
        EXPECT_EQ(journey.buyMenu(), saveTarget);
        EXPECT_FALSE(user.windowOpen());
    });
    journey.inEditor([&](OffscreenUser& user) {
        for (int pack = 1; pack <= 5; ++pack) {
            EXPECT_EQ(picture(user, user.window(), QuickBuyEditor::packSlot(pack, 1)),
                      weaponPicture(kPacks[pack - 1][0]));
        }
        EXPECT_TRUE(journey.buyMenuHeld());
        EXPECT_TRUE(user.click(QuickBuyEditor::packButton(4)));
        EXPECT_EQ(picture(user, user.window(), QuickBuyEditor::packSlot(4, 1)),
                  weaponPicture("ak47"));
        user.click(QuickBuyEditor::按钮6);
    });
    EXPECT_EQ(journey.buyMenu(), saveTarget);
    EXPECT_EQ(journey.system.messageBoxes.size(), 1u);
}

TEST(QuickBuy, AMissingBuyMenuShowsNothingAndIsNeverCreated) {
    QuickBuyJourney journey;
    ASSERT_TRUE(deleteFile(journey.buyMenuPath()));
    journey.inChooser([](OffscreenUser& user) { pickModel(user, "m4a1"); });
    journey.inPackEditor([&](OffscreenUser& user) {
        EXPECT_TRUE(user.pressPicture(PackEditor::图片框2));
        EXPECT_TRUE(user.click(PackEditor::按钮2));
        EXPECT_FALSE(user.windowOpen());
    });
    journey.inEditor([&](OffscreenUser& user) {
        EXPECT_TRUE(user.click(QuickBuyEditor::packButton(1)));
        user.click(QuickBuyEditor::按钮6);
    });
    EXPECT_FALSE(journey.folder.exists(kBuyMenu));
}

}  // namespace
