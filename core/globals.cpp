#include "core/globals.h"

#include "core/game_files.h"

Globals g;

void createGlobalTables() {
    g = Globals();
    g.mapFileNames = Table<Text>(kMapTableSize);
    g.catalogue.displayName = Table<Text>(kCatalogueSize);
    g.catalogue.modelName = Table<Text>(kCatalogueSize);
    g.packList = TextList(kPackSlots);
    g.catalogue.category = Table<int>(kCatalogueSize);
    g.pages.pageCount = Table<int>(kCategoryCount);
    g.pages.pageStart = Table<Table<int>>(kCategoryCount);
    for (int category = 1; category <= kCategoryCount; ++category) {
        g.pages.pageStart[category] = Table<int>(kPageStartSizes[category - 1]);
    }
}

void releaseGlobalTables() {
    g = Globals();
}
