#include "weapons/inventory.h"

#include "core/game_files.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "weapons/catalogue.h"

namespace {

constexpr const char* kSection = "My Weapons";
constexpr const char* kSwitchKey = "LOADALLSHOPWEAPON";

struct CategoryInfo {
    const char* key;
    int limit;
};
constexpr CategoryInfo kCategories[] = {
    {"", 0}, {"RIFLES", 50}, {"PISTOLS", 10}, {"KNIFES", 6}, {"HEGRENADES", 4},
};

const CategoryInfo& infoOf(int category) {
    return category >= kPrimary && category <= kHegrenade ? kCategories[category] : kCategories[0];
}

}  // namespace

Text inventoryFileName() {
    return amxConfigFile("znk_precachewpn.ini");
}

Text inventoryFilePath() {
    return runDirectory() + "\\" + inventoryFileName();
}

Text categoryKey(int category) {
    return infoOf(category).key;
}

int categoryLimit(int category) {
    return infoOf(category).limit;
}

Text readCategoryValue(int category) {
    return readIniItem(inventoryFilePath(), kSection, categoryKey(category), Text());
}

bool writeCategoryValue(int category, const Text& value) {
    Text key = categoryKey(category);
    return !key.empty() && writeIniItem(inventoryFilePath(), kSection, key, value);
}

TextList readCategoryList(int category) {
    return splitText(removeAllSpaces(readCategoryValue(category)), ",");
}

int readWarehouseSwitch() {
    return toInteger(readIniItem(inventoryFilePath(), kSection, kSwitchKey, Text()));
}

// Worked out in 64 bits: the opposite of the lowest int does not fit in one.
bool toggleWarehouseSwitch() {
    long long opposite = 1LL - readWarehouseSwitch();
    return writeIniItem(inventoryFilePath(), kSection, kSwitchKey, std::to_string(opposite));
}
