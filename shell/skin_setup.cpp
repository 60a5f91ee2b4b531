#include "shell/skin_setup.h"

#include "platform/files.h"
#include "platform/skin.h"
#include "platform/window_template.h"
#include "shell/skin_assets.h"

namespace {

// An existing file is never replaced or examined: the player may have put
// another version there on purpose.
void ensureSkinLibrary() {
    Text path = runDirectory() + "\\" + kSkinLibraryName;
    if (fileExists(path))
        return;
    Asset library = findAsset(assetName::kSkinLibrary);
    if (library.data == nullptr)
        return;
    writeWholeFile(path, Bytes(reinterpret_cast<const char*>(library.data), library.size));
    setAttributes(path, kAttrHidden);
}

}  // namespace

void setUpSkin() {
    ensureSkinLibrary();
    Bytes skin = builtInSkin(assetName::kSkinInUse);
    skinAttachRes(skin, "", 0, 0, 0);
    ensureSkinLibrary();
    skinSetAero(1);
}
