// The modification's weapon catalogue, znk_wpn.ini in the AMX Mod X
// configuration folder: one weapon per UTF-8 line,
//   [name]display[model]model[p_sub]sub[cswpn]id[damage]...
// read into g.catalogue (display name, model name and category of every
// weapon, in file order) and split per category into pages of 15 (g.pages).
// The launcher only reads this file.
#pragma once

#include "core/window_ids.h"
#include "platform/text.h"

inline constexpr int kNoCategory = 0;
inline constexpr int kPrimary = 1;
inline constexpr int kSecondary = 2;
inline constexpr int kMelee = 3;
inline constexpr int kHegrenade = 4;

// A page holds what the weapon picker shows at once.
inline constexpr int kWeaponsPerPage = WeaponSelection::kCells;
// The most entries the catalogue keeps; the reading stops once it has them.
inline constexpr int kMaxWeapons = 10000;

// The game folder's catalogue, as a full path.
Text catalogueFilePath();

// The category of a Counter-Strike weapon number; ids of 32 and more count as
// the id modulo 32, as the game's bit masks do.
int categoryOfWeaponId(int weaponId);

// Reads the catalogue at `path` into g.catalogue and rebuilds g.pages. False,
// with the tables untouched, when the file cannot be opened for reading.
bool loadCatalogueFile(const Text& path);

// The warehouse editor's reading: stops its timer, reads the catalogue of the
// game folder and shows "武器读取成功！". A catalogue that cannot be opened ends
// the program after saying so.
void readCatalogue();

// The first position whose display name is `displayName`, 0 if none.
int findWeaponByName(const Text& displayName);
// The last position whose model name is `model`, 0 if none.
int findWeaponByModel(const Text& model);

// The picture of a weapon model from wpnpics; empty when there is none.
Bytes weaponPicture(const Text& model);
