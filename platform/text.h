// Texts are GBK byte strings, exactly as the launcher's files hold them.
// Lengths and positions count bytes; positions are 1-based.
#pragma once

#include <optional>
#include <string>

#include "platform/table.h"

using Text = std::string;
// A length-counted byte string: file contents and pictures. Zero bytes allowed.
using Bytes = std::string;
// The 1-based list of texts that splitText produces.
using TextList = Table<Text>;

// The double-byte rule: any byte of 0x80 or more starts a two-byte character.
inline bool isLeadByte(unsigned char byte) {
    return byte >= 0x80;
}

int textLength(const Text& text);
Text leftText(const Text& text, int count);
Text rightText(const Text& text, int count);
// 1-based position of the first occurrence at or after `start`, or -1.
int findText(const Text& text, const Text& sub, int start = 1, bool ignoreCase = false);
Text replaceText(const Text& text, const Text& sub, const Text& replacement = Text(), int start = 1,
                 int count = -1, bool caseSensitive = true);
// An omitted maxCount means no limit; a given count below 0 counts as 0.
TextList splitText(const Text& text, const Text& delimiter = ",",
                   std::optional<int> maxCount = std::nullopt);
// The ASCII letters in lower case; two-byte characters stay as they are.
Text asciiLowerCase(const Text& text);
// Drops the ASCII space and the full-width space; tabs stay.
Text removeAllSpaces(const Text& text);
// Full-width digits, signs and letters count as their ASCII forms; then the
// text is read like atoi. Values beyond the int range saturate at
// INT_MIN / INT_MAX, as the Windows C library's atoi does.
int toInteger(const Text& text);
Text toText(int value);
Text toText(double value);
// A byte buffer as text: its bytes up to the first zero byte.
Text toText(const Bytes& bytes);

// Byte buffers.
Bytes textToBytes(const Text& text);
Text bytesToText(const Bytes& bytes);
Bytes zeroBytes(int count);
int bytesLength(const Bytes& bytes);

// Integer helpers.
int bitAnd(int a, int b);
// The shift count is taken modulo 32, as the x86 shift instruction does.
int shiftLeft(int value, int bits);
