#include "weapons/catalogue.h"

#include <algorithm>

#include "core/display_text.h"
#include "core/game_files.h"
#include "core/globals.h"
#include "core/window_ids.h"
#include "platform/dialogs.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/window.h"

namespace {

constexpr int kPrimaryIds = 0x59FCF1A8;
constexpr int kSecondaryIds = 0x04030C02;
constexpr int kKnifeId = 29;
constexpr int kHegrenadeId = 4;

// An editor's byte-order mark must not hide the first line's ";".
constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";

// Room for one more position: the catalogue keeps every entry of the file,
// however many there are, instead of stopping at its first 512.
void makeRoomFor(WeaponCatalogue& catalogue, int position) {
    if (position <= catalogue.displayName.count())
        return;
    int size = std::max(position, 2 * catalogue.displayName.count());
    catalogue.displayName.resize(size);
    catalogue.modelName.resize(size);
    catalogue.category.resize(size);
}

// One line of the file, already GBK. A line that names a weapon but lacks the
// later markers still takes a position; its model and category are cleared
// first, so that a second reading never shows what an earlier one left there.
void addCatalogueLine(const Text& line) {
    if (!line.empty() && line[0] == ';')
        return;
    TextList names = splitText(textBetween(line, "[name]", "[damage]"), "[model]");
    if (names.count() < 2)
        return;
    WeaponCatalogue& catalogue = g.catalogue;
    int position = ++catalogue.catalogueCount;
    makeRoomFor(catalogue, position);
    catalogue.displayName[position] = displayText(names[1]);
    catalogue.modelName[position] = Text();
    catalogue.category[position] = kNoCategory;

    TextList models = splitText(names[2], "[p_sub]");
    if (models.count() < 2)
        return;
    // The model name is a key (inventory file, picture file names), not a
    // caption: it stays as the file has it, whatever the display language.
    catalogue.modelName[position] = models[1];
    TextList ids = splitText(models[2], "[cswpn]");
    if (ids.count() < 2)
        return;
    catalogue.category[position] = categoryOfWeaponId(toInteger(ids[2]));
}

// Pages of 15 weapons per category in catalogue order; pageStart of a page is
// the position of its first weapon (of page 1: position 1). The page tables
// grow with the catalogue, so every weapon of a category is on a page.
void buildPageTables() {
    const WeaponCatalogue& catalogue = g.catalogue;
    int totals[kCategoryCount + 1] = {};
    for (int position = 1; position <= catalogue.catalogueCount; ++position) {
        ++totals[catalogue.category[position]];
    }
    for (int category = 1; category <= kCategoryCount; ++category) {
        int pages = std::max(1, (totals[category] + kWeaponsPerPage - 1) / kWeaponsPerPage);
        g.pages.pageCount[category] = pages;
        Table<int>& starts = g.pages.pageStart[category];
        if (starts.count() < pages)
            starts.resize(pages);
        starts[1] = 1;
    }
    int seen[kCategoryCount + 1] = {};
    for (int position = 1; position <= catalogue.catalogueCount; ++position) {
        int category = catalogue.category[position];
        if (category == kNoCategory)
            continue;
        int k = ++seen[category];
        if (k > 1 && (k - 1) % kWeaponsPerPage == 0)
            g.pages.pageStart[category][(k - 1) / kWeaponsPerPage + 1] = position;
    }
}

// Feeds a file's lines to an emptied catalogue, up to kMaxWeapons entries.
// readLine stops on a 0x00 or 0x1A byte without passing it: it is stepped
// over, so that the byte ends its line like a line feed and the reading goes
// on after it.
void takeLines(FileNumber file) {
    g.catalogue.catalogueCount = 0;
    bool first = true;
    while (!atEndOfFile(file) && g.catalogue.catalogueCount < kMaxWeapons) {
        long long before = filePosition(file);
        Text line = readLine(file);
        if (filePosition(file) == before) {
            seekFile(file, kSeekCurrent, 1);
            continue;
        }
        if (first && line.starts_with(kUtf8Bom))
            line.erase(0, 3);
        first = false;
        // The markers are ASCII, and ASCII stays itself in both encodings: a
        // line without them names no weapon, and is not converted for nothing.
        if (line.find("[name]") != Text::npos && line.find("[damage]") != Text::npos)
            addCatalogueLine(utf8LineToGbk(line));
    }
}

}  // namespace

Text catalogueFilePath() {
    return runDirectory() + "\\" + amxConfigFile("znk_wpn.ini");
}

int categoryOfWeaponId(int weaponId) {
    int bit = shiftLeft(1, weaponId);
    if (bitAnd(bit, kPrimaryIds) != 0)
        return kPrimary;
    if (bitAnd(bit, kSecondaryIds) != 0)
        return kSecondary;
    if (weaponId == kKnifeId)
        return kMelee;
    if (weaponId == kHegrenadeId)
        return kHegrenade;
    return kNoCategory;
}

Text textBetween(const Text& text, const Text& startMarker, const Text& endMarker) {
    int start = findText(text, startMarker);
    if (start < 1)
        return Text();
    Text rest = rightText(text, textLength(text) - start - textLength(startMarker) + 1);
    int end = findText(rest, endMarker);
    if (end < 1)
        return Text();
    return leftText(rest, end - 1);
}

Text utf8LineToGbk(const Text& line) {
    return bytesToText(utf8ToGbk(line));
}

// Opened for reading alone, with nothing denied to others: a catalogue that
// is read-only, or that another program holds open for writing, reads like
// any other.
bool loadCatalogueFile(const Text& path) {
    FileNumber file = openFile(path, kOpenRead, kShareReadWrite);
    if (file <= 0)
        return false;
    takeLines(file);
    closeFile(file);
    buildPageTables();
    return true;
}

void readCatalogue() {
    setProperty(WarehouseEditor::kId, WarehouseEditor::时钟1, kTimerInterval, 0);
    if (!loadCatalogueFile(catalogueFilePath())) {
        messageBox("znk_wpn.ini read error ! Exiting...", kMbOk);
        endProgram(0);
    }
    // Converted like every other text the editor shows: stored GBK would
    // come out garbled where captions are shown in traditional script.
    setProperty(WarehouseEditor::kId, WarehouseEditor::标签2, kLabelCaption,
                displayText("武器读取成功！"));
}

int findWeaponByName(const Text& displayName) {
    for (int position = 1; position <= g.catalogue.catalogueCount; ++position) {
        if (g.catalogue.displayName[position] == displayName)
            return position;
    }
    return 0;
}

int findWeaponByModel(const Text& model) {
    for (int position = g.catalogue.catalogueCount; position >= 1; --position) {
        if (g.catalogue.modelName[position] == model)
            return position;
    }
    return 0;
}

Bytes weaponPicture(const Text& model) {
    return readWholeFile(runDirectory() + "\\wpnpics\\" + model + ".jpg");
}
