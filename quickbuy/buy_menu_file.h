// The game's buy-menu layout, cstrike\resource\UI\MainBuyMenu.res, as far as
// the quick-buy editor touches it. The layout format itself is the game's; the
// editor only finds its marker lines ("//WeaponPack3_img2",
// "//WeaponPack3_command") and replaces the one line after each:
//   "Command" "znk_buy_wpn m4a1;znk_buy_wpn usp;...;defuser"
//   "image" "gfx/vgui/m4a1"
// Every other byte of the file stays as it is, line ends included.
#pragma once

#include "core/game_files.h"
#include "platform/text.h"

// Slots 1 to 3 show a picture in the game's menu; the grenade has none.
inline constexpr int kPackImages = 3;

// The file's path in the game folder, and as the editor opens it.
Text buyMenuFileName();
Text buyMenuPath();

// Where one pack's lines are, as byte offsets of the line after each marker
// (0: the marker is missing, since a line after a marker never starts the
// file), and the pack's command list: model names and equipment words
// separated by ";" ("m4a1;usp;knife;hegrenade;secammo;..."), empty when the
// command line is missing or too short to name four slots.
struct PackLines {
    long long commandLine = 0;
    long long imageLines[kPackImages] = {};
    Text commandList;
};

struct BuyMenuScan {
    PackLines packs[kPacks];
};

// Finds the markers of all five packs in the file's bytes. A marker counts
// only as a whole line, exactly; one that occurs twice counts where it occurs
// last. A 0x00 or 0x1A byte ends a line like a line feed.
BuyMenuScan scanBuyMenuText(const Bytes& content);

// The command list of a command line: the text between its second pair of
// quotation marks, without the command word and without blanks. Empty when
// the line has no such text or names fewer than four slots.
Text commandListOf(const Text& commandLine);

// The lines the editor writes for a pack; slots missing from `slots` are
// written empty.
Text packCommandLine(const TextList& slots);
Text packImageLine(const Text& model);

// Whether a model name can stand in those lines as one name: not empty, and
// without a quotation mark (it would end the layout's value early), a ";" (it
// would start another console command) or a control byte.
bool fitsPackLine(const Text& model);

// Puts `text` in place of the line that starts at `position`, keeping that
// line's end (CR LF, LF, or none at the end of the file). False, with the
// content untouched, when the position lies outside it.
bool replaceLineAt(Bytes& content, long long position, const Text& text);

// The whole file with pack `pack` (1..5) written from `slots`: the command
// line and the three image lines, each only where its marker is.
Bytes buyMenuWithPack(const Bytes& content, int pack, const TextList& slots);
