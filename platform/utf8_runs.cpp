#include "platform/utf8_runs.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "platform/encoding.h"

namespace {

// Length of the well-formed character at `pos` (1 to 4), or the negated length
// of the ill-formed subsequence there. The bounds exclude overlong forms,
// UTF-16 surrogates and values above U+10FFFF.
int scanCharacter(std::string_view text, std::size_t pos) {
    auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byteAt(pos);
    if (lead < 0x80)
        return 1;
    int continuations = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuations = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuations = 2;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuations = 3;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return -1;
    }
    for (int i = 1; i <= continuations; ++i) {
        std::size_t at = pos + static_cast<std::size_t>(i);
        if (at >= text.size() || byteAt(at) < low || byteAt(at) > high)
            return -i;
        low = 0x80;
        high = 0xBF;
    }
    return continuations + 1;
}

// Where the ASCII bytes from `pos` end, eight at a time while they last.
std::size_t asciiRunEnd(std::string_view text, std::size_t pos) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    for (std::uint64_t word = 0; pos + 8 <= text.size(); pos += 8) {
        std::memcpy(&word, text.data() + pos, 8);
        if ((word & kHighBits) != 0)
            break;
    }
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80)
        ++pos;
    return pos;
}

// Code point of the well-formed character of one to three bytes at `p`.
std::uint32_t codePoint(const unsigned char* p, std::size_t length) {
    if (length == 1)
        return p[0];
    if (length == 2)
        return (p[0] & 0x1Fu) << 6 | (p[1] & 0x3Fu);
    return (p[0] & 0x0Fu) << 12 | (p[1] & 0x3Fu) << 6 | (p[2] & 0x3Fu);
}

// Characters that convert the same alone as within any run of their kind:
// ASCII, the CJK blocks from U+3000 (kana and the ideographs included) and the
// full-width forms. None is a combining mark, which a system conversion may
// compose with the character before it; a run with any other character is
// converted whole.
bool convertsAlone(std::uint32_t code) {
    if (code < 0x80)
        return true;
    if (code >= 0xFF00 && code <= 0xFFEF)
        return true;
    if (code < 0x3000 || code > 0x9FFF)
        return false;
    return !(code >= 0x302A && code <= 0x302F) && code != 0x3099 && code != 0x309A;
}

// Each character's conversion, asked of the backend once and kept in a table
// by code point: a weapon catalogue is thousands of lines over a few hundred
// distinct characters, and a system conversion per line cost a hundred times
// the reading of the file. Filled on first use only; the launcher converts on
// its UI thread alone.
class CharacterMemo {
  public:
    void append(std::uint32_t code, std::string_view character, std::string& out) {
        if (!codes_)
            codes_ = std::make_unique<std::uint16_t[]>(0x10000);
        std::uint16_t& known = codes_[code];
        if (known == kUnknown)
            known = learn(character);
        if (known == kAskEachTime) {
            out += wellFormedUtf8ToGbk(std::string(character));
            return;
        }
        if (known >= 0x8000)
            out.push_back(static_cast<char>(known >> 8));
        out.push_back(static_cast<char>(known & 0xFF));
    }

  private:
    // A kept value is a double-byte code (lead byte high, so 0x8000 and up)
    // or 0x100 plus a single byte; a conversion of another shape is not kept.
    static constexpr std::uint16_t kUnknown = 0;
    static constexpr std::uint16_t kAskEachTime = 1;

    static std::uint16_t learn(std::string_view character) {
        std::string gbk = wellFormedUtf8ToGbk(std::string(character));
        auto byte = [&](std::size_t i) { return static_cast<unsigned char>(gbk[i]); };
        if (gbk.size() == 1)
            return static_cast<std::uint16_t>(0x100 | byte(0));
        if (gbk.size() == 2 && byte(0) >= 0x80)
            return static_cast<std::uint16_t>(byte(0) << 8 | byte(1));
        return kAskEachTime;
    }

    std::unique_ptr<std::uint16_t[]> codes_;
};

}  // namespace

// A run of well-formed characters up to U+FFFF is converted character by
// character while every character in it converts alone; otherwise the run
// goes to the backend whole, as it stands.
void appendUtf8ToGbk(std::string_view utf8, Text& out) {
    static CharacterMemo& memo = *new CharacterMemo;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t runStart = pos;
        std::size_t outStart = out.size();
        bool alone = true;
        int length = 0;
        while (pos < utf8.size()) {
            if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
                std::size_t end = asciiRunEnd(utf8, pos);
                out.append(utf8.data() + pos, end - pos);
                pos = end;
                continue;
            }
            length = scanCharacter(utf8, pos);
            if (length < 0 || length == 4)
                break;
            auto size = static_cast<std::size_t>(length);
            if (alone) {
                std::uint32_t code =
                    codePoint(reinterpret_cast<const unsigned char*>(&utf8[pos]), size);
                if (convertsAlone(code)) {
                    memo.append(code, utf8.substr(pos, size), out);
                } else {
                    alone = false;
                }
            }
            pos += size;
        }
        if (!alone) {
            out.resize(outStart);
            out += wellFormedUtf8ToGbk(std::string(utf8.substr(runStart, pos - runStart)));
        }
        if (pos < utf8.size()) {
            out.push_back('?');
            pos += static_cast<std::size_t>(length < 0 ? -length : length);
        }
    }
}

Text utf8ToGbk(const Text& utf8) {
    Text out;
    out.reserve(utf8.size());
    appendUtf8ToGbk(utf8, out);
    return out;
}
