#include "platform/win32/wide.h"

#include <windows.h>

std::wstring toWide(const std::string& text, unsigned codePage) {
    if (text.empty())
        return std::wstring();
    int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

std::string fromWide(const std::wstring& text, unsigned codePage, unsigned long flags) {
    if (text.empty())
        return std::string();
    int length = WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()), bytes.data(),
                        length, nullptr, nullptr);
    return bytes;
}

std::wstring toWidePath(const std::string& path) {
    std::wstring wide = toWide(path, 936);
    for (wchar_t& c : wide) {
        if (c == L'/')
            c = L'\\';
    }
    return wide;
}

// A path whose name GBK cannot hold (Korean, say) would come back as
// question marks; its 8.3 short form is plain ASCII and still reaches it.
std::string fromWidePath(const std::wstring& path) {
    std::string gbk = fromWide(path);
    if (toWide(gbk) == path)
        return gbk;
    DWORD length = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (length == 0)
        return gbk;
    std::wstring shortPath(length, L'\0');
    length = GetShortPathNameW(path.c_str(), shortPath.data(), length);
    if (length == 0 || length >= shortPath.size())
        return gbk;
    shortPath.resize(length);
    return fromWide(shortPath);
}
