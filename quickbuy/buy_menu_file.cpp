#include "quickbuy/buy_menu_file.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace {

constexpr const char* kMarkerPrefix = "//WeaponPack";
constexpr const char* kCommandWord = "znk_buy_wpn";
constexpr const char* kEquipment = "secammo;primammo;flash;flash;sgren;vesthelm;defuser";

// A marker names a pack and either one of its image lines (1..3) or, with
// image 0, its command line.
struct Marker {
    int pack = 0;
    int image = 0;
};

// The whole line is "//WeaponPack" and a pack digit, then "_command" or
// "_img" and an image digit.
std::optional<Marker> markerOf(std::string_view line) {
    const std::string_view prefix = kMarkerPrefix;
    if (line.size() <= prefix.size() || line.substr(0, prefix.size()) != prefix)
        return std::nullopt;
    const int pack = line[prefix.size()] - '0';
    if (pack < 1 || pack > kPacks)
        return std::nullopt;
    const std::string_view rest = line.substr(prefix.size() + 1);
    if (rest == "_command")
        return Marker{pack, 0};
    if (rest.size() == 5 && rest.substr(0, 4) == "_img") {
        const int image = rest[4] - '0';
        if (image >= 1 && image <= kPackImages)
            return Marker{pack, image};
    }
    return std::nullopt;
}

bool isLineEnd(char byte) {
    return byte == '\n' || byte == '\0' || byte == '\x1A';
}

// One line of the content as readLine sees it: its length without a trailing
// carriage return, and where the next line starts. Unlike readLine, a 0x00 or
// 0x1A byte is passed over as the line's end, so a scan always moves on.
// (A GBK trail byte is never a line end, so the first line-end byte ends the
// line whatever characters stand before it.)
struct LineSpan {
    long long start = 0;
    long long length = 0;
    long long next = 0;
    bool ended = false;  // false: the content's last line, without a line end
};

LineSpan lineAt(const Bytes& content, long long start) {
    const long long size = static_cast<long long>(content.size());
    long long end = start;
    while (end < size && !isLineEnd(content[end]))
        ++end;
    LineSpan line{start, end - start, end, end < size};
    if (line.length > 0 && content[end - 1] == '\r')
        --line.length;
    if (line.ended)
        ++line.next;
    return line;
}

std::string_view lineText(const Bytes& content, const LineSpan& line) {
    return std::string_view(content).substr(static_cast<size_t>(line.start),
                                            static_cast<size_t>(line.length));
}

Text slotOf(const TextList& slots, int slot) {
    return slot <= slots.count() ? slots[slot] : Text();
}

}  // namespace

Text buyMenuFileName() {
    return "cstrike\\resource\\UI\\MainBuyMenu.res";
}

Text buyMenuPath() {
    return runDirectory() + "\\" + buyMenuFileName();
}

// The line after a command marker is its command line whatever it holds, so
// it is never taken for a marker itself. A marker that ends the file without
// a line end has no line after it: writing "after" it would join the new
// text to the marker and lose the marker.
BuyMenuScan scanBuyMenuText(const Bytes& content) {
    BuyMenuScan scan;
    const long long size = static_cast<long long>(content.size());
    long long position = 0;
    while (position < size) {
        LineSpan line = lineAt(content, position);
        position = line.next;
        std::optional<Marker> marker = markerOf(lineText(content, line));
        if (!marker || !line.ended)
            continue;
        PackLines& pack = scan.packs[marker->pack - 1];
        if (marker->image > 0) {
            // The image line is written over; when the line after the marker
            // is a marker itself (a hand-edited file), writing there would
            // lose that marker, so this image has no line.
            LineSpan next = lineAt(content, position);
            const bool nextIsMarker = next.ended && markerOf(lineText(content, next));
            pack.imageLines[marker->image - 1] = nextIsMarker ? 0 : position;
            continue;
        }
        pack.commandLine = position;
        LineSpan command = lineAt(content, position);
        pack.commandList = commandListOf(Text(lineText(content, command)));
        position = command.next;
    }
    return scan;
}

// What stands before the first quotation mark (the layout's indentation) is
// not part of the value, so an indented line reads like a plain one.
Text commandListOf(const Text& commandLine) {
    TextList parts = splitText(commandLine, "\"");
    if (parts.count() < 4)
        return Text();
    Text list = replaceText(replaceText(parts[4], kCommandWord), " ");
    if (splitText(list, ";").count() < kPackSlots)
        return Text();
    return list;
}

Text packCommandLine(const TextList& slots) {
    Text line = "\"Command\" \"";
    for (int slot = 1; slot <= kPackSlots; ++slot)
        line += Text(kCommandWord) + " " + slotOf(slots, slot) + ";";
    return line + kEquipment + "\"";
}

Text packImageLine(const Text& model) {
    return "\"image\" \"gfx/vgui/" + model + "\"";
}

bool fitsPackLine(const Text& model) {
    if (model.empty())
        return false;
    for (char byte : model) {
        if (byte == '"' || byte == ';' || static_cast<unsigned char>(byte) < 0x20)
            return false;
    }
    return true;
}

bool replaceLineAt(Bytes& content, long long position, const Text& text) {
    if (position < 0 || position > static_cast<long long>(content.size()))
        return false;
    LineSpan line = lineAt(content, position);
    content.replace(static_cast<size_t>(position), static_cast<size_t>(line.length), text);
    return true;
}

// Every line is replaced from one scan, the last in the file first, so the
// positions of the lines before it still hold. The lines never overlap: each
// is the line after a different marker line.
Bytes buyMenuWithPack(const Bytes& content, int pack, const TextList& slots) {
    if (pack < 1 || pack > kPacks)
        return content;
    const PackLines lines = scanBuyMenuText(content).packs[pack - 1];
    struct Edit {
        long long position;
        Text text;
    };
    std::vector<Edit> edits;
    if (lines.commandLine > 0)
        edits.push_back({lines.commandLine, packCommandLine(slots)});
    for (int image = 1; image <= kPackImages; ++image) {
        if (lines.imageLines[image - 1] > 0)
            edits.push_back({lines.imageLines[image - 1], packImageLine(slotOf(slots, image))});
    }
    std::sort(edits.begin(), edits.end(),
              [](const Edit& a, const Edit& b) { return a.position > b.position; });
    Bytes updated = content;
    for (const Edit& edit : edits)
        replaceLineAt(updated, edit.position, edit.text);
    return updated;
}
