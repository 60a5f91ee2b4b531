#include "platform/win32/system_profile.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide.h"

std::string systemReadProfileString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& defaultValue) {
    std::vector<wchar_t> buffer(65536);
    DWORD length = GetPrivateProfileStringW(
        toWide(section).c_str(), toWide(key).c_str(), toWide(defaultValue).c_str(), buffer.data(),
        static_cast<DWORD>(buffer.size()), toWidePath(file).c_str());
    return fromWide(std::wstring(buffer.data(), length));
}

bool systemWriteProfileString(const std::string& file, const std::string& section,
                              const std::optional<std::string>& key,
                              const std::optional<std::string>& value) {
    std::wstring wideKey = key ? toWide(*key) : std::wstring();
    std::wstring wideValue = value ? toWide(*value) : std::wstring();
    return WritePrivateProfileStringW(toWide(section).c_str(), key ? wideKey.c_str() : nullptr,
                                      value ? wideValue.c_str() : nullptr,
                                      toWidePath(file).c_str()) != FALSE;
}
