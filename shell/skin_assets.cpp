#include "shell/skin_assets.h"

#include "platform/window_template.h"

Bytes builtInSkin(int number) {
    if (number < 1 || number > assetName::kSkinCount)
        return Bytes();
    Asset skin = findAsset(assetName::kSkins[number - 1]);
    if (skin.data == nullptr)
        return Bytes();
    return Bytes(reinterpret_cast<const char*>(skin.data), skin.size);
}
