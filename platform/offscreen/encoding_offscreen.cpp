// UTF-8 to GBK through glibc's iconv. Code page CP936 rather than GBK: it is
// Windows' code page 936, the euro sign at 0x80 included.
#include <cerrno>
#include <cstddef>
#include <iconv.h>

#include "platform/utf8_runs.h"

namespace {

// Bytes of the (well-formed) UTF-8 character that starts with `lead`.
std::size_t utf8Length(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

}  // namespace

std::string wellFormedUtf8ToGbk(const std::string& utf8) {
    std::string out;
    iconv_t converter = iconv_open("CP936", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        // No gconv modules: keep ASCII, "?" for everything else.
        for (std::size_t i = 0; i < utf8.size();
             i += utf8Length(static_cast<unsigned char>(utf8[i]))) {
            out.push_back(static_cast<unsigned char>(utf8[i]) < 0x80 ? utf8[i] : '?');
        }
        return out;
    }
    out.reserve(utf8.size());
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // The input is well-formed, so this is a character that GBK
            // cannot hold: one "?" for the whole character.
            out.push_back('?');
            std::size_t skip = utf8Length(static_cast<unsigned char>(*in));
            if (skip > inLeft)
                skip = inLeft;
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(converter);
    return out;
}
