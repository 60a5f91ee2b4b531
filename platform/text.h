// Texts are GBK byte strings, exactly as the launcher's files hold them.
// Lengths and positions count bytes; positions are 1-based.
#pragma once

#include <string>

#include "platform/table.h"

using Text = std::string;
// A length-counted byte string: file contents and pictures. Zero bytes allowed.
using Bytes = std::string;
// The 1-based list of texts that splitText produces.
using TextList = Table<Text>;

// The double-byte rule: any byte of 0x80 or more starts a two-byte character.
inline bool isLeadByte(unsigned char byte) { return byte >= 0x80; }

int textLength(const Text& text);
Text leftText(const Text& text, int count);
Text rightText(const Text& text, int count);
// 1-based position of the first occurrence at or after `start`, or -1.
int findText(const Text& text, const Text& sub, int start = 1, bool ignoreCase = false);
Text replaceText(const Text& text, const Text& sub, const Text& replacement = Text(), int start = 1,
                 int count = -1, bool caseSensitive = true);
// maxCount < 0 means "no limit" here (the omitted count); callers that pass a
// count pass 0 or more.
TextList splitText(const Text& text, const Text& delimiter = ",", int maxCount = -1);
Text removeAllSpaces(const Text& text);
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
int shiftLeft(int value, int bits);
