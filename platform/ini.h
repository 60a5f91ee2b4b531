// Profile (INI) files with the Windows profile semantics, implemented here so
// that both backends behave alike and a write never leaves a file half written.
#pragma once

#include <optional>

#include "platform/text.h"

// Values longer than this are cut when read.
inline constexpr int kIniValueLimit = 10239;

Text readIniItem(const Text& file, const Text& section, const Text& key,
                 const Text& defaultValue = Text());
// An omitted value deletes the key; an omitted key deletes the whole section.
bool writeIniItem(const Text& file, const Text& section, const std::optional<Text>& key = {},
                  const std::optional<Text>& value = {});
