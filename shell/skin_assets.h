// The skin library's file image and the 33 built-in skins, carried as assets.
#pragma once

#include "assets/asset_names.h"
#include "platform/text.h"

// The bytes of built-in skin n (1..33); empty when it is not carried.
Bytes builtInSkin(int number);
