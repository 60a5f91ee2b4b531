#include "support/journey.h"

#include "assets/asset_names.h"
#include "platform/assets.h"
#include "shell/startup.h"

const std::string kJourneySkinLibrary = std::string("MZ journey skin library\0\x01\x02", 26);
const std::string kJourneySkin = "ZSHE journey skin 9";

namespace {

void registerBytes(const char* name, const std::string& bytes) {
    registerAsset(name, Asset{reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
}

}  // namespace

LauncherJourney::LauncherJourney() {
    system.runDirectory = folder.path();
    registerBytes(assetName::kSkinLibrary, kJourneySkinLibrary);
    registerBytes(assetName::kSkins[assetName::kSkinInUse - 1], kJourneySkin);
    setLanguage("1");
    setMaps("[Name]\r\ndust2=Dust II\r\n", {"dust2"});
}

int LauncherJourney::run() {
    return runLauncher();
}

void LauncherJourney::setLanguage(const std::string& lang) {
    folder.write("LauncherRes\\Data\\language.ini", "[Language]\r\nlang=" + lang + "\r\n");
}

void LauncherJourney::setMaps(const std::string& mapsIni,
                              std::initializer_list<const char*> installed) {
    folder.write("LauncherRes\\Data\\Maps.ini", mapsIni);
    for (const char* map : installed) {
        folder.write(std::string("cstrike\\maps\\") + map + ".bsp", "BSP");
    }
}
