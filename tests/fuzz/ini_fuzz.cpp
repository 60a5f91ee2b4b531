// The INI format on any file: lookups stay within the value limit, and an
// edit reads back as written while every other item reads as before.
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

bool sameName(const Text& a, const Text& b) {
    return iniLookup("[" + a + "]\r\nx=1\r\n", b, "x").has_value();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    // The first four bytes choose the edit; the rest is the file.
    const int kind = data[0] % 3;  // 0 set, 1 delete the key, 2 delete the section
    const Text section = kNames[data[1] % kNameCount];
    const Text key = kNames[data[2] % kNameCount];
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
    for (const char* otherSection : kNames) {
        const bool inSection = sameName(otherSection, section);
        for (const char* otherKey : kNames) {
            const std::optional<Text> before = iniLookup(file, otherSection, otherKey);
            if (before) {
                check(before->size() <= static_cast<size_t>(kIniValueLimit));
                check(before->find('\0') == Text::npos);
            }
            if (inSection && (kind == 2 || sameName(otherKey, key)))
                continue;
            check(iniLookup(*edited, otherSection, otherKey) == before);
        }
    }
    return 0;
}
