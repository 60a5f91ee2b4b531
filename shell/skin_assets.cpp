#include "shell/skin_assets.h"

#include "platform/window_template.h"

Bytes builtInSkin(int number) {
    if (number < 1 || number > kBuiltInSkinCount)
        return Bytes();
    Asset skin = findAsset("skin" + std::to_string(number) + ".she");
    if (skin.data == nullptr)
        return Bytes();
    return Bytes(reinterpret_cast<const char*>(skin.data), skin.size);
}
