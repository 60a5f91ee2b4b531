// Profile (INI) files with the Windows profile semantics, implemented here so
// that both backends behave alike and a write never leaves a file half written.
#pragma once

#include <optional>

#include "platform/text.h"

// Values longer than this are cut when read.
inline constexpr int kIniValueLimit = 10239;

// Leading blanks (bytes up to 0x20) of the file name, section and key are
// dropped; if any of them is then empty the result is "" whatever the default.
// A missing file, section or key gives the default.
Text readIniItem(const Text& file, const Text& section, const Text& key,
                 const Text& defaultValue = Text());
// An omitted value deletes the key; an omitted key deletes the whole section.
// The file is replaced in one step. False when the file exists but cannot be
// read (a write would lose its other lines), when it cannot be written, or
// when the item could not be read back as written (see iniWithItem).
bool writeIniItem(const Text& file, const Text& section, const std::optional<Text>& key = {},
                  const std::optional<Text>& value = {});
