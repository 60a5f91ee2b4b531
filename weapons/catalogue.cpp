#include "weapons/catalogue.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/display_text.h"
#include "core/game_files.h"
#include "core/globals.h"
#include "core/window_ids.h"
#include "platform/byte_search.h"
#include "platform/dialogs.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/window.h"

namespace {

constexpr int kPrimaryIds = 0x59FCF1A8;
constexpr int kSecondaryIds = 0x04030C02;
constexpr int kKnifeId = 29;
constexpr int kHegrenadeId = 4;

// An editor's byte-order mark must not hide the first line's ";".
constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";

// Room for one more position: the catalogue keeps every entry of the file,
// however many there are, instead of stopping at its first 512.
void makeRoomFor(WeaponCatalogue& catalogue, int position) {
    if (position <= catalogue.displayName.count())
        return;
    int size = std::max(position, 2 * catalogue.displayName.count());
    catalogue.displayName.resize(size);
    catalogue.modelName.resize(size);
    catalogue.category.resize(size);
}

// The first "[" of `text` at or after `from`, npos if none.
size_t nextBracket(std::string_view text, size_t from) {
    const char* end = text.data() + text.size();
    const char* found = findByte(text.data() + std::min(from, text.size()), end, '[');
    return found == end ? std::string_view::npos : static_cast<size_t>(found - text.data());
}

// Whether `text` holds `marker` at `at`; the marker's length is known to the
// compiler, so the comparison is a few loads.
template <size_t N>
bool markerAt(std::string_view text, size_t at, const char (&marker)[N]) {
    return text.size() - at >= N - 1 && std::memcmp(text.data() + at, marker, N - 1) == 0;
}

// Where a GBK line's "[" start a character, as findText walks the line (a
// byte of 0x80 or more takes the byte after it along), up to the first
// "[damage]" after the first "[name]": each marker search of the line is then
// a look through a few positions instead of a scan of its bytes. A line with
// more "[" than are kept is searched byte by byte.
class Brackets {
  public:
    explicit Brackets(std::string_view line) : line_(line) {
        bool named = false;
        size_t from = 0;
        for (size_t at = nextBracket(line, 0); at != std::string_view::npos;
             at = nextBracket(line, at + 1)) {
            // The high bytes right before `at` pair up from the first of them,
            // so `at` starts a character when there is an even number of them.
            size_t high = 0;
            while (at - high > from && static_cast<unsigned char>(line[at - high - 1]) >= 0x80)
                ++high;
            from = at + 1;
            if (high % 2 != 0)
                continue;
            if (count_ == kKept) {
                walk_ = true;
                return;
            }
            at_[count_++] = at;
            named = named || markerAt(line, at, "[name]");
            if (named && markerAt(line, at, "[damage]"))
                return;
        }
    }

    // The first `marker` at or after `from` (a character start); npos if none
    // before the end of the kept positions.
    template <size_t N>
    size_t find(size_t from, const char (&marker)[N]) const {
        if (walk_)
            return walkTo(from, marker);
        for (int i = 0; i < count_; ++i) {
            if (at_[i] >= from && markerAt(line_, at_[i], marker))
                return at_[i];
        }
        return std::string_view::npos;
    }

    std::string_view line() const { return line_; }

  private:
    template <size_t N>
    size_t walkTo(size_t at, const char (&marker)[N]) const {
        while (at < line_.size()) {
            if (static_cast<unsigned char>(line_[at]) >= 0x80) {
                at += 2;
            } else if (markerAt(line_, at, marker)) {
                return at;
            } else {
                ++at;
            }
        }
        return std::string_view::npos;
    }

