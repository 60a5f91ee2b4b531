// The operating system's own profile functions. The launcher reads and writes
// INI files with its own code (platform/ini.h); these exist so that the tests
// can hold that code against Windows itself, and against Wine.
#pragma once

#include <optional>
#include <string>

std::string systemReadProfileString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& defaultValue);
bool systemWriteProfileString(const std::string& file, const std::string& section,
                              const std::optional<std::string>& key,
                              const std::optional<std::string>& value);
