// The launcher's global state: what one module hands to another (the
// language selector, the current mode, the map file names, the weapon
// catalogue and its pages, the category edit, the pack being edited). It is
// created empty before the main window loads and released at the end; state
// that one module keeps to itself lives beside that module.
#pragma once

#include "core/window_ids.h"
#include "platform/table.h"
#include "platform/text.h"

// Element counts of the fixed tables.
inline constexpr int kMapTableSize = 200;
inline constexpr int kCatalogueSize = 512;
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
// each of the picker's cells shows (0: an empty cell).
struct CategoryEdit {
    int inventoryCategory = 0;
    int selectedCount = 0;
    Text addedList;
    int currentPage = 0;
    Table<int> slotPosition = Table<int>(WeaponSelection::kCells);
};

struct Globals {
    int languageSelector = 1;  // the conversion number for built texts
    int currentMode = 0;       // 0: no mode detected

    Table<Text> mapFileNames;
    WeaponCatalogue catalogue;
    PageTable pages;
    CategoryEdit categoryEdit;
    // The pack the pack editor shows: slots 1..4, then the equipment words
    // the file had. The weapon chooser's pick goes into it.
    TextList packList;
};

extern Globals g;

// Creates every table empty with its element count, in the documented order.
void createGlobalTables();
// Releases every text and table; writes nothing.
void releaseGlobalTables();
