#include "platform/text.h"

#include <climits>
#include <cstdint>
#include <cstdio>

namespace {

unsigned char byteAt(const Text& text, size_t index) {
    return static_cast<unsigned char>(text[index]);
}

// The length of the character that starts at `index`: two bytes for a lead
// byte, except for a lead byte that ends the text, which stands alone.
size_t characterLength(const Text& text, size_t index) {
    return isLeadByte(byteAt(text, index)) && index + 1 < text.size() ? 2 : 1;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool matchesAt(const Text& text, size_t index, const Text& sub, bool ignoreCase) {
    if (text.size() - index < sub.size())
        return false;
    // Most positions differ at their first byte: settle those without a
    // comparison call (the splitters test every character of a file).
    if (!sub.empty() && text[index] != sub[0] &&
        (!ignoreCase || asciiLower(text[index]) != asciiLower(sub[0])))
        return false;
    if (!ignoreCase)
        return text.compare(index, sub.size(), sub) == 0;
    for (size_t i = 0; i < sub.size();) {
        // Case folding applies to ASCII letters only: both bytes of a
        // double-byte character must match exactly, or two different Chinese
        // characters whose second bytes differ in "case" would compare equal.
        size_t length = characterLength(sub, i);
        if (length == 2) {
            if (text.compare(index + i, 2, sub, i, 2) != 0)
                return false;
        } else if (asciiLower(text[index + i]) != asciiLower(sub[i])) {
            return false;
        }
        i += length;
    }
    return true;
}

// 1-based start positions become 0-based offsets; anything below 1 means the
// beginning.
size_t offsetOfStart(int start) {
    return start > 1 ? static_cast<size_t>(start) - 1 : 0;
}

bool isCSpace(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The half-width form of the two-byte character `lead trail`, or 0 when it
// has none that the integer reader cares about.
char halfWidthOf(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
        return static_cast<char>(trail - 0x80);
    if (lead == 0xA1) {
        if (trail == 0xA1)
            return ' ';
        if (trail == 0xAB)
            return '~';
        if (trail == 0xEE || trail == 0xEF)
            return '*';
    }
    return 0;
}

Text toHalfWidth(const Text& text) {
    Text result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = characterLength(text, i);
        char half = length == 2 ? halfWidthOf(byteAt(text, i), byteAt(text, i + 1)) : 0;
        if (half != 0) {
            result += half;
        } else {
            result.append(text, i, length);
        }
        i += length;
    }
    return result;
}

}  // namespace

int textLength(const Text& text) {
    return static_cast<int>(text.size());
}

Text leftText(const Text& text, int count) {
    if (count <= 0)
        return Text();
    return text.substr(0, static_cast<size_t>(count));
}

Text rightText(const Text& text, int count) {
    if (count <= 0)
        return Text();
    size_t length = static_cast<size_t>(count);
    return length >= text.size() ? text : text.substr(text.size() - length);
}

int findText(const Text& text, const Text& sub, int start, bool ignoreCase) {
    size_t begin = offsetOfStart(start);
    if (sub.empty())
        return begin < text.size() ? 1 : -1;
    for (size_t i = begin; i < text.size() && text.size() - i >= sub.size();) {
        if (matchesAt(text, i, sub, ignoreCase))
            return static_cast<int>(i) + 1;
        // A lead byte with nothing after it is a broken character: nothing
        // can start inside it, so the search ends there.
        if (isLeadByte(byteAt(text, i)) && i + 1 == text.size())
            break;
        i += characterLength(text, i);
    }
    return -1;
}

Text replaceText(const Text& text, const Text& sub, const Text& replacement, int start, int count,
                 bool caseSensitive) {
    size_t begin = offsetOfStart(start);
    if (text.empty() || sub.empty() || begin >= text.size() || count == 0)
        return text;

    Text result = text.substr(0, begin);
    int remaining = count;  // negative: no limit
    size_t i = begin;
    while (i < text.size()) {
        if (remaining != 0 && matchesAt(text, i, sub, !caseSensitive)) {
            result += replacement;
            i += sub.size();
            if (remaining > 0)
                --remaining;
            continue;
        }
        size_t length = characterLength(text, i);
        result.append(text, i, length);
        i += length;
    }
    return result;
}

TextList splitText(const Text& text, const Text& delimiter, std::optional<int> maxCount) {
    TextList list;
    int remaining = maxCount ? (*maxCount > 0 ? *maxCount : 0) : -1;  // -1: no limit
    if (text.empty() || remaining == 0)
        return list;
    if (delimiter.empty()) {
        list.append(text);
        return list;
    }

    size_t pieceStart = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (matchesAt(text, i, delimiter, false)) {
            list.append(text.substr(pieceStart, i - pieceStart));
            i += delimiter.size();
            pieceStart = i;
            if (remaining > 0 && --remaining == 0)
                return list;
            continue;
        }
        i += characterLength(text, i);
    }
    if (pieceStart < text.size())
        list.append(text.substr(pieceStart));
    return list;
}

