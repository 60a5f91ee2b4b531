// The weapon selection window of one category edit: the category's weapons
// 15 to a page, each ticked into the inventory at once.
#pragma once

void onWeaponSelectionCreated();
void onWeaponSelectionExit();
void onWeaponSelectionNext();
void onWeaponSelectionBack();
void onWeaponCellClicked();
