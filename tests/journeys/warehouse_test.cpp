// The weapon warehouse as the player meets it: the editor from the main
// window's 按钮2, its delayed catalogue reading, the warehouse switch, and
// category edits in the picker, checked against the inventory file.
#include <gtest/gtest.h>

#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "shell/window_catalogue.h"
#include "support/journey.h"

namespace {

const std::string kConfigs = "cstrike\\addons\\amxmodx\\configs\\";
const std::string kCatalogue = kConfigs + "znk_wpn.ini";
const std::string kInventory = kConfigs + "znk_precachewpn.ini";

constexpr const char* kSwitchOn = "点击关闭仓库，加载所有枪支，可能会载入游戏返回初始界面";
constexpr const char* kSwitchOff = "点击开启仓库，加载仓库枪支，避免无法进入地图的问题";

std::string utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

std::string entry(const std::string& display, const std::string& model, int id) {
    return "[name]" + display + "[model]" + model + "[p_sub]0[cswpn]" + std::to_string(id) +
           "[damage]1.0\r\n";
}

std::string numbered(const std::string& stem, int count, int id) {
    std::string lines;
    for (int i = 1; i <= count; ++i) {
        lines += entry(stem + std::to_string(i), "m" + stem + std::to_string(i), id);
    }
    return lines;
}

// The main window opens the editor once per script given; each runs as the
// player in that opening of the editor.
void openEditor(LauncherJourney& journey, std::vector<OffscreenScript> openings) {
    int times = static_cast<int>(openings.size());
    journey.system.onWindow(MainWindow::kId, [times](OffscreenUser& user) {
        for (int i = 0; i < times; ++i)
            user.click(MainWindow::按钮2);
        user.closeBox();
    });
    for (OffscreenScript& script : openings) {
        journey.system.onWindow(WarehouseEditor::kId, std::move(script));
    }
    journey.run();
}

// Chooses a category in the editor and opens the picker, whose script is
// `picker`.
void editCategory(LauncherJourney& journey, OffscreenUser& editor, int item,
                  OffscreenScript picker) {
    journey.system.onWindow(WeaponSelection::kId, std::move(picker));
    editor.chooseItem("组合框1", item);
    EXPECT_TRUE(editor.click("PRI"));
}

struct PageSeen {
    Text heading;
    Text count;
    bool backEnabled = false;
    bool nextEnabled = false;
    std::vector<Text> captions;
    std::vector<bool> enabled;
    std::vector<Bytes> pictures;
};

PageSeen lookAtPage(OffscreenUser& picker) {
    PageSeen page;
    page.heading = picker.text("标签1");
    page.count = picker.text("标签2");
    page.backEnabled = std::get<int>(picker.property("按钮1", kPropDisabled)) == 0;
    page.nextEnabled = std::get<int>(picker.property("按钮3", kPropDisabled)) == 0;
    for (int cell = 1; cell <= WeaponSelection::kCells; ++cell) {
        ControlId box = WeaponSelection::cellCheckBox(cell);
        page.captions.push_back(std::get<Text>(picker.property(box, kCheckBoxCaption)));
        page.enabled.push_back(std::get<int>(picker.property(box, kPropDisabled)) == 0);
        page.pictures.push_back(
            std::get<Text>(picker.property(WeaponSelection::cellPicture(cell), kPicture)));
    }
    return page;
}

std::vector<Text> captionsWith(std::vector<Text> weapons) {
    weapons.resize(WeaponSelection::kCells, "空");
    return weapons;
}

bool disabled(OffscreenUser& user, OffscreenControl control) {
    return std::get<int>(user.property(control, kPropDisabled)) != 0;
}

TEST(WarehouseEditor, CatalogueIsReadAndPriEnabledOnlyWhenTheTimerFires) {
    LauncherJourney journey;
    journey.folder.write(kCatalogue, entry("AK47", "ak47", 28));
    openEditor(journey,
               {[&](OffscreenUser& editor) {
                    EXPECT_EQ(editor.text(ControlId{0}), "ZNK Wpn MyWeapon Editor By ZNK TEAM");
                    EXPECT_EQ(editor.text("标签1"), "ZNK仓库编辑器");
                    EXPECT_EQ(editor.text("标签3"), "选择要编辑的项目");
                    EXPECT_EQ(editor.text("标签2"), "正在处理数据....");
                    EXPECT_EQ(editor.text("PRI"), "编辑武器");
                    EXPECT_EQ(editor.items("组合框1"),
                              (std::vector<Text>{"Primary", "Secondary", "Melee", "Hegrenade "}));
                    ControlRef combo = editor.ref("组合框1");
                    for (int i = 0; i < 4; ++i)
                        EXPECT_EQ(comboItemNumber(combo, i), i + 1);
                    EXPECT_EQ(std::get<int>(editor.property("组合框1", kComboSelected)), 0);

                    editor.advanceClock(2999);
                    EXPECT_TRUE(disabled(editor, "PRI"));
                    EXPECT_FALSE(editor.click("PRI"));
                    EXPECT_EQ(editor.text("标签2"), "正在处理数据....");
                    editor.advanceClock(1);
                    EXPECT_FALSE(disabled(editor, "PRI"));
                    EXPECT_EQ(editor.text("标签2"), "武器读取成功！");
                    EXPECT_EQ(std::get<int>(editor.property("时钟1", kTimerInterval)), 0);
                    // A file changed while the editor stays open is not read again.
                    journey.folder.write(kCatalogue, entry("M4A1", "m4a1", 22));
                    editor.advanceClock(10000);
                    editCategory(journey, editor, 0, [](OffscreenUser& picker) {
                        EXPECT_EQ(lookAtPage(picker).captions, captionsWith({"AK47"}));
                    });
                },
                [&](OffscreenUser& editor) {
                    // Opened again: loading once more, and the changed file is read.
                    EXPECT_TRUE(disabled(editor, "PRI"));
                    EXPECT_EQ(editor.text("标签2"), "正在处理数据....");
                    EXPECT_EQ(editor.items("组合框1").size(), 4u);
                    editor.advanceClock(3000);
                    editCategory(journey, editor, 0, [](OffscreenUser& picker) {
                        EXPECT_EQ(lookAtPage(picker).captions, captionsWith({"M4A1"}));
                    });
                }});
    EXPECT_EQ(journey.system.openedWindows,
              (std::vector<int>{MainWindow::kId, WarehouseEditor::kId, WeaponSelection::kId,
                                WarehouseEditor::kId, WeaponSelection::kId}));
}

TEST(WarehouseEditor, SwitchTogglesTheKeyWithoutWaitingForTheCatalogue) {
    LauncherJourney journey;
    journey.folder.write(kCatalogue, "");
    Text path = journey.folder.path() + "\\" + kInventory;
    auto switchValue = [&] { return readIniItem(path, "My Weapons", "LOADALLSHOPWEAPON", "-"); };
    openEditor(journey, {[&](OffscreenUser& editor) {
                   EXPECT_EQ(editor.text("按钮2"), kSwitchOff);
                   editor.click("按钮2");
                   EXPECT_EQ(switchValue(), "1");
                   EXPECT_EQ(editor.text("按钮2"), kSwitchOn);
                   editor.click("按钮2");
                   EXPECT_EQ(switchValue(), "0");
                   EXPECT_EQ(editor.text("按钮2"), kSwitchOff);
                   EXPECT_TRUE(disabled(editor, "PRI"));

                   writeIniItem(path, "My Weapons", "LOADALLSHOPWEAPON", "abc");
                   editor.click("按钮2");
                   EXPECT_EQ(switchValue(), "1");
                   writeIniItem(path, "My Weapons", "LOADALLSHOPWEAPON", "5");
                   editor.click("按钮2");
                   EXPECT_EQ(switchValue(), "-4");
                   EXPECT_EQ(editor.text("按钮2"), kSwitchOff);
                   writeIniItem(path, "My Weapons", "LOADALLSHOPWEAPON", "-2147483648");
                   editor.click("按钮2");
                   EXPECT_EQ(switchValue(), "2147483649");
                   EXPECT_EQ(editor.text("按钮2"), kSwitchOn);
               }});

    // Built texts in traditional script; the category names stay as stored.
    LauncherJourney traditional;
    traditional.setLanguage("0");
    traditional.folder.write(kInventory, "[My Weapons]\r\nLOADALLSHOPWEAPON=abc\r\n");
    openEditor(traditional, {[](OffscreenUser& editor) {
                   EXPECT_EQ(editor.text("标签1"), convertEncoding("ZNK仓库编辑器", kGbkToBig5));
                   EXPECT_EQ(editor.text("按钮2"), convertEncoding(kSwitchOff, kGbkToBig5));
                   EXPECT_EQ(editor.items("组合框1")[3], "Hegrenade ");
               }});
}

TEST(WarehouseEditor, MeleeEditPicksTwoKnivesFromAReadOnlyCatalogue) {
    LauncherJourney journey;
    journey.folder.write(
        kCatalogue, entry("AK47", "ak47", 28) + entry(utf8(u8"军刀"), "knife", 29) +
                        entry(utf8(u8"开山斧"), "axe", 29) + entry(utf8(u8"武士刀"), "katana", 29));
    ASSERT_TRUE(setAttributes(journey.folder.path() + "\\" + kCatalogue, kAttrReadOnly));
    journey.folder.write("wpnpics\\knife.jpg", "knife picture");
    journey.folder.write("wpnpics\\empty.jpg", "empty picture");
    journey.folder.write(kInventory,
                         "[My Weapons]\r\nLOADALLSHOPWEAPON=1\r\nRIFLES=ak47,\r\nKNIFES=old,\r\n");
    openEditor(
        journey, {[&](OffscreenUser& editor) {
            editor.advanceClock(3000);
            editCategory(journey, editor, 2, [&](OffscreenUser& picker) {
                // The old list is gone as soon as the edit starts.
                EXPECT_EQ(journey.folder.read(kInventory),
                          "[My Weapons]\r\nLOADALLSHOPWEAPON=1\r\nRIFLES=ak47,\r\nKNIFES=\r\n");
                PageSeen page = lookAtPage(picker);
                EXPECT_EQ(page.heading, "Weapon Select [PAGE-1]");
                EXPECT_EQ(page.count, "Total Select:0/6");
                EXPECT_FALSE(page.backEnabled);
                EXPECT_FALSE(page.nextEnabled);
                EXPECT_EQ(page.captions, captionsWith({"军刀", "开山斧", "武士刀"}));
                EXPECT_EQ(page.enabled,
                          (std::vector<bool>{true, true, true, false, false, false, false, false,
                                             false, false, false, false, false, false, false}));
                EXPECT_EQ(page.pictures[0], "knife picture");
                EXPECT_EQ(page.pictures[1], "");  // no axe.jpg
                EXPECT_EQ(page.pictures[14], "empty picture");

                EXPECT_TRUE(picker.tick(WeaponSelection::cellCheckBox(1)));
                EXPECT_TRUE(picker.tick(WeaponSelection::cellCheckBox(2)));
                EXPECT_TRUE(disabled(picker, WeaponSelection::cellCheckBox(1)));
                EXPECT_FALSE(picker.tick(WeaponSelection::cellCheckBox(1)));
                EXPECT_EQ(picker.text("标签2"), "Total Select:2/6");
                picker.click("PRI");
            });
        }});
    EXPECT_EQ(journey.folder.read(kInventory),
              "[My Weapons]\r\nLOADALLSHOPWEAPON=1\r\nRIFLES=ak47,\r\nKNIFES=knife,axe,\r\n");
    ASSERT_EQ(journey.system.messageBoxes.size(), 1u);
    EXPECT_EQ(journey.system.messageBoxes[0].message, "You have added these weapons:军刀 开山斧 ");
    EXPECT_EQ(journey.system.messageBoxes[0].flags, 0);
    EXPECT_EQ(journey.system.messageBoxes[0].caption, "信息：");
}

TEST(WarehouseEditor, FourthGrenadeClosesThePickerAndEscapeSaysNothing) {
    LauncherJourney journey;
    journey.folder.write(kCatalogue, numbered("G", 5, 4) + numbered("S", 2, 26));
    openEditor(journey, {[&](OffscreenUser& editor) {
                   editor.advanceClock(3000);
                   editCategory(journey, editor, 3, [](OffscreenUser& picker) {
                       for (int cell = 1; cell <= 4; ++cell) {
                           EXPECT_TRUE(picker.tick(WeaponSelection::cellCheckBox(cell)));
                       }
                       EXPECT_FALSE(picker.windowOpen());
                       EXPECT_FALSE(picker.tick(WeaponSelection::cellCheckBox(5)));
                   });
                   // Closed with Esc right away: no summary, and an empty list.
                   editCategory(journey, editor, 1,
                                [](OffscreenUser& picker) { picker.pressEsc(); });
               }});
    Text path = journey.folder.path() + "\\" + kInventory;
    EXPECT_EQ(readIniItem(path, "My Weapons", "HEGRENADES"), "mG1,mG2,mG3,mG4,");
    EXPECT_EQ(journey.folder.read(kInventory),
              "[My Weapons]\r\nHEGRENADES=mG1,mG2,mG3,mG4,\r\nPISTOLS=\r\n");
    ASSERT_EQ(journey.system.messageBoxes.size(), 1u);
    EXPECT_EQ(journey.system.messageBoxes[0].message,
              "Weapons Full! You have added these weapons:G1 G2 G3 G4 ");
}

TEST(WarehouseEditor, PagesTurnAndAWeaponPickedTwiceIsAddedTwice) {
    LauncherJourney journey;
    std::string catalogue;
    for (int i = 1; i <= 16; ++i) {
        catalogue += entry("P" + std::to_string(i), "p" + std::to_string(i), 28);
        catalogue += entry("S" + std::to_string(i), "s" + std::to_string(i), 26);
    }
    journey.folder.write(kCatalogue, catalogue);
    journey.folder.write("wpnpics\\p16.jpg", "p16 picture");
    journey.folder.write("wpnpics\\empty.jpg", "empty picture");
    openEditor(journey, {[&](OffscreenUser& editor) {
                   editor.advanceClock(3000);
                   editCategory(journey, editor, 0, [](OffscreenUser& picker) {
                       PageSeen first = lookAtPage(picker);
                       EXPECT_FALSE(first.backEnabled);
                       EXPECT_TRUE(first.nextEnabled);
                       EXPECT_EQ(first.captions.front(), "P1");
                       EXPECT_EQ(first.captions.back(), "P15");

                       EXPECT_TRUE(picker.tick(WeaponSelection::cellCheckBox(1)));
                       EXPECT_TRUE(picker.click("按钮3"));
                       PageSeen second = lookAtPage(picker);
                       EXPECT_EQ(second.heading, "Weapon Select [PAGE-2]");
                       EXPECT_TRUE(second.backEnabled);
                       EXPECT_FALSE(second.nextEnabled);
                       EXPECT_EQ(second.captions, captionsWith({"P16"}));
                       EXPECT_EQ(second.pictures[0], "p16 picture");
                       EXPECT_EQ(second.pictures[1], "empty picture");
                       EXPECT_FALSE(picker.click("按钮3"));

                       EXPECT_TRUE(picker.click("按钮1"));
                       PageSeen again = lookAtPage(picker);
                       EXPECT_TRUE(again.enabled[0]);
                       EXPECT_EQ(std::get<int>(picker.property(WeaponSelection::cellCheckBox(1),
                                                               kCheckBoxTicked)),
                                 0);
                       EXPECT_TRUE(picker.tick(WeaponSelection::cellCheckBox(1)));
                       EXPECT_EQ(picker.text("标签2"), "Total Select:2/50");
                       picker.click("PRI");
                   });
                   // A category without weapons: one page of empty slots.
                   editCategory(journey, editor, 2, [](OffscreenUser& picker) {
                       PageSeen page = lookAtPage(picker);
                       EXPECT_EQ(page.captions, captionsWith({}));
                       EXPECT_EQ(page.enabled, std::vector<bool>(15, false));
                       EXPECT_FALSE(page.backEnabled);
                       EXPECT_FALSE(page.nextEnabled);
                       picker.click("PRI");
                   });
               }});
    Text path = journey.folder.path() + "\\" + kInventory;
    EXPECT_EQ(readIniItem(path, "My Weapons", "RIFLES"), "p1,p1,");
    ASSERT_EQ(journey.system.messageBoxes.size(), 2u);
    EXPECT_EQ(journey.system.messageBoxes[0].message, "You have added these weapons:P1 P1 ");
    EXPECT_EQ(journey.system.messageBoxes[1].message, "You have added these weapons:");
}

// Two entries may share a display name; the one whose slot was ticked is the
// one added.
TEST(WarehouseEditor, SameNamedWeaponsAddTheModelOfTheTickedSlot) {
    LauncherJourney journey;
    journey.folder.write(kCatalogue, entry("AK47", "ak47", 28) + entry("AK47", "ak47_gold", 28));
    openEditor(journey, {[&](OffscreenUser& editor) {
                   editor.advanceClock(3000);
                   editCategory(journey, editor, 0, [](OffscreenUser& picker) {
                       picker.tick(WeaponSelection::cellCheckBox(2));
                       picker.tick(WeaponSelection::cellCheckBox(1));
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
