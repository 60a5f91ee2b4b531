// The loading-layout rewrite on any LoadingDialogNoBanner.res and any screen
// size: a rewrite changes only the lines it names, each into the shape
// <indent>"key"<separator>"value", and keeps every other line as it was; only
// the file's final CR LF goes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>

#include "fuzz_support.h"
#include "match/loading_layout.h"

using fuzz::check;

namespace {

std::set<int> namedLines() {
    std::set<int> lines = {9, 10, 297, 298, 299, 333, 334};
    for (int tile = 0; tile < 12; ++tile) {
        for (int field = 0; field < 4; ++field)
            lines.insert(56 + 15 * tile + field);
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input;
    if (!fuzz::splitInput(data, size, 4, input))
        return 0;
    static const std::set<int> named = namedLines();
    const int width = input.choices[0] | input.choices[1] << 8;
    const int height = input.choices[2] | input.choices[3] << 8;
    const std::optional<Text> layout = layoutForScreen(input.file, width, height);
    if (!layout)
        return 0;
    // The lines as they stand once joined without the final CR LF, split the
    // same way as the rewrite's: the split drops one empty piece at the end,
    // and split again the joined lines would lose the next one.
    TextList before = splitText(input.file, "\r\n");
    if (before.count() > 0 && before[before.count()].empty())
        before.resize(before.count() - 1);
    const TextList after = splitText(*layout, "\r\n");
    check(after.count() == before.count());
    for (int n = 1; n <= before.count(); ++n) {
        if (named.count(n) == 0) {
            check(after[n] == before[n]);
            continue;
        }
        // Checked byte by byte, as the game reads the file: a double-byte
        // lead at the end of the key's piece may pair with the quotation
        // mark written after it in the launcher's own splitting.
        const Text& line = after[n];
        check(std::count(line.begin(), line.end(), '"') >= 4 && line.back() == '"');
        const size_t open = line.rfind('"', line.size() - 2);
        const Text value = line.substr(open + 1, line.size() - open - 2);
        check(toText(toInteger(value)) == value);
    }
    return 0;
}
