// The INI format on any file: lookups stay within the value limit, and an
// edit reads back as written while every other item reads as before.
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/ini.h"
#include "platform/ini_format.h"

#include "fuzz_support.h"

namespace {

using fuzz::check;

// Names that differ only in ASCII case, a longer one, and double-byte names
// whose second byte is a letter or the closing bracket.
const char* const kNames[] = {"a", "A", "Map", "\x81\x41", "\x81\x61", "\x81]"};
const char* const kValues[] = {"", "1", " v ", "\"q\"", "x=y", "\xD6\xD0"};
constexpr size_t kNameCount = sizeof kNames / sizeof kNames[0];
constexpr size_t kValueCount = sizeof kValues / sizeof kValues[0];

// Whether the format takes two of the names above for the same, worked out
// once through a lookup.
bool sameName(size_t a, size_t b) {
    static const auto table = [] {
        std::array<std::array<bool, kNameCount>, kNameCount> same{};
        for (size_t i = 0; i < kNameCount; ++i) {
            for (size_t j = 0; j < kNameCount; ++j) {
                same[i][j] =
                    iniLookup("[" + Text(kNames[i]) + "]\r\nx=1\r\n", kNames[j], "x").has_value();
            }
        }
        return same;
    }();
    return table[a][b];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    // The first four bytes choose the edit; the rest is the file.
    const int kind = data[0] % 3;  // 0 set, 1 delete the key, 2 delete the section
    const size_t sectionName = data[1] % kNameCount;
    const size_t keyName = data[2] % kNameCount;
    const Text section = kNames[sectionName];
    const Text key = kNames[keyName];
    const Text value = kValues[data[3] % kValueCount];
    const Bytes file(reinterpret_cast<const char*>(data) + 4, size - 4);

    const std::optional<Bytes> edited =
        iniWithItem(file, section, kind == 2 ? std::nullopt : std::optional<Text>(key),
                    kind == 0 ? std::optional<Text>(value) : std::nullopt);
    check(edited.has_value());
    if (kind == 0) {
        check(iniLookup(*edited, section, key) == iniLookup("[t]\r\nx=" + value, "t", "x"));
        check(iniWithItem(*edited, section, key, value) == edited);
    }
    for (size_t otherSection = 0; otherSection < kNameCount; ++otherSection) {
        const bool inSection = sameName(otherSection, sectionName);
        for (size_t otherKey = 0; otherKey < kNameCount; ++otherKey) {
            const std::optional<Text> before =
                iniLookup(file, kNames[otherSection], kNames[otherKey]);
            if (before) {
                check(before->size() <= static_cast<size_t>(kIniValueLimit));
                check(before->find('\0') == Text::npos);
            }
            if (inSection && (kind == 2 || sameName(otherKey, keyName)))
                continue;
            check(iniLookup(*edited, kNames[otherSection], kNames[otherKey]) == before);
        }
    }
    return 0;
}
