// The skin library's file image and the 33 built-in skins, carried as assets.
#pragma once

#include "platform/text.h"

inline constexpr const char* kSkinLibraryAsset = "skinh_el.dll";
inline constexpr int kBuiltInSkinCount = 33;

// The bytes of built-in skin n (1..33); empty when it is not carried.
Bytes builtInSkin(int number);
