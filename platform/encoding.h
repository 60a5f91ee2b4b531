// Code-page conversions of texts.
#pragma once

#include <string_view>

#include "platform/text.h"

// Conversion numbers of convertEncoding.
inline constexpr int kGbkToBig5 = 1;
inline constexpr int kBig5ToGbk = 2;
inline constexpr int kGbkTraditionalToSimplified = 3;
inline constexpr int kGbkSimplifiedToTraditional = 4;
inline constexpr int kBig5ToGbkSimplified = 5;
inline constexpr int kGbkToShiftJis = 6;
inline constexpr int kShiftJisToGbk = 7;
// The language selector's "show as stored" value: any number outside 1..7.
inline constexpr int kNoConversion = 998;

Text convertEncoding(const Text& text, int conversion);

// UTF-8 to GBK, as the weapon catalogue's lines are read. Characters that GBK
// cannot hold become "?", as WideCharToMultiByte's default character does.
Text utf8ToGbk(const Text& utf8);
// The same, appended to `out`: a reader that converts many lines keeps one
// buffer for all of them.
void appendUtf8ToGbk(std::string_view utf8, Text& out);
