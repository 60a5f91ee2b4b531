#include "shell/skin_setup.h"

#include "assets/asset_names.h"
#include "platform/assets.h"
#include "platform/files.h"
#include "platform/skin.h"

namespace {

// An existing file is never replaced or examined: the player may have put
// another version there on purpose.
void ensureSkinLibrary() {
    Text path = runDirectory() + "\\" + kSkinLibraryName;
    if (fileExists(path))
        return;
    Bytes library = assetBytes(assetName::kSkinLibrary);
    if (library.empty())
        return;
    writeWholeFile(path, library);
    setAttributes(path, kAttrHidden);
}

}  // namespace

void setUpSkin() {
    ensureSkinLibrary();
    skinAttachRes(assetBytes(assetName::kSkins[assetName::kSkinInUse - 1]), "", 0, 0, 0);
    ensureSkinLibrary();
    skinSetAero(1);
}
