// The window templates against the control ids the behaviour code uses: a
// control id that points at the wrong row would make a handler change the
// wrong control without any other symptom.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/window_ids.h"
#include "platform/text.h"
#include "shell/templates/templates.h"

namespace {

std::string nameOf(const WindowTemplate& window, ControlId control) {
    if (control < 1 || control > window.controlCount)
        return "<out of range>";
    return window.controls[control - 1].name;
}

#define EXPECT_CONTROL(window, ns, control) EXPECT_EQ(nameOf(window, ns::control), #control)

TEST(WindowTemplates, ControlIdsNameTheirRows) {
    const WindowTemplate& main = kMainWindowTemplate;
    EXPECT_EQ(main.controlCount, 16);
    EXPECT_CONTROL(main, MainWindow, 按钮1);
    EXPECT_CONTROL(main, MainWindow, 标签1);
    EXPECT_CONTROL(main, MainWindow, 按钮15);
    EXPECT_CONTROL(main, MainWindow, 按钮14);
    EXPECT_CONTROL(main, MainWindow, 编辑框3);
    EXPECT_CONTROL(main, MainWindow, 组合框2);
    EXPECT_CONTROL(main, MainWindow, 选择框1);
    EXPECT_CONTROL(main, MainWindow, 组合框1);
    EXPECT_CONTROL(main, MainWindow, 图片框2);
    EXPECT_CONTROL(main, MainWindow, 按钮13);
    EXPECT_CONTROL(main, MainWindow, 图片框1);
    EXPECT_CONTROL(main, MainWindow, 按钮3);
    EXPECT_CONTROL(main, MainWindow, 按钮2);
    EXPECT_CONTROL(main, MainWindow, 透明标签1);

    EXPECT_EQ(kModeChooserTemplate.controlCount, 8);
    EXPECT_CONTROL(kModeChooserTemplate, ModeChooser, 超级按钮1);
    EXPECT_CONTROL(kModeChooserTemplate, ModeChooser, 超级按钮5);
    EXPECT_CONTROL(kModeChooserTemplate, ModeChooser, 标签1);

    const WindowTemplate& quick = kQuickBuyEditorTemplate;
    EXPECT_EQ(quick.controlCount, 36);
    EXPECT_CONTROL(quick, QuickBuyEditor, 按钮6);
    // The numbers in the names of each pack's label, button, box and slots 1 to 4.
    const int rowNames[kPacks][7] = {{1, 1, 1, 2, 3, 4, 5},
                                     {2, 2, 10, 9, 8, 7, 6},
                                     {4, 4, 20, 19, 18, 17, 16},
                                     {3, 3, 15, 14, 13, 12, 11},
                                     {5, 5, 25, 24, 23, 22, 21}};
    for (int pack = 1; pack <= kPacks; ++pack) {
        const int* n = rowNames[pack - 1];
        EXPECT_EQ(nameOf(quick, QuickBuyEditor::packLabel(pack)), "标签" + std::to_string(n[0]));
        EXPECT_EQ(nameOf(quick, QuickBuyEditor::packButton(pack)), "按钮" + std::to_string(n[1]));
        EXPECT_EQ(nameOf(quick, QuickBuyEditor::packBox(pack)), "图片框" + std::to_string(n[2]));
        for (int slot = 1; slot <= kPackSlots; ++slot) {
            EXPECT_EQ(nameOf(quick, QuickBuyEditor::packSlot(pack, slot)),
                      "图片框" + std::to_string(n[2 + slot]));
        }
    }

    EXPECT_CONTROL(kPackEditorTemplate, PackEditor, 图片框5);
    EXPECT_CONTROL(kPackEditorTemplate, PackEditor, 图片框1);
    EXPECT_CONTROL(kWarehouseEditorTemplate, WarehouseEditor, PRI);
    EXPECT_CONTROL(kWarehouseEditorTemplate, WarehouseEditor, 时钟1);
    EXPECT_CONTROL(kWarehouseEditorTemplate, WarehouseEditor, 标签1);
    EXPECT_CONTROL(kWeaponSelectionTemplate, WeaponSelection, 标签1);
    EXPECT_CONTROL(kArmsManagerTemplate, ArmsManager, 分组框1);
    EXPECT_CONTROL(kArmsManagerTemplate, ArmsManager, 按钮1);
    EXPECT_CONTROL(kMaleArmChooserTemplate, ArmChooser, 图片框1);
    EXPECT_CONTROL(kFemaleArmChooserTemplate, ArmChooser, 标签3);
}

TEST(WindowTemplates, NumberedCellsCarryTheirNamesAndTags) {
    // The weapon picker's cells: names swap in the middle of each row, tags do not.
    const int nameOfCell[16] = {0, 1, 2, 4, 3, 5, 10, 9, 8, 7, 6, 15, 14, 13, 12, 11};
    for (int cell = 1; cell <= WeaponSelection::kCells; ++cell) {
        const ControlTemplate& box =
            kWeaponSelectionTemplate.controls[WeaponSelection::cellCheckBox(cell) - 1];
        const ControlTemplate& picture =
            kWeaponSelectionTemplate.controls[WeaponSelection::cellPicture(cell) - 1];
        EXPECT_EQ(std::string(box.name), "选择框" + std::to_string(nameOfCell[cell]));
        EXPECT_EQ(std::string(picture.name), "图片框" + std::to_string(nameOfCell[cell]));
        EXPECT_EQ(toInteger(box.tag), cell);
        EXPECT_EQ(toInteger(picture.tag), 600 + cell);
        EXPECT_EQ(box.kind, ControlKind::CheckBox);
    }
    // Cell 4 sits in the fourth column of the first row.
    EXPECT_EQ(kWeaponSelectionTemplate.controls[WeaponSelection::cellPicture(4) - 1].rect.left,
              520);

    for (int cell = 1; cell <= QuickBuyChooser::kCells; ++cell) {
        const ControlTemplate& picture =
            kQuickBuyChooserTemplate.controls[QuickBuyChooser::cellPicture(cell) - 1];
        const ControlTemplate& label =
            kQuickBuyChooserTemplate.controls[QuickBuyChooser::cellLabel(cell) - 1];
        EXPECT_EQ(std::string(picture.name), "图片框" + std::to_string(cell));
        EXPECT_EQ(std::string(label.name), "标签" + std::to_string(cell));
        EXPECT_EQ(toInteger(picture.tag), cell);
        EXPECT_FALSE(picture.visible);
        EXPECT_FALSE(label.visible);
    }
    // The bottom row is shifted one pixel to the left.
    EXPECT_EQ(kQuickBuyChooserTemplate.controls[QuickBuyChooser::cellPicture(16) - 1].rect.left,
              23);
    EXPECT_EQ(kQuickBuyChooserTemplate.controls[QuickBuyChooser::cellLabel(20) - 1].rect.top, 408);
}

TEST(WindowTemplates, EveryWindowHasUniqueNamesAndItsTitle) {
    const WindowTemplate* windows[] = {&kMainWindowTemplate,      &kModeChooserTemplate,
                                       &kQuickBuyEditorTemplate,  &kPackEditorTemplate,
                                       &kQuickBuyChooserTemplate, &kWarehouseEditorTemplate,
                                       &kWeaponSelectionTemplate, &kArmsManagerTemplate,
                                       &kMaleArmChooserTemplate,  &kFemaleArmChooserTemplate};
    std::set<WindowId> ids;
    for (const WindowTemplate* window : windows) {
        std::set<std::string> names;
        for (int i = 0; i < window->controlCount; ++i) {
            EXPECT_TRUE(names.insert(window->controls[i].name).second)
                << window->name << ": " << window->controls[i].name;
        }
        EXPECT_TRUE(ids.insert(window->id).second) << window->name;
    }
    EXPECT_EQ(std::string(kMainWindowTemplate.title), "CS:ZNK Launcher(Beta1.1) BY ZNK TEAM ");
    EXPECT_EQ(std::string(kArmsManagerTemplate.title), "ZIZID手臂 管理器");
    // The quick-buy slots sit 5 and 204 pixels right of their box, 47 apart.
    const ControlTemplate* slots = kQuickBuyEditorTemplate.controls;
    EXPECT_EQ(slots[QuickBuyEditor::packSlot(1, 1) - 1].rect.left, 134);
    EXPECT_EQ(slots[QuickBuyEditor::packSlot(1, 4) - 1].rect.left, 333);
    EXPECT_EQ(slots[QuickBuyEditor::packSlot(1, 4) - 1].rect.top, 62);
}

}  // namespace
