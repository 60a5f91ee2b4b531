// Code-page conversion on Linux through the C library's iconv. Bytes that do
// not convert become "?".
#pragma once

#include <string>

std::string iconvText(const std::string& text, const char* from, const char* to);

// A launcher path (GBK, backslashes) as a POSIX path (UTF-8, slashes).
std::string posixPath(const std::string& launcherPath);
