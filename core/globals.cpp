#include "core/globals.h"

Globals g;

void createGlobalTables() {
    g = Globals();
    g.mapFileNames = Table<Text>(kMapTableSize);
    g.catalogue.displayName = Table<Text>(kCatalogueSize);
    g.catalogue.modelName = Table<Text>(kCatalogueSize);
    g.packCommands = Table<Text>(kPackCount);
    g.packList = TextList(4);
    g.chooserLabels = Table<ControlRef>(kChooserSlots);
    g.commandLinePos = Table<int>(kPackCount);
    g.imageLinePos = Table<Table<int>>(kPackCount);
    for (Table<int>& lines : g.imageLinePos)
        lines = Table<int>(3);
    g.catalogue.category = Table<int>(kCatalogueSize);
    g.pages.pageCount = Table<int>(kCategoryCount);
    g.pages.pageStart = Table<Table<int>>(kCategoryCount);
    for (int category = 1; category <= kCategoryCount; ++category) {
        g.pages.pageStart[category] = Table<int>(kPageStartSizes[category - 1]);
    }
    g.chooserPictures = Table<ControlRef>(kChooserSlots);
}

void releaseGlobalTables() {
    g = Globals();
}
