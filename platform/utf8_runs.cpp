#include "platform/utf8_runs.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace {

// Length of the well-formed character at `pos` (1 to 4), or the negated length
// of the ill-formed subsequence there. The bounds exclude overlong forms,
// UTF-16 surrogates and values above U+10FFFF.
int scanCharacter(const std::string& text, std::size_t pos) {
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

// Each character's conversion, asked of `convertRun` once and kept: a weapon
// catalogue is thousands of lines over a few hundred distinct characters, and
// a system conversion per line cost a hundred times the reading of the file.
// Filled on first use only; the launcher converts on its UI thread alone.
class CharacterMemo {
  public:
    // Appends the conversion of the run to `out`; false when the run holds a
    // character that must be converted in its context.
    bool append(std::string_view run, std::string (*convertRun)(const std::string&),
                std::string& out) {
        for (std::size_t pos = 0; pos < run.size();) {
            auto lead = static_cast<unsigned char>(run[pos]);
            std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : 3;
            if (!convertsAlone(
                    codePoint(reinterpret_cast<const unsigned char*>(&run[pos]), length)))
                return false;
            pos += length;
        }
        if (convertRun != convertRun_) {
            known_.clear();
            convertRun_ = convertRun;
        }
        for (std::size_t pos = 0; pos < run.size();) {
            auto lead = static_cast<unsigned char>(run[pos]);
            if (lead < 0x80) {
                out.push_back(run[pos++]);
                continue;
            }
            std::size_t length = lead < 0xE0 ? 2 : 3;
            std::uint32_t code =
                codePoint(reinterpret_cast<const unsigned char*>(&run[pos]), length);
            auto found = known_.find(code);
            if (found == known_.end())
                found =
                    known_.emplace(code, convertRun(std::string(run.substr(pos, length)))).first;
            out += found->second;
            pos += length;
        }
        return true;
    }

  private:
    std::string (*convertRun_)(const std::string&) = nullptr;
    std::unordered_map<std::uint32_t, std::string> known_;
};

}  // namespace

std::string convertUtf8Runs(const std::string& utf8,
                            std::string (*convertRun)(const std::string& wellFormed)) {
    std::string out;
    std::size_t runStart = 0;
    std::size_t pos = 0;
    static CharacterMemo& memo = *new CharacterMemo;
    auto flushRun = [&] {
        if (pos <= runStart)
            return;
        std::string_view run(utf8.data() + runStart, pos - runStart);
        if (!memo.append(run, convertRun, out))
            out += convertRun(std::string(run));
    };
    while (pos < utf8.size()) {
        int length = scanCharacter(utf8, pos);
        if (length > 0 && length < 4) {
            pos += static_cast<std::size_t>(length);
            continue;
        }
        flushRun();
        out.push_back('?');
        pos += static_cast<std::size_t>(length < 0 ? -length : length);
        runStart = pos;
    }
    flushRun();
    return out;
}
