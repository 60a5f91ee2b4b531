// The weapon warehouse as the player meets it: the editor from the main
// window's 按钮2, its delayed catalogue reading, the warehouse switch, and
// category edits in the picker, checked against the inventory file.
#include <gtest/gtest.h>

#include "core/window_ids.h"
#include "platform/dialogs.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "support/journey.h"

namespace {

const std::string kCatalogue = "cstrike\\addons\\amxmodx\\configs\\znk_wpn.ini";
const std::string kInventory = "cstrike\\addons\\amxmodx\\configs\\znk_precachewpn.ini";

constexpr const char* kSwitchOn = "点击关闭仓库，加载所有枪支，可能会载入游戏返回初始界面";
constexpr const char* kSwitchOff = "点击开启仓库，加载仓库枪支，避免无法进入地图的问题";

std::string entry(const std::string& display, const std::string& model, int id) {
    return "[name]" + display + "[model]" + model + "[p_sub]0[cswpn]" + std::to_string(id) +
           "[damage]1.0\r\n";
}

// Opens the editor once per script; each runs as the player in that opening.
void openEditor(LauncherJourney& journey, std::vector<OffscreenScript> openings) {
    size_t times = openings.size();
    journey.system.onWindow(MainWindow::kId, [times](OffscreenUser& user) {
        for (size_t i = 0; i < times; ++i)
            user.click(MainWindow::按钮2);
        user.closeBox();
    });
    for (OffscreenScript& script : openings) {
        journey.system.onWindow(WarehouseEditor::kId, std::move(script));
    }
    journey.run();
}

// Chooses a category item in the editor and opens the picker, run by `picker`.
void editCategory(LauncherJourney& journey, OffscreenUser& editor, int item,
                  OffscreenScript picker) {
    journey.system.onWindow(WeaponSelection::kId, std::move(picker));
    editor.chooseItem("组合框1", item);
    EXPECT_TRUE(editor.click("PRI"));
}

bool enabled(OffscreenUser& user, OffscreenControl control) {
    return std::get<int>(user.property(control, kPropDisabled)) == 0;
}

ControlId box(int cell) {
    return WeaponSelection::cellCheckBox(cell);
}

// The captions of the 15 cells: the weapons given, then "空".
std::vector<Text> captions(OffscreenUser& picker) {
    std::vector<Text> all;
    for (int cell = 1; cell <= WeaponSelection::kCells; ++cell) {
        all.push_back(std::get<Text>(picker.property(box(cell), kCheckBoxCaption)));
    }
    return all;
}
std::vector<Text> page(std::vector<Text> weapons) {
    weapons.resize(WeaponSelection::kCells, "空");
    return weapons;
}

Bytes picture(OffscreenUser& picker, int cell) {
    return std::get<Text>(picker.property(WeaponSelection::cellPicture(cell), kPicture));
}

TEST(WarehouseEditor, CatalogueIsReadAndPriEnabledOnlyWhenTheTimerFires) {
    LauncherJourney journey;
    journey.folder.write(kCatalogue, entry("AK47", "ak47", 28));
    auto firstOpening = [&](OffscreenUser& editor) {
        EXPECT_EQ(editor.text("标签1"), "ZNK仓库编辑器");
        EXPECT_EQ(editor.text("标签3"), "选择要编辑的项目");
        EXPECT_EQ(editor.text("PRI"), "编辑武器");
        EXPECT_EQ(editor.items("组合框1"),
                  (std::vector<Text>{"Primary", "Secondary", "Melee", "Hegrenade "}));
        EXPECT_EQ(comboItemNumber(editor.ref("组合框1"), 3), 4);
        EXPECT_EQ(std::get<int>(editor.property("组合框1", kComboSelected)), 0);

        editor.advanceClock(2999);
        EXPECT_FALSE(editor.click("PRI"));
        EXPECT_EQ(editor.text("标签2"), "正在处理数据....");
        editor.advanceClock(1);
        EXPECT_TRUE(enabled(editor, "PRI"));
        EXPECT_EQ(editor.text("标签2"), "武器读取成功！");
        EXPECT_EQ(std::get<int>(editor.property("时钟1", kTimerInterval)), 0);
        // Read once per opening: a later change waits for the next one.
        journey.folder.write(kCatalogue, entry("M4A1", "m4a1", 22));
        editor.advanceClock(10000);
        editCategory(journey, editor, 0,
                     [](OffscreenUser& picker) { EXPECT_EQ(captions(picker), page({"AK47"})); });
    };
    auto secondOpening = [&](OffscreenUser& editor) {
        EXPECT_FALSE(enabled(editor, "PRI"));
        EXPECT_EQ(editor.text("标签2"), "正在处理数据....");
        EXPECT_EQ(editor.items("组合框1").size(), 4u);
        editor.advanceClock(3000);
        editCategory(journey, editor, 0,
                     [](OffscreenUser& picker) { EXPECT_EQ(captions(picker), page({"M4A1"})); });
    };
    openEditor(journey, {firstOpening, secondOpening});
    EXPECT_EQ(journey.system.openedWindows.size(), 5u);
}

TEST(WarehouseEditor, SwitchTogglesTheKeyWithoutWaitingForTheCatalogue) {
    LauncherJourney journey;
    journey.folder.write(kCatalogue, "");  // the configs folder, with no inventory file
    Text path = journey.folder.path() + "\\" + kInventory;
    auto clickWith = [&](OffscreenUser& editor, const char* stored) {
        if (stored != nullptr)
            writeIniItem(path, "My Weapons", "LOADALLSHOPWEAPON", stored);
        editor.click("按钮2");
        return readIniItem(path, "My Weapons", "LOADALLSHOPWEAPON", "-");
    };
    openEditor(journey, {[&](OffscreenUser& editor) {
                   EXPECT_EQ(editor.text("按钮2"), kSwitchOff);
                   EXPECT_EQ(clickWith(editor, nullptr), "1");
                   EXPECT_EQ(editor.text("按钮2"), kSwitchOn);
                   EXPECT_EQ(clickWith(editor, nullptr), "0");
                   EXPECT_EQ(editor.text("按钮2"), kSwitchOff);
                   EXPECT_EQ(clickWith(editor, "abc"), "1");
                   EXPECT_EQ(clickWith(editor, "5"), "-4");
                   EXPECT_EQ(editor.text("按钮2"), kSwitchOff);
                   EXPECT_EQ(clickWith(editor, "-2147483648"), "2147483649");
                   EXPECT_EQ(editor.text("按钮2"), kSwitchOn);
               }});

    // Texts in traditional script, the status and the empty slots' too; the
    // category names stay as stored.
    LauncherJourney traditional;
    traditional.setLanguage("0");
    traditional.folder.write(kCatalogue, "");
    openEditor(traditional, {[&](OffscreenUser& editor) {
                   EXPECT_EQ(editor.text("标签1"), convertEncoding("ZNK仓库编辑器", kGbkToBig5));
                   EXPECT_EQ(editor.text("按钮2"), convertEncoding(kSwitchOff, kGbkToBig5));
                   EXPECT_EQ(editor.items("组合框1")[3], "Hegrenade ");
                   editor.advanceClock(3000);
                   EXPECT_EQ(editor.text("标签2"), convertEncoding("武器读取成功！", kGbkToBig5));
                   editCategory(traditional, editor, 0, [](OffscreenUser& picker) {
                       EXPECT_EQ(captions(picker)[0], convertEncoding("空", kGbkToBig5));
                   });
               }});
}

TEST(WarehouseEditor, MeleeEditPicksTwoKnivesFromAReadOnlyCatalogue) {
    LauncherJourney journey;
    auto utf8 = [](const char8_t* text) {
        return std::string(reinterpret_cast<const char*>(text));
    };
    journey.folder.write(
        kCatalogue, entry("AK47", "ak47", 28) + entry(utf8(u8"军刀"), "knife", 29) +
                        entry(utf8(u8"开山斧"), "axe", 29) + entry(utf8(u8"武士刀"), "katana", 29));
    ASSERT_TRUE(setAttributes(journey.folder.path() + "\\" + kCatalogue, kAttrReadOnly));
    journey.folder.write("wpnpics\\knife.jpg", "knife picture");
    journey.folder.write("wpnpics\\empty.jpg", "empty picture");
    const std::string head = "[My Weapons]\r\nLOADALLSHOPWEAPON=1\r\nRIFLES=ak47,\r\n";
    journey.folder.write(kInventory, head + "KNIFES=old,\r\n");
    openEditor(journey, {[&](OffscreenUser& editor) {
                   editor.advanceClock(3000);
                   editCategory(journey, editor, 2, [&](OffscreenUser& picker) {
                       // The old list is gone as soon as the edit starts.
                       EXPECT_EQ(journey.folder.read(kInventory), head + "KNIFES=\r\n");
                       EXPECT_EQ(picker.text("标签1"), "Weapon Select [PAGE-1]");
                       EXPECT_EQ(picker.text("标签2"), "Total Select:0/6");
                       EXPECT_FALSE(enabled(picker, "按钮1"));
                       EXPECT_FALSE(enabled(picker, "按钮3"));
                       EXPECT_EQ(captions(picker), page({"军刀", "开山斧", "武士刀"}));
                       EXPECT_TRUE(enabled(picker, box(3)));
                       EXPECT_FALSE(enabled(picker, box(4)));
                       EXPECT_EQ(picture(picker, 1), "knife picture");
                       EXPECT_EQ(picture(picker, 2), "");  // no axe.jpg
                       EXPECT_EQ(picture(picker, 15), "empty picture");

                       EXPECT_TRUE(picker.tick(box(1)));
                       EXPECT_TRUE(picker.tick(box(2)));
                       EXPECT_FALSE(picker.tick(box(1)));
                       EXPECT_EQ(picker.text("标签2"), "Total Select:2/6");
                       picker.click("PRI");
                   });
               }});
    EXPECT_EQ(journey.folder.read(kInventory), head + "KNIFES=knife,axe,\r\n");
    ASSERT_EQ(journey.system.messageBoxes.size(), 1u);
    EXPECT_EQ(journey.system.messageBoxes[0].message, "You have added these weapons:军刀 开山斧 ");
    EXPECT_EQ(journey.system.messageBoxes[0].flags, 0);
    EXPECT_EQ(journey.system.messageBoxes[0].caption, "信息：");
}

TEST(WarehouseEditor, FourthGrenadeClosesThePickerAndEscapeSaysNothing) {
    LauncherJourney journey;
    std::string catalogue = entry("S1", "s1", 26);
    for (int i = 1; i <= 5; ++i) {
        catalogue += entry("G" + std::to_string(i), "g" + std::to_string(i), 4);
    }
    journey.folder.write(kCatalogue, catalogue);
    openEditor(journey, {[&](OffscreenUser& editor) {
                   editor.advanceClock(3000);
                   editCategory(journey, editor, 3, [](OffscreenUser& picker) {
                       for (int cell = 1; cell <= 4; ++cell)
                           EXPECT_TRUE(picker.tick(box(cell)));
                       EXPECT_FALSE(picker.windowOpen());
                   });
                   editCategory(journey, editor, 1,
                                [](OffscreenUser& picker) { picker.pressEsc(); });
               }});
    EXPECT_EQ(journey.folder.read(kInventory),
              "[My Weapons]\r\nHEGRENADES=g1,g2,g3,g4,\r\nPISTOLS=\r\n");
    ASSERT_EQ(journey.system.messageBoxes.size(), 1u);
    EXPECT_EQ(journey.system.messageBoxes[0].message,
              "Weapons Full! You have added these weapons:G1 G2 G3 G4 ");
}

TEST(WarehouseEditor, PagesTurnAndAWeaponPickedTwiceIsAddedTwice) {
    LauncherJourney journey;
    std::string catalogue;
    for (int i = 1; i <= 16; ++i) {
        std::string n = std::to_string(i);
        catalogue += entry("P" + n, "p" + n, 28) + entry("S" + n, "s" + n, 26);
    }
    journey.folder.write(kCatalogue, catalogue);
    journey.folder.write("wpnpics\\p16.jpg", "p16 picture");
    openEditor(journey, {[&](OffscreenUser& editor) {
                   editor.advanceClock(3000);
                   editCategory(journey, editor, 0, [](OffscreenUser& picker) {
                       EXPECT_FALSE(enabled(picker, "按钮1"));
                       EXPECT_EQ(captions(picker)[14], "P15");
                       EXPECT_TRUE(picker.tick(box(1)));
                       EXPECT_TRUE(picker.click("按钮3"));
                       EXPECT_EQ(picker.text("标签1"), "Weapon Select [PAGE-2]");
                       EXPECT_EQ(captions(picker), page({"P16"}));
                       EXPECT_EQ(picture(picker, 1), "p16 picture");
                       EXPECT_FALSE(picker.click("按钮3"));
                       EXPECT_TRUE(picker.click("按钮1"));
                       // Filled again: the picked box is back, enabled and clear.
                       EXPECT_EQ(std::get<int>(picker.property(box(1), kCheckBoxTicked)), 0);
                       EXPECT_TRUE(picker.tick(box(1)));
                       EXPECT_EQ(picker.text("标签2"), "Total Select:2/50");
                       picker.click("PRI");
                   });
                   // A category without weapons: one page of empty, disabled slots.
                   editCategory(journey, editor, 2, [](OffscreenUser& picker) {
                       EXPECT_EQ(captions(picker), page({}));
                       EXPECT_FALSE(enabled(picker, box(1)));
                       EXPECT_FALSE(enabled(picker, "按钮3"));
                       picker.click("PRI");
                   });
               }});
    Text path = journey.folder.path() + "\\" + kInventory;
    EXPECT_EQ(readIniItem(path, "My Weapons", "RIFLES"), "p1,p1,");
    ASSERT_EQ(journey.system.messageBoxes.size(), 2u);
    EXPECT_EQ(journey.system.messageBoxes[0].message, "You have added these weapons:P1 P1 ");
    EXPECT_EQ(journey.system.messageBoxes[1].message, "You have added these weapons:");
}

// A write-protected inventory: no pick, edit start or switch claims what the
// file did not take, and each says which file refused.
TEST(WarehouseEditor, RefusedWritesCountNothingAndNameTheFile) {
    LauncherJourney journey;
    journey.folder.write(kCatalogue, entry("Knife", "knife", 29) + entry("Axe", "axe", 29));
    const std::string before = "[My Weapons]\r\nLOADALLSHOPWEAPON=1\r\nKNIFES=old,\r\n";
    journey.folder.write(kInventory, before);
    const Text path = journey.folder.path() + "\\" + kInventory;
    auto protect = [&](bool on) { ASSERT_TRUE(setAttributes(path, on ? kAttrReadOnly : 0)); };
    openEditor(journey, {[&](OffscreenUser& editor) {
                   editor.advanceClock(3000);
                   protect(true);
                   EXPECT_TRUE(editor.click("按钮2"));
                   EXPECT_EQ(editor.text("按钮2"), kSwitchOn);
                   editor.chooseItem("组合框1", 2);
                   EXPECT_TRUE(editor.click("PRI"));
                   protect(false);
                   editCategory(journey, editor, 2, [&](OffscreenUser& picker) {
                       protect(true);
                       EXPECT_TRUE(picker.tick(box(1)));
                       EXPECT_EQ(picker.text("标签2"), "Total Select:0/6");
                       EXPECT_TRUE(enabled(picker, box(1)));
                       EXPECT_EQ(std::get<int>(picker.property(box(1), kCheckBoxTicked)), 0);
                       protect(false);
                       EXPECT_TRUE(picker.tick(box(1)));
                       EXPECT_EQ(picker.text("标签2"), "Total Select:1/6");
                       picker.click("PRI");
                   });
               }});
    EXPECT_EQ(journey.folder.read(kInventory),
              "[My Weapons]\r\nLOADALLSHOPWEAPON=1\r\nKNIFES=knife,\r\n");
    const std::string refused =
        "文件无法写入：cstrike\\addons\\amxmodx\\configs\\znk_precachewpn.ini\n"
        "请检查该文件是否为只读。";
    std::vector<std::string> messages;
    for (const RecordedMessageBox& shown : journey.system.messageBoxes) {
        messages.push_back(shown.message);
        if (shown.message == refused) {
            EXPECT_EQ(shown.flags, kMbIconExclamation);
            EXPECT_EQ(shown.caption, "警告");
        }
    }
    // The switch, the edit start (the picker stays shut), the pick.
    EXPECT_EQ(messages, (std::vector<std::string>{refused, refused, refused,
                                                  "You have added these weapons:Knife "}));
    EXPECT_EQ(journey.system.openedWindows.size(), 3u);
}

// Two entries may share a display name: the ticked slot's own weapon is added.
TEST(WarehouseEditor, SameNamedWeaponsAddTheModelOfTheTickedSlot) {
    LauncherJourney journey;
    journey.folder.write(kCatalogue, entry("AK47", "ak47", 28) + entry("AK47", "ak47_gold", 28));
    openEditor(journey, {[&](OffscreenUser& editor) {
                   editor.advanceClock(3000);
                   editCategory(journey, editor, 0, [](OffscreenUser& picker) {
                       picker.tick(box(2));
                       picker.tick(box(1));
                   });
               }});
    EXPECT_EQ(readIniItem(journey.folder.path() + "\\" + kInventory, "My Weapons", "RIFLES"),
              "ak47_gold,ak47,");
}

TEST(WarehouseEditorDeathTest, MissingCatalogueEndsTheProgramAfterSayingSo) {
    EXPECT_EXIT(
        {
            LauncherJourney journey;
            openEditor(journey, {[](OffscreenUser& editor) { editor.advanceClock(3000); }});
        },
        ::testing::ExitedWithCode(0), "znk_wpn.ini read error ! Exiting");
}

}  // namespace
