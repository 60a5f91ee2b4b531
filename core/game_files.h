// What more than one module knows of the game folder. Paths are relative to
// the run directory, which start-up makes the current directory.
#pragma once

#include "platform/text.h"

// AMX Mod X's configuration folder: the modes' plugin lists, the bot file,
// the weapon catalogue and the inventory file.
inline constexpr const char* kAmxConfigsFolder = "cstrike\\addons\\amxmodx\\configs";
inline Text amxConfigFile(const Text& name) {
    return Text(kAmxConfigsFolder) + "\\" + name;
}

// The background music beside the launcher, played from the start and again
// whenever the mode chooser closes.
inline constexpr const char* kMusicFile = "mywpnbg.mp3";

// The buy menu's quick-buy packs, four weapon slots each (primary, secondary,
// melee, grenade), as the buy-menu file holds them and the editor shows them.
inline constexpr int kPacks = 5;
inline constexpr int kPackSlots = 4;
