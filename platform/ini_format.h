// The profile (INI) format over a file's bytes, without touching any file:
// section lines "[name]", key lines "key=value", lines ended by CR LF, LF or
// CR. Names match without regard to ASCII letter case; the first matching
// section, and the first matching key in it, win.
#pragma once

#include <optional>

#include "platform/text.h"

// The value of `key` in `section`; nullopt when the section or the key is
// missing, or the key's line has no "=". The value loses the blanks around it
// and one pair of enclosing double or single quotes, ends at a zero byte, and
// is cut to kIniValueLimit bytes without splitting a double-byte character.
// `section` and `key` are taken without their surrounding blanks.
std::optional<Text> iniLookup(const Bytes& file, const Text& section, const Text& key);

// The file with one edit applied, every byte not involved kept as it was:
// - key and value: the key's line becomes key=value (the file's own spelling
//   of the key is kept); a missing key gets a new line after the last
//   non-blank line of its section; a missing section is added at the end.
// - key without value: the key's line is removed.
// - no key: the section is removed, from its header to the next header.
// Lines that are added end in CR LF. nullopt when the edit would not read back
// as written: an empty section or key, a line break in any of them, "=" in the
// key or a key that would read as a section line.
std::optional<Bytes> iniWithItem(const Bytes& file, const Text& section,
                                 const std::optional<Text>& key, const std::optional<Text>& value);
