#include "platform/assets.h"

#include <map>
#include <string>

namespace {

std::map<std::string, Asset, std::less<>>& assets() {
    static std::map<std::string, Asset, std::less<>> map;
    return map;
}

std::string assetKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

}  // namespace

void registerAsset(std::string_view name, Asset asset) {
    if (name.empty())
        return;
    assets()[assetKey(name)] = asset;
}

Asset findAsset(std::string_view name) {
    auto found = assets().find(assetKey(name));
    return found == assets().end() ? Asset{} : found->second;
}

Bytes assetBytes(AssetName name) {
    if (name == nullptr || *name == '\0')
        return Bytes();
    Asset asset = findAsset(name);
    if (asset.data == nullptr)
        return Bytes();
    return Bytes(reinterpret_cast<const char*>(asset.data), asset.size);
}
