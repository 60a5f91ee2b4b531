// UTF-8 to GBK the way Windows itself converts a catalogue line: UTF-16 in
// between, then code page 936 with WC_COMPOSITECHECK, so a letter followed by
// a combining accent becomes the accented letter that GBK holds. (Windows may
// also write a "best fit" look-alike for a character GBK lacks where glibc
// writes "?"; neither difference arises for Chinese or ASCII text.)
#include <windows.h>

#include "platform/encoding.h"
#include "platform/utf8_runs.h"
#include "platform/win32/wide.h"

namespace {

std::string wellFormedUtf8ToGbk(const std::string& utf8) {
    std::wstring wide = toWide(utf8, CP_UTF8);
    if (wide.empty())
        return std::string();
    int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(936, WC_COMPOSITECHECK, wide.data(), size, nullptr, 0, nullptr,
                                     nullptr);
    if (length <= 0)
        return std::string();
    std::string gbk(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(936, WC_COMPOSITECHECK, wide.data(), size, gbk.data(), length, nullptr,
                        nullptr);
    return gbk;
}

}  // namespace

Text utf8ToGbk(const Text& utf8) {
    return convertUtf8Runs(utf8, wellFormedUtf8ToGbk);
}
