// The weapon picker: the weapons of the edited category, 15 to a page, each
// a picture over a check box captioned with its display name. Ticking a box
// adds that weapon to the inventory at once.
#include "weapons/weapon_picker.h"

#include <algorithm>

#include "core/display_text.h"
#include "core/globals.h"
#include "core/window_ids.h"
#include "core/write_refused.h"
#include "platform/dialogs.h"
#include "platform/window.h"
#include "weapons/catalogue.h"
#include "weapons/inventory.h"

namespace {

constexpr int kSlots = WeaponSelection::kCells;

ControlRef pickerControl(ControlId control) {
    return {WeaponSelection::kId, control};
}

void showCount() {
    CategoryEdit& edit = g.categoryEdit;
    setProperty(pickerControl(WeaponSelection::标签2), kLabelCaption,
                "Total Select:" + toText(edit.selectedCount) + "/" +
                    toText(categoryLimit(edit.inventoryCategory)));
}

// Slots are found by their tags (check box n, picture 600 + n), as the
// picker's layout numbers its cells in reading order.
ControlRef slotPicture(int slot) {
    return findControlByTag(WeaponSelection::kId, WeaponSelection::kPictureTagBase + slot);
}

void showWeaponInSlot(int slot, int position) {
    ControlRef box = findControlByTag(WeaponSelection::kId, slot);
    setProperty(box, kCheckBoxCaption, g.catalogue.displayName[position]);
    setProperty(box, kPropDisabled, 0);
    setProperty(box, kCheckBoxTicked, 0);
    setProperty(slotPicture(slot), kPicture, weaponPicture(g.catalogue.modelName[position]));
    g.categoryEdit.slotPosition[slot] = position;
}

void showEmptySlot(int slot) {
    ControlRef box = findControlByTag(WeaponSelection::kId, slot);
    setProperty(box, kCheckBoxCaption, displayText("空"));
    setProperty(box, kPropDisabled, 1);
    setProperty(slotPicture(slot), kPicture, weaponPicture("empty"));
    g.categoryEdit.slotPosition[slot] = 0;
}

void fillPage() {
    CategoryEdit& edit = g.categoryEdit;
    int category = edit.inventoryCategory;
    // Before any reading the tables hold zeros: show one empty page.
    int pageCount = std::max(1, g.pages.pageCount[category]);
    edit.currentPage = std::clamp(edit.currentPage, 1, pageCount);
    setProperty(pickerControl(WeaponSelection::标签1), kLabelCaption,
                "Weapon Select [PAGE-" + toText(edit.currentPage) + "]");
    setProperty(pickerControl(WeaponSelection::按钮1), kPropDisabled, edit.currentPage <= 1);
    setProperty(pickerControl(WeaponSelection::按钮3), kPropDisabled,
                edit.currentPage >= pageCount);

    int slot = 1;
    int position = std::max(1, g.pages.pageStart[category][edit.currentPage]);
    for (; position <= g.catalogue.catalogueCount && slot <= kSlots; ++position) {
        if (g.catalogue.category[position] == category)
            showWeaponInSlot(slot++, position);
    }
    for (; slot <= kSlots; ++slot) {
        showEmptySlot(slot);
    }
}

void turnPage(int step) {
    g.categoryEdit.currentPage += step;
    fillPage();
}

void finishWithMessage(const Text& text) {
    messageBox(text + g.categoryEdit.addedList, kMbOk);
    closeWindow(pickerControl(0));
}

}  // namespace

void onWeaponSelectionCreated() {
    CategoryEdit& edit = g.categoryEdit;
    edit.currentPage = 1;
    edit.selectedCount = 0;
    showCount();
    edit.addedList = Text();
    fillPage();
}

void onWeaponSelectionNext() {
    turnPage(1);
}

void onWeaponSelectionBack() {
    turnPage(-1);
}

void onWeaponSelectionExit() {
    finishWithMessage("You have added these weapons:");
}

// The slot, not the caption, names the weapon: two catalogue entries may
// share a display name, and the player picked the one whose picture he saw.
void onWeaponCellClicked() {
    ControlRef box = eventSourceControl();
    setProperty(box, kPropDisabled, 1);
    int slot = toInteger(getText(box, kPropTag));
    if (slot < 1 || slot > kSlots || g.categoryEdit.slotPosition[slot] == 0)
        return;
    int position = g.categoryEdit.slotPosition[slot];

    CategoryEdit& edit = g.categoryEdit;
    int category = edit.inventoryCategory;
    Text value = readCategoryValue(category) + g.catalogue.modelName[position] + ",";
    // A pick the file refused is not the player's: the box is his to tick
    // again, and nothing counts it.
    if (!writeCategoryValue(category, value)) {
        setProperty(box, kCheckBoxTicked, 0);
        setProperty(box, kPropDisabled, 0);
        tellFileNotWritten(inventoryFileName());
        return;
    }
    ++edit.selectedCount;
    showCount();
    edit.addedList += getText(box, kCheckBoxCaption) + " ";
    if (edit.selectedCount == categoryLimit(category))
        finishWithMessage("Weapons Full! You have added these weapons:");
}
