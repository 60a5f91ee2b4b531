// UTF-8 input is checked here, before a backend converts it, so that broken
// bytes give the same result whichever operating system does the conversion
// (Windows and Wine, and glibc's iconv, each count replacements their own way).
// The backend only converts well-formed text; utf8ToGbk and appendUtf8ToGbk
// (platform/encoding.h) are built on it here.
//
// One "?" stands for each character beyond U+FFFF (GBK holds none, and
// Windows would write one "?" per UTF-16 half) and for each ill-formed
// subsequence, counted as the Unicode standard recommends: a lead byte with
// the continuation bytes that could still complete it, or else a single byte.
// So a character cut short by the end of the line or by an ASCII byte gives
// one "?", a stray continuation byte gives one "?" of its own, and the bytes
// that follow are read as if nothing had happened.
#pragma once

#include <string>

// The backend's conversion of well-formed UTF-8 (characters up to U+FFFF).
std::string wellFormedUtf8ToGbk(const std::string& wellFormed);
