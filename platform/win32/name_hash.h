// A short, stable name for a longer text: eight hexadecimal digits of its
// 32-bit FNV-1a hash, for names of files and kernel objects that must stay
// the same from run to run and from build to build.
#pragma once

#include <cstdint>
#include <string>

template <typename Char>
std::wstring nameHash(const Char* data, std::size_t count) {
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < count; ++i) {
        // Every code unit whole, so that UTF-16 texts hash all their bits.
        auto unit = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<Char>>(data[i]));
        for (std::size_t byte = 0; byte < sizeof(Char); ++byte) {
            hash = (hash ^ ((unit >> (8 * byte)) & 0xFF)) * 16777619u;
        }
    }
    static const wchar_t kDigits[] = L"0123456789abcdef";
    std::wstring name(8, L'0');
    for (int i = 7; i >= 0; --i, hash >>= 4) {
        name[static_cast<std::size_t>(i)] = kDigits[hash & 0xF];
    }
    return name;
}