    static constexpr int kKept = 32;
    std::string_view line_;
    size_t at_[kKept];
    int count_ = 0;
    bool walk_ = false;
};

// Whether the (UTF-8) line holds both "[name]" and "[damage]", anywhere.
bool namesWeapon(std::string_view line) {
    bool name = false;
    bool damage = false;
    for (size_t at = nextBracket(line, 0); at != std::string_view::npos;
         at = nextBracket(line, at + 1)) {
        name = name || markerAt(line, at, "[name]");
        damage = damage || markerAt(line, at, "[damage]");
        if (name && damage)
            return true;
    }
    return false;
}

// A part of a line: [begin, end).
struct Piece {
    size_t begin = 0;
    size_t end = 0;
};

// The first two pieces that splitText gives for the part `text` of a line
// and `delimiter`; false when it gives fewer (it keeps no empty piece after
// the last delimiter). Every part searched ends where a marker starts, so a
// delimiter found before its end lies within it.
template <size_t N>
bool firstTwoPieces(const Brackets& marks, Piece text, const char (&delimiter)[N], Piece& first,
                    Piece& second) {
    size_t cut = marks.find(text.begin, delimiter);
    if (cut == std::string_view::npos || cut >= text.end || cut + N - 1 == text.end)
        return false;
    size_t rest = cut + N - 1;
    size_t next = marks.find(rest, delimiter);
    first = {text.begin, cut};
    second = {rest, next < text.end ? next : text.end};
    return true;
}

// One line of the file, already GBK: what lies between its first "[name]" and
// the first "[damage]" after it, cut at "[model]", "[p_sub]" and "[cswpn]". A
// line that names a weapon but lacks the later markers still takes a
// position; its model and category are cleared first, so that a second
// reading never shows what an earlier one left there.
void addCatalogueLine(std::string_view line) {
    if (!line.empty() && line[0] == ';')
        return;
    Brackets marks(line);
    size_t start = marks.find(0, "[name]");
    if (start == std::string_view::npos)
        return;
    start += 6;
    size_t end = marks.find(start, "[damage]");
    if (end == std::string_view::npos)
        return;
    Piece name;
    Piece rest;
    if (!firstTwoPieces(marks, {start, end}, "[model]", name, rest))
        return;
    auto text = [&](Piece piece) { return line.substr(piece.begin, piece.end - piece.begin); };
    WeaponCatalogue& catalogue = g.catalogue;
    int position = ++catalogue.catalogueCount;
    makeRoomFor(catalogue, position);
    assignDisplayText(catalogue.displayName[position], text(name));
    catalogue.modelName[position].clear();
    catalogue.category[position] = kNoCategory;

    Piece model;
    if (!firstTwoPieces(marks, rest, "[p_sub]", model, rest))
        return;
    // The model name is a key (inventory file, picture file names), not a
    // caption: it stays as the file has it, whatever the display language.
    catalogue.modelName[position].assign(text(model));
    Piece id;
    if (!firstTwoPieces(marks, rest, "[cswpn]", model, id))
        return;
    catalogue.category[position] = categoryOfWeaponId(toInteger(Text(text(id))));
}

// Pages of 15 weapons per category in catalogue order; pageStart of a page is
// the position of its first weapon (of page 1: position 1). The page tables
// grow with the catalogue, so every weapon of a category is on a page.
void buildPageTables() {
    const WeaponCatalogue& catalogue = g.catalogue;
    int totals[kCategoryCount + 1] = {};
    for (int position = 1; position <= catalogue.catalogueCount; ++position) {
        ++totals[catalogue.category[position]];
    }
    for (int category = 1; category <= kCategoryCount; ++category) {
        int pages = std::max(1, (totals[category] + kWeaponsPerPage - 1) / kWeaponsPerPage);
        g.pages.pageCount[category] = pages;
        Table<int>& starts = g.pages.pageStart[category];
        if (starts.count() < pages)
            starts.resize(pages);
        starts[1] = 1;
    }
    int seen[kCategoryCount + 1] = {};
    for (int position = 1; position <= catalogue.catalogueCount; ++position) {
        int category = catalogue.category[position];
        if (category == kNoCategory)
            continue;
        int k = ++seen[category];
        if (k > 1 && (k - 1) % kWeaponsPerPage == 0)
            g.pages.pageStart[category][(k - 1) / kWeaponsPerPage + 1] = position;
    }
}

// Feeds a file's lines to an emptied catalogue, up to kMaxWeapons entries.
// The markers are ASCII, and ASCII stays itself in both encodings: a line
// without them names no weapon, and is not converted for nothing.
void takeLines(FileNumber file) {
    g.catalogue.catalogueCount = 0;
    bool first = true;
    Text gbk;
    forEachLine(file, [&](std::string_view line) {
        if (first && line.starts_with(kUtf8Bom))
            line.remove_prefix(3);
        first = false;
        if (namesWeapon(line)) {
            gbk.clear();
            appendUtf8ToGbk(line, gbk);
            addCatalogueLine(gbk);
        }
        return g.catalogue.catalogueCount < kMaxWeapons;
    });
}

}  // namespace

Text catalogueFilePath() {
    return runDirectory() + "\\" + amxConfigFile("znk_wpn.ini");
}

int categoryOfWeaponId(int weaponId) {
    int bit = shiftLeft(1, weaponId);
    if (bitAnd(bit, kPrimaryIds) != 0)
        return kPrimary;
    if (bitAnd(bit, kSecondaryIds) != 0)
        return kSecondary;
    if (weaponId == kKnifeId)
        return kMelee;
    if (weaponId == kHegrenadeId)
        return kHegrenade;
    return kNoCategory;
}

// Opened for reading alone, with nothing denied to others: a catalogue that
// is read-only, or that another program holds open for writing, reads like
// any other.
bool loadCatalogueFile(const Text& path) {
    FileNumber file = openFile(path, kOpenRead, kShareReadWrite);
    if (file <= 0)
        return false;
    takeLines(file);
    closeFile(file);
    buildPageTables();
    return true;
}

void readCatalogue() {
    setProperty(WarehouseEditor::kId, WarehouseEditor::时钟1, kTimerInterval, 0);
    if (!loadCatalogueFile(catalogueFilePath())) {
        messageBox("znk_wpn.ini read error ! Exiting...", kMbOk);
        endProgram(0);
    }
    // Converted like every other text the editor shows: stored GBK would
    // come out garbled where captions are shown in traditional script.
    setProperty(WarehouseEditor::kId, WarehouseEditor::标签2, kLabelCaption,
                displayText("武器读取成功！"));
}

int findWeaponByName(const Text& displayName) {
    for (int position = 1; position <= g.catalogue.catalogueCount; ++position) {
        if (g.catalogue.displayName[position] == displayName)
            return position;
    }
    return 0;
}

int findWeaponByModel(const Text& model) {
    for (int position = g.catalogue.catalogueCount; position >= 1; --position) {
        if (g.catalogue.modelName[position] == model)
            return position;
    }
    return 0;
}

Bytes weaponPicture(const Text& model) {
    return readWholeFile(runDirectory() + "\\wpnpics\\" + model + ".jpg");
}
