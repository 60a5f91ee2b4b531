// Code-page conversion on Linux through the C library's iconv, between
// encodings that keep ASCII as it is (GBK, CP936, UTF-8). Bytes that do
// not convert become "?".
#pragma once

#include <string>

std::string iconvText(const std::string& text, const char* from, const char* to);

// A launcher path (GBK, backslashes) as a POSIX path (UTF-8, slashes).
std::string posixPath(const std::string& launcherPath);
