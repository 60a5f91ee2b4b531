// UTF-8 input is checked here, before a backend converts it, so that broken
// bytes give the same result whichever operating system does the conversion
// (Windows and Wine, and glibc's iconv, each count replacements their own way).
#pragma once

#include <string>

// Converts the well-formed runs of `utf8` with `convertRun` and joins the
// results. One "?" stands for each character beyond U+FFFF (GBK holds none,
// and Windows would write one "?" per UTF-16 half) and for each ill-formed
// subsequence, counted as the Unicode standard recommends: a lead byte with
// the continuation bytes that could still complete it, or else a single byte.
// So a character cut short by the end of the line or by an ASCII byte gives
// one "?", a stray continuation byte gives one "?" of its own, and the bytes
// that follow are read as if nothing had happened.
std::string convertUtf8Runs(const std::string& utf8,
                            std::string (*convertRun)(const std::string& wellFormed));
