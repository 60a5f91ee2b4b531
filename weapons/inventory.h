// The player's weapon inventory, znk_precachewpn.ini beside the catalogue,
// which the modification's plugins read: section "My Weapons" lists the owned
// model names of each category ("RIFLES=m4a1,ak47,") and holds the warehouse
// switch "LOADALLSHOPWEAPON". Missing items read as empty.
#pragma once

#include "platform/text.h"

// The file's path in the game folder, and as the launcher opens it.
Text inventoryFileName();
Text inventoryFilePath();

// "RIFLES", "PISTOLS", "KNIFES" or "HEGRENADES" for the categories 1 to 4;
// empty for any other.
Text categoryKey(int category);
// How many weapons one category edit may add: 50, 10, 6 and 4; 0 otherwise.
int categoryLimit(int category);

// The category's list as stored, every name followed by a comma.
Text readCategoryValue(int category);
bool writeCategoryValue(int category, const Text& value);
// The owned models of a category, as the quick-buy chooser offers them:
// blanks removed, split at the commas (a trailing comma adds no entry).
TextList readCategoryList(int category);

// "LOADALLSHOPWEAPON" as an integer; missing or not a number reads as 0.
int readWarehouseSwitch();
// Writes the switch's opposite, 1 - value.
bool toggleWarehouseSwitch();
