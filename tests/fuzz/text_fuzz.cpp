// Every text conversion on any bytes: the code-page conversions of the display
// and the catalogue's UTF-8 lines. Sizes bound what each can produce: GBK to
// GBK keeps every byte count, a change of code page writes at most two bytes
// per character it reads, and plain ASCII passes unchanged.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "platform/encoding.h"

using fuzz::check;

namespace {

bool isAscii(const Text& text) {
    for (char byte : text) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input;
    if (!fuzz::splitInput(data, size, 1, input))
        return 0;
    const Text& text = input.file;
    const int conversion = input.choices[0] % 9;  // 1..7, 0 and 8 show as stored
    const Text converted = conversion == 0 ? utf8ToGbk(text) : convertEncoding(text, conversion);
    switch (conversion) {
        case 0:  // UTF-8: at most one GBK byte per UTF-8 byte
        case kGbkToBig5:
        case kBig5ToGbk:
        case kBig5ToGbkSimplified:
        case kGbkToShiftJis:
            check(converted.size() <= text.size());
            break;
        case kGbkTraditionalToSimplified:
        case kGbkSimplifiedToTraditional:
            check(converted.size() == text.size());
            break;
        case kShiftJisToGbk:  // a half-width katakana byte becomes two
            check(converted.size() <= 2 * text.size());
            break;
        default:
            check(converted == text);
    }
    if (isAscii(text))
        check(converted == text);
    return 0;
}
