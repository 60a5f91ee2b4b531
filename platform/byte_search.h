// Searches of long byte runs, eight bytes at a time: the C library's memchr
// is a byte loop in some runtimes (Wine's msvcrt among them), and a call per
// short search costs more than the search.
#pragma once

#include <cstdint>
#include <cstring>

// Whether any of the eight bytes of `word` is 0.
inline bool hasZeroByte(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    return ((word - kOnes) & ~word & kHighs) != 0;
}

// `byte` in all eight bytes of a word.
constexpr std::uint64_t everyByte(unsigned char byte) {
    return 0x0101010101010101u * byte;
}

// The first `byte` in [at, end), or end.
inline const char* findByte(const char* at, const char* end, unsigned char byte) {
    for (std::uint64_t word = 0; end - at >= 8; at += 8) {
        std::memcpy(&word, at, 8);
        if (hasZeroByte(word ^ everyByte(byte)))
            break;
    }
    while (at < end && static_cast<unsigned char>(*at) != byte)
        ++at;
    return at;
}
