// Reading registry numbers: RegOpenKeyExW and RegQueryValueExW
// https://learn.microsoft.com/windows/win32/api/winreg/nf-winreg-regqueryvalueexw
#include "platform/registry.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide.h"

namespace {

HKEY rootKey(int root) {
    switch (root) {
        case kRootClassesRoot:
            return HKEY_CLASSES_ROOT;
        case kRootCurrentConfig:
            return HKEY_CURRENT_CONFIG;
        case kRootLocalMachine:
            return HKEY_LOCAL_MACHINE;
        case kRootUsers:
            return HKEY_USERS;
        default:
            return HKEY_CURRENT_USER;
    }
}

// Byte offset of the last backslash that is a character of its own, or npos.
// The second byte of a GBK character may be 0x5C, so the scan steps over pairs.
size_t lastBackslash(const Text& path) {
    size_t found = Text::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte(byte)) {
            ++i;
        } else if (byte == '\\') {
            found = i;
        }
    }
    return found;
}

}  // namespace

int readRegistryNumber(int root, const Text& path, int defaultValue) {
    size_t split = lastBackslash(path);
    Text keyPath = split == Text::npos ? Text() : path.substr(0, split);
    Text valueName = split == Text::npos ? path : path.substr(split + 1);

    HKEY key = nullptr;
    if (RegOpenKeyExW(rootKey(root), toWide(keyPath, 936).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return defaultValue;
    }
    DWORD type = 0;
    DWORD number = 0;
    DWORD size = sizeof(number);
    LONG status = RegQueryValueExW(key, toWide(valueName, 936).c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(&number), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(number)) {
        return defaultValue;
    }
    return static_cast<int>(number);
}
