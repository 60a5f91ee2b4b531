// The launcher's global state: a handful of numbers and the fixed tables,
// created empty before the main window loads and released at the end.
#pragma once

#include "platform/table.h"
#include "platform/text.h"
#include "platform/window.h"

// Element counts of the fixed tables.
inline constexpr int kMapTableSize = 200;
inline constexpr int kCatalogueSize = 512;
inline constexpr int kPackCount = 5;
inline constexpr int kChooserSlots = 20;
inline constexpr int kCategoryCount = 4;
inline constexpr int kPageStartSizes[kCategoryCount] = {20, 5, 2, 2};

struct WeaponCatalogue {
    int catalogueCount = 0;
    Table<Text> displayName;
    Table<Text> modelName;
    Table<int> category;
};

struct PageTable {
    Table<int> pageCount;         // one per category
    Table<Table<int>> pageStart;  // per category: 20, 5, 2 and 2 pages
};

// One category edit of the warehouse: the picker window's page and what has
// been added since it opened. slotPosition remembers the catalogue position
// each of the picker's 15 slots shows (0: an empty slot).
struct CategoryEdit {
    int inventoryCategory = 0;
    int selectedCount = 0;
    Text addedList;
    Text currentValue;
    int currentPage = 0;
    Table<int> slotPosition = Table<int>(15);
};

struct Globals {
    int languageSelector = 1;  // the conversion number for built texts
    int currentMode = 0;       // 0: no mode detected
    int tipMode = 0;
    float layoutFactorX = 0.0f;
    float layoutFactorY = 0.0f;

    Table<Text> mapFileNames;
    WeaponCatalogue catalogue;
    Table<Text> packCommands;
    TextList packList;
    Table<ControlRef> chooserLabels;
    Table<int> commandLinePos;
    Table<Table<int>> imageLinePos;
    PageTable pages;
    Table<ControlRef> chooserPictures;

    CategoryEdit categoryEdit;
    int warehouseSwitchValue = 0;
};

extern Globals g;

// Creates every table empty with its element count, in the documented order.
void createGlobalTables();
// Releases every text and table; writes nothing.
void releaseGlobalTables();
