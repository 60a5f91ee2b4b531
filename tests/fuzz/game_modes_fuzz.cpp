// The mode detection over any set of plugin lists: each input byte puts one
// list (or a folder of its name) into the configuration folder. Detection
// loses no list, and a mode is current exactly when a "plugins-" list of a
// mode was there, its own list then being the active one.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>

#include "core/globals.h"
#include "fuzz_support.h"
#include "match/game_modes.h"

using fuzz::check;

namespace {

constexpr const char* kConfigs = "cstrike/addons/amxmodx/configs";
const char* const kTags[] = {"none", "td", "zb1", "ze", "gd", "ZB1", "zb", "zb1.ini"};
const char* const kStates[] = {"plugins-", "disabled-", "PLUGINS-", "plugins"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::emptyGameFolder(kConfigs);
    fuzz::forgetRecords();
    bool active = false;
    std::set<std::string> made;
    for (size_t i = 0; i < size && i < 16; ++i) {
        const uint8_t byte = data[i];
        const std::string name = std::string(kStates[byte >> 3 & 3]) + kTags[byte & 7] + ".ini";
        const std::string relative = std::string(kConfigs) + "/" + name;
        if (!made.insert(name).second)
            continue;
        if (byte & 0x80) {
            std::filesystem::create_directories(fuzz::gameFolder() + "/" + relative);
        } else {
            fuzz::writeGameFile(relative, name);
        }
        // A folder of a list's name passes the existence test as a file does.
        active = active || ((byte >> 3 & 3) == 0 && (byte & 7) < 5);
    }
    const std::vector<std::string> before = fuzz::gameFolderNames(kConfigs);
    g.currentMode = 0;
    detectCurrentMode();
    const std::vector<std::string> after = fuzz::gameFolderNames(kConfigs);
    check(after.size() == before.size());
    check((g.currentMode != 0) == active);
    if (active) {
        check(std::filesystem::exists(fuzz::gameFolder() + "/" + kConfigs + "/plugins-" +
                                      kTags[g.currentMode - 1] + ".ini"));
    }
    return 0;
}