Text removeAllSpaces(const Text& text) {
    Text result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = characterLength(text, i);
        bool space =
            length == 1 ? text[i] == ' ' : byteAt(text, i) == 0xA1 && byteAt(text, i + 1) == 0xA1;
        if (!space)
            result.append(text, i, length);
        i += length;
    }
    return result;
}

int toInteger(const Text& text) {
    Text half = toHalfWidth(text);
    size_t i = 0;
    while (i < half.size() && isCSpace(byteAt(half, i)))
        ++i;
    bool negative = false;
    if (i < half.size() && (half[i] == '+' || half[i] == '-')) {
        negative = half[i] == '-';
        ++i;
    }
    // Accumulate the magnitude in 64 bits and stop growing it once it is past
    // the int range, so that no number of digits can overflow.
    const int64_t limit = negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
    int64_t magnitude = 0;
    for (; i < half.size() && half[i] >= '0' && half[i] <= '9'; ++i) {
        if (magnitude <= limit)
            magnitude = magnitude * 10 + (half[i] - '0');
    }
    if (magnitude > limit)
        return negative ? INT_MIN : INT_MAX;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

Text toText(int value) {
    return std::to_string(value);
}

Text toText(double value) {
    char buffer[64];
    int length = std::snprintf(buffer, sizeof buffer, "%.13g", value);
    if (length <= 0)
        return Text();
    return Text(buffer, static_cast<size_t>(length) < sizeof buffer ? static_cast<size_t>(length)
                                                                    : sizeof buffer - 1);
}

Text toText(const Bytes& bytes) {
    return bytesToText(bytes);
}

// The text operations never put a zero byte into a text, so its bytes are
// the whole string; cutting here would only lose data that a caller put there.
Bytes textToBytes(const Text& text) {
    return text;
}

Text bytesToText(const Bytes& bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

Bytes zeroBytes(int count) {
    return count > 0 ? Bytes(static_cast<size_t>(count), '\0') : Bytes();
}

int bytesLength(const Bytes& bytes) {
    return static_cast<int>(bytes.size());
}

int bitAnd(int a, int b) {
    return a & b;
}

int shiftLeft(int value, int bits) {
    // Shifting the unsigned pattern keeps the result defined for negative
    // values and for bits shifted out of the top.
    return static_cast<int>(static_cast<uint32_t>(value) << (static_cast<unsigned>(bits) & 31u));
}

Text asciiLowerCase(const Text& text) {
    Text lower = text;
    for (size_t i = 0; i < lower.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(lower[i]);
        if (isLeadByte(byte))
            ++i;
        else if (byte >= 'A' && byte <= 'Z')
            lower[i] = static_cast<char>(byte - 'A' + 'a');
    }
    return lower;
}
