// The largest and strangest game folder a start may meet, written on the
// spot: a map list and a weapon catalogue of some 50 MB each, more maps and
// weapons than the launcher keeps, lines of 4 MiB without a line end, a
// buy-menu file of 100,000 lines, and pictures that claim 65,535 x 65,535
// pixels. The journeys' test and the benches write the same folder.
#pragma once

#include <functional>
#include <string>

namespace bigInputs {

// How many more maps and weapons than the launcher keeps the files name.
inline constexpr int kExtra = 50;
// The names the big files give their first map and first weapon.
inline constexpr const char* kFirstMap = "m1";
inline constexpr const char* kFirstWeapon = "w1";
// The filler lines before the buy menu's packs, which all hold m4a1 first.
inline constexpr int kBuyMenuFiller = 100000;

// Writes the folder through `write(relative path, bytes)`; `listBytes` is
// about the size of each long list.
void write(const std::function<void(const std::string&, const std::string&)>& write,
           long long listBytes = 50LL << 20);

// A display name past the line limit: the first map's line holds it.
std::string longDisplayName();

}  // namespace bigInputs
