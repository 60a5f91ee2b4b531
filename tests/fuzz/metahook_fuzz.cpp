// The arms settings on any metahook.txt: a choice written reads back as
// written, the other two read as before, and every line of the file but the
// one item's (or the lines that add it) stays as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "arms/arms_file.h"
#include "fuzz_support.h"

using fuzz::check;

namespace {

const char* const kKeys[] = {"enable", "male", "female"};
const char* const kValues[] = {"1", "0", "male_2", "female_3", "\xBA\xCF\xBD\xF0"};

bool isLineEnd(const std::string& text, size_t i) {
    return text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input;
    if (!fuzz::splitInput(data, size, 1, input))
        return 0;
    const Text key = kKeys[input.choices[0] % 3];
    const Text value = kValues[input.choices[0] / 3 % 5];
    fuzz::writeGameFile("metahook.txt", input.file);
    fuzz::forgetRecords();
    Text was[3];
    for (int k = 0; k < 3; ++k)
        was[k] = readArmsItem(kKeys[k]);

    check(writeArmsItem(key, value));
    for (int k = 0; k < 3; ++k)
        check(readArmsItem(kKeys[k]) == (kKeys[k] == key ? value : was[k]));

    // Lines the same from the start and from the end: between them at most
    // the item's line was, and at most a section line and the item's line are.
    const std::vector<std::string> before = fuzz::linesOf(input.file, isLineEnd);
    const std::vector<std::string> after =
        fuzz::linesOf(fuzz::readGameFile("metahook.txt"), isLineEnd);
    auto same = [](const std::string& a, const std::string& b) {
        return a == b || a + "\r\n" == b;  // the last line gains a line end
    };
    size_t head = 0;
    while (head < before.size() && head < after.size() && same(before[head], after[head]))
        ++head;
    size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           same(before[before.size() - 1 - tail], after[after.size() - 1 - tail]))
        ++tail;
    check(before.size() - head - tail <= 1 && after.size() - head - tail <= 2);
    return 0;
}
