// Test bytes of every value, line ends and Ctrl-Z included, different at every
// offset and the same for the same seed.
#pragma once

#include <cstddef>
#include <string>

inline std::string noise(std::size_t count, unsigned seed) {
    std::string bytes(count, '\0');
    unsigned state = seed;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 16);
    }
    return bytes;
}
