#include "platform/utf8_runs.h"

#include <cstddef>

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

}  // namespace

std::string convertUtf8Runs(const std::string& utf8,
                            std::string (*convertRun)(const std::string& wellFormed)) {
    std::string out;
    std::size_t runStart = 0;
    std::size_t pos = 0;
    auto flushRun = [&] {
        if (pos > runStart)
            out += convertRun(utf8.substr(runStart, pos - runStart));
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
