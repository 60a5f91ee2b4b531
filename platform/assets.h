// Pictures, sounds and data built into the program, found by name. On Windows
// the process entry registers every RCDATA resource of the exe at start;
// tests register bytes of their own.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/text.h"

// An asset's name is its file name in assets/ ("banner.jpg"); "" names none.
using AssetName = const char*;

struct Asset {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

// Names compare without regard to ASCII case, as Windows compares resource
// names. The bytes must outlive every use: registering copies nothing.
void registerAsset(std::string_view name, Asset asset);
// An empty Asset when no asset has the name.
Asset findAsset(std::string_view name);
// The asset's bytes; empty for "" and for a name no asset has.
Bytes assetBytes(AssetName name);
