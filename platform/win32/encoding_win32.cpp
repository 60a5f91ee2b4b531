// UTF-8 to GBK the way Windows itself converts a catalogue line: UTF-16 in
// between, then code page 936 with WC_COMPOSITECHECK, so a letter followed by
// a combining accent becomes the accented letter that GBK holds. (Windows may
// also write a "best fit" look-alike for a character GBK lacks where glibc
// writes "?"; neither difference arises for Chinese or ASCII text.)
#include <windows.h>

#include "platform/utf8_runs.h"
#include "platform/win32/wide.h"

std::string wellFormedUtf8ToGbk(const std::string& utf8) {
    return fromWide(toWide(utf8, CP_UTF8), 936, WC_COMPOSITECHECK);
}
