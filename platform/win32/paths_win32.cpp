// Path operations over the W functions: every path is GBK converted at the
// boundary, whatever the system's own code page.
#include <windows.h>

#include "platform/files.h"
#include "platform/native_file.h"
#include "platform/win32/wide.h"

namespace {

constexpr int kAttrMask = 0x27;

// The executable's folder as Windows spells it, without a trailing backslash.
std::wstring moduleFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace

// A folder whose name GBK cannot hold comes back as its 8.3 short form.
Text runDirectory() {
    return fromWidePath(moduleFolder());
}

bool enterRunDirectory() {
    std::wstring folder = moduleFolder();
    if (folder.empty())
        return false;
    // "C:" alone means the drive's current folder, not its root.
    if (folder.back() == L':')
        folder += L'\\';
    return SetCurrentDirectoryW(folder.c_str()) != 0;
}

bool fileExists(const Text& path) {
    if (path.empty())
        return false;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(toWidePath(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

TextList listFolder(const Text& pattern) {
    TextList names;
    if (pattern.empty())
        return names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(toWidePath(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.append(fromWide(found.cFileName));
        if (found.cAlternateFileName[0] != L'\0')
            names.append(fromWide(found.cAlternateFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool nativeDelete(const Text& path) {
    return !path.empty() && DeleteFileW(toWidePath(path).c_str()) != 0;
}

bool nativeRename(const Text& oldPath, const Text& newPath) {
    if (oldPath.empty() || newPath.empty())
        return false;
    // No MOVEFILE_REPLACE_EXISTING: an existing target makes the move fail.
    return MoveFileExW(toWidePath(oldPath).c_str(), toWidePath(newPath).c_str(),
                       MOVEFILE_COPY_ALLOWED) != 0;
}

bool setAttributes(const Text& path, int attributes) {
    if (path.empty())
        return false;
    DWORD value = static_cast<DWORD>(attributes & kAttrMask);
    return SetFileAttributesW(toWidePath(path).c_str(),
                              value == 0 ? FILE_ATTRIBUTE_NORMAL : value) != 0;
}

int getAttributes(const Text& path) {
    if (path.empty())
        return -1;
    DWORD attributes = GetFileAttributesW(toWidePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return -1;
    return static_cast<int>(attributes & kAttrMask);
}
