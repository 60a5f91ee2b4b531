#include "weapons/warehouse_editor.h"

#include "core/display_text.h"
#include "core/globals.h"
#include "core/window_ids.h"
#include "core/write_refused.h"
#include "platform/window.h"
#include "weapons/catalogue.h"
#include "weapons/inventory.h"

namespace {

constexpr int kReadDelayMs = 3000;

constexpr const char* kSwitchOnCaption = "点击关闭仓库，加载所有枪支，可能会载入游戏返回初始界面";
constexpr const char* kSwitchOffCaption = "点击开启仓库，加载仓库枪支，避免无法进入地图的问题";

// The combo box's items: position + 1 is the category.
constexpr const char* kCategoryItems[] = {"Primary", "Secondary", "Melee", "Hegrenade "};

ControlRef editorControl(ControlId control) {
    return {WarehouseEditor::kId, control};
}

void refreshWarehouseSwitch() {
    const char* caption = readWarehouseSwitch() > 0 ? kSwitchOnCaption : kSwitchOffCaption;
    setProperty(editorControl(WarehouseEditor::按钮2), kButtonCaption, displayText(caption));
}

}  // namespace

void onOpenWarehouseEditor() {
    loadWindow(WarehouseEditor::kId, true);
}

void onWarehouseEditorCreated() {
    setProperty(editorControl(WarehouseEditor::标签1), kLabelCaption, displayText("ZNK仓库编辑器"));
    setProperty(editorControl(WarehouseEditor::标签3), kLabelCaption,
                displayText("选择要编辑的项目"));
    setProperty(editorControl(WarehouseEditor::标签2), kLabelCaption,
                displayText("正在处理数据...."));
    setProperty(editorControl(WarehouseEditor::PRI), kPropDisabled, 1);
    setProperty(editorControl(WarehouseEditor::PRI), kButtonCaption, displayText("编辑武器"));
    setProperty(editorControl(WarehouseEditor::时钟1), kTimerInterval, kReadDelayMs);
    ControlRef categories = editorControl(WarehouseEditor::组合框1);
    for (int category = kPrimary; category <= kHegrenade; ++category) {
        comboAddItem(categories, kCategoryItems[category - 1], category);
    }
    setProperty(categories, kComboSelected, 0);
    refreshWarehouseSwitch();
}

// The picker cannot open before this: PRI is enabled only once the catalogue
// it pages through has been read.
void onWarehouseTimerTick() {
    readCatalogue();
    setProperty(editorControl(WarehouseEditor::时钟1), kTimerInterval, 0);
    setProperty(editorControl(WarehouseEditor::PRI), kPropDisabled, 0);
}

// A category edit starts from an empty list: the player picks again every
// weapon he wants to keep. The key stays in the file, with no value. A file
// that refuses to be emptied would refuse every pick too: the picker stays
// shut and the list as it was.
void onEditWeaponsClicked() {
    int category = getInt(editorControl(WarehouseEditor::组合框1), kComboSelected) + 1;
    if (category < kPrimary || category > kHegrenade)
        return;
    g.categoryEdit.inventoryCategory = category;
    if (!writeCategoryValue(category, Text()))
        return tellFileNotWritten(inventoryFileName());
    loadWindow(WeaponSelection::kId, true);
}

// The caption is read back from the file, so it shows what the game will get.
void onWarehouseSwitchClicked() {
    bool switched = toggleWarehouseSwitch();
    refreshWarehouseSwitch();
    if (!switched)
        tellFileNotWritten(inventoryFileName());
}
