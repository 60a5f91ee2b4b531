#include "platform/offscreen/iconv_text.h"

#include <cerrno>
#include <iconv.h>

std::string iconvText(const std::string& text, const char* from, const char* to) {
    // Both ends keep ASCII as it is: most paths and texts need no converter.
    bool ascii = true;
    for (char c : text)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        return text;
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return text;
    std::string out;
    out.reserve(text.size() * 2);
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            // An invalid or truncated sequence: one "?" for it, then go on.
            out.push_back('?');
            unsigned char lead = static_cast<unsigned char>(*in);
            size_t skip = (lead >= 0x80 && inLeft >= 2) ? 2 : 1;
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(converter);
    return out;
}

std::string posixPath(const std::string& launcherPath) {
    std::string path = iconvText(launcherPath, "CP936", "UTF-8");
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    return path;
}
