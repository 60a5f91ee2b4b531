// The map list on any Maps.ini: the list holds only maps whose level file is
// installed (found as Windows finds a file, without regard to ASCII case), by
// names without blanks, wildcards or folder separators, and never more than
// the file has lines with "=".
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/globals.h"
#include "fuzz_support.h"
#include "match/map_catalogue.h"

using fuzz::check;

namespace {

const char* const kInstalled[] = {"de_dust2", "a", "cs_office", "zm_city"};

// The installed map of that name, compared as Windows compares file names.
bool isInstalledMap(const std::string& name) {
    for (const char* map : kInstalled) {
        std::string lower = name;
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        if (lower == map)
            return true;
    }
    return false;
}

bool isLineFeed(const std::string& text, size_t i) {
    return text[i] == '\n' || text[i] == '\0' || text[i] == '\x1A';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        for (const char* map : kInstalled)
            fuzz::writeGameFile(std::string(map == kInstalled[3] ? "cstrike_schinese" : "cstrike") +
                                    "/maps/" + map + ".bsp",
                                "BSP");
        return true;
    }();
    check(ready);
    const std::string file(reinterpret_cast<const char*>(data), size);
    fuzz::writeGameFile("LauncherRes/Data/Maps.ini", file);
    fuzz::forgetRecords();
    g.mapFileNames = Table<Text>(kMapTableSize);
    loadMapCatalogue();

    size_t candidates = 0;
    for (const std::string& line : fuzz::linesOf(file, isLineFeed))
        candidates += line.find('=') != std::string::npos;
    int count = 0;
    while (count < g.mapFileNames.count() && !g.mapFileNames[count + 1].empty())
        ++count;
    check(static_cast<size_t>(count) <= candidates);
    for (int n = 1; n <= g.mapFileNames.count(); ++n) {
        const Text& name = g.mapFileNames[n];
        if (n > count) {
            check(name.empty());
            continue;
        }
        check(!name.empty() && name.find_first_of(" *?\\/") == Text::npos);
        check(isInstalledMap(name));
    }
    return 0;
}
