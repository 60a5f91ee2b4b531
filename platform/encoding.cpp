// convertEncoding over the generated tables. Each input code page is scanned
// by its own byte rules, so a trail byte is never mistaken for a character.
//
// What a character without a counterpart becomes:
// - Where the code page stays GBK (3, 4) it is kept as it is.
// - Where the code page changes (1, 2, 5, 6, 7) it becomes "?", as Windows
//   writes a character that the target code page lacks. Keeping its bytes
//   would show an unrelated character, or swallow the next one, in the other
//   code page.
// - Bytes of GBK input that are not a GBK character (0x80, 0xFF, a lead byte
//   without a valid trail byte, a lead byte at the very end) are copied
//   unchanged, as every other text operation treats them.
// - Bytes of BIG5 or Shift-JIS input that are not a character there become
//   "?" and only the one byte is taken, so an ASCII byte after a broken lead
//   byte survives; a stray high byte in the GBK result would otherwise join
//   with the byte after it.
#include "platform/encoding.h"

#include <cstddef>
#include <cstdint>
#include <iterator>

namespace {

#include "platform/encoding_tables.inc"

constexpr std::size_t kGbkTrailCount = 190;
constexpr std::size_t kBig5TrailCount = 157;
constexpr std::size_t kShiftJisTrailCount = 188;

static_assert(std::size(kGbkToBig5Table) == 126 * kGbkTrailCount);
static_assert(std::size(kGbkToShiftJisTable) == 126 * kGbkTrailCount);
static_assert(std::size(kBig5ToGbkTable) == 126 * kBig5TrailCount);
static_assert(std::size(kShiftJisToGbkTable) == 60 * kShiftJisTrailCount);
static_assert(std::size(kKatakanaToGbkTable) == 0xDF - 0xA1 + 1);
static_assert(std::size(kGbkToTraditionalPairs) % 2 == 0);
static_assert(std::size(kGbkToSimplifiedPairs) % 2 == 0);

using Code = std::uint16_t;

unsigned char byteAt(const Text& text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

bool isGbkLead(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
bool isGbkTrail(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

std::size_t gbkIndex(unsigned char lead, unsigned char trail) {
    return (lead - 0x81u) * kGbkTrailCount + (trail < 0x80 ? trail - 0x40u : trail - 0x41u);
}

bool isBig5Lead(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
bool isBig5Trail(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xFE);
}

std::size_t big5Index(unsigned char lead, unsigned char trail) {
    return (lead - 0x81u) * kBig5TrailCount + (trail < 0x80 ? trail - 0x40u : trail - 0x62u);
}

bool isShiftJisLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
bool isShiftJisTrail(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}
bool isHalfWidthKatakana(unsigned char byte) {
    return byte >= 0xA1 && byte <= 0xDF;
}

std::size_t shiftJisIndex(unsigned char lead, unsigned char trail) {
    std::size_t row = lead < 0xA0 ? lead - 0x81u : lead - 0xC1u;
    return row * kShiftJisTrailCount + (trail < 0x80 ? trail - 0x40u : trail - 0x41u);
}

// Table values are one byte below 0x100, two bytes (lead first) above; 0 is
// "no counterpart".
void appendCode(Text& out, Code code) {
    if (code == 0) {
        out.push_back('?');
        return;
    }
    if (code > 0xFF)
        out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xFF));
}

// The sorted pair tables: (from, to, from, to, ...). 0 when `code` is absent.
template <std::size_t N>
Code findPair(const Code (&pairs)[N], Code code) {
    std::size_t low = 0;
    std::size_t high = N / 2;
    while (low < high) {
        std::size_t middle = low + (high - low) / 2;
        if (pairs[2 * middle] < code) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return (low < N / 2 && pairs[2 * low] == code) ? pairs[2 * low + 1] : 0;
}

Code toSimplified(Code gbk) {
    Code simplified = findPair(kGbkToSimplifiedPairs, gbk);
    return simplified != 0 ? simplified : gbk;
}

Code toTraditional(Code gbk) {
    Code traditional = findPair(kGbkToTraditionalPairs, gbk);
    return traditional != 0 ? traditional : gbk;
}

// Walks GBK input; `convert` maps one double-byte character (as lead << 8 |
// trail) to the code to write.
template <typename Convert>
Text convertGbkText(const Text& text, Convert convert) {
    Text out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char lead = byteAt(text, i);
        if (isGbkLead(lead) && i + 1 < text.size() && isGbkTrail(byteAt(text, i + 1))) {
            unsigned char trail = byteAt(text, i + 1);
            appendCode(out, convert(lead, trail));
            i += 2;
        } else {
            out.push_back(text[i]);
            ++i;
        }
    }
    return out;
}

Text convertBig5Text(const Text& text, bool simplify) {
    Text out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char lead = byteAt(text, i);
        if (lead < 0x80) {
            out.push_back(text[i]);
            ++i;
        } else if (isBig5Lead(lead) && i + 1 < text.size() && isBig5Trail(byteAt(text, i + 1))) {
            Code gbk = kBig5ToGbkTable[big5Index(lead, byteAt(text, i + 1))];
            appendCode(out, simplify && gbk > 0xFF ? toSimplified(gbk) : gbk);
            i += 2;
        } else {
            out.push_back('?');
            ++i;
        }
    }
    return out;
}

Text convertShiftJisText(const Text& text) {
    Text out;
    out.reserve(text.size() * 2);
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char lead = byteAt(text, i);
        if (lead < 0x80) {
            out.push_back(text[i]);
            ++i;
        } else if (isHalfWidthKatakana(lead)) {
            appendCode(out, kKatakanaToGbkTable[lead - 0xA1]);
            ++i;
        } else if (isShiftJisLead(lead) && i + 1 < text.size() &&
                   isShiftJisTrail(byteAt(text, i + 1))) {
            appendCode(out, kShiftJisToGbkTable[shiftJisIndex(lead, byteAt(text, i + 1))]);
            i += 2;
        } else {
            out.push_back('?');
            ++i;
        }
    }
    return out;
}

Code gbkCode(unsigned char lead, unsigned char trail) {
    return static_cast<Code>(lead << 8 | trail);
}

}  // namespace

Text convertEncoding(const Text& text, int conversion) {
    switch (conversion) {
        case kGbkToBig5:
            return convertGbkText(text, [](unsigned char lead, unsigned char trail) {
                return kGbkToBig5Table[gbkIndex(lead, trail)];
            });
        case kBig5ToGbk:
            return convertBig5Text(text, false);
        case kGbkTraditionalToSimplified:
            return convertGbkText(text, [](unsigned char lead, unsigned char trail) {
                return toSimplified(gbkCode(lead, trail));
            });
        case kGbkSimplifiedToTraditional:
            return convertGbkText(text, [](unsigned char lead, unsigned char trail) {
                return toTraditional(gbkCode(lead, trail));
            });
        case kBig5ToGbkSimplified:
            return convertBig5Text(text, true);
        case kGbkToShiftJis:
            return convertGbkText(text, [](unsigned char lead, unsigned char trail) {
                return kGbkToShiftJisTable[gbkIndex(lead, trail)];
            });
        case kShiftJisToGbk:
            return convertShiftJisText(text);
        default:
            return text;
    }
}
