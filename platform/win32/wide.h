// The Windows boundary: texts become UTF-16 here and only here, and only W
// functions are called. Data texts and paths use GBK (936); captions use the
// display code page. The test programs and stand-ins under Wine convert
// through these too (the znk_wide library).
#pragma once

#include <string>

// Bytes of `codePage` to UTF-16; empty when the bytes are or convert to nothing.
std::wstring toWide(const std::string& text, unsigned codePage = 936);
// UTF-16 to bytes of `codePage`, with WideCharToMultiByte's `flags`
// (WC_COMPOSITECHECK composes a letter and its combining accent).
std::string fromWide(const std::wstring& text, unsigned codePage = 936, unsigned long flags = 0);
// A GBK path with every forward slash turned into a backslash.
std::wstring toWidePath(const std::string& path);
// An existing file or folder as a GBK path that reaches it: its 8.3 short
// form when GBK cannot hold its name.
std::string fromWidePath(const std::wstring& path);
