// The weapon catalogue on any znk_wpn.ini: every entry has a category of 0 to
// 4 and names without a line feed, and the page tables hold every weapon of a
// category exactly where its pages of 15 start.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/globals.h"
#include "fuzz_support.h"
#include "platform/encoding.h"
#include "weapons/catalogue.h"

using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input;
    if (!fuzz::splitInput(data, size, 1, input))
        return 0;
    static const bool ready = [] {
        createGlobalTables();
        return true;
    }();
    check(ready);
    // Names are shown as stored or in traditional script.
    g.languageSelector = input.choices[0] % 2 == 0 ? kNoConversion : kGbkToBig5;
    fuzz::writeGameFile("znk_wpn.ini", input.file);
    fuzz::forgetRecords();
    check(loadCatalogueFile(fuzz::gameFolder() + "/znk_wpn.ini"));

    const WeaponCatalogue& catalogue = g.catalogue;
    check(catalogue.catalogueCount <= static_cast<int>(input.file.size()));
    int seen[kCategoryCount + 1] = {};
    for (int position = 1; position <= catalogue.catalogueCount; ++position) {
        const int category = catalogue.category[position];
        check(category >= kNoCategory && category <= kHegrenade);
        check(catalogue.displayName[position].find('\n') == Text::npos);
        check(catalogue.modelName[position].find('\n') == Text::npos);
        if (category == kNoCategory)
            continue;
        const int k = ++seen[category];
        if ((k - 1) % kWeaponsPerPage == 0)
            check(g.pages.pageStart[category][(k - 1) / kWeaponsPerPage + 1] ==
                  (k == 1 ? 1 : position));
    }
    for (int category = kPrimary; category <= kHegrenade; ++category) {
        const int pages = seen[category] == 0 ? 1 : (seen[category] + 14) / kWeaponsPerPage;
        check(g.pages.pageCount[category] == pages);
    }
    return 0;
}
