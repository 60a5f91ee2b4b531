// The buy-menu scan and the rewrite of one pack on any MainBuyMenu.res. The
// rewritten file has the same lines but the pack's image and command lines,
// which read back as written (a marker that ends the file gets its line after
// it), and scanned again it finds every marker at the
// same line as before.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "quickbuy/buy_menu_file.h"

using fuzz::check;

namespace {

// Slot contents the pack editor can hand over: a model, none, a GBK name.
const char* const kModels[] = {"m4a1", "", "usp", "knife", "hegrenade", "\xB5\xB6", "a b"};
constexpr size_t kModelCount = sizeof kModels / sizeof kModels[0];

bool isLineEnd(const std::string& text, size_t i) {
    return text[i] == '\n' || text[i] == '\0' || text[i] == '\x1A';
}

// The lines of a content (views into it) and where each starts, to find the
// line of each line start that a scan gave.
struct Lines {
    std::vector<std::string_view> text;  // without the line end and a carriage return before it
    std::vector<long long> starts;

    explicit Lines(const Bytes& content) {
        const std::string_view all = content;
        size_t start = 0;
        while (start < all.size()) {
            size_t end = start;
            while (end < all.size() && !isLineEnd(content, end))
                ++end;
            std::string_view body = all.substr(start, end - start);
            if (!body.empty() && body.back() == '\r')
                body.remove_suffix(1);
            starts.push_back(static_cast<long long>(start));
            text.push_back(body);
            start = end < all.size() ? end + 1 : end;
        }
        // The position at the very end is a line of its own after a line
        // end: a marker that ends the file has its line written there.
        if (content.empty() || isLineEnd(content, content.size() - 1)) {
            starts.push_back(static_cast<long long>(start));
            text.push_back(std::string_view());
        }
    }

    long long lineOf(long long position) const {
        auto found = std::lower_bound(starts.begin(), starts.end(), position);
        return found != starts.end() && *found == position ? found - starts.begin() : -1;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input;
    if (!fuzz::splitInput(data, size, 5, input))
        return 0;
    const int pack = input.choices[0] % (kPacks + 1);  // 0: no pack, nothing written
    TextList slots(kPackSlots);
    for (int slot = 1; slot <= kPackSlots; ++slot)
        slots[slot] = kModels[input.choices[slot] % kModelCount];

    const Bytes& before = input.file;
    const BuyMenuScan scan = scanBuyMenuText(before);
    const Bytes after = buyMenuWithPack(before, pack, slots);
    const BuyMenuScan again = scanBuyMenuText(after);
    const Lines oldLines(before);
    const Lines newLines(after);
    check(oldLines.text.size() == newLines.text.size());

    std::set<long long> rewritten;
    for (int p = 1; p <= kPacks; ++p) {
        const PackLines& was = scan.packs[p - 1];
        const PackLines& is = again.packs[p - 1];
        auto sameLine = [&](long long oldPosition, long long newPosition) {
            check((oldPosition > 0) == (newPosition > 0));
            if (oldPosition == 0)
                return -1LL;
            check(oldLines.lineOf(oldPosition) == newLines.lineOf(newPosition));
            return oldLines.lineOf(oldPosition);
        };
        const long long command = sameLine(was.commandLine, is.commandLine);
        for (int image = 1; image <= kPackImages; ++image) {
            const long long line = sameLine(was.imageLines[image - 1], is.imageLines[image - 1]);
            if (p == pack && line >= 0) {
                rewritten.insert(line);
                check(newLines.text[line] == packImageLine(slots[image]));
            }
        }
        if (p == pack && command >= 0) {
            rewritten.insert(command);
            check(newLines.text[command] == packCommandLine(slots));
            check(is.commandList == commandListOf(packCommandLine(slots)));
        } else {
            check(is.commandList == was.commandList);
        }
    }
    for (size_t n = 0; n < oldLines.text.size(); ++n) {
        if (rewritten.count(static_cast<long long>(n)) == 0)
            check(oldLines.text[n] == newLines.text[n]);
    }
    return 0;
}
