// The Windows boundary: texts become UTF-16 here and only here, and only W
// functions are called. Data texts and paths use GBK (936); captions use the
// display code page.
#pragma once

#include <string>

std::wstring toWide(const std::string& text, unsigned codePage = 936);
std::string fromWide(const std::wstring& text, unsigned codePage = 936);
std::wstring toWidePath(const std::string& path);
